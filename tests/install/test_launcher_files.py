#!/usr/bin/env python3
"""The desktop entry and the AppStream metainfo pass their validators and agree with
each other and with the project: one id for the entry's file name, its icon, the
metainfo's component and launchable; this version is its newest release; they speak
every language the program speaks."""

import glob
import os
import shutil
import subprocess
import xml.etree.ElementTree as ET

import installed
from installed import APP_ID, check


def add_arguments(parser):
    parser.add_argument("--source", required=True)
    parser.add_argument("--version", required=True, help="the project's version")


def validate(tool, package, *args):
    check(shutil.which(tool), "%s is missing; install the Debian package %s" % (tool, package))
    r = subprocess.run([tool, *args], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=60)
    out = r.stdout.decode(errors="replace")
    check(r.returncode == 0, "%s %s failed:\n%s" % (tool, " ".join(args), out))
    return out


def test(args):
    packaging = os.path.join(args.source, "packaging")
    desktop_path = os.path.join(packaging, APP_ID + ".desktop")
    metainfo_path = os.path.join(packaging, APP_ID + ".metainfo.xml")

    out = validate("desktop-file-validate", "desktop-file-utils", desktop_path)
    # Hints are advice; errors and warnings are faults.
    faults = [line for line in out.splitlines() if "error:" in line or "warning:" in line]
    check(not faults, "desktop-file-validate:\n" + "\n".join(faults))
    validate("appstreamcli", "appstream", "validate", "--no-net", metainfo_path)

    entry = installed.desktop_entry(desktop_path)
    check(entry["Icon"] == APP_ID, "the launcher's icon is %r, expected %r" % (entry["Icon"], APP_ID))
    check(entry["Exec"].split()[0] == "numora", "the launcher runs %r" % entry["Exec"])

    component = ET.parse(metainfo_path).getroot()
    check(component.findtext("id") == APP_ID, "metainfo id %r" % component.findtext("id"))
    launchable = component.find("launchable[@type='desktop-id']")
    check(launchable is not None and launchable.text == APP_ID + ".desktop",
          "the metainfo launches %r, not our desktop entry" % (launchable.text if launchable is not None else None))
    check(component.findtext("provides/binary") == "numora", "the metainfo provides no numora binary")
    # Every language of translations/ describes the program on the desktop too.
    languages = sorted(os.path.basename(p)[len("numora_"):-len(".ts")]
                       for p in glob.glob(os.path.join(args.source, "translations", "numora_*.ts")))
    check(languages, "no translations found")
    lang = "{http://www.w3.org/XML/1998/namespace}lang"
    english_paragraphs = [e for e in component.find("description").iter()
                          if e.tag in ("p", "li") and lang not in e.attrib]
    for language in languages:
        for key in ("GenericName", "Comment", "Keywords"):
            check(entry.get("%s[%s]" % (key, language)), "the desktop entry has no %s[%s]" % (key, language))
        for tag in ("name", "summary"):
            check(any(e.get(lang) == language for e in component.findall(tag)),
                  "the metainfo has no %s in %s" % (tag, language))
        translated = [e for e in component.iter() if e.tag in ("p", "li") and e.get(lang) == language]
        check(len(translated) == len(english_paragraphs),
              "the metainfo's description has %d paragraphs in %s, %d in English"
              % (len(translated), language, len(english_paragraphs)))

    # Software centres take the first release for the newest.
    releases = [r.get("version") for r in component.findall("releases/release")]
    check(releases[:1] == [args.version], "the metainfo's newest release is not %s: %r" % (args.version, releases))


if __name__ == "__main__":
    installed.main(test, add_arguments)

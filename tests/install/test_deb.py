#!/usr/bin/env python3
"""The Debian package, in three steps run as separate tests:

  package   checks that the Release tree (tests/release_tree.cmake, built before)
            is hardened and runs CPack in it;
  contents  inspects the package (dpkg-deb -c and -I), simulates its installation with
            apt-get and runs lintian where it is installed;
  run       unpacks it into a folder and starts the program from there.
"""

import glob
import json
import os
import re
import shutil
import subprocess
import tempfile
import time

import installed
from installed import check

# What dpkg-buildflags gives a compile on Debian 12.
HARDENING = ["-fstack-protector-strong", "-D_FORTIFY_SOURCE=2", "-Wformat", "-Werror=format-security"]

# Linked: found by dpkg-shlibdeps.
LINKED_DEPENDS = {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libc6", "libstdc++6"}


def run_packages(source, kind="RUN"):
    """The packages ./run.sh installs for the program to run (tools/packages.sh): the
    package must pull in each of them (kind RUN) or recommend them (RECOMMENDED)."""
    with open(os.path.join(source, "tools", "packages.sh")) as f:
        m = re.search(r'^NUMORA_%s_PACKAGES="([^"]*)"' % kind, f.read(), re.M)
    check(m, "tools/packages.sh sets no NUMORA_%s_PACKAGES" % kind)
    return set(m.group(1).split())


def add_arguments(parser):
    parser.add_argument("step", choices=["package", "contents", "run"])
    parser.add_argument("--work", required=True, help="the built Release tree, where the package goes")
    parser.add_argument("--source", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--cpack")
    parser.add_argument("--artifacts")


def architecture():
    return subprocess.run(["dpkg", "--print-architecture"], stdout=subprocess.PIPE,
                          check=True).stdout.decode().strip()


def package_path(args):
    return os.path.join(args.work, "numora_%s_%s.deb" % (args.version, architecture()))


def package(args):
    for old in glob.glob(os.path.join(args.work, "*.deb")):
        os.remove(old)  # never inspect a package of an earlier run
    started = time.monotonic()
    check_hardened(args.work)
    installed.run([args.cpack, "-G", "DEB"], cwd=args.work)
    check(os.path.exists(package_path(args)), "CPack made no %s" % package_path(args))
    print("packaged in %.0f s" % (time.monotonic() - started))


def check_hardened(work):
    """Every file of the release build is compiled with Debian's hardening; lintian
    checks the linked program (PIE, RELRO, bind-now) but cannot see fortify where the
    compiler proved every call safe."""
    with open(os.path.join(work, "compile_commands.json")) as f:
        commands = json.load(f)
    check(commands, "no compile commands in %s" % work)
    for c in commands:
        missing = [flag for flag in HARDENING if flag not in c["command"].split()]
        check(not missing, "%s is compiled without %s" % (c["file"], " ".join(missing)))


def control_fields(deb):
    fields, key = {}, None
    for line in installed.run(["dpkg-deb", "-f", deb]).splitlines():
        if line.startswith(" ") and key:
            fields[key] += "\n" + line
        elif ":" in line:
            key, _, value = line.partition(":")
            fields[key] = value.strip()
    return fields


def contents(args):
    deb = package_path(args)
    print(installed.run(["dpkg-deb", "-I", deb]))
    fields = control_fields(deb)
    check(fields.get("Package") == "numora" and fields.get("Version") == args.version,
          "package %r version %r" % (fields.get("Package"), fields.get("Version")))
    check(fields.get("Architecture") == architecture(), "architecture %r" % fields.get("Architecture"))
    # "name (>= version)" or "a | b": the names are what apt must find.
    depends, recommends = ({re.split(r"[\s(]", alt.strip())[0]
                            for dep in fields.get(field, "").split(",") for alt in dep.split("|") if alt.strip()}
                           for field in ("Depends", "Recommends"))
    needed = run_packages(args.source)
    check(needed <= depends, "Depends lacks %r, which the program needs to run" % sorted(needed - depends))
    wanted = run_packages(args.source, "RECOMMENDED")
    check(wanted <= recommends, "Recommends lacks %r" % sorted(wanted - recommends))
    check(LINKED_DEPENDS <= depends, "Depends lacks %r (did dpkg-shlibdeps run?)" % sorted(LINKED_DEPENDS - depends))

    listing = installed.run(["dpkg-deb", "-c", deb])
    print(listing)
    entries = {}
    for line in listing.splitlines():
        # mode owner/group size date time path [-> target]
        mode, owner, _, _, _, rest = line.split(None, 5)
        path, _, target = rest.partition(" -> ")
        check(owner == "root/root", "%s is owned by %s" % (path, owner))
        entries[os.path.normpath(path)] = (mode, target)
    files = {p for p, (mode, _) in entries.items() if not mode.startswith("d")}
    expected = {"usr/" + f for f in installed.expected_files(args.source)}
    check(files == expected, "package files: missing %r, unexpected %r"
          % (sorted(expected - files), sorted(files - expected)))
    check(entries["usr/bin/numora"] == ("lrwxrwxrwx", "../libexec/numora/numora"),
          "usr/bin/numora is %r" % (entries["usr/bin/numora"],))
    check(entries["usr/libexec/numora/numora"][0] == "-rwxr-xr-x", "the executable's mode is %s"
          % entries["usr/libexec/numora/numora"][0])

    # What `apt-get install ./numora_….deb` would do, without doing it.
    r = subprocess.run(["apt-get", "install", "--simulate", "--no-install-recommends", os.path.abspath(deb)],
                       stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=120,
                       env=dict(os.environ, LC_ALL="C"))
    out = r.stdout.decode(errors="replace")
    check(r.returncode == 0 and re.search(r"^Inst numora |^numora is already the newest", out, re.M),
          "apt-get could not install the package:\n" + out[-3000:])

    if not shutil.which("lintian"):
        print("lintian is not installed: skipped")
        return
    r = subprocess.run(["lintian", "--display-info", deb], stdout=subprocess.PIPE,
                       stderr=subprocess.STDOUT, timeout=300)
    out = r.stdout.decode(errors="replace")
    print("lintian:\n" + (out or "(nothing to say)"))
    # Warnings and notes are advice; an error is a fault of the package, and so is
    # any tag of a missing hardening (the release build must have them all).
    errors = [line for line in out.splitlines() if line.startswith("E: ") or " hardening-" in line]
    check(not errors, "lintian found errors:\n" + "\n".join(errors))


def run(args):
    tmp = tempfile.mkdtemp(prefix="numora-deb-")
    try:
        installed.run(["dpkg-deb", "-x", package_path(args), tmp])
        prefix = os.path.join(tmp, "usr")
        installed.check_layout(prefix, args.source)
        installed.run_installed(prefix, args.source, args.artifacts, "install_deb")
    finally:
        shutil.rmtree(tmp, ignore_errors=True)


def test(args):
    {"package": package, "contents": contents, "run": run}[args.step](args)


if __name__ == "__main__":
    installed.main(test, add_arguments)

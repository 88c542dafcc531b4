#!/usr/bin/env python3
"""Each translation under translations/ is complete and current: it holds every text
the sources give Qt's translator and nothing else, each translated (every plural form
of a text with a count); every placeholder (%1, %2, %n) and access key (&) of the
English is kept, and the access keys of the windows' controls stay distinct in every
language, and every character has a glyph in some installed font; an access key in
Arabic script sits on a letter that joins neither neighbour, since the underline
splits the word there and breaks its joining. English's plural file
holds the texts with a count, and only those. A key that the
English gives another control never moves to this one: a player who presses Alt+S to
start (as the README and the manual page say) must not quit instead."""

import argparse
import bisect
import glob
import os
import re
import subprocess
import sys
import tempfile
import unicodedata
import xml.etree.ElementTree as ET

SOURCE_FOLDERS = ("app", "forms", "platform")

# Access keys a control's translation must not take: the keys of the English of another
# control of the same windows.
FORBIDDEN_KEYS = {("Layout", "&Exit "): "s", ("Layout", "&Start Numora"): "e"}


def messages(path):
    """{(context, source, comment): (translations, type)} of a .ts file: one
    translation per plural form of a text with a count (%n), else one."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            t = m.find("translation")
            forms = [f.text or "" for f in t.iter("numerusform")] if m.get("numerus") == "yes" else [t.text or ""]
            found[(name, m.findtext("source"), m.findtext("comment") or "")] = (forms, t.get("type"))
    return found


def current_texts(lupdate, source, *options):
    """What lupdate finds in the sources today."""
    with tempfile.TemporaryDirectory() as tmp:
        ts = os.path.join(tmp, "current.ts")
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", *options,
                        *[os.path.join(source, f) for f in SOURCE_FOLDERS], "-ts", ts], check=True)
        return set(messages(ts))


def access_key(text):
    keys = re.findall(r"&([^&])", text.replace("&&", ""))
    return keys[0].lower() if keys else None


# Arabic letters that join only the letter before them (alef, dal, thal, reh, zain,
# waw and kin); hamza joins neither side, every other letter (and tatweel) both.
JOINS_BEFORE_ONLY = set("آأؤإاةدذرزوٱٲٳٵٶٷڈډڊڋڌڍڎڏڐڑڒړڔڕږڗژڙۀۃۄۅۆۇۈۉۊۋۍۏےۓەۮۯ")
NOTHING = (False, False)


def joining(c):
    """Whether `c` joins the letter before it, and the letter after it."""
    arabic = c == "\u0640" or ("\u0620" <= c <= "\u06ff" and unicodedata.category(c) == "Lo" and c not in "ءٴ")
    return arabic, arabic and c not in JOINS_BEFORE_ONLY


def key_breaks_joining(text):
    """True when the access key sits on an Arabic letter joined to the letter before or
    after it (combining marks between them are looked through)."""
    letters = [c for c in text.replace("&&", "") if unicodedata.category(c) != "Mn"]
    k = letters.index("&") if "&" in letters[:-1] else None
    if k is None:
        return False
    before, key = joining(letters[k - 1]) if k > 0 else NOTHING, joining(letters[k + 1])
    after = joining(letters[k + 2]) if k + 2 < len(letters) else NOTHING
    return (before[1] and key[0]) or (key[1] and after[0])


def faults_of(path, texts):
    faults = []
    have = messages(path)
    faults += ["lacks %r (%s)" % (k[1], k[0]) for k in sorted(texts - set(have))]
    faults += ["has %r (%s), which no source gives any more" % (k[1], k[0]) for k in sorted(set(have) - texts)]
    keys = {}
    for (context, source, _), (translations, kind) in sorted(have.items()):
        if kind or not all(translations):
            faults.append("%r is %s" % (source, kind or "not translated"))
            continue
        faults += ["%r drops or adds a placeholder: %r" % (source, translation) for translation in translations
                   if sorted(re.findall(r"%[\dn]", source)) != sorted(re.findall(r"%[\dn]", translation))]
        translation = translations[0]
        if (access_key(source) is None) != (access_key(translation) is None) or translation.count("&") > 1:
            faults.append("%r needs exactly the English's access keys: %r" % (source, translation))
        if key_breaks_joining(translation):
            faults.append("%r puts its access key on a joined Arabic letter: %r" % (source, translation))
        if access_key(translation) and access_key(translation) == FORBIDDEN_KEYS.get((context, source)):
            faults.append("%r takes the access key %r, which the English gives another control: %r"
                          % (source, access_key(translation), translation))
        if context == "Layout" and access_key(translation):
            keys.setdefault(access_key(translation), []).append(translation)
    faults += ["access key %r is shared by %r" % (k, v) for k, v in sorted(keys.items()) if len(v) > 1]
    return faults


def installed_characters():
    """The characters some installed font has, as sorted, merged ranges: what Qt
    can fall back to through fontconfig when the program's own fonts lack one."""
    listed = subprocess.run(["fc-list", "--format", "%{charset}\n"], capture_output=True, text=True, check=True)
    ranges = sorted((int(lo, 16), int(hi or lo, 16)) for part in listed.stdout.split()
                    for lo, _, hi in [part.partition("-")])
    merged = []
    for lo, hi in ranges:
        if merged and lo <= merged[-1][1] + 1:
            merged[-1][1] = max(merged[-1][1], hi)
        else:
            merged.append([lo, hi])
    return merged


def without_glyph(path, fonts):
    """The characters of a translation that no installed font draws (format
    characters, such as a bidi mark, draw nothing and need none)."""
    starts = [lo for lo, _ in fonts]
    missing = set()
    for (translations, _) in messages(path).values():
        for c in "".join(translations):
            i = bisect.bisect_right(starts, ord(c)) - 1
            if unicodedata.category(c) not in ("Cc", "Cf") and (i < 0 or ord(c) > fonts[i][1]):
                missing.add(c)
    return ["no installed font has %r (U+%04X)" % (c, ord(c)) for c in sorted(missing)]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--source", required=True)
    parser.add_argument("--lupdate", required=True)
    args = parser.parse_args()
    files = sorted(glob.glob(os.path.join(args.source, "translations", "numora_*.ts")))
    if not files:
        sys.exit("FAIL: no translations under %s/translations" % args.source)
    texts = current_texts(args.lupdate, args.source)
    # English's own plural forms: only the texts with a count.
    plurals = (os.path.join(args.source, "translations", "plurals_en.ts"),
               current_texts(args.lupdate, args.source, "-pluralonly"))
    failed = False
    fonts = installed_characters()
    for path, wanted in [(path, texts) for path in files] + [plurals]:
        for fault in faults_of(path, wanted) + without_glyph(path, fonts):
            print("FAIL %s: %s" % (os.path.basename(path), fault))
            failed = True
    print("%d translations of %d texts and English's %d plurals checked" % (len(files), len(texts), len(plurals[1])))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()

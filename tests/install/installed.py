"""Checks shared by the install tests: the files an installed tree must hold, and a run
of its bin/numora under Xvfb (tests/e2e/harness.py) that must show the real pictures.

Standard library only.
"""

import argparse
import configparser
import os
import struct
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))

import harness  # noqa: E402
from harness import Failure, check  # noqa: E402

APP_ID = "com.korvellan.Numora"
PICTURES = harness.NUMBER_PICTURES
ICON_SIZES = (16, 32, 48, 64, 128)


# -- files -------------------------------------------------------------------------

def shipped_pictures(source):
    """Every picture of the source's numpic/: the ones the program names and any
    companions beside them."""
    names = sorted(n for n in os.listdir(os.path.join(source, "numpic")) if n.endswith((".bmp", ".png")))
    check(set(PICTURES) <= set(names), "the source lacks pictures: %r" % sorted(set(PICTURES) - set(names)))
    return names


def expected_files(source):
    """Every file an install holds, relative to its prefix; bin/numora is a link."""
    return sorted(
        ["bin/numora", "libexec/numora/numora"]
        + ["libexec/numora/numpic/" + p for p in shipped_pictures(source)]
        + ["share/applications/%s.desktop" % APP_ID, "share/metainfo/%s.metainfo.xml" % APP_ID]
        + ["share/icons/hicolor/%dx%d/apps/%s.png" % (n, n, APP_ID) for n in ICON_SIZES]
        + ["share/doc/numora/copyright", "share/doc/numora/changelog.gz", "share/man/man6/numora.6.gz"]
        + ["share/lintian/overrides/numora"])


def files_under(root):
    """Paths of the files and links under root, relative to it, sorted."""
    found = []
    for folder, dirs, files in os.walk(root):
        for name in files + [d for d in dirs if os.path.islink(os.path.join(folder, d))]:
            found.append(os.path.relpath(os.path.join(folder, name), root))
    return sorted(found)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    check(head[:8] == b"\x89PNG\r\n\x1a\n" and head[12:16] == b"IHDR", "%s is not a PNG file" % path)
    return struct.unpack(">II", head[16:24])


def check_layout(prefix, source):
    """The installed tree under `prefix` holds exactly the expected files, its bin/numora
    is a relative link to the real executable, the pictures are the shipped ones and each
    icon has the size of its folder."""
    found = files_under(prefix)
    expected = expected_files(source)
    missing = sorted(set(expected) - set(found))
    extra = sorted(set(found) - set(expected))
    check(not missing and not extra, "installed tree under %s: missing %r, unexpected %r"
          % (prefix, missing, extra))

    link = os.path.join(prefix, "bin/numora")
    check(os.path.islink(link), "bin/numora is not a link")
    target = os.readlink(link)
    check(not os.path.isabs(target), "bin/numora points to the absolute path %s" % target)
    check(os.path.realpath(link) == os.path.realpath(os.path.join(prefix, "libexec/numora/numora")),
          "bin/numora points to %s" % target)
    check(os.access(os.path.join(prefix, "libexec/numora/numora"), os.X_OK), "the executable is not executable")

    for p in shipped_pictures(source):
        with open(os.path.join(prefix, "libexec/numora/numpic", p), "rb") as a, \
                open(os.path.join(source, "numpic", p), "rb") as b:
            check(a.read() == b.read(), "installed %s differs from the shipped one" % p)
    for n in ICON_SIZES:
        size = png_size(os.path.join(prefix, "share/icons/hicolor/%dx%d/apps/%s.png" % (n, n, APP_ID)))
        check(size == (n, n), "the %dx%d icon is %dx%d" % (n, n, size[0], size[1]))

    # The program names its desktop file to the desktop (setDesktopFileName); the name
    # is stored in the executable as UTF-16.
    with open(os.path.join(prefix, "libexec/numora/numora"), "rb") as f:
        check(APP_ID.encode("utf-16-le") in f.read(), "the executable does not name %s" % APP_ID)


def desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str  # keys are case-sensitive
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"]


# -- the installed program ------------------------------------------------------------

def run_installed(prefix, source, artifacts, name):
    """Starts the bin/numora installed under `prefix` online, starts a game with Alt+S and checks that every
    grid cell shows one of the shipped pictures (a missing file shows the number as text
    and raises a message box instead); then ends it with Alt+E."""
    pictures = harness.number_pictures(os.path.join(source, "numpic"))
    desktop = desktop_entry(os.path.join(prefix, "share/applications", APP_ID + ".desktop"))
    with harness.Session(os.path.join(prefix, "bin/numora"), artifacts, name) as session:
        try:
            session.start(online=True)
            window = session.wait_window(harness.MAIN, harness.FIRST_WINDOW)
            bar = harness.menu_bar_height(session, window, harness.MAIN_CLIENT[1])

            # X11 desktops tie a window to its launcher by the window's class.
            out = session._x("xprop", "-id", str(window), "WM_CLASS").stdout.decode()
            classes = [c.strip().strip('"') for c in out.partition("=")[2].split(",")]
            check(classes[-1:] == [desktop["StartupWMClass"]],
                  "window class %r, the launcher expects %r" % (classes, desktop["StartupWMClass"]))

            session.wait_painted(window)
            before = session.toplevels()
            session.key(window, "alt+s")
            deadline = time.monotonic() + harness.STEP
            while True:
                img = session.grab(window)
                shown = harness.cell_pictures(img, bar, pictures)
                if None not in shown:
                    break
                if time.monotonic() > deadline:
                    session.save(img, "grid")
                    raise Failure("grid cells without a shipped picture: %r (cells in order: %r)\n%s"
                                  % ([i for i, s in enumerate(shown) if s is None], shown,
                                     session.program_output()))
                time.sleep(harness.POLL)
            session.save(img, "grid")
            others = session.toplevels() - before
            check(not others, "windows opened beside the main window: %r" % [
                session._x("xdotool", "getwindowname", str(w)).stdout.decode().strip() for w in others])
            harness.exit_main(session, window)
        except Failure:
            session.screenshot_root("at-failure")
            raise


def main(test, add_arguments):
    """Entry point of a test script: test(args) raises Failure on a fault."""
    parser = argparse.ArgumentParser()
    add_arguments(parser)
    args = parser.parse_args()
    harness.report(os.path.splitext(os.path.basename(sys.argv[0]))[0], lambda: test(args))


def run(cmd, **kwargs):
    """Runs cmd, failing with its output when it fails; returns its standard output."""
    r = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, **kwargs)
    out = r.stdout.decode(errors="replace")
    check(r.returncode == 0, "%s failed (status %d):\n%s" % (" ".join(cmd), r.returncode, out[-4000:]))
    return out

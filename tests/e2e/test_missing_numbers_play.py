#!/usr/bin/env python3
"""A missing-numbers game in the real program: Alt+S starts it, the caption counts
down, the grid shows seven digits and two placeholders, five picks of 0 from the
main keyboard lock the player out (light orange), and the next deal restores the
button face."""

import os

import harness
from harness import MAIN, MAIN_CLIENT, FIRST_WINDOW, check

NUMPIC = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "numpic")
ORANGE = (255, 224, 192)
LEVEL_PERIOD = 11.0  # level 1


def wait_title(session, wid, title, timeout):
    now = lambda: session._x("xdotool", "getwindowname", str(wid)).stdout.decode().strip()
    harness.wait_for(lambda: "the caption %r; it reads %r" % (title, now()), lambda: now() == title, timeout)


def wait_pixel(session, wid, at, want, timeout, invert=False):
    def shown():
        img = session.grab(wid)
        return img if (img.pixel(*at) == want) != invert else None
    return harness.wait_for(lambda: "a background %s %r at %r; it is %r" % ("other than" if invert else "of", want, at,
                                                                              session.grab(wid).pixel(*at)), shown, timeout)


def test(session):
    session.start(online=True)
    main = session.wait_window(MAIN, FIRST_WINDOW)
    bar = harness.menu_bar_height(session, main, MAIN_CLIENT[1])
    free = (3, bar + 150)  # bare background: left of the grid
    face = session.wait_painted(main).pixel(*free)

    session.key(main, "alt+s")
    wait_title(session, main, "KORVELLAN - Refreshing in - 10", 5.0)
    img = session.grab(main)
    session.save(img, "mid-puzzle")
    shown = harness.cell_pictures(img, bar, harness.number_pictures(NUMPIC))
    check(None not in shown, "a grid cell shows none of the number pictures: %r" % shown)
    check(shown.count("pnoGus.bmp") == 2, "expected two placeholders, the grid shows %r" % shown)

    # Five picks of 0: the fifth locks out. The focus is on the grid since Start.
    session.key(main, *["0"] * 5)
    img = wait_pixel(session, main, free, ORANGE, harness.STEP)
    session.save(img, "locked-out")
    # The next deal brings the button face back.
    img = wait_pixel(session, main, free, face, LEVEL_PERIOD + harness.STEP)
    session.save(img, "next-deal")
    harness.exit_main(session, main)


if __name__ == "__main__":
    harness.run(test)

#!/usr/bin/env python3
"""A multiplication puzzle in the real program: File -> "Multiplication Game -1",
Alt+S, the caption counts down; the factors are read from the screen by comparing
each cell with the pictures in numpic/, the four products are typed a second apart
so that the highlight moves on, and the window turns light green."""

import time

import harness
from harness import MULT, MAIN, MULT_CLIENT, FIRST_WINDOW, check
from test_missing_numbers_play import NUMPIC, wait_title, wait_pixel

CELLS = [(285, 1545), (975, 1545), (285, 2325), (975, 2325)]  # twips
PRODUCT_CELLS = [(1860, 1725), (1860, 2445), (1035, 3285), (345, 3270)]
GREEN = (192, 255, 192)


def test(session):
    session.start(online=True)
    main = session.wait_window(MAIN, FIRST_WINDOW)
    mult = harness.open_multiplication(session, main)
    bar = harness.menu_bar_height(session, mult, MULT_CLIENT[1])
    free = (3, bar + 150)
    session.wait_painted(mult)

    session.key(mult, "alt+s")
    wait_title(session, mult, "KORVELLAN - Refreshing in - 17", 5.0)
    img = session.grab(mult)
    known = {k: v for k, v in harness.number_pictures(NUMPIC).items() if k != "pnoGus.bmp"}
    shown = harness.cell_pictures(img, bar, known, CELLS)
    check(None not in shown, "a factor cell shows none of the number pictures: %r" % shown)
    f = [int(name[3]) for name in shown]
    products = [f[0] * f[1], f[2] * f[3], f[1] * f[3], f[0] * f[2]]

    face = img.pixel(*free)
    for i, p in enumerate(products):
        typed = time.monotonic()
        session.key(mult, *list(str(p)))
        if i == 0:
            session.save(session.grab(mult), "first-product-typed")
        if i < 3:
            # A found cell stays light green until the next 800 ms highlight tick
            # settles it and moves the highlight on; only then is the next product
            # compared with the next cell. Under load a tick can come late, so wait
            # for the settled cell rather than for a fixed time.
            cell = (PRODUCT_CELLS[i][0] // 15 + 3, PRODUCT_CELLS[i][1] // 15 + bar + 3)
            deadline = typed + harness.STEP
            while time.monotonic() - typed < 1.0 or session.grab(mult).pixel(*cell) != face:
                check(time.monotonic() < deadline, "product cell %d never settled" % i)
                time.sleep(harness.POLL)
    img = wait_pixel(session, mult, free, GREEN, harness.STEP)
    session.save(img, "completed")
    harness.exit_multiplication(session, mult)


if __name__ == "__main__":
    harness.run(test)

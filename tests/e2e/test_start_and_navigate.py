#!/usr/bin/env python3
"""Start-up with a connection, File -> "Multiplication Game -1", back with "&Exit ",
and the main window's "&Exit " ending the program with status 0."""

import os

import harness
from harness import MAIN, MULT, MAIN_CLIENT, MULT_CLIENT, SCREEN_W, SCREEN_H, check, FIRST_WINDOW

ICONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "forms", "icons")
CENTRE_SLACK = 3  # pixels of rounding either way

WHITE = (255, 255, 255)
PAD_RED = (255, 192, 192)
CELL = (525, 585)  # twips

# Left and top in twips of the picture cells, of the pad's frame and of the pad keys
# inside the frame (main: "1".."9"; multiplication: "0".."9").
MAIN_CELLS = harness.MAIN_CELLS
MAIN_FRAME = (2940, 1515)
KEYS_1_TO_9 = [(45, 150), (465, 150), (885, 150), (45, 645), (465, 630), (885, 630),
               (45, 1140), (465, 1125), (885, 1125)]
MULT_CELLS = [(285, 1545), (975, 1545), (285, 2325), (975, 2325)]
MULT_FRAME = (2805, 1830)
MULT_KEYS = [(465, 1620)] + KEYS_1_TO_9


def check_window(session, wid, title, client, bar=None):
    """Client width, client height under a plausible menu bar, centred on the screen.
    Returns the menu bar's height."""
    x, y, w, h = session.geometry(wid)
    check(w == client[0], "%r is %d pixels wide, expected %d" % (title, w, client[0]))
    menu = h - client[1]
    check(11 <= menu <= 31,
          "%r is %d pixels high: that leaves %d for the menu bar above a %d-pixel client area"
          % (title, h, menu, client[1]))
    if bar is not None:
        check(menu == bar, "%r has a %d-pixel menu bar, the main window %d" % (title, menu, bar))
    cx, cy = (SCREEN_W - w) // 2, (SCREEN_H - h - harness.FRAME_ABOVE) // 2 + harness.FRAME_ABOVE
    check(abs(x - cx) <= CENTRE_SLACK and abs(y - cy) <= CENTRE_SLACK,
          "%r is at %d,%d; centred would be %d,%d" % (title, x, y, cx, cy))
    return menu


def check_drawn(session, wid, title, bar, cells, frame, keys, icon, name):
    """The white cells and the light red pad keys lie where the layout puts them, in
    pixels of 15 twips, right under the menu bar: a shifted client area, a scaled
    layout or pad keys placed outside their frame all show here. The window carries
    its own icon, pixel for pixel."""
    img = session.wait_painted(wid)
    session.save(img, name)
    for i, (left, top) in enumerate(cells):
        x, y = (left + CELL[0] // 2) // 15, (top + CELL[1] // 2) // 15 + bar
        check(img.pixel(x, y) == WHITE, "%r: cell %d is %r at its centre %d,%d, expected white"
              % (title, i, img.pixel(x, y), x, y))
    for i, (left, top) in enumerate(keys):
        # Just inside the key's corner: clear of its border and of its centred digit.
        x, y = (frame[0] + left) // 15 + 3, (frame[1] + top) // 15 + 3 + bar
        check(img.pixel(x, y) == PAD_RED, "%r: pad key %d is %r at %d,%d, expected light red"
              % (title, i, img.pixel(x, y), x, y))
    shown = session.window_icon(wid)
    want = harness.load_picture(os.path.join(ICONS, icon))
    check((shown.width, shown.height) == (want.width, want.height),
          "%r has a %dx%d icon, expected %dx%d" % (title, shown.width, shown.height, want.width, want.height))
    check(shown.data == want.data, "%r does not show %s as its icon" % (title, icon))


def test(session):
    session.start(online=True)
    main = session.wait_window(MAIN, FIRST_WINDOW)
    check(not session.windows(MULT), "the multiplication window is shown at start-up")
    bar = check_window(session, main, MAIN, MAIN_CLIENT)
    check_drawn(session, main, MAIN, bar, MAIN_CELLS, MAIN_FRAME, KEYS_1_TO_9, "main.png", "main")

    mult = harness.open_multiplication(session, main)
    check_window(session, mult, MULT, MULT_CLIENT, bar)
    check_drawn(session, mult, MULT, bar, MULT_CELLS, MULT_FRAME, MULT_KEYS, "topic.png", "multiplication")

    # Back through a fresh load: centred again, same size.
    main = harness.exit_multiplication(session, mult)
    check_window(session, main, MAIN, MAIN_CLIENT, bar)
    session.save(session.wait_painted(main), "main-again")

    harness.exit_main(session, main)
    check(not session.windows(MAIN) and not session.windows(MULT), "a window is left after the end")


if __name__ == "__main__":
    harness.run(test)

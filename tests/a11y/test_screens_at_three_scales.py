#!/usr/bin/env python3
"""Both game windows at QT_SCALE_FACTOR 1, 1.5 and 2 under Xvfb.

At each scale: the window is its designed size times the scale, its cells and pad keys
lie where the layout puts them times the scale, and a game is started so that the
cells show their pictures. At 1 each cell is one of the .bmp pictures pixel for pixel,
at 2 one of the @2x companions pixel for pixel (the pictures stay sharp instead of
being blown up); at 1.5 the companions are drawn smoothed, so only the ink is checked.
Screenshots of every window at every scale are kept for a person to look at; whether
each caption fits its control is measured at the same scales by the widget tests
(a11y_widgets_at_scale_*), which know the texts and the controls' rectangles.
"""

import glob
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

import harness  # noqa: E402
from harness import MAIN, MULT, MAIN_CLIENT, MULT_CLIENT, check  # noqa: E402
from test_start_and_navigate import (  # noqa: E402
    CELL, KEYS_1_TO_9, MAIN_CELLS, MAIN_FRAME, MULT_CELLS, MULT_FRAME, MULT_KEYS, PAD_RED, WHITE)

PICTURES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "numpic")


def block(img, x, y, w, h):
    return b"".join(img.data[3 * ((y + row) * img.width + x):3 * ((y + row) * img.width + x + w)] for row in range(h))


def pictures(pattern):
    """{file name: pixels} of the pictures matching `pattern`."""
    found = {os.path.basename(p): harness.load_picture(p) for p in glob.glob(os.path.join(PICTURES, pattern))}
    check(len(found) == 10, "expected 10 pictures %s in %s, found %d" % (pattern, PICTURES, len(found)))
    return found


class Scaled:
    def __init__(self, session, wid, title, client, scale):
        self.session, self.wid, self.title, self.scale = session, wid, title, scale
        x, y, w, h = session.geometry(wid)
        check(abs(w - client[0] * scale) <= 1, "%r at scale %s is %d pixels wide, expected %g"
              % (title, scale, w, client[0] * scale))
        self.bar = h - round(client[1] * scale)
        check(11 * scale <= self.bar <= 31 * scale, "%r at scale %s is %d pixels high: that leaves %d for the "
              "menu bar" % (title, scale, h, self.bar))

    def at(self, left, top):
        """Device pixel of a point given in logical pixels of the client area."""
        return int(left * self.scale), int(top * self.scale) + self.bar

    def check_layout(self, img, cells, frame, keys):
        for i, (left, top) in enumerate(cells):
            x, y = self.at(left // 15 + CELL[0] // 30, top // 15 + CELL[1] // 30)
            check(img.pixel(x, y) == WHITE, "%r at scale %s: cell %d is %r at its centre %d,%d"
                  % (self.title, self.scale, i, img.pixel(x, y), x, y))
        for i, (left, top) in enumerate(keys):
            x, y = self.at((frame[0] + left) // 15 + 3, (frame[1] + top) // 15 + 3)
            check(img.pixel(x, y) == PAD_RED, "%r at scale %s: pad key %d is %r at %d,%d"
                  % (self.title, self.scale, i, img.pixel(x, y), x, y))

    def cell(self, img, left, top, inset=0):
        """The pixels of the cell whose corner is at (left, top) twips."""
        x, y = self.at(left // 15, top // 15)
        w, h = round(35 * self.scale), round(39 * self.scale)
        return block(img, x + inset, y + inset, w - 2 * inset, h - 2 * inset), (x, y, w, h)

    def check_pictures(self, img, cells, digits):
        """Every cell shows a whole picture: the very file at 1 and 2; at 1.5, where the
        companions are smoothed, `digits` cells show navy ink."""
        exact = {1: pictures("pno*.bmp"), 2: pictures("pno*@2x.png")}.get(self.scale)
        inked = 0
        for i, (left, top) in enumerate(cells):
            shown, (x, y, w, h) = self.cell(img, left, top)
            if exact is None:
                inner, _ = self.cell(img, left, top, inset=2)
                inked += any(inner[k + 2] >= 100 and inner[k] <= 90 and inner[k + 1] <= 90
                             for k in range(0, len(inner), 3))
                continue
            same = [name for name, pic in exact.items() if (pic.width, pic.height) == (w, h) and pic.data == shown]
            check(len(same) == 1, "%r at scale %s: cell %d at %d,%d is none of the %s pictures"
                  % (self.title, self.scale, i, x, y, "@2x" if self.scale == 2 else ".bmp"))
        if exact is None:
            check(inked >= digits, "%r at scale %s: %d cells show a digit, expected %d"
                  % (self.title, self.scale, inked, digits))

    def shoot(self, name):
        img = self.session.wait_painted(self.wid)
        self.session.save(img, "%s-x%s" % (name, self.scale))
        return img


def one_scale(session, scale):
    session.env["QT_SCALE_FACTOR"] = str(scale)
    session.start(online=True)
    main = Scaled(session, session.wait_window(MAIN, harness.FIRST_WINDOW), MAIN, MAIN_CLIENT, scale)
    main.check_layout(main.shoot("main"), MAIN_CELLS, MAIN_FRAME, KEYS_1_TO_9)
    session.key(main.wid, "alt+s")
    img = wait_cells_drawn(session, main, MAIN_CELLS)
    main.check_pictures(img, MAIN_CELLS, digits=7)
    session.save(img, "main-playing-x%s" % scale)

    harness.choose_first_file_item(session, main.wid, main.bar)
    mult = Scaled(session, session.wait_window(MULT), MULT, MULT_CLIENT, scale)
    session.wait_gone(MAIN)
    mult.check_layout(mult.shoot("multiplication"), MULT_CELLS, MULT_FRAME, MULT_KEYS)
    session.key(mult.wid, "alt+s")
    img = wait_cells_drawn(session, mult, MULT_CELLS)
    mult.check_pictures(img, MULT_CELLS, digits=4)
    session.save(img, "multiplication-playing-x%s" % scale)

    harness.exit_main(session, harness.exit_multiplication(session, mult.wid))


def wait_cells_drawn(session, window, cells):
    """A screenshot once no cell is blank white any more."""
    def blank(img):
        return any(set(window.cell(img, left, top, inset=2)[0]) <= {255} for left, top in cells)
    def drawn():
        img = session.grab(window.wid)
        return None if blank(img) else img
    return harness.wait_for("%r at scale %s: the cells drawn" % (window.title, window.scale), drawn)


def test(session):
    for scale in (1, 1.5, 2):
        one_scale(session, scale)


if __name__ == "__main__":
    harness.run(test)

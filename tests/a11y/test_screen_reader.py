#!/usr/bin/env python3
"""A screen reader's user plays both games through the accessibility tree (AT-SPI)
and the keyboard, never by a click or by looking at the screen.

Missing numbers: start, read the seven visible digits and the six sums, work out the
two hidden numbers, pick one with the keyboard and the other with the number pad's
press action; the window turns light green. Multiplication (File menu through the
tree): read the four factors, type the four products, each once the highlight has
come to its cell; the window turns light green. Then leave both windows with the
keyboard, and the program ends cleanly.
"""

import atspi
import harness
import players
from atspi import do
from harness import MAIN


def test(session):
    def pick(window, wid, i, n):
        # The first by the keyboard (the focus is on a cell since Start), the other
        # by the number pad's press action.
        if i == 0:
            session.key(wid, str(n))
        else:
            do(players.pad_key(window, n), "Press")

    with atspi.Stack(session):
        session.start(online=True)
        session.wait_window(MAIN, harness.FIRST_WINDOW)
        app = atspi.application("numora")
        players.solve_missing_numbers(session, app, pick)
        game = players.Multiplication(session, app)
        game.start()
        game.solve(lambda wid, digits: session.key(wid, *digits))
        main = harness.exit_multiplication(session, game.wid)
        harness.exit_main(session, main)


if __name__ == "__main__":
    harness.run(test)

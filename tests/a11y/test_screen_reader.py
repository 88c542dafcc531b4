#!/usr/bin/env python3
"""A screen reader's user plays both games through the accessibility tree (AT-SPI)
and the keyboard, never by a click or by looking at the screen.

Missing numbers: start, read the seven visible digits and the six sums, work out the
two hidden numbers, pick one with the keyboard and the other with the number pad's
press action; the window turns light green. Multiplication (File menu through the
tree): read the four factors, type the four products, each once the highlight has
come to its cell; the window turns light green. Then the connection goes, and Exit
is pressed through the tree: the main window's load step finds no connection and
says so in a message box; a second press of Exit behind that box does nothing, and
once the box is closed the program ends cleanly (it used to die there).
"""

import time

import atspi
import harness
import players
from atspi import do, named
from harness import MAIN, check


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

        session.go_offline()
        exit_button = named(game.window, players.words.shown("&Exit "), "push button")
        do(exit_button, "Press")
        session.wait_window(players.words("KORVELLAN : Internet Required."))
        do(exit_button, "Press")
        box = atspi.frame(app, players.words("KORVELLAN : Internet Required."), kind="alert")
        time.sleep(1)  # time for a second close to do harm
        check(session.proc.poll() is None, "the program died behind the box\n" + session.program_output())
        do(named(box, "OK", "push button"), "Press")
        rc = session.wait_exit()
        check(rc == 0, "the program ended with status %d\n%s" % (rc, session.program_output()))


if __name__ == "__main__":
    harness.run(test)

#!/usr/bin/env python3
"""A screen reader's user plays both games through the accessibility tree (AT-SPI)
and the keyboard, never by a click or by looking at the screen.

First the update check, against a web host that never answers.

Missing numbers: start, read the seven visible digits and the six sums, work out the
two hidden numbers, pick one with the keyboard and the other with the number pad's
press action; the window turns light green. Multiplication (File menu through the
tree): read the four factors, type the four products, each once the highlight has
come to its cell; the window turns light green. Then the connection goes and Exit is
pressed through the tree twice, the second time behind the main window's "Internet
Required" box (the program used to die there); once the box is closed it ends cleanly.
"""

import os
import time

import atspi
import harness
import players
from atspi import do, named
from harness import MAIN, check


SILENT_SERVER = "192.0.2.2"  # the program's own address in its namespace


def silent_update_check(session, app):
    """The update check against a web host that never answers: until the connect
    time-out (10 s) every probe of the tree is answered within a second and a click on
    Start does nothing; then the check ends without a word."""
    session.silent_server(SILENT_SERVER, 443, 40)
    wid, main = session.wait_window(MAIN), atspi.frame(app, MAIN)
    do(named(main, players.words("Check for updates..."), "menu item"), "Press")
    session.click(wid, 60, harness.menu_bar_height(session, wid, harness.MAIN_CLIENT[1]) + 20)  # on Start
    slowest = 0.0
    for _ in range(12):
        asked = time.monotonic()
        check(main.name == MAIN, "a click on Start during the check started a game: %r" % main.name)
        slowest = max(slowest, time.monotonic() - asked)
        time.sleep(1)
    print("update check against a silent server: the slowest probe took %.2f s" % slowest)
    check(slowest < 1, "the window answered the accessibility bus after %.1f s during the check" % slowest)
    windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
    check(all(atspi.role(w) != "alert" for w in windows), "the check ended with a message")


def test(session):
    def pick(window, wid, i, n):
        # The first by the keyboard (the focus is on a cell since Start), the other
        # by the number pad's press action.
        if i == 0:
            session.key(wid, str(n))
        else:
            do(players.pad_key(window, n), "Press")

    with atspi.Stack(session):
        session.start(online=True, hosts={os.environ.get("NUMORA_WEB_HOST", "www.korvellan.example"): SILENT_SERVER})
        session.wait_window(MAIN, harness.FIRST_WINDOW)
        app = atspi.application("numora")
        silent_update_check(session, app)
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

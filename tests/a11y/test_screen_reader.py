#!/usr/bin/env python3
"""A screen reader's user plays both games through the accessibility tree (AT-SPI)
and the keyboard, never by a click or by looking at the screen.

First the update check, against a web server that accepts the connection and never
says a word: until the download's connect time-out the window answers the
accessibility bus within a second at every probe and a click on Start does nothing;
then the check ends without a word, as a failed download does.

Missing numbers: start, read the seven visible digits and the six sums, work out the
two hidden numbers, pick one with the keyboard and the other with the number pad's
press action; the window turns light green. Multiplication (File menu through the
tree): read the four factors, type the four products, each once the highlight has
come to its cell; the window turns light green. Then the connection goes, and Exit
is pressed through the tree: the main window's load step finds no connection and
says so in a message box; a second press of Exit behind that box does nothing, and
once the box is closed the program ends cleanly (it used to die there).
"""

import os
import time

import atspi
import harness
import players
from atspi import do, named
from harness import MAIN, check


SILENT_SERVER = "192.0.2.2"  # the program's own address in its namespace
CHECK_SECONDS = 12           # the download's connect time-out is 10 s


def silent_update_check(session, app):
    session.silent_server(SILENT_SERVER, 443, 3 * CHECK_SECONDS)
    wid = session.wait_window(MAIN)
    main = atspi.frame(app, MAIN)
    do(named(main, players.words("Check for updates..."), "menu item"), "Press")
    began, slowest, clicked = time.monotonic(), 0.0, False
    while time.monotonic() - began < CHECK_SECONDS:
        asked = time.monotonic()
        title = main.name
        slowest = max(slowest, time.monotonic() - asked)
        if not clicked and time.monotonic() - began > 2:
            bar = harness.menu_bar_height(session, wid, harness.MAIN_CLIENT[1])
            session.click(wid, 60, bar + 20)  # on Start
            clicked = True
        elif clicked:
            check(title == MAIN, "a click on Start during the check started a game: %r" % title)
        time.sleep(1)
    print("update check against a silent server: the slowest probe took %.2f s" % slowest)
    check(slowest < 1, "the window answered the accessibility bus after %.1f s during the check" % slowest)
    boxes = [app.getChildAtIndex(i).name for i in range(app.childCount) if atspi.role(app.getChildAtIndex(i)) != "frame"]
    check(not boxes, "the check ended with a message: %r" % boxes)


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

#!/usr/bin/env python3
"""On a French (AZERTY) keyboard the main-row keys count as their digits without
Shift: the key labelled "7 è" sends the symbol egrave, and the game takes it as a 7.

Under Xvfb with `setxkbmap fr`, xdotool types the symbols of the unshifted main row.
The multiplication window shows a typed entry as it is, so "è" must read "7" there;
then a missing-numbers puzzle and a multiplication puzzle are solved with nothing but
those keys, the numbers read from the accessibility tree.
"""

import subprocess

import atspi
import harness
import players
from atspi import wait_for
from harness import MAIN, check

# The unshifted main row of the French layout, 0 to 9.
AZERTY = ("agrave", "ampersand", "eacute", "quotedbl", "apostrophe", "parenleft", "minus", "egrave",
          "underscore", "ccedilla")


def french(session, wid, digits):
    session.key(wid, *[AZERTY[int(d)] for d in digits])


def xkb(session, *args):
    return subprocess.run(["setxkbmap", "-display", session.display] + list(args), env=session.xenv,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=10)


def test(session):
    r = xkb(session, "fr")
    check(r.returncode == 0, "setxkbmap fr failed: %s" % r.stderr.decode())
    query = xkb(session, "-query").stdout.decode()
    check("layout:     fr" in query, "the layout is not French:\n" + query)

    with atspi.Stack(session):
        session.start(online=True)
        session.wait_window(MAIN, harness.FIRST_WINDOW)
        app = atspi.application("numora")
        players.solve_missing_numbers(session, app, lambda window, wid, i, n: french(session, wid, str(n)))

        game = players.Multiplication(session, app)
        game.start()
        session.key(game.wid, "egrave")
        wait_for(lambda: "the answer to read 7 after è (it reads %r)" % game.answer.name,
                 lambda: game.answer.name == "7", timeout=players.QUICK)
        game.solve(lambda wid, digits: french(session, wid, digits))
        main = harness.exit_multiplication(session, game.wid)
        harness.exit_main(session, main)


if __name__ == "__main__":
    harness.run(test)

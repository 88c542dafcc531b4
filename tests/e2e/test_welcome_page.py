#!/usr/bin/env python3
"""The welcome page opens once per run, not again when the main window is loaded
afresh, the donation button opens the payment page, and File -> "Check for
updates..." asks the maker's server (a local HTTPS server the program alone trusts)
and says what its answer means."""

import os
import time

import harness
from harness import MAIN, MAIN_CLIENT, WEB_HOST, check, wait_for, FIRST_WINDOW

WELCOME = "/_private/numora.htm"
DONATION = "/KORVELLAN"
# "I would like to pay." is 1980, 4125, 2325, 330 twips: aim inside its left part.
PAY_BUTTON = (1980 // 15 + 60, 4125 // 15 + 10)
QUIET = 1.5  # seconds in which a second welcome page would have shown up
UPDATE_FILE = "cgi-bin/games_korvellan/updates/chkupdate_Numora.txt"
# The server's answers (this is version 2.1.2) and the title of the box each ends in:
# a newer version, this one, and a file without a line, which is the server's fault.
NEWER, SAME, NO_LINE = "213\n", "212\r\n", ""
ANSWERS = [(NEWER, MAIN), (SAME, "KORVELLAN : Update"), (NO_LINE, MAIN)]


def check_for_updates(session, main, bar, path, answer, title):
    """Chooses the item (the middle one of three) with `answer` being served; returns
    the width of the box that answers, once Return has closed it."""
    with open(path, "w") as f:
        f.write(answer)
    harness.choose_file_item(session, main, bar, lambda menu_height: menu_height // 2)
    box = wait_for("a box titled %r for the answer %r" % (title, answer),
                   lambda: set(session.windows(title)) - {main})
    check(len(box) == 1, "%d boxes for the answer %r" % (len(box), answer))
    box = box.pop()
    width = session.geometry(box)[2]
    session.save(session.wait_painted(box), "update-%s" % (answer.strip() or "no-line"))
    session.key(box, "Return")
    wait_for("the box for the answer %r to close" % answer, lambda: box not in session.windows(title))
    return width


def test(session):
    session.start(online=True, hosts={WEB_HOST: "127.0.0.1"}, trusted=session.web_certificate())
    main = session.wait_window(MAIN, FIRST_WINDOW)
    urls = session.wait_urls(1)
    check(len(urls) == 1 and urls[0].endswith(WELCOME),
          "expected the welcome page once at start-up, got %r" % urls)

    mult = harness.open_multiplication(session, main)
    main = harness.exit_multiplication(session, mult)
    time.sleep(QUIET)
    check(session.opened_urls() == urls, "the welcome page opened again: %r" % session.opened_urls())

    bar = harness.menu_bar_height(session, main, MAIN_CLIENT[1])
    session.wait_painted(main)
    session.click(main, PAY_BUTTON[0], PAY_BUTTON[1] + bar)
    urls = session.wait_urls(2)
    check(len(urls) == 2 and urls[1].endswith(DONATION),
          "expected the donation page after the welcome page, got %r" % urls)
    check(all(u.startswith("https://") for u in urls), "an address is not HTTPS: %r" % urls)

    root = os.path.join(session.tmp, "web")
    os.makedirs(os.path.dirname(os.path.join(root, UPDATE_FILE)))
    session.https_server(root, "127.0.0.1")
    widths = {answer: check_for_updates(session, main, bar, os.path.join(root, UPDATE_FILE), answer, title)
              for answer, title in ANSWERS}
    # Both answers titled as the main window: the longer text shows they differ.
    check(widths[NEWER] > widths[NO_LINE], "the boxes for a newer version and for a file without a line "
          "are alike (%d and %d pixels wide)" % (widths[NEWER], widths[NO_LINE]))

    harness.exit_main(session, main)


if __name__ == "__main__":
    harness.run(test)

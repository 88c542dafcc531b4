#!/usr/bin/env python3
"""The welcome page opens once per run, not again when the main window is loaded
afresh, and the donation button opens the payment page."""

import time

import harness
from harness import MAIN, MAIN_CLIENT, check, FIRST_WINDOW

WELCOME = "/_private/numora.htm"
DONATION = "/KORVELLAN"
# "I would like to pay." is 1980, 4125, 2325, 330 twips: aim inside its left part.
PAY_BUTTON = (1980 // 15 + 60, 4125 // 15 + 10)
QUIET = 1.5  # seconds in which a second welcome page would have shown up


def test(session):
    session.start(online=True)
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

    harness.exit_main(session, main)


if __name__ == "__main__":
    harness.run(test)

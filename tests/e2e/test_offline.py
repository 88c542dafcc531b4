#!/usr/bin/env python3
"""Start-up without a connection: the one message, no main window, and after OK the
program ends with status 0, leaving no window and having opened no address."""

import time

import harness
from harness import MAIN, MULT, NO_INTERNET, check, FIRST_WINDOW


def test(session):
    session.start(online=False)
    box = session.wait_window(NO_INTERNET, FIRST_WINDOW)
    check(not session.windows(MAIN), "the main window is shown without a connection")
    session.save(session.wait_painted(box), "no-internet")

    session.key(box, "Return")
    rc = session.wait_exit()
    check(rc == 0, "the program ended with status %d\n%s" % (rc, session.program_output()))
    for title in (NO_INTERNET, MAIN, MULT):
        check(not session.windows(title), "a window titled %r is left" % title)

    time.sleep(0.2)  # a detached xdg-open would have written by now
    check(session.opened_urls() == [], "addresses were opened: %r" % session.opened_urls())


if __name__ == "__main__":
    harness.run(test)

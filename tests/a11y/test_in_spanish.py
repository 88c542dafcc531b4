#!/usr/bin/env python3
"""A Spanish-speaking child (LANG=es_ES.UTF-8) reads the program in Spanish, as the
accessibility tree tells it: the offline start's message and its OK button (Qt's own
text), then the main and multiplication windows, which show the Spanish texts and no
English one; a missing-numbers puzzle is solved with nothing but what the tree says in
Spanish. With LANG=C.UTF-8 the same message reads in the English of the program,
exactly, and so it does for a user who puts English before French
(LANG=en_US.UTF-8 LANGUAGE=en_US:fr).
"""

import re

import atspi
import harness
import players
from atspi import do, named, wait_for
from harness import MAIN, NO_INTERNET, FIRST_WINDOW, check

# Texts each window shows from the start, in English.
MAIN_TEXTS = ("&Start Numora", "Stop", "&Exit ", "Find the missing numbers.", "I would like to pay.", "File")
MULT_TEXTS = ("&Start Numora", "Find the multiplication numbers.", "Cls.", "File")


def dialog(app, title):
    return wait_for("a window titled %r" % title, lambda: next(
        (w for w in (app.getChildAtIndex(i) for i in range(app.childCount)) if w is not None and w.name == title),
        None))


def offline_message(session, language, title, prompt, ok, languages=None):
    session.env["LANG"] = language
    session.env.pop("LANGUAGE", None)
    if languages:
        session.env["LANGUAGE"] = languages
    session.start(online=False)
    session.save(session.wait_painted(session.wait_window(title, FIRST_WINDOW)), "no-internet-" + language)
    box = dialog(atspi.application("numora"), title)
    check(any(a.name == prompt for a in atspi.walk(box)),
          "the message under %s does not read %r: %r" % (language, prompt, [a.name for a in atspi.walk(box)]))
    do(named(box, ok, "push button"), "Press")
    check(session.wait_exit() == 0, "the program ended badly\n" + session.program_output())


def english_left(window, words):
    """Texts of `window` that are English where Spanish has a word of its own; a
    description made of two sentences is read sentence by sentence."""
    english = [re.compile(re.sub(r"%\d", r"-?\\d+", re.escape(source.replace("&", ""))))
               for source, spanish in words.table.items() if source != spanish]
    found = []
    for a in atspi.walk(window):
        for said in (a.name, a.description):
            for part in {said, *said.split(". ")}:
                if any(p.fullmatch(part) or p.fullmatch(part + ".") for p in english):
                    found.append(part)
    return found


def speaks_spanish(window, words, shown):
    names = {a.name for a in atspi.walk(window)}
    missing = [words.shown(t) for t in shown if words.shown(t) not in names]
    check(not missing, "%r does not show %r" % (window.name, missing))
    left = english_left(window, words)
    check(not left, "%r still speaks English: %r" % (window.name, left))


def leave(session, window, words):
    do(named(window, words.shown("&Exit "), "push button"), "Press")


def test(session):
    spanish = players.Words("es")
    with atspi.Stack(session):
        offline_message(session, "es_ES.UTF-8", spanish(NO_INTERNET), spanish("Active Internet connection required."),
                        "Aceptar")
        offline_message(session, "C.UTF-8", NO_INTERNET, "Active Internet connection required.", "OK")
        offline_message(session, "en_US.UTF-8", NO_INTERNET, "Active Internet connection required.", "OK",
                        "en_US:fr")

        session.env["LANG"] = "es_ES.UTF-8"
        session.env.pop("LANGUAGE", None)
        players.speak("es")
        session.start(online=True)
        session.wait_window(MAIN, FIRST_WINDOW)
        app = atspi.application("numora")
        speaks_spanish(atspi.frame(app, MAIN), spanish, MAIN_TEXTS)
        players.solve_missing_numbers(session, app, lambda window, wid, i, n: session.key(wid, str(n)))

        game = players.Multiplication(session, app)
        game.start()
        speaks_spanish(game.window, spanish, MULT_TEXTS)
        session.save(session.grab(game.wid), "multiplication-es")
        leave(session, game.window, spanish)
        leave(session, atspi.frame(app, players.main_any()), spanish)
        check(session.wait_exit() == 0, "the program ended badly\n" + session.program_output())


if __name__ == "__main__":
    harness.run(test)

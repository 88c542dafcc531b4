#!/usr/bin/env python3
"""A child who reads another language than English (NUMORA_LANGUAGE: es, he or ja)
reads the program in it, as the accessibility tree tells it: the offline start's
message and its OK button (Qt's own text), then the main and multiplication windows,
which show the translated texts and no English one; a missing-numbers puzzle is
solved with nothing but what the tree says in that language. In Hebrew the windows
are mirrored: Start right of Exit, the number pad left of the grid, while the grid
keeps its order (its left column on the left). In Spanish, the same message reads in
the English of the program with LANG=C.UTF-8, exactly, and so it does for a user who
puts English before French (LANG=en_US.UTF-8 LANGUAGE=en_US:fr).
"""

import os
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
               for source, translated in words.table.items() if source != translated]
    found = []
    for a in atspi.walk(window):
        for said in (a.name, a.description):
            for part in {said, *said.split(". ")}:
                if any(p.fullmatch(part) or p.fullmatch(part + ".") for p in english):
                    found.append(part)
    return found


def speaks(window, words, shown):
    names = {a.name for a in atspi.walk(window)}
    missing = [words.shown(t) for t in shown if words.shown(t) not in names]
    check(not missing, "%r does not show %r" % (window.name, missing))
    left = english_left(window, words)
    check(not left, "%r still speaks English: %r" % (window.name, left))


def mirrored(window, words):
    """Right to left: Start right of Exit and the pad left of the grid, whose own
    left-to-right order stays."""
    def x(acc):
        return acc.queryComponent().getExtents(0).x  # screen coordinates
    start, exit_ = (named(window, words.shown(t), "push button") for t in ("&Start Numora", "&Exit "))
    pad = next(a for a in atspi.walk(window) if a.name == words("number pad") and atspi.role(a) != "push button")
    cells, _ = players.read_grid(window)
    check(x(start) > x(exit_), "Start is not right of Exit: %d, %d" % (x(start), x(exit_)))
    check(x(pad) < min(x(c) for c in cells.values()), "the pad is not left of the grid")
    check(x(cells[(0, 0)]) < x(cells[(0, 2)]), "the grid's left column is not on its left")


def leave(session, window, words):
    do(named(window, words.shown("&Exit "), "push button"), "Press")


# The locale, Qt's OK button in that language, and whether it reads right to left.
LANGUAGES = {"es": ("es_ES.UTF-8", "Aceptar", False), "he": ("he_IL.UTF-8", "אישור", True),
             "ja": ("ja_JP.UTF-8", "OK", False)}


def test(session):
    language = os.environ.get("NUMORA_LANGUAGE", "es")
    locale, ok, right_to_left = LANGUAGES[language]
    words = players.Words(language)
    with atspi.Stack(session):
        offline_message(session, locale, words(NO_INTERNET), words("Active Internet connection required."), ok)
        if language == "es":
            offline_message(session, "C.UTF-8", NO_INTERNET, "Active Internet connection required.", "OK")
            offline_message(session, "en_US.UTF-8", NO_INTERNET, "Active Internet connection required.", "OK",
                            "en_US:fr")

        session.env["LANG"] = locale
        session.env.pop("LANGUAGE", None)
        players.speak(language)
        session.start(online=True)
        session.wait_window(MAIN, FIRST_WINDOW)
        app = atspi.application("numora")
        speaks(atspi.frame(app, MAIN), words, MAIN_TEXTS)
        if right_to_left:
            mirrored(atspi.frame(app, MAIN), words)
        players.solve_missing_numbers(session, app, lambda window, wid, i, n: session.key(wid, str(n)))

        game = players.Multiplication(session, app)
        game.start()
        speaks(game.window, words, MULT_TEXTS)
        session.save(session.grab(game.wid), "multiplication-" + language)
        leave(session, game.window, words)
        leave(session, atspi.frame(app, players.main_any()), words)
        check(session.wait_exit() == 0, "the program ended badly\n" + session.program_output())


if __name__ == "__main__":
    harness.run(test)

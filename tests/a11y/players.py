"""Both games played as a screen reader's user plays them: every number is read from
the accessibility tree, every move is made through it or with the keyboard. Only the
final colour is read from a screenshot, since no accessible tells it.

How a number is entered is up to the caller (`pick`, `type_number`), so that the same
player can use the US or the French main row, or the number pad's press action. The
player reads the program in English unless told another language (`speak`).
"""

import os
import re
import xml.etree.ElementTree as ET

import atspi
import harness
from atspi import described, do, named, wait_for
from harness import MAIN, MULT, MAIN_CLIENT, MULT_CLIENT, Failure, check

GREEN = (192, 255, 192)
ROWS = ("top", "middle", "bottom")
COLUMNS = ("left", "middle", "right")
TRIES = 4  # a new puzzle may be dealt while we work one out; then we start again
QUICK = 3  # seconds for the program to answer a move

TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "translations")


class Words:
    """The program's texts in one language, as its translation file gives them; in
    English (None) as they are written, but for the plural forms of its own."""

    def __init__(self, language=None):
        self.language, self.table = language, {}
        path = os.path.join(TRANSLATIONS, "numora_%s.ts" % language if language else "plurals_en.ts")
        for m in ET.parse(path).getroot().iter("message"):
            forms = [f.text for f in m.iter("numerusform")]
            self.table[m.findtext("source")] = forms or m.findtext("translation")

    def __call__(self, english):
        check(not self.language or english in self.table, "no %s text for %r" % (self.language, english))
        return self.table.get(english, english)

    def shown(self, english):
        """As a control shows it: without the access key's mark."""
        return self(english).replace("&", "")


words = Words()


def speak(language):
    global words
    words = Words(language)


def countdown_pattern():
    """The main window's name while it counts down (its caption as said, in any
    plural form); the one group that matched is the seconds left."""
    forms = {f.partition("%n") for f in words("KORVELLAN: Refreshing in %n second(s).")}
    return re.compile("|".join("^%s(-?\\d+)%s$" % (re.escape(before), re.escape(after)) for before, _, after in forms))


def main_any():
    """The main window's caption, also while it counts down."""
    return re.compile("^%s$|%s" % (re.escape(MAIN), countdown_pattern().pattern))


def background(session, wid, client_height):
    """The window's own colour, left of the first column of cells."""
    bar = harness.menu_bar_height(session, wid, client_height)
    return session.grab(wid).pixel(3, bar + 150)


def countdown(window):
    m = countdown_pattern().search(window.name)
    return int(next(g for g in m.groups() if g is not None)) if m else None


def pad_key(window, digit):
    keys = [a for a in atspi.walk(window)
            if atspi.role(a) == "push button" and a.description == words("number pad") and a.name == str(digit)]
    check(len(keys) == 1, "%d pad keys named %d" % (len(keys), digit))
    return keys[0]


# -- missing numbers -------------------------------------------------------------------

def read_grid(window):
    cells = {(r, c): described(window, words("%s row, %s column" % (ROWS[r], COLUMNS[c])), "image")
             for r in range(3) for c in range(3)}
    sums = {("row", r): described(window, words("sum of the %s row" % ROWS[r]), "label") for r in range(3)}
    sums.update({("column", c): described(window, words("sum of the %s column" % COLUMNS[c]), "label")
                 for c in range(3)})
    return cells, sums


def hidden_numbers(cells, sums):
    """{cell: number} for the hidden cells, from the sums of their row or column."""
    names = {k: a.name for k, a in cells.items()}
    check(all(n == words("hidden") or re.fullmatch("[1-9]", n) for n in names.values()), "cells read %r" % names)
    hidden = [k for k, n in names.items() if n == words("hidden")]
    check(len(hidden) == 2, "%d hidden cells: %r" % (len(hidden), names))
    found = {}
    for (r, c) in hidden:
        # Two hidden cells never share both their row and their column.
        if sum(1 for (r2, _) in hidden if r2 == r) == 1:
            line, total = [(r, k) for k in range(3)], int(sums[("row", r)].name)
        else:
            line, total = [(k, c) for k in range(3)], int(sums[("column", c)].name)
        found[(r, c)] = total - sum(int(names[k]) for k in line if k != (r, c))
        check(1 <= found[(r, c)] <= 9, "cell %r works out at %d: %r, sums %r"
              % ((r, c), found[(r, c)], names, {k: s.name for k, s in sums.items()}))
    return found


def solve_missing_numbers(session, app, pick):
    """Starts a game in the main window and solves a puzzle. pick(window, wid, i, n)
    picks the number n, the i-th pick of the puzzle. Returns the window's id."""
    wid = session.wait_window(MAIN)
    window = atspi.frame(app, MAIN)
    do(named(window, words.shown("&Start Numora"), "push button"), "Press")
    cells, sums = read_grid(window)
    for _ in range(TRIES):
        wait_for("a dealt puzzle", lambda: all(a.name != words("empty") for a in cells.values()))
        # Not in the last seconds of a puzzle: the next deal would change it under us.
        left = countdown(atspi.frame(app, main_any()))
        if left is not None and left < 4:
            wait_for("the next puzzle", lambda: (countdown(atspi.frame(app, main_any())) or 0) > 4)
        shown = {k: a.name for k, a in cells.items() if a.name != words("hidden")}
        totals = {k: a.name for k, a in sums.items()}
        numbers = hidden_numbers(cells, sums)
        # Equal hidden numbers are both found by one pick.
        for i, n in enumerate(sorted(set(numbers.values()))):
            pick(window, wid, i, n)
        try:
            wait_for("the hidden cells to read %r" % numbers,
                     lambda: all(cells[k].name == str(n) for k, n in numbers.items()), timeout=QUICK)
            wait_for("light green", lambda: background(session, wid, MAIN_CLIENT[1]) == GREEN, timeout=QUICK)
            session.save(session.grab(wid), "missing-numbers-solved")
            return wid
        except Failure:
            if {k: cells[k].name for k in shown} == shown and {k: a.name for k, a in sums.items()} == totals:
                raise  # still the puzzle we read: a real failure, not a new deal
    raise Failure("no puzzle solved in %d tries: each was replaced while we worked" % TRIES)


# -- multiplication --------------------------------------------------------------------

# The products in the order the highlight visits them, with their two factors.
PRODUCTS = (("top row", ("top left", "top right")), ("bottom row", ("bottom left", "bottom right")),
            ("right column", ("top right", "bottom right")), ("left column", ("top left", "bottom left")))
FACTORS = ("top left", "top right", "bottom left", "bottom right")


class Multiplication:
    """The multiplication window, opened from the main window's File menu through the tree."""

    def __init__(self, session, app):
        self.session, self.app = session, app
        main = atspi.frame(app, main_any())
        do(named(main, words("Multiplication Game 1"), "menu item"), "Press")  # as said, without "-"
        self.wid = session.wait_window(words(MULT))
        self.window = atspi.frame(app, words(MULT))
        self.factors = {p: described(self.window, words("factor, " + p), "image") for p in FACTORS}
        self.products = [described(self.window, words("product of the " + name), "label") for name, _ in PRODUCTS]
        self.answer = described(self.window, words("your answer"), "label")

    def start(self):
        do(named(self.window, words.shown("&Start Numora"), "push button"), "Press")
        wait_for("dealt factors", lambda: all(re.fullmatch("[1-9]", f.name) for f in self.factors.values()))

    def solve(self, type_number):
        """Types the four products, each once the highlight has come to it.
        type_number(wid, text) types the digits of `text` on the focused cell."""
        for _ in range(TRIES):
            wait_for("dealt factors", lambda: all(re.fullmatch("[1-9]", f.name) for f in self.factors.values()))
            dealt = {p: int(f.name) for p, f in self.factors.items()}
            want = [dealt[a] * dealt[b] for _, (a, b) in PRODUCTS]
            try:
                for i, value in enumerate(want):
                    if self.products[i].name != str(value):
                        self.session.key(self.wid, "Delete")
                        type_number(self.wid, str(value))
                    wait_for(lambda: "product %d to read %d (the answer reads %r)" % (i, value, self.answer.name),
                             lambda: self.products[i].name == str(value), timeout=QUICK)
                    if i < 3:
                        # Typed before the highlight reaches it, the next product would
                        # be compared with this one.
                        wait_for("the highlight to move on", lambda: self.products[i + 1].name == words("..."),
                                 timeout=QUICK)
                wait_for("light green", lambda: background(self.session, self.wid, MULT_CLIENT[1]) == GREEN,
                         timeout=QUICK)
                self.session.save(self.session.grab(self.wid), "multiplication-solved")
                return
            except Failure:
                if {p: f.name for p, f in self.factors.items()} == {p: str(v) for p, v in dealt.items()}:
                    raise  # the same puzzle: a real failure
        raise Failure("no multiplication puzzle solved in %d tries: each was replaced while we worked" % TRIES)

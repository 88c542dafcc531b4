#!/usr/bin/env python3
"""A child who cannot see the screen plays with Debian's screen reader Orca, and
hears every change a sighted child sees: a cell tells its row's and column's sums,
the puzzle is solved from what Orca said and the solve is heard, so are the next
deal, a lock-out and the level list's entries, their seconds said as words where
the screen shows "Sec."; in the multiplication window the product to find and a
product found. Only what Orca spoke counts (its debug file's "SPEECH OUTPUT"
lines); the transcript is kept in the artifacts. No hidden number is ever spoken.

Orca runs with a speech server that says nothing (orca_support/), on the
private buses of atspi.Stack. Exits 77 (skipped) where Orca is not installed.
With NUMORA_LANGUAGE (fr) the program speaks that language, and Orca its own
role names in English.
"""

import json
import os
import re
import shutil
import subprocess
import sys
import time

import atspi
import harness
import players
from harness import MAIN, STEP, FIRST_WINDOW, Failure, check

HERE = os.path.dirname(os.path.abspath(__file__))
SKIP = 77
WITHIN = 1.0  # a change is heard within a second
ROWS, COLUMNS = ("top", "middle", "bottom"), ("left", "middle", "right")
LANGUAGE = os.environ.get("NUMORA_LANGUAGE")  # None: English
LOCALES = {None: "C.UTF-8", "fr": "fr_FR.UTF-8"}
words = players.Words(LANGUAGE)


def said(english, whole=True, **values):
    """A pattern of what the program says for `english` in any of its plural forms,
    %1, %2 and %n standing for the given values (a regular expression each); with
    `whole` false, of an utterance that begins so."""
    forms = words(english)
    forms = forms if isinstance(forms, list) else [forms]
    escaped = [re.escape(f) for f in forms]
    for name, value in values.items():
        escaped = [f.replace(re.escape("%" + name), value) for f in escaped]
    return re.compile("^(?:%s)%s" % ("|".join(escaped), "$" if whole else ""))


# A cell's name, then its place and its row's and column's sums.
PLACES = {words("%s row, %s column" % (ROWS[r], COLUMNS[c])): (r, c) for r in range(3) for c in range(3)}
SUMS = said("Row sum: %1, column sum: %2.", **{"1": r"(\d+)", "2": r"(\d+)"})
# Seconds as a word, where the screen shows "Sec.".
LOCK_OUT = said("You have exceeded maximum number of attempts. Wait will refresh in %n second(s).", n=r"-?\d+")


class Orca:
    """Orca on the stack's buses, with private settings and a debug file read as it grows."""

    def __init__(self, session, stack):
        self.session, self.stack, self.proc = session, stack, None

    def __enter__(self):
        prefs = os.path.join(self.session.tmp, "orca")
        os.mkdir(prefs)
        shutil.copy(os.path.join(HERE, "orca_support", "nullspeechfactory.py"), prefs)
        # Speech through the silent server; no key echo, so a typed number is never spoken.
        quiet = {"speechServerFactory": "nullspeechfactory", "speechServerInfo": None, "enableKeyEcho": False,
                 "enableEchoByCharacter": False, "enableEchoByWord": False, "enableBraille": False}
        with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
            json.dump({"general": dict(quiet, activeProfile=["Default", "default"],
                                       startingProfile=["Default", "default"]),
                       "profiles": {"default": dict(quiet, profile=["Default", "default"], pronunciations={},
                                                    keybindings={})},
                       "pronunciations": {}, "keybindings": {}}, f)
        self.log = os.path.join(self.session.artifacts, "orca.log")
        env = {"PATH": "/usr/bin:/bin", "HOME": self.session.env["HOME"], "DISPLAY": self.session.display,
               "XDG_RUNTIME_DIR": self.session.env["XDG_RUNTIME_DIR"], "LANG": "C.UTF-8",
               "DBUS_SESSION_BUS_ADDRESS": self.stack.session_bus, "AT_SPI_BUS_ADDRESS": self.stack.a11y_bus,
               "GSETTINGS_BACKEND": "memory"}
        with open(os.path.join(self.session.artifacts, "orca.out"), "wb") as out:
            self.proc = subprocess.Popen(["/usr/bin/python3", os.path.join(HERE, "orca_support", "run_orca.py"),
                                          prefs, self.log], env=env, stdout=out, stderr=subprocess.STDOUT,
                                         stdin=subprocess.DEVNULL, preexec_fn=harness._die_with_parent)
        # Ready once its listeners are registered with the accessibility registry.
        atspi.wait_for("Orca's listeners", lambda: self.proc.poll() is None and "Window:Activate" in subprocess.run(
            ["dbus-send", "--bus=" + self.stack.a11y_bus, "--print-reply", "--dest=org.a11y.atspi.Registry",
             "/org/a11y/atspi/registry", "org.a11y.atspi.Registry.GetRegisteredEvents"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=10).stdout.decode(), timeout=30)
        return self

    def __exit__(self, *exc):
        harness._stop(self.proc)
        return False

    def spoken(self):
        """Everything Orca has said so far, in order."""
        with open(self.log, errors="replace") as f:
            return re.findall(r"SPEECH OUTPUT: '(.*?)'(?:\{.*\})?$", f.read(), re.M)

    def hear(self, what, since, timeout=WITHIN):
        """Waits for an utterance after the first `since` ones that equals `what` (a
        string) or matches it (a pattern); returns it."""
        test = what.search if hasattr(what, "search") else (lambda s: s == what)
        found = atspi.wait_for(lambda: "Orca to say %r; it said %r" % (getattr(what, "pattern", what),
                                                                        self.spoken()[since:]),
                               lambda: next((s for s in self.spoken()[since:] if test(s)), None), timeout)
        return found


def read_grid(orca, session, wid):
    """Tabs through the grid and notes, from what Orca says of each cell, its name
    and its row's and column's sums. None when a new puzzle came meanwhile."""
    grid, sums = {}, {}
    since = len(orca.spoken())
    for _ in range(12):  # from the top-middle cell round the tab order and back
        before = len(orca.spoken())
        session.key(wid, "Tab")
        # What Orca says of each control before the next Tab: focus changes in a
        # quick row are passed over. This paces the Tabs; it is not the promise
        # that a change is heard within a second, so a machine still busy with
        # the tests before gets longer.
        atspi.wait_for("Orca to speak of the next control", lambda: len(orca.spoken()) > before, 3 * WITHIN)
        time.sleep(0.1)
    heard = orca.spoken()[since:]
    if words("New puzzle.") in heard:
        return None
    for name, description in zip(heard, heard[1:]):
        where, _, figures = description.partition(". ")
        m = SUMS.match(figures)
        if m and where in PLACES and name.endswith(" image."):
            place = PLACES[where]
            grid[place] = name[:-len(" image.")]
            sums[("row", place[0])], sums[("column", place[1])] = int(m.group(1)), int(m.group(2))
    check(len(grid) == 9, "Orca told %d cells: %r" % (len(grid), said))
    return grid, sums


def hidden_numbers(grid, sums):
    hidden = [k for k, n in grid.items() if n == words("hidden")]
    check(len(hidden) == 2 and all(re.fullmatch("[1-9]", n) for k, n in grid.items() if k not in hidden),
          "the cells said %r" % grid)
    numbers = {}
    for (r, c) in hidden:
        alone_in_row = sum(1 for (r2, _) in hidden if r2 == r) == 1
        line = [(r, k) for k in range(3)] if alone_in_row else [(k, c) for k in range(3)]
        total = sums[("row", r)] if alone_in_row else sums[("column", c)]
        numbers[(r, c)] = total - sum(int(grid[k]) for k in line if k != (r, c))
    return numbers


def level(number, seconds, whole=True):
    """An entry of the level list as said (the screen's "Level - 1(11 Sec.)")."""
    return said("Level %1, %n second(s)", whole, **{"1": str(number), "n": str(seconds)})


def start_key():
    """The key that starts a game in the program's language: Alt and Start's access key."""
    return "alt+" + words("&Start Numora").partition("&")[2][0].lower()


def test(session):
    session.env["LANG"] = LOCALES[LANGUAGE]
    players.speak(LANGUAGE)
    with atspi.Stack(session) as stack, Orca(session, stack) as orca:
        session.start(online=True)
        wid = session.wait_window(MAIN, FIRST_WINDOW)
        orca.hear(words.shown("&Start Numora") + " push button.", 0, STEP)
        mark = len(orca.spoken())
        for _ in range(3):  # Stop, Exit, the level list
            session.key(wid, "Tab")
        orca.hear(level(1, 11, whole=False), mark)
        # An entry chosen by the arrow keys is heard too; back to level 1 before the focus leaves.
        for key, entry in (("Down", level(2, 8)), ("Up", level(1, 11))):
            mark = len(orca.spoken())
            session.key(wid, key)
            orca.hear(entry, mark)

        # A puzzle read and solved by ear; a new deal while we work has us start again.
        mark = len(orca.spoken())
        session.key(wid, start_key())
        orca.hear(words("New puzzle."), mark)
        for _ in range(3):
            read = read_grid(orca, session, wid)
            if not read:
                continue
            numbers = hidden_numbers(*read)
            mark = len(orca.spoken())
            session.key(wid, *(str(n) for n in sorted(set(numbers.values()))))
            try:
                orca.hear(words("Solved!"), mark)
                break
            except Failure:
                if words("New puzzle.") not in orca.spoken()[mark:]:
                    raise
        else:
            raise Failure("no puzzle solved by ear in 3 tries")
        spoken_before_solve = orca.spoken()[:mark]
        for (r, c), n in numbers.items():
            cell = words("%s row, %s column" % (ROWS[r], COLUMNS[c])) + "."
            check(not any(a == "%d image." % n and b.startswith(cell)
                          for a, b in zip(spoken_before_solve, spoken_before_solve[1:])),
                  "the hidden %d of the %s was spoken" % (n, cell))

        mark = len(orca.spoken())
        orca.hear(words("New puzzle."), mark, 12)  # the level's 11 seconds
        # Five picks of 0 lock out; heard as the status line then reads.
        mark = len(orca.spoken())
        for _ in range(5):
            session.key(wid, "0")
        orca.hear(LOCK_OUT, mark)

        # The multiplication window: the product to find, then a product found.
        mark = len(orca.spoken())
        mult = harness.open_multiplication(session, wid, words("KORVELLAN : Multiplication Game"))
        # As a player waits to hear it: the window's name, or, where Orca goes straight to the focus (it
        # does now and then), the control that has it.
        orca.hear(re.compile("^(%s frame|%s push button)\\.$" % (re.escape(words("KORVELLAN : Multiplication Game")),
                                                               re.escape(words.shown("Stop")))), mark, STEP)
        mark = len(orca.spoken())
        session.key(mult, start_key())
        orca.hear(words("New puzzle."), mark)
        orca.hear(words("Product of the top row."), mark)
        left = orca.hear(re.compile(r"^[1-9] image\.$"), mark, STEP)  # the focus is on the top-left factor
        mark = len(orca.spoken())
        session.key(mult, "shift+Tab")
        right = orca.hear(re.compile(r"^[1-9] image\.$"), mark)
        product = int(left[0]) * int(right[0])
        mark = len(orca.spoken())
        # The Shift of Shift+Tab counts as a 0 on a factor cell, as every key does: clear first.
        session.key(mult, "Delete", *str(product))
        orca.hear(words("%1 is right!").replace("%1", str(product)), mark)
        with open(os.path.join(session.artifacts, "transcript.txt"), "w") as f:
            f.write("\n".join(orca.spoken()) + "\n")


if __name__ == "__main__":
    if not shutil.which("orca"):
        print("skipped: Orca is not installed (Debian package orca; ./test.sh installs it)")
        sys.exit(SKIP)
    harness.run(test)

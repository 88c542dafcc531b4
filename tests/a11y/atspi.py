"""A private accessibility stack for the end-to-end tests, and what a screen reader
does with it.

Beside the harness's X server: a session bus of our own and the AT-SPI bus launcher
(Debian's at-spi2-core), which starts the accessibility bus and, through it, the
registry. The program runs in a network namespace of its own, where abstract sockets
are out of reach, so every bus listens on a socket file in the session's folder. The
program gets QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, so Qt's bridge starts without a
screen reader asking for it; this script reads the tree through pyatspi, as Orca would.

Everything started here is stopped by its PID, children included, within a bound.
"""

import os
import select
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

import harness  # noqa: E402
from harness import check, POLL, STEP  # noqa: E402

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

SESSION_CONF = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=%s</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""

REQUIRED = {
    "dbus-daemon": "dbus-daemon",
    "dbus-send": "dbus-bin",
    LAUNCHER: "at-spi2-core",
}


def _descendants(pid):
    """PIDs of every process below `pid`, deepest first."""
    found = []
    try:
        tasks = os.listdir("/proc/%d/task" % pid)
    except OSError:
        return found
    for tid in tasks:
        try:
            with open("/proc/%d/task/%s/children" % (pid, tid)) as f:
                children = [int(c) for c in f.read().split()]
        except OSError:
            continue
        for child in children:
            found += _descendants(child) + [child]
    return found


def _gone(pid):
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] == "Z"
    except OSError:
        return True


def _stop_pid(pid, grace=3.0):
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.kill(pid, sig)
        except ProcessLookupError:
            return
        deadline = time.monotonic() + grace
        while time.monotonic() < deadline:
            if _gone(pid):
                return
            time.sleep(POLL)


class Stack:
    """The session bus, the accessibility bus and its registry, for one harness session."""

    def __init__(self, session):
        self.session = session
        self.procs = []

    def __enter__(self):
        harness.require_tools(REQUIRED)
        return harness.entered(self, self._start)

    def _spawn(self, args, env, stdout):
        log = open(os.path.join(self.session.artifacts, os.path.basename(args[0]) + ".log"), "ab")
        p = subprocess.Popen(args, env=env, stdout=stdout, stderr=log, stdin=subprocess.DEVNULL,
                             preexec_fn=harness._die_with_parent)
        log.close()
        self.procs.append(p)
        return p

    def _start(self):
        s = self.session
        folder = os.path.join(s.tmp, "bus")
        os.mkdir(folder, 0o700)
        conf = os.path.join(folder, "session.conf")
        with open(conf, "w") as f:
            f.write(SESSION_CONF % os.path.join(folder, "session"))
        env = {"PATH": "/usr/bin:/bin", "HOME": s.env["HOME"], "DISPLAY": s.display,
               "XDG_RUNTIME_DIR": s.env["XDG_RUNTIME_DIR"], "LANG": "C.UTF-8"}
        bus = self._spawn(["dbus-daemon", "--config-file=" + conf, "--nofork", "--print-address=1"],
                          env, subprocess.PIPE)
        ready, _, _ = select.select([bus.stdout], [], [], STEP)
        check(ready, "the session bus did not start")
        self.session_bus = bus.stdout.readline().decode().strip()
        check(self.session_bus.startswith("unix:path="), "session bus at %r" % self.session_bus)

        env["DBUS_SESSION_BUS_ADDRESS"] = self.session_bus
        # The launcher puts the accessibility bus's socket under XDG_RUNTIME_DIR.
        self._spawn([LAUNCHER, "--launch-immediately", "--a11y=1"], env, subprocess.DEVNULL)
        deadline = time.monotonic() + STEP
        while True:
            r = subprocess.run(["dbus-send", "--bus=" + self.session_bus, "--print-reply=literal",
                                "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=10)
            if r.returncode == 0 and r.stdout.strip():
                self.a11y_bus = r.stdout.decode().strip()
                break
            check(time.monotonic() < deadline, "the accessibility bus did not start: %s" % r.stderr.decode())
            time.sleep(POLL)
        check(not self.a11y_bus.startswith("unix:abstract"),
              "the accessibility bus is on an abstract socket, out of the program's reach: %s" % self.a11y_bus)

        # pyatspi finds the accessibility bus through these when it is first imported.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.session_bus
        os.environ["AT_SPI_BUS_ADDRESS"] = self.a11y_bus
        os.environ["DISPLAY"] = s.display
        s.env.update(DBUS_SESSION_BUS_ADDRESS=self.session_bus, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        s.env.pop("NO_AT_BRIDGE", None)

    def __exit__(self, *exc):
        # The program first, so that it does not watch its buses go; then each bus with
        # whatever it started (the accessibility bus and the registry).
        harness._stop(self.session.proc)
        for p in reversed(self.procs):
            below = _descendants(p.pid)
            _stop_pid(p.pid)
            try:
                p.wait(1)
            except subprocess.TimeoutExpired:
                pass
            for pid in below:
                _stop_pid(pid)
            if p.stdout:
                p.stdout.close()
        self.procs = []
        return False


# -- the tree ------------------------------------------------------------------------

def _pyatspi():
    import pyatspi  # Debian's python3-pyatspi; imported once the buses are known
    return pyatspi


def _fresh(acc):
    """Read the program's properties afresh instead of from libatspi's cache."""
    from gi.repository import Atspi
    acc.set_cache_mask(Atspi.Cache.NONE)
    return acc


def application(name, timeout=harness.FIRST_WINDOW):
    pyatspi = _pyatspi()
    deadline = time.monotonic() + timeout
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return _fresh(app)
        check(time.monotonic() < deadline, "no application %r on the accessibility bus; seen: %r"
              % (name, [a.name for a in desktop if a is not None]))
        time.sleep(POLL)


def walk(acc, depth=0):
    """Every accessible below `acc` (itself included), depth first."""
    if acc is None or depth > 40:
        return
    yield acc
    for i in range(acc.childCount):
        yield from walk(acc.getChildAtIndex(i), depth + 1)


def role(acc):
    return acc.getRoleName()


def showing(acc):
    pyatspi = _pyatspi()
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def frame(app, title, timeout=STEP, kind="frame"):
    """The showing window named `title`: a string to match exactly, or a compiled
    pattern (the countdown changes the captions); `kind` "alert" for a message box."""
    from gi.repository import GLib
    matches = title.search if hasattr(title, "search") else (lambda name: name == title)
    deadline = time.monotonic() + timeout
    while True:
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            try:
                if w is not None and role(w) == kind and matches(w.name) and showing(w):
                    return w
            except GLib.GError:
                pass  # a window that was closed while we asked: it is not the one
        check(time.monotonic() < deadline, "no window %r in the tree; seen: %r"
              % (title, [app.getChildAtIndex(i).name for i in range(app.childCount)]))
        time.sleep(POLL)


def described(root, description, kind=None):
    """The one accessible below `root` with this description, or a longer one that
    goes on after it with ". " (a cell tells its row's and column's figures), and
    this role name."""
    found = [a for a in walk(root) if (a.description == description or a.description.startswith(description + ". "))
             and (kind is None or role(a) == kind)]
    check(len(found) == 1, "%d accessibles described %r" % (len(found), description))
    return found[0]


def named(root, name, kind):
    found = [a for a in walk(root) if a.name == name and role(a) == kind]
    check(found, "no %s named %r" % (kind, name))
    return found[0]


def do(acc, action):
    """Carry out the accessible's action of this name, as a screen reader's command does."""
    a = acc.queryAction()
    names = [a.getName(i) for i in range(a.nActions)]
    check(action in names, "%s %r has actions %r, not %r" % (role(acc), acc.name, names, action))
    a.doAction(names.index(action))


wait_for = harness.wait_for

"""On a native Wayland session (sway's headless backend) the main window pauses
while the compositor hides it, although Wayland never tells a client that it is
minimised; unlike X11, a window hidden on another workspace or in the scratchpad
pauses too, as Wayland tells only whether a window is shown. A game
at the 6-second level keeps dealing while another window has the focus and covers
it; hidden (to sway's scratchpad) while that other window has the focus, it deals
no puzzle for two and a half level periods; shown again, it deals a full level
period later. Deals are read off the countdown in the title: it restarts at 6 with
each deal and runs on below 0 while no puzzle comes."""

import json
import os
import re
import shutil
import subprocess
import tempfile
import time

import harness
from harness import FIRST_WINDOW, STEP, check

APP_ID = "com.korvellan.Numora"
LEVEL_SECONDS = 6
TOOLS = {"sway": "sway", "swaymsg": "sway", "wtype": "wtype", "weston-flower": "weston"}


class WaylandSession(harness.Session):
    """A private sway on the headless backend instead of Xvfb; the program talks Wayland."""

    sway = None
    other = None

    def _start_xvfb(self):
        harness.require_tools(TOOLS)
        self.display = ":0"  # never used: the program gets no DISPLAY
        # sway refuses to run as root: as root, run it as nobody in a folder of its own.
        self.wl_dir = tempfile.mkdtemp(prefix="numora-sway-")
        root = os.geteuid() == 0
        if root:
            os.chown(self.wl_dir, 65534, 65534)
        with open(os.path.join(self.wl_dir, "config"), "w") as f:
            f.write("xwayland disable\noutput * bg #808080 solid_color\n")
        env = {"PATH": "/usr/bin:/bin", "HOME": self.wl_dir, "XDG_RUNTIME_DIR": self.wl_dir,
               "WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman"}
        drop = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"] if root else []
        with open(os.path.join(self.artifacts, "sway.log"), "wb") as log:
            self.sway = subprocess.Popen(drop + ["sway", "-c", os.path.join(self.wl_dir, "config")], env=env,
                                         stdout=log, stderr=subprocess.STDOUT, preexec_fn=harness._die_with_parent)
        deadline = time.monotonic() + STEP
        while True:
            names = os.listdir(self.wl_dir)
            sockets = [n for n in names if re.fullmatch(r"wayland-\d+", n)]
            ipc = [n for n in names if n.startswith("sway-ipc")]
            if sockets and ipc:
                break
            check(self.sway.poll() is None and time.monotonic() < deadline, "sway did not start")
            time.sleep(harness.POLL)
        self.wayland = {"WAYLAND_DISPLAY": os.path.join(self.wl_dir, sockets[0]), "XDG_RUNTIME_DIR": self.wl_dir,
                        "SWAYSOCK": os.path.join(self.wl_dir, ipc[0]), "PATH": "/usr/bin:/bin"}

    def _make_environment(self):
        super()._make_environment()
        del self.env["DISPLAY"]
        self.env.update(QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=self.wayland["WAYLAND_DISPLAY"])
        # Qt 6.4's Wayland plugins leave what they allocated at exit, partly from plugins
        # already unloaded, whose frames no suppression can name; every other test checks
        # our own code for leaks.
        self.env["ASAN_OPTIONS"] = self.env.get("ASAN_OPTIONS", "") + ":detect_leaks=0"

    def __exit__(self, *exc):
        harness._stop(self.other)
        super().__exit__(*exc)
        harness._stop(self.sway)
        if self.sway is not None:
            shutil.rmtree(self.wl_dir, ignore_errors=True)
        return False

    def sway_command(self, command):
        r = subprocess.run(["swaymsg", command], env=self.wayland, capture_output=True, text=True, timeout=10)
        check(r.returncode == 0, "swaymsg %r failed: %s%s" % (command, r.stdout, r.stderr))

    def window(self):
        """sway's node of the program's window, or None."""
        r = subprocess.run(["swaymsg", "-t", "get_tree"], env=self.wayland, capture_output=True, text=True,
                           timeout=10)
        nodes = [json.loads(r.stdout)]
        while nodes:
            n = nodes.pop()
            if n.get("app_id") == APP_ID:
                return n
            nodes += n.get("nodes", []) + n.get("floating_nodes", [])
        return None

    def type_keys(self, *args):
        """wtype's arguments, with pauses so that the keyboard it makes is seen first."""
        r = subprocess.run(["wtype", "-s", "300", *args, "-s", "300"], env=self.wayland, capture_output=True,
                           timeout=10)
        check(r.returncode == 0, "wtype failed: %s" % r.stderr.decode(errors="replace"))


class Countdown:
    """Watches the title; a deal is the countdown restarting at the level's seconds."""

    def __init__(self, session):
        self.session, self.deals, self.last = session, [], None
        self.start = time.monotonic()

    def watch(self, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            node = self.session.window()
            check(node is not None, "the window is gone\n" + self.session.program_output())
            m = re.search(r"Refreshing in - (-?\d+)$", node["name"] or "")
            if m:
                value = int(m.group(1))
                if value == LEVEL_SECONDS - 1 and self.last != value:
                    self.deals.append(round(time.monotonic() - self.start - 1, 1))
                self.last = value
            time.sleep(0.2)
        return self.deals

    def now(self):
        return round(time.monotonic() - self.start, 1)

    def dealt_between(self, start, end):
        return [t for t in self.deals if start <= t <= end]


def test(session):
    session.start(online=True)
    deadline = time.monotonic() + FIRST_WINDOW
    while not (session.window() and session.window()["name"] == harness.MAIN):
        check(session.proc.poll() is None and time.monotonic() < deadline,
              "no main window on sway\n" + session.program_output())
        time.sleep(harness.POLL)
    time.sleep(1)  # the window's first frame
    # Tab to the level list, the third level (6 s), Alt+S: the choice takes effect as the focus leaves it.
    session.type_keys("-k", "Tab", "-k", "Tab", "-k", "Tab", "-k", "Down", "-k", "Down",
                      "-M", "alt", "-k", "s", "-m", "alt")
    clock = Countdown(session)
    clock.watch(2)
    check(clock.last is not None, "Alt+S started no game: %r" % session.window()["name"])

    session.other = subprocess.Popen(["weston-flower"], env=session.wayland, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL, preexec_fn=harness._die_with_parent)
    time.sleep(1)
    session.sway_command("[app_id=org.freedesktop.weston.flower] floating enable, resize set 1024 768, "
                         "move position 0 0, focus")
    covered = clock.now()
    clock.watch(LEVEL_SECONDS + 2)
    check(not session.window()["focused"], "the other window did not take the focus")
    check(clock.dealt_between(covered, clock.now()), "a covered window without the focus dealt no puzzle: %r"
          % clock.deals)

    hidden = clock.now()
    session.sway_command("[app_id=%s] move scratchpad" % APP_ID)
    clock.watch(2.5 * LEVEL_SECONDS)
    check(not clock.dealt_between(hidden + 0.5, clock.now()),
          "puzzles came while the window was hidden from %.1f s on: %r" % (hidden, clock.deals))
    check(clock.last < -LEVEL_SECONDS, "the countdown stopped while hidden: %r" % clock.last)

    shown = clock.now()
    session.sway_command("[app_id=%s] scratchpad show" % APP_ID)
    clock.watch(LEVEL_SECONDS + 2.5)
    after = clock.dealt_between(shown, clock.now())
    check(after and after[0] >= shown + LEVEL_SECONDS - 1.5,
          "shown again at %.1f s, the next puzzles came at %r" % (shown, after))
    print("deals at %r s; covered at %.1f, hidden at %.1f, shown at %.1f" % (clock.deals, covered, hidden, shown))

    session.type_keys("-M", "alt", "-k", "e", "-m", "alt")
    rc = session.wait_exit()
    check(rc == 0, "the program ended with status %d\n%s" % (rc, session.program_output()))


if __name__ == "__main__":
    harness.run(test, WaylandSession)

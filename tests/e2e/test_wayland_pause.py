"""On a native Wayland session (sway's headless backend) the main window pauses
while the compositor hides it, although Wayland never tells a client that it is
minimised; unlike X11, a window hidden on another workspace or in the scratchpad
pauses too, as Wayland tells only whether a window is shown. A game
at the 6-second level deals on time while sway stops for 300 ms at each countdown
tick (a late frame is no hiding); it keeps dealing while another window has the
focus and covers it; hidden (to sway's scratchpad) while that other window has the
focus, it deals no puzzle for two and a half level periods; shown again, it deals a
full level period later. Deals are read off the countdown in the title: it restarts
at 6 with each deal and runs on below 0 while no puzzle comes.

With NUMORA_E2E_DESKTOP=gnome the same journey runs under GNOME Shell 43 headless,
the program started as a family starts it (no platform chosen): through XWayland,
the countdown in mutter's title bar, a message box over its window, and minimising
in place of the scratchpad."""

import ast
import json
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

import harness
from harness import FIRST_WINDOW, MAIN, STEP, check, wait_for

APP_ID = "com.korvellan.Numora"
LEVEL_SECONDS = 6
TOOLS = {"sway": "sway", "swaymsg": "sway", "wtype": "wtype", "weston-flower": "weston"}
GNOME_TOOLS = {"gnome-shell": "gnome-shell", "Xwayland": "xwayland", "dbus-daemon": "dbus-daemon",
               "gdbus": "libglib2.0-bin", "xdotool": "xdotool", "weston-terminal": "weston"}
STALL = 0.3  # seconds the compositor stops at each countdown tick


class WaylandSession(harness.Session):
    """A private sway on the headless backend instead of Xvfb; the program talks Wayland."""

    sway = None
    other = None
    buses = ()

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
        for p in (self.sway, *self.buses):
            harness._stop(p)
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

    def start_game(self):
        # Tab to the level list, the third level (6 s), Alt+S: the choice takes effect as the focus leaves it.
        self.type_keys("-k", "Tab", "-k", "Tab", "-k", "Tab", "-k", "Down", "-k", "Down",
                       "-M", "alt", "-k", "s", "-m", "alt")

    def cover(self):
        self.other = subprocess.Popen(["weston-flower"], env=self.wayland, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL, preexec_fn=harness._die_with_parent)
        time.sleep(1)
        self.sway_command("[app_id=org.freedesktop.weston.flower] floating enable, resize set 1024 768, "
                          "move position 0 0, focus")

    def covered(self):
        return not self.window()["focused"]

    def hide(self):
        self.sway_command("[app_id=%s] move scratchpad" % APP_ID)

    def show(self):
        self.sway_command("[app_id=%s] scratchpad show" % APP_ID)

    def quit(self):
        self.type_keys("-M", "alt", "-k", "e", "-m", "alt")


class GnomeSession(WaylandSession):
    """GNOME Shell headless with a session bus and a private "system" bus for its login
    manager; the program gets GNOME's environment and no platform. The shell is driven
    through org.gnome.Shell.Eval, the program through XWayland with xdotool."""

    def _start_xvfb(self):
        harness.require_tools(GNOME_TOOLS)
        # mutter starts XWayland only with the world-writable socket folder every system has.
        if os.path.isdir("/tmp/.X11-unix") and os.stat("/tmp/.X11-unix").st_mode & 0o1777 != 0o1777:
            os.chmod("/tmp/.X11-unix", 0o1777)
        self.wl_dir = tempfile.mkdtemp(prefix="numora-gnome-")
        runtime = os.path.join(self.wl_dir, "runtime")
        os.mkdir(runtime, 0o700)
        self.bus_env = {"PATH": "/usr/bin:/bin", "HOME": self.wl_dir, "XDG_RUNTIME_DIR": runtime,
                        "GSETTINGS_BACKEND": "memory"}
        for bus in ("SYSTEM", "SESSION"):
            self.bus_env["DBUS_%s_BUS_ADDRESS" % bus] = "unix:path=%s/%s" % (self.wl_dir, bus)
            self.buses += (subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--address="
                                             + self.bus_env["DBUS_%s_BUS_ADDRESS" % bus]], env=self.bus_env,
                                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                            preexec_fn=harness._die_with_parent),)
        with open(os.path.join(self.artifacts, "gnome-shell.log"), "wb") as log:
            self.sway = subprocess.Popen(["gnome-shell", "--headless", "--wayland", "--unsafe-mode",
                                          "--virtual-monitor", "1024x768"], env=self.bus_env, stdout=log,
                                         stderr=subprocess.STDOUT, preexec_fn=harness._die_with_parent)
        # Once started up the shell opens its overview: close it, as a login does.
        wait_for("GNOME Shell to start", lambda: self.eval("Main.layoutManager._startingUp ? true :"
                                                           " (Main.overview.hide(), Main.overview.visible)") is False,
                 3 * STEP)
        self.display, self.xauthority = self.eval("[GLib.getenv('DISPLAY'), GLib.getenv('XAUTHORITY')]")
        self.wayland = dict(self.bus_env, WAYLAND_DISPLAY=os.path.join(runtime, "wayland-0"))

    def _make_environment(self):
        harness.Session._make_environment(self)
        del self.env["QT_QPA_PLATFORM"]
        self.env.update(XAUTHORITY=self.xauthority, XDG_CURRENT_DESKTOP="GNOME", XDG_SESSION_TYPE="wayland",
                        WAYLAND_DISPLAY=self.wayland["WAYLAND_DISPLAY"])
        self.xenv["XAUTHORITY"] = self.xauthority

    def start(self, online):
        # Without the hidden cell's picture the first deal tells the player: a box to place.
        folder = os.path.join(self.tmp, "numora")
        shutil.copytree(os.path.join(os.path.dirname(self.numora), "numpic"), os.path.join(folder, "numpic"))
        os.remove(os.path.join(folder, "numpic", "pnoGus.bmp"))
        self.numora = shutil.copy2(self.numora, folder)
        return super().start(online)

    def eval(self, js):
        """The value of a JavaScript expression in GNOME Shell, or None."""
        r = subprocess.run(["gdbus", "call", "--session", "--dest", "org.gnome.Shell", "--object-path",
                            "/org/gnome/Shell", "--method", "org.gnome.Shell.Eval", js],
                           env=self.bus_env, capture_output=True, text=True, timeout=10)
        m = re.fullmatch(r"\(true, (.*)\)\s*", r.stdout, re.S)
        return json.loads(ast.literal_eval(m.group(1)) or "null") if m else None

    def windows(self, title=None):
        """The windows as the shell sees them; with a title, the X11 ones xdotool finds."""
        if title is not None:
            return super().windows(title)
        return self.eval("global.get_window_actors().map(a => a.meta_window).map(w => {"
                         " const f = w.get_frame_rect(), c = w.frame_rect_to_client_rect(f);"
                         " return {name: w.get_title(), x11: w.get_client_type() === 1, box: !!w.get_transient_for(),"
                         " frame: [f.x, f.y, f.width, f.height], client: [c.x, c.y, c.width, c.height],"
                         " focused: w.has_focus(), other: (w.get_wm_class() || '').includes('terminal')}; })") or []

    def window(self):
        return next((w for w in self.windows() if (w["name"] or "").startswith(MAIN) and not w["box"]), None)

    def act(self, js):
        """Runs `js` on the main window `w` at time `t`."""
        check(self.eval("(() => { const w = global.get_window_actors().map(a => a.meta_window).find(w => (w.get_title()"
                        " || '').startsWith('%s') && !w.get_transient_for()), t = global.get_current_time(); %s;"
                        " return 1; })()" % (MAIN, js)) == 1, "GNOME Shell could not run %s" % js)

    def screenshot(self, name):
        self.shots += 1
        path = os.path.join(self.artifacts, "%02d-%s.png" % (self.shots, name))
        subprocess.run(["gdbus", "call", "--session", "--dest", "org.gnome.Shell.Screenshot", "--object-path",
                        "/org/gnome/Shell/Screenshot", "--method", "org.gnome.Shell.Screenshot.Screenshot",
                        "false", "false", path], env=self.bus_env, capture_output=True, timeout=10)

    def start_game(self):
        self.wid = self.wait_window(MAIN)
        self.key(self.wid, "Tab", "Tab", "Tab", "Down", "Down", "alt+s")

    def cover(self):
        self.other = subprocess.Popen(["weston-terminal", "--maximized", "--shell=/bin/cat"], env=self.wayland,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                      preexec_fn=harness._die_with_parent)

    def covered(self):
        (x, y, w, h) = self.window()["frame"]
        others = [o["frame"] for o in self.windows() if o["other"] and o["focused"]]
        return any(ox <= x and oy <= y and x + w <= ox + ow and y + h <= oy + oh for ox, oy, ow, oh in others)

    def hide(self):
        self.act("w.minimize()")

    def show(self):
        self.act("w.unminimize(); w.activate(t)")

    def quit(self):
        self.key(self.wid, "alt+e")


class Countdown:
    """Watches the title; a deal is the countdown restarting at the level's seconds."""

    def __init__(self, session):
        self.session, self.deals, self.last = session, [], None
        self.start = time.monotonic()

    def read(self):
        node = self.session.window()
        check(node is not None, "the window is gone\n" + self.session.program_output())
        m = re.search(r"Refreshing in - (-?\d+)$", node["name"] or "")
        if m:
            value = int(m.group(1))
            if value == LEVEL_SECONDS - 1 and self.last != value:
                self.deals.append(round(time.monotonic() - self.start - 1, 1))
            self.last = value
        return self.last

    def watch(self, seconds, stall=None):
        """Reads the countdown for `seconds`; with `stall` (a PID) it stops that compositor
        from just before each tick to STALL after it, while the window waits for a frame."""
        end, first = time.monotonic() + seconds, self.last
        while stall and self.read() == first and time.monotonic() < end:
            time.sleep(0.02)
        tick = time.monotonic()
        while time.monotonic() < end:
            if stall:
                tick += 1
                time.sleep(max(0, tick - 0.05 - time.monotonic()))
                os.kill(stall, signal.SIGSTOP)
                time.sleep(max(0, tick + STALL - time.monotonic()))
                os.kill(stall, signal.SIGCONT)
            self.read()
            time.sleep(0 if stall else 0.2)
        return self.deals

    def now(self):
        return round(time.monotonic() - self.start, 1)

    def dealt_between(self, start, end):
        return [t for t in self.deals if start <= t <= end]


def test(session):
    gnome = isinstance(session, GnomeSession)
    session.start(online=True)
    wait_for(lambda: "no main window\n" + session.program_output(),
             lambda: (session.window() or {}).get("name") == MAIN, FIRST_WINDOW)
    time.sleep(1)  # the window's first frame
    session.start_game()
    if gnome:
        # The box sits over its window, and a click on the window leaves it the focus.
        box = wait_for("a message box", lambda: [w for w in session.windows() if w["box"]])[0]
        session.screenshot("box")
        main = session.window()
        (x, y, w, h), (bx, by, bw, bh) = main["frame"], box["frame"]
        check(abs(x + w / 2 - bx - bw / 2) <= w / 6 and abs(y + h / 2 - by - bh / 2) <= h / 6,
              "the box is not over the middle of its window: %r, %r" % (main, box))
        session.act("w.activate(t)")
        wait_for("the box to keep the focus", lambda: [w for w in session.windows() if w["box"] and w["focused"]])
        session._x("xdotool", "key", "Return")
    clock = Countdown(session)
    clock.watch(2)
    check(clock.last is not None, "Alt+S started no game: %r" % session.window()["name"])

    if gnome:
        # Through XWayland, with mutter's title bar above the client area showing the countdown.
        main = session.window()
        check(main["x11"] and main["client"][1] - main["frame"][1] >= 20, "no title bar of mutter's: %r" % main)
        session.screenshot("caption")
    stalled = clock.now()
    if not gnome:
        clock.watch(2.5 * LEVEL_SECONDS, stall=session.sway.pid)
        during = clock.dealt_between(stalled, clock.now())
        check(len(during) >= 2 and all(abs(b - a - LEVEL_SECONDS) <= 1 for a, b in zip(during, during[1:])),
              "with sway stopped for %.1f s at each tick, puzzles came at %r" % (STALL, during))

    session.cover()
    wait_for("the other window to cover the game and take the focus", session.covered)
    covered = clock.now()
    clock.watch(LEVEL_SECONDS + 2)
    check(clock.dealt_between(covered, clock.now()), "a covered window without the focus dealt no puzzle: %r"
          % clock.deals)
    if gnome:
        session.screenshot("covered")

    hidden = clock.now()
    session.hide()
    clock.watch(2.5 * LEVEL_SECONDS)
    check(not clock.dealt_between(hidden + 1.5, clock.now()),
          "puzzles came while the window was hidden from %.1f s on: %r" % (hidden, clock.deals))
    check(clock.last < -LEVEL_SECONDS, "the countdown stopped while hidden: %r" % clock.last)

    shown = clock.now()
    session.show()
    if gnome:
        clock.watch(1)
        session.screenshot("restored")  # the countdown below 0, whole
    clock.watch(LEVEL_SECONDS + 2.5)
    after = clock.dealt_between(shown, clock.now())
    check(after and after[0] >= shown + LEVEL_SECONDS - 1.5,
          "shown again at %.1f s, the next puzzles came at %r" % (shown, after))
    print("deals at %r s; stalled from %.1f, covered at %.1f, hidden at %.1f, shown at %.1f"
          % (clock.deals, stalled, covered, hidden, shown))

    session.quit()
    rc = session.wait_exit()
    check(rc == 0, "the program ended with status %d\n%s" % (rc, session.program_output()))


if __name__ == "__main__":
    gnome = os.environ.get("NUMORA_E2E_DESKTOP") == "gnome"
    harness.run(test, GnomeSession if gnome else WaylandSession, "test_gnome_pause" if gnome else None)

"""On a native Wayland session (sway's headless backend) the main window pauses
while the compositor hides it, although Wayland never tells a client that it is
minimised; unlike X11, a window hidden on another workspace or in the scratchpad
pauses too, as Wayland tells only whether a window is shown. A game
at the 6-second level deals on time while sway stops for 300 ms after each
countdown tick (late frames are no hiding); it keeps dealing while another window
has the focus and covers it; hidden (to sway's scratchpad) while that other window
has the focus, it deals no puzzle for two and a half level periods; shown again, it
deals a full level period later. Deals are read off the countdown in the title: it
restarts at 6 with each deal and runs on below 0 while no puzzle comes.

With NUMORA_E2E_DESKTOP=gnome the same game runs under GNOME Shell (headless,
mutter 43), started as a family starts it: no platform chosen, so through XWayland,
where mutter draws the title bar with the whole countdown; covered it deals on,
minimised or on another workspace it pauses, and a message box sits over it."""

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
from harness import FIRST_WINDOW, STEP, check, wait_for

APP_ID = "com.korvellan.Numora"
LEVEL_SECONDS = 6
TOOLS = {"sway": "sway", "swaymsg": "sway", "wtype": "wtype", "weston-flower": "weston"}
GNOME_TOOLS = {"gnome-shell": "gnome-shell", "Xwayland": "xwayland", "dbus-daemon": "dbus-daemon",
               "gdbus": "libglib2.0-bin", "xdotool": "xdotool", "weston-terminal": "weston"}
# The program's main window, and the other one, to GNOME Shell.
MAIN_JS = "(w.get_title() || '').startsWith('%s') && !w.get_transient_for()" % harness.MAIN
OTHER_JS = "(w.get_wm_class() || '').includes('terminal')"  # weston-terminal: it maximises
STALL = 0.3  # seconds the compositor stops after each countdown tick


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


class GnomeSession(harness.Session):
    """GNOME Shell headless with its own session bus and a private "system" bus for its
    login manager, instead of Xvfb; the program gets GNOME's environment, no platform."""

    buses = ()
    shell = None

    def _start_xvfb(self):
        harness.require_tools(GNOME_TOOLS)
        # mutter starts XWayland only with the world-writable socket folder every system has.
        if os.path.isdir("/tmp/.X11-unix") and os.stat("/tmp/.X11-unix").st_mode & 0o1777 != 0o1777:
            os.chmod("/tmp/.X11-unix", 0o1777)
        self.gs_dir = tempfile.mkdtemp(prefix="numora-gnome-")
        runtime = os.path.join(self.gs_dir, "runtime")
        os.mkdir(runtime, 0o700)
        env = {"PATH": "/usr/bin:/bin", "HOME": self.gs_dir, "XDG_RUNTIME_DIR": runtime,
               "GSETTINGS_BACKEND": "memory", "LANG": "C.UTF-8"}
        buses = []
        for name in ("system", "session"):
            address = "unix:path=" + os.path.join(self.gs_dir, name)
            buses.append(subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--address=" + address],
                                          env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                          preexec_fn=harness._die_with_parent))
            env["DBUS_%s_BUS_ADDRESS" % name.upper()] = address
        self.buses = buses
        self.bus_env = dict(env)
        with open(os.path.join(self.artifacts, "gnome-shell.log"), "wb") as log:
            self.shell = subprocess.Popen(["gnome-shell", "--headless", "--wayland", "--unsafe-mode",
                                           "--virtual-monitor", "1024x768"], env=env, stdout=log,
                                          stderr=subprocess.STDOUT, preexec_fn=harness._die_with_parent)
        harness.wait_for("GNOME Shell to answer", lambda: self.shell.poll() is None and self.eval("1") == 1,
                         2 * STEP)
        # The shell opens its overview once started up: close it, as a login does.
        wait_for("the overview to close", lambda: self.eval("Main.layoutManager._startingUp ? true :"
                                                             " (Main.overview.hide(), Main.overview.visible)") is False)
        self.display = self.eval("GLib.getenv('DISPLAY')")
        self.wayland = {"WAYLAND_DISPLAY": os.path.join(runtime, "wayland-0"), "XDG_RUNTIME_DIR": runtime,
                        "PATH": "/usr/bin:/bin"}
        self.xauthority = self.eval("GLib.getenv('XAUTHORITY')")
        check(self.display and self.xauthority, "GNOME Shell gave no X display")

    def _make_environment(self):
        super()._make_environment()
        del self.env["QT_QPA_PLATFORM"]
        self.env.update(XAUTHORITY=self.xauthority, WAYLAND_DISPLAY=self.wayland["WAYLAND_DISPLAY"],
                        XDG_CURRENT_DESKTOP="GNOME", XDG_SESSION_DESKTOP="gnome", XDG_SESSION_TYPE="wayland")
        self.xenv["XAUTHORITY"] = self.xauthority

    def __exit__(self, *exc):
        harness._stop(self.other)
        super().__exit__(*exc)
        harness._stop(self.shell)
        for bus in self.buses:
            harness._stop(bus)
        if self.shell is not None:
            shutil.rmtree(self.gs_dir, ignore_errors=True)
        return False

    other = None

    def eval(self, js):
        """The value of a JavaScript expression in GNOME Shell, or None if it failed."""
        r = subprocess.run(["gdbus", "call", "--session", "--dest", "org.gnome.Shell", "--object-path",
                            "/org/gnome/Shell", "--method", "org.gnome.Shell.Eval", js],
                           env=self.bus_env, capture_output=True, text=True, timeout=10)
        m = re.fullmatch(r"\(true, (.*)\)\s*", r.stdout, re.S)
        if not m:
            return None
        value = ast.literal_eval(m.group(1))
        return json.loads(value) if value else None

    def windows(self, title=None):
        if title is not None:
            return super().windows(title)  # X11 ids, for xdotool
        return self.eval("global.get_window_actors().map(a => a.meta_window).map(w => {"
                         " const f = w.get_frame_rect(), c = w.frame_rect_to_client_rect(f), t = w.get_transient_for();"
                         " return {name: w.get_title(), x11: w.get_client_type() === 1, wmclass: w.get_wm_class(),"
                         " frame: [f.x, f.y, f.width, f.height], client: [c.x, c.y, c.width, c.height],"
                         " minimized: w.minimized, focused: w.has_focus(), over: t ? t.get_title() : null,"
                         " id: w.get_id()}; })") or []

    def window(self):
        """The main window, or None."""
        found = [w for w in self.windows() if (w["name"] or "").startswith(harness.MAIN) and w["over"] is None]
        return found[0] if found else None

    def act(self, js_on_window, which=MAIN_JS):
        """Runs `js_on_window`, a function of a window and the time, on the first window `which` holds for."""
        check(self.eval("(() => { const w = global.get_window_actors().map(a => a.meta_window).find(w => %s);"
                        " (%s)(w, global.get_current_time()); return 1; })()" % (which, js_on_window)) == 1,
              "GNOME Shell could not run %s" % js_on_window)

    def screenshot(self, name):
        self.shots += 1
        path = os.path.join(self.artifacts, "%02d-%s.png" % (self.shots, name))
        r = subprocess.run(["gdbus", "call", "--session", "--dest", "org.gnome.Shell.Screenshot",
                            "--object-path", "/org/gnome/Shell/Screenshot", "--method",
                            "org.gnome.Shell.Screenshot.Screenshot", "false", "false", path],
                           env=self.bus_env, capture_output=True, text=True, timeout=10)
        check(r.stdout.startswith("(true"), "no screenshot from GNOME Shell: %s%s" % (r.stdout, r.stderr))
        return path


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

    def watch(self, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            self.read()
            time.sleep(0.2)
        return self.deals

    def watch_stalled(self, seconds, pid):
        """Watches with the compositor `pid` stopped from just before each countdown
        tick to STALL after it, while the window waits for its frame."""
        first = self.read()
        while self.read() == first:
            time.sleep(0.02)
        tick = time.monotonic()
        end = tick + seconds
        while tick + 1 < end:
            tick += 1
            time.sleep(max(0, tick - 0.05 - time.monotonic()))
            os.kill(pid, signal.SIGSTOP)
            time.sleep(max(0, tick + STALL - time.monotonic()))
            os.kill(pid, signal.SIGCONT)
            self.read()

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

    stalled = clock.now()
    clock.watch_stalled(2.5 * LEVEL_SECONDS, session.sway.pid)
    during = clock.dealt_between(stalled, clock.now())
    check(len(during) >= 2 and all(abs(b - a - LEVEL_SECONDS) <= 1 for a, b in zip(during, during[1:])),
          "with sway stopped for %.1f s after each tick, puzzles came at %r" % (STALL, during))

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
    check(not clock.dealt_between(hidden + 1.5, clock.now()),
          "puzzles came while the window was hidden from %.1f s on: %r" % (hidden, clock.deals))
    check(clock.last < -LEVEL_SECONDS, "the countdown stopped while hidden: %r" % clock.last)

    shown = clock.now()
    session.sway_command("[app_id=%s] scratchpad show" % APP_ID)
    clock.watch(LEVEL_SECONDS + 2.5)
    after = clock.dealt_between(shown, clock.now())
    check(after and after[0] >= shown + LEVEL_SECONDS - 1.5,
          "shown again at %.1f s, the next puzzles came at %r" % (shown, after))
    print("deals at %r s; stalled from %.1f, covered at %.1f, hidden at %.1f, shown at %.1f"
          % (clock.deals, stalled, covered, hidden, shown))

    session.type_keys("-M", "alt", "-k", "e", "-m", "alt")
    rc = session.wait_exit()
    check(rc == 0, "the program ended with status %d\n%s" % (rc, session.program_output()))


def test_gnome(session):
    # Without the hidden cell's picture the first deal tells the player: a box to place.
    folder = os.path.join(session.tmp, "numora")
    shutil.copytree(os.path.join(os.path.dirname(session.numora), "numpic"), os.path.join(folder, "numpic"))
    os.remove(os.path.join(folder, "numpic", "pnoGus.bmp"))
    session.numora = shutil.copy2(session.numora, folder)
    session.start(online=True)
    main = wait_for(lambda: "the main window on GNOME\n" + session.program_output(), session.window, FIRST_WINDOW)
    check(main["x11"], "the program did not run through XWayland: %r" % main)
    wid = session.wait_window(harness.MAIN)
    session.key(wid, "Tab", "Tab", "Tab", "Down", "Down", "alt+s")

    boxes = wait_for("a message box", lambda: [w for w in session.windows() if w["over"]])
    main, box = session.window(), boxes[0]
    session.screenshot("box")
    centre = lambda x, y, w, h: (x + w / 2, y + h / 2)
    (mx, my), (bx, by), (_, _, mw, mh) = centre(*main["frame"]), centre(*box["frame"]), main["frame"]
    check(abs(mx - bx) <= mw / 6 and abs(my - by) <= mh / 6,
          "the box is not over the middle of its window: window %r, box %r" % (main, box))
    # Activating the window, as a click on it does, gives the focus to its box.
    session.act("(w, t) => w.activate(t)")
    wait_for(lambda: "the box to keep the focus: %r" % session.windows(),
             lambda: [w for w in session.windows() if w["over"] and w["focused"]])
    session._x("xdotool", "key", "Return")
    wait_for("the box to close", lambda: not [w for w in session.windows() if w["over"]])

    clock = Countdown(session)
    clock.watch(2)
    main = session.window()
    # mutter's title bar is above the client area, as wide as the window, the caption whole on it.
    check(clock.last is not None and main["x11"] and main["client"][1] - main["frame"][1] >= 20,
          "no countdown in mutter's title bar: %r" % main)
    session.screenshot("caption")

    session.other = subprocess.Popen(["weston-terminal", "--shell=/bin/cat"], env=session.wayland,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                     preexec_fn=harness._die_with_parent)
    wait_for("the other window", lambda: [w for w in session.windows() if "terminal" in (w["wmclass"] or "")])
    session.act("(w, t) => { w.maximize(Meta.MaximizeFlags.BOTH); w.activate(t); }", OTHER_JS)

    def covering():
        other = [w for w in session.windows() if "terminal" in (w["wmclass"] or "")][0]
        (ox, oy, ow, oh), (x, y, w, h) = other["frame"], session.window()["frame"]
        return other["focused"] and ox <= x and oy <= y and x + w <= ox + ow and y + h <= oy + oh
    wait_for(lambda: "the other window to cover the game with the focus: %r" % session.windows(), covering)
    covered = clock.now()
    session.screenshot("covered")
    clock.watch(LEVEL_SECONDS + 1)
    check(clock.dealt_between(covered, clock.now()), "a window covered at %.1f s dealt no puzzle: %r"
          % (covered, clock.deals))

    hidden = clock.now()
    session.act("(w, t) => w.minimize()")
    clock.watch(2 * LEVEL_SECONDS)
    check(not clock.dealt_between(hidden + 1.5, clock.now()) and clock.last < -LEVEL_SECONDS + 2,
          "puzzles came while the window was minimised from %.1f s on: %r" % (hidden, clock.deals))
    shown = clock.now()
    session.act("(w, t) => { w.unminimize(); w.activate(t); }")
    clock.watch(LEVEL_SECONDS + 2)
    after = clock.dealt_between(shown, clock.now())
    check(after and after[0] >= shown + LEVEL_SECONDS - 1.5,
          "restored at %.1f s, the next puzzles came at %r" % (shown, after))

    # As on X11, a window on another workspace is not minimised: its game goes on.
    away = clock.now()
    session.act("(w, t) => global.workspace_manager.append_new_workspace(true, t)")
    clock.watch(LEVEL_SECONDS + 1)
    check(session.eval("global.workspace_manager.get_active_workspace_index()") != 0
          and clock.dealt_between(away + 1, clock.now()),
          "no puzzle came while the window was on another workspace from %.1f s on: %r" % (away, clock.deals))
    print("deals at %r s; covered at %.1f, minimised at %.1f, restored at %.1f, on another workspace at %.1f"
          % (clock.deals, covered, hidden, shown, away))

    session.key(wid, "alt+e")
    rc = session.wait_exit()
    check(rc == 0, "the program ended with status %d\n%s" % (rc, session.program_output()))


if __name__ == "__main__":
    if os.environ.get("NUMORA_E2E_DESKTOP") == "gnome":
        harness.run(test_gnome, GnomeSession, "test_gnome_pause")
    else:
        harness.run(test, WaylandSession)

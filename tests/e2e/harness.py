"""Drives the real numora binary on a private X server.

Every test gets its own Xvfb (no window manager), a private runtime folder and home,
a fake xdg-open that only records the addresses it is given, and a network namespace
of its own, so that nothing depends on the host: "offline" has no interface but a
loopback that is down, "online" has a veth pair that is up with a default route (no
packet ever leaves it: every address the program opens goes to the fake xdg-open).

Standard library only. Everything started here is stopped by its PID.
"""

import argparse
import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

POLL = 0.05          # seconds between two looks at the screen
FIRST_WINDOW = 20.0  # a sanitizer build takes a while to show its first window
STEP = 10.0          # any later window or state change

SCREEN_W, SCREEN_H = 1024, 768
# The maker's web site, which the program's welcome page and update file are on.
WEB_HOST = os.environ.get("NUMORA_WEB_HOST") or "www.korvellan.example"
# What libcurl and Wine read as the system's trusted certificates.
SYSTEM_CERTIFICATES = "/etc/ssl/certs/ca-certificates.crt"
HERE = os.path.dirname(os.path.abspath(__file__))
CONVERT = "/usr/bin/convert"  # /usr/local/bin/convert on these machines is something else
# Set by --wine-prefix: the program is the Windows build installed in that Wine prefix.
WINE_PREFIX = None
# How much more of the system's own frame lies above the client area than below it,
# which Qt centres with the window: none on X11 without a window manager; under Wine
# Windows' caption, which Wine leaves to a window manager to draw (measured: 22 pixels).
FRAME_ABOVE = 0
WINE = os.path.join(HERE, "..", "..", "packaging", "windows", "wine.sh")
WINESERVER = shutil.which("wineserver") or "/usr/lib/wine/wineserver64"

REQUIRED = {
    "Xvfb": "xvfb",
    "xdotool": "xdotool",
    "xdpyinfo": "x11-utils",
    "xwininfo": "x11-utils",
    "xprop": "x11-utils",
    "import": "imagemagick",
    CONVERT: "imagemagick",
    "unshare": "util-linux",
    "ip": "iproute2",
    "openssl": "openssl",
}

# The online namespace: a veth pair, both ends up, an address and a default route.
# Wait for the carrier so that the program sees the interface running from its first look.
ONLINE_SETUP = (
    "ip link add v0 type veth peer name v1 && ip link set v0 up && ip link set v1 up"
    " && ip addr add 192.0.2.2/24 dev v0 && ip route add default via 192.0.2.1"
    " && i=0 && until ip -o link show v0 | grep -q LOWER_UP;"
    " do i=$((i+1)); [ $i -lt 100 ] || { echo 'v0 never came up' >&2; exit 97; }; sleep 0.02; done"
    ' && exec "$@"'
)


class Failure(Exception):
    """A check that did not hold; the message says what was expected and seen."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, get, timeout=STEP):
    """Polls `get` until it returns something true, and returns that. `what` says
    what is awaited; a callable is asked only on failure, to tell what was seen last."""
    deadline = time.monotonic() + timeout
    while True:
        value = get()
        if value:
            return value
        check(time.monotonic() < deadline, "waited %.0f s for %s" % (timeout, what() if callable(what) else what))
        time.sleep(POLL)


def _die_with_parent():
    # If the test itself is killed (ctest's timeout), take the X server and the
    # program down with it instead of leaving them orphaned.
    libc = ctypes.CDLL(None, use_errno=True)
    PR_SET_PDEATHSIG = 1
    libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def require_tools(required):
    """Fails naming the Debian packages of `required` ({tool: package}) that are missing."""
    missing = sorted({pkg for tool, pkg in required.items()
                      if not (os.access(tool, os.X_OK) if tool.startswith("/") else shutil.which(tool))})
    check(not missing, "missing tools; install the Debian packages: " + " ".join(missing))


def entered(context, start):
    """`context` once start() has run; if start() fails, what it started is stopped."""
    try:
        start()
    except BaseException:
        context.__exit__(None, None, None)
        raise
    return context


def report(name, test):
    """Runs test(); prints "ok NAME" or "FAIL NAME: why" and exits 1 on a Failure."""
    started = time.monotonic()
    try:
        test()
    except Failure as e:
        print("FAIL %s: %s" % (name, e), file=sys.stderr)
        sys.exit(1)
    print("ok %s (%.1f s)" % (name, time.monotonic() - started))


def _stop(proc, grace=3.0):
    if proc is None or proc.poll() is not None:
        return
    proc.terminate()
    try:
        proc.wait(grace)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


class Image:
    """An RGB screenshot."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    @classmethod
    def from_ppm(cls, raw):
        # P6 header: magic, width, height, maxval, each followed by whitespace;
        # comments start with '#'.
        fields, pos = [], 0
        while len(fields) < 4:
            while raw[pos:pos + 1].isspace():
                pos += 1
            if raw[pos:pos + 1] == b"#":
                pos = raw.index(b"\n", pos) + 1
                continue
            end = pos
            while not raw[end:end + 1].isspace():
                end += 1
            fields.append(raw[pos:end])
            pos = end
        pos += 1  # the single whitespace byte before the pixels
        if fields[0] != b"P6" or fields[3] != b"255":
            raise Failure("screenshot is not an 8-bit P6 image: %r" % fields)
        w, h = int(fields[1]), int(fields[2])
        data = raw[pos:pos + 3 * w * h]
        if len(data) != 3 * w * h:
            raise Failure("screenshot is truncated")
        return cls(w, h, data)

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def colours(self):
        return {self.data[i:i + 3] for i in range(0, len(self.data), 3)}


def load_picture(path):
    """Any picture file ImageMagick reads, as RGB."""
    r = subprocess.run([CONVERT, path, "-depth", "8", "ppm:-"], stdout=subprocess.PIPE,
                       stderr=subprocess.PIPE)
    check(r.returncode == 0, "cannot read %s: %s" % (path, r.stderr.decode(errors="replace")))
    return Image.from_ppm(r.stdout)


class Session:
    """One private X server and one run of the program."""

    def __init__(self, numora, artifacts, name):
        self.numora = os.path.abspath(numora)
        self.artifacts = os.path.join(os.path.abspath(artifacts), name)
        self.xvfb = None
        self.wm = None
        self.proc = None
        self.silent = None
        self.web = None
        self.display = None
        self.tmp = None
        self.shots = 0

    # -- set-up and tear-down ------------------------------------------------------

    def __enter__(self):
        require_tools(REQUIRED)
        check(os.access(self.numora, os.R_OK if WINE_PREFIX else os.X_OK), "no program at %s" % self.numora)
        shutil.rmtree(self.artifacts, ignore_errors=True)
        os.makedirs(self.artifacts)
        self.tmp = tempfile.mkdtemp(prefix="numora-e2e-")
        return entered(self, lambda: (self._start_xvfb(), self._make_environment()))

    def __exit__(self, *exc):
        _stop(self.proc)
        _stop(self.silent)
        _stop(self.web)
        _stop(self.wm)
        _stop(self.xvfb)
        if self.tmp:
            shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def _start_xvfb(self):
        # The program runs in another network namespace, where the server's abstract
        # socket is out of reach: it needs the socket file. Xvfb's -displayfd can remove
        # another server's socket file when two start at once, so pick the number here;
        # the lock file Xvfb takes first decides between racing starts. -noreset: the server
        # resets whenever its last client leaves (our readiness probe), and a program that
        # connects in the middle of that reset is turned away.
        log_path = os.path.join(self.artifacts, "xvfb.log")
        first = 100 + (os.getpid() * 7) % 400  # spread out, away from the usual :0 and :99
        for n in list(range(first, 600)) + list(range(100, first)):
            if os.path.exists("/tmp/.X%d-lock" % n) or os.path.exists("/tmp/.X11-unix/X%d" % n):
                continue
            with open(log_path, "ab") as log:
                self.xvfb = subprocess.Popen(
                    ["Xvfb", ":%d" % n, "-screen", "0", "%dx%dx24" % (SCREEN_W, SCREEN_H),
                     "-nolisten", "tcp", "-noreset"],
                    stdout=log, stderr=subprocess.STDOUT, preexec_fn=_die_with_parent)
            if self._xvfb_ready(n):
                self.display = ":%d" % n
                return
            _stop(self.xvfb)
            self.xvfb = None
        raise Failure("no free X display; see %s" % log_path)

    def _xvfb_ready(self, n):
        """True once our server (not another one that won the number) answers on :n."""
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if self.xvfb.poll() is not None:
                return False
            try:
                with open("/tmp/.X%d-lock" % n) as f:
                    owner = int(f.read().strip() or 0)
            except (OSError, ValueError):
                owner = 0
            if (owner == self.xvfb.pid and os.path.exists("/tmp/.X11-unix/X%d" % n)
                    and subprocess.run(["xdpyinfo", "-display", ":%d" % n], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL).returncode == 0):
                return True
            time.sleep(POLL)
        return False

    def _make_environment(self):
        runtime = os.path.join(self.tmp, "runtime")
        os.mkdir(runtime, 0o700)
        home = os.path.join(self.tmp, "home")
        os.makedirs(os.path.join(home, "Documents"))  # where the update check keeps its copy
        fakebin = os.path.join(self.tmp, "bin")
        os.mkdir(fakebin)
        self.url_log = os.path.join(self.tmp, "xdg-open.log")
        with open(os.path.join(fakebin, "xdg-open"), "w") as f:
            f.write("#!/bin/sh\nprintf '%%s\\n' \"$*\" >> '%s'\nexit 0\n" % self.url_log)
        os.chmod(os.path.join(fakebin, "xdg-open"), 0o755)

        # Built from scratch: nothing of the caller's desktop, home or session leaks in.
        self.env = {
            "PATH": fakebin + ":/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin",
            "DISPLAY": self.display,
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_DATA_HOME": os.path.join(home, ".local/share"),
            "LANG": "C.UTF-8",
            "QT_QPA_PLATFORM": "xcb",
            "NO_AT_BRIDGE": "1",
        }
        if "UBSAN_OPTIONS" in os.environ:
            self.env["UBSAN_OPTIONS"] = os.environ["UBSAN_OPTIONS"]
        if WINE_PREFIX:
            # Qt for Windows has its own platform; Wine's printer probe would wait on a
            # loopback that is down, and Wine wants to know whose prefix it is.
            del self.env["QT_QPA_PLATFORM"]
            self.env.update(WINEPREFIX=WINE_PREFIX, USER=os.environ.get("USER", "root"),
                            CUPS_SERVER=os.path.join(self.tmp, "no-cups"))
        # A sanitizer build reports what it finds in the X libraries as well; forgive
        # only their known false alarms and leaks (asan.supp, lsan.supp), never ours.
        for name, rules in (("ASAN_OPTIONS", "asan.supp"), ("LSAN_OPTIONS", "lsan.supp")):
            self.env[name] = self._with_suppressions(os.environ.get(name, ""), rules)
        # Tools that talk to the X server get the same display, outside the namespace.
        self.xenv = dict(os.environ, DISPLAY=self.display)

    def _with_suppressions(self, inherited, ours):
        """`inherited` sanitizer options with our suppressions added. A sanitizer reads one
        suppressions file, so the caller's and ours are merged into one."""
        options, rules = [], []
        for option in filter(None, inherited.split(":")):
            if option.startswith("suppressions="):
                try:
                    with open(option[len("suppressions="):]) as f:
                        rules.append(f.read())
                except OSError:
                    pass
            else:
                options.append(option)
        with open(os.path.join(HERE, ours)) as f:
            rules.append(f.read())
        merged = os.path.join(self.tmp, ours)
        with open(merged, "w") as f:
            f.write("\n".join(rules))
        return ":".join(options + ["suppressions=" + merged])

    def start_window_manager(self):
        """openbox, with a private configuration whose theme puts a title bar above each
        window, so that a frame is lopsided; returns once it manages the screen."""
        check(shutil.which("openbox"), "missing tools; install the Debian package: openbox")
        rc = os.path.join(self.tmp, "openbox-rc.xml")
        with open(rc, "w") as f:
            f.write('<?xml version="1.0"?><openbox_config xmlns="http://openbox.org/3.4/rc">'
                    "<theme><name>Clearlooks</name><titleLayout>NLIMC</titleLayout></theme>"
                    "<desktops><number>1</number></desktops></openbox_config>")
        with open(os.path.join(self.artifacts, "openbox.log"), "wb") as log:
            self.wm = subprocess.Popen(["openbox", "--config-file", rc, "--sm-disable"], env=self.env,
                                       stdout=log, stderr=subprocess.STDOUT, preexec_fn=_die_with_parent)
        # A window mapped before openbox manages the screen would be adopted later, already placed.
        deadline = time.monotonic() + STEP
        while not ("window id #" in self._x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout.decode()
                   and "_NET_FRAME_EXTENTS" in self._x("xprop", "-root", "_NET_SUPPORTED").stdout.decode()):
            check(self.wm.poll() is None and time.monotonic() < deadline, "openbox did not start")
            time.sleep(POLL)

    def frame(self, wid):
        """(x, y, width, height) of the window manager's frame around a window, border included."""
        while True:
            tree = self._x("xwininfo", "-tree", "-id", str(wid)).stdout.decode()
            root = re.search(r"Root window id: (0x[0-9a-f]+)", tree).group(1)
            parent = re.search(r"Parent window id: (0x[0-9a-f]+)", tree).group(1)
            if parent == root:
                break
            wid = int(parent, 16)
        x, y, w, h = self.geometry(wid)
        border = int(re.search(r"Border width:\s*(\d+)", self._x("xwininfo", "-id", str(wid)).stdout.decode()).group(1))
        return x, y, w + 2 * border, h + 2 * border

    # -- the program ---------------------------------------------------------------

    def start(self, online, hosts=None, trusted=None):
        """Starts numora in a network namespace of its own; its PID is the program's.
        `hosts` maps host names to addresses for the program alone (a mount namespace
        with /etc/hosts of its own; loopback up, so that it reaches its own address).
        `trusted` is a certificate file that stands in for the system's bundle of
        trusted ones there (libcurl and Wine both read that bundle)."""
        unshare = ["unshare", "-n"] if os.geteuid() == 0 else ["unshare", "-r", "-n"]
        setup = ONLINE_SETUP
        if hosts:
            path = os.path.join(self.tmp, "hosts")
            with open(path, "w") as f:
                f.write("".join("%s %s\n" % (address, name) for name, address in hosts.items()))
            unshare.append("-m")
            setup = "mount --bind '%s' /etc/hosts && ip link set lo up && %s" % (path, setup)
            if trusted:
                setup = "mount --bind '%s' %s && %s" % (trusted, SYSTEM_CERTIFICATES, setup)
        program = [self.numora]
        if WINE_PREFIX:
            # Wine answers for the network from its own session's processes: a fresh
            # session, begun inside the program's namespace, sees that namespace.
            subprocess.run([WINESERVER, "-k"], env=self.env, stderr=subprocess.DEVNULL)
            subprocess.run([WINESERVER, "-w"], env=self.env)
            program = ["sh", WINE, self.numora]
        if online:
            cmd = unshare + ["sh", "-c", setup, "sh"] + program
        else:
            cmd = unshare + program
        self.program_log = os.path.join(self.artifacts, "numora.log")
        with open(self.program_log, "wb") as log:
            self.proc = subprocess.Popen(cmd, env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                         stdin=subprocess.DEVNULL, preexec_fn=_die_with_parent)
        return self.proc

    def _in_namespace(self):
        """The command prefix that runs a command in the program's network namespace."""
        return ["nsenter", "-t", str(self.proc.pid), "-n"] + ([] if os.geteuid() == 0 else ["-U", "--preserve-credentials"])

    def go_offline(self):
        """Removes the default route of the program's network namespace: the connection goes."""
        r = subprocess.run(self._in_namespace() + ["ip", "route", "del", "default"], capture_output=True, timeout=10)
        check(r.returncode == 0, "the route stayed: %s" % r.stderr.decode(errors="replace"))

    def silent_server(self, address, port, seconds):
        """In the program's namespace, a listener whose connections the kernel accepts
        and nobody ever speaks on, for `seconds`; stopped with the session."""
        code = ("import socket, sys, time; s = socket.socket(); s.bind((sys.argv[1], int(sys.argv[2]))); "
                "s.listen(8); print('up', flush=True); time.sleep(float(sys.argv[3]))")
        self.silent = subprocess.Popen(self._in_namespace() + [sys.executable, "-c", code, address, str(port), str(seconds)],
                                       stdout=subprocess.PIPE, preexec_fn=_die_with_parent)
        check(self.silent.stdout.readline() == b"up\n", "the silent server did not start")

    def web_certificate(self):
        """The file of a certificate for WEB_HOST made for this session (its key beside it)."""
        cert = os.path.join(self.tmp, "web-cert.pem")
        if not os.path.exists(cert):
            r = subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                                "-subj", "/CN=" + WEB_HOST, "-addext", "subjectAltName=DNS:" + WEB_HOST,
                                "-keyout", os.path.join(self.tmp, "web-key.pem"), "-out", cert],
                               capture_output=True)
            check(r.returncode == 0, "openssl made no certificate: %s" % r.stderr.decode(errors="replace"))
        return cert

    def https_server(self, root, address, port=443):
        """In the program's namespace, the tests' HTTPS server on address:port with the
        web certificate, serving the files under `root`; stopped with the session."""
        port_file = os.path.join(self.tmp, "https-port")
        server = os.path.join(HERE, "..", "online", "https_server.py")
        self.web = subprocess.Popen(
            self._in_namespace() + [sys.executable, server, self.web_certificate(),
                                    os.path.join(self.tmp, "web-key.pem"), port_file, "3600", address,
                                    str(port), root], preexec_fn=_die_with_parent)
        wait_for("the HTTPS server to listen", lambda: os.path.exists(port_file) or self.web.poll() is not None)
        check(self.web.poll() is None, "the HTTPS server ended with status %s" % self.web.returncode)

    def wait_exit(self, timeout=3 * STEP):  # a sanitizer build checks for leaks as it ends
        try:
            rc = self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end within %.0f s" % timeout)
        return rc

    def program_output(self, lines=40):
        try:
            with open(self.program_log, "rb") as f:
                return b"\n".join(f.read().splitlines()[-lines:]).decode(errors="replace")
        except OSError:
            return ""

    def opened_urls(self):
        try:
            with open(self.url_log) as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    def wait_urls(self, count, timeout=STEP):
        wait_for(lambda: "%d opened address(es), got %r" % (count, self.opened_urls()),
                 lambda: len(self.opened_urls()) >= count, timeout)
        return self.opened_urls()

    # -- windows -------------------------------------------------------------------

    def _x(self, *args, timeout=10):
        try:
            return subprocess.run(args, env=self.xenv, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                  timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("%s did not answer within %d s" % (" ".join(args), timeout))

    def windows(self, title):
        """IDs of the visible windows whose title is exactly `title`."""
        if title.isascii():
            r = self._x("xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(title))
            return [int(w) for w in r.stdout.split()]
        # xdotool matches the name in its old Latin-1 form, which our UTF-8 titles are not: compare them here.
        named = self._x("xdotool", "search", "--onlyvisible", "--name", ".").stdout.split()
        return [int(w) for w in named
                if self._x("xdotool", "getwindowname", w).stdout.decode(errors="replace").rstrip("\n") == title]

    def toplevels(self):
        """IDs of every visible top-level window, named or not (menus have no title of ours)."""
        r = self._x("xdotool", "search", "--onlyvisible", "--maxdepth", "1", "--name", "")
        return {int(w) for w in r.stdout.split()}

    def wait_window(self, title, timeout=STEP):
        deadline = time.monotonic() + timeout
        while True:
            found = self.windows(title)
            if found:
                check(len(found) == 1, "%d windows titled %r" % (len(found), title))
                return found[0]
            if self.proc is not None and self.proc.poll() is not None:
                raise Failure("the program ended (status %s) before a window titled %r appeared\n%s"
                              % (self.proc.returncode, title, self.program_output()))
            if time.monotonic() > deadline:
                self.screenshot_root("missing-window")
                raise Failure("no window titled %r within %.0f s" % (title, timeout))
            time.sleep(POLL)

    def wait_gone(self, title, timeout=STEP):
        wait_for("the window titled %r to go" % title, lambda: not self.windows(title), timeout)

    def geometry(self, wid):
        """(x, y, width, height) of a window's client area, x and y on the screen."""
        out = self._x("xwininfo", "-id", str(wid)).stdout.decode()
        def field(name):
            m = re.search(r"^\s*%s:\s*(-?\d+)" % re.escape(name), out, re.M)
            check(m, "xwininfo gave no %r for window %d" % (name, wid))
            return int(m.group(1))
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"),
                field("Width"), field("Height"))

    def focus(self, wid):
        # No window manager: give the focus directly, never "activate".
        r = self._x("xdotool", "windowfocus", "--sync", str(wid))
        check(r.returncode == 0, "could not focus window %d: %s" % (wid, r.stderr.decode()))

    def key(self, wid, *keys):
        self.focus(wid)
        r = self._x("xdotool", "key", "--delay", "30", *keys)
        check(r.returncode == 0, "xdotool key %s failed" % " ".join(keys))

    def click(self, wid, x, y):
        """Left click at (x, y) relative to the window's top-left corner."""
        r = self._x("xdotool", "mousemove", "--window", str(wid), str(x), str(y), "click", "1")
        check(r.returncode == 0, "click at %d,%d failed" % (x, y))

    def window_icon(self, wid):
        """The first image of the window's _NET_WM_ICON, as RGB."""
        r = self._x("xprop", "-id", str(wid), "-notype", "-f", "_NET_WM_ICON", "32c", " = $0+\n",
                    "_NET_WM_ICON")
        m = re.search(r" = (\d.*)", r.stdout.decode())
        check(m, "window %d has no icon" % wid)
        values = [int(v) for v in m.group(1).split(",")]
        w, h = values[0], values[1]
        argb = values[2:2 + w * h]
        check(len(argb) == w * h, "window %d has a truncated icon" % wid)
        return Image(w, h, bytes(c for v in argb for c in ((v >> 16) & 255, (v >> 8) & 255, v & 255)))

    # -- pixels --------------------------------------------------------------------

    def grab(self, wid=None):
        target = "root" if wid is None else str(wid)
        r = self._x("import", "-silent", "-window", target, "-depth", "8", "ppm:-", timeout=20)
        check(r.returncode == 0, "import failed: %s" % r.stderr.decode(errors="replace"))
        return Image.from_ppm(r.stdout)

    def wait_painted(self, wid, timeout=STEP):
        """A screenshot once the window shows more than one colour (it has been drawn)."""
        def drawn():
            img = self.grab(wid)
            return img if len(img.colours()) > 2 else None
        return wait_for("window %d to be drawn" % wid, drawn, timeout)

    def save(self, img, name):
        """Keeps a screenshot as <artifacts>/<test>/NN-name.png."""
        self.shots += 1
        path = os.path.join(self.artifacts, "%02d-%s.png" % (self.shots, name))
        header = b"P6\n%d %d\n255\n" % (img.width, img.height)
        subprocess.run([CONVERT, "ppm:-", path], input=header + img.data, check=True)
        return path

    def screenshot_root(self, name):
        try:
            self.save(self.grab(), name)
        except Exception:  # a diagnosis must not hide the failure it explains
            pass


# -- the program's windows ---------------------------------------------------------

MAIN = "KORVELLAN"
MULT = "KORVELLAN : Multiplication Game"
NO_INTERNET = "KORVELLAN : Internet Required."

MAIN_CLIENT = (300, 309)  # 4500 x 4635 twips, below the menu bar
# Left and top, in twips (15 to a pixel), of the main window's nine grid cells.
MAIN_CELLS = [(165, 1110), (870, 1110), (1545, 1110), (165, 1935), (870, 1935), (1545, 1935),
              (165, 2745), (870, 2745), (1545, 2730)]
NUMBER_PICTURES = ["pno%d.bmp" % d for d in range(1, 10)] + ["pnoGus.bmp"]
MULT_CLIENT = (300, 278)  # 4500 x 4170 twips


def number_pictures(folder):
    """{file name: picture} of the nine digits and the placeholder in `folder`."""
    return {name: load_picture(os.path.join(folder, name)) for name in NUMBER_PICTURES}


def cell_pictures(img, bar, pictures, cells=MAIN_CELLS, search=3, margin=3):
    """The names of the pictures the cells (left and top in twips) show in a grab of
    a window, None where a cell shows none. A picture may start `search` pixels off
    its cell's corner, and the "+" labels cover `margin` pixels of its edges."""
    def at(x0, y0):
        for name, pic in pictures.items():
            inside = range(margin, pic.height - margin)
            for y in range(y0 - search, y0 + search + 1):
                for x in range(x0 - search, x0 + search + 1):
                    if x < 0 or y < 0 or x + pic.width > img.width or y + pic.height > img.height:
                        continue
                    row = lambda im, left, r: im.data[3 * (r * im.width + left + margin):
                                                      3 * (r * im.width + left + pic.width - margin)]
                    if all(row(img, x, y + r) == row(pic, 0, r) for r in inside):
                        return name
        return None
    return [at(left // 15, top // 15 + bar) for left, top in cells]


def menu_bar_height(session, wid, client_height):
    return session.geometry(wid)[3] - client_height


def choose_first_file_item(session, wid, bar):
    choose_file_item(session, wid, bar, lambda popup_height: 10)


def choose_file_item(session, wid, bar, item_y):
    """File is the first title on the menu bar; its menu opens as a new top-level window,
    and the item at item_y(the menu's height) is clicked."""
    before = session.toplevels()
    session.click(wid, 15, bar // 2)
    # Wait for the menu itself: a click that came too early would land on the window
    # below it (the start button lies right under the menu bar).
    popups = wait_for("the File menu to open", lambda: session.toplevels() - before)
    check(len(popups) == 1, "%d windows opened on a click on File" % len(popups))
    popup = popups.pop()
    shown = session.wait_painted(popup)
    session.click(popup, 30, item_y(shown.height))


def open_multiplication(session, main, title=MULT):
    bar = menu_bar_height(session, main, MAIN_CLIENT[1])
    choose_first_file_item(session, main, bar)
    mult = session.wait_window(title)
    session.wait_gone(MAIN)
    return mult


def exit_multiplication(session, mult):
    session.key(mult, "alt+e")
    main = session.wait_window(MAIN)
    session.wait_gone(MULT)
    return main


def exit_main(session, main):
    session.key(main, "alt+e")
    rc = session.wait_exit()
    check(rc == 0, "the program ended with status %d\n%s" % (rc, session.program_output()))


def run(test, kind=Session, name=None):
    """Entry point of a test script: parses --numora/--artifacts, runs test(session);
    its artefacts go under `name`, by default the script's."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--numora", required=True, help="path of the numora executable")
    parser.add_argument("--artifacts", default="e2e-artifacts", help="folder for screenshots and logs")
    parser.add_argument("--wine-prefix", help="--numora is the Windows program installed in this Wine prefix")
    args = parser.parse_args()
    global WINE_PREFIX, FRAME_ABOVE
    WINE_PREFIX = args.wine_prefix
    FRAME_ABOVE = 22 if WINE_PREFIX else 0
    name = name or os.path.splitext(os.path.basename(sys.argv[0]))[0]

    def in_session():
        with kind(args.numora, args.artifacts, name) as session:
            try:
                test(session)
            except Failure as e:
                session.screenshot_root("at-failure")
                raise Failure("%s\nartefacts: %s" % (e, session.artifacts))

    report(name, in_session)

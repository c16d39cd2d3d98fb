"""A private X display with Wine on it, for driving Windows programs as a
person would: real X input (xdotool), what X shows (xwininfo, the X shape,
screenshots) and the Windows clipboard as X sees it (xclip).

Every wait has a deadline; nothing here sleeps a fixed time to let something
happen. X clients that can hang on Wine's windows (xdotool search) are not
used: windows are found in `xwininfo -root -tree`, each call under a timeout.
"""
import contextlib
import ctypes
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

DEADLINE = 60.0  # seconds: a loaded machine under Wine is slow, never this slow

# Wine without its Mono and Gecko prompts, and without making desktop entries
# of this machine's user for an installer's shortcuts.
WINE_DLL_OVERRIDES = "mscoree,mshtml=;winemenubuilder.exe=d"


class Failure(Exception):
    pass


def check(condition, message):
    """One line of a test's report: "ok" and the message, or a Failure."""
    if not condition:
        raise Failure(message)
    print(f"ok   {message}")


def wait_until(what, probe, deadline=DEADLINE, step=0.1):
    """probe() until it returns something true; Failure naming `what` at the deadline."""
    end = time.monotonic() + deadline
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(step)


class Display:
    """A private Xvfb; the server picks its own free display number."""

    def __init__(self, screen="1280x1024x24", dpi=96):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-dpi", str(dpi), "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        self.name = f":{number}"

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=30)


class Session:
    """Wine on a private display, in the prefix `prefix` (made when missing)."""

    def __init__(self, prefix, screen="1280x1024x24", dpi=96):
        self.display = Display(screen, dpi)
        self.env = dict(os.environ)
        self.env.update(DISPLAY=self.display.name, WINEPREFIX=os.path.abspath(prefix), WINEDEBUG="-all",
                        WINEDLLOVERRIDES=WINE_DLL_OVERRIDES, LC_ALL="C.UTF-8")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("XDG_SESSION_TYPE", None)
        self._x11 = None
        if not os.path.isdir(os.path.join(prefix, "drive_c")):
            self.run(["wineboot", "--init"], timeout=300)
        self.run(["wineserver", "--wait"], timeout=300)

    def close(self):
        subprocess.run(["wineserver", "--kill"], env=self.env, check=False, timeout=60)
        self.display.close()

    # ------------------------------------------------------------ processes
    def run(self, command, timeout=DEADLINE, check=True, text=True, **kwargs):
        return subprocess.run(command, env=self.env, timeout=timeout, check=check,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=text, **kwargs)

    def start(self, windows_program, *arguments):
        """A Windows program under wine; its status is the Popen's."""
        return subprocess.Popen(["wine", windows_program, *arguments], env=self.env,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)

    def wine_path(self, path):
        return self.run(["winepath", "--windows", path]).stdout.strip()

    # ------------------------------------------------------------ windows
    def windows(self):
        """{title: [x11 id, ...]} of the mapped windows that have a name."""
        out = self.run(["xwininfo", "-root", "-tree"], timeout=20).stdout
        found = {}
        for match in re.finditer(r'^\s+(0x[0-9a-f]+) "(.*)": \(.*?\)\s+\d+x\d+\+-?\d+\+-?\d+', out, re.M):
            ident, title = match.group(1), match.group(2)
            if self.viewable(ident):
                found.setdefault(title, []).append(ident)
        return found

    def viewable(self, ident):
        out = self.run(["xwininfo", "-id", ident], timeout=20, check=False).stdout
        return "Map State: IsViewable" in out

    def wait_window(self, title, deadline=DEADLINE):
        return wait_until(f'a window "{title}"', lambda: (self.windows().get(title) or [None])[0], deadline)

    def wait_gone(self, title, deadline=DEADLINE):
        wait_until(f'the window "{title}" to go', lambda: title not in self.windows(), deadline)

    def geometry(self, ident):
        """(x, y, width, height) of a window on the screen."""
        out = self.run(["xwininfo", "-id", ident], timeout=20).stdout
        value = lambda label: int(re.search(rf"{label}:\s+(-?\d+)", out).group(1))
        return (value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height"))

    # ------------------------------------------------------------ input
    def xdotool(self, *arguments):
        self.run(["xdotool", *map(str, arguments)], timeout=30)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "click", button)

    def drag(self, x, y, dx, dy, button=1, steps=10):
        """Press at (x, y), move by (dx, dy) in steps, release."""
        self.xdotool("mousemove", x, y, "mousedown", button)
        for i in range(1, steps + 1):
            self.xdotool("mousemove", x + dx * i // steps, y + dy * i // steps)
        self.xdotool("mouseup", button)

    def keys(self, *names):
        self.xdotool("key", "--delay", 30, *names)

    def type(self, text):
        self.xdotool("type", "--delay", 60, text)

    def clipboard(self):
        return self.run(["xclip", "-selection", "clipboard", "-out", "-target", "UTF8_STRING"],
                        timeout=20, check=False).stdout

    def clear_clipboard(self):
        subprocess.run(["xclip", "-selection", "clipboard", "-in"], input="", text=True, env=self.env,
                       timeout=20, check=True)

    # ------------------------------------------------------------ pictures
    def screenshot(self, path, box):
        x, y, w, h = box
        self.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage", path], timeout=60)
        return path

    def settled_screenshot(self, path, box, deadline=DEADLINE):
        """A screenshot of `box` once it shows a drawing (more than one
        colour) that has stopped changing: a window is mapped before it is
        painted, and a loaded machine paints late. A drawing seen in one of
        the two shots before counts as settled, so that a blinking caret
        does not keep it changing."""
        seen = []

        def probe():
            self.screenshot(path, box)
            pixels = self.run(["convert", path, "-depth", "8", "rgb:-"], timeout=60, text=False).stdout
            drawn = pixels != pixels[:3] * (len(pixels) // 3)
            settled = drawn and pixels in seen
            seen[:] = (seen + [pixels])[-2:]
            return settled

        wait_until(f"a settled drawing of {box}", probe, deadline, step=0.3)
        return path

    def shape(self, ident):
        """The window's X bounding shape as a sorted list of (x, y, w, h)."""
        if self._x11 is None:
            self._x11 = _X11(self.display.name)
        return self._x11.shape(int(ident, 16))


class _XRectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort)]


class _X11:
    """The X shape extension through libX11 and libXext."""

    def __init__(self, display_name):
        self.xlib = ctypes.CDLL("libX11.so.6")
        self.xext = ctypes.CDLL("libXext.so.6")
        self.xlib.XOpenDisplay.restype = ctypes.c_void_p
        self.xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.xlib.XFree.argtypes = [ctypes.c_void_p]
        self.xext.XShapeGetRectangles.restype = ctypes.POINTER(_XRectangle)
        self.xext.XShapeGetRectangles.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                                  ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
        self.display = self.xlib.XOpenDisplay(display_name.encode())
        if not self.display:
            raise Failure(f"cannot open {display_name}")

    def shape(self, window):
        count, ordering = ctypes.c_int(), ctypes.c_int()
        rects = self.xext.XShapeGetRectangles(self.display, window, 0, ctypes.byref(count), ctypes.byref(ordering))
        result = sorted((rects[i].x, rects[i].y, rects[i].width, rects[i].height) for i in range(count.value))
        if rects:
            self.xlib.XFree(rects)
        return result


def shape_pixels(rects):
    """The set of pixels a list of rectangles covers (to compare shapes made of
    rectangles cut differently)."""
    pixels = set()
    for x, y, w, h in rects:
        for row in range(y, y + h):
            pixels.update((col, row) for col in range(x, x + w))
    return pixels


@contextlib.contextmanager
def session(prefix=None, **kwargs):
    owned = prefix is None
    prefix = prefix or tempfile.mkdtemp(prefix="wine-prefix-")
    s = Session(prefix, **kwargs)
    try:
        yield s
    finally:
        s.close()
        if owned:
            shutil.rmtree(prefix, ignore_errors=True)


def end(process, timeout=30):
    """Ends a program started with Session.start if it is still running."""
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()

#!/usr/bin/env python3
"""The Windows program under Wine, used as a person would with real X input,
beside the Debian program on the same display.

  black_box.py --exe loanword-dictionary.exe --native LINUX_PROGRAM
               --window-table WINDOW_TABLE --source SOURCE_ROOT --out DIR [--prefix WINEPREFIX]

Checks, in order: the splash, then the main window; the main window cut to
the same outline as the Debian program's (its X shape), with its screenshot's
corners outside it; typing "Kj" shows row 9's meaning (read back through the
Windows clipboard as Unicode Bengali); a drag on the background by (+150,
+100) with the left button, then with the right, moves the window by that
much and leaves it there; the keyboard window's "K" key writes into the
search box; the help window's link is handed to the shell's "open" (Wine's
browser); "x" then "Yes" ends the program with status 0. Then, at display
scales of 150 % and 200 % (Wine's LogPixels), the main window is that much
larger and its picture is drawn as crisp as the Debian program's at the same
scale. Screenshots of
both programs are left in DIR (main-debian.png, main-windows.png, and the
difference, main-difference.png) and the number of differing pixels is
printed. Exit status 0 when every check passes.
"""
import argparse
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wine_session  # noqa: E402
from wine_session import Failure, check, wait_until  # noqa: E402

SEARCH = "Kj"
SEARCH_ROW = 9
DRAG = (150, 100)


class Layouts:
    """Window titles and control boxes, from the window table."""

    def __init__(self, tool):
        self.tool = tool

    def title(self, window):
        return subprocess.run([self.tool, "--title", window], check=True, stdout=subprocess.PIPE,
                              text=True).stdout.rstrip("\n")

    def controls(self, window):
        out = subprocess.run([self.tool, "--controls", window], check=True, stdout=subprocess.PIPE,
                             text=True).stdout
        boxes = {}
        for line in out.splitlines():
            name, *numbers = line.split()
            boxes[name] = tuple(map(int, numbers))
        return boxes

    def size(self, window):
        out = subprocess.run([self.tool, "--box", window], check=True, stdout=subprocess.PIPE, text=True).stdout
        return tuple(map(int, out.split()))[2:]

    def background_point(self, window):
        """A point of the window's background, clear of every control and of
        the rounded corners, nearest the window's middle."""
        width, height = self.size(window)
        boxes = self.controls(window).values()
        clear = lambda x, y: all(not (bx - 4 <= x < bx + bw + 4 and by - 4 <= y < by + bh + 4)
                                 for bx, by, bw, bh in boxes)
        points = [(x, y) for y in range(30, height - 30, 5) for x in range(30, width - 30, 5)]
        points.sort(key=lambda p: (p[0] - width / 2) ** 2 + (p[1] - height / 2) ** 2)
        for x, y in points:
            if clear(x, y):
                return x, y
        raise Failure(f"no background in {window}")


def centre(box, origin):
    x, y, w, h = box
    return origin[0] + x + w // 2, origin[1] + y + h // 2


def unicode_of(data_dir, row, field):
    with open(os.path.join(data_dir, "word-table-unicode.tsv"), encoding="utf-8") as table:
        for line in table:
            cells = line.rstrip("\n").split("\t")
            if cells[0] == str(row) and cells[1] == field:
                return cells[3]
    raise Failure(f"no {field} of row {row} in the word table")


def read_text(path):
    try:
        with open(path, encoding="utf-8") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def web_address(source, name):
    """An address the help window opens, as layouts/WebAddresses.h writes it."""
    text = read_text(os.path.join(source, "layouts", "WebAddresses.h"))
    match = re.search(name + r'\s*=\s*"([^"]+)"', text)
    if not match:
        raise Failure(f"no {name} in layouts/WebAddresses.h")
    return match.group(1)


def copied_text(s, point):
    """What the text box at `point` gives the Windows clipboard, as X reads it."""
    s.clear_clipboard()
    s.click(*point)
    s.keys("ctrl+a", "ctrl+c")
    return wait_until("the clipboard", s.clipboard, deadline=20)


def search(s, main, controls, picture):
    """Types the search into the main window, reads its meaning back through
    the clipboard, puts the focus back in the search box and takes the
    window's picture: the same steps for both programs, so that their
    pictures compare."""
    x, y, w, h = s.geometry(main)
    s.click(*centre(controls["Text1"], (x, y)))
    s.type(SEARCH)
    shown = copied_text(s, centre(controls["Text2"], (x, y)))
    s.click(*centre(controls["Text1"], (x, y)))
    s.keys("End")
    s.settled_screenshot(picture, (x, y, w, h))
    return shown


def debian_main_window(s, native, layouts, out):
    """The Debian program's main window on the same display: its shape and
    its picture after the same search."""
    env = dict(s.env, QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([native], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        main = s.wait_window(layouts.title("main"))
        shape = s.shape(main)
        picture = os.path.join(out, "main-debian.png")
        search(s, main, layouts.controls("main"), picture)
        return shape, picture
    finally:
        wine_session.end(process)


def set_dpi(s, dpi):
    """The display's scale as Wine tells it to programs (96: 100 %)."""
    s.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
           "/d", str(dpi), "/f"])


def scaled(s, args, layouts, ratio):
    """The main window at a display scale: its size, and its picture beside
    the Debian program's at the same scale (the logo, which is all picture:
    a picture drawn for a smaller scale and stretched would differ)."""
    dpi = round(96 * ratio)
    set_dpi(s, dpi)
    width, height = layouts.size("main")
    logo = [round(v * ratio) for v in (8, 8, 240, 48)]
    pictures = {}
    for name, command, env in (
            ("windows", ["wine", args.exe], {}),
            ("debian", [args.native], {"QT_QPA_PLATFORM": "xcb", "QT_SCALE_FACTOR": str(ratio)})):
        process = subprocess.Popen(command, env=dict(s.env, **env), stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            main = s.wait_window(layouts.title("main"))
            x, y, w, h = s.geometry(main)
            if name == "windows":
                check((w, h) == (int(width * ratio + 0.5), int(height * ratio + 0.5)),
                      f"at {dpi} dots per inch the main window is {w}x{h}")
            pictures[name] = s.settled_screenshot(os.path.join(args.out, f"main-{name}-{dpi}dpi.png"),
                                          (x + logo[0], y + logo[1], logo[2], logo[3]))
        finally:
            wine_session.end(process)
            s.wait_gone(layouts.title("main"))
    differing = subprocess.run(["compare", "-metric", "AE", "-fuzz", "10%", pictures["windows"],
                                pictures["debian"], "null:"], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               text=True).stdout.split()[0]
    check(float(differing) <= 0.01 * logo[2] * logo[3],
          f"at {dpi} dots per inch the logo is drawn as on Debian ({differing} of {logo[2] * logo[3]} pixels differ)")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--native", required=True)
    parser.add_argument("--window-table", required=True)
    parser.add_argument("--source", required=True, help="the source tree (tests/data, layouts/)")
    parser.add_argument("--out", required=True)
    parser.add_argument("--prefix")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    layouts = Layouts(args.window_table)
    main_controls = layouts.controls("main")

    with wine_session.session(args.prefix) as s:
        debian_shape, debian_picture = debian_main_window(s, args.native, layouts, args.out)
        s.wait_gone(layouts.title("main"))

        # Wine's shell opens web addresses with the first of its registry's
        # browsers: a script that writes down what it was given.
        opened_file = os.path.join(args.out, "opened-address.txt")
        recorder = os.path.join(args.out, "record-address")
        with open(recorder, "w") as script:
            script.write(f'#!/bin/sh\nprintf "%s\\n" "$1" > "{opened_file}"\n')
        os.chmod(recorder, 0o755)
        if os.path.exists(opened_file):
            os.remove(opened_file)
        s.run(["wine", "reg", "add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/t", "REG_SZ",
               "/d", recorder, "/f"])
        set_dpi(s, 96)

        program = s.start(args.exe)
        try:
            # The splash, then the main window in its place.
            s.wait_window(layouts.title("splash"))
            print("ok   the splash is shown first")
            main = s.wait_window(layouts.title("main"))
            s.wait_gone(layouts.title("splash"))
            print("ok   the main window replaces the splash")

            # The outline: the window region, as the X shape Wine gives the window.
            x, y, w, h = s.geometry(main)
            shape = s.shape(main)
            check(wine_session.shape_pixels(shape) == wine_session.shape_pixels(debian_shape),
                  f"the main window's X shape is the Debian program's outline ({len(shape)} rectangles)")
            corners = os.path.join(args.out, "main-windows-corners.png")
            s.settled_screenshot(corners, (x, y, w, h))
            pixel = lambda px, py: subprocess.run(
                ["convert", corners, "-format", f"%[pixel:p{{{px},{py}}}]", "info:"],
                check=True, stdout=subprocess.PIPE, text=True).stdout
            black = {"black", "srgb(0,0,0)", "rgb(0,0,0)"}  # Xvfb's empty root
            outside = {pixel(0, 0), pixel(w - 1, 0), pixel(0, h - 1), pixel(w - 1, h - 1)}
            check(outside <= black and pixel(w // 2, 1) not in black,
                  "the screenshot's corners show the desktop behind the rounded outline")

            # A typed search selects its row and shows its meaning.
            meaning = unicode_of(os.path.join(args.source, "tests", "data"), SEARCH_ROW, "meaning")
            picture = os.path.join(args.out, "main-windows.png")
            shown = search(s, main, main_controls, picture)
            check(shown == meaning, f'typing "{SEARCH}" shows row {SEARCH_ROW}\'s meaning "{meaning}" '
                                    f'(copied as "{shown}")')
            difference = os.path.join(args.out, "main-difference.png")
            differing = subprocess.run(["compare", "-metric", "AE", picture, debian_picture, difference],
                                       stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True).stdout
            print(f"info the main window after the search differs from Debian's in {differing.split()[0]} "
                  f"of {w * h} pixels ({difference})")

            # Drags on the background, with the left button (the caption-drag
            # move) and the right (followed by the program).
            for button, name in ((1, "left"), (3, "right")):
                bx, by = layouts.background_point("main")
                x0, y0 = s.geometry(main)[:2]
                s.drag(x0 + bx, y0 + by, *DRAG, button=button)
                moved = wait_until("the window to stop", lambda: (
                    lambda g: g if abs(g[0] - x0 - DRAG[0]) <= 2 and abs(g[1] - y0 - DRAG[1]) <= 2 else None)(
                        s.geometry(main)), deadline=20)
                check(True, f"a {name} drag on the background by {DRAG} moved the window by "
                            f"({moved[0] - x0}, {moved[1] - y0})")
                s.xdotool("mousemove_relative", "--", -60, -40)
                after = s.geometry(main)
                check(after[:2] == moved[:2], f"after the {name} drag the window stays where it was left")

            # The keyboard window writes into the search box.
            x, y = s.geometry(main)[:2]
            s.click(*centre(main_controls["Label6"], (x, y)))
            keyboard = s.wait_window(layouts.title("keyboard"))
            # Off the main window, as a user would put it: to the screen's left.
            kx, ky = s.geometry(keyboard)[:2]
            bx, by = layouts.background_point("keyboard")
            s.drag(kx + bx, ky + by, -kx, 0)
            kx, ky = wait_until("the keyboard at the left", lambda: (
                lambda g: g if g[0] == 0 else None)(s.geometry(keyboard)), deadline=20)[:2]
            keyboard_controls = layouts.controls("keyboard")
            s.clear_clipboard()
            s.click(*centre(main_controls["Text1"], (x, y)))
            s.keys("ctrl+a", "BackSpace")
            s.click(*centre(keyboard_controls["Image14"], (kx, ky)))  # the key of "K"
            typed = copied_text(s, centre(main_controls["Text1"], (x, y)))
            check(typed == "\u0995", f'the keyboard\'s "K" key wrote "\u0995" into the search box (copied "{typed}")')
            s.click(*centre(keyboard_controls["Image52"], (kx, ky)))
            s.wait_gone(layouts.title("keyboard"))

            # The help window's link goes to the shell's "open", which Wine
            # hands to the browser of its registry: here a recorder.
            s.click(*centre(main_controls["Label8"], (x, y)))
            help_window = s.wait_window(layouts.title("help"))
            hx, hy = s.geometry(help_window)[:2]
            s.click(*centre(layouts.controls("help")["Label10"], (hx, hy)))
            opened = wait_until("the browser to be started", lambda: read_text(opened_file), deadline=30)
            expected = web_address(args.source, "kOnlineTermsAddress")
            check(opened.strip() == expected, f'the help window\'s link opened "{opened.strip()}" in the browser')
            s.click(*centre(layouts.controls("help")["Image1"], (hx, hy)))
            s.wait_gone(layouts.title("help"))

            # "x", then "Yes": the end, with status 0.
            s.click(*centre(main_controls["Label2"], (x, y)))
            exit_window = s.wait_window(layouts.title("exit"))
            ex, ey = s.geometry(exit_window)[:2]
            s.click(*centre(layouts.controls("exit")["Image1"], (ex, ey)))
            status = program.wait(timeout=wine_session.DEADLINE)
            check(status == 0, f'"x" then "Yes" ended the program with status {status}')
        finally:
            wine_session.end(program)
        for ratio in (1.5, 2):
            scaled(s, args, layouts, ratio)
        set_dpi(s, 96)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (Failure, subprocess.SubprocessError) as error:
        print(f"FAIL {error}", file=sys.stderr)
        sys.exit(1)

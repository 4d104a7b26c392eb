"""The X display the tests look at and act on: screenshots, windows, pointer and keys."""

import os
import re
import subprocess
import time

from pictures import read_ppm

DEFAULT_TIMEOUT = 30.0


class Timeout(AssertionError):
    pass


def wait_for(condition, what, timeout=DEFAULT_TIMEOUT, interval=0.1):
    """Polls `condition` until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Timeout("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(interval)


class Window:
    def __init__(self, wid, name, x, y, width, height):
        self.id, self.name, self.x, self.y, self.width, self.height = wid, name, x, y, width, height

    def __repr__(self):
        return "Window(%#x %r %dx%d+%d+%d)" % (self.id, self.name, self.width, self.height, self.x, self.y)


_TREE_LINE = re.compile(r'^\s+(0x[0-9a-f]+) (?:"(.*)"|\(has no name\)): \(.*?\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+)')


class Display:
    def __init__(self, name):
        self.name = name
        self.env = dict(os.environ, DISPLAY=name)
        self._last_left_press = (0.0, -100, -100)

    def run(self, *args, check=True):
        return subprocess.run(args, env=self.env, check=check, stdout=subprocess.PIPE, stderr=subprocess.PIPE)

    def screenshot(self):
        out = self.run("import", "-window", "root", "-depth", "8", "ppm:-").stdout
        return read_ppm(out)

    def set_root_picture(self, picture, path):
        with open(path, "wb") as f:
            f.write(picture.to_ppm())
        # display returns a failure status here even when the picture was set; the screenshot
        # is what counts.
        self.run("display", "-window", "root", path, check=False)

    def windows(self):
        """The viewable top-level windows, top of the stack first."""
        visible = set(int(w) for w in self.run("xdotool", "search", "--onlyvisible", "--name", "",
                                               check=False).stdout.split())
        tree = self.run("xwininfo", "-root", "-tree").stdout.decode("utf-8", "replace")
        found = []
        for line in tree.splitlines():
            m = _TREE_LINE.match(line)
            if m and line.startswith("     0x") and int(m.group(1), 16) in visible:
                w = Window(int(m.group(1), 16), m.group(2), int(m.group(5)), int(m.group(6)),
                           int(m.group(3)), int(m.group(4)))
                if w.width > 1 and w.height > 1:
                    found.append(w)
        return found

    def window_named(self, name):
        return next((w for w in self.windows() if w.name == name), None)

    def window_at(self, x, y):
        """A viewable window whose top-left corner is (x, y)."""
        return next((w for w in self.windows() if (w.x, w.y) == (x, y)), None)

    def wait_window_named(self, name, timeout=DEFAULT_TIMEOUT):
        return wait_for(lambda: self.window_named(name), "a window named %r" % name, timeout)

    def wait_window_gone(self, window, timeout=DEFAULT_TIMEOUT):
        wait_for(lambda: all(w.id != window.id for w in self.windows()), "%r to close" % window, timeout)

    # Pointer and keys.
    def move(self, x, y):
        self.run("xdotool", "mousemove", str(x), str(y))

    def _respect_double_click(self, x, y):
        # Two left presses close in time and place make a double click, which raises no press;
        # keep presses of separate gestures apart.
        when, px, py = self._last_left_press
        if abs(px - x) < 8 and abs(py - y) < 8:
            delay = 0.7 - (time.monotonic() - when)
            if delay > 0:
                time.sleep(delay)

    def click(self, x, y, button=1):
        if button == 1:
            self._respect_double_click(x, y)
        self.run("xdotool", "mousemove", str(x), str(y), "click", str(button))
        if button == 1:
            self._last_left_press = (time.monotonic(), x, y)

    def press(self, x, y):
        self._respect_double_click(x, y)
        self.run("xdotool", "mousemove", str(x), str(y), "mousedown", "1")
        self._last_left_press = (time.monotonic(), x, y)

    def release(self):
        self.run("xdotool", "mouseup", "1")

    def keys(self, *names):
        if names:
            self.run("xdotool", "key", "--delay", "30", *names)

    def raise_window(self, window):
        self.run("xdotool", "windowraise", str(window.id))

"""Runs velmora.exe under Wine and works it the way a person would: through the canvas, the
pop-up menus, the boxes and the tray icon."""

import os
import shutil
import subprocess
import time

from desktop import Timeout, wait_for

# The canvas menu as the keyboard walks it (separators are skipped), and its submenus.
CANVAS_MENU = ["greeting", "eraser", "pen width", "pen colour", "stamp", "save", "help", "about", "exit"]
SUBMENUS = {
    "eraser": ["clear all", "R1", "R2", "R5", "R10", "R15", "R25", "R50"],
    "pen width": ["P1", "P2", "P5", "P10", "P15", "P25", "P40"],
    "pen colour": ["black", "white", "red", "yellow", "blue", "green"],
    "stamp": ["goats", "cars", "flowers", "fireworks"],
}

SAVED_TITLE = "温馨提示"
HELP_TITLE = "Velmora使用说明"
ABOUT_TITLE = "关于 Velmora"
WINE_TRAY = "Wine System Tray"


class Velmora:
    def __init__(self, display, exe, run_dir, env=None):
        self.display, self.exe, self.run_dir = display, exe, run_dir
        self.env = dict(display.env, **(env or {}))
        self.process = None
        self.window = None

    def start(self):
        """Copies the program into the run folder and starts it there."""
        os.makedirs(self.run_dir, exist_ok=True)
        shutil.copy(self.exe, os.path.join(self.run_dir, "velmora.exe"))
        self.launch("velmora.exe")

    def launch(self, program_file):
        """Starts program_file (a path, or a name in the run folder) from the run folder, with
        Wine's output in the run folder's wine.log."""
        os.makedirs(self.run_dir, exist_ok=True)
        self.log = open(os.path.join(self.run_dir, "wine.log"), "wb")
        self.process = subprocess.Popen(["wine", program_file], cwd=self.run_dir, env=self.env,
                                        stdout=self.log, stderr=subprocess.STDOUT)

    def print_log_tail(self, count=10):
        """What Wine printed for the program so far (crashes and errors still show with WINEDEBUG=-all)."""
        path = os.path.join(self.run_dir, "wine.log")
        if os.path.exists(path):
            with open(path, "rb") as f:
                lines = f.read().decode("utf-8", "replace").splitlines()[-count:]
            for line in lines:
                print("wine: " + line[:300])

    def wait_shown(self, expected, timeout=90):
        """Until the full-screen window is up and shows `expected` (its first paint is done)."""
        last = {}

        def shown():
            if self.process.poll() is not None:
                raise AssertionError("velmora.exe ended early with status %s" % self.process.returncode)
            stack = self.display.windows()
            w = next((v for v in stack if v.name == "Velmora"), None)
            last["window"] = w
            if not w or (w.x, w.y, w.width, w.height) != (0, 0, expected.width, expected.height):
                return None
            # Wine's own tray window, which stands in for a taskbar here, belongs to another
            # process and is mapped when the program adds its icon, at its own pace: on a busy
            # machine well after the program's window. With no window manager it would then
            # stay above the full-screen window for good. So wait until it is there, and put
            # it back behind, as a taskbar is behind a full-screen window.
            above = stack[:stack.index(w)]
            last["tray"] = next((v for v in stack if v.name == WINE_TRAY), None)
            if last["tray"] is None:
                return None
            if any(v.id == last["tray"].id for v in above):
                print("note: Wine's tray window was mapped above the program's; put it behind", flush=True)
                self.display.raise_window(w)
                return None
            last["screen"] = self.display.screenshot()
            return w if last["screen"] == expected else None
        try:
            self.window = wait_for(shown, "the frozen screen to show", timeout, interval=0.3)
        except Timeout as timeout_error:
            # Say what was seen instead, and keep it for a look.
            detail = "window %r, Wine's tray window %r" % (last.get("window"), last.get("tray"))
            if "screen" in last:
                seen = os.path.join(self.run_dir, "not-frozen-screen.ppm")
                with open(seen, "wb") as f:
                    f.write(last["screen"].to_ppm())
                detail += "; first differing pixels %r; screen kept in %s" % (
                    last["screen"].differing_pixels(expected, 5), seen)
            raise Timeout("%s (%s)" % (timeout_error, detail))
        return self.window

    def wait_exit(self, timeout=30):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Timeout("velmora.exe still running after %d s" % timeout)

    def stop(self):
        """Ends a program the test left running."""
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait(10)
        if self.process:
            self.log.close()

    # The canvas menu.
    def open_canvas_menu(self, x, y):
        self.display.click(x, y, button=3)
        return wait_for(lambda: self.display.window_at(x + 3, y + 3), "the canvas menu at (%d, %d)" % (x + 3, y + 3))

    def choose(self, x, y, item, subitem=None):
        """Opens the canvas menu over (x, y) and chooses an item by keyboard. For a tool choice,
        which leaves the canvas as it was, also waits until the program has painted the canvas
        again where the menus were: a closed menu's X window is gone before that paint, and a
        screenshot taken in between shows what the menu left behind."""
        keeps_canvas = item in SUBMENUS and subitem != "clear all"
        before = self.display.screenshot() if keeps_canvas else None
        menu = self.open_canvas_menu(x, y)
        keys = ["Down"] * (CANVAS_MENU.index(item) + 1)
        if subitem is not None:
            keys += ["Right"] + ["Down"] * SUBMENUS[item].index(subitem)
        self.display.keys(*keys, "Return")
        self.display.wait_window_gone(menu)
        if keeps_canvas:
            wait_for(lambda: self.display.screenshot() == before,
                     "the canvas painted again after choosing %s / %s" % (item, subitem), 15, interval=0.2)

    # Message boxes.
    def close_box(self, box):
        """Presses the box's OK button with the mouse: the box has its only button centred at
        the bottom."""
        x, y = box.x + box.width // 2, box.y + box.height - 22
        self.display.click(x, y)
        self.display.wait_window_gone(box, timeout=10)

    # The tray icon, shown by Wine's own tray window when there is no tray host.
    def tray_icon_position(self):
        tray = self.display.wait_window_named(WINE_TRAY)
        # Nothing else keeps the tray above a full-screen window here, as a taskbar would.
        self.display.raise_window(tray)
        wait_for(lambda: self.display.windows()[0].id == tray.id, "the tray window on top")
        return tray.x + 10, tray.y + tray.height // 2

    def open_tray_menu(self):
        x, y = self.tray_icon_position()
        self.display.click(x, y, button=3)
        return wait_for(lambda: self.display.window_at(x + 3, y + 3), "the tray menu")

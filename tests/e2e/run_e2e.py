#!/usr/bin/env python3
"""End-to-end tests of velmora.exe under Wine on an X display (Xvfb): the frozen screen, the
pen, the menus' tool choices, stamps, clearing, saving, the boxes, the tray icon and exit.

Usage: run_e2e.py --display :N --exe path/to/velmora.exe --work DIR [--assets DIR] [--screenshot PATH]
Wine's prefix comes from WINEPREFIX. Prints one line per case and 'N passed, N failed'."""

import argparse
import glob
import os
import re
import subprocess
import sys
import time

from case_runner import CaseRunner
from desktop import Display, wait_for
from gif import read_gif
from pictures import pattern, read_bmp
from velmora import ABOUT_TITLE, HELP_TITLE, SAVED_TITLE, Velmora

RED, BLUE = (255, 0, 0), (0, 0, 255)


def time_stamp_text(t):
    """The saved picture's base name for a local time."""
    date = "%d年%d月%d日" % (t.tm_year, t.tm_mon, t.tm_mday)
    if t.tm_sec:
        return date + "%d时%d分%d秒" % (t.tm_hour, t.tm_min, t.tm_sec)
    if t.tm_min:
        return date + "%d时%d分" % (t.tm_hour, t.tm_min)
    if t.tm_hour:
        return date + "%d时" % t.tm_hour
    return date


def column_run(picture, x, top, bottom, colour):
    """The rows between top and bottom where column x has `colour`."""
    return [y for y in range(top, bottom) if picture.pixel(x, y) == colour]


def row_run(picture, y, left, right, colour):
    return [x for x in range(left, right) if picture.pixel(x, y) == colour]


def check(condition, message):
    if not condition:
        raise AssertionError(message)


class Run:
    """One program run and the state the cases of that run share."""

    def __init__(self, args, display, name, env):
        self.args, self.display = args, display
        self.dir = os.path.join(args.work, name)
        self.program = Velmora(display, args.exe, self.dir, env)
        self.frozen = None

    def screen(self):
        return self.display.screenshot()

    def wait_screen(self, condition, what, timeout=15):
        return wait_for(lambda: (lambda s: s if condition(s) else None)(self.screen()), what, timeout, interval=0.2)

    def stroke(self, points, colour):
        """A left drag through the points. Moves reach the program at its own pace and a later
        one replaces an earlier one still waiting, so each segment is waited for on screen
        (its middle, which every pen width paints) before the next move."""
        self.display.press(*points[0])
        for (x1, y1), (x2, y2) in zip(points, points[1:]):
            self.display.move(x2, y2)
            mx, my = (x1 + x2) // 2, (y1 + y2) // 2
            self.wait_screen(lambda s: s.pixel(mx, my) == colour, "the segment to (%d, %d)" % (x2, y2))
        self.display.release()
        return self.screen()

    def saved_pictures(self):
        return set(os.path.basename(p) for p in glob.glob(os.path.join(self.dir, "*.bmp")))

    def save_and_check(self):
        """Saves through the menu; checks the box, the file's name and its pixels."""
        shown = self.screen()
        before = self.saved_pictures()
        start = time.time()
        self.program.choose(960, 150, "save")
        box = self.display.wait_window_named(SAVED_TITLE)
        end = time.time()
        new = self.saved_pictures() - before
        check(len(new) == 1, "one new picture expected in the program's folder, found %r" % sorted(new))
        name = new.pop()
        names = {time_stamp_text(time.localtime(s)) + ".bmp" for s in range(int(start) - 1, int(end) + 2)}
        check(name in names, "picture named %r, expected one of %r" % (name, sorted(names)))
        with open(os.path.join(self.dir, name), "rb") as f:
            picture, header = read_bmp(f.read())
        check(header["bits"] == 24 and header["offset"] == 54 and header["file_size"] == header["length"],
              "bitmap header %r" % header)
        check(picture == shown, "saved pixels differ from the screen: %r" % picture.differing_pixels(shown, 5))
        self.program.close_box(box)
        self.wait_screen(lambda s: s == shown, "the canvas as it was before the box")
        return name


def case_frozen_screen(run):
    display = run.display
    screen = display.screenshot()
    check(screen.pixel(500, 500) == run.args.patterns[0].pixel(500, 500), "the root picture is not on screen")
    run.program.start()
    run.program.wait_shown(screen)
    run.frozen = screen
    # The live screen changes underneath; the window keeps showing the copy.
    display.set_root_picture(run.args.patterns[1], os.path.join(run.args.work, "pattern-b.ppm"))
    # Nothing tells when the root has been repainted under the window (the exit case sees the
    # new picture); sample the screen for a while.
    deadline = time.monotonic() + 1.5
    while time.monotonic() < deadline:
        check(run.screen() == screen, "the window no longer shows the frozen screen")


def case_pen_draws_red_five_wide(run):
    shot = run.stroke([(300, 200), (400, 200), (550, 200), (700, 200), (700, 300), (700, 420)], RED)
    for x in (310, 480, 650):
        rows = column_run(shot, x, 180, 220, RED)
        check(rows == list(range(198, 203)), "stroke at x=%d: rows %r" % (x, rows))
    for y in (250, 350):
        columns = row_run(shot, y, 680, 720, RED)
        check(columns == list(range(698, 703)), "stroke at y=%d: columns %r" % (y, columns))
    check(shot.pixel(500, 240) == run.frozen.pixel(500, 240), "the stroke is wider than the pen")


def case_menu_colour_width_and_eraser(run):
    run.program.choose(900, 500, "pen colour", "blue")
    run.program.choose(900, 500, "pen width", "P10")
    shot = run.stroke([(900, 600), (1100, 600), (1300, 600)], BLUE)
    for x in (950, 1100, 1250):
        rows = column_run(shot, x, 580, 620, BLUE)
        check(len(rows) == 10 and rows == list(range(rows[0], rows[0] + 10)) and 600 in rows,
              "a 10 wide blue stroke at x=%d, rows %r" % (x, rows))
    run.program.choose(900, 800, "eraser", "R10")
    run.display.click(1100, 600)
    frozen = run.frozen
    shot = run.wait_screen(lambda s: s.pixel(1100, 600) == frozen.pixel(1100, 600), "the eraser's square")
    check(shot.same_area(frozen, 1090, 590, 1110, 610), "the 20 x 20 square around the click is not the frozen screen")
    for x, y in ((1089, 600), (1110, 600)):
        check(shot.pixel(x, y) == BLUE, "the eraser wiped beyond its square at (%d, %d)" % (x, y))


def case_stamp_centred_white_transparent(run):
    candidates = []
    for path in sorted(glob.glob(os.path.join(run.args.assets, "goat[0-9][0-9].gif"))):
        with open(path, "rb") as f:
            candidates.append((os.path.basename(path), read_gif(f.read())))
    check(candidates, "no goat stamp pictures in %s" % run.args.assets)
    run.program.choose(900, 150, "stamp", "goats")
    before = run.screen()
    cx, cy = 1500, 750
    # What the screen must show for each picture the series may have drawn.
    expected = {}
    for name, stamp in candidates:
        left, top = cx - stamp.width // 2, cy - stamp.height // 2
        picture = bytearray(before.rgb)
        for y in range(stamp.height):
            for x in range(stamp.width):
                p = stamp.pixel(x, y)
                if p != (255, 255, 255) and 0 <= left + x < before.width and 0 <= top + y < before.height:
                    i = ((top + y) * before.width + left + x) * 3
                    picture[i:i + 3] = bytes(p)
        expected[bytes(picture)] = name
    run.display.click(cx, cy)
    try:
        run.wait_screen(lambda s: s.rgb in expected, "a goat picture centred on (%d, %d)" % (cx, cy), timeout=10)
    except AssertionError:
        raise AssertionError("the print matches no goat picture centred on (%d, %d); changed box %r" %
                             (cx, cy, run.screen().changed_box(before)))


def case_clear_all_restores_frozen_screen(run):
    run.program.choose(900, 150, "eraser", "clear all")
    run.wait_screen(lambda s: s == run.frozen, "the frozen screen after clearing all")


def case_save_writes_screen_as_bitmap(run):
    run.program.choose(900, 150, "pen colour", "red")
    run.stroke([(800, 480), (960, 540), (1120, 600)], RED)
    run.save_and_check()


def case_help_and_about_boxes(run):
    shown = run.screen()
    for item, title in (("help", HELP_TITLE), ("about", ABOUT_TITLE)):
        run.program.choose(600, 150, item)
        box = run.display.wait_window_named(title)
        run.program.close_box(box)
        run.wait_screen(lambda s: s == shown, "the drawing under the %s box" % item)


def case_tray_about(run):
    shown = run.screen()
    menu = run.program.open_tray_menu()
    # The first item, "关于 Velmora", at the menu's top.
    run.display.click(menu.x + menu.width // 2, menu.y + 12)
    box = run.display.wait_window_named(ABOUT_TITLE)
    run.program.close_box(box)
    run.wait_screen(lambda s: s.same_area(shown, 200, 200, 1900, 1060), "the canvas after the tray's about box")


def case_readme_screenshot(run):
    target = run.args.screenshot
    run.program.choose(300, 150, "stamp", "flowers")
    before = run.screen()
    run.display.click(1400, 650)
    run.wait_screen(lambda s: s != before, "a flower stamp")
    run.program.choose(300, 150, "pen colour", "blue")
    run.stroke([(250, 800), (450, 700), (650, 820), (850, 720)], BLUE)
    menu = run.program.open_canvas_menu(760, 260)
    run.display.keys("Down", "Down", "Down", "Down", "Right")
    wait_for(lambda: any(w.x >= menu.x + menu.width - 8 and w.id != menu.id for w in run.display.windows()),
             "the colour submenu")
    # Painted once two screenshots in a row agree.
    last = [run.screen()]
    def settled():
        now = run.screen()
        same, last[0] = now == last[0], now
        return now if same else None
    shot = wait_for(settled, "the menus to finish painting")
    run.display.keys("Escape", "Escape")
    run.display.wait_window_gone(menu)
    ppm = target + ".ppm"
    with open(ppm, "wb") as f:
        f.write(shot.to_ppm())
    subprocess.run(["convert", ppm, target], check=True)
    os.remove(ppm)


def case_tray_exit(run):
    menu = run.program.open_tray_menu()
    # The last item, "退出程序", at the menu's bottom.
    run.display.click(menu.x + menu.width // 2, menu.y + menu.height - 10)
    status = run.program.wait_exit()
    check(status == 0, "exit status %r after the tray's exit" % status)
    pattern_b = run.args.patterns[1]
    run.wait_screen(lambda s: s.same_area(pattern_b, 200, 200, 1900, 1060), "the changed root picture after exit")


def case_saving_in_another_locale(run):
    run.display.set_root_picture(run.args.patterns[0], os.path.join(run.args.work, "pattern-a.ppm"))
    screen = run.wait_screen(lambda s: s.pixel(500, 500) == run.args.patterns[0].pixel(500, 500), "the root picture")
    run.program.start()
    run.program.wait_shown(screen)
    run.frozen = screen
    run.stroke([(700, 500), (1200, 560)], RED)
    name = run.save_and_check()
    check(re.fullmatch(r"\d{4}年\d+月\d+日(\d+时(\d+分(\d+秒)?)?)?\.bmp", name), "file name %r" % name)


def case_exit_from_canvas_menu(run):
    run.program.choose(900, 150, "exit")
    status = run.program.wait_exit()
    check(status == 0, "exit status %r after 退出" % status)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--display", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--assets", required=True)
    parser.add_argument("--screenshot", help="where to write the README screenshot")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    display = Display(args.display)
    first = display.screenshot()
    args.patterns = [pattern(first.width, first.height, 0), pattern(first.width, first.height, 1)]
    display.set_root_picture(args.patterns[0], os.path.join(args.work, "pattern-a.ppm"))
    wait_for(lambda: display.screenshot().pixel(500, 500) == args.patterns[0].pixel(500, 500), "the root picture")

    runs = [
        ("chinese-locale", {"LANG": "zh_CN.UTF-8", "LC_ALL": "zh_CN.UTF-8"}, [
            case_frozen_screen, case_pen_draws_red_five_wide, case_menu_colour_width_and_eraser,
            case_stamp_centred_white_transparent, case_clear_all_restores_frozen_screen,
            case_save_writes_screen_as_bitmap, case_help_and_about_boxes,
        ] + ([case_readme_screenshot] if args.screenshot else []) + [case_tray_about, case_tray_exit]),
        ("english-locale", {"LANG": "en_US.UTF-8", "LC_ALL": "en_US.UTF-8"}, [
            case_saving_in_another_locale, case_exit_from_canvas_menu,
        ]),
    ]
    runner = CaseRunner()
    for name, env, cases in runs:
        run = Run(args, display, name, env)
        try:
            for case in cases:
                runner.run(case.__name__[5:], lambda: case(run), group=name,
                           after_failure=run.program.print_log_tail)
        finally:
            run.program.stop()
    return runner.finish()


if __name__ == "__main__":
    sys.exit(main())

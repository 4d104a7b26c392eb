#!/usr/bin/env python3
"""Saves that fail for real: velmora.exe under Wine tries to save while its folder is mounted
read-only, while every file it could be naming is held open without sharing by another Windows
process, and while the disk is full. Each time the program must show nothing, make no file,
leave the earlier pictures of those names intact byte for byte, stay usable (a stroke still
draws), and save normally once the obstacle is gone.

Usage: run_save_failures.py --display :N --exe velmora.exe --holder hold_file.exe --work DIR
Needs root (mount). Wine's prefix comes from WINEPREFIX. Prints one line per case."""

import argparse
import contextlib
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from case_runner import CaseRunner  # noqa: E402
from desktop import Display, wait_for  # noqa: E402
from pictures import pattern, read_bmp  # noqa: E402
from run_e2e import time_stamp_text  # noqa: E402
from velmora import SAVED_TITLE, Velmora  # noqa: E402

RED = (255, 0, 0)
# Names are planted for every second of this window after the case starts: the program is
# started, drawn on and asked to save well within it.
PLANTED_SECONDS = 150
QUIET_SECONDS = 3  # how long a failed save is watched for a box or a file


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def tiny_bitmap(seed):
    """A 2 x 2 24-bit bitmap whose pixels differ from seed to seed: an earlier picture."""
    rows = bytes((seed * 7 + i) & 0xFF for i in range(6)) + b"\0\0"
    rows += bytes((seed * 13 + i) & 0xFF for i in range(6)) + b"\0\0"
    header = b"BM" + (54 + 16).to_bytes(4, "little") + bytes(4) + (54).to_bytes(4, "little")
    info = (40).to_bytes(4, "little") + (2).to_bytes(4, "little") + (2).to_bytes(4, "little")
    info += (1).to_bytes(2, "little") + (24).to_bytes(2, "little") + bytes(4) + (16).to_bytes(4, "little") + bytes(16)
    return header + info + rows


def mount(*args):
    subprocess.run(["mount", *args], check=True, stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def umount(path):
    # Lazily: a program that ran from the mount may still be going away.
    subprocess.run(["umount", "-l", path], check=False, stdout=subprocess.PIPE, stderr=subprocess.PIPE)


@contextlib.contextmanager
def mounted(case, *mount_args):
    """A file system mounted on the case's folder while the block runs; the program, if still
    running, is stopped before the unmount."""
    mount(*mount_args)
    try:
        yield
    finally:
        if case.program:
            case.program.stop()
        umount(case.folder)


class Case:
    """One program run in a folder of its own, with earlier pictures planted under every name
    a save could take."""

    def __init__(self, args, display, name):
        self.args, self.display, self.name = args, display, name
        self.folder = os.path.join(args.work, name)
        self.planted = {}
        self.program = None

    def prepare_folder(self):
        os.makedirs(self.folder, exist_ok=True)

    def install(self):
        """The program, and the earlier pictures."""
        shutil.copy(self.args.exe, os.path.join(self.folder, "velmora.exe"))
        start = int(time.time())
        for s in range(start - 2, start + PLANTED_SECONDS):
            name = time_stamp_text(time.localtime(s)) + ".bmp"
            data = tiny_bitmap(s)
            with open(os.path.join(self.folder, name), "wb") as f:
                f.write(data)
            self.planted[name] = data

    def listing(self):
        return sorted(os.listdir(self.folder))

    def start_program(self):
        """Starts the program installed in the case's folder. It runs from a folder of its own,
        which keeps Wine's log out of the case's folder, which may be read-only."""
        program_file = os.path.join(self.folder, "velmora.exe")
        self.program = Velmora(self.display, program_file, os.path.join(self.args.work, self.name + "-log"),
                               self.args.env)
        expected = self.display.screenshot()
        self.program.launch(program_file)
        self.program.wait_shown(expected)

    def screen(self):
        return self.display.screenshot()

    def failed_save(self):
        """Asks for a save that cannot succeed and checks that nothing at all came of it."""
        before_files = self.listing()
        shown = self.screen()
        self.program.choose(self.args.menu_x, self.args.menu_y, "save")
        deadline = time.monotonic() + QUIET_SECONDS
        while time.monotonic() < deadline:
            box = self.display.window_named(SAVED_TITLE)
            check(box is None, "a failed save showed the box %r" % box)
            time.sleep(0.2)
        check(self.program.process.poll() is None, "the program ended after a failed save")
        after_files = self.listing()
        check(after_files == before_files,
              "a failed save changed the folder: %r" % sorted(set(after_files) ^ set(before_files)))
        for name, data in self.planted.items():
            with open(os.path.join(self.folder, name), "rb") as f:
                check(f.read() == data, "the earlier picture %s changed" % name)
        check(self.screen() == shown, "a failed save changed what the screen shows")

    def still_draws(self):
        """A stroke after the failure is on screen: the program is still usable."""
        x1, y, x2 = 200, 300, 320
        self.display.press(x1, y)
        self.display.move((x1 + x2) // 2, y)
        self.display.move(x2, y)
        wait_for(lambda: self.screen().pixel((x1 + x2) // 2, y) == RED, "a stroke after the failed save", 15,
                 interval=0.2)
        self.display.release()

    def good_save(self):
        """Once the obstacle is gone a save works, replaces one earlier picture and is shown."""
        shown = self.screen()
        before = set(self.listing())
        self.program.choose(self.args.menu_x, self.args.menu_y, "save")
        box = self.display.wait_window_named(SAVED_TITLE, timeout=20)
        changed = [n for n in self.planted if open(os.path.join(self.folder, n), "rb").read() != self.planted[n]]
        check(len(changed) == 1, "one earlier picture replaced expected, found %r" % changed)
        check(set(self.listing()) == before, "the save added or removed files: %r" % (set(self.listing()) ^ before))
        with open(os.path.join(self.folder, changed[0]), "rb") as f:
            picture, _ = read_bmp(f.read())
        check(picture == shown, "the saved picture differs from the screen")
        self.program.close_box(box)

    def finish(self):
        self.program.choose(self.args.menu_x, self.args.menu_y, "exit")
        status = self.program.wait_exit()
        check(status == 0, "exit status %r" % status)


def case_read_only_folder(case):
    case.prepare_folder()
    case.install()
    with mounted(case, "--bind", case.folder, case.folder):
        mount("-o", "remount,ro,bind", case.folder)
        check(not os.access(case.folder, os.W_OK) or not _can_create(case.folder),
              "the read-only mount still takes new files")
        case.start_program()
        case.failed_save()
        case.still_draws()
        # The program runs from this mount, so it is made writable again rather than removed.
        mount("-o", "remount,rw,bind", case.folder)
        case.good_save()
        case.finish()


def _can_create(folder):
    probe = os.path.join(folder, ".probe")
    try:
        with open(probe, "wb"):
            pass
        os.remove(probe)
        return True
    except OSError:
        return False


def case_file_held_open(case):
    case.prepare_folder()
    case.install()
    case.start_program()
    # Every name the save could take is held open with share mode 0 by another process.
    names = sorted(case.planted)
    first = os.path.join(case.folder, names[0])
    holder = subprocess.Popen(["wine", case.args.holder] + [os.path.join(case.folder, n) for n in names],
                              cwd=case.folder, env=case.program.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    released = False
    try:
        wait_for(lambda: os.path.exists(first + ".held") or holder.poll() is not None, "the holder to open the files", 60)
        check(holder.poll() is None, "the holder could not open the files (status %r)" % holder.poll())
        os.remove(first + ".held")
        case.failed_save()
        case.still_draws()
        open(first + ".release", "wb").close()
        check(holder.wait(30) == 0, "the holder failed")
        released = True
        os.remove(first + ".release")
    finally:
        if not released:
            open(first + ".release", "wb").close()
            holder.wait(30)
    case.good_save()
    case.finish()


def case_disk_full(case):
    case.prepare_folder()
    with mounted(case, "-t", "tmpfs", "-o", "size=8m,mode=0755", "tmpfs", case.folder):
        case.install()
        # Fill the disk until less than half a saved picture would fit.
        picture_bytes = 54 + ((3 * case.args.frozen.width + 3) // 4 * 4) * case.args.frozen.height
        filler = os.path.join(case.folder, "filler")
        stat = os.statvfs(case.folder)
        free = stat.f_bavail * stat.f_frsize
        with open(filler, "wb") as f:
            f.write(b"\xAA" * max(0, free - picture_bytes // 2))
        stat = os.statvfs(case.folder)
        check(stat.f_bavail * stat.f_frsize < picture_bytes, "the disk is not full enough")
        case.start_program()
        case.failed_save()
        case.still_draws()
        os.remove(filler)
        case.good_save()
        case.finish()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--display", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--holder", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    display = Display(args.display)
    first = display.screenshot()
    args.frozen = pattern(first.width, first.height, 0)
    display.set_root_picture(args.frozen, os.path.join(args.work, "pattern.ppm"))
    wait_for(lambda: display.screenshot() == args.frozen, "the root picture")
    args.menu_x, args.menu_y = first.width // 2, 100
    # File names hold Chinese characters: Wine must see a UTF-8 locale to spell them.
    args.env = {"LANG": "zh_CN.UTF-8", "LC_ALL": "zh_CN.UTF-8"}

    runner = CaseRunner()
    for run in (case_read_only_folder, case_file_held_open, case_disk_full):
        case = Case(args, display, run.__name__[5:])
        try:
            runner.run(case.name, lambda: run(case),
                       after_failure=lambda: case.program and case.program.print_log_tail())
        finally:
            if case.program:
                case.program.stop()
    return runner.finish()


if __name__ == "__main__":
    sys.exit(main())

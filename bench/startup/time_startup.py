#!/usr/bin/env python3
"""Start-up benchmark: how long velmora.exe takes from launch until its full-screen window is
shown, and its peak memory, against a baseline program that only shows one full-screen window.
Both run under Wine on a 1920x1080 Xvfb display started here, alternately, several times.

Usage: time_startup.py --velmora build/windows/platform/win32/velmora.exe \
           --baseline build/windows/bench/startup/startup_baseline.exe [--runs 7]
Wine's prefix comes from WINEPREFIX (made with wineboot when missing)."""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

WIDTH, HEIGHT = 1920, 1080


def free_display():
    for n in range(150, 200):
        if not os.path.exists("/tmp/.X%d-lock" % n) and not os.path.exists("/tmp/.X11-unix/X%d" % n):
            return ":%d" % n
    raise RuntimeError("no free X display")


def peak_rss_kib(pid):
    """VmHWM of the process: under Wine the Windows program is the Unix process itself."""
    try:
        with open("/proc/%d/status" % pid) as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return None


def shown(env, title):
    """True once a viewable window of that title covers the whole screen."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title], env=env,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout.split()
    for wid in ids:
        geometry = subprocess.run(["xdotool", "getwindowgeometry", wid], env=env, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL).stdout.decode()
        if "Geometry: %dx%d" % (WIDTH, HEIGHT) in geometry and "Position: 0,0" in geometry:
            return True
    return False


def measure(env, exe, title, folder):
    """Seconds from launch to the window shown, and peak memory in KiB once it is shown."""
    shutil.copy(exe, folder)
    started = time.monotonic()
    process = subprocess.Popen(["wine", os.path.basename(exe)], cwd=folder, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = started + 60
        while not shown(env, title):
            if time.monotonic() > deadline or process.poll() is not None:
                raise RuntimeError("%s did not show its window" % exe)
        elapsed = time.monotonic() - started
        # Settle: the first paint and the end of start-up are part of the peak.
        time.sleep(1.0)
        return elapsed, peak_rss_kib(process.pid)
    finally:
        process.kill()
        process.wait()
        subprocess.run(["wineserver", "-w"], env=env)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--velmora", required=True)
    parser.add_argument("--baseline", required=True)
    parser.add_argument("--runs", type=int, default=7)
    args = parser.parse_args()

    display = free_display()
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "%dx%dx24" % (WIDTH, HEIGHT), "-nolisten", "tcp",
                             "-noreset"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=display, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    folder = tempfile.mkdtemp(prefix="velmora-startup-")
    try:
        for _ in range(100):
            if subprocess.run(["xdpyinfo"], env=env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0:
                break
            time.sleep(0.1)
        if not os.path.exists(os.path.join(env.get("WINEPREFIX", os.path.expanduser("~/.wine")), "system.reg")):
            subprocess.run(["wineboot", "-i"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-w"], env=env)
        # One unmeasured launch of each warms Wine's services and the file cache.
        measure(env, args.baseline, "Startup baseline", folder)
        measure(env, args.velmora, "Velmora", folder)
        results = {"baseline": [], "velmora": []}
        for _ in range(args.runs):
            results["baseline"].append(measure(env, args.baseline, "Startup baseline", folder))
            results["velmora"].append(measure(env, args.velmora, "Velmora", folder))
    finally:
        subprocess.run(["wineserver", "-k"], env=env, stderr=subprocess.DEVNULL)
        xvfb.kill()
        xvfb.wait()
        shutil.rmtree(folder, ignore_errors=True)

    screen_bytes = WIDTH * HEIGHT * 4
    median = {k: statistics.median(t for t, _ in v) for k, v in results.items()}
    peak = {k: max(m for _, m in v) for k, v in results.items()}
    for name in ("baseline", "velmora"):
        times = ", ".join("%.3f" % t for t, _ in results[name])
        print("%-8s start-up median %.3f s (runs: %s); peak memory %.1f MiB" %
              (name, median[name], times, peak[name] / 1024))
    ratio = median["velmora"] / median["baseline"]
    extra = (peak["velmora"] - peak["baseline"]) * 1024
    print("start-up ratio velmora/baseline: %.2f (target <= 1.30)" % ratio)
    print("peak memory above baseline: %.1f MiB = %.2f x the screen's %d bytes (target <= 3.00)" %
          (extra / 2 ** 20, extra / screen_bytes, screen_bytes))
    return 0


if __name__ == "__main__":
    sys.exit(main())

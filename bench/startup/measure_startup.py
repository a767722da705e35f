#!/usr/bin/env python3
"""Start-up benchmark of the desktop program: the time from starting korvan7x to its main window
shown with the channel grid, and its resident memory once it has started.

Runs the staged program in a private copy of the installation, in an X server of its own
(xvfb-run) unless DISPLAY is set. The splash window is meant to stay for two seconds or until it
is clicked; the benchmark clicks it as soon as it appears, so the figure is the program's own
work: start to splash shown, plus click to main window shown.

    bench/startup/measure_startup.py [--stage build/stage] [--runs 5]

Budgets: start to main window shown, with the channel grid drawn, <= 150 ms; resident memory
after start <= 80 MiB.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tests", "ui", "desktop"))
import xwin  # noqa: E402
from stage_copy import StageCopy, read_ini_text  # noqa: E402

BUDGET_MS = 150.0
BUDGET_MIB = 80.0


def rss_mib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def poll(display, process, predicate, timeout=20.0, interval=0.002):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if process.poll() is not None:
            raise RuntimeError(f"korvan7x ended early with status {process.returncode}")
        for window, title in display.windows():
            if title is not None and predicate(title):
                return window, time.monotonic()
        time.sleep(interval)
    raise RuntimeError("timed out waiting for a window")


def one_run(copy, display, app_title, main_title):
    t0 = time.monotonic()
    process = subprocess.Popen([copy.program], env=copy.environment(),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        splash, t_splash = poll(display, process, lambda t: t == app_title)
        x, y, w, h = display.geometry(splash)
        t_click = time.monotonic()
        display.click(x + w // 2, y + h // 2)
        main, t_main = poll(display, process, lambda t: t == main_title)
        time.sleep(0.5)  # let the start settle before reading the memory
        memory = rss_mib(process.pid)
        display.send_close(main)
        process.wait(10)
        work_ms = ((t_splash - t0) + (t_main - t_click)) * 1000.0
        return work_ms, (t_splash - t0) * 1000.0, (t_main - t_click) * 1000.0, memory
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--stage", default=os.path.join(ROOT, "build", "stage"))
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()

    if not os.environ.get("DISPLAY"):
        if not shutil.which("xvfb-run"):
            sys.exit("no DISPLAY and no xvfb-run")
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24",
                               sys.executable] + sys.argv)

    copy = StageCopy(os.path.abspath(args.stage))
    display = xwin.Display()
    try:
        english = os.path.join(copy.program_folder, "language", "english.ini")
        app_title = read_ini_text(english, "cp1252", "Main", "12000")
        main_title = copy.expected_title(1)
        one_run(copy, display, app_title, main_title)  # first run creates the settings files
        results = [one_run(copy, display, app_title, main_title) for _ in range(args.runs)]
    finally:
        display.close()
        copy.remove()

    work = [r[0] for r in results]
    memory = [r[3] for r in results]
    print(f"runs: {len(results)}")
    for i, (total, to_splash, to_main, mib) in enumerate(results, 1):
        print(f"  run {i}: start->splash {to_splash:6.1f} ms + click->main window "
              f"{to_main:6.1f} ms = {total:6.1f} ms, resident {mib:5.1f} MiB")
    print(f"start to main window shown: median {statistics.median(work):.1f} ms, "
          f"max {max(work):.1f} ms (budget {BUDGET_MS:.0f} ms)")
    print(f"resident memory after start: median {statistics.median(memory):.1f} MiB, "
          f"max {max(memory):.1f} MiB (budget {BUDGET_MIB:.0f} MiB)")
    ok = max(work) <= BUDGET_MS and max(memory) <= BUDGET_MIB
    print("within budget" if ok else "OVER BUDGET")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Smoke run of the staged desktop program in a real X server (run under xvfb-run): it starts,
shows the main window with the right title in English and in Chinese, opens a file named on its
command line, and closes cleanly when its window is closed, leaving mysetup.ini and a four-byte
Setting.ini behind."""

import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xwin  # noqa: E402
from stage_copy import StageCopy  # noqa: E402

START_TIMEOUT = 20.0
EXIT_TIMEOUT = 10.0


def wait_for_window(display, process, title, timeout):
    deadline = time.monotonic() + timeout
    seen = set()
    while time.monotonic() < deadline:
        if process.poll() is not None:
            raise AssertionError(f"the program ended early with status {process.returncode}")
        for window, text in display.windows():
            if text:
                seen.add(text)
            if text == title:
                return window
        time.sleep(0.05)
    raise AssertionError(f"no window titled {title!r}; windows seen: {sorted(seen)}")


def run_once(copy, display, language_index, failures_dir, open_file=None):
    """Starts the program (with a file to open, as a file manager does) and waits for the main
    window's title, which names the open file."""
    arguments = [copy.program] + ([open_file] if open_file else [])
    process = subprocess.Popen(arguments, env=copy.environment(),
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    try:
        title = copy.expected_title(language_index,
                                    os.path.basename(open_file) if open_file else "new.dat")
        try:
            window = wait_for_window(display, process, title, START_TIMEOUT)
        except AssertionError:
            if failures_dir:
                xwin.screenshot(display, os.path.join(failures_dir, "desktop-smoke.png"))
            raise
        display.send_close(window)
        status = process.wait(EXIT_TIMEOUT)
        output = process.stdout.read().decode(errors="replace")
        assert status == 0, f"exit status {status}; output:\n{output}"
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def check_settings_written(copy, language_index):
    assert os.path.getsize(copy.setting_file) == 4, "Setting.ini is not one 4-byte record"
    with open(copy.setup_file) as f:
        setup = f.read().replace(" ", "")
    for line in ("IsFirstRun=0", "comPort=1", f"CurrentLanguage={language_index}"):
        assert line in setup, f"mysetup.ini lacks {line}:\n{setup}"
    placement = os.path.join(copy.home, ".config")
    stored = [os.path.join(d, f) for d, _, files in os.walk(placement) for f in files]
    assert any("MainWidth" in open(p, errors="replace").read() for p in stored), \
        f"window placement not stored under {placement}: {stored}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--stage", required=True, help="the staged installation (build/stage)")
    parser.add_argument("--screenshots", help="folder for a screenshot when a check fails")
    args = parser.parse_args()

    copy = StageCopy(args.stage)
    display = xwin.Display()
    try:
        # First start on an English system: English, and the settings files created.
        run_once(copy, display, 1, args.screenshots)
        check_settings_written(copy, 1)
        # The stored language wins over the system's on later starts.
        copy.write_setup("[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=2\n")
        run_once(copy, display, 2, args.screenshots)
        check_settings_written(copy, 2)
        # "korvan7x FILE.dat" opens the file once the main window is up.
        opened = os.path.join(copy.root, "from-file-manager.dat")
        subprocess.run([os.path.join(copy.program_folder, "korvan7x-cli"), "new", "--mode", "2",
                        "-o", opened],
                       env=copy.environment(), check=True, capture_output=True)
        run_once(copy, display, 2, args.screenshots, opened)
    finally:
        display.close()
        copy.remove()
    print("desktop smoke run passed")


if __name__ == "__main__":
    main()

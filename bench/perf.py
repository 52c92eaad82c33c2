#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quennick developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Quennick's performance figures against baselines measured in the same run.

Run it through scripts/bench, which starts Xvfb and a window manager. Prints a
table; nothing passes or fails. QUENNICK_BENCH_RUNS (default 9) and
QUENNICK_BENCH_IDLE (seconds, default 20) make a quicker run; QUENNICK_BENCH_ONLY=catalogue
measures only start-up with big catalogues, QUENNICK_BENCH_ONLY=language only start-up in
German against English.
"""
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
RUNS = int(os.environ.get("QUENNICK_BENCH_RUNS", "9"))
IDLE = float(os.environ.get("QUENNICK_BENCH_IDLE", "20"))
ONLY = os.environ.get("QUENNICK_BENCH_ONLY", "")
PROBE = os.path.join(BUILD, "bench", "quennick_probe")
BARE = os.path.join(BUILD, "bench", "bare_probe")
FORM = os.path.join(BUILD, "bench", "form_probe")
QUENNICK = os.path.join(BUILD, "Quennick", "Contents", "Linux", "quennick")
folders = []


def app_folder(rims, hubs):
    """A data folder with these catalogues and the probe three levels down in it."""
    d = tempfile.mkdtemp(prefix="quennick-bench-")
    folders.append(d)
    os.makedirs(os.path.join(d, "Quennick", "Contents", "Linux"))
    exe = os.path.join(d, "Quennick", "Contents", "Linux", "quennick")
    # A copy, not a link: the program finds its data folder from where its
    # executable really lies.
    shutil.copy(PROBE, exe)
    with open(os.path.join(d, "rims.txt"), "wb") as f:
        f.write(rims)
    with open(os.path.join(d, "hubs.txt"), "wb") as f:
        f.write(hubs)
    return exe


def generated(n):
    rims = b"ERD\tRim\tNotes\tSize\r" + b"".join(
        b"%d,%d\tRim model %d\talloy, 32 holes\t622x%d\r" % (540 + i % 80, i % 10, i + 1, 15 + i % 10)
        for i in range(n))
    hubs = b"h\r" * 8 + b"".join(
        b"2,6\t%d\t35\t57\t20\tHub model %d\t130 QR\trim brake\trear\r" % (40 + i % 20, i + 1)
        for i in range(n))
    return rims, hubs


def startup(cmd, stay=800, language=None):
    """Milliseconds from exec to first paint, and resident memory after `stay` ms;
    with `language`, in that language (LANGUAGE)."""
    env = dict(os.environ, LANGUAGE=language) if language else None
    t0 = time.monotonic_ns()
    out = subprocess.run(cmd + ["--t0=%d" % t0, "--stay=%d" % stay], capture_output=True,
                         text=True, timeout=60, env=env).stdout
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return float(values["paint_ms"]), int(values.get("rss_kb", "0")) / 1024.0


def task_stats(pid):
    """CPU nanoseconds and times scheduled in, over all of the process's threads."""
    cpu = runs = 0
    for task in os.listdir("/proc/%d/task" % pid):
        with open("/proc/%d/task/%s/schedstat" % (pid, task)) as f:
            fields = f.read().split()
        cpu += int(fields[0])
        runs += int(fields[2])
    return cpu, runs


def idle(cmd):
    """CPU share of one core and wake-ups a second while the form sits idle."""
    t0 = time.monotonic_ns()
    p = subprocess.Popen(cmd + ["--t0=%d" % t0, "--stay=-1"], stdout=subprocess.PIPE, text=True)
    p.stdout.readline()  # first paint
    time.sleep(2)
    cpu0, runs0 = task_stats(p.pid)
    time.sleep(IDLE)
    cpu1, runs1 = task_stats(p.pid)
    p.kill()
    p.wait()
    return 100.0 * (cpu1 - cpu0) / (IDLE * 1e9), (runs1 - runs0) / IDLE


def interleaved(a, b, runs=RUNS):
    """Median of each of two measurements, taken in alternating order."""
    xs, ys = [], []
    for i in range(runs):
        if i % 2:
            ys.append(b())
            xs.append(a())
        else:
            xs.append(a())
            ys.append(b())
    return xs, ys


def median(values, index=None):
    return statistics.median(v[index] if index is not None else v for v in values)


def row(name, value, base, unit, goal, fmt="%.2f"):
    ratio = value / base if base else float("nan")
    print("%-52s %10s %10s %7.2f  %s" % (name, fmt % value, fmt % base, ratio, goal))


def check_ms(exe):
    """Milliseconds that `quennick --check` takes on the probe's data folder,
    with no display."""
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    folder = os.path.normpath(os.path.join(os.path.dirname(exe), "..", "..", ".."))
    t0 = time.monotonic_ns()
    subprocess.run([QUENNICK, "--check", folder], stdout=subprocess.DEVNULL, env=env, timeout=60)
    return (time.monotonic_ns() - t0) / 1e6


def big_catalogues(examples):
    """Start-up with big generated catalogues against the examples, interleaved;
    then with files that are no catalogues as rims.txt."""
    for n in (1000, 10000, 32767):
        exe = app_folder(*generated(n))
        big, base = interleaved(lambda: startup([exe]), lambda: startup([examples]))
        added = median(big, 0) - median(base, 0)
        row("start-up with %d rims and hubs (ms)" % n, median(big, 0), median(base, 0), "ms",
            "added %+.1f ms (goal < +50 ms at 32767)" % added)

    rims, hubs = generated(32767)
    huge = rims + rims[rims.index(b"\r") + 1:] * 60  # about two million lines
    hostile = {"two million lines": app_folder(huge, hubs)}
    for name, make in (("a named pipe", lambda p: os.mkfifo(p)),
                       ("a link to /dev/zero", lambda p: os.symlink("/dev/zero", p))):
        exe = app_folder(b"", hubs)
        rims_path = os.path.join(os.path.dirname(exe), "..", "..", "..", "rims.txt")
        os.remove(rims_path)
        make(rims_path)
        hostile[name] = exe
    for name, exe in hostile.items():
        odd, base = interleaved(lambda: startup([exe]), lambda: startup([examples]))
        row("start-up, rims.txt %s (ms)" % name, median(odd, 0), median(base, 0), "ms",
            "(goal: within a second of a normal start)")
        print("%-52s %10.2f" % ("  --check, rims.txt %s (ms)" % name,
                                 statistics.median(check_ms(exe) for _ in range(RUNS))))


def build_files(examples):
    """Start-up opening a build (read, restored and calculated before the first
    paint) against start-up alone, interleaved; then saves, one at a time."""
    build = os.path.join(ROOT, "fuzz", "corpus", "buildfile", "rear-wheel")
    o, s = interleaved(lambda: startup([examples, build]), lambda: startup([examples]))
    row("start-up opening a build against start-up alone (ms)", median(o, 0), median(s, 0),
        "ms", "<= 1.05 (start-up alone)")
    out = subprocess.run([os.path.join(BUILD, "bench", "bench_save")], capture_output=True,
                         text=True, timeout=300).stdout
    values = dict(item.split("=", 1) for item in out.split() if "=" in item)
    row("save a build, median, against writing in place (ms)", float(values["atomic_median_ms"]),
        float(values["plain_median_ms"]), "ms", "(no flush, no rename)", "%.3f")
    row("save a build, slowest of %s (ms)" % values["saves"], float(values["atomic_slowest_ms"]),
        float(values["plain_slowest_ms"]), "ms", "(no flush, no rename)", "%.3f")


def languages(examples):
    """Start-up in German (the program's translation and Qt's loaded) against
    English, interleaved."""
    de, en = interleaved(lambda: startup([examples], language="de"),
                         lambda: startup([examples], language="en"))
    row("start-up in German against English (ms)", median(de, 0), median(en, 0), "ms",
        "(translations loaded)")
    row("resident memory in German against English (MB)", median(de, 1), median(en, 1), "MB",
        "(translations loaded)")


def main():
    with open(os.path.join(ROOT, "examples", "rims.txt"), "rb") as f:
        rims = f.read()
    with open(os.path.join(ROOT, "examples", "hubs.txt"), "rb") as f:
        hubs = f.read()
    examples = app_folder(rims, hubs)

    cpu = "?"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    print("Quennick benchmark, %s, %s, %d cores, %s, Xvfb with openbox, median of %d runs"
          % (time.strftime("%Y-%m-%d"), cpu, os.cpu_count(), platform.release(), RUNS))
    print("%-52s %10s %10s %7s  %s" % ("", "Quennick", "baseline", "ratio", "goal"))

    if ONLY == "catalogue":
        big_catalogues(examples)
        return
    if ONLY == "language":
        languages(examples)
        return
    if ONLY == "build":
        build_files(examples)
        return
    q, b = interleaved(lambda: startup([examples]), lambda: startup([BARE]))
    row("start-up, exec to first paint (ms)", median(q, 0), median(b, 0), "ms",
        "<= 1.15 (bare window)")
    row("resident memory after start-up (MB)", median(q, 1), median(b, 1), "MB",
        "<= 1.2 (bare window)")
    q2, l = interleaved(lambda: startup([examples]), lambda: startup([BARE, "--label"]))
    row("start-up against a window with one label (ms)", median(q2, 0), median(l, 0), "ms",
        "(the floor: text means loading fonts)")
    row("resident memory against a window with one label (MB)", median(q2, 1), median(l, 1),
        "MB", "(the floor: fonts loaded)")
    languages(examples)
    build_files(examples)

    idle_runs = max(3, RUNS)
    q, f = interleaved(lambda: idle([examples]), lambda: idle([FORM]), idle_runs)
    row("idle CPU, caret blinking (% of a core)", median(q, 0), median(f, 0), "%",
        "<= 1.2 (form under exec)", "%.3f")
    row("idle wake-ups per second", median(q, 1), median(f, 1), "/s",
        "(form under exec)", "%.1f")
    q, t = interleaved(lambda: idle([examples]), lambda: idle([FORM, "--tick"]), idle_runs)
    row("idle CPU against a 5-tick timer under exec (%)", median(q, 0), median(t, 0), "%",
        "(the floor of waking 12 times a second)", "%.3f")

    big_catalogues(examples)

    # The list's own cost, on the offscreen platform: under Xvfb a synthetic
    # press cannot hold the pointer grab that a real popup takes.
    out = subprocess.run([os.path.join(BUILD, "bench", "bench_catalogue")], capture_output=True,
                         text=True, timeout=900,
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    for line in out.splitlines():
        if line.startswith("filter keystroke"):
            print(line)
        parts = line.split()
        if parts and parts[0] in ("1000", "10000", "32767"):
            row("first popup, %s entries (ms)" % parts[0], float(parts[3]), float(parts[5]), "ms",
                "< 100 ms (QMenu baseline)")

    out = subprocess.run([os.path.join(BUILD, "bench", "bench_calc")], capture_output=True,
                         text=True, timeout=300).stdout
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    row("Calculate round trips per second", float(values["calc_hits_per_s"]),
        float(values["formula_per_s"]), "/s", "(bare formula)", "%.0f")
    row("Calculate command per second (Return, diagram kept up to date)",
        float(values["calc_command_per_s"]), float(values["calc_hits_per_s"]), "/s",
        "(the default path)", "%.0f")
    for path in ("2to1", "straight_pull", "seat_offset", "tangential", "lacing_note",
                 "past_tangent", "rim_offset", "changing"):
        row("Calculate per second, %s" % path.replace("_", " "),
            float(values["calc_hits_%s_per_s" % path]), float(values["calc_hits_per_s"]), "/s",
            "(the default path)", "%.0f")

    # The lacing diagram window of a 48-spoke wheel, repainted on the X server.
    out = subprocess.run([os.path.join(BUILD, "bench", "bench_lacing")], capture_output=True,
                         text=True, timeout=300).stdout
    values = dict(item.split("=", 1) for item in out.split() if "=" in item)
    row("lacing diagram paint, 48 spokes, median (ms)", float(values["lacing48_median_ms"]),
        float(values["rim_median_ms"]), "ms", "< 16 ms a frame (rim alone)")
    row("lacing diagram paint, 48 spokes, slowest of %s (ms)" % values["paints"],
        float(values["lacing48_slowest_ms"]), float(values["rim_slowest_ms"]), "ms",
        "< 16 ms a frame (rim alone)")

    # The tension window of a 48-spoke wheel: a reading typed and its figures
    # shown again, and the chart's repaint.
    out = subprocess.run([os.path.join(BUILD, "bench", "bench_tension")], capture_output=True,
                         text=True, timeout=300).stdout
    values = dict(item.split("=", 1) for item in out.split() if "=" in item)
    row("a reading typed, 48 spokes, median (ms)", float(values["typed_median_ms"]), 16, "ms",
        "(a frame)")
    row("a reading typed, 48 spokes, slowest of %s (ms)" % values["keys"],
        float(values["typed_slowest_ms"]), 16, "ms", "(a frame)")
    row("tension chart paint, 48 spokes, median (ms)", float(values["chart_median_ms"]), 5, "ms",
        "(5 ms)")


try:
    main()
finally:
    for d in folders:
        shutil.rmtree(d, ignore_errors=True)

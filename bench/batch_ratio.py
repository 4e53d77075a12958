#!/usr/bin/env python3
"""Whole-process speed and memory of a large batch: `traxen-cli check --json` of N JSON jobs
against Python's json.load of the same files, each in its own process, in one run.

Goal: traxen-cli takes at most half the time of json.load (a checked job costs less than
reading it in a scripting language), and its peak memory stays under 30 MB for 10 000 jobs
(results are written as each job is checked, none kept).

    bench/batch_ratio.py build/bin/traxen-cli [N]

Measured on 2 shared cores (RelWithDebInfo, 10 000 jobs, best of three): traxen-cli 0.20-0.21 s
processor against json.load's 0.44-0.47 s, ratio 0.45-0.46 wall and processor (0.85 before
the JSON was read by a quick pass and written without a document tree); peak 17.6 MB.
Where the 0.21 s go:
  - about 35 ms starting the process: the dynamic loader maps and relocates the 48 shared
    libraries (Qt Gui and Core, X11, OpenGL, ICU, fontconfig, ...) that `render` needs and
    `check` never calls;
  - about 60 ms in the kernel reading the files: open, fstat, read and close cost some 6 us a
    job here, 1.2 us a system call;
  - about 10 us a job of work (some 90 000 instructions): reading the JSON into the job
    (40 %), writing the result (30 %, half of it the shortest round-trip digits of its 20-odd
    numbers), the value checks and derivations (15 %) and the joint's computation (10 %).
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

PY_LOAD = "import json,sys\nfor f in sys.argv[1:]:\n    with open(f) as h: json.load(h)\n"


def run(argv):
    """Wall time (s), processor time (s) and peak resident memory (MB) of one process."""
    start = time.perf_counter()
    with open(os.devnull, "wb") as null:
        proc = subprocess.Popen(argv, stdout=null, stderr=null)
        _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code not in (0, 1):
        sys.exit(f"{argv[0]} failed with exit status {code}")
    return elapsed, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024


def main():
    cli = os.path.abspath(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
    folder = tempfile.mkdtemp(prefix="traxen_batch_ratio_")
    try:
        templates = []
        for family in ("tyx", "kn"):
            path = os.path.join(folder, f"template_{family}.json")
            subprocess.run([cli, "new", family, "-o", path], check=True)
            templates.append(path)
        jobs = []
        for i in range(count):
            path = os.path.join(folder, f"job_{i:05d}.json")
            shutil.copyfile(templates[i % 2], path)
            jobs.append(path)
        for t in templates:
            os.remove(t)
        os.chdir(folder)
        names = [os.path.basename(j) for j in jobs]
        cli_wall = cli_cpu = py_wall = py_cpu = float("inf")
        peak = 0.0
        for _ in range(3):  # the best of three runs each, interleaved
            wall, cpu, mb = run([cli, "check", "--json", *names])
            cli_wall, cli_cpu, peak = min(cli_wall, wall), min(cli_cpu, cpu), max(peak, mb)
            wall, cpu, _ = run([sys.executable, "-c", PY_LOAD, *names])
            py_wall, py_cpu = min(py_wall, wall), min(py_cpu, cpu)
        # On a busy machine the wall times wait for a processor; the processor times do not.
        print(f"{count} jobs: traxen-cli check --json {cli_wall:.3f} s ({cli_cpu:.3f} s processor), "
              f"peak {peak:.1f} MB; python json.load {py_wall:.3f} s ({py_cpu:.3f} s processor)\n"
              f"ratio {cli_wall / py_wall:.2f} wall, {cli_cpu / py_cpu:.2f} processor "
              f"(goal <= 0.50; memory goal < 30 MB)")
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()

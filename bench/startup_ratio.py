#!/usr/bin/env python3
"""The start of one check: `traxen-cli check job.json` against a bare C++ program that reads the
same file (bench/read_file.cpp, built as build/bench/traxen_read_file), each run many times
in turn on the same machine. Goal: traxen-cli at most twice the reader's time.

    bench/startup_ratio.py build/bin/traxen-cli build/bench/traxen_read_file [RUNS]

Both load the C++ runtime; traxen-cli also loads libfmt, sets up its command line and its
tables, reads, checks and prints the job. Times are sums over the runs (default 300 each).
"""
import os
import subprocess
import sys
import tempfile
import time


def run(argv):
    start = time.perf_counter()
    with open(os.devnull, "wb") as null:
        proc = subprocess.Popen(argv, stdout=null, stderr=null)
        _, status, usage = os.wait4(proc.pid, 0)
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        sys.exit(f"{' '.join(argv)} failed")
    return time.perf_counter() - start, usage.ru_utime + usage.ru_stime


def main():
    cli, reader = (os.path.abspath(p) for p in sys.argv[1:3])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 300
    with tempfile.TemporaryDirectory(prefix="traxen_startup_") as folder:
        job = os.path.join(folder, "job.json")
        subprocess.run([cli, "new", "kn", "-o", job], check=True)
        totals = {"check": [0.0, 0.0], "read": [0.0, 0.0]}
        for _ in range(runs):
            for name, argv in (("check", [cli, "check", job]), ("read", [reader, job])):
                wall, cpu = run(argv)
                totals[name][0] += wall
                totals[name][1] += cpu
    (cw, cc), (rw, rc) = totals["check"], totals["read"]
    print(f"{runs} runs each: traxen-cli check of one job {1000 * cw / runs:.2f} ms "
          f"({1000 * cc / runs:.2f} ms processor); the bare reader {1000 * rw / runs:.2f} ms "
          f"({1000 * rc / runs:.2f} ms processor): ratio {cw / rw:.2f} wall, {cc / rc:.2f} processor (goal <= 2)")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Whole-process speed and memory of large batches, as ratios of runs made side by side on
the same machine (a shared machine makes absolute times meaningless; the ratios of runs
interleaved with each other hold):

  - `traxen-cli check --json` of N JSON jobs against Python's json.load of the same files,
    each in a process of its own. The reference is Debian's own interpreter, /usr/bin/python3,
    or the one named with --python; the line it prints says which it was.
    Goals: at most 0.45 of json.load's time at 10 000 jobs, at most 0.5 at 100 000.
  - the peak memory of those runs: at 100 000 jobs within 10 MiB of that at 1 000, once the
    list of file names is set aside (measured as a check of the same number of names of
    files that do not exist, which holds the list and reads nothing).
  - project files: `check --json` of the same N jobs as .trx files against the .json files.
    Goal: at most 0.8.

    bench/batch_ratio.py build/bin/traxen-cli                  # 10 000 jobs
    bench/batch_ratio.py build/bin/traxen-cli 1000 10000 100000 --python /usr/bin/python3.11

Each figure is the best of --runs runs (default 3) of each program, the programs taking turns.
Wall times include waiting for a processor on a busy machine; processor times do not.
"""
import argparse
import os
import resource
import shutil
import subprocess
import sys
import tempfile
import time

PY_LOAD = "import json,sys\nfor f in sys.argv[1:]:\n    with open(f) as h: json.load(h)\n"
DEBIAN_PYTHON = "/usr/bin/python3"


def room_for_arguments():
    """A larger stack for the child: Linux lets the arguments take a quarter of it, and the
    names of 100 000 files need more than the usual 2 MiB."""
    soft, hard = resource.getrlimit(resource.RLIMIT_STACK)
    want = 64 * 1024 * 1024
    if soft != resource.RLIM_INFINITY and soft < want and (hard == resource.RLIM_INFINITY or hard >= want):
        resource.setrlimit(resource.RLIMIT_STACK, (want, hard))


def run(argv, ok=(0, 1)):
    """Wall time (s), processor time (s) and peak resident memory (MiB) of one process."""
    start = time.perf_counter()
    with open(os.devnull, "wb") as null:
        proc = subprocess.Popen(argv, stdout=null, stderr=null, preexec_fn=room_for_arguments)
        _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code not in ok:
        sys.exit(f"{argv[0]} {argv[1]} failed with exit status {code}")
    return elapsed, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024


def best(runs, *commands):
    """The best wall and processor time and the largest peak of each command, taking turns."""
    results = [[float("inf"), float("inf"), 0.0] for _ in commands]
    for _ in range(runs):
        for result, (argv, ok) in zip(results, commands):
            wall, cpu, mb = run(argv, ok)
            result[0], result[1], result[2] = min(result[0], wall), min(result[1], cpu), max(result[2], mb)
    return results


def python_reference(given):
    python = given or (DEBIAN_PYTHON if os.path.exists(DEBIAN_PYTHON) else sys.executable)
    version = subprocess.run([python, "-c", "import sys, sysconfig; print(sys.version.split()[0], "
                              "sysconfig.get_config_var('CONFIG_ARGS') or '')"],
                             capture_output=True, text=True, check=True).stdout.strip()
    return python, version


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("cli", help="traxen-cli to measure")
    parser.add_argument("counts", nargs="*", type=int, default=[10000], help="numbers of jobs (default 10000)")
    parser.add_argument("--python", help=f"the Python to compare with (default {DEBIAN_PYTHON})")
    parser.add_argument("--runs", type=int, default=3, help="runs of each program, the best counted (default 3)")
    args = parser.parse_args()
    cli = os.path.abspath(args.cli)
    python, version = python_reference(args.python)
    print(f"reference: {python} (Python {version.split()[0]}), json.load of each file")

    folder = tempfile.mkdtemp(prefix="traxen_batch_ratio_")
    try:
        os.chdir(folder)
        templates = []
        for family in ("tyx", "kn"):
            subprocess.run([cli, "new", family, "-o", f"template_{family}.json"], check=True)
            subprocess.run([cli, "convert", f"template_{family}.json", "-o", f"template_{family}.trx"],
                           check=True)
            templates.append(f"template_{family}")
        made = 0
        peaks, list_peaks = {}, {}
        for count in sorted(args.counts):
            for i in range(made, count):  # the jobs of the largest batch include the smaller ones
                for suffix in (".json", ".trx"):
                    shutil.copyfile(templates[i % 2] + suffix, f"job_{i:06d}{suffix}")
            made = max(made, count)
            json_jobs = [f"job_{i:06d}.json" for i in range(count)]
            trx_jobs = [f"job_{i:06d}.trx" for i in range(count)]
            missing = [f"none_{i:06d}.json" for i in range(count)]
            (cli_wall, cli_cpu, peak), (py_wall, py_cpu, _), (trx_wall, trx_cpu, _), (_, _, names_peak) = best(
                args.runs,
                ([cli, "check", "--json", *json_jobs], (0, 1)),
                ([python, "-c", PY_LOAD, *json_jobs], (0,)),
                ([cli, "check", "--json", *trx_jobs], (0, 1)),
                ([cli, "check", "--json", *missing], (2,)))
            peaks[count], list_peaks[count] = peak, names_peak
            print(f"{count} jobs: traxen-cli check --json {cli_wall:.3f} s ({cli_cpu:.3f} s processor), "
                  f"peak {peak:.1f} MiB; json.load {py_wall:.3f} s ({py_cpu:.3f} s processor): "
                  f"ratio {cli_wall / py_wall:.2f} wall, {cli_cpu / py_cpu:.2f} processor "
                  f"(goal <= {0.45 if count <= 10000 else 0.5})")
            print(f"{count} jobs as .trx: {trx_wall:.3f} s ({trx_cpu:.3f} s processor): ratio to the .json "
                  f"{trx_wall / cli_wall:.2f} wall, {trx_cpu / cli_cpu:.2f} processor (goal <= 0.8)")
        if len(peaks) > 1:
            low, high = min(peaks), max(peaks)
            names = list_peaks[high] - list_peaks[low]
            growth = peaks[high] - peaks[low] - names
            print(f"peak memory from {low} to {high} jobs: {peaks[low]:.1f} -> {peaks[high]:.1f} MiB, of which "
                  f"{names:.1f} MiB the list of file names; growth without it {growth:.1f} MiB (goal <= 10)")
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()

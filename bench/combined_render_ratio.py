#!/usr/bin/env python3
"""A truss's combined report against one process per joint: `traxen-cli render joints.csv -o
truss.pdf` of N joints, with a fixed date (--date, the reproducible PDF) and without, and
`traxen-cli render joint_i.json -o joint_i.pdf` for each of them, on the same machine.

Goals: the combined render of 1 000 joints takes at most 0.15 of the single renders together;
its peak memory at 1 000 joints is at most 1.2 times that at 100, with and without --date
(each report is laid out when its turn comes and dropped once painted, and the PDF goes
straight to its file, fixed up on its way when the date is fixed).

    bench/combined_render_ratio.py build/bin/traxen-cli [N ...]     (default: 100 1000)

The single renders are timed for the largest N only (they take minutes).
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time


def run(argv):
    start = time.perf_counter()
    with open(os.devnull, "wb") as null:
        proc = subprocess.Popen(argv, stdout=null, stderr=null)
        _, status, usage = os.wait4(proc.pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{' '.join(argv[:3])} ... failed")
    return time.perf_counter() - start, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024


def main():
    cli = os.path.abspath(sys.argv[1])
    counts = sorted(int(a) for a in sys.argv[2:]) or [100, 1000]
    folder = tempfile.mkdtemp(prefix="traxen_combined_ratio_")
    try:
        os.chdir(folder)
        subprocess.run([cli, "new", "table", "-o", "template.csv"], check=True)
        header, *rows = open("template.csv", encoding="utf-8").read().splitlines()
        peaks = {}
        for count in counts:
            with open(f"truss{count}.csv", "w", encoding="utf-8") as table:
                table.write(header + "\n")
                for i in range(count):
                    cells = rows[i % len(rows)].split(",")
                    cells[0] = f"J{i + 1}"
                    table.write(",".join(cells) + "\n")
            for dated in (False, True):
                date = ["--date", "2026-03-01"] if dated else []
                wall, cpu, peak = run([cli, "render", f"truss{count}.csv", "-o", f"truss{count}.pdf", *date])
                peaks[count, dated] = peak
                print(f"{count} joints{' --date' if dated else ''}: combined {wall:.2f} s ({cpu:.2f} s processor), "
                      f"peak {peak:.1f} MiB")
        for dated in (False, True):
            low, high = peaks[counts[0], dated], peaks[counts[-1], dated]
            print(f"peak from {counts[0]} to {counts[-1]} joints{' --date' if dated else ''}: {low:.1f} -> "
                  f"{high:.1f} MiB, ratio {high / low:.2f} (goal <= 1.2)")

        count = counts[-1]
        jobs = f"jobs{count}"
        subprocess.run([cli, "split", f"truss{count}.csv", "-o", jobs], check=True)
        combined_wall, combined_cpu, _ = run([cli, "render", f"truss{count}.csv", "-o", "again.pdf"])
        singles_wall = singles_cpu = 0.0
        for name in sorted(os.listdir(jobs)):
            wall, cpu, _ = run([cli, "render", os.path.join(jobs, name), "-o", os.path.join(jobs, name + ".pdf")])
            singles_wall, singles_cpu = singles_wall + wall, singles_cpu + cpu
        print(f"{count} joints: combined {combined_wall:.2f} s ({combined_cpu:.2f} s processor); one process per "
              f"joint {singles_wall:.2f} s ({singles_cpu:.2f} s processor): ratio {combined_wall / singles_wall:.3f} "
              f"wall, {combined_cpu / singles_cpu:.3f} processor (goal <= 0.15)")
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""A truss's combined report against one process per joint: `traxen-cli render joints.csv -o
truss.pdf` of N joints, and `traxen-cli render joint_i.json -o joint_i.pdf` for each of them.

Goal: the combined render takes at most twice the time of the single renders together, and
its peak memory stays flat as N grows (each report is laid out when its turn comes and
dropped once painted; the PDF goes straight to its file).

    bench/combined_render_ratio.py build/bin/traxen-cli [N ...]     (default: 100 1000)
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
    return time.perf_counter() - start, usage.ru_maxrss / 1024


def main():
    cli = os.path.abspath(sys.argv[1])
    counts = [int(a) for a in sys.argv[2:]] or [100, 1000]
    folder = tempfile.mkdtemp(prefix="traxen_combined_ratio_")
    try:
        os.chdir(folder)
        subprocess.run([cli, "new", "table", "-o", "template.csv"], check=True)
        header, *rows = open("template.csv", encoding="utf-8").read().splitlines()
        for count in counts:
            with open(f"truss{count}.csv", "w", encoding="utf-8") as table:
                table.write(header + "\n")
                for i in range(count):
                    cells = rows[i % len(rows)].split(",")
                    cells[0] = f"J{i + 1}"
                    table.write(",".join(cells) + "\n")
            combined, peak = run([cli, "render", f"truss{count}.csv", "-o", f"truss{count}.pdf"])
            jobs = f"jobs{count}"
            subprocess.run([cli, "split", f"truss{count}.csv", "-o", jobs], check=True)
            singles, single_peak = 0.0, 0.0
            for name in sorted(os.listdir(jobs)):
                t, mb = run([cli, "render", os.path.join(jobs, name), "-o", os.path.join(jobs, name + ".pdf")])
                singles, single_peak = singles + t, max(single_peak, mb)
            print(f"{count} joints: combined {combined:.2f} s, peak {peak:.0f} MB; one process per joint "
                  f"{singles:.2f} s, peak {single_peak:.0f} MB; ratio {combined / singles:.2f} (goal <= 2)")
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()

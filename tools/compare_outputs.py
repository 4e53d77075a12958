#!/usr/bin/env python3
"""Every output of two traxen-cli builds over the project's own corpus, compared byte for byte.

    tools/compare_outputs.py OLD/bin/traxen-cli NEW/bin/traxen-cli

The corpus: the JSON jobs of tests/, bench/ and fuzz/, the project files of examples/ and fuzz/,
a job of every family as `new` writes it, those jobs as project files (converted by each build
itself), joint tables (the template, one of every JSON job, one with rows that cannot be read,
a semicolon table with decimal commas) and bad inputs (the README's typical mistakes and more).
Each build runs in a folder of its own holding the same files under the same names, so that
every message reads the same; the section library is named with --library.

Per input it compares standard output, standard error, the exit status and every file written:
check (text, --json, --csv, one by one and as one batch), render to .txt, to .pdf with --date
(Estonian and English) and --no-welds, to .png, convert, split; and keys, new, every --help,
--version.

The changes that are meant are named so rather than counted as differences, each only when
it is all that changed:
  - a job whose name is still a new job's placeholder has the job file's name as its PDF title;
    its pages are compared as text (pdftotext), and the same job with a name of its own is
    rendered by both builds and compared byte for byte, so the rest of the file is checked too;
  - a truss summary that cut a text short ("…") wraps it now: the joints' reports after it
    read the same, page numbers aside;
  - a reproducible PDF's bookmark of seven characters ("Summary") reads as it is named: the old
    build took its 32 hex digits for the document id and replaced them;
  - a table with rows that cannot be read gives its PDF now, the rows listed in its summary;
  - the help of render says so, and how a PDF is titled.
Exit status 0 when nothing differs but the meant changes, 1 otherwise.
"""
import filecmp
import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LIBRARY = os.path.join(ROOT, "data", "Profiilid")
PLACEHOLDERS = ("....(töö nimi)", "....(job name)")
DATE = "2026-03-01"

BAD_JOBS = {
    "misspelt_key.json": '{"family": {"is_tyx": 1}, "tyx": {"bo": 200}}',
    "string_number.json": '{"family": {"is_tyx": 1}, "tyx": {"h0": "200"}}',
    "decimal_comma.json": '{"family": {"is_tyx": 1},\n "tyx": {"h0": 200,5}}',
    "negative_size.json": '{"family": {"is_tyx": 1}, "tyx": {"h0": -200}}',
    "angle_zero.json": '{"family": {"is_tyx": 1}, "tyx": {"theta1": 0}}',
    "missing_key.json": '{"family": {"is_tyx": 1}, "tyx": {"h0": 200, "b0": 200, "t0": 8, "h1": 120, "b1": 120,'
                        ' "t1": 6, "N0": -271.6, "M0": 2.81, "theta1": 84.3}}',
    "broken.json": "{",
    "empty.json": "",
    "two_families.json": '{"family": {"is_tyx": 1, "is_kn": 1}}',
    "escaped.json": '{"info": {"job_name": "T\\u00f5\\"1\\"\\n"}, "family": {"is_tyx": 1}}',
    "not_utf8.json": b'{"info": {"job_name": "\xf5"}}',
    "bad_line.trx": "0 1 x\n",
    "short.trx": "0 0 1 1 0 0 355 1 1 \n",
    "extra_line.trx": None,  # made from a good project file below
}


def run(cli, args, cwd, stdin=None):
    env = {k: v for k, v in os.environ.items()
           if k not in ("TRAXEN_LIBRARY", "SOURCE_DATE_EPOCH", "TRAXEN_LANG", "XDG_DATA_HOME")}
    env["QT_QPA_PLATFORM"] = "offscreen"
    env["XDG_DATA_DIRS"] = os.path.join(cwd, "no-data-dirs")
    r = subprocess.run([cli, *args], cwd=cwd, env=env, capture_output=True,
                       stdin=open(os.path.join(cwd, stdin), "rb") if stdin else subprocess.DEVNULL)
    return r.returncode, r.stdout, r.stderr


def corpus(folder, cli):
    """Copies the corpus into `folder`; returns the jobs, the tables and the bad inputs."""
    jobs, tables, bad = [], [], []
    sources = []
    for top in ("tests", "bench", "fuzz", "examples"):
        for dirpath, _, files in os.walk(os.path.join(ROOT, top)):
            for f in sorted(files):
                if f.endswith((".json", ".trx")):
                    sources.append(os.path.join(dirpath, f))
    for path in sorted(sources):
        name = os.path.relpath(path, ROOT).replace(os.sep, "__")
        shutil.copyfile(path, os.path.join(folder, name))
        jobs.append(name)
    for family in ("tyx", "x", "kn", "chs_tyx", "chs_x", "chs_kn"):
        name = f"new_{family}.json"
        run(cli, ["new", family, "-o", name], folder)
        jobs.append(name)
    for name, text in BAD_JOBS.items():
        if text is None:
            with open(os.path.join(ROOT, "examples", "kn_windows.trx"), "rb") as f:
                text = f.read() + b"1.5 \n" * 9 + b"42 \n"
        with open(os.path.join(folder, name), "wb") as f:
            f.write(text.encode() if isinstance(text, str) else text)
        bad.append(name)
    run(cli, ["new", "table", "-o", "template.csv"], folder)
    tables.append("template.csv")
    good_json = [j for j in jobs if j.endswith(".json") and j.startswith(("tests", "bench", "new_"))]
    run(cli, ["table", *good_json, "-o", "all_jobs.csv"], folder)
    tables.append("all_jobs.csv")
    with open(os.path.join(folder, "template.csv"), encoding="utf-8") as f:
        header, *rows = f.read().splitlines()
    with open(os.path.join(folder, "bad_rows.csv"), "w", encoding="utf-8") as f:
        f.write("\n".join([header, rows[0], rows[0].replace("T1,", "T2,").replace(",84.3,", ",0,"),
                           rows[0].replace("T1,", "T3,").replace("200x200x8", "999x999x8"), rows[1], ""]))
    tables.append("bad_rows.csv")
    with open(os.path.join(folder, "semicolons.csv"), "w", encoding="utf-8") as f:
        f.write("\ufeffjoint;family;chord;brace1;tyx.N0;tyx.M0;tyx.N1;tyx.theta1\r\n"
                "A;tyx;200x200x8;120x120x6;-271,6;2,81;-52;84,3\r\nB;tyx;200x200x8;120x120x6;-271,6;2,81;-900;84,3\r\n")
    tables.append("semicolons.csv")
    return jobs, tables, bad


def named_copy(folder, job):
    """The job with a name of its own instead of the placeholder, or None when it has one."""
    with open(os.path.join(folder, job), "rb") as f:
        text = f.read()
    for placeholder in PLACEHOLDERS:
        raw = placeholder.encode()
        if job.endswith(".trx"):
            raw = placeholder.encode("cp1257")
        if raw in text:
            name = "named__" + job
            with open(os.path.join(folder, name), "wb") as f:
                f.write(text.replace(raw, b"Corpus job"))
            return name
    return None


def pdf_text(path):
    return subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True).stdout


def pdf_title(path):
    out = subprocess.run(["pdfinfo", path], capture_output=True, text=True).stdout
    return next((l.split(":", 1)[1].strip() for l in out.splitlines() if l.startswith("Title:")), "")


def only_bookmark_titles_differ(old_path, new_path):
    """The files are the same once every bookmark title of 32 hex digits is set aside."""
    def blanked(path):
        with open(path, "rb") as f:
            return re.sub(rb"/Title <[0-9A-Fa-f]{32}>", b"/Title <>", f.read())
    return blanked(old_path) == blanked(new_path)


def pdf_pages(path):
    """The text of each page, the page numbers of the footers left out."""
    text = pdf_text(path).decode("utf-8", "replace")
    return [re.sub(r"(Leht|Page) \d+ / \d+", "", page).strip() for page in text.split("\f")]


def summary_wraps_what_it_cut(old_path, new_path):
    """The old summary cut a text with "…" and the new one does not; every report after it is the same."""
    old_pages, new_pages = pdf_pages(old_path), pdf_pages(new_path)
    old_summary = [i for i, p in enumerate(old_pages) if "…" in p]
    if not old_summary or any("…" in p for p in new_pages[:len(new_pages) - len(old_pages) + len(old_summary) + 1]):
        return False
    reports = len(old_pages) - (max(old_summary) + 1)
    return reports > 0 and old_pages[-reports:] == new_pages[-reports:]


def main():
    old_cli, new_cli = (os.path.abspath(p) for p in sys.argv[1:3])
    base = tempfile.mkdtemp(prefix="traxen_compare_")
    folders = {"old": os.path.join(base, "old"), "new": os.path.join(base, "new")}
    clis = {"old": old_cli, "new": new_cli}
    for side in folders:
        os.makedirs(folders[side])
    try:
        # The corpus as the old build makes it, copied to the new one's folder: same inputs.
        jobs, tables, bad = corpus(folders["old"], old_cli)
        shutil.rmtree(folders["new"])
        shutil.copytree(folders["old"], folders["new"])
        lib = ["--library", LIBRARY]
        commands = [["keys"], ["--version"], ["--help"]] + [[c, "--help"] for c in
                                                           ("check", "render", "new", "convert", "split", "table", "keys")]
        commands += [["new", f] for f in ("tyx", "x", "kn", "chs_tyx", "chs-x", "chs_kn", "table", "nope")]
        for job in jobs + bad:
            stem = job.replace(".", "_")
            commands += [["check", job, *lib], ["check", "--json", job, *lib], ["check", "--csv", job, *lib],
                         ["render", job, "-o", stem + ".txt", "--date", DATE, *lib],
                         ["render", job, "-o", stem + "_en.txt", "--date", DATE, "--lang", "en", *lib],
                         ["render", job, "-o", stem + "_nowelds.txt", "--date", DATE, "--no-welds", *lib],
                         ["render", job, "-o", stem + ".pdf", "--date", DATE, *lib],
                         ["render", job, "-o", stem + "_en.pdf", "--date", DATE, "--lang", "en", *lib]]
            target = stem + (".trx" if job.endswith(".json") else ".json")
            commands.append(["convert", job, "-o", "converted__" + target, *lib])
            named = named_copy(folders["old"], job)
            if named:
                shutil.copyfile(os.path.join(folders["old"], named), os.path.join(folders["new"], named))
                commands.append(["render", named, "-o", named.replace(".", "_") + ".pdf", "--date", DATE, *lib])
        json_jobs = [j for j in jobs if j.endswith(".json")]
        trx_jobs = [j for j in jobs if j.endswith(".trx")]
        for fmt in ([], ["--json"], ["--csv"]):
            commands += [["check", *fmt, *json_jobs, *lib], ["check", *fmt, *trx_jobs, *lib],
                         ["check", *fmt, *jobs, *bad, *tables, *lib]]
        for table in tables:
            stem = table.replace(".", "_")
            commands += [["check", table, *lib], ["check", "--json", table, *lib], ["check", "--csv", table, *lib],
                         ["render", table, "-o", stem + ".pdf", "--date", DATE, *lib],
                         ["render", table, "-o", stem + "_en.pdf", "--date", DATE, "--lang", "en", *lib],
                         ["split", table, "-o", stem + "_jobs", *lib]]
        commands.append(["render", *json_jobs[:6], "-o", "several.pdf", "--date", DATE, *lib])
        commands += [["render", job, "-o", job.replace(".", "_") + ".png", "--date", DATE, *lib] for job in jobs[:4]]
        commands.append(["check", "-", *lib, "<", jobs[0]])

        differences, meant, compared = [], [], 0
        for args in commands:
            stdin = None
            if "<" in args:
                stdin = args[args.index("<") + 1]
                args = args[:args.index("<")]
            results = {}
            for side in folders:
                before = set(os.listdir(folders[side]))
                results[side] = run(clis[side], args, folders[side], stdin)
                results[side] += (sorted(set(os.listdir(folders[side])) - before),)
            compared += 1
            (oc, oo, oe, of), (nc, no, ne, nf) = results["old"], results["new"]
            what = " ".join(args)
            if args[:2] == ["render", "--help"] and (oc, oe) == (nc, ne) and oo != no and \
                    b"placeholder name" in no and b"cannot be read is listed in the summary" in no:
                meant.append(f"{what}: tells how a PDF is titled and what a table's unreadable row becomes")
                continue
            if args[0] == "render" and args[1].endswith(".csv") and oc == nc == 2 and b"written; its summary lists" in ne \
                    and b"not written" in oe and oe.split(b"traxen-cli: ")[0] == ne.split(b"traxen-cli: ")[0]:
                meant.append(f"{what}: the PDF is written with the rows that cannot be read listed in its summary")
                continue
            if (oc, oo, oe) != (nc, no, ne):
                parts = [p for p, same in (("exit status", oc == nc), ("stdout", oo == no), ("stderr", oe == ne))
                         if not same]
                differences.append(f"{what}: {', '.join(parts)} ({oc} -> {nc})\n    old: {oe[:300]!r}\n    new: {ne[:300]!r}")
            if of != nf:
                differences.append(f"{what}: files written {of} -> {nf}")
                continue
            for written in of:
                old_path, new_path = (os.path.join(folders[s], written) for s in ("old", "new"))
                if os.path.isdir(old_path):
                    cmp = filecmp.dircmp(old_path, new_path)
                    if cmp.diff_files or cmp.left_only or cmp.right_only:
                        differences.append(f"{what}: {written}/ differs: {cmp.diff_files + cmp.left_only + cmp.right_only}")
                    continue
                if filecmp.cmp(old_path, new_path, shallow=False):
                    continue
                if written.endswith(".pdf") and pdf_title(old_path) in PLACEHOLDERS and \
                        pdf_title(new_path) == args[1] and pdf_text(old_path) == pdf_text(new_path):
                    meant.append(f"{what}: the title is the job file's name, the pages read the same")
                    continue
                if written.endswith(".pdf") and only_bookmark_titles_differ(old_path, new_path):
                    meant.append(f"{what}: a bookmark of seven characters reads right")
                    continue
                if written.endswith(".pdf") and args[1].endswith(".csv") and summary_wraps_what_it_cut(old_path, new_path):
                    meant.append(f"{what}: the summary wraps the texts it cut before, the reports read the same")
                    continue
                differences.append(f"{what}: {written} differs")
        print(f"{compared} commands over {len(jobs)} jobs, {len(tables)} tables and {len(bad)} bad inputs")
        for m in meant:
            print("meant:", m)
        for d in differences:
            print("DIFFERS:", d)
        print(f"{len(differences)} differences, {len(meant)} meant changes")
        return 1 if differences else 0
    finally:
        shutil.rmtree(base, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())

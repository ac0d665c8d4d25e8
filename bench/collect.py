#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs every benchmark program listed in the build's manifest, times the outside anchors on the
shared card file, and prints one table. Used by bench/run.

Google Benchmark programs are read through their JSON output; plain programs print lines
"RESULT | name | value | unit". A figure whose program is missing or fails shows "n/a"."""

import csv
import fnmatch
import json
import os
import subprocess
import sys
import time

BUILD = sys.argv[1]
CARDS = sys.argv[2]
BENCH = os.path.join(BUILD, "bench")
TIMEOUT = int(os.environ.get("FENDRO_BENCH_TIMEOUT", "900"))

# Programs that need arguments; every other program runs without any.
INVOCATIONS = {
    "bench_cardfile": [["load", CARDS, "5"], ["sort", CARDS, "3"]],
}

# The figures the project promises, and the programs that give them.
EXPECTED = [
    ("load and sort of 100,000 cards", ["bench_cardfile*"]),
    ("saving 100,000 cards, with and without fsync", ["bench_save*"]),
    ("decode rate", ["bench_decode*"]),
    ("CPU while waiting, receive loss at the fastest rate", ["bench_serial_*"]),
    ("printing 10,000 cards", ["bench_print*"]),
    ("certificates of 1,000 cards into one PDF", ["bench_certificate*"]),
    ("connection dialog probe, search", ["*probe*", "*connection*", "*dialog*", "*verb*"]),
    ("start-up time and peak memory", ["bench_gui_startup*"]),
    ("customer history of 100,000 cards in 50 files, and vs grep -c", ["bench_history*"]),
    ("accessibility cost: 2,500-card table and 2,500 of 100,000 deleted, with and without "
     "the AT-SPI bus", ["bench_accessibility*"]),
]

STANDARD_KEYS = {
    "name", "family_index", "per_family_instance_index", "run_name", "run_type", "repetitions",
    "repetition_index", "threads", "iterations", "real_time", "cpu_time", "time_unit",
    "aggregate_name", "aggregate_unit", "error_occurred", "error_message", "label",
}


def si(value):
    for limit, suffix in ((1e9, "G"), (1e6, "M"), (1e3, "k")):
        if abs(value) >= limit:
            return f"{value / limit:.3g}{suffix}"
    return f"{value:.3g}"


def num(x):
    return f"{x:.1f}" if abs(x) >= 100 else f"{x:.4g}"


def run_gbench(exe, args):
    proc = subprocess.run([exe, "--benchmark_format=json"] + args, cwd=BENCH, env=ENV,
                          capture_output=True, text=True, timeout=TIMEOUT)
    rows = []
    data = json.loads(proc.stdout) if proc.stdout.strip() else {"benchmarks": []}
    for b in data.get("benchmarks", []):
        if b.get("error_occurred"):
            rows.append((b["name"], "n/a", b.get("error_message", "error")))
            continue
        unit = b.get("time_unit", "ns")
        value = f"{num(b['real_time'])} {unit}"
        notes = [f"cpu {num(b['cpu_time'])} {unit}"]
        for key, v in b.items():
            if key in STANDARD_KEYS or not isinstance(v, (int, float)):
                continue
            label = {"items_per_second": "items/s", "bytes_per_second": "B/s"}.get(key, key)
            notes.append(f"{label} {si(float(v))}")
        if b.get("label"):
            notes.append(b["label"])
        rows.append((b["name"], value, ", ".join(notes)))
    if proc.returncode != 0:
        rows.append(("(program)", "n/a", f"exit code {proc.returncode}"))
    return rows


def plain_rows(stdout):
    rows = []
    for line in stdout.splitlines():
        if line.startswith("RESULT |"):
            parts = [p.strip() for p in line.split("|")[1:]]
            parts += [""] * (3 - len(parts))
            rows.append((parts[0], f"{parts[1]} {parts[2]}".strip(), ""))
        elif "\t" in line and "median" in line:
            # "load<TAB>100000 cards<TAB>median 12.3 ms<TAB>peak 45.6 MB"
            fields = line.split("\t")
            value = next((f[len("median "):] for f in fields if f.startswith("median ")), "")
            rest = [f for f in fields[1:] if not f.startswith("median ")]
            rows.append((f"{fields[0]} (median)", value, ", ".join(rest)))
    if not rows:
        # A program with a format of its own: its lines as they stand.
        rows = [(" ".join(line.split()), "", "") for line in stdout.splitlines() if line.strip()]
    return rows


def run_plain(exe, args):
    proc = subprocess.run([exe] + args, cwd=BENCH, env=ENV, capture_output=True, text=True,
                          timeout=TIMEOUT)
    rows = plain_rows(proc.stdout)
    if not rows:
        rows.append(("(program)", "n/a", "no output"))
    if proc.returncode != 0:
        rows.append(("(program)", "n/a", f"exit code {proc.returncode}"))
    return rows


def best_of(n, fn):
    best = None
    for _ in range(n):
        t = time.perf_counter()
        fn()
        dt = time.perf_counter() - t
        best = dt if best is None else min(best, dt)
    return best * 1000.0


def anchors():
    rows = []
    if not os.path.exists(CARDS):
        return [("anchors", "n/a", "no card file")]

    def command(args, env=None):
        return lambda: subprocess.run(args, check=True, stdout=subprocess.DEVNULL, env=env)

    c_env = dict(os.environ, LC_ALL="C")
    try:
        rows.append(("wc -l (read the file once)",
                     f"{best_of(5, command(['wc', '-l', CARDS])):.1f} ms", "anchor"))
    except (OSError, subprocess.CalledProcessError) as e:
        rows.append(("wc -l", "n/a", str(e)[:60]))

    def py_load():
        with open(CARDS, newline="", encoding="cp1252") as f:
            return list(csv.reader(f))

    loaded = py_load()
    rows.append(("Python csv: load", f"{best_of(3, py_load):.1f} ms",
                 f"anchor, {len(loaded)} rows"))
    rows.append(("Python csv: sort by name (stable)",
                 f"{best_of(3, lambda: sorted(loaded, key=lambda r: r[0])):.1f} ms", "anchor"))
    try:
        sort_cmd = ["sort", "-s", "-t", ",", "-k1,1", "-k2,2", "-k3,3", CARDS, "-o", os.devnull]
        rows.append(("GNU sort -s -t, -k1,1 -k2,2 -k3,3 (load, sort, write)",
                     f"{best_of(3, command(sort_cmd, c_env)):.1f} ms", "anchor, LC_ALL=C"))
    except (OSError, subprocess.CalledProcessError) as e:
        rows.append(("GNU sort", "n/a", str(e)[:60]))
    return rows


ENV = dict(os.environ, QT_QPA_PLATFORM="offscreen", FENDRO_BENCH_CARDS=CARDS)
ENV.setdefault("XDG_RUNTIME_DIR", "/tmp")

programs = []
manifest = os.path.join(BENCH, "manifest.txt")
if os.path.exists(manifest):
    with open(manifest) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 2:
                programs.append(tuple(parts))

results = {}
for name, kind in programs:
    exe = os.path.join(BUILD, name)
    print(f"== {name}", file=sys.stderr, flush=True)
    if not os.access(exe, os.X_OK):
        results[name] = [("(program)", "n/a", "not built")]
        continue
    results[name] = []
    for args in INVOCATIONS.get(name, [[]]):
        try:
            run = run_gbench if kind == "gbench" else run_plain
            results[name] += run(exe, args)
        except subprocess.TimeoutExpired:
            results[name].append(("(program)", "n/a", f"timed out after {TIMEOUT} s"))
        except (OSError, ValueError) as e:
            results[name].append(("(program)", "n/a", str(e)[:60]))

table = []  # (figure, value, notes, program)
claimed = set()
for title, patterns in EXPECTED:
    table.append((f"[{title}]", "", "", ""))
    names = [n for n, _ in programs if any(fnmatch.fnmatch(n, p) for p in patterns)
             and n not in claimed]
    if not names:
        table.append(("  " + title, "n/a", "no benchmark program", ""))
    for n in names:
        claimed.add(n)
        for fig, value, notes in results[n]:
            table.append(("  " + fig, value, notes, n))
    if title.startswith("load and sort"):
        for fig, value, notes in anchors():
            table.append(("  " + fig, value, notes, "bench/collect.py"))
others = [n for n, _ in programs if n not in claimed]
if others:
    table.append(("[other benchmarks]", "", "", ""))
    for n in others:
        for fig, value, notes in results[n]:
            table.append(("  " + fig, value, notes, n))

widths = [max(len(r[i]) for r in table + [("Figure", "Value", "Notes", "Program")])
          for i in range(4)]
widths = [min(w, 90) for w in widths]
lines = []
header = ("Figure", "Value", "Notes", "Program")
lines.append("  ".join(h.ljust(w) for h, w in zip(header, widths)).rstrip())
lines.append("  ".join("-" * w for w in widths))
for r in table:
    lines.append("  ".join(c[:90].ljust(w) for c, w in zip(r, widths)).rstrip())
text = "\n".join(lines)
print(text)
with open(os.path.join(BENCH, "results.txt"), "w") as f:
    f.write(text + "\n")

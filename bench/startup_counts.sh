#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# Instruction counts of a start and close, the program against the bare window, under
# callgrind: unlike times they do not move with the machine's load, so one run shows what a
# change is worth. Prints both totals and where the difference goes (bench/startup_profile.md
# says what each row holds). Run it on an X display, e.g.
#   xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bench/startup_counts.sh build
# Usage: startup_counts.sh BUILD_DIR [KEEP_FOLDER]
set -euo pipefail

build=${1:?usage: startup_counts.sh BUILD_DIR [KEEP_FOLDER]}
minimal=$build/bench/minimal_window
driver=$build/bench/startup_driver
command -v valgrind >/dev/null || { echo "needs valgrind (Debian package: valgrind)" >&2; exit 1; }
# shellcheck source=run_measure.sh
source "$(dirname "$0")/run_measure.sh"
measure_setup "$minimal" "$driver"
out=${2:-$work}
mkdir -p "$out"

# Threads apart: the main thread's count repeats to a tenth of a percent from run to run,
# while Qt's D-Bus and X event threads wait on other processes and vary.
mkdir "$work/files"
rm -f "$out"/bare.callgrind* "$out"/program.callgrind*
valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$out/bare.callgrind" \
    "$minimal" 2>"$work/bare.log"
valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$out/program.callgrind" \
    "$driver" "$work/files" 2>"$work/program.log"
for name in bare program; do
    callgrind_annotate --inclusive=no --threshold=100 "$out/$name.callgrind-01" >"$out/$name.self"
    callgrind_annotate --inclusive=yes --tree=caller --threshold=100 "$out/$name.callgrind-01" \
        >"$out/$name.callers"
    cat "$out/$name".callgrind-* | awk '/^totals:/ { sum += $2 } END { print sum }' \
        >"$out/$name.all"
done

python3 - "$out" <<'PYTHON'
import re
import sys

out = sys.argv[1]
line_re = re.compile(r"^\s*([\d,]+) \([\s\d.]+%\)\s+(?:([*<>])\s+)?(.*?)(?: \((\d+)x\))?(?: \[(.*)\])?$")

# The libraries whose own instructions make a row.
LIBRARY_ROWS = [
    ("the linker (ld.so, own instructions)", ["ld-linux"]),
    ("Qt's platform (xcb, X11, xkb, D-Bus libraries)", ["libxcb", "libX11", "libxkb", "libdbus",
                                                      "libQt6XcbQpa", "libQt6DBus", "libglib"]),
    ("fonts (fontconfig, expat, FreeType, HarfBuzz)", ["libfontconfig", "libexpat",
                                                        "libfreetype", "libharfbuzz"]),
]
# Steps of the program, each with all it calls (so they hold font and linker work too).
STEP_ROWS = [
    ("controls created (with their fonts)", ["TForm1::createControls()", "QLineEdit::QLineEdit(",
                                             "QLabel::QLabel("]),
    ("pictures", ["stocks::builtInPicture("]),
    ("page and settings files", ["stocks::runStartSequence(", "stocks::runCloseSequence("]),
    ("the close (window, application, exit)", ["TForm1::closeEvent(", "TForm1::~TForm1()",
                                               "QApplication::~QApplication()", "exit"]),
]


def self_costs(name):
    costs = {}
    with open(f"{out}/{name}.self", encoding="utf-8", errors="replace") as text:
        for line in text:
            match = line_re.match(line)
            if match and match.group(5):
                obj = match.group(5).rsplit("/", 1)[-1]
                costs[obj] = costs.get(obj, 0) + int(match.group(1).replace(",", ""))
    return costs


def inclusive(name):
    """Each function's inclusive cost and how often it was called."""
    costs, calls = {}, {}
    with open(f"{out}/{name}.callers", encoding="utf-8", errors="replace") as text:
        for line in text:
            match = line_re.match(line)
            if not match:
                continue
            cost = int(match.group(1).replace(",", ""))
            function = match.group(3).split(":", 1)[-1]
            if match.group(2) == "*":
                costs[function] = cost
            elif match.group(2) == "<" and match.group(4):
                current = calls.setdefault("pending", [])
                current.append(int(match.group(4)))
            if match.group(2) == "*":
                calls[function] = sum(calls.pop("pending", [])) or 1
    return costs, calls


def total(name):
    with open(f"{out}/{name}.self", encoding="utf-8", errors="replace") as text:
        for line in text:
            if "PROGRAM TOTALS" in line:
                return int(line.split()[0].replace(",", ""))
    return 0


def step(costs, prefixes, root_only):
    found = 0
    for prefix in prefixes:
        # The first prefix that matches, so that an outer step is not added to its parts.
        matches = [c for f, c in costs.items() if f.startswith(prefix) and not f.endswith("'2")]
        if matches:
            found += max(matches)
            if root_only:
                break
    return found


rows = []
selfs = {n: self_costs(n) for n in ("bare", "program")}
for label, libraries in LIBRARY_ROWS:
    rows.append((label, *(sum(c for o, c in selfs[n].items()
                              if any(o.startswith(lib) for lib in libraries))
                          for n in ("bare", "program"))))
incl = {n: inclusive(n) for n in ("bare", "program")}
# The first text laid out sets up the font database, wherever that is (the bare window: in
# its field; the program: where it looks for its faces): a row of its own.
DATABASE = "QFontconfigDatabase::populateFontDatabase()"
rows.append(("font database set up (fontconfig start)",
             *(incl[n][0].get(DATABASE, 0) for n in ("bare", "program"))))
for label, prefixes in STEP_ROWS:
    root_only = label.startswith("controls")
    values = []
    for n in ("bare", "program"):
        value = step(incl[n][0], prefixes, root_only)
        if root_only and value > incl[n][0].get(DATABASE, 0):
            value -= incl[n][0].get(DATABASE, 0)
        values.append(value)
    rows.append((label, *values))
for label, function in (("font engines set up (count)", "QFontconfigDatabase::setupFontEngine("),
                        ("widgets made (count)", "QWidget::QWidget(")):
    counts = []
    for n in ("bare", "program"):
        counts.append(sum(c for f, c in incl[n][1].items() if f.startswith(function)))
    rows.append((label, *counts))
rows.append(("total, main thread", total("bare"), total("program")))


def all_threads(name):
    with open(f"{out}/{name}.all", encoding="ascii") as text:
        return int(text.read().split()[0])


rows.append(("total, all threads", all_threads("bare"), all_threads("program")))

print(f"{'':52} {'bare':>12} {'program':>12} {'difference':>12}")
for label, bare, program in rows:
    print(f"{label:52} {bare:12,} {program:12,} {program - bare:+12,}")
print(f"instruction ratio, main thread {total('program') / total('bare'):.3f}, all threads "
      f"{all_threads('program') / all_threads('bare'):.3f}")
PYTHON

#!/usr/bin/env bash
# The hex editor on 100 MB (Release build in build-bench): the model's load,
# single edits, undo and reading every row as painting does; then the hex
# window on the shared 100 MB text: open and paint, Ctrl+End and paint, type a
# byte at the start in insert mode and paint. Each with its target.
#
#   bench/run_hex.sh [data-dir]
#
# BUILD_DIR names the release build directory, GEN_DATA the data generator
# (default: the shared gen_data.py), RUNS the window runs (median, default 3).
# The window runs under xvfb-run when it is installed, else offscreen.
set -euo pipefail

. "$(dirname "$0")/common.sh"
text=$data/text100.txt
need_data "$text"
build_bench hexedit_bench hexwindow_bench
"$build/bench/hexedit_bench" --benchmark_format=json --benchmark_out="$out/hexedit.json" \
    --benchmark_out_format=json >/dev/null

python3 - "$out/hexedit.json" <<'PY'
import json, sys

runs = {b["name"].split("/")[0]: b for b in json.load(open(sys.argv[1]))["benchmarks"]}
scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
# (benchmark, what, target in seconds)
rows = [
    ("BM_Load", "load 100 MB (SetAsText, caret, Modified)", 0.3),
    ("BM_LoadTranslated", "load 100 MB translated to DOS (a full pass)", None),
    ("BM_ChangeByte", "one ChangeByte in the middle", 0.001),
    ("BM_InsertAtStart", "one InsertBuffer of 1 byte at 0", 0.001),
    ("BM_DeleteAtCaretAtStart", "one DeleteAtCaret at 0", 0.001),
    ("BM_Undo", "one Undo (of an insertion at 0)", 0.001),
    ("BM_ReadEveryRow", "read all 6.25 M rows through the cache", None),
]
print(f"{'measure':<46}{'time':>12}{'target':>10}  ok")
for name, what, target in rows:
    b = runs[name]
    t = b["real_time"] * scale[b["time_unit"]]
    shown = f"{t * 1e6:.2f} us" if t < 1e-3 else f"{t * 1e3:.1f} ms" if t < 1 else f"{t:.2f} s"
    goal = "" if target is None else (f"{target * 1e3:g} ms" if target < 1 else f"{target:g} s")
    ok = "" if target is None else ("yes" if t <= target else "NO")
    print(f"{what:<46}{shown:>12}{goal:>10}  {ok}")
load = runs["BM_Load"]
print(f"memory after load: model {load['model_over_data']:.3f} x data, process growth "
      f"{load['rss_over_data']:.3f} x data (target 1.2)")
print(f"memory after the edits: model {runs['BM_InsertAtStart']['model_over_data']:.3f} x data")
PY

echo
echo "hex window on $(basename "$text") ($(stat -c %s "$text") bytes):"
if command -v xvfb-run >/dev/null; then
    xvfb-run -a "$build/bench/hexwindow_bench" "$text" "${RUNS:-3}"
else
    QT_QPA_PLATFORM=offscreen "$build/bench/hexwindow_bench" "$text" "${RUNS:-3}"
fi

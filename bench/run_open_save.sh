#!/usr/bin/env bash
# Opening and saving the shared 100 MB text in the window, against a bare
# QScintilla editor and vim, in one run; prints wall times and peak memory
# (GNU time) with their ratios to vim.
#
#   bench/run_open_save.sh [data-dir]
#
# GEN_DATA names the data generator (default: the shared gen_data.py),
# BUILD_DIR the release build directory, RUNS the runs of each command (median).
# Runs under xvfb-run when it is installed, else on the offscreen platform.
#
# The window is measured through window_open_save_bench, which starts the main
# window as the program does with the file, ends right after the first paint of
# the opened document and, with --save-to PATH, saves it there (as Save as) first;
# with --end-and-type it times Ctrl+End, PgUp, PgDn and one typed key at the
# end, then the idle window's CPU.
set -euo pipefail

. "$(dirname "$0")/common.sh"
text=$data/text100.txt
need_data "$text"
[ -x /usr/bin/time ] || { echo "GNU time is needed (package time)" >&2; exit 1; }
command -v vim >/dev/null || { echo "vim is needed (package vim)" >&2; exit 1; }

build_bench varnik bare_scintilla_bench window_open_save_bench

# Settings, recent files and sockets of these runs stay in a directory of their own.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run LC_ALL=C.UTF-8
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

runner=(env QT_QPA_PLATFORM=offscreen)
display="offscreen platform"
if command -v xvfb-run >/dev/null; then
    runner=(xvfb-run -a -s "-screen 0 1280x1024x24")
    display="xvfb-run"
fi

"${runner[@]}" python3 - "$text" "$build" "$out" "${RUNS:-3}" "$display" <<'PY'
import os, re, statistics, subprocess, sys

text, build, out, runs, display = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]), sys.argv[5]
varnik = os.path.join(build, "src", "varnik")
bare = os.path.join(build, "bench", "bare_scintilla_bench")
window = os.path.join(build, "bench", "window_open_save_bench")
saved = os.path.join(out, "varnik-saved.txt")
headless = os.path.join(out, "varnik-apply.txt")

def measure(argv, env=None, stdout=subprocess.DEVNULL):
    """Median wall seconds and peak RSS (MiB) of `runs` runs under GNU time."""
    walls, peaks = [], []
    for _ in range(runs):
        r = subprocess.run(["/usr/bin/time", "-v"] + argv, env={**os.environ, **(env or {})},
                           stdout=stdout() if callable(stdout) else stdout, stderr=subprocess.PIPE, text=True)
        if r.returncode != 0:
            sys.exit(f"{' '.join(argv)} failed ({r.returncode}):\n{r.stderr[-2000:]}")
        wall = re.search(r"Elapsed \(wall clock\) time .*: (?:(\d+):)?(\d+):([\d.]+)", r.stderr)
        rss = re.search(r"Maximum resident set size \(kbytes\): (\d+)", r.stderr)
        walls.append(int(wall.group(1) or 0) * 3600 + int(wall.group(2)) * 60 + float(wall.group(3)))
        peaks.append(int(rss.group(1)) / 1024)
    return statistics.median(walls), statistics.median(peaks)

# The default settings wrap long lines (WordWrap=1); a second settings
# directory measures the editor without wrapping.
nowrap = os.path.join(os.environ["XDG_CONFIG_HOME"] + "-nowrap")
os.makedirs(os.path.join(nowrap, "Varnik"), exist_ok=True)
with open(os.path.join(nowrap, "Varnik", "Varnik.conf"), "w") as f:
    f.write("[General]\nWordWrap=0\n")
rows = [
    ("vim -u NONE -n -es +q F", measure(["vim", "-u", "NONE", "-n", "-es", "+q", text])),
    ("bare QScintilla SCI_SETTEXT + paint", measure([bare, text])),
    ("varnik: open until painted", measure([window, text])),
    ("varnik: the same, WordWrap=0", measure([window, text], {"XDG_CONFIG_HOME": nowrap})),
    ("varnik: open, paint, save as", measure([window, text, "--save-to", saved])),
    ("varnik --apply Selectall1 F > out", measure([varnik, "--apply", "Selectall1", text],
                                                  stdout=lambda: open(headless, "wb"))),
]

# Both saves write the default CR LF line ends: the file with a CR before every LF.
with open(text, "rb") as f:
    expected = f.read().replace(b"\n", b"\r\n")
for path in (saved, headless):
    with open(path, "rb") as f:
        if f.read() != expected:
            sys.exit(f"{path} is not the text with CR LF line ends")
del expected

# With word wrap on (the default): Ctrl+End, PgUp, PgDn and one typed key at
# the end, each until painted, then the CPU of the idle window over 2 s.
r = subprocess.run(["/usr/bin/time", "-v", window, text, "--end-and-type"], capture_output=True, text=True)
if r.returncode != 0:
    sys.exit(f"{window} --end-and-type failed ({r.returncode}):\n{r.stderr[-2000:]}")
keys = [float(v) for v in r.stdout.split()]
keys_rss = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", r.stderr).group(1)) / 1024

size = os.path.getsize(text) / 2**20
vim_wall, vim_rss = rows[0][1]
print(f"File: {text} ({size:.0f} MiB); {runs} runs each, medians; display: {display}")
print(f"{'command':38} {'wall s':>7} {'peak MiB':>9} {'x vim time':>10} {'x vim RSS':>9} {'RSS/file':>8}")
for name, (wall, rss) in rows:
    print(f"{name:38} {wall:7.2f} {rss:9.0f} {wall / vim_wall:10.2f} {rss / vim_rss:9.2f} {rss / size:8.2f}")
open_wall = rows[2][1][0]
save_wall = rows[4][1][0]
print(f"{'varnik: the save alone (difference)':38} {save_wall - open_wall:7.2f}")
print("Saved files checked: the text with CR LF line ends (the default CRLF setting).")
print(f"varnik, WordWrap=1, after opening: Ctrl+End {keys[0]:.0f} ms, PgUp {keys[1]:.0f} ms, "
      f"PgDn {keys[2]:.0f} ms, one key typed at the end {keys[3]:.0f} ms (each until painted); "
      f"idle CPU {keys[4]:.1f} %; peak {keys_rss:.0f} MiB ({keys_rss / size:.2f} x the file)")
PY

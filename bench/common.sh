# Shared by the bench/run_*.sh scripts: sourced, not run.
# Sets root, data (first argument or bench/out/data), build (BUILD_DIR or build-bench),
# gen (GEN_DATA or the shared gen_data.py beside the checkout) and out.
root=$(cd "$(dirname "${BASH_SOURCE[1]}")/.." && pwd)
data=${1:-$root/bench/out/data}
build=${BUILD_DIR:-$root/build-bench}
gen=${GEN_DATA:-$root/../shared/bench/gen_data.py}
out=$root/bench/out
mkdir -p "$out"

# Generates the shared inputs when FILE is missing.
need_data() {
    if [ ! -f "$1" ]; then
        echo "generating $1" >&2
        python3 "$gen" "$data" >&2
    fi
}

# Configures the Release benchmark build and builds the given targets.
build_bench() {
    cmake -S "$root" -B "$build" -G Ninja -DVARNIK_BENCH=ON -DVARNIK_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
    ninja -C "$build" -j2 "$@" >/dev/null
}

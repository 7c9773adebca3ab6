#!/usr/bin/env bash
# Builds the fuzz targets (when needed) and runs each one for SECONDS on a copy of its seed
# corpus, then prints the executions and findings of every target.
# Usage: fuzz/run.sh SECONDS [TARGET...]
#   ZAV_FUZZ_BUILD  build folder (default: build-fuzz in the repository)
#   ZAV_FUZZ_JOBS   targets run at the same time (default: 2)
# Every run keeps its corpora, findings and logs in <build>/fuzz-runs/<time>/<target>/.
# The exit status is 1 when any target had a finding.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:?usage: fuzz/run.sh SECONDS [TARGET...]}"
shift
build="${ZAV_FUZZ_BUILD:-$root/build-fuzz}"
jobs="${ZAV_FUZZ_JOBS:-2}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DZAV_FUZZ=ON >/dev/null
cmake --build "$build" >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in "$root"/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

runs="$build/fuzz-runs/$(date +%Y%m%d-%H%M%S)"
run_one() {
    local target="$1" work="$runs/$1"
    mkdir -p "$work/corpus" "$work/findings"
    cp -r "$root/fuzz/corpus/$target/." "$work/corpus/"
    # A hang of ten seconds is a finding too; the fuzzer stops at its first finding. Inputs of
    # up to 1 MB reach the costs that grow with the size of a file.
    "$build/fuzz/$target" "$work/corpus" -max_total_time="$seconds" -timeout=10 -max_len=1048576 \
        $([ "$target" = fuzz_command_line ] && echo -close_fd_mask=2) \
        -print_final_stats=1 -artifact_prefix="$work/findings/" >"$work/log" 2>&1 || true
}

running=0
for target in "${targets[@]}"; do
    if [ ! -x "$build/fuzz/$target" ]; then
        echo "no fuzz target named $target" >&2
        exit 2
    fi
    run_one "$target" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait -n
        running=$((running - 1))
    fi
done
wait

found=0
printf '%-20s %14s %9s %8s\n' target executions exec/s findings
for target in "${targets[@]}"; do
    work="$runs/$target"
    execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -1)"
    findings="$(find "$work/findings" -type f | wc -l)"
    printf '%-20s %14s %9s %8s\n' "$target" "${execs:-?}" "${rate:-?}" "$findings"
    if [ "$findings" -gt 0 ]; then
        found=1
        find "$work/findings" -type f -printf '    %p\n'
        grep -m1 -E 'ERROR|rule broken|deadly signal' "$work/log" | sed 's/^/    /' || true
    fi
done
echo "corpora, findings and logs: $runs"
exit "$found"

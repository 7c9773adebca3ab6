#!/usr/bin/env bash
# Builds the fuzz targets (when needed) and runs each one for SECONDS on a copy of its seed
# corpus, then prints the executions and findings of every target.
# Usage: fuzz/run.sh SECONDS [TARGET...]
#   ZAV_FUZZ_BUILD     build folder of the core's targets (default: build-fuzz in the repository)
#   ZAV_FUZZ_QT_BUILD  build folder of the windows' targets, fuzz_tutor_* and fuzz_viewer_*
#                      (default: build-fuzz-qt; the whole project instrumented, see fuzz/qt)
#   ZAV_FUZZ_JOBS      targets run at the same time (default: 2)
#   ZAV_FUZZ_TIMEOUT   seconds one input may take before it counts as a hang (default: 10; the
#                      clock is the wall's, so give more on a machine that is busy elsewhere)
# Every run keeps its corpora, findings and logs in <core build>/fuzz-runs/<time>/<target>/.
# The exit status is 1 when any target had a finding.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:?usage: fuzz/run.sh SECONDS [TARGET...]}"
shift
build="${ZAV_FUZZ_BUILD:-$root/build-fuzz}"
qt_build="${ZAV_FUZZ_QT_BUILD:-$root/build-fuzz-qt}"
jobs="${ZAV_FUZZ_JOBS:-2}"
timeout="${ZAV_FUZZ_TIMEOUT:-10}"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in "$root"/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi
is_qt() { [[ "$1" == fuzz_tutor_* || "$1" == fuzz_viewer_* ]]; }
binary() { if is_qt "$1"; then echo "$qt_build/fuzz/$1"; else echo "$build/fuzz/$1"; fi; }

core=() qt=()
for target in "${targets[@]}"; do
    if is_qt "$target"; then qt+=("$target"); else core+=("$target"); fi
done
if [ ${#core[@]} -gt 0 ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DZAV_FUZZ=ON >/dev/null
    cmake --build "$build" >/dev/null
fi
if [ ${#qt[@]} -gt 0 ]; then
    cmake -S "$root" -B "$qt_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DZAV_FUZZ_QT=ON >/dev/null
    cmake --build "$qt_build" --target "${qt[@]}" >/dev/null
fi

runs="$build/fuzz-runs/$(date +%Y%m%d-%H%M%S)"
run_one() {
    local target="$1" work="$runs/$1" options=()
    mkdir -p "$work/corpus" "$work/findings"
    cp -r "$root/fuzz/corpus/$target/." "$work/corpus/"
    # The fuzzer stops at its first finding; a hang counts as one. Inputs of up to 1 MB reach the
    # costs that grow with the size of a file; the windows' targets take datagrams or arguments,
    # where 64 KB is already thousands of them.
    if is_qt "$target"; then options+=(-max_len=65536); else options+=(-max_len=1048576); fi
    local lsan="${LSAN_OPTIONS:-}"
    is_qt "$target" && lsan="suppressions=$root/fuzz/qt/lsan.supp${lsan:+:$lsan}"
    # What the programs print is not what is tested.
    case "$target" in *command_line) options+=(-close_fd_mask=2) ;; esac
    LSAN_OPTIONS="$lsan" "$(binary "$target")" "$work/corpus" -max_total_time="$seconds" -timeout="$timeout" \
        "${options[@]}" -print_final_stats=1 -artifact_prefix="$work/findings/" \
        >"$work/log" 2>&1 || true
}

running=0
for target in "${targets[@]}"; do
    if [ ! -x "$(binary "$target")" ]; then
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
printf '%-26s %14s %9s %8s\n' target executions exec/s findings
for target in "${targets[@]}"; do
    work="$runs/$target"
    execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -1)"
    findings="$(find "$work/findings" -type f | wc -l)"
    printf '%-26s %14s %9s %8s\n' "$target" "${execs:-?}" "${rate:-?}" "$findings"
    if [ "$findings" -gt 0 ]; then
        found=1
        find "$work/findings" -type f -printf '    %p\n'
        grep -m1 -E 'ERROR|rule broken|deadly signal' "$work/log" | sed 's/^/    /' || true
    fi
done
echo "corpora, findings and logs: $runs"
exit "$found"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets (fuzz/*_fuzz.cpp) and runs each one:
#   check_fuzz.sh                   every target
#   check_fuzz.sh compass_fuzz ...  only the named ones
# FUZZ_RUNS executions per target (default 100000, the smoke CI runs). Each
# target starts from its seeds (fuzz/seeds/<target>, real captures and
# messages) and replays every input that once made it fail
# (fuzz/regressions/<target>). A failure leaves the input that caused it in
# build-asan/fuzz/artifacts/<target>/: fix the cause, then add the input to
# fuzz/regressions/<target>/ so that it is replayed on every run.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=("$@")
if ((${#targets[@]} == 0)); then
    for source in fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi
bash tools/sanitized_build.sh "${targets[@]}"
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
for target in "${targets[@]}"; do
    corpus=build-asan/fuzz/corpus/$target
    artifacts=build-asan/fuzz/artifacts/$target/
    mkdir -p "$corpus" "$artifacts"
    dict=fuzz/$target.dict
    [[ -f $dict ]] || dict=fuzz/nmea.dict
    inputs=("$corpus" "fuzz/seeds/$target")
    [[ -d fuzz/regressions/$target ]] && inputs+=("fuzz/regressions/$target")
    log=build-asan/fuzz/$target.log
    if ! "build-asan/fuzz/$target" -runs="${FUZZ_RUNS:-100000}" -dict="$dict" \
        -print_final_stats=1 -artifact_prefix="$artifacts" "${inputs[@]}" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "$target failed: see $log and $artifacts" >&2
        exit 1
    fi
    echo "$target: $(sed -n -E 's/^stat::number_of_executed_units: *//p' "$log") executions"
done

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang against the system's own sources
# (src/core, src/display, src/commands, src/settings) and runs each one.
#
#   fuzz/build_and_run.sh                     every fuzz/*_fuzz.cpp
#   fuzz/build_and_run.sh compass_fuzz ...    only the named targets
#
# Environment:
#   FUZZ_RUNS   executions per target (default 1000000)
#   FUZZ_BUILD  build folder (default build-fuzz in the repository)
#   FUZZ_JOBS   parallel compilations (default 2)
#
# Each target runs on its own corpus in $FUZZ_BUILD/corpus/<target>, seeded from
# fuzz/seeds/<target>/ and guided by fuzz/<target>.dict or fuzz/nmea.dict.
# The script stops at the first target that finds a crash; the reproducer is
# left in $FUZZ_BUILD/artifacts/<target>/.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=${FUZZ_BUILD:-$root/build-fuzz}
runs=${FUZZ_RUNS:-1000000}
jobs=${FUZZ_JOBS:-2}

flags=(-std=c++20 -O2 -g -fno-omit-frame-pointer
       -fsanitize=address,undefined -fno-sanitize-recover=undefined
       -I"$root/src" -I"$root/tests")

if (($# > 0)); then
    targets=("$@")
else
    targets=()
    for source in "$here"/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

mkdir -p "$build/objects"
rm -f "$build"/objects/*.o
echo "compiling the system's own sources"
running=()
for source in "$root"/src/{core,display,commands,settings}/*.cpp; do
    object=$build/objects/$(echo "${source#"$root"/src/}" | tr / _).o
    clang++ "${flags[@]}" -fsanitize=fuzzer-no-link -c "$source" -o "$object" &
    running+=($!)
    if ((${#running[@]} >= jobs)); then
        wait "${running[0]}"
        running=("${running[@]:1}")
    fi
done
for job in "${running[@]}"; do wait "$job"; done

for target in "${targets[@]}"; do
    target=$(basename "$target" .cpp)
    echo "building $target"
    clang++ "${flags[@]}" -fsanitize=fuzzer "$here/$target.cpp" "$build"/objects/*.o \
        -o "$build/$target"

    corpus=$build/corpus/$target
    artifacts=$build/artifacts/$target/
    mkdir -p "$corpus" "$artifacts"
    dict=$here/$target.dict
    [[ -f $dict ]] || dict=$here/nmea.dict
    seeds=()
    [[ -d $here/seeds/$target ]] && seeds=("$here/seeds/$target")

    echo "running $target for $runs executions"
    log=$build/$target.log
    status=0
    "$build/$target" -runs="$runs" -dict="$dict" -print_final_stats=1 \
        -artifact_prefix="$artifacts" "$corpus" "${seeds[@]}" >"$log" 2>&1 || status=$?
    sed -n -E '/^(Done [0-9]+ runs|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)/p' "$log"
    if ((status != 0)); then
        echo "$target failed with status $status: see $log and $artifacts" >&2
        exit "$status"
    fi
done

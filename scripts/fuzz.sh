#!/usr/bin/env bash
# Builds the fuzz targets (libFuzzer with AddressSanitizer and UBSan, clang) in
# build-fuzz and runs each for a bounded time on its seed corpus.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]    default: 60 seconds each, every target
#
# Seeds: tests/data/fuzz/<target>/ (committed; read only). What the fuzzer finds
# on the way goes to build-fuzz/corpus/<target>/; an input that fails is kept as
# build-fuzz/artifacts/<target>/crash-* (or leak-*, timeout-*), its log
# (build-fuzz/logs/) is printed and the script fails. Turn such an input into a plain regression test
# before fixing what it shows.
set -eu
ORTALIS_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ORTALIS_ROOT/scripts/deps.sh"
ortalis_install_deps clang libclang-rt-14-dev

seconds=${1:-60}
[ $# -gt 0 ] && shift
# Every target, in the order they run. picture_load's seeds are written by
# fuzz/PictureSeeds.cpp (see fuzz/CMakeLists.txt).
TARGETS="str_to_int str_to_float coordinate_text number_display picture_load task_read"
[ $# -gt 0 ] && TARGETS="$*"

build=$ORTALIS_ROOT/build-fuzz
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$ORTALIS_ROOT/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$(nproc)"

status=0
for target in $TARGETS; do
    seeds=$ORTALIS_ROOT/tests/data/fuzz/$target
    mkdir -p "$build/corpus/$target" "$build/artifacts/$target"
    dict=()
    case $target in
        str_to_int|str_to_float|coordinate_text) dict=(-dict="$ORTALIS_ROOT/fuzz/numbers.dict") ;;
        task_read) dict=(-dict="$ORTALIS_ROOT/fuzz/task.dict") ;;
    esac
    mkdir -p "$build/logs"
    log=$build/logs/$target-${seconds}s.log
    printf 'fuzz %-16s %ss ... ' "$target" "$seconds"
    if ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 "${dict[@]}" -artifact_prefix="$build/artifacts/$target/" \
            "$build/corpus/$target" "$seeds" >"$log" 2>&1; then
        echo "clean ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs)"
    else
        echo "FAILED"
        tail -40 "$log"
        status=1
    fi
done
exit $status

#!/usr/bin/env bash
# Builds Ortalis and runs every test headless, then again built with
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs each fuzz target for
# a few seconds so that they keep building and running.
set -eu
ORTALIS_ROOT=$(cd "$(dirname "$0")" && pwd)
. "$ORTALIS_ROOT/scripts/deps.sh"
# The freedesktop validators check the desktop entry, the metainfo file and the
# MIME type (update-mime-database, xmllint).
# clang and its runtime build the fuzz targets.
ortalis_install_deps $ORTALIS_TEST_PACKAGES desktop-file-utils appstream shared-mime-info libxml2-utils clang libclang-rt-14-dev
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# Warnings are errors here: a warning the program's build would let pass stops the tests.
ortalis_build "$ORTALIS_ROOT/build" -DBUILD_TESTING=ON -DORTALIS_WERROR=ON
ctest --test-dir "$ORTALIS_ROOT/build" --output-on-failure -j "$jobs"

ortalis_build "$ORTALIS_ROOT/build-asan" -DBUILD_TESTING=ON -DORTALIS_WERROR=ON -DORTALIS_SANITIZE=ON -DORTALIS_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug
# Leaks are reported; only the system libraries' own are suppressed, in tests/lsan.supp.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=suppressions="$ORTALIS_ROOT/tests/lsan.supp" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$ORTALIS_ROOT/build-asan" --output-on-failure -j "$jobs"

"$ORTALIS_ROOT/scripts/fuzz.sh" 5

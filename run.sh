#!/usr/bin/env bash
# Builds Ortalis (incrementally) and starts it.
set -eu
ORTALIS_ROOT=$(cd "$(dirname "$0")" && pwd)
. "$ORTALIS_ROOT/scripts/deps.sh"
ortalis_install_deps
ortalis_build_program "$ORTALIS_ROOT/build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Ortalis is built (build/Ortalis), but there is no display to show its windows on." >&2
    echo "Run it from a desktop session, or under Xvfb: xvfb-run ./run.sh" >&2
    exit 1
fi
exec "$ORTALIS_ROOT/build/Ortalis"

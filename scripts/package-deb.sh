#!/usr/bin/env bash
# Builds Ortalis and packs it as a Debian package: build/ortalis_<version>_<arch>.deb.
# Install it with: apt-get install ./build/ortalis_*.deb
set -eu
ORTALIS_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ORTALIS_ROOT/scripts/deps.sh"
# dpkg-shlibdeps (dpkg-dev) works out the library dependencies; CPack asks file
# which of the installed files are programs.
ortalis_install_deps dpkg-dev file librsvg2-bin
build="$ORTALIS_ROOT/build"
ortalis_build_program "$build" ortalis_icons
(cd "$build" && cpack -G DEB)
ls -1 "$build"/ortalis_*.deb

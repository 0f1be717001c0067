# Sourced by run.sh and test.sh: installs the Debian packages the build needs.
# The program needs these alone.
ORTALIS_PACKAGES="g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n libjpeg62-turbo-dev fonts-dejavu-core fonts-dejavu-extra"
# The tests and benchmarks add GoogleTest and Google Benchmark; packaging and the
# install test add librsvg2-bin, which renders the icon's PNG sizes (and the SVG
# export's test renders its files with it); poppler-utils lists a printed PDF's images.
ORTALIS_TEST_PACKAGES="libgtest-dev libbenchmark-dev librsvg2-bin poppler-utils"

ortalis_missing_packages() {
    local missing="" p
    for p in $ORTALIS_PACKAGES "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    echo "$missing"
}

ortalis_install_deps() {
    local missing
    missing=$(ortalis_missing_packages "$@")
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" = 0 ]; then
        echo "Installing:$missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get install -y -q $missing >/dev/null || { apt-get update -q >/dev/null && apt-get install -y -q $missing >/dev/null; } || {
            echo "Could not install:$missing" >&2; return 1; }
    else
        echo "Missing packages. Run as root:" >&2
        echo "  apt-get install$missing" >&2
        return 1
    fi
}

# ortalis_configure DIR [cmake options...]: configures DIR the first time, and
# again whenever options are given, so a build folder made by the run command
# takes the tests on when the test command asks for them.
ortalis_configure() {
    local dir=$1; shift
    if [ ! -f "$dir/build.ninja" ] || [ $# -gt 0 ]; then
        cmake -S "$ORTALIS_ROOT" -B "$dir" -G Ninja "$@" >/dev/null || return 1
    fi
}

ortalis_build() {  # ortalis_build DIR [cmake options...]: everything configured
    local dir=$1; shift
    ortalis_configure "$dir" "$@" || return 1
    cmake --build "$dir" -j "$(nproc)"
}

# ortalis_build_program DIR [more targets...]: the program and its data alone.
ortalis_build_program() {
    local dir=$1; shift
    ortalis_configure "$dir" || return 1
    cmake --build "$dir" -j "$(nproc)" --target Ortalis "$@"
}

# Sourced by run.sh and test.sh: installs the Debian packages the build needs
# (librsvg2-bin renders the icon's PNG sizes).
ORTALIS_PACKAGES="g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n libjpeg62-turbo-dev libgtest-dev libbenchmark-dev fonts-dejavu-core fonts-dejavu-extra librsvg2-bin"

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

ortalis_build() {  # ortalis_build DIR [cmake options...]
    local dir=$1; shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$ORTALIS_ROOT" -B "$dir" -G Ninja "$@" || return 1
    fi
    cmake --build "$dir" -j "$(nproc)"
}

# SPDX-FileCopyrightText: 2026 Tavola developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by scripts/play, scripts/test and scripts/package: installs what a fresh Debian 12
# or 13 machine lacks and builds the project into build/ with the flags of the Debian package.
set -euo pipefail

TAVOLA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TAVOLA_BUILD="$TAVOLA_ROOT/build"

# Stops with one line where the set-up must install something and cannot become root.
check_root() {
    [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null && return 0
    echo "Tavola's set-up must install Debian packages: run this script as root, or install sudo." >&2
    exit 1
}

as_root() {
    check_root
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the named Debian packages that are not installed yet.
install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    check_root
    echo "Installing the missing packages: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

# What the package's build needs, as debian/control names it; dpkg-checkbuilddeps asks no
# root when nothing is missing.
install_build_dependencies() {
    install_packages dpkg-dev build-essential git
    (cd "$TAVOLA_ROOT" && dpkg-checkbuilddeps 2>/dev/null) && return 0
    check_root
    echo "Installing the build dependencies in debian/control"
    as_root apt-get update -q
    (cd "$TAVOLA_ROOT" && as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get build-dep -y -q --no-install-recommends ./)
}

# What the game needs besides to play: Qt's Italian texts for standard buttons and menus (the
# fonts standing in for Arial, Times New Roman and MS Sans Serif come with the build's), and
# Ninja, which builds our trees.
install_game_dependencies() {
    install_build_dependencies
    install_packages qt6-translations-l10n ninja-build
}

# Configures one tree: configure_tree FOLDER [cmake options...].
configure_tree() {
    local folder=$1
    shift
    cmake -S "$TAVOLA_ROOT" -B "$folder" -G Ninja -DTAVOLA_WERROR=ON "$@"
}

# Configures build/ with the compiler and linker flags that debian/rules gives the package, as
# debhelper hands them to CMake.
configure_project() {
    local flags
    flags=$(cd "$TAVOLA_ROOT" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)
    (
        eval "$flags"
        configure_tree "$TAVOLA_BUILD" -DCMAKE_BUILD_TYPE=None \
            -DCMAKE_CXX_FLAGS="$CXXFLAGS $CPPFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
            -DCMAKE_SHARED_LINKER_FLAGS="$LDFLAGS" -DCMAKE_MODULE_LINKER_FLAGS="$LDFLAGS"
    )
}

# Builds the named targets of build/, or all of it.
build_project() {
    configure_project && cmake --build "$TAVOLA_BUILD" --parallel ${1:+--target "$@"}
}

# Builds the source and binary packages as Debian does, from a copy of the source as a clean
# clone would have it, with the work tree's changes: make_package FOLDER [options...] leaves
# them in FOLDER, and TAVOLA_DEB names the game's package; the options go to dpkg-buildpackage,
# and --touch gives the copy's files the time of copying. Neither the checkout nor its parent
# receives anything.
make_package() {
    local folder=$1 tar_options=() version
    shift
    version=$(dpkg-parsechangelog -l "$TAVOLA_ROOT/debian/changelog" -S Version)
    if [ "${1:-}" = --touch ]; then
        tar_options=(--touch)
        shift
    fi
    local tree="$folder/tavola-$version"
    rm -rf "$folder"
    mkdir -p "$tree"
    (cd "$TAVOLA_ROOT" && git -c safe.directory="$TAVOLA_ROOT" ls-files -z --cached --others --exclude-standard \
        | tar --null --files-from=- --ignore-failed-read -cf -) | tar -xf - -C "$tree" "${tar_options[@]}"
    (cd "$tree" && dpkg-buildpackage -us -uc -j"$(nproc)" "$@")
    TAVOLA_DEB="$folder/tavola_${version}_$(dpkg --print-architecture).deb"
}

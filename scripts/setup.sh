# SPDX-FileCopyrightText: 2026 Tavola developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by scripts/play, scripts/test and scripts/package: installs what a fresh Debian 12
# machine lacks and builds the project into build/.
set -euo pipefail

TAVOLA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TAVOLA_BUILD="$TAVOLA_ROOT/build"

as_root() {
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
    echo "Installing the missing packages: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

# What the game needs to build and to look as designed: Qt's widgets and SVG, GIO for the
# desktop's applications, Qt's own Italian texts for standard buttons and menus, and the
# free fonts standing in for Arial, Times New Roman and MS Sans Serif.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libglib2.0-dev
    qt6-translations-l10n fonts-liberation2 fonts-dejavu-core)
# What the Debian package needs besides: dpkg-buildflags and dpkg-shlibdeps, and file, which
# CPack runs on each installed file.
PACKAGE_PACKAGES=(dpkg-dev file)

# Configures and builds one tree: build_tree FOLDER [cmake options...]. Chained, so that a
# failed configuration stops it even where the caller tests its status.
build_tree() {
    local folder=$1
    shift
    cmake -S "$TAVOLA_ROOT" -B "$folder" -G Ninja -DTAVOLA_WERROR=ON "$@" \
        && cmake --build "$folder" --parallel
}

build_project() {
    build_tree "$TAVOLA_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}

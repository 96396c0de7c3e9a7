#!/usr/bin/env bash
# The Debian packages that building, running and testing Duetide need, in one
# place. Sourced by scripts/run and scripts/test; installs only what is missing.
set -euo pipefail

DUETIDE_RUN_PACKAGES=(build-essential cmake qt6-base-dev fonts-liberation2)
DUETIDE_TEST_PACKAGES=("${DUETIDE_RUN_PACKAGES[@]}"
    xvfb xauth x11-utils xdotool imagemagick
    clang libclang-rt-14-dev libbenchmark-dev
    desktop-file-utils appstream dpkg-dev file)

duetide_install() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

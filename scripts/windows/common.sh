# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# Shared by the Windows build steps: where the cache lives, how a step's inputs are hashed,
# and how Debian's source packages are fetched into the cache.
# shellcheck shell=bash

windows_cache=${STOCKS_WINDOWS_CACHE:-/var/cache/morvane-stocks-windows}
windows_target=x86_64-w64-mingw32
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

# The short hash of everything on standard input: names a cache folder after its inputs.
inputs_hash() {
    sha256sum | cut -c1-16
}

# Debian's source package NAME, unpacked once under the cache; prints the unpacked folder.
# The version comes from apt, so a new Debian upload changes every hash that includes it.
source_version() {
    apt-cache showsrc "$1" | awk '/^Version:/ { print $2; exit }'
}

unpacked_source() {
    local name=$1 version downloads folder
    version=$(source_version "$name")
    downloads=$windows_cache/sources/$name-$version
    if [ ! -f "$downloads/.unpacked" ]; then
        rm -rf "$downloads"
        mkdir -p "$downloads"
        (cd "$downloads" && apt-get source --download-only "$name=$version" >&2 &&
            dpkg-source --no-check -x ./*.dsc unpacked >&2)
        touch "$downloads/.unpacked"
    fi
    printf '%s\n' "$downloads/unpacked"
}

# Runs a build step only when its install folder is missing; a half-made folder is replaced.
# Usage: cached_build FOLDER FUNCTION [ARGS...]
cached_build() {
    local folder=$1
    shift
    if [ -f "$folder/.complete" ]; then
        return 0
    fi
    rm -rf "$folder" "$folder.work"
    mkdir -p "$folder.work"
    "$@"
    rm -rf "$folder.work"
    touch "$folder/.complete"
}

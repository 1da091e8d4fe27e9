# Shared by scripts/windows and scripts/web: Debian's own qt6-base source, the same 6.4.2
# that the Linux build uses, fetched once into the cache and unpacked with Debian's patches.
# The user's apt sources stay untouched: apt reads a private list and keeps its state there.
# shellcheck shell=bash

QT_SOURCE_VERSION=6.4.2+dfsg-10
qt_cache="${XDG_CACHE_HOME:-$HOME/.cache}/znakovit"

# Prints the path of the unpacked source tree, fetching and unpacking it when missing.
qt_source_tree() {
    local tree="$qt_cache/qt6-base-$QT_SOURCE_VERSION"
    if [ -f "$tree/.complete" ]; then
        echo "$tree"
        return 0
    fi
    need_packages dpkg-dev xz-utils ca-certificates >&2
    local apt_dir="$qt_cache/apt"
    rm -rf "$apt_dir" "$tree"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/src"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
        "http://deb.debian.org/debian bookworm main" >"$apt_dir/sources.list"
    local apt_options=(-q -o "Dir::Etc::SourceList=$apt_dir/sources.list"
        -o Dir::Etc::SourceParts=/nonexistent -o "Dir::State::Lists=$apt_dir/lists"
        -o "Dir::Cache=$apt_dir/cache" -o APT::Sandbox::User=root)
    echo "Fetching Debian's qt6-base $QT_SOURCE_VERSION source" >&2
    apt-get "${apt_options[@]}" update >&2
    (cd "$apt_dir/src" && apt-get "${apt_options[@]}" source --download-only \
        "qt6-base=$QT_SOURCE_VERSION") >&2
    dpkg-source --no-check --no-copy -x "$apt_dir/src/qt6-base_$QT_SOURCE_VERSION.dsc" "$tree.partial" >&2
    mv "$tree.partial" "$tree"
    touch "$tree/.complete"
    rm -rf "$apt_dir"
    echo "$tree"
}

#!/bin/sh
# Installs the build into a scratch folder with cmake --install and checks the tree.
#   check-install.sh BUILD_DIR SCRATCH_DIR APP_ID "SIZES" [CONFIG]
# Exits 77 (skipped) where desktop-file-validate or appstreamcli is missing.
set -eu
build=$1 root=$2 id=$3 sizes=$4 config=${5:-}

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing (Debian packages desktop-file-utils, appstream)"
        exit 77
    fi
done

rm -rf "$root"
cmake --install "$build" --prefix "$root/usr" ${config:+--config "$config"} >/dev/null
exec sh "$(dirname "$0")/check-tree.sh" "$root" "$id" "$sizes"

#!/usr/bin/env bash
# Writes SITE/service-worker.js from packaging/web/service-worker.js: the list of the site's
# files, each with the hash a fetch checks it by (in the form of a subresource integrity
# value), and the build's version, a hash of that list. The compressed twins (.gz, .br) are
# not listed: what a browser keeps is what they unpack to, the plain file.
#   packaging/web/stamp-worker.sh SITE
set -euo pipefail
site=$1
files=$(cd "$site" && find . -type f ! -name '*.gz' ! -name '*.br' ! -name service-worker.js \
    -printf '%P\n' | LC_ALL=C sort | while read -r file; do
    printf '["%s", "sha256-%s"]\n' "$file" "$(openssl dgst -sha256 -binary "$file" | base64)"
done)
version=$(sha256sum <<<"$files" | cut -c1-16)
sed -e "s/@VERSION@/$version/" -e "s|@FILES@|[$(paste -sd, <<<"$files")]|" \
    "$(dirname "$0")/service-worker.js" >"$site/service-worker.js"
echo "The service worker keeps $(wc -l <<<"$files") files as build $version."

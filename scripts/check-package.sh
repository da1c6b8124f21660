#!/usr/bin/env bash
# Builds the Debian package from a build folder whose tools are built, and
# checks it as a distribution would: lintian with no error, the AppStream
# metadata valid, the manual pages rendered without a warning, and the
# package's version the project's.
#
#   bash scripts/check-package.sh BUILD-FOLDER
set -euo pipefail

build="$(cd "${1:?usage: check-package.sh BUILD-FOLDER}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  exit 1
}
deb="$(ls "$work"/*.deb)"
echo "package: $(basename "$deb")"

# The package carries the version the programs print.
expected="$("$build/cli/vrm530-cli" --version | head -n 1 | cut -d ' ' -f 2)"
version="$(dpkg-deb -f "$deb" Version)"
[ "$version" = "$expected" ] || { echo "package version $version, programs' version $expected" >&2; exit 1; }

lintian --fail-on error --tag-display-limit 0 "$deb"

dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml

for page in "$work"/root/usr/share/man/man1/*.1.gz; do
  warnings="$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || { echo "$(basename "$page"): $warnings" >&2; exit 1; }
done
[ -f "$work/root/usr/share/bash-completion/completions/vrm530-cli" ]
echo "package checks passed"

#!/usr/bin/env bash
# The package as Debian's own checkers see it: the desktop entry, the AppStream
# metadata and lintian, each on the files inside the .deb.
# usage: validate_package.sh PACKAGE.deb
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/org.vaporel.Vaporel.desktop
# A project file opens with the program: its type is installed and the entry takes it.
grep -q '<glob pattern="\*.vaporel.toml"/>' "$root"/usr/share/mime/packages/org.vaporel.Vaporel.xml
grep -qx 'MimeType=application/x-vaporel-project;' "$root"/usr/share/applications/org.vaporel.Vaporel.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/org.vaporel.Vaporel.metainfo.xml
# Errors and warnings fail; the remaining informational tags are explained in
# packaging/debian_package.cmake.
lintian --fail-on error,warning "$deb"
echo "package valid"

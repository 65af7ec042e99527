#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that every file is in
# its freedesktop place and that the installed program runs.
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
for f in bin/QbxRead bin/qbxtool share/doc/quirebox/quirebox-manual.html share/applications/quirebox.desktop \
         share/mime/packages/quirebox.xml share/icons/hicolor/scalable/apps/quirebox.svg \
         share/icons/hicolor/scalable/mimetypes/application-x-quirebox.svg; do
  [ -e "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
grep -q '^MimeType=application/x-quirebox;' "$prefix/share/applications/quirebox.desktop"
grep -q 'pattern="\*.qbx"' "$prefix/share/mime/packages/quirebox.xml"
"$prefix/bin/qbxtool" --json info "$build/examples/sample.qbx" | grep -q '"nodes":14'
echo "installed files: ok"

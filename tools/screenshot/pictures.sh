#!/bin/sh
# Draws the pictures of the program in docs/images from its real widgets, offscreen: the main
# dialog on the sample portfolio of examples/, and the About box.
#   tools/screenshot/pictures.sh
# The build directory is ./build unless BUILD_DIR says otherwise.
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${BUILD_DIR:-$top/build}")
cmake --build "$build" --target quillfolio-screenshot

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$top/examples/share.dat" "$top/examples/ReportOutter.htm" "$top/examples/ReportInner.htm" \
    "$work/"
cd "$work"
export QT_QPA_PLATFORM=offscreen
"$build/tools/screenshot/quillfolio-screenshot" "$top/docs/images/main-dialog.png"
"$build/tools/screenshot/quillfolio-screenshot" "$top/docs/images/about-box.png" about
echo "pictures.sh: docs/images/main-dialog.png, docs/images/about-box.png"

#!/bin/sh
# Takes the pictures of the Windows program in docs/images: the real Win32 dialogs under wine on
# a virtual display, started in a folder with the sample portfolio and report templates of
# examples/: the main dialog with its list view, the About box and the date dialog with its
# month calendar.
#   tools/windows/pictures.sh
# The Windows build directory is ./build-windows unless WINDOWS_BUILD_DIR says otherwise.
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${WINDOWS_BUILD_DIR:-$top/build-windows}")
cmake --build "$build" --target quillfolio-screenshot

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$top/examples/share.dat" "$top/examples/ReportOutter.htm" "$top/examples/ReportInner.htm" \
    "$work/"
cd "$work"
for picture in main-dialog about-box date-dialog; do
    case $picture in
    main-dialog) shown="" ;;
    about-box) shown=about ;;
    date-dialog) shown=date ;;
    esac
    # wine takes paths in the Windows way; Z: is the root of the Linux file system.
    "$top/tools/windows/wine-run" "$build/tools/screenshot/quillfolio-screenshot.exe" \
        "Z:$work/$picture.png" $shown
    cp "$work/$picture.png" "$top/docs/images/$picture-windows.png"
done
echo "pictures.sh: docs/images/main-dialog-windows.png, about-box-windows.png, date-dialog-windows.png"

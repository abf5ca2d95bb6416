#!/bin/sh
# Renders the report of the sample portfolio (examples/) in headless Chromium to a picture:
#   tools/report-page/render.sh [OUTPUT.png]
# The build directory is ./build unless BUILD_DIR says otherwise; the picture goes to
# BUILD_DIR/report-page.png unless named. Needs Debian's chromium (apt-get install chromium).
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${BUILD_DIR:-$root/build}")
output=$(realpath -m "${1:-$build/report-page.png}")

if ! command -v chromium >/dev/null 2>&1; then
    echo "render.sh: chromium is missing; install it with: sudo apt-get install chromium" >&2
    exit 1
fi
cmake --build "$build" --target quillfolio-report-page

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/examples/share.dat" "$root/examples/ReportOutter.htm" "$root/examples/ReportInner.htm" \
    "$work/"
(cd "$work" && QT_QPA_PLATFORM=offscreen "$build/tools/report-page/quillfolio-report-page")

chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$work/chromium" \
    --hide-scrollbars --window-size=1280,640 --screenshot="$output" "file://$work/Report.htm" \
    2>"$work/chromium.log" || { cat "$work/chromium.log" >&2; exit 1; }
echo "render.sh: $output"

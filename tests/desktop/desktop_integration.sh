#!/bin/sh
# Zevora tests - the installed program as a desktop sees it.
#   desktop_integration.sh BUILD_DIR
# Installs the build into a temporary prefix, validates the desktop entry and
# the AppStream data, checks the icon sizes, and opens a page the way a file
# manager does (gio open, through the installed desktop entry) while Zevora
# runs: the page must reach the running program through the hand-over.
set -eu
build="$1"
work="$(mktemp -d)"
first=""
cleanup() {
    [ -n "$first" ] && kill "$first" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/usr"
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.tallowridge.Zevora
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || fail "AppStream data"

# Each icon is a PNG of its folder's size (width and height from its header).
for size in 16 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$icon" ] || fail "no ${size}px icon"
    set -- $(od -An -tu1 -j16 -N8 "$icon")
    width=$(( ($1 << 24) + ($2 << 16) + ($3 << 8) + $4 ))
    height=$(( ($5 << 24) + ($6 << 16) + ($7 << 8) + $8 ))
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "the ${size}px icon is ${width}x${height}"
done

# A desktop of our own: the installed entry is the default for HTML pages.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" \
    XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$prefix/share:/usr/share" TMPDIR="$work/tmp" \
    QT_QPA_PLATFORM=offscreen PATH="$prefix/bin:$PATH"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Default Applications]\ntext/html=%s.desktop\n' "$id" >"$XDG_CONFIG_HOME/mimeapps.list"
page="$work/page.htm"
printf '<p>opened from a file manager</p>\r\n' >"$page"

zevora >/dev/null 2>&1 &
first=$!
tries=0
until [ -S "$XDG_RUNTIME_DIR/zevora.socket" ]; do
    tries=$((tries + 1)); [ $tries -le 300 ] || fail "Zevora did not start"; sleep 0.1
done
gio open "$page" || fail "gio open"
# An opened page goes to the top of the recent-files list.
tries=0
until grep -qF "$page" "$XDG_CONFIG_HOME/Tallow Ridge/Zevora.conf" 2>/dev/null; do
    tries=$((tries + 1)); [ $tries -le 300 ] || fail "the running Zevora did not open the page"; sleep 0.1
done
kill -0 "$first" || fail "the first Zevora is gone"
echo "PASS: installed entry, AppStream data, icons, and gio open through the hand-over"

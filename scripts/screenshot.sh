#!/usr/bin/env bash
# Remakes docs/screenshot.png, the picture of the frame in the README: builds
# Zevora, starts it in a virtual display with a sample page, and takes the
# frame's picture. Installs Xvfb, xdotool and ImageMagick when missing.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
missing=()
for p in xvfb xdotool imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
"$root/scripts/build.sh"

work="$(mktemp -d)"
display=":$((90 + RANDOM % 9))"
cleanup() {
    kill "${app:-}" "${xvfb:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
Xvfb "$display" -screen 0 1100x720x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display" HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

cat >"$work/index.htm" <<'PAGE'
<HTML>
<HEAD>
<TITLE>Tallow Ridge Walks</TITLE>
<META NAME="generator" CONTENT="Zevora">
</HEAD>
<BODY BGCOLOR="#FFFFF0" TEXT="#333333" LINK="#1A5E8A">
<H1>Tallow Ridge Walks</H1>
<P>Three marked trails leave from the old mill:</P>
<UL>
    <LI><A HREF="trails/mill-loop.htm">Mill Loop</A> &ndash; 4 km, easy</LI>
    <LI><A HREF="trails/ridge.htm">Along the Ridge</A> &ndash; 9 km</LI>
    <LI><A HREF="trails/cafe.htm">To the Caf&eacute;</A> &ndash; 6 km</LI>
</UL>
<IMG SRC="images/ridge.jpg" WIDTH=640 HEIGHT=240 BORDER=0>
<TABLE BORDER=1 CELLPADDING=4>
<TR><TH>Trail</TH><TH>Start</TH><TH>Length</TH></TR>
<TR><TD>Mill Loop</TD><TD>Mill yard</TD><TD>4 km</TD></TR>
</TABLE>
</BODY>
</HTML>
PAGE
"$root/build/src/app/zevora" "$work/index.htm" >/dev/null 2>&1 &
app=$!
frame=""
for _ in $(seq 100); do
    frame="$(xdotool search --onlyvisible --name '^Zevora$' 2>/dev/null | head -1 || true)"
    [ -n "$frame" ] && break
    sleep 0.1
done
[ -n "$frame" ] || { echo "screenshot: the frame did not appear" >&2; exit 1; }
sleep 1
mkdir -p "$root/docs"
import -window "$frame" "$root/docs/screenshot.png"
echo "screenshot: wrote docs/screenshot.png"

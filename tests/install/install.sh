#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs into a scratch prefix and checks it as a desktop would: the layout, the desktop
# entry and the AppStream file through their validators, the package through lintian where
# it is installed, the menu icons, one version in every place that shows one. Then starts the
# installed command from a read-only prefix with a scratch home, closes it through "X", and
# finds its files in the user's own folder, the shipped settings applied, the prefix untouched.
set -euo pipefail

[ $# -eq 4 ] || { echo "usage: $0 CMAKE BUILD_DIR SOURCE_DIR VERSION" >&2; exit 2; }
[ -n "${DISPLAY:-}" ] || { echo "$0: no X display; run it under xvfb-run" >&2; exit 2; }
cmake=$1
build=$2
source_dir=$3
version=$4
# Only matters in a sanitizer build: the leaks of system libraries that are not ours.
export LSAN_OPTIONS="suppressions=$source_dir/tests/support/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

work=$(mktemp -d)
chmod 755 "$work"
prefix=$work/prefix
home=$work/home
pid=""
mounted=""

finish() {
    local status=$?
    [ -n "$pid" ] && stop_process "$pid"
    if [ -n "$mounted" ]; then
        umount "$mounted" || umount -l "$mounted" || true
    fi
    if [ "$status" -eq 0 ]; then
        chmod -R u+w "$work" 2>/dev/null
        rm -rf "$work"
    else
        echo "Files left in $work" >&2
    fi
}
trap finish EXIT

# shellcheck source=../support/fail.sh
source "$(dirname "$0")/../support/fail.sh"

# shellcheck source-path=SCRIPTDIR source=../../scripts/poll.sh
source "$source_dir/scripts/poll.sh"

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" || fail "install: $(cat "$work/install.log")"

[ -x "$prefix/lib/morvane-stocks/stocks" ] || fail "no program in lib/morvane-stocks"
[ "$(readlink "$prefix/bin/morvane-stocks")" = ../lib/morvane-stocks/stocks ] ||
    fail "bin/morvane-stocks is not the relative link: $(ls -l "$prefix/bin")"

entry=$prefix/share/applications/com.morvane.Stocks.desktop
metainfo=$prefix/share/metainfo/com.morvane.Stocks.metainfo.xml
desktop-file-validate "$entry" >"$work/validate.log" 2>&1 || fail "desktop entry: $(cat "$work/validate.log")"
appstreamcli validate --no-net "$metainfo" >"$work/validate.log" 2>&1 ||
    fail "AppStream file: $(cat "$work/validate.log")"
shown=$(sed -n 's|.*<image>https://[^<]*/main/\([^<]*\)</image>.*|\1|p' "$metainfo")
if [ -z "$shown" ] || [ ! -f "$source_dir/$shown" ]; then
    fail "the screenshot \"$shown\" is not in the source tree"
fi

# The Debian package of the same tree passes lintian with no error and no warning.
package="lintian not installed: package not checked"
if command -v lintian >/dev/null; then
    "$(dirname "$cmake")/cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" \
        >"$work/cpack.log" 2>&1 || fail "cpack: $(cat "$work/cpack.log")"
    lintian --fail-on error,warning "$work"/package/*.deb >"$work/lintian.log" 2>&1 ||
        fail "lintian: $(cat "$work/lintian.log")"
    package="package lintian-clean"
fi

# One version: the project's, which NEWS.md's newest heading names with its date, is the one
# every installed place shows.
same() { [ "$2" = "$3" ] || fail "$1 says \"$2\", expected \"$3\""; }
news_date=$(sed -n "s/^## $version (\([0-9-]*\))$/\1/p" "$source_dir/NEWS.md")
same "NEWS.md's newest heading" "$(grep -m 1 '^## ' "$source_dir/NEWS.md")" "## $version ($news_date)"
same "--version" "$("$prefix/bin/morvane-stocks" --version)" "Morvane Stocks $version"
same "the manual page" "$(zcat "$prefix/share/man/man1/morvane-stocks.1.gz" | grep '^\.TH')" \
    ".TH MORVANE-STOCKS 1 $news_date \"Morvane Stocks $version\" \"User Commands\""
same "the AppStream file" "$(grep -m 1 -o '<release [^>]*>' "$metainfo")" \
    "<release version=\"$version\" date=\"$news_date\"/>"
same "the changelog" "$(zcat "$prefix/share/doc/morvane-stocks/changelog.gz" | head -n 1)" \
    "morvane-stocks ($version) unstable; urgency=medium"
if [ -d "$work/package" ]; then
    same "the package" "$(dpkg-deb -f "$work"/package/*.deb Version)" "$version"
fi

# Each menu icon is the program icon's design at that size: 16 pixels the 16-colour icon
# itself, the sizes the Windows shell icon holds as its images there.
on_magenta() { /usr/bin/convert "$1" -background magenta -flatten "$2"; }
ico_index=([16]=0 [24]=2 [32]=3 [48]=5 [64]=6 [256]=7)
for size in 16 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/com.morvane.Stocks.png
    [ "$(identify -format %m:%wx%h "$icon")" = "PNG:${size}x$size" ] || fail "$icon is not a ${size}x$size PNG"
    [ -n "${ico_index[size]:-}" ] || continue
    on_magenta "$source_dir/resources/shell_icon.ico[${ico_index[size]}]" "$work/expected.png"
    on_magenta "$icon" "$work/installed.png"
    compare -metric AE "$work/installed.png" "$work/expected.png" null: 2>/dev/null ||
        fail "the ${size}x$size icon is not the shell icon's image of that size"
done

# Values shipped beside the program apply to every user.
printf '[form]\r\ntop=150\r\nleft=120\r\n' >"$prefix/lib/morvane-stocks/stocks.INI"
listing() { (cd "$prefix" && find . -printf '%p %s %T@ %m\n' | sort); }
before=$(listing)

# A read-only prefix: root writes anywhere, except on a read-only mount. Where mounting is not
# allowed, the program runs as nobody instead; the display then needs no cookie (Xvfb -ac).
runner=()
view=$prefix
mkdir -m 700 "$home" "$work/runtime"
if [ "$(id -u)" -eq 0 ]; then
    view=$work/read-only
    mkdir "$view"
    if mount --bind "$prefix" "$view" 2>/dev/null; then
        mounted=$view
        mount -o remount,bind,ro "$view" 2>/dev/null || { umount "$view"; mounted=""; }
    fi
    if [ -z "$mounted" ]; then
        view=$prefix
        runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
        chown nobody:nogroup "$home" "$work/runtime"
    fi
else
    chmod -R a-w "$prefix"
fi

env -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$work/runtime" \
    "${runner[@]}" "$view/bin/morvane-stocks" >"$work/program.log" 2>&1 &
pid=$!

window=""
find_window() {
    kill -0 "$pid" 2>/dev/null || fail "the program ended early"
    window=$(xdotool search --onlyvisible --name '^Morvane Stocks$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ]
}
poll 60 find_window || fail "the window \"Morvane Stocks\" did not appear"
X="" Y=""
at_shipped_place() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$X,$Y" = 120,150 ]
}
poll 60 at_shipped_place || fail "the window is at $X,$Y, not at the shipped 120,150"

# "X" sits at client (107, 44), 12 x 16; the client area starts at (4, 23) in the window.
xdotool mousemove $((X + 4 + 113)) $((Y + 23 + 52)) click 1
poll 60 process_gone "$pid" || fail "the program did not end after a click on X"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

own=$home/.local/share/morvane-stocks
[ "$(stat -c %a "$own")" = 700 ] || fail "$own is not private: $(stat -c %a "$own")"
[ -f "$own/MorvaneStocks.html" ] || fail "no page file in $own: $(ls -A "$own")"
expected="[form]
top=150
left=120
[html]
file=MorvaneStocks.html
refrate=10"
settings=$(tr -d '\r' <"$own/stocks.INI" | grep -v '^$')
[ "$settings" = "$expected" ] || fail "settings in $own:
$settings
expected:
$expected"
[ "$(listing)" = "$before" ] || fail "the prefix changed:
$(diff <(echo "$before") <(listing))"

echo "install: layout, validators, icons, read-only prefix and per-user files as expected; $package"

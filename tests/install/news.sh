#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
# NEWS.md as the one source of the version's story: the version check at configure accepts
# only news whose newest heading names the project's version, and packaging/news-to-changelog
# turns news into Debian's changelog line for line, or refuses what it would lose.
# Usage: news.sh CMAKE SOURCE_DIR
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 CMAKE SOURCE_DIR" >&2; exit 2; }
cmake=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=../support/fail.sh
source "$(dirname "$0")/../support/fail.sh"

two_entries='# News

Free text before the first heading is the file'"'"'s own.

## 1.2 (2027-03-01)

- Charts load faster.
  Continued on a second line.
- A fix.

## 1.1.5 (2026-12-31)

- Older change.'
# The date is the last day of a month, and the week day comes from the date.
two_entries_changelog='morvane-stocks (1.2) unstable; urgency=medium

  * Charts load faster.
    Continued on a second line.
  * A fix.

 -- M <m@example.org>  Mon, 01 Mar 2027 00:00:00 +0000

morvane-stocks (1.1.5) unstable; urgency=medium

  * Older change.

 -- M <m@example.org>  Thu, 31 Dec 2026 00:00:00 +0000'

# case NAME NEWS PROJECT_VERSION CONFIGURE(ok|fails) CHANGELOG(expected text, or "fails")
check() {
    local name=$1 news=$2 version=$3 configure=$4 expected=$5 got status
    mkdir -p "$work/$name"
    printf '%s\n' "$news" >"$work/$name/NEWS.md"
    status=ok
    "$cmake" -DPROJECT_SOURCE_DIR="$work/$name" -DPROJECT_VERSION="$version" \
        -P "$source_dir/cmake/StocksVersion.cmake" >"$work/$name/configure.log" 2>&1 || status=fails
    [ "$status" = "$configure" ] ||
        fail "$name: the version check $status, expected it $configure: $(cat "$work/$name/configure.log")"

    status=0
    got=$("$source_dir/packaging/news-to-changelog" "$work/$name/NEWS.md" morvane-stocks \
        "M <m@example.org>" 2>"$work/$name/changelog.err") || status=$?
    if [ "$expected" = fails ]; then
        if [ "$status" -eq 0 ] || ! grep -q 'NEWS.md' "$work/$name/changelog.err"; then
            fail "$name: news-to-changelog gave status $status and no reason naming the file: $got"
        fi
    else
        [ "$status" -eq 0 ] || fail "$name: news-to-changelog failed: $(cat "$work/$name/changelog.err")"
        [ "$got" = "$expected" ] || fail "$name: changelog differs:
$(diff <(echo "$expected") <(echo "$got"))"
    fi
}

check matching "$two_entries" 1.2 ok "$two_entries_changelog"
check news_older "$two_entries" 1.3 fails "$two_entries_changelog"
check heading_without_date "## 1.0

- Item." 1.0 fails fails
check no_such_date "## 1.0 (2026-02-30)

- Item." 1.0 ok fails
check paragraph_in_entry "## 1.0 (2026-12-08)

A paragraph the changelog has no place for.
- Item." 1.0 ok fails
check entry_without_items "## 1.1 (2027-01-01)

## 1.0 (2026-12-08)

- Item." 1.1 ok fails
echo "news: version check and changelog as expected"

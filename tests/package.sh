#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tavola developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package built twice, elsewhere, under other file times, umask, locale and time zone,
# to the same bytes; then lintian without error or warning, and the installed package's autopkgtest.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"

# The first build runs the build-time tests, as Debian's builders do; the second skips them,
# and the same bytes then show that the tests leave nothing in the packages.
first="$TAVOLA_BUILD/package/first"
second="$TAVOLA_BUILD/package/second/elsewhere"
(umask 022 && LC_ALL=C.UTF-8 TZ=UTC make_package "$first")
(umask 002 && LC_ALL=it_IT.UTF-8 TZ=Pacific/Auckland DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" \
    make_package "$second" --touch --build=binary)

failed=0
for deb in "$first"/*.deb; do
    if cmp "$deb" "$second/${deb##*/}"; then
        echo "the same bytes in both builds: ${deb##*/}"
    else
        failed=1
    fi
done

# Overrides stay hidden: Debian 12's lintian counts those it shows against --fail-on.
echo "lintian --pedantic:"
lintian --pedantic --display-info --fail-on error,warning "$first"/*.changes || failed=1

artifacts="$TAVOLA_BUILD/package/autopkgtest"
rm -rf "$artifacts"
as_root autopkgtest --output-dir "$artifacts" "$first"/*.dsc "$first"/*.deb -- null || failed=1
exit $failed

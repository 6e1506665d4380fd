#!/usr/bin/env bash
# The desktop entry and the AppStream data pass the validators desktops and software centres use.
set -euo pipefail
dist="$1"
id="$2"
version="$3"
manual="$4"
desktop-file-validate "$dist/$id.desktop"
appstreamcli validate --no-net --pedantic "$dist/$id.metainfo.xml"
# The AppStream data launches the entry by the same id.
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$dist/$id.metainfo.xml"
grep -q "^Icon=$id\$" "$dist/$id.desktop"
# The package, the software centre and the manual name the version the game shows.
grep -q "<release version=\"$version\"" "$dist/$id.metainfo.xml"
grep -q "^\.TH STROYLIK 6 .*\"Stroylik $version\"" "$manual"

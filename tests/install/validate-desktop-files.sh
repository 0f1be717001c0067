#!/usr/bin/env bash
# validate-desktop-files.sh DESKTOP_DIR APP_ID
# The desktop entry and the metainfo file against the freedesktop validators;
# skipped (77) where the validators aren't installed.
set -u
dir=$1 id=$2
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null || {
    echo "desktop-file-validate or appstreamcli missing (desktop-file-utils, appstream): skipped"; exit 77; }
status=0
desktop-file-validate "$dir/$id.desktop" || status=1
# Offline: the screenshot addresses aren't fetched.
appstreamcli validate --no-net "$dir/$id.metainfo.xml" || status=1
exit $status

#!/usr/bin/env bash
# validate-desktop-files.sh DESKTOP_DIR APP_ID EXAMPLES_DIR
# The desktop entry and the metainfo file against the freedesktop validators,
# and the task files' MIME type built into a MIME database of its own, where the
# example tasks must be recognised by name and by content; skipped (77) where
# the tools aren't installed.
set -u
dir=$1 id=$2 examples=$3
mime=application/x-ortalis-task
for tool in desktop-file-validate appstreamcli update-mime-database xmllint; do
    command -v $tool >/dev/null || {
        echo "$tool missing (desktop-file-utils, appstream, shared-mime-info, libxml2-utils): skipped"; exit 77; }
done
status=0
fail() { echo "FAILED: $*"; status=1; }
desktop-file-validate "$dir/$id.desktop" || status=1
# Offline: the screenshot addresses aren't fetched.
appstreamcli validate --no-net "$dir/$id.metainfo.xml" || status=1

entry=$dir/$id.desktop
grep -qx "MimeType=$mime;" "$entry" || fail "the desktop entry does not name $mime"
grep -qx "Exec=ortalis %f" "$entry" || fail "the desktop entry does not hand the file over (%f)"
grep -qF "<mediatype>$mime</mediatype>" "$dir/$id.metainfo.xml" || fail "the metainfo does not provide $mime"

xmllint --noout "$dir/$id.mime.xml" || fail "the MIME file is not well-formed XML"
db=$(mktemp -d)
trap 'rm -rf "$db"' EXIT
mkdir "$db/packages"
cp "$dir/$id.mime.xml" "$db/packages/$id.xml"
# The tool reports a file it cannot take on its error output and goes on.
update-mime-database "$db" >"$db/log" 2>&1 || fail "update-mime-database"
if grep -qiE "error|failed|unknown|invalid" "$db/log"; then cat "$db/log"; fail "update-mime-database refused the MIME file"; fi
grep -qxF "50:$mime:*.ortalis" "$db/globs2" || fail "no glob *.ortalis for $mime"
grep -qaF "$mime" "$db/magic" || fail "no content rule for $mime"
grep -qxF "$mime application/json" "$db/subclasses" || fail "$mime is not a kind of JSON"
# The magic rule's string must be where every example has it.
for task in "$examples"/*.ortalis; do
    head -c 80 "$task" | grep -qF '"ortalis-task"' || fail "$(basename "$task") lacks the format name near its start"
done
exit $status

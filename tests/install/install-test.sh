#!/usr/bin/env bash
# install-test.sh BUILD_DIR PROBE_MODULE APP_ID
# Installs BUILD_DIR into a new prefix (with a space and Cyrillic letters in it)
# and starts the installed program by its menu entry's command, headless, from
# another folder: it must show its skins in the chooser and its help page.
set -u
build=$1 probe=$2 id=$3
top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
prefix="$top/Префікс з пробілом"
fail=0
check() {  # check DESCRIPTION COMMAND...
    if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; fail=1; fi
}

cmake --install "$build" --prefix "$prefix" >"$top/install.log" 2>&1 || { cat "$top/install.log"; exit 1; }

app="$prefix/lib/ortalis"
check "executable keeps its name" test -x "$app/Ortalis"
check "skins beside it" test -f "$app/skins/BlueGauze.asz"
check "help page beside it" test -f "$app/help.htm"
for task in pick-triangle crossed-polygon hull-30-points; do
    check "example task $task beside it" test -f "$app/examples/$task.ortalis"
done
check "task MIME type" grep -q 'type="application/x-ortalis-task"' "$prefix/share/mime/packages/$id.xml"
check "launcher links to it" test "$(readlink -f "$prefix/bin/ortalis")" = "$(readlink -f "$app/Ortalis")"
check "launcher link is relative" test "$(readlink "$prefix/bin/ortalis")" = "../lib/ortalis/Ortalis"
check "desktop entry" test -f "$prefix/share/applications/$id.desktop"
check "metainfo" test -f "$prefix/share/metainfo/$id.metainfo.xml"
check "scalable icon" test -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    check "${size}x${size} icon is a ${size}x${size} PNG" \
        grep -q "PNG image data, $size x $size" <<<"$(file "$png")"
done

# The menu entry's command, found on PATH as a desktop finds it; started from
# the menu, without a file for its %f.
command=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$id.desktop")
check "menu entry runs the launcher with a file" test "$command" = "ortalis %f"
command=${command% %f}
mkdir "$top/elsewhere"
(cd "$top/elsewhere" && PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" \
    timeout 60 "$command") >"$top/out.txt" 2>"$top/err.txt"
status=$?
echo "--- the installed program reported (exit $status):"
cat "$top/out.txt"
check "program ended normally" test "$status" = 0
has() { grep -qxF "$1" "$top/out.txt"; }
check "title is Ortalis" has "title: Ortalis"
check "desktop file name is the id" has "desktop-file-name: $id"
check "start skin is on" has "skin-style-sheet: set"
check "chooser shown" has "chooser-visible: yes"
expected=$(cd "$app/skins" && ls -1 -- *.asz | LC_ALL=C sort)
listed=$(sed -n 's/^skin: //p' "$top/out.txt")
check "chooser lists the installed skins" test -n "$listed" -a "$listed" = "$expected"
check "help shown" has "help-visible: yes"
check "help page comes from beside the installed executable" \
    grep -qxF "help-source: file://$app/help.htm" "$top/out.txt"
title=$(sed -n 's:.*<title>\(.*\)</title>.*:\1:p' "$app/help.htm")
check "help page's own title is shown" has "help-title: $title"
check "no task at start: the layout's x2" has "triangle-x2: 4"

# The desktop's "open with": the file in place of %f, here an installed example.
(cd "$top/elsewhere" && PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" \
    timeout 60 "$command" "$app/examples/pick-triangle.ortalis") >"$top/out2.txt" 2>>"$top/err.txt"
check "program with a task ended normally" test "$?" = 0
check "the task named at start is open" grep -qxF "triangle-x2: 12" "$top/out2.txt"
if [ "$fail" != 0 ]; then
    echo "--- program's error output:"; cat "$top/err.txt"
fi
exit "$fail"

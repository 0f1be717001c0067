#!/usr/bin/env bash
# Takes the README's screenshots: starts build/Ortalis in a virtual X display
# (Xvfb), drives it from the keyboard with xdotool as a user would (menus with
# Alt and the arrow keys, fields with Tab), and writes docs/screenshots/*.png.
# A scene whose command draws nothing is reported and its picture left as it was.
set -u
ORTALIS_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ORTALIS_ROOT/scripts/deps.sh"
ortalis_install_deps xvfb xdotool imagemagick locales
# The pictures show a Ukrainian desktop: its decimal comma, its dialogs' texts.
shot_locale=uk_UA.UTF-8
if ! locale -a 2>/dev/null | grep -qix 'uk_UA.utf8'; then
    if [ "$(id -u)" = 0 ]; then
        localedef -i uk_UA -f UTF-8 "$shot_locale" || exit 1
    else
        echo "Run as root once: localedef -i uk_UA -f UTF-8 $shot_locale" >&2
        exit 1
    fi
fi
ortalis_build_program "$ORTALIS_ROOT/build" >/dev/null || exit 1
program="$ORTALIS_ROOT/build/Ortalis"
out="$ORTALIS_ROOT/docs/screenshots"
mkdir -p "$out"

display=99
while [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done
Xvfb :$display -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=:$display QT_QPA_PLATFORM=xcb
sleep 1

pid="" main=""
missing=0

start() {
    LANG=$shot_locale LC_ALL=$shot_locale LANGUAGE=uk "$program" >/dev/null 2>&1 &
    pid=$!
    main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Ortalis$' | head -1)
    [ -n "$main" ] || { echo "Ortalis did not show its main window" >&2; exit 1; }
    sleep 1
}

stop() {
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

keys() { xdotool key --delay 60 "$@"; sleep 0.3; }

# Clicks at a point of the main window (pixels from its top-left corner): the
# page tabs and the first field of a page; everything else is reached with Tab.
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.3; }

# Types each value into the focused field and the ones after it, Tab between.
fill() {
    local value
    for value in "$@"; do
        keys ctrl+a
        xdotool type --delay 40 -- "$value"
        keys Tab
    done
}

# menu MENU ITEM: the main menu's MENU-th heading (from 0), its ITEM-th entry.
menu() {
    xdotool windowfocus --sync "$main"
    keys alt
    local i
    for ((i = 0; i < $1; i++)); do keys Right; done
    keys Down
    for ((i = 0; i < $2; i++)); do keys Down; done
    keys Return
    sleep 1
    answer_check
}

# The figure check asks before it builds a questionable figure: build it.
answer_check() {
    local box
    box=$(xdotool search --onlyvisible --name '^Перевірка$' 2>/dev/null | head -1)
    if [ -n "$box" ]; then
        xdotool windowfocus --sync "$box"
        keys Return
        sleep 1
    fi
}

# shot WINDOW-TITLE FILE: the named window alone.
shot() {
    local window
    xdotool mousemove 1279 899
    window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    if [ -z "$window" ]; then
        echo "skipped $2: no window \"$1\" (its command draws nothing yet)" >&2
        missing=1
        return
    fi
    sleep 0.5
    import -window "$window" "$out/$2" && echo "wrote docs/screenshots/$2"
}

# The main window as it starts, on the page "N-кутник".
start
shot Ortalis main-window.png
stop

# "Трикутник": a triangle typed in, built, and both its circles.
start
click 81 31                    # page "Трикутник"
click 106 90                   # field x1
fill -4 -2 5 -3 1 5
menu 1 0                       # Трикутник > Побудова
menu 1 3                       # Трикутник > Вписане коло (draws both circles)
shot Побудова triangle-circles.png
stop

# "N-кутник": forty random points and their convex hull.
start
click 86 84                    # field "Кількість вершин"
fill 40
keys Tab Tab Tab space         # past x, y and "додати" to "Випадкові точки"
menu 3 4                       # N-кутник > Побудова опуклої оболонки (Джарвіса)
shot Побудова convex-hull.png
stop

# "Правильні n-кутники": a heptagon with its circumscribed and inscribed circles.
start
click 351 31                   # page "Правильні n-кутники"
click 86 84                    # field "Кількість вершин"
fill 7 4
keys Tab Tab space Tab space   # past the start angle and the area to both circles
menu 4 0                       # Правильний n-кутник > Побудувати
shot Побудова regular-polygon.png
stop

# pick_skin N: the skin chooser's N-th skin (from 0, in file order), chooser closed again.
pick_skin() {
    menu 5 0                   # Налаштування > Змінити...
    local chooser i
    chooser=$(timeout 5 xdotool search --sync --onlyvisible --name '^Скіни$' | head -1)
    xdotool windowfocus --sync "$chooser"
    keys Home
    for ((i = 0; i < $1; i++)); do keys Down; done
    sleep 1
    keys Escape
}

# working_scene FILE: a triangle's three areas and both circles, then the window
# "Хід розв'язання" that shows how they were found.
working_scene() {
    click 81 31                # page "Трикутник"
    click 106 90               # field x1
    fill 0 0 4 0 0 3
    menu 1 1                   # Трикутник > Площа
    menu 1 3                   # Трикутник > Вписане коло (draws both circles)
    xdotool windowfocus --sync "$main"
    keys ctrl+r                # Хід розв'язання
    sleep 1
    shot "Хід розв'язання" "$1"
}

# The working window in the light skin the program starts with, and in the dark "Graphite".
start
working_scene working-light.png
stop
start
pick_skin 1                    # Graphite.asz
working_scene working-dark.png
stop

# The lattice points Pick's theorem counted, marked over a small triangle: the
# link of the areas' section, reached with Tab and followed with Return.
start
click 81 31
click 106 90
fill 0 0 6 1 2 5
menu 1 1                       # Трикутник > Площа
xdotool windowfocus --sync "$main"
keys ctrl+r
working=$(timeout 5 xdotool search --sync --onlyvisible --name "^Хід розв'язання\$" | head -1)
xdotool windowfocus --sync "$working"
keys ctrl+Home Tab Return
sleep 1
shot Побудова lattice-points.png
stop

# The skin chooser with the dark skin "Graphite" picked from its list.
start
menu 5 0                       # Налаштування > Змінити...
chooser=$(timeout 5 xdotool search --sync --onlyvisible --name '^Скіни$' | head -1)
xdotool windowfocus --sync "$chooser"
keys Home Down                 # BlueGauze.asz, then Graphite.asz
sleep 1
xdotool mousemove 1279 899
eval "$(xdotool getwindowgeometry --shell "$main")"
# The chooser opens over the main window; take both.
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/skin-chooser-graphite.png" &&
    echo "wrote docs/screenshots/skin-chooser-graphite.png"
stop

exit $missing

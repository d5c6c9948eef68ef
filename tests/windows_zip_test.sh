#!/usr/bin/env bash
# The Windows zip as a user meets it: unpacked into a folder named with "ä" and blanks, its
# vostrel.exe started under Wine with Qt's real Windows platform on an X server (Xvfb), its
# window found by title and photographed, closed through its Exit item by the keyboard
# (Datei › Ende: Alt+D, E; File › Exit and Fichier › Quitter in the other languages), and the
# settings it wrote on closing found beside the exe. Then, started again without settings, the
# end of the Windows session (wineboot --end-session) must end it and have it write them.
#
#   tests/windows_zip_test.sh ZIP SCREENSHOT.png [SETTINGS.ini]
#
# SETTINGS.ini, when given, is put beside the exe first (the language of the screenshot).
# Every wait is bounded, so a window that never comes or never goes fails instead of hanging.
set -euo pipefail

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
zip_file="$(realpath "$1")"
screenshot="$(realpath -m "$2")"
settings="${3:-}"
step="starting"
fail() { echo "windows_zip_test: $step: $*" >&2; exit 1; }

work="$(mktemp -d)"
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
editor=""
finish() {
    [ -n "$editor" ] && kill "$editor" 2>/dev/null
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

step="unpacking the zip"
folder="$work/Programme ä b"
mkdir -p "$folder"
unzip -q "$zip_file" -d "$folder" || fail "unzip failed"
app="$(find "$folder" -mindepth 1 -maxdepth 1 -type d -name 'vostrel-*' -print -quit)"
[ -n "$app" ] && [ -f "$app/vostrel.exe" ] || fail "no vostrel-*/vostrel.exe at the top of the zip"
[ -n "$settings" ] && cp "$settings" "$app/Zumzum.ini"

# The Exit item's keys in the language of the settings (German without any).
menu_key=alt+d exit_key=e
case "$(cat "$app/Zumzum.ini" 2>/dev/null || true)" in
    *SpracheDEF=English*) menu_key=alt+f exit_key=e ;;
    *SpracheDEF=Fran*) menu_key=alt+h exit_key=q ;;
esac

step="creating the Wine prefix"
timeout 300 wineboot --init >/dev/null 2>&1 || fail "wineboot failed or took longer than 5 minutes"

# Starts vostrel.exe and waits for its window (in $window).
start_editor() {
    step="starting vostrel.exe"
    (cd "$app" && exec timeout 300 wine ./vostrel.exe) >"$work/editor.log" 2>&1 &
    editor=$!
    step="finding the window titled \"RU6 Vostrel\""
    window=""
    for _ in $(seq 120); do
        window="$(xdotool search --onlyvisible --name "RU6 Vostrel" 2>/dev/null | head -n 1 || true)"
        [ -n "$window" ] && break
        kill -0 "$editor" 2>/dev/null || fail "vostrel.exe ended first: $(tail -n 5 "$work/editor.log")"
        sleep 1
    done
    [ -n "$window" ] || fail "no such window within 120 s"
    sleep 3  # the first paint
}

# Waits up to 60 s for vostrel.exe to end by itself and checks that it ended well.
await_end() {
    for _ in $(seq 60); do
        kill -0 "$editor" 2>/dev/null || break
        sleep 1
    done
    if kill -0 "$editor" 2>/dev/null; then
        import -window root "${screenshot%.png}-not-closed.png" 2>/dev/null || true
        fail "vostrel.exe still runs 60 s later (screen in ${screenshot%.png}-not-closed.png)"
    fi
    wait "$editor" || fail "vostrel.exe ended with status $?: $(tail -n 5 "$work/editor.log")"
    editor=""
}

start_editor

step="taking the screenshot"
mkdir -p "$(dirname "$screenshot")"
timeout 30 import -window "$window" "$screenshot" || fail "import failed"

step="closing through the Exit item ($menu_key, $exit_key)"
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool key "$menu_key"
sleep 1
xdotool key "$exit_key"
await_end

settings_written() {
    [ -s "$app/Zumzum.ini" ] || fail "no Zumzum.ini beside vostrel.exe in \"$app\""
    grep -q '^\[Initiierung\]' "$app/Zumzum.ini" || fail "Zumzum.ini holds no [Initiierung] section"
}
step="finding the settings written on closing"
settings_written
echo "windows_zip_test: the window opened, closed by its Exit item and wrote $app/Zumzum.ini"

mv "$app/Zumzum.ini" "$work/closed.ini"
start_editor
step="ending the Windows session"
timeout 60 wineboot --end-session || fail "wineboot --end-session failed or hung"
await_end
step="finding the settings written at the session's end"
settings_written
cmp -s "$app/Zumzum.ini" "$work/closed.ini" || fail "the settings written at the session's end differ from those written on closing"
echo "windows_zip_test: the end of the session ended it and it wrote its settings again"

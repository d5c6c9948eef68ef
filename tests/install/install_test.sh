#!/usr/bin/env bash
# Installs the build the ways a user and a packager do and checks that the
# desktop entry and icon land where a desktop reads them, and that the entry's
# command line, read back by the rules a launcher applies, names the installed
# binary. Then starts the editor from that command line, offscreen, and ends it
# the way a session does (SIGTERM): it must close normally and write its
# settings beside the binary. HOME and XDG_DATA_HOME point into a temporary
# folder throughout, so the real home is never touched.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() { echo "$*" >&2; exit 1; }

# The value of a key in the entry, with the entry's own escapes undone.
entry_value() {
    local LC_ALL=C file="$1" key="$2" raw out="" i c
    [ "$(grep -c "^$key=" "$file")" -eq 1 ] || fail "$file: not exactly one $key="
    raw="$(sed -n "s/^$key=//p" "$file")"
    for ((i = 0; i < ${#raw}; i++)); do
        c="${raw:i:1}"
        if [ "$c" = '\' ]; then
            i=$((i + 1))
            case "${raw:i:1}" in
                s) c=' ' ;; n) c=$'\n' ;; t) c=$'\t' ;; r) c=$'\r' ;; '\') c='\' ;;
                *) fail "$key: unknown escape \\${raw:i:1}" ;;
            esac
        fi
        out+="$c"
    done
    printf '%s' "$out"
}

# The arguments of an Exec value, each ended by a NUL: blanks separate them,
# double quotes group them, inside quotes a backslash takes ", `, $ or \ and
# nothing else, and %% is a percent sign. Whatever a launcher would refuse or
# read otherwise (another field code, a reserved character outside quotes)
# fails.
exec_arguments() {
    local LC_ALL=C value="$1" arg="" quoted=0 started=0 i c
    for ((i = 0; i < ${#value}; i++)); do
        c="${value:i:1}"
        if [ "$c" = '%' ]; then
            i=$((i + 1))
            [ "${value:i:1}" = '%' ] || fail "Exec: field code %${value:i:1}"
            arg+='%' started=1
        elif [ $quoted -eq 1 ]; then
            case "$c" in
                '"') quoted=0 ;;
                '\') i=$((i + 1))
                     case "${value:i:1}" in
                         '"' | '`' | '$' | '\') arg+="${value:i:1}" ;;
                         *) fail "Exec: backslash before '${value:i:1}' inside quotes" ;;
                     esac ;;
                *) arg+="$c" ;;
            esac
        else
            case "$c" in
                ' ') [ $started -eq 0 ] || printf '%s\0' "$arg"
                     arg="" started=0 ;;
                '"') quoted=1 started=1 ;;
                [[:space:]] | "'" | '\' | '>' | '<' | '~' | '|' | '&' | ';' | '$' | '*' | '?' | '#' | '(' | ')' | '`')
                     fail "Exec: unquoted '$c'" ;;
                *) arg+="$c" started=1 ;;
            esac
        fi
    done
    [ $quoted -eq 0 ] || fail "Exec: quote not closed"
    [ $started -eq 0 ] || printf '%s\0' "$arg"
}

# Checks the entry and icon in the data folder $1 for a binary at $2.
check_desktop_files() {
    local data="$1" binary="$2" entry="$1/applications/vostrel.desktop"
    local icon="$1/icons/hicolor/256x256/apps/vostrel.png"
    [ -f "$entry" ] || fail "no desktop entry in $data/applications"
    [ -f "$icon" ] || fail "no icon in $data/icons/hicolor/256x256/apps"
    # A theme icon is only used from the folder of its own size.
    [ "$(od -An -tx1 -j12 -N12 "$icon" | tr -d ' \n')" = "4948445200000100""00000100" ] \
        || fail "the icon is not a 256 x 256 picture"
    grep -qx "Icon=vostrel" "$entry" || fail "the entry does not name the icon by its theme name"

    # Assigned first, so that a failure to read them ends the test.
    local exec try_exec
    exec="$(entry_value "$entry" Exec)"
    try_exec="$(entry_value "$entry" TryExec)"
    exec_arguments "$exec" >"$work/arguments"
    mapfile -d '' arguments <"$work/arguments"
    [ ${#arguments[@]} -eq 1 ] || fail "Exec has ${#arguments[@]} arguments, not one: $(grep ^Exec= "$entry")"
    [ "${arguments[0]}" = "$binary" ] || fail "Exec names '${arguments[0]}', not '$binary'"
    [ "$try_exec" = "$binary" ] || fail "TryExec names '$try_exec', not '$binary'"
}

# A program folder of the user's own, its name full of what a command line
# and a desktop entry treat specially; its data folder from XDG_DATA_HOME.
prefix="$work/Meine Programme \$HOME 100% \"RU6\" \`x\`/Vostrel"
home="$work/home"
data="$work/data home"
mkdir -p "$home"
HOME="$home" XDG_DATA_HOME="$data" cmake --install "$build" --prefix "$prefix" >/dev/null
for file in vostrel vostrel-menu vostrel-replay README.md THIRD_PARTY.md; do
    [ -e "$prefix/$file" ] || fail "missing after install: $file"
done
[ ! -e "$prefix/share" ] || fail "the desktop files went below the program folder, where no desktop looks"
[ ! -e "$home/.local" ] || fail "the desktop files went to HOME although XDG_DATA_HOME is set"
check_desktop_files "$data" "$prefix/vostrel"
binary="${arguments[0]}"

# Without XDG_DATA_HOME the user's data folder is ~/.local/share.
env -u XDG_DATA_HOME HOME="$home" cmake --install "$build" --prefix "$work/second" >/dev/null
check_desktop_files "$home/.local/share" "$work/second/vostrel"

# A system prefix keeps them in its own share folder; a packager's DESTDIR
# goes in front of the files but not into the entry.
stage="$work/stage"
HOME="$home" XDG_DATA_HOME="$work/untouched" DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
[ -x "$stage/usr/vostrel" ] || fail "DESTDIR was not honoured for the program"
check_desktop_files "$stage/usr/share" "/usr/vostrel"
[ ! -e "$work/untouched" ] || fail "a system install put desktop files in the user's data folder"

# Started as the application menu would start it.
QT_QPA_PLATFORM=offscreen "$binary" &
editor=$!
sleep 2
kill -0 "$editor" 2>/dev/null || fail "the installed editor did not stay up"
kill -TERM "$editor"
wait "$editor" || fail "the editor did not end normally"
grep -q "^SpracheDEF=Deutsch" "$prefix/Zumzum.ini" || fail "no settings beside the binary"
echo "install: ok"

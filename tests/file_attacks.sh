#!/usr/bin/env bash
# Runs the release tools against files and folders a careless or hostile user could hand them:
# links, read-only and private files, the longest names, names that are not UTF-8, a sparse
# 100 GB file, a FIFO, a 50 MB line, and a save killed thirty times at random moments.
#
#   tests/file_attacks.sh BUILD_DIR
set -uo pipefail
build=$(cd "${1:?usage: file_attacks.sh BUILD_DIR}" && pwd)
replay="$build/vostrel-replay"
menu="$build/vostrel-menu"
work=$(mktemp -d "${TMPDIR:-/tmp}/vostrel-attacks-XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# Settings without auto-run and without the button lock, so a scenario adds a line in one click.
settings() {
    printf '[Initiierung]\r\nSpracheDEF=English\r\nAutoAblauf=0\r\nT.mnu-path=/old\r\nHochformat=1\r\nButtonSper=0\r\nStandardRe=0\r\nXXXXXXXXXX=0\r\nXXXXXXXXXX=0\r\nXXXXXXXXXX=0\r\nXXXXXXXXXX=0\r\n' >"$1/Zumzum.ini"
}

# A scenario saving a new menu to NAME (answering the overwrite question when the file exists)
# into FILE; extra expectations follow on stdin.
save_scenario() {
    { printf 'start\nclick cmdWXButton 3\nclick imgWXMenu 35\n'
      [[ -e "$folder/$1" ]] && printf 'answer yes\n'
      printf 'dialog "%s"\nmenu mnuDSpeichern\n' "$1"
      cat; } >"$2"
}

# Entries of FOLDER other than the NAMEs given: whatever a save left behind.
leftovers() {
    local folder=$1 entry name known count=0
    shift
    for entry in "$folder"/* "$folder"/.[!.]*; do
        [[ -e $entry || -L $entry ]] || continue
        known=0
        for name in "$@"; do [[ ${entry##*/} == "$name" ]] && known=1; done
        ((known)) || { count=$((count + 1)); echo "left: ${entry##*/}" >&2; }
    done
    echo "$count"
}

# ---- Saving -------------------------------------------------------------------------------
folder="$work/save" && mkdir -p "$folder" && settings "$folder"
printf 'OLD\r\n' >"$folder/real.mnu" && ln -s real.mnu "$folder/link.mnu"
printf 'OLD\r\n' >"$folder/ro.mnu" && chmod 0444 "$folder/ro.mnu"
printf 'OLD\r\n' >"$folder/private.mnu" && chmod 0600 "$folder/private.mnu"
long=$(printf 'n%.0s' $(seq 246)).mnu

save_scenario link.mnu "$work/link.scn" </dev/null
"$replay" --program-folder "$folder" "$work/link.scn" || fail "save through a link"
[[ -L "$folder/link.mnu" ]] && head -c 9 "$folder/real.mnu" | grep -q MENUBLOCK \
    && pass "a link is written through and stays a link" || fail "link replaced or target unchanged"

save_scenario ro.mnu "$work/ro.scn" <<'EOF'
expect /messages/1/text "A mistake by writing the file."
expect /messages/1/detail "Permission denied"
EOF
"$replay" --program-folder "$folder" "$work/ro.scn" || fail "read-only target: unexpected result"
[[ $(cat "$folder/ro.mnu") == $'OLD\r' ]] && pass "a read-only file is refused (as $(id -un)) and kept" \
    || fail "read-only file changed"

save_scenario private.mnu "$work/private.scn" </dev/null
"$replay" --program-folder "$folder" "$work/private.scn" || fail "save over a 0600 file"
[[ $(stat -c %a "$folder/private.mnu") == 600 ]] && pass "a 0600 file stays 0600" || fail "mode of 0600 file changed"

if [[ $(id -u) == 0 ]]; then  # only root may keep another user's ownership
    printf 'OLD\r\n' >"$folder/theirs.mnu" && chown nobody:nogroup "$folder/theirs.mnu"
    save_scenario theirs.mnu "$work/theirs.scn" </dev/null
    "$replay" --program-folder "$folder" "$work/theirs.scn" && [[ $(stat -c %U:%G "$folder/theirs.mnu") == nobody:nogroup ]] \
        && pass "the owner of a file is kept" || fail "owner of a saved file changed"
fi
save_scenario "$long" "$work/long.scn" </dev/null
"$replay" --program-folder "$folder" "$work/long.scn" && [[ -s "$folder/$long" ]] \
    && pass "a 250-byte name saves" || fail "250-byte name"
[[ $(leftovers "$folder" Zumzum.ini real.mnu link.mnu ro.mnu private.mnu theirs.mnu "$long") == 0 ]] \
    && pass "no temporary file left by the saves" || fail "temporary file left"

# ---- Names that are not UTF-8 ---------------------------------------------------------------
program="$work/prog"$'\xff' && mkdir -p "$program" && settings "$program"
printf 'MENUITEM|TASK_ABOUT|\r\n' >"$program/menu.mnu"
cat >"$work/utf8.scn" <<'EOF'
start
dialog menu.mnu
menu mnuDLaden
expect /document ["MENUITEM|TASK_ABOUT|"]
expect /settings/3 "T.mnu-path=/old"
click imgWXMenu 35
answer yes
dialog menu.mnu
menu mnuDSpeichern
expect /vars/MenuChanged false
close
EOF
(cd "$work" && "$replay" --program-folder "$program" "$work/utf8.scn" >"$work/utf8.out") \
    || fail "program folder that is not UTF-8"
grep -q 'TASK_NAVIGATE_TO' "$program/menu.mnu" && grep -q 'T.mnu-path=/old' "$program/Zumzum.ini" \
    && [[ ! -e "$work/Zumzum.ini" ]] && pass "a folder named in bytes opens, saves and keeps its settings there" \
    || fail "settings or menu in a folder that is not UTF-8"
printf 'start\ndump\n' >"$work/dump.scn"
"$replay" --program-folder "$program" "$work/dump.scn" | python3 -c '
import json, sys
state = json.loads(sys.stdin.buffer.read().decode("utf-8"))
assert state["vars"]["ProgramFolder"].endswith("prog\ufffd"), state["vars"]["ProgramFolder"]' \
    && pass "the dump shows the stray byte as U+FFFD" || fail "dump of a folder that is not UTF-8"
cp "$program/menu.mnu" "$work/bad"$'\xe9'".mnu"
"$menu" check --json "$work/bad"$'\xe9'".mnu" >"$work/check.json"; status=$?
python3 -c 'import json,sys; json.load(open(sys.argv[1], encoding="utf-8"))' "$work/check.json" \
    && [[ $status -le 1 ]] && pass "check --json on a name that is not UTF-8 prints valid JSON (exit $status)" \
    || fail "check --json on a name that is not UTF-8 (exit $status)"

# ---- Files that must not be read ------------------------------------------------------------
odd="$work/odd" && mkdir -p "$odd" && settings "$odd"
truncate -s 100G "$odd/sparse.mnu"
mkfifo "$odd/fifo.mnu"
mkdir "$odd/folder.mnu"
for name in sparse.mnu fifo.mnu folder.mnu; do
    timeout 20 "$menu" check "$odd/$name" 2>"$work/err"; status=$?
    [[ $status == 2 && -s "$work/err" ]] && pass "vostrel-menu refuses $name: $(cat "$work/err")" \
        || fail "vostrel-menu on $name: exit $status"
    printf 'start\ndialog %s\nmenu mnuDLaden\nexpect /messages/0/text "An error by opening the file.?"\nexpect /document []\n' \
        "$name" >"$work/open.scn"
    timeout 20 "$replay" --program-folder "$odd" "$work/open.scn" && pass "the editor refuses $name" \
        || fail "the editor on $name"
done

# ---- A 50 MB line -----------------------------------------------------------------------------
big="$work/line" && mkdir -p "$big" && settings "$big"
{ printf 'MENUITEM|'; head -c 50000000 /dev/zero | tr '\0' x; printf '|\r\n'; } >"$big/line.mnu"
cat >"$work/line.scn" <<'EOF'
start
dialog line.mnu
menu mnuDLaden
dialog copy.mnu
menu mnuDSpeichern
EOF
timeout 60 "$replay" --program-folder "$big" "$work/line.scn" && cmp -s "$big/line.mnu" "$big/copy.mnu" \
    && pass "a 50 MB line opens and saves unchanged" || fail "50 MB line"

# ---- A save killed thirty times ------------------------------------------------------------------
kill="$work/kill" && mkdir -p "$kill" && settings "$kill"
python3 -c '
import sys
sys.stdout.buffer.write(b"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|\r\n" + b"MENUITEM|TASK_SHOW_MAP|\r\n" * 999999)' >"$kill/big.mnu"
printf 'OLD\r\n' >"$kill/target.mnu"
cat >"$work/kill.scn" <<'EOF'
start
dialog big.mnu
menu mnuDLaden
click imgWXMenu 35
answer yes
dialog target.mnu
menu mnuDSpeichern
EOF
old=$(sha1sum <"$kill/target.mnu")
start=$(date +%s%N)
"$replay" --program-folder "$kill" "$work/kill.scn" || fail "the unkilled save"
took=$(( ($(date +%s%N) - start) / 1000000 ))
new=$(sha1sum <"$kill/target.mnu")
olds=0 news=0 bad=0 instants=0
for run in $(seq 30); do
    printf 'OLD\r\n' >"$kill/target.mnu"
    rm -f "$kill/Zumzum-recovery.mnu"  # each run starts as the first did
    "$replay" --program-folder "$kill" "$work/kill.scn" &
    pid=$!
    sleep "$(awk -v t="$took" -v r="$RANDOM" 'BEGIN { printf "%.3f", t * (0.5 + 0.6 * r / 32768) / 1000 }')"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    case $(sha1sum <"$kill/target.mnu") in
        "$old") olds=$((olds + 1)) ;;
        "$new") news=$((news + 1)) ;;
        *) bad=$((bad + 1)) ;;
    esac
    # The recovery file of the unsaved work is meant to outlive a kill. A named temporary file
    # exists only in the instant between naming a synced file and renaming it; a kill landing
    # there is counted, anything else left behind is a fault.
    for named in "$kill"/.~vostrel-*; do [[ -e $named ]] && instants=$((instants + 1)) && rm -f "$named"; done
    [[ $(leftovers "$kill" Zumzum.ini Zumzum-recovery.mnu big.mnu target.mnu) == 0 ]] || fail "kill $run left a temporary file"
done
[[ $bad == 0 ]] && pass "30 kills during a save of 1,000,000 lines (${took} ms): $olds old, $news new, none torn, $instants in the naming instant" \
    || fail "$bad of 30 killed saves left a torn target"

echo "file attacks: $failures failure(s)"
exit $((failures > 0))

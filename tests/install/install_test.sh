#!/usr/bin/env bash
# Installs the build into a temporary folder, checks the portable layout and the
# desktop entry, starts the installed editor offscreen and ends it the way a
# session does (SIGTERM): it must close normally and write its settings beside
# the binary.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in vostrel vostrel-menu vostrel-replay README.md THIRD_PARTY.md \
            share/applications/vostrel.desktop share/icons/hicolor/256x256/apps/vostrel.png; do
    [ -e "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
grep -qx "Exec=$prefix/vostrel" "$prefix/share/applications/vostrel.desktop" \
    || { echo "desktop entry does not name the installed binary"; exit 1; }

QT_QPA_PLATFORM=offscreen "$prefix/vostrel" &
editor=$!
sleep 2
kill -0 "$editor" 2>/dev/null || { echo "the installed editor did not stay up"; exit 1; }
kill -TERM "$editor"
wait "$editor" || { echo "the editor did not end normally"; exit 1; }
grep -q "^SpracheDEF=Deutsch" "$prefix/Zumzum.ini" || { echo "no settings beside the binary"; exit 1; }
echo "install: ok"

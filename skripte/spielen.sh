#!/usr/bin/env bash
# Installiert, was fehlt, baut das Spiel und startet es. Weitere Argumente gehen an das Spiel
# (zum Beispiel "debug").
set -euo pipefail
cd "$(dirname "$0")/.."

skripte/einrichten.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

if [ ! -x build/quorintarvoll ]; then
    echo "Gebaut ist bisher nur die Spiellogik; das Spielfenster folgt."
    exit 0
fi
exec build/quorintarvoll "$@"

#!/usr/bin/env bash
# Misst ohne Bildschirm (offscreen) und, wenn xvfb-run da ist, noch einmal an einem virtuellen
# X-Bildschirm (xcb), wo auch die Verbindung zum Fenstersystem zählt. Endet mit 1, wenn ein Ziel
# in einem der Läufe verfehlt ist.
set -u
messung=$1
"$messung"
ergebnis=$?
if command -v xvfb-run >/dev/null 2>&1; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "$messung" --plattform xcb
    x=$?
    if [ "$ergebnis" -eq 0 ]; then
        ergebnis=$x
    fi
else
    echo "xvfb-run fehlt: nur ohne Bildschirm gemessen."
fi
exit "$ergebnis"

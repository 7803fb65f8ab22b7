#!/usr/bin/env bash
# Startet das Programm auf einem virtuellen Bildschirm mit eigenem Sitzungsbus und eigenem
# Barrierefreiheitsbus und lässt spielen.py es über diesen Bus spielen, im Debug-Modus.
# Aufruf: barrierefreiheit.sh PROGRAMM
# Endet mit 77 (übersprungen), wenn Bildschirm, Busse oder pyatspi fehlen.
set -u

programm=${1:?Aufruf: barrierefreiheit.sh PROGRAMM}
hier=$(cd "$(dirname "$0")" && pwd)
buslauncher=/usr/libexec/at-spi-bus-launcher

fehlt=()
for befehl in xvfb-run Xvfb xauth dbus-run-session dbus-send; do
    command -v "$befehl" >/dev/null 2>&1 || fehlt+=("$befehl")
done
[ -x "$buslauncher" ] || fehlt+=("$buslauncher")
/usr/bin/python3 -c "import pyatspi" >/dev/null 2>&1 || fehlt+=("pyatspi für /usr/bin/python3")
if ((${#fehlt[@]} > 0)); then
    echo "übersprungen: es fehlt ${fehlt[*]} (Debian-Pakete xvfb, xauth, dbus, at-spi2-core, python3-pyatspi)"
    exit 77
fi

export TARVOLL_PROGRAMM=$programm TARVOLL_SPIELER=$hier/spielen.py TARVOLL_BUSLAUNCHER=$buslauncher

# Innerhalb der Sitzung: Barrierefreiheitsbus, dann das Programm, dann der Spieler. Jedes Warten
# hat eine Frist; nach „Beenden“ muss das Programm von selbst und ohne Fehler enden.
sitzung='
"$TARVOLL_BUSLAUNCHER" --launch-immediately >/dev/null 2>&1 &
trap "kill $! 2>/dev/null" EXIT
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
done
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 timeout 70 "$TARVOLL_PROGRAMM" debug &
spiel=$!
timeout -k 5 60 /usr/bin/python3 "$TARVOLL_SPIELER" || { kill "$spiel"; exit 1; }
wait "$spiel" || { echo "Das Programm endete nach „Beenden“ mit $? statt mit 0."; exit 1; }
'

timeout -k 5 90 dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$sitzung"

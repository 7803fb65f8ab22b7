#!/usr/bin/env bash
# Installiert den Build in ein frisches Präfix, prüft, was dort liegt, startet das Spiel über
# bin/quorintarvoll und lässt InstallationTest die Fenster mit dem installierten Ordner zeigen.
# Aufruf: installation.sh <cmake> <build-ordner> <quellordner> <InstallationTest>
set -euo pipefail

cmake_befehl=$1
build=$2
quelle=$3
fenstertest=$4

praefix=$(mktemp -d "${TMPDIR:-/tmp}/tarvoll-installation.XXXXXX")
spiel_pid=
aufraeumen() {
    if [ -n "$spiel_pid" ] && kill -0 "$spiel_pid" 2>/dev/null; then
        kill "$spiel_pid" 2>/dev/null || true
        wait "$spiel_pid" 2>/dev/null || true
    fi
    rm -rf "$praefix"
}
trap aufraeumen EXIT

fehler=0
fehlt() {
    echo "FEHLER: $*" >&2
    fehler=1
}

"$cmake_befehl" --install "$build" --prefix "$praefix" >"$praefix.log" 2>&1 || {
    cat "$praefix.log" >&2
    rm -f "$praefix.log"
    exit 1
}
rm -f "$praefix.log"

ordner=$praefix/lib/quorintarvoll
programm=$ordner/quorintarvoll
verweis=$praefix/bin/quorintarvoll

# --- Programm und Verweis ---
[ -f "$programm" ] && [ -x "$programm" ] || fehlt "Programm fehlt: $programm"
if [ -L "$verweis" ]; then
    ziel=$(readlink "$verweis")
    # Relativ, sonst zeigt ein verschobenes Präfix oder das Paket ins Leere.
    [ "${ziel#/}" = "$ziel" ] || fehlt "bin/quorintarvoll verweist absolut: $ziel"
    [ "$(readlink -f "$verweis")" = "$(readlink -f "$programm")" ] || fehlt "bin/quorintarvoll führt nach $(readlink -f "$verweis")"
else
    fehlt "bin/quorintarvoll ist kein Verweis"
fi

# --- Bilder: dreizehn Würfelbilder, jedes einfach und doppelt groß ---
for nummer in 0 1 2 3 4 5 6 11 12 13 14 15 16; do
    for datei in "$nummer.JPG" "$nummer@2x.JPG"; do
        [ -s "$ordner/bilder/$datei" ] || fehlt "Bild fehlt: bilder/$datei"
        cmp -s "$build/bilder/$datei" "$ordner/bilder/$datei" || fehlt "Bild weicht vom gebauten ab: bilder/$datei"
    done
done
anzahl=$(find "$ordner/bilder" -type f | wc -l)
[ "$anzahl" -eq 26 ] || fehlt "bilder/ enthält $anzahl Dateien statt 26"

# --- Hilfe: beide Seiten und alles, was sie brauchen, unverändert ---
for seite in Spielregeln.htm Liesmich.htm; do
    [ -f "$quelle/hilfe/$seite" ] || fehlt "Hilfeseite fehlt in den Quellen: hilfe/$seite"
done
for datei in "$quelle"/hilfe/*; do
    name=$(basename "$datei")
    cmp -s "$datei" "$ordner/hilfe/$name" || fehlt "Hilfedatei fehlt oder weicht ab: hilfe/$name"
done

# --- Menüeintrag und Symbole ---
eintrag=$praefix/share/applications/quorintarvoll.desktop
if [ -f "$eintrag" ]; then
    desktop-file-validate "$eintrag" || fehlt "Menüeintrag ungültig"
    grep -qx 'Exec=quorintarvoll' "$eintrag" || fehlt "Menüeintrag startet nicht quorintarvoll"
    grep -qx 'Icon=quorintarvoll' "$eintrag" || fehlt "Menüeintrag ohne Symbol quorintarvoll"
    grep -q '^Categories=.*Game;' "$eintrag" || fehlt "Menüeintrag nicht unter Spiele"
else
    fehlt "Menüeintrag fehlt: $eintrag"
fi
# Größe und Inhalt der Symbole prüft InstallationTest.

# --- Start über den Verweis, ohne Bildschirm ---
protokoll=$praefix/start.log
QT_QPA_PLATFORM=offscreen "$verweis" >"$protokoll" 2>&1 &
spiel_pid=$!
# Das Programm muss zwei Sekunden laufen, ohne abzustürzen oder sich zu beenden.
for _ in $(seq 20); do
    sleep 0.1
    kill -0 "$spiel_pid" 2>/dev/null || break
done
if kill -0 "$spiel_pid" 2>/dev/null; then
    # Es läuft das installierte Programm, nicht eines aus dem Build-Baum.
    [ "$(readlink -f "/proc/$spiel_pid/exe")" = "$(readlink -f "$programm")" ] ||
        fehlt "gestartet wurde $(readlink -f "/proc/$spiel_pid/exe")"
    sleep 1
fi
if kill -0 "$spiel_pid" 2>/dev/null; then
    kill -TERM "$spiel_pid"
    status=0
    wait "$spiel_pid" || status=$?
    [ "$status" -eq 143 ] || fehlt "Programm endete nach SIGTERM mit Status $status"
else
    status=0
    wait "$spiel_pid" || status=$?
    fehlt "installiertes Programm endete von selbst mit Status $status"
    cat "$protokoll" >&2
fi
spiel_pid=

# --- Fenster mit dem installierten Programmordner ---
TARVOLL_PRAEFIX=$praefix QT_QPA_PLATFORM=offscreen "$fenstertest" || fehlt "InstallationTest schlug fehl"

if [ "$fehler" -ne 0 ]; then
    echo "Installation in $praefix unvollständig" >&2
    exit 1
fi
echo "Installation vollständig: Dateien, Verweis, Start und Fenster geprüft"

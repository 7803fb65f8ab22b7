#!/usr/bin/env bash
# Installiert den Build in ein frisches Präfix und baut daraus das Debian-Paket wie in der
# Anleitung. Prüft, was in beiden liegt: Programm, Verweis, Bilder, Hilfe und Symbole wie gebaut,
# Menüeintrag, Abhängigkeiten und die Beschreibung für Softwarezentren; dann startet es das Spiel
# aus beiden über bin/quorintarvoll.
# Aufruf: installation.sh <cmake> <cpack> <build-ordner> <quellordner>
set -euo pipefail

cmake_befehl=$1 cpack_befehl=$2 build=$3 quelle=$4

arbeit=$(mktemp -d "${TMPDIR:-/tmp}/tarvoll-installation.XXXXXX")
praefix=$arbeit/praefix paketinhalt=$arbeit/paketinhalt
spiel_pids=()
aufraeumen() {
    for pid in "${spiel_pids[@]}"; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

fehler=0
fehlt() {
    echo "FEHLER: $*" >&2
    fehler=1
}

# Führt einen Schritt aus und zeigt seine Ausgabe nur, wenn er scheitert.
schritt() {
    "${@:2}" >"$arbeit/schritt.log" 2>&1 || { cat "$arbeit/schritt.log" >&2; echo "FEHLER: $1 gescheitert" >&2; exit 1; }
}

schritt "cmake --install" "$cmake_befehl" --install "$build" --prefix "$praefix"

# --- Das Paket, wie die Anleitung es baut und installiert ---
# cpack braucht "file" für die Abhängigkeiten der Bibliotheken (skripte/einrichten.sh).
schritt "cpack -G DEB" "$cpack_befehl" -G DEB --config "$build/CPackConfig.cmake" -B "$arbeit/cpack"
paketname=$(sed -n '/apt-get install \.\//{s|.*apt-get install \./\([^ ]*\.deb\).*|\1|p;q}' "$quelle/README.md")
paket=$arbeit/cpack/$paketname
if [ -z "$paketname" ] || [ ! -f "$paket" ]; then
    echo "FEHLER: cpack baute nicht das Paket der Anleitung (${paketname:-kein Name in README.md}):" \
        "$(cd "$arbeit/cpack" && ls -- *.deb)" >&2
    exit 1
fi
version=$(dpkg-deb -f "$paket" Version)
# Was das Spiel lädt, ohne dagegen gelinkt zu sein, muss apt-get ebenso mitbringen.
abhaengig=$(dpkg-deb -f "$paket" Depends)
namen=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$abhaengig")
for noetig in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n \
    fonts-liberation2 fonts-dejavu-core; do
    grep -qx "$noetig" <<<"$namen" || fehlt "Paket hängt nicht von $noetig ab: $abhaengig"
done
mkdir "$paketinhalt"
dpkg-deb -x "$paket" "$paketinhalt"
# Das Paket enthält genau, was cmake --install legt, mit denselben Daten; nur das Programm ist
# ohne Symbole zur Fehlersuche und startet deshalb unten eigens.
if ! diff <(cd "$praefix" && find . | sort) <(cd "$paketinhalt/usr" && find . | sort) >"$arbeit/liste.diff"; then
    fehlt "Paket und Installation enthalten nicht dieselben Dateien:"
    cat "$arbeit/liste.diff" >&2
fi
while IFS= read -r -d '' datei; do
    [ "$datei" = ./lib/quorintarvoll/quorintarvoll ] && continue
    cmp -s "$praefix/$datei" "$paketinhalt/usr/$datei" || fehlt "Paket weicht ab: $datei"
done < <(cd "$praefix" && find . -type f -print0)

# --- Beschreibung für Softwarezentren ---
metainfo=$praefix/share/metainfo/invalid.quorin_tarvoll.quorintarvoll.metainfo.xml
if [ ! -f "$metainfo" ]; then
    fehlt "Beschreibung für Softwarezentren fehlt: $metainfo"
else
    # Prüft auch, dass <launchable> auf den installierten Menüeintrag zeigt; ohne Netz, denn die
    # Adressen sind Platzhalter.
    appstreamcli validate-tree --no-net "$praefix" >"$arbeit/appstream.log" 2>&1 || {
        cat "$arbeit/appstream.log" >&2
        fehlt "Beschreibung für Softwarezentren ungültig"
    }
    kategorien=$(sed -n 's|.*<category>\(.*\)</category>.*|\1;|p' "$metainfo" | tr -d '\n')
    grep -qx "Categories=$kategorien" "$praefix/share/applications/quorintarvoll.desktop" ||
        fehlt "Kategorien $kategorien weichen vom Menüeintrag ab"
    release=$(sed -n '/<release /{s|.*version="\([^"]*\)".*|\1|p;q}' "$metainfo")
    [ "$release" = "$version" ] || fehlt "Beschreibung nennt als neueste Version $release, das Paket $version"
    # Jedes Bildschirmfoto ist eines aus doku/bilder, in seiner Größe.
    grep -q '<screenshot type="default">' "$metainfo" || fehlt "Beschreibung ohne Bildschirmfoto"
    while read -r breite hoehe name; do
        bild=$(file -b "$quelle/doku/bilder/$name")
        [[ $bild == "PNG image data, $breite x $hoehe,"* ]] || fehlt "Bildschirmfoto $name ist nicht ${breite}x$hoehe: $bild"
    done < <(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/doku/bilder/\([^<]*\)</image>.*|\1 \2 \3|p' "$metainfo")
fi

# --- Dateien, im Präfix wie im Paket ---
dateien_pruefen() {
    local wurzel=$1
    local ordner=$wurzel/lib/quorintarvoll
    local programm=$ordner/quorintarvoll
    local verweis=$wurzel/bin/quorintarvoll

    [ -f "$programm" ] && [ -x "$programm" ] || fehlt "Programm fehlt: $programm"
    if [ -L "$verweis" ]; then
        local ziel
        ziel=$(readlink "$verweis")
        # Relativ, sonst zeigt ein verschobenes Präfix oder das Paket ins Leere.
        [ "${ziel#/}" = "$ziel" ] || fehlt "$verweis verweist absolut: $ziel"
        [ "$(readlink -f "$verweis")" = "$(readlink -f "$programm")" ] || fehlt "$verweis führt nach $(readlink -f "$verweis")"
    else
        fehlt "$verweis ist kein Verweis"
    fi

    # Dreizehn Würfelbilder, jedes einfach und doppelt groß, die Hilfe, die Bestspieltabelle und die
    # Symbole, wie gebaut.
    for nummer in 0 1 2 3 4 5 6 11 12 13 14 15 16; do
        for datei in "$nummer.JPG" "$nummer@2x.JPG"; do
            cmp -s "$build/bilder/$datei" "$ordner/bilder/$datei" || fehlt "Bild fehlt oder weicht ab: $ordner/bilder/$datei"
        done
    done
    for datei in "$quelle"/hilfe/*; do
        cmp -s "$datei" "$ordner/hilfe/$(basename "$datei")" || fehlt "Hilfedatei fehlt oder weicht ab: $ordner/hilfe/$(basename "$datei")"
    done
    cmp -s "$build/daten/bestspiel.tab" "$ordner/daten/bestspiel.tab" || fehlt "Bestspieltabelle fehlt oder weicht ab: $ordner/daten/bestspiel.tab"

    for kante in 32 48 64 128 256; do
        cmp -s "$build/symbole/quorintarvoll-$kante.png" "$wurzel/share/icons/hicolor/${kante}x$kante/apps/quorintarvoll.png" ||
            fehlt "Symbol für $kante Pixel fehlt oder weicht ab"
    done

    local eintrag=$wurzel/share/applications/quorintarvoll.desktop
    if [ -f "$eintrag" ]; then
        desktop-file-validate "$eintrag" || fehlt "Menüeintrag ungültig: $eintrag"
        grep -qx 'Exec=quorintarvoll' "$eintrag" || fehlt "Menüeintrag startet nicht quorintarvoll"
        grep -qx 'Icon=quorintarvoll' "$eintrag" || fehlt "Menüeintrag ohne Symbol quorintarvoll"
    else
        fehlt "Menüeintrag fehlt: $eintrag"
    fi
}
dateien_pruefen "$praefix"
dateien_pruefen "$paketinhalt/usr"

# --- Start über den Verweis, ohne Bildschirm: installiert und aus dem Paket zugleich ---
wurzeln=("$praefix" "$paketinhalt/usr")
for i in "${!wurzeln[@]}"; do
    QT_QPA_PLATFORM=offscreen "${wurzeln[i]}/bin/quorintarvoll" >"$arbeit/start$i.log" 2>&1 &
    spiel_pids+=($!)
done
# Jedes Programm muss zwei Sekunden laufen, ohne abzustürzen oder sich zu beenden.
sleep 2
for i in "${!wurzeln[@]}"; do
    pid=${spiel_pids[i]}
    status=0
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" || status=$?
        fehlt "${wurzeln[i]}/bin/quorintarvoll endete von selbst mit Status $status"
        cat "$arbeit/start$i.log" >&2
        continue
    fi
    # Es läuft das installierte Programm, nicht eines aus dem Build-Baum.
    programm=$(readlink -f "${wurzeln[i]}/lib/quorintarvoll/quorintarvoll")
    [ "$(readlink -f "/proc/$pid/exe")" = "$programm" ] || fehlt "gestartet wurde $(readlink -f "/proc/$pid/exe") statt $programm"
    kill -TERM "$pid"
    wait "$pid" || status=$?
    [ "$status" -eq 143 ] || fehlt "${wurzeln[i]}/bin/quorintarvoll endete nach SIGTERM mit Status $status"
done
spiel_pids=()

if [ "$fehler" -ne 0 ]; then
    echo "Installation oder Paket unvollständig" >&2
    exit 1
fi
echo "Installation und Paket $paketname vollständig: Dateien, Abhängigkeiten, Beschreibung und Start geprüft"

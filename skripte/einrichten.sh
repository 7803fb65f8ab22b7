#!/usr/bin/env bash
# Installiert die Debian-Pakete, die zum Bauen, Spielen und Testen fehlen.
# Ist alles da, fragt es nur dpkg und ist nach einem Augenblick fertig.
set -euo pipefail

pakete=(
    cmake make g++ pkg-config
    libgtest-dev
    qt6-base-dev libgl-dev qt6-translations-l10n qt6-qpa-plugins
    fonts-dejavu-core fonts-liberation2
    dpkg-dev desktop-file-utils file appstream
    clang libclang-rt-14-dev
    xvfb xauth dbus at-spi2-core python3-pyatspi
)

fehlend=()
for paket in "${pakete[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed"; then
        fehlend+=("$paket")
    fi
done

if ((${#fehlend[@]} > 0)); then
    als_root=()
    if [ "$(id -u)" -ne 0 ]; then
        als_root=(sudo)
    fi
    echo "Installiere: ${fehlend[*]}"
    "${als_root[@]}" apt-get update -qq
    "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null
fi

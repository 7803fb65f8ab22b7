#!/usr/bin/env bash
# Installiert, was fehlt, baut alles und führt alle Tests aus: einmal normal, einmal die
# Spiellogik mit AddressSanitizer und UndefinedBehaviorSanitizer, zuletzt kurz die Fuzz-Ziele.
set -euo pipefail
cd "$(dirname "$0")/.."

skripte/einrichten.sh

export QT_QPA_PLATFORM=offscreen
streng=OFF
if [ "${CI:-}" = "true" ]; then
    streng=ON
fi
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVOLL_WERROR="$streng" >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitizer -DCMAKE_BUILD_TYPE=Debug -DTARVOLL_WERROR="$streng" \
    -DTARVOLL_NUR_ENGINE=ON -DTARVOLL_SANITIZE=ON >/dev/null
cmake --build build-sanitizer -j"$jobs"
ctest --test-dir build-sanitizer --output-on-failure -j"$jobs"

# Jedes Fuzz-Ziel ein paar Sekunden, angefangen mit seinem Korpus: so läuft auch jeder alte Fund
# bei jedem Test wieder. Die langen Läufe macht skripte/fuzzen.sh ohne Angabe.
skripte/fuzzen.sh --sekunden 5

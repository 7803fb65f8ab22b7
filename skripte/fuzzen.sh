#!/usr/bin/env bash
# Baut die Fuzz-Ziele aus tests/fuzz/ (clang, libFuzzer, ASan, UBSan) in build-fuzz/ und lässt
# jedes der Reihe nach ANZAHL Eingaben prüfen (Vorgabe 1000000):
#     skripte/fuzzen.sh [ANZAHL]
#     skripte/fuzzen.sh --sekunden N      # je Ziel N Sekunden, so ruft es skripte/testen.sh
# Am Ende steht je Ziel eine Zeile: Eingaben, Abstürze, Lecks, Zeit. Endet mit 1 bei einem Fund.
#
# Jedes Ziel startet mit seinem Korpus tests/fuzz/korpus/<ziel>/ (echte Eingaben und alte Funde)
# und sammelt neue Eingaben nur in build-fuzz/korpus/<ziel>/. Ein Absturz, ein Leck oder
# undefiniertes Verhalten hält das Ziel an; die Eingabe liegt dann als crash-…, leak-…,
# timeout-… oder oom-… in tests/fuzz/korpus/<ziel>/ und läuft von da an bei jedem Test mit.
# Nach der Korrektur im Programm bleibt sie dort als Regressionsfall: mit einem Namen, der sagt,
# was sie fand, eingecheckt.
set -euo pipefail
cd "$(dirname "$0")/.."

grenze=(-runs="${1:-1000000}")
if [ "${1:-}" = "--sekunden" ]; then
    grenze=(-max_total_time="${2:?Sekunden fehlen}")
fi
streng=OFF
if [ "${CI:-}" = "true" ]; then
    streng=ON
fi

skripte/einrichten.sh
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTARVOLL_FUZZ=ON -DTARVOLL_WERROR="$streng" >/dev/null
cmake --build build-fuzz -j"$(nproc)"

export UBSAN_OPTIONS=print_stacktrace=1
fund=0
zeilen=()
for ziel in zahl kopfzeile format spielstand tabelle; do
    korpus=tests/fuzz/korpus/$ziel
    arbeit=build-fuzz/korpus/$ziel
    protokoll=build-fuzz/fuzz_$ziel.log
    woerter=()
    if [ -f "tests/fuzz/$ziel.woerterbuch" ]; then
        woerter=(-dict="tests/fuzz/$ziel.woerterbuch")
    fi
    mkdir -p "$arbeit"
    echo "Fuzzen: $ziel ..."
    anfang=$(date +%s%N)
    status=0
    # Die echte Bestspieltabelle (2 MiB) liegt nicht im Korpus: eine Mutation träfe ihre Prüfsumme
    # nie, und jede Ausführung kostete Millisekunden. Ist sie im normalen Bau gerechnet, prüft das
    # Ziel sie vorab einmal für sich.
    if [ "$ziel" = tabelle ] && [ -f build/daten/bestspiel.tab ]; then
        "build-fuzz/fuzz_$ziel" build/daten/bestspiel.tab >"$protokoll" 2>&1 || status=$?
    fi
    if [ "$status" -eq 0 ]; then
        "build-fuzz/fuzz_$ziel" "${grenze[@]}" "${woerter[@]}" -timeout=10 -print_final_stats=1 \
            -artifact_prefix="$korpus/" "$arbeit" "$korpus" >"$protokoll" 2>&1 || status=$?
    fi
    sekunden=$(awk -v a="$anfang" -v e="$(date +%s%N)" 'BEGIN { printf "%.1f", (e - a) / 1e9 }')
    eingaben=$(sed -n 's/^stat::number_of_executed_units: *//p' "$protokoll" | tail -n 1)
    lecks=0
    abstuerze=0
    if [ "$status" -ne 0 ]; then
        fund=1
        if grep -q "ERROR: LeakSanitizer" "$protokoll"; then lecks=1; else abstuerze=1; fi
        grep -E "ERROR|runtime error|Verletzt|Test unit written|^ +#[0-9]+ " "$protokoll" | head -n 40 || true
    fi
    zeilen+=("$(printf '%-12s %12s %9s %6s %10s' "$ziel" "${eingaben:-?}" "$abstuerze" "$lecks" "$sekunden s")")
done

# "Abstürze" hat ein Zeichen weniger als Bytes: eine Stelle mehr, damit die Spalte steht.
printf '%-12s %12s %10s %6s %10s\n' Ziel Eingaben Abstürze Lecks Zeit
printf '%s\n' "${zeilen[@]}"
exit "$fund"

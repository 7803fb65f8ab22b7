#include "Pruefen.h"
#include "Tabellendatei.h"

#include <algorithm>
#include <cstdint>

// Beliebige Bytes als Bestspieltabelle: angenommen oder mit Grund abgelehnt, nie ein Absturz.
// Was angenommen wird, gilt nur für die Wurfregel, für die es gerechnet ist, und der Schreiber des
// Tabellenrechners gibt daraus Byte für Byte dieselbe Datei wieder.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::span<const unsigned char> bytes(daten, groesse);
    const auto gelesen = TabelleAusBytes(bytes);
    if (!gelesen.tabelle) {
        Pruefen(!gelesen.fehler.empty(), "eine Ablehnung nennt ihren Grund");
        return 0;
    }
    Pruefen(!TabelleAusBytes(bytes, Wurfregel::Klassisch).tabelle, "eine Tabelle gilt nur für ihre Wurfregel");
    const auto geschrieben = TabelleAlsBytes(*gelesen.tabelle, Wurfregel::Spiel);
    Pruefen(std::equal(geschrieben.begin(), geschrieben.end(), bytes.begin(), bytes.end()),
            "Schreiben gibt dieselben Bytes zurück");
    return 0;
}

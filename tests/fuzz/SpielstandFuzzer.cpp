#include "Attrappen.h"
#include "Pruefen.h"
#include "Spielstanddatei.h"

#include <cstdint>

// Beliebige Bytes als Spielstanddatei: angenommen oder mit Grund abgelehnt, nie ein Absturz.
// Was angenommen wird, übersteht Schreiben und Wiederlesen unverändert, und ein frisch
// gestartetes Spiel nimmt es an und gibt es genau so zurück.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const auto gelesen =
        SpielstandAusJson(QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse)));
    if (!gelesen.stand) {
        Pruefen(!gelesen.fehlerText.isEmpty(), "eine Ablehnung nennt ihren Grund");
        return 0;
    }
    const auto& stand = *gelesen.stand;
    Pruefen(SpielstandAusJson(SpielstandAlsJson(stand)).stand == stand, "Schreiben und Wiederlesen ändern nichts");

    Spieltisch tisch;
    Pruefen(tisch.spiel.SpielstandUebernehmen(stand), "ein frisches Spiel nimmt den Stand an");
    Pruefen(tisch.spiel.SpielstandGeben() == stand, "das Spiel gibt den Stand unverändert zurück");
    return 0;
}

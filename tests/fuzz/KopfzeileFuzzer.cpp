#include "Attrappen.h"
#include "Pruefen.h"
#include "Spieler.h"
#include "Statistik.h"

#include <algorithm>
#include <cstdint>

// Die Eingabe, an Zeilenumbrüchen geteilt, gibt drei Namen. Namen bauen weder den Spielzettel
// noch die Statistik um: sie stehen wörtlich in ihren Kopfzellen, alles andere bleibt.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string_view eingabe(reinterpret_cast<const char*>(daten), groesse);
    std::array<std::string, 3> namen;
    auto rest = eingabe;
    for (auto& name : namen) {
        const auto ende = std::min(rest.find('\n'), rest.size());
        name = rest.substr(0, ende);
        rest.remove_prefix(std::min(ende + 1, rest.size()));
    }

    Spieltisch tisch;
    const auto vorher = tisch.spiel.frmTarvoll.mfgPunktanzeige;
    SpielerUebernehmen(tisch.spiel, namen, static_cast<std::uint8_t>(1 + groesse % 3));
    auto blatt = tisch.spiel.frmTarvoll.mfgPunktanzeige;
    Pruefen(blatt.ZelleAn(0, 1).text == namen[0], "Name 1 steht wörtlich über der Spielspalte");
    blatt.ZelleAn(0, 1).text = vorher.ZelleAn(0, 1).text;
    Pruefen(blatt == vorher, "der Name ändert am Spielzettel nur seine Kopfzelle");

    Raster statistik(1, 1), vorlage(1, 1);
    StatistikAufbauen(statistik, tisch.spiel.strSpielername);
    StatistikAufbauen(vorlage, {});
    for (int spalte = 1; spalte <= 3; ++spalte) {
        auto& kopf = statistik.ZelleAn(0, spalte);
        Pruefen(kopf.text == namen[static_cast<std::size_t>(spalte - 1)] + vorlage.ZelleAn(0, spalte).text,
                "jeder Name steht wörtlich über seiner Statistikspalte");
        kopf = vorlage.ZelleAn(0, spalte);
    }
    Pruefen(statistik == vorlage && statistik.Zeilen() == 8 && statistik.Spalten() == 5,
            "Namen ändern an der Statistik nur ihre Kopfzellen");
    return 0;
}

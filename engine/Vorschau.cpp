#include "basTarvoll.h"

// Die Regeln schreiben beim Prüfen in intWuerfel und intAnzahlGleiche. Damit die Vorschau
// genau das sagt, was das Werten schreiben würde, und doch nichts ändert, prüft eine Kopie
// des Spiels mit denselben Schritten: Würfeltexte lesen, dann die Regel der Zeile.
std::optional<std::string> basTarvoll::Vorschau(std::int16_t zeile) const
{
    if (intWurf == 0 || !blnGewuerfelt || !IstKategorie(zeile) || blnGewertet[zeile]) {
        return std::nullopt;
    }
    basTarvoll probe(*this);
    probe.AnzeigeGeaendert = nullptr;
    probe.WuerfelEinlesen();
    const auto punkte = probe.KategoriePruefen(zeile);
    if (!punkte) {
        return "Würde gestrichen";
    }
    return "Würde " + std::to_string(*punkte) + (*punkte == 1 ? " Punkt geben" : " Punkte geben");
}

#include "Spieler.h"

#include "basTarvoll.h"

#include <cassert>

void SpielerUebernehmen(basTarvoll& spiel, const std::array<std::string, 3>& namen, std::uint8_t anzahl)
{
    assert(anzahl >= 1 && anzahl <= 3);
    for (int i = 1; i <= 3; ++i) {
        spiel.strSpielername[i] = namen[static_cast<std::size_t>(i - 1)];
    }
    spiel.bytAnzahlSpieler = anzahl;
    spiel.frmTarvoll.tippHalten.fill(false);  // jede Handlung nimmt die Marken des Tipps zurück
    spiel.KopfzeileSetzen();
    // Das Format setzt die Breiten zurück; die Spielspalte bekommt ihre feste Breite wieder.
    spiel.frmTarvoll.mfgPunktanzeige.SpaltenbreiteSetzen(Anzeige::Spielspalte, basTarvoll::BreiteSpielspalte);
    spiel.AnzeigeMelden();
}

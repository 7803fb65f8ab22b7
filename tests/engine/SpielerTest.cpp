#include "Attrappen.h"
#include "Spieler.h"
#include "Statistik.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>

namespace {

// Leere, lange und gewöhnliche Namen neben solchen, die als Formatzeichen gelesen werden könnten.
const std::array<std::string, 3> Namensfaelle[] = {
    {"", "", ""},
    {std::string(200, 'L'), "Zwei", std::string(200, 'D')},
    {"A|B", "C|D|E", "|"},
    {"x;y", ";", "a;b|c"},
    {"<Max", ">Moritz", "<"},
    {"Jörg Müßig", "Ärger", "Große Straße"},
    {"🎲", "Würfel 🎲🎲", "😀|😀"},
    {"  Anna  ", " ", "Bernd "},  // nichts wird abgeschnitten
};

Feld<std::string, 1, 3> AlsFeld(const std::array<std::string, 3>& namen)
{
    Feld<std::string, 1, 3> feld;
    for (int i = 1; i <= 3; ++i) {
        feld[i] = namen[static_cast<std::size_t>(i - 1)];
    }
    return feld;
}

// Die Namen stehen wörtlich im Spiel, über der Spielspalte und über den Spalten 1 bis 3 der
// Statistik. Sonst bleibt alles, wie es war: das laufende Spiel, der Spielzettel mit Form, Köpfen
// und Breiten, und bei jedem neuen Aufbau die Statistiktabelle mit Köpfen, Ausrichtungen und Breiten.
TEST(SpielerTest, NamenStehenWoertlichUndSonstBleibtAllesWieEsWar)
{
    using enum Ausrichtung;
    const std::array<const char*, 8> spiele{"Spiel", "1. Spiel", "2. Spiel", "3. Spiel",
                                            "4. Spiel", "5. Spiel", "6. Spiel", " 7. Spiel"};
    Raster tabelle(8, 4);
    for (const auto& namen : Namensfaelle) {
        Spieltisch tisch;
        tisch.spiel.frmTarvoll_cmdNeu_Click();
        tisch.Werfen({5, 4, 3, 2, 1});
        tisch.Klicken(14);
        auto erwartet = tisch.spiel.SpielstandGeben();
        erwartet.strSpielername = AlsFeld(namen);
        erwartet.bytAnzahlSpieler = 3;
        auto blatt = tisch.spiel.frmTarvoll.mfgPunktanzeige;
        blatt.ZelleAn(0, 1).text = namen[0];
        int neuGezeichnet = 0;
        tisch.spiel.AnzeigeGeaendert = [&] { ++neuGezeichnet; };

        SpielerUebernehmen(tisch.spiel, namen, 3);
        StatistikAufbauen(tabelle, AlsFeld(namen));

        EXPECT_EQ(tisch.spiel.SpielstandGeben(), erwartet) << namen[0];
        EXPECT_TRUE(tisch.spiel.frmTarvoll.mfgPunktanzeige == blatt) << namen[0];
        EXPECT_EQ(neuGezeichnet, 1);
        ASSERT_EQ(std::pair(tabelle.Zeilen(), tabelle.Spalten()), std::pair(8, 5));
        const std::tuple<std::string, Ausrichtung, int> spalten[] = {
            {spiele[0], Standard, 967}, {namen[0] + " ", Links, 967}, {namen[1] + " ", Links, 967},
            {namen[2], Rechts, 967},    {"", Standard, Raster::Automatisch}};
        for (int spalte = 0; spalte < 5; ++spalte) {
            const auto& [kopf, ausrichtung, breite] = spalten[spalte];
            EXPECT_EQ(tabelle.ZelleAn(0, spalte).text, kopf);
            EXPECT_EQ(tabelle.SpaltenAusrichtung(spalte), ausrichtung) << spalte;
            EXPECT_EQ(tabelle.Spaltenbreite(spalte), breite) << spalte;
            for (std::size_t zeile = 1; zeile < 8; ++zeile) {
                EXPECT_EQ(tabelle.ZelleAn(static_cast<int>(zeile), spalte), (Zelle{spalte == 0 ? spiele[zeile] : ""}));
            }
        }
    }
}

}  // namespace

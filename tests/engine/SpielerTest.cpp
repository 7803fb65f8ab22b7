#include "Attrappen.h"
#include "Spieler.h"
#include "Statistik.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>

namespace {

const std::array<const char*, 18> Zeilenkoepfe{
    "Spielername", "Einer",       "Zweier",    "Dreier",        "Vierer",       "Fünfer",
    "Sechser",     "Summe",       "Bonus",     "Gesamt",        "Dreierpasch",  "Viererpasch",
    "Fullhouse",   "Kleine Straße", "Große Straße", "Tarvoll",  "Chance",       "Summe"};

struct Namensfall {
    const char* bezeichnung;
    std::array<std::string, 3> namen;
    std::uint8_t anzahl;
};

void PrintTo(const Namensfall& fall, std::ostream* aus) { *aus << fall.bezeichnung; }

// Namen, die als Formatzeichen gelesen werden könnten, stehen neben gewöhnlichen.
const Namensfall Namensfaelle[] = {
    {"Vorgabe", {"Spieler 1", "Spieler 2", "Spieler 3"}, 1},
    {"Leer", {"", "", ""}, 3},
    {"Lang", {std::string(200, 'L'), "Zwei", std::string(200, 'D')}, 2},
    {"Senkrechter Strich", {"A|B", "C|D|E", "|"}, 3},
    {"Semikolon", {"x;y", ";", "a;b|c"}, 2},
    {"Spitze Klammern", {"<Max", ">Moritz", "<"}, 1},
    {"Alle Formatzeichen", {"|;<>", "><;|", ">|<"}, 3},
    {"Umlaute", {"Jörg Müßig", "Ärger", "Große Straße"}, 2},
    {"Emoji", {"🎲", "Würfel 🎲🎲", "😀|😀"}, 3},
    {"Leerzeichen", {"  Anna  ", " ", "Bernd "}, 1},
};

Feld<std::string, 1, 3> AlsFeld(const std::array<std::string, 3>& namen)
{
    Feld<std::string, 1, 3> feld;
    for (int i = 1; i <= 3; ++i) {
        feld[i] = namen[static_cast<std::size_t>(i - 1)];
    }
    return feld;
}

class SpielerUebernehmenTest : public testing::TestWithParam<Namensfall> {};

TEST_P(SpielerUebernehmenTest, SpeichertNamenAnzahlUndKopfzeile)
{
    const auto& fall = GetParam();
    Spieltisch tisch;
    auto& spiel = tisch.spiel;
    int meldungenAnsFenster = 0;
    spiel.AnzeigeGeaendert = [&] { ++meldungenAnsFenster; };

    SpielerUebernehmen(spiel, fall.namen, fall.anzahl);

    EXPECT_EQ(spiel.strSpielername, AlsFeld(fall.namen));
    EXPECT_EQ(spiel.bytAnzahlSpieler, fall.anzahl);
    const auto& blatt = spiel.frmTarvoll.mfgPunktanzeige;
    ASSERT_EQ(blatt.Zeilen(), 18);
    ASSERT_EQ(blatt.Spalten(), 2);
    for (int zeile = 0; zeile < 18; ++zeile) {
        EXPECT_EQ(blatt.ZelleAn(zeile, 0).text, Zeilenkoepfe[static_cast<std::size_t>(zeile)]) << zeile;
    }
    // Der Name steht wörtlich über der Spielspalte und bleibt blau.
    EXPECT_EQ(blatt.ZelleAn(0, 1), (Zelle{fall.namen[0], Blau, false}));
    EXPECT_EQ(blatt.Spaltenbreite(1), basTarvoll::BreiteSpielspalte);
    EXPECT_EQ(blatt.Spaltenbreite(0), Raster::Automatisch);
    EXPECT_EQ(meldungenAnsFenster, 1);
    EXPECT_TRUE(tisch.meldungen.gezeigt.empty());
}

class StatistikAufbauenTest : public testing::TestWithParam<Namensfall> {};

TEST_P(StatistikAufbauenTest, TabelleBehaeltIhreFormUndZeigtDieNamenWoertlich)
{
    const auto& namen = GetParam().namen;
    Raster raster(8, 4);

    StatistikAufbauen(raster, AlsFeld(namen));

    ASSERT_EQ(raster.Zeilen(), 8);
    ASSERT_EQ(raster.Spalten(), 5);
    EXPECT_EQ(raster.ZelleAn(0, 0).text, "Spiel");
    EXPECT_EQ(raster.ZelleAn(0, 1).text, namen[0] + " ");
    EXPECT_EQ(raster.ZelleAn(0, 2).text, namen[1] + " ");
    EXPECT_EQ(raster.ZelleAn(0, 3).text, namen[2]);
    EXPECT_EQ(raster.ZelleAn(0, 4).text, "");
    const std::array<const char*, 7> spiele{"1. Spiel", "2. Spiel", "3. Spiel", "4. Spiel",
                                            "5. Spiel", "6. Spiel", " 7. Spiel"};
    for (int zeile = 1; zeile <= 7; ++zeile) {
        EXPECT_EQ(raster.ZelleAn(zeile, 0).text, spiele[static_cast<std::size_t>(zeile - 1)]);
        for (int spalte = 1; spalte < 5; ++spalte) {
            EXPECT_EQ(raster.ZelleAn(zeile, spalte), Zelle{}) << zeile << ", " << spalte;
        }
    }
    const std::array<Ausrichtung, 5> ausrichtungen{Ausrichtung::Standard, Ausrichtung::Links, Ausrichtung::Links,
                                                   Ausrichtung::Rechts, Ausrichtung::Standard};
    for (int spalte = 0; spalte < 5; ++spalte) {
        EXPECT_EQ(raster.SpaltenAusrichtung(spalte), ausrichtungen[static_cast<std::size_t>(spalte)]) << spalte;
        EXPECT_EQ(raster.Spaltenbreite(spalte), spalte < 4 ? 967 : Raster::Automatisch) << spalte;
    }
}

INSTANTIATE_TEST_SUITE_P(Namen, SpielerUebernehmenTest, testing::ValuesIn(Namensfaelle));
INSTANTIATE_TEST_SUITE_P(Namen, StatistikAufbauenTest, testing::ValuesIn(Namensfaelle));

// Neue Namen beenden kein Spiel: Punkte, Runde und Wurfzustand bleiben stehen.
TEST(SpielerUebernehmenTest, LaufendesSpielBleibtStehen)
{
    Spieltisch tisch;
    auto& spiel = tisch.spiel;
    spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({5, 4, 3, 2, 1});
    tisch.Klicken(14);
    tisch.Werfen({6, 6, 6, 2, 2});
    const auto vorher = spiel.frmTarvoll.mfgPunktanzeige;

    SpielerUebernehmen(spiel, {"Neu|Name", "B", "C"}, 2);

    const auto& blatt = spiel.frmTarvoll.mfgPunktanzeige;
    for (int zeile = 1; zeile < 18; ++zeile) {
        EXPECT_EQ(blatt.ZelleAn(zeile, 1), vorher.ZelleAn(zeile, 1)) << zeile;
        EXPECT_EQ(blatt.ZelleAn(zeile, 0), vorher.ZelleAn(zeile, 0)) << zeile;
    }
    EXPECT_EQ(tisch.Spielzelle(14), (Zelle{"40", Gruen, false}));
    EXPECT_EQ(blatt.Zeile(), vorher.Zeile());
    EXPECT_EQ(blatt.Spalte(), vorher.Spalte());
    EXPECT_EQ(spiel.intRunde, 2);
    EXPECT_EQ(spiel.intWurf, 1);
    EXPECT_TRUE(spiel.blnGewuerfelt);
    EXPECT_TRUE(spiel.blnGewertet[14]);
    EXPECT_EQ(tisch.Texte(), (std::array<std::string, 5>{"2", "2", "6", "6", "6"}));
}

// Ein zweiter Aufbau nach einer Namensänderung ersetzt die Köpfe, die Form bleibt.
TEST(StatistikAufbauenTest, NeuerAufbauErsetztDieKoepfe)
{
    Raster raster(8, 4);
    StatistikAufbauen(raster, AlsFeld({"A|B|C|D", "x;y", ">"}));
    StatistikAufbauen(raster, AlsFeld({"Anna", "Bernd", "Clara"}));
    ASSERT_EQ(raster.Zeilen(), 8);
    ASSERT_EQ(raster.Spalten(), 5);
    EXPECT_EQ(raster.ZelleAn(0, 1).text, "Anna ");
    EXPECT_EQ(raster.ZelleAn(0, 2).text, "Bernd ");
    EXPECT_EQ(raster.ZelleAn(0, 3).text, "Clara");
    EXPECT_EQ(raster.ZelleAn(0, 4).text, "");
    EXPECT_EQ(raster.SpaltenAusrichtung(3), Ausrichtung::Rechts);
}

}  // namespace

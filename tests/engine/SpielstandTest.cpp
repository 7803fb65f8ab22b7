#include "Attrappen.h"

#include "Spielstand.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <tuple>

namespace {

enum class Basis { Anfang, Mitte, Ende };

Spielstand Basisstand(Basis basis)
{
    Spieltisch tisch;
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    if (basis == Basis::Mitte) {  // Runde 3, zweiter Wurf, Würfel 4 gehalten, negative Chance aus Debug-Texten
        tisch.Werfen({6, 6, 6, 6, 1});
        tisch.spiel.frmTarvoll.txtWuerfel = {"-9", "-9", "-9", "-9", "-9"};
        tisch.Klicken(16);
        tisch.Werfen({2, 3, 3, 5, 6});
        tisch.Klicken(15);  // kein Tarvoll: gestrichen
        tisch.Werfen({1, 1, 4, 4, 4});
        tisch.Werfen({1, 1, 4, 4, 4});
        tisch.spiel.frmTarvoll_imgWuerfel_Click(3);
    } else if (basis == Basis::Ende) {  // oben genau 63 Punkte: der Bonus gilt gerade eben
        tisch.GanzesSpiel();
    }
    return tisch.spiel.SpielstandGeben();
}

// --- Laden in ein laufendes Spiel ---

TEST(SpielstandTest, LadenFragtWieEinNeuesSpielUndLaesstOhneJaAllesWieEsWar)
{
    Spieltisch ziel;
    ziel.spiel.frmTarvoll_cmdNeu_Click();
    ziel.Werfen({6, 6, 2, 3, 6});
    ziel.spiel.frmTarvoll_imgWuerfel_Click(4);
    const auto vorher = ziel.spiel.SpielstandGeben();
    std::optional<Spielstand> gezeichnet;  // was das Fenster zuletzt zu zeigen bekam
    ziel.spiel.AnzeigeGeaendert = [&] { gezeichnet = ziel.spiel.SpielstandGeben(); };
    const auto stand = Basisstand(Basis::Mitte);

    auto widerspruechlich = stand;
    widerspruechlich.intWurf = 4;
    EXPECT_FALSE(ziel.spiel.SpielstandUebernehmen(widerspruechlich));  // ohne Frage abgelehnt
    ziel.meldungen.antworten = {Antwort::Nein};
    EXPECT_FALSE(ziel.spiel.SpielstandUebernehmen(stand));
    EXPECT_EQ(ziel.meldungen.gezeigt, std::vector<Meldung>{Abbrechen});
    EXPECT_EQ(ziel.spiel.SpielstandGeben(), vorher);

    EXPECT_TRUE(ziel.spiel.SpielstandUebernehmen(stand));
    EXPECT_EQ(ziel.meldungen.gezeigt, (std::vector<Meldung>{Abbrechen, Abbrechen}));
    EXPECT_EQ(gezeichnet, stand);

    // Ein Stand, in dem nie gewürfelt wurde, macht das Würfeln nicht ungeschehen: Neu fragt weiter.
    ASSERT_TRUE(ziel.spiel.SpielstandUebernehmen(Basisstand(Basis::Anfang)));
    ziel.spiel.frmTarvoll_cmdNeu_Click();
    EXPECT_EQ(ziel.meldungen.gezeigt, (std::vector<Meldung>{Abbrechen, Abbrechen, Abbrechen, Abbrechen}));
}

// --- Jede Regel an einem Stand, den das Spiel selbst hervorbringt ---

TEST(SpielstandTest, WiderspruechlicheStaendeWerdenMitGrundAbgelehnt)
{
    using enum Basis;
    // Die Änderung am Stand und ein Stück des erwarteten Grundes; ohne Grund ein Grenzfall, der stimmig bleibt.
    const std::tuple<Basis, std::function<void(Spielstand&)>, const char*> faelle[] = {
        {Anfang, [](auto& s) { s.lblRunde.clear(); }, nullptr},  // so steht es vor dem ersten neuen Spiel
        // genau 1000 Zeichen, aber mehr Bytes: Würfel-Emoji und ein getipptes Ersatzzeichen U+FFFD
        {Anfang, [](auto& s) { s.strSpielername[1] = std::string(998, 'x') + "\xf0\x9f\x8e\xb2\xef\xbf\xbd"; }, nullptr},
        {Ende, [](auto& s) { s.lblInfo = std::string(1100, 'i'); }, nullptr},
        {Ende, [](auto& s) { s.intRunde = 15; }, "Die Runde 15 liegt nicht zwischen 1 und 14."},
        {Mitte, [](auto& s) { s.blnGewertet[8] = true; }, "Zeile 8 („Bonus“) ist als gewertet markiert"},
        {Mitte, [](auto& s) { s.blnGewertet[10] = true; }, "müssten 2 Kategorien eingetragen sein, es sind aber 3"},
        {Mitte, [](auto& s) { s.intWurf = 4; }, "Die Wurfzahl 4 liegt nicht zwischen 0 und 3."},
        {Ende, [](auto& s) { s.intWurf = 1; }, "Nach der dreizehnten Runde ist noch ein Wurf gezählt."},
        {Mitte, [](auto& s) { s.blnGewuerfelt = false; }, "Ein Wurf ist gezählt, obwohl noch nie gewürfelt wurde."},
        {Ende, [](auto& s) { s.blnGewuerfelt = false; }, "Es sind Kategorien eingetragen, obwohl noch nie"},
        {Mitte, [](auto& s) { s.bytAnzahlSpieler = 4; }, "Die Spielerzahl 4 liegt nicht zwischen 1 und 3."},
        {Anfang, [](auto& s) { s.strSpielername[2] = std::string(1001, 'x'); }, "Spieler 2 ist länger als 1000"},
        {Anfang, [](auto& s) { s.strSpielername[1] = "A\xff"; }, "Spieler 1 ist kein gültiger UTF-8-Text."},
        {Anfang, [](auto& s) { s.strSpielername[3] = "J\xc3"; }, "Spieler 3 ist kein gültiger UTF-8-Text."},
        {Anfang, [](auto& s) { s.strSpielername[3] = "\xc0\xaf"; }, "Spieler 3 ist kein gültiger UTF-8-Text."},
        {Anfang, [](auto& s) { s.strSpielername[2] = "\xed\xa0\x80"; }, "Spieler 2 ist kein gültiger UTF-8-Text."},
        {Mitte, [](auto& s) { s.txtWuerfel[0] = std::string(1001, 'x'); }, "Würfel 1 ist länger als 1000"},
        {Ende, [](auto& s) { s.lblInfo = std::string(1101, 'i'); }, "Die Infozeile ist länger als 1100 Zeichen."},
        {Anfang, [](auto& s) { s.blnHalten[1] = true; s.intHaltewert[1] = 3; s.imgWuerfel[0] = {"13.JPG", true}; },
         "Würfel 1 ist gehalten, obwohl in dieser Runde noch nicht gewürfelt wurde."},
        {Mitte, [](auto& s) { s.imgWuerfel[3].rahmen = false; }, "Würfel 4 ist gehalten, hat aber keinen Rahmen."},
        {Mitte, [](auto& s) { s.intHaltewert[1] = 1; }, "Würfel 1 ist nicht gehalten, hat aber den Haltewert 1."},
        {Mitte, [](auto& s) { s.imgWuerfel[1].rahmen = true; }, "Würfel 2 ist nicht gehalten, hat aber einen Rahmen."},
        {Anfang, [](auto& s) { s.imgWuerfel[4].datei = "5.JPG"; }, "Würfel 5 zeigt kein leeres Bild"},
        {Mitte, [](auto& s) { s.imgWuerfel[0].datei = "../../geheim/1.JPG"; }, "kein Name eines Würfelbilds"},
        {Mitte, [](auto& s) { s.imgWuerfel[2].datei = ".JPG"; }, "Bildname von Würfel 3 ist kein Name eines Würfelbilds"},
        {Anfang, [](auto& s) { s.spielspalte[16].farbe = Gruen; }, "Zeile 16 („Chance“) ist offen, ihre Zelle"},
        {Mitte, [](auto& s) { s.spielspalte[15] = Zelle{}; }, "Zeile 15 („Tarvoll“) ist eingetragen, ihre Zelle"},
        {Mitte, [](auto& s) { s.spielspalte[16].text = "-045"; }, "Zeile 16 („Chance“) ist eingetragen"},
        {Mitte, [](auto& s) { s.spielspalte[15].durchgestrichen = false; }, "Zeile 15 („Tarvoll“) ist eingetragen"},
        {Mitte, [](auto& s) { s.spielspalte[7].text = "71"; }, "Zeile 7 („Summe“) passt nicht zu den eingetragenen"},
        {Ende, [](auto& s) { s.spielspalte[8].text = "0"; }, "Zeile 8 („Bonus“) passt nicht"},
        {Ende, [](auto& s) { s.spielspalte[16].text = "16"; }, "Zeile 17 („Summe“) passt nicht"},  // rechnet mit 26
        {Anfang, [](auto& s) { s.spielspalte[17] = {"0", Gruen}; }, "Zeile 17 („Summe“) passt nicht"},
        {Mitte, [](auto& s) { s.aktuelleZeile = 18; }, "Die aktuelle Zelle (Zeile 18, Spalte 1) liegt nicht"},
        {Mitte, [](auto& s) { s.lblRunde.clear(); }, "Die Rundenanzeige passt nicht zu Runde 3."},
        {Ende, [](auto& s) { s.lblRunde = "14"; }, "Die Rundenanzeige passt nicht zu Runde 14."},
        {Mitte, [](auto& s) { s.lblWurf.clear(); }, "Die Wurfanzeige passt nicht zu Wurf 2."},
        {Mitte, [](auto& s) { s.zuege[2].runde = 2; }, "Zug 3 steht nicht an einer Stelle, an der das Spiel einen Zug"},
        {Mitte, [](auto& s) { s.zuege[2].wurf = 2; }, "Zug 3 liegt hinter dem gespeicherten Stand."},
    };
    const std::array basen{Basisstand(Anfang), Basisstand(Mitte), Basisstand(Ende)};  // stimmig, sonst scheitern ihre Fälle
    for (const auto& [basis, aendern, grund] : faelle) {
        auto stand = basen[static_cast<std::size_t>(basis)];
        aendern(stand);
        const auto gefunden = SpielstandPruefen(stand);
        if (grund) {
            EXPECT_NE(gefunden.value_or("").find(grund), std::string::npos) << gefunden.value_or("(stimmig)");
        } else {
            EXPECT_EQ(gefunden, std::nullopt);
        }
    }
}

// Was das Spiel auch tut, auch mit getippten Würfeltexten im Debug-Modus: jeder Stand ist stimmig
// (Einträge passend zur Runde, Halten mit Rahmen, Summen nachgerechnet), und ein zweites Spiel,
// das ihn immer wieder übernimmt, zeigt dasselbe und spielt mit denselben Zügen gleich weiter.
TEST(SpielstandTest, ZufallsspieleBleibenStimmigUndUebertragbar)
{
    Spieltisch quelle("debug");
    Spieltisch ziel("debug");
    std::mt19937 wahl(1206);
    const auto zahl = [&](int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(wahl); };
    const std::array<const char*, 8> texte{"1", "6", "0", "7", "-3", "2.5", "abc", ""};
    quelle.spiel.frmTarvoll_cmdNeu_Click();
    ziel.spiel.frmTarvoll_cmdNeu_Click();
    for (int schritt = 0; schritt < 20000 && !testing::Test::HasFailure(); ++schritt) {
        const int aktion = zahl(0, 19), stelle = zahl(0, 4), zeile = zahl(0, 17), spalte = zahl(0, 1);
        const bool abbrechen = zahl(0, 9) == 0;
        const auto text = texte.at(std::size_t(zahl(0, 7)));
        const std::deque<int> augen{zahl(1, 6), zahl(1, 6), zahl(1, 6), zahl(1, 6), zahl(1, 6)};
        for (auto* tisch : {&quelle, &ziel}) {
            auto& spiel = tisch->spiel;
            if (aktion < 6) {
                tisch->zufall.augen = augen;
                spiel.frmTarvoll_cmdWuerfeln_Click();
            } else if (aktion < 11) {
                spiel.frmTarvoll_imgWuerfel_Click(static_cast<std::int16_t>(stelle));
            } else if (aktion < 17) {
                tisch->Klicken(zeile, spalte);
            } else if (aktion < 19) {
                spiel.frmTarvoll.txtWuerfel.at(std::size_t(stelle)) = text;
            } else if (spiel.intRunde == 14 || abbrechen) {
                spiel.frmTarvoll_cmdNeu_Click();
            }
        }
        const auto stand = quelle.spiel.SpielstandGeben();
        ASSERT_EQ(SpielstandPruefen(stand), std::nullopt) << "Schritt " << schritt;
        if (schritt % 7 == 0) {
            ASSERT_TRUE(ziel.spiel.SpielstandUebernehmen(stand));
        }
        ASSERT_TRUE(ziel.spiel.frmTarvoll == quelle.spiel.frmTarvoll) << "Schritt " << schritt;
        ASSERT_EQ(ziel.spiel.SpielstandGeben(), stand) << "Schritt " << schritt;
    }
}

}  // namespace

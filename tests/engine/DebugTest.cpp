#include "Attrappen.h"

#include "Debug.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

namespace {

using Texte = std::array<std::string, 5>;

// Alles, was das Spielmodul an Zustand hat.
auto Zustand(const basTarvoll& s)
{
    return std::tuple(s.SpielstandGeben(), s.frmTarvoll, s.intWuerfel, s.intAnzahlWuerfel, s.intAnzahlGleiche,
                      s.strKommandozeile, s.strProduktinfo, s.bytAktSpieler);
}

TEST(DebugTest, JedeVorgabeSchreibtIhreZiffernUndSonstNichts)
{
    for (const std::string_view ziffern :
         {"12345", "23456", "11111", "22222", "33333", "44444", "55555", "66666", "33322", "44441"}) {
        Spieltisch tisch("debug");
        int meldungen = 0;
        tisch.spiel.AnzeigeGeaendert = [&] { ++meldungen; };
        const auto pruefen = [&] {
            const auto vorher = Zustand(tisch.spiel);
            const auto texte = tisch.Texte();
            meldungen = 0;
            WuerfelVorgeben(tisch.spiel, ziffern);
            for (std::size_t i = 0; i < texte.size(); ++i) {
                EXPECT_EQ(tisch.Texte()[i], std::string(1, ziffern[i])) << ziffern;
            }
            EXPECT_EQ(meldungen, 1);  // das Hauptfenster zeichnet die Texte neu
            tisch.spiel.frmTarvoll.txtWuerfel = texte;
            EXPECT_TRUE(Zustand(tisch.spiel) == vorher) << ziffern << " in Runde " << tisch.spiel.intRunde << ", Wurf "
                                                        << tisch.spiel.intWurf;
        };
        tisch.spiel.frmTarvoll_cmdNeu_Click();
        pruefen();  // vor dem ersten Wurf
        tisch.Werfen({6, 1, 5, 2, 4});
        tisch.spiel.frmTarvoll_imgWuerfel_Click(0);
        tisch.spiel.frmTarvoll_imgWuerfel_Click(3);
        pruefen();  // mit gehaltenen Würfeln
        tisch.Klicken(16);
        pruefen();  // nach einer Wertung
    }
}

// Ein Wurf überschreibt die Vorgabe der freien Würfel, gehaltene behalten ihren Wert; Halten und
// Werten nach einer Vorgabe lesen deren Werte, was immer die Bilder zeigen.
TEST(DebugTest, VorgabeMitWurfHaltenUndWerten)
{
    Spieltisch tisch("debug");
    tisch.spiel.frmTarvoll_cmdNeu_Click();
    tisch.Werfen({1, 1, 1, 1, 1});
    WuerfelVorgeben(tisch.spiel, "66666");
    tisch.Werfen({5, 3, 4, 2, 2});
    EXPECT_EQ(tisch.Texte(), (Texte{"2", "2", "3", "4", "5"}));
    tisch.spiel.frmTarvoll_imgWuerfel_Click(0);  // hält die geworfene 2
    WuerfelVorgeben(tisch.spiel, "44441");
    tisch.spiel.frmTarvoll_imgWuerfel_Click(4);  // hält die 1 der Vorgabe statt der geworfenen 5
    EXPECT_EQ(tisch.spiel.frmTarvoll.imgWuerfel[4], (Wuerfelbild{"11.JPG", true}));
    tisch.Werfen({3, 3, 3, 3, 3});
    EXPECT_EQ(tisch.Texte(), (Texte{"2", "3", "3", "3", "1"}));
    WuerfelVorgeben(tisch.spiel, "33322");
    tisch.Klicken(12);
    EXPECT_EQ(tisch.Spielzelle(12).text, "25");  // Fullhouse
    EXPECT_EQ(tisch.Texte(), Texte{});          // eine Vorgabe dient höchstens einer Wertung
}

TEST(DebugTest, InstallationsTextHatDreiZeilenOhneSchlussumbruch)
{
    Spieltisch tisch("debug");
    EXPECT_EQ(InstallationsText(tisch.spiel), "quorin TARVOLL interner Check\r\n"
                                              "© 2026 Entwickler von Quorin Tarvoll\r\n"
                                              "Quorin_Tarvoll,Vollversion,1,2,8,deutsch");
    tisch.spiel.strProduktinfo = "anders";  // die dritte Zeile ist der Datensatz des Spielmoduls
    EXPECT_TRUE(InstallationsText(tisch.spiel).ends_with("Tarvoll\r\nanders"));
}

}  // namespace

#include "Attrappen.h"

#include "Debug.h"

#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <vector>

namespace {

using Texte = std::array<std::string, 5>;

// Alles, was das Spielmodul an Zustand zeigt, zum Vergleich vorher und nachher.
struct Zustand {
    Feld<std::int16_t, 1, 5> intWuerfel;
    std::int16_t intAnzahlWuerfel;
    Feld<std::string, 1, 3> strSpielername;
    std::int16_t intWurf;
    bool blnGewuerfelt;
    std::int16_t intRunde;
    Feld<bool, 1, 16> blnGewertet;
    Feld<std::int16_t, 1, 5> intHaltewert;
    Feld<bool, 1, 5> blnHalten;
    std::int16_t intAnzahlGleiche;
    std::string strKommandozeile;
    std::string strProduktinfo;
    std::uint8_t bytAnzahlSpieler;
    std::uint8_t bytAktSpieler;
    Anzeige frmTarvoll;

    explicit Zustand(const basTarvoll& s)
        : intWuerfel(s.intWuerfel), intAnzahlWuerfel(s.intAnzahlWuerfel), strSpielername(s.strSpielername),
          intWurf(s.intWurf), blnGewuerfelt(s.blnGewuerfelt), intRunde(s.intRunde), blnGewertet(s.blnGewertet),
          intHaltewert(s.intHaltewert), blnHalten(s.blnHalten), intAnzahlGleiche(s.intAnzahlGleiche),
          strKommandozeile(s.strKommandozeile), strProduktinfo(s.strProduktinfo),
          bytAnzahlSpieler(s.bytAnzahlSpieler), bytAktSpieler(s.bytAktSpieler), frmTarvoll(s.frmTarvoll)
    {
    }
    bool operator==(const Zustand&) const = default;
};

Texte AlsTexte(std::string_view ziffern)
{
    Texte texte;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        texte[i] = std::string(1, ziffern[i]);
    }
    return texte;
}

class DebugTest : public testing::Test {
protected:
    Spieltisch tisch{"debug"};
    basTarvoll& spiel = tisch.spiel;
    int meldungen = 0;

    void SetUp() override
    {
        spiel.AnzeigeGeaendert = [this] { ++meldungen; };
        spiel.frmTarvoll_cmdNeu_Click();
    }

    void Halten(std::initializer_list<std::int16_t> indizes)
    {
        for (const auto index : indizes) {
            spiel.frmTarvoll_imgWuerfel_Click(index);
        }
    }
};

// --- Jede Vorgabe schreibt ihre Ziffern und sonst nichts, in jeder Lage des Spiels ---

class DebugVorgabeTest : public DebugTest, public testing::WithParamInterface<const char*> {};

TEST_P(DebugVorgabeTest, SchreibtNurDieWuerfeltexte)
{
    const std::string_view ziffern = GetParam();
    // Vor dem ersten Wurf, nach einem Wurf, mit gehaltenen Würfeln, nach dem dritten Wurf,
    // nach einer Wertung und nach einer zweiten Vorgabe.
    const std::vector<std::function<void()>> lagen{
        [] {},
        [this] { tisch.Werfen({6, 1, 5, 2, 4}); },
        [this] { Halten({0, 3}); },
        [this] {
            tisch.Werfen({3, 3, 3, 3, 3});
            tisch.Werfen({2, 2, 2, 2, 2});
        },
        [this] { tisch.Klicken(16); },
        [this] { WuerfelVorgeben(spiel, "65432"); },
    };
    for (std::size_t lage = 0; lage < lagen.size(); ++lage) {
        SCOPED_TRACE(lage);
        lagen[lage]();
        Zustand erwartet(spiel);
        erwartet.frmTarvoll.txtWuerfel = AlsTexte(ziffern);
        const int vorher = meldungen;

        WuerfelVorgeben(spiel, ziffern);

        EXPECT_EQ(Zustand(spiel), erwartet);
        EXPECT_EQ(meldungen, vorher + 1);  // das Hauptfenster zeichnet die Texte neu
    }
}

INSTANTIATE_TEST_SUITE_P(AlleKnoepfe, DebugVorgabeTest,
                         testing::Values("12345", "23456", "11111", "22222", "33333", "44444", "55555", "66666",
                                         "33322", "44441"));

// --- Werten nach einer Vorgabe zählt die Vorgabe, nicht den Wurf ---

struct Wertungsfall {
    const char* vorgabe;
    std::int16_t zeile;
    const char* punkte;
};

class DebugWertenTest : public DebugTest, public testing::WithParamInterface<Wertungsfall> {};

TEST_P(DebugWertenTest, WertungLiestDieVorgabe)
{
    const auto& fall = GetParam();
    tisch.Werfen({1, 2, 4, 5, 6});  // passt auf keine der Zeilen unten außer den Einzelaugen
    WuerfelVorgeben(spiel, fall.vorgabe);
    // Die Bilder zeigen weiter den Wurf.
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[2], (Wuerfelbild{"4.JPG", false}));

    tisch.Klicken(fall.zeile);

    EXPECT_EQ(tisch.Spielzelle(fall.zeile).text, fall.punkte);
    EXPECT_EQ(tisch.Spielzelle(basTarvoll::ZeileEndsumme).text, fall.punkte);
    EXPECT_EQ(tisch.Texte(), Texte{});  // eine Vorgabe dient höchstens einer Wertung
}

INSTANTIATE_TEST_SUITE_P(Zeilen, DebugWertenTest,
                         testing::Values(Wertungsfall{"33322", 12, "25"}, Wertungsfall{"33322", 10, "13"},
                                         Wertungsfall{"44441", 11, "17"}, Wertungsfall{"12345", 14, "40"},
                                         Wertungsfall{"23456", 13, "30"}, Wertungsfall{"66666", 15, "30"},
                                         Wertungsfall{"55555", 5, "25"}, Wertungsfall{"11111", 1, "5"}));

// --- Vorgabe und Wurf ---

TEST_F(DebugTest, WurfUeberschreibtDieVorgabe)
{
    tisch.Werfen({1, 1, 1, 1, 1});
    WuerfelVorgeben(spiel, "66666");
    tisch.Werfen({5, 3, 4, 2, 2});
    EXPECT_EQ(tisch.Texte(), (Texte{"2", "2", "3", "4", "5"}));
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[4], (Wuerfelbild{"5.JPG", false}));
    tisch.Klicken(16);
    EXPECT_EQ(tisch.Spielzelle(16).text, "16");
}

TEST_F(DebugTest, GehalteneWerteGeltenTrotzVorgabeBeimNaechstenWurf)
{
    tisch.Werfen({1, 2, 2, 4, 5});  // 1 2 2 4 5
    Halten({0, 3});
    WuerfelVorgeben(spiel, "66666");
    // Die Vorgabe ändert die Haltewerte nicht, obwohl die Texte nun 6 zeigen.
    EXPECT_EQ(spiel.intHaltewert[1], 1);
    EXPECT_EQ(spiel.intHaltewert[4], 4);
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[3], (Wuerfelbild{"14.JPG", true}));

    tisch.Werfen({3, 3, 3, 3, 3});
    EXPECT_EQ(tisch.Texte(), (Texte{"1", "3", "3", "4", "3"}));
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[0], (Wuerfelbild{"11.JPG", true}));
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[1], (Wuerfelbild{"3.JPG", false}));
}

TEST_F(DebugTest, WertenMitGehaltenenWuerfelnLiestDieVorgabe)
{
    tisch.Werfen({1, 2, 2, 4, 5});
    Halten({0, 1, 2});
    WuerfelVorgeben(spiel, "44441");
    tisch.Klicken(11);
    EXPECT_EQ(tisch.Spielzelle(11).text, "17");
}

// --- Halten nach einer Vorgabe nimmt deren Wert und Bild ---

TEST_F(DebugTest, HaltenNimmtWertUndBildDerVorgabe)
{
    tisch.Werfen({1, 2, 3, 4, 5});
    WuerfelVorgeben(spiel, "44441");
    Halten({1, 4});
    EXPECT_EQ(spiel.intHaltewert[2], 4);
    EXPECT_EQ(spiel.intHaltewert[5], 1);
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[1], (Wuerfelbild{"14.JPG", true}));
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[4], (Wuerfelbild{"11.JPG", true}));
    // Nicht angeklickte Würfel zeigen weiter den Wurf.
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[2], (Wuerfelbild{"3.JPG", false}));

    Halten({1});  // freigeben: das Bild des Textes, ungerahmt
    EXPECT_EQ(spiel.frmTarvoll.imgWuerfel[1], (Wuerfelbild{"4.JPG", false}));
    EXPECT_EQ(spiel.intHaltewert[2], 0);

    // Der nächste Wurf legt den gehaltenen Wert der Vorgabe über die neuen Würfel.
    tisch.Werfen({6, 6, 6, 6, 6});
    EXPECT_EQ(tisch.Texte(), (Texte{"6", "6", "6", "6", "1"}));
}

TEST_F(DebugTest, VorgabeVorDemErstenWurfLaesstKeinHaltenUndWertenZu)
{
    WuerfelVorgeben(spiel, "33322");
    Halten({0});
    tisch.Klicken(12);
    EXPECT_FALSE(spiel.blnHalten[1]);
    EXPECT_EQ(tisch.Spielzelle(12).text, "");
    EXPECT_EQ(tisch.Texte(), AlsTexte("33322"));
}

// --- Installationsprüfung ---

TEST_F(DebugTest, InstallationsTextHatDreiZeilenOhneSchlussumbruch)
{
    EXPECT_EQ(InstallationsText(spiel), "quorin TARVOLL interner Check\r\n"
                                        "© 2026 Entwickler von Quorin Tarvoll\r\n"
                                        "Quorin_Tarvoll,Vollversion,1,2,8,deutsch");
    // Die dritte Zeile ist der Datensatz, wie er im Spielmodul steht.
    spiel.strProduktinfo = "anders";
    EXPECT_EQ(InstallationsText(spiel), "quorin TARVOLL interner Check\r\n"
                                        "© 2026 Entwickler von Quorin Tarvoll\r\n"
                                        "anders");
    const Zustand vorher(spiel);
    EXPECT_EQ(InstallationsText(spiel), InstallationsText(spiel));
    EXPECT_EQ(Zustand(spiel), vorher);
}

}  // namespace

#include "Raster.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Zeile0(const Raster& raster)
{
    std::vector<std::string> texte;
    for (int s = 0; s < raster.Spalten(); ++s) {
        texte.push_back(raster.ZelleAn(0, s).text);
    }
    return texte;
}

std::vector<std::string> Spalte0(const Raster& raster)
{
    std::vector<std::string> texte;
    for (int z = 0; z < raster.Zeilen(); ++z) {
        texte.push_back(raster.ZelleAn(z, 0).text);
    }
    return texte;
}

TEST(RasterTest, FormatSetztKopfzeileUndKopfspalte)
{
    Raster raster(2, 2);
    raster.FormatSetzen("|Anna;Kopf|Eins|Zwei");
    EXPECT_EQ(raster.Spalten(), 2);
    EXPECT_EQ(raster.Zeilen(), 3);
    EXPECT_EQ(Zeile0(raster), (std::vector<std::string>{"Kopf", "Anna"}));
    EXPECT_EQ(Spalte0(raster), (std::vector<std::string>{"Kopf", "Eins", "Zwei"}));
}

TEST(RasterTest, SpitzeKlammernRichtenSpaltenAusUndVerschwinden)
{
    Raster raster(1, 1);
    raster.FormatSetzen("|<A |<B |>C|;Spiel|1. Spiel| 7. Spiel");
    EXPECT_EQ(raster.Spalten(), 5);
    EXPECT_EQ(raster.Zeilen(), 3);
    EXPECT_EQ(Zeile0(raster), (std::vector<std::string>{"Spiel", "A ", "B ", "C", ""}));
    EXPECT_EQ(Spalte0(raster), (std::vector<std::string>{"Spiel", "1. Spiel", " 7. Spiel"}));
    EXPECT_EQ(raster.SpaltenAusrichtung(0), Ausrichtung::Standard);
    EXPECT_EQ(raster.SpaltenAusrichtung(1), Ausrichtung::Links);
    EXPECT_EQ(raster.SpaltenAusrichtung(3), Ausrichtung::Rechts);
    EXPECT_EQ(raster.SpaltenAusrichtung(4), Ausrichtung::Standard);
}

TEST(RasterTest, FormatBehaeltZellenFarbenUndSetztBreitenZurueck)
{
    Raster raster(3, 2);
    raster.AktuelleZelleSetzen(2, 1);
    raster.TextSetzen("25");
    raster.FarbeSetzen(Gruen);
    raster.DurchgestrichenSetzen(true);
    raster.ZelleAn(1, 0).farbe = Rot;
    raster.SpaltenbreiteSetzen(1, 850);

    raster.FormatSetzen("|Neu;A|B|C");

    EXPECT_EQ(raster.ZelleAn(2, 1), (Zelle{"25", Gruen, true}));
    EXPECT_EQ(raster.ZelleAn(1, 0), (Zelle{"B", Rot, false}));
    EXPECT_EQ(raster.Spaltenbreite(1), Raster::Automatisch);
    EXPECT_EQ(raster.Zeile(), 2);
}

TEST(RasterTest, KleineresFormatSchneidetAbUndHaeltAktuelleZelleImRaster)
{
    Raster raster(5, 4);
    raster.AktuelleZelleSetzen(4, 3);
    raster.FormatSetzen("|;X|Y");
    EXPECT_EQ(raster.Zeilen(), 2);
    EXPECT_EQ(raster.Spalten(), 2);
    EXPECT_EQ(raster.Zeile(), 1);
    EXPECT_EQ(raster.Spalte(), 1);
}

TEST(RasterTest, OhneZeilenteilBleibtDieZeilenzahl)
{
    Raster raster(4, 1);
    raster.FormatSetzen("A|B|C");
    EXPECT_EQ(raster.Zeilen(), 4);
    EXPECT_EQ(Zeile0(raster), (std::vector<std::string>{"A", "B", "C"}));
}

}  // namespace

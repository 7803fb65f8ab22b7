#include "Zahl.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Lesefall {
    std::string text;
    std::int16_t wert;
    std::string zahltext;
};

class ZahlLesenTest : public testing::TestWithParam<Lesefall> {};

TEST_P(ZahlLesenTest, LiestFuehrendeZahl)
{
    const auto& fall = GetParam();
    EXPECT_EQ(ZahlLesen(fall.text), fall.wert) << '"' << fall.text << '"';
    EXPECT_EQ(ZahlText(fall.text), fall.zahltext) << '"' << fall.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texte, ZahlLesenTest, testing::Values(
    Lesefall{"4", 4, "4"},
    Lesefall{"  6  ", 6, "6"},
    Lesefall{"", 0, "0"},
    Lesefall{"                ", 0, "0"},
    Lesefall{"abc", 0, "0"},
    Lesefall{"3abc", 3, "3"},
    Lesefall{"007", 7, "7"},
    Lesefall{"2.5", 2, "2.5"},
    Lesefall{"3.5", 4, "3.5"},
    Lesefall{"2.50", 2, "2.5"},
    Lesefall{"2.51", 3, "2.51"},
    Lesefall{"2.49", 2, "2.49"},
    Lesefall{"0.5", 0, "0.5"},
    Lesefall{"-3", -3, "-3"},
    Lesefall{"-2.5", -2, "-2.5"},
    Lesefall{"-3.5", -4, "-3.5"},
    Lesefall{"+5", 5, "5"},
    Lesefall{"-", 0, "0"},
    Lesefall{"-0", 0, "0"},
    Lesefall{".", 0, "0"},
    Lesefall{"1 2", 1, "1"},
    Lesefall{"\t5", 0, "0"},
    Lesefall{"32767", 32767, "32767"},
    Lesefall{"32768", 32767, "32768"},
    Lesefall{"-32768", -32768, "-32768"},
    Lesefall{"-99999", -32768, "-99999"},
    Lesefall{"32767.5", 32767, "32767.5"},
    Lesefall{"999999999999999999999999999999", 32767, "999999999999999999999999999999"},
    Lesefall{"-000000000000000000000000000001", -1, "-1"},
    Lesefall{"6" + std::string(5000, '0'), 32767, "6" + std::string(5000, '0')}));

TEST(BegrenzenTest, HaeltAn16BitGrenzenFest)
{
    EXPECT_EQ(Begrenzen(100), 100);
    EXPECT_EQ(Begrenzen(163835), 32767);
    EXPECT_EQ(Begrenzen(-163840), -32768);
}

}  // namespace

#include "basTarvoll.h"

#include "Zahl.h"

#include <array>

void basTarvoll::WuerfelEinlesen()
{
    for (int index = 0; index <= 4; ++index) {
        intWuerfel[index + 1] = ZahlLesen(frmTarvoll.txtWuerfel[static_cast<std::size_t>(index)]);
    }
}

// Die kleinste Augenzahl, die mindestens `anzahl` Würfel zeigen, sonst 0.
std::int16_t basTarvoll::GleicheSuchen(std::int16_t anzahl)
{
    for (std::int16_t augen = 1; augen <= 6; ++augen) {
        std::int16_t zaehler = 0;
        intAnzahlGleiche = 0;
        for (int pos = 1; pos <= 5; ++pos) {
            if (intWuerfel[pos] == augen) {
                intAnzahlGleiche = ++zaehler;
                if (zaehler == anzahl) {
                    return augen;
                }
            }
        }
    }
    return 0;
}

// Die kleinste Augenzahl außer `ausser`, die mindestens zwei Würfel zeigen, sonst 0.
std::int16_t basTarvoll::PaarSuchen(std::int16_t ausser)
{
    if (ausser == 0) {
        return 0;
    }
    for (std::int16_t augen = 1; augen <= 6; ++augen) {
        std::int16_t zaehler = 0;
        intAnzahlGleiche = 0;
        for (int pos = 1; pos <= 5; ++pos) {
            if (intWuerfel[pos] == augen && augen != ausser) {
                intAnzahlGleiche = ++zaehler;
                if (zaehler == 2) {
                    return augen;
                }
            }
        }
    }
    return 0;
}

// Für die Kleine Straße zählen nur die ersten vier verschiedenen Augenzahlen:
// 1, 3, 4, 5, 6 ist deshalb keine, obwohl 3, 4, 5, 6 darin stecken.
std::int16_t basTarvoll::StrasseErmitteln(std::int16_t zeile)
{
    std::array<std::int16_t, 5> liste{};
    std::size_t p = 0;
    for (std::int16_t augen = 1; augen <= 6; ++augen) {
        for (int pos = 1; pos <= 5; ++pos) {
            if (intWuerfel[pos] == augen) {
                liste[p++] = augen;
                break;
            }
        }
    }
    using Liste = std::array<std::int16_t, 5>;
    using Anfang = std::array<std::int16_t, 4>;
    const Anfang anfang{liste[0], liste[1], liste[2], liste[3]};
    if (zeile == 14 && (liste == Liste{2, 3, 4, 5, 6} || liste == Liste{1, 2, 3, 4, 5})) {
        return 2;
    }
    if (zeile == 13 && (anfang == Anfang{1, 2, 3, 4} || anfang == Anfang{2, 3, 4, 5} || anfang == Anfang{3, 4, 5, 6})) {
        return 1;
    }
    return 0;
}

std::int16_t basTarvoll::SummeAllerWuerfel() const
{
    long summe = 0;
    for (int pos = 1; pos <= 5; ++pos) {
        summe += intWuerfel[pos];
    }
    return Begrenzen(summe);
}

std::int16_t basTarvoll::SummeDerAugen(std::int16_t augen) const
{
    long summe = 0;
    for (int pos = 1; pos <= 5; ++pos) {
        if (intWuerfel[pos] == augen) {
            summe += augen;
        }
    }
    return static_cast<std::int16_t>(summe);
}

// Der Test einer Kategoriezeile auf die Würfel in intWuerfel: die Punkte, wenn sie passen.
std::optional<std::int16_t> basTarvoll::KategoriePruefen(std::int16_t zeile)
{
    const auto wennPasst = [](bool passt, std::int16_t punkte) {
        return passt ? std::optional<std::int16_t>{punkte} : std::nullopt;
    };
    switch (zeile) {
    case 1: case 2: case 3: case 4: case 5: case 6:
        return wennPasst(SummeDerAugen(zeile) > 0, SummeDerAugen(zeile));
    case 10:
        return wennPasst(GleicheSuchen(3) != 0, SummeAllerWuerfel());
    case 11:
        return wennPasst(GleicheSuchen(4) != 0, SummeAllerWuerfel());
    case 12:
        return wennPasst(PaarSuchen(GleicheSuchen(3)) != 0, 25);
    case 13:
        return wennPasst(StrasseErmitteln(13) == 1, 30);
    case 14:
        return wennPasst(StrasseErmitteln(14) == 2, 40);
    case 15:
        return wennPasst(GleicheSuchen(5) != 0, SummeAllerWuerfel());
    case 16:
        return SummeAllerWuerfel();
    default:
        return std::nullopt;
    }
}

std::int16_t basTarvoll::Spielwert(std::int16_t zeile) const
{
    return ZahlLesen(frmTarvoll.mfgPunktanzeige.ZelleAn(zeile, Anzeige::Spielspalte).text);
}

void basTarvoll::SpielwertSchreiben(std::int16_t zeile, std::int16_t wert)
{
    auto& blatt = frmTarvoll.mfgPunktanzeige;
    blatt.AktuelleZelleSetzen(zeile, Anzeige::Spielspalte);
    blatt.TextSetzen(std::to_string(wert));
    blatt.FarbeSetzen(Gruen);
}

void basTarvoll::SummenBerechnen()
{
    long oben = 0;
    for (std::int16_t zeile = 1; zeile <= 6; ++zeile) {
        oben += Spielwert(zeile);
    }
    const auto summe = Begrenzen(oben);
    const std::int16_t bonus = summe >= 63 ? 30 : 0;
    const auto gesamt = Begrenzen(long{bonus} + summe);
    long unten = 0;
    for (std::int16_t zeile = 10; zeile <= 16; ++zeile) {
        unten += Spielwert(zeile);
    }
    SpielwertSchreiben(ZeileSumme, summe);
    SpielwertSchreiben(ZeileBonus, bonus);
    SpielwertSchreiben(ZeileGesamt, gesamt);
    SpielwertSchreiben(ZeileEndsumme, Begrenzen(unten + gesamt));
}

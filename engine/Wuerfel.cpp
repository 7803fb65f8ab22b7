#include "basTarvoll.h"

#include "Zahl.h"

#include <cassert>

std::int16_t basTarvoll::Wuerfelzahl()
{
    zufall_.Mischen(uhr_.SekundenSeitMitternacht());
    const float r = zufall_.Ziehen();
    assert(r >= 0.0f && r < 1.0f);
    return static_cast<std::int16_t>(r * 6.0 + 1.0);
}

void basTarvoll::WuerfelWerfen()
{
    for (int pos = 1; pos <= intAnzahlWuerfel; ++pos) {
        intWuerfel[pos] = Wuerfelzahl();
    }
    // Einfügesortierung: gleiche Werte behalten ihre Reihenfolge.
    for (int j = 2; j <= 5; ++j) {
        const auto wert = intWuerfel[j];
        int i = j - 1;
        while (i >= 1 && intWuerfel[i] > wert) {
            intWuerfel[i + 1] = intWuerfel[i];
            --i;
        }
        intWuerfel[i + 1] = wert;
    }
    blnGewuerfelt = true;
    WuerfelAnzeigen();
}

// Freie Würfel zeigen die neuen Werte, gehaltene ihren Haltewert.
void basTarvoll::WuerfelAnzeigen()
{
    for (int index = 0; index <= 4; ++index) {
        const int pos = index + 1;
        auto& text = frmTarvoll.txtWuerfel[static_cast<std::size_t>(index)];
        text = std::to_string(intWuerfel[pos]);
        if (intHaltewert[pos] != 0) {
            text = std::to_string(intHaltewert[pos]);
        }
    }
    WuerfelBilderAnzeigen();
}

// Ein gehaltener Würfel behält sein Bild.
void basTarvoll::WuerfelBilderAnzeigen()
{
    for (int index = 0; index <= 4; ++index) {
        const auto stelle = static_cast<std::size_t>(index);
        if (intHaltewert[index + 1] == 0) {
            frmTarvoll.imgWuerfel[stelle].datei = ZahlText(frmTarvoll.txtWuerfel[stelle]) + ".JPG";
        }
    }
}

void basTarvoll::frmTarvoll_cmdWuerfeln_Click()
{
    TippZuruecknehmen();
    if (intWurf >= 3) {
        frmTarvoll.lblInfo = "Sie haben schon 3 Würfe getätigt!";
    } else if (intRunde >= 14) {
        frmTarvoll.lblInfo = "Sie haben schon 13 Runden getätigt!";
    } else {
        ZugMerken(0);
        WuerfelWerfen();
        ++intWurf;
        frmTarvoll.lblWurf = std::to_string(intWurf);
        frmTarvoll.lblInfo = "Zum Halten Würfel anklicken!";
    }
    AnzeigeMelden();
}

// Halten nimmt den Wert aus dem Würfeltext; der Text selbst bleibt, wie er ist.
void basTarvoll::frmTarvoll_imgWuerfel_Click(std::int16_t index)
{
    assert(index >= 0 && index <= 4);
    if (!blnGewuerfelt || intWurf == 0) {
        return;  // vor dem ersten Wurf gibt es auch keine Marken
    }
    TippZuruecknehmen();
    const int pos = index + 1;
    const auto stelle = static_cast<std::size_t>(index);
    const auto& text = frmTarvoll.txtWuerfel[stelle];
    auto& bild = frmTarvoll.imgWuerfel[stelle];
    if (!blnHalten[pos]) {
        intHaltewert[pos] = ZahlLesen(text);
        bild.rahmen = true;
        bild.datei = "1" + ZahlText(text) + ".JPG";
        blnHalten[pos] = true;
    } else {
        intHaltewert[pos] = 0;
        bild.rahmen = false;
        bild.datei = ZahlText(text) + ".JPG";
        blnHalten[pos] = false;
    }
    AnzeigeMelden();
}

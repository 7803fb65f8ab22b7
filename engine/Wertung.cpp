#include "basTarvoll.h"

// Der Klick hat die angeklickte Zelle schon zur aktuellen gemacht; das meldet die Anzeige
// auch dann, wenn vor dem ersten Wurf nichts gewertet wird.
void basTarvoll::frmTarvoll_mfgPunktanzeige_Click()
{
    TippZuruecknehmen();
    if (intWurf != 0) {
        KategorieWerten(static_cast<std::int16_t>(frmTarvoll.mfgPunktanzeige.Zeile()));
    }
    AnzeigeMelden();
}

void basTarvoll::KategorieWerten(std::int16_t zeile)
{
    if (!blnGewuerfelt || !IstKategorie(zeile)) {
        return;
    }
    WuerfelEinlesen();
    auto& blatt = frmTarvoll.mfgPunktanzeige;
    blatt.AktuelleZelleSetzen(zeile, Anzeige::Spielspalte);
    if (blnGewertet[zeile]) {
        frmTarvoll.lblInfo = "Bereits gewertet!";
        return;
    }
    ZugMerken(zeile);
    if (const auto punkte = KategoriePruefen(zeile)) {
        blatt.TextSetzen(std::to_string(*punkte));
        blatt.FarbeSetzen(Gruen);
    } else {
        // Gestrichen: die sechzehn Leerzeichen geben dem Strich seine Länge.
        blatt.FarbeSetzen(Tuerkis);
        blatt.DurchgestrichenSetzen(true);
        blatt.TextSetzen(Gestrichen);
    }
    blnGewertet[zeile] = true;
    RundeAbschliessen();
    WuerfelTexteLoeschen();
    WuerfelLeerAnzeigen();
    SpielendePruefen();
}

void basTarvoll::RundeAbschliessen()
{
    SummenBerechnen();
    intWurf = 0;
    frmTarvoll.lblWurf.clear();
    ++intRunde;
    if (intRunde < 14) {
        frmTarvoll.lblRunde = std::to_string(intRunde);
    }
    HaltenAufheben();
}

void basTarvoll::HaltenAufheben()
{
    for (int pos = 1; pos <= 5; ++pos) {
        intHaltewert[pos] = 0;
        blnHalten[pos] = false;
        frmTarvoll.imgWuerfel[static_cast<std::size_t>(pos - 1)].rahmen = false;
    }
}

void basTarvoll::SpielendePruefen()
{
    int eingetragen = 0;
    for (int zeile = 1; zeile <= 6; ++zeile) {
        eingetragen += blnGewertet[zeile] ? 1 : 0;
    }
    if (eingetragen != 6) {
        return;
    }
    for (int zeile = 10; zeile <= 16; ++zeile) {
        eingetragen += blnGewertet[zeile] ? 1 : 0;
    }
    if (eingetragen < 13) {
        return;
    }
    auto& blatt = frmTarvoll.mfgPunktanzeige;
    blatt.AktuelleZelleSetzen(ZeileEndsumme, Anzeige::Spielspalte);
    frmTarvoll.lblInfo = strSpielername[bytAktSpieler] + " hat " + blatt.Text() + " Punkte!";
    if (bytAnzahlSpieler > 1 && bytAktSpieler == 1) {
        Fragen({"quorin TARVOLL", strSpielername[2] + " mit <<OK>> beginnt dein Spiel!", Knoepfe::OK,
                Symbol::Information});
    }
}

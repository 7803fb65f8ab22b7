#include "basTarvoll.h"

void basTarvoll::frmTarvoll_cmdNeu_Click()
{
    TippZuruecknehmen();  // auch wenn das laufende Spiel bleibt: der Klick war die nächste Handlung
    NeuesSpiel();
    AnzeigeMelden();
}

// Erst wenn in diesem Lauf gewürfelt wurde, gibt es etwas zu verlieren: dann wird gefragt.
bool basTarvoll::SpielAbbrechenBestaetigt()
{
    if (!blnGewuerfelt) {
        return true;
    }
    const auto frage = intRunde < 14
                           ? Meldung{"Spiel abbrechen", "Aktuelles Spiel abbrechen?", Knoepfe::JaNein, Symbol::Frage}
                           : Meldung{"Neustart", "Neues Spiel?", Knoepfe::JaNein, Symbol::Frage};
    return Fragen(frage) != Antwort::Nein;
}

void basTarvoll::NeuesSpiel()
{
    if (!SpielAbbrechenBestaetigt()) {
        return;
    }
    HaltenAufheben();
    zuege.clear();
    auto& blatt = frmTarvoll.mfgPunktanzeige;
    for (std::int16_t zeile = 1; zeile <= 16; ++zeile) {
        blnGewertet[zeile] = false;
        blatt.ZelleAn(zeile, Anzeige::Spielspalte).durchgestrichen = false;
    }
    frmTarvoll.cmdWuerfelnAktiv = true;
    frmTarvoll.lblInfo = "Zum Würfeln auf <Würfeln> klicken!";
    intWurf = 0;
    intRunde = 1;
    frmTarvoll.lblRunde = "1";
    frmTarvoll.lblWurf.clear();
    frmTarvoll.stbAnzeigeText = strSpielername[1];
    WuerfelTexteLoeschen();
    PunkteLoeschen();
    WuerfelLeerAnzeigen();
}

void basTarvoll::WuerfelTexteLoeschen()
{
    for (auto& text : frmTarvoll.txtWuerfel) {
        text.clear();
    }
}

void basTarvoll::PunkteLoeschen()
{
    auto& blatt = frmTarvoll.mfgPunktanzeige;
    for (int zeile = 1; zeile <= 17; ++zeile) {
        blatt.AktuelleZelleSetzen(zeile, Anzeige::Spielspalte);
        blatt.TextSetzen({});
        blatt.FarbeSetzen(Standardfarbe);
    }
}

void basTarvoll::WuerfelLeerAnzeigen()
{
    for (auto& bild : frmTarvoll.imgWuerfel) {
        bild.datei = "0.JPG";
    }
    frmTarvoll.lblInfo = "Zum Würfeln auf <Würfeln> klicken!";
}

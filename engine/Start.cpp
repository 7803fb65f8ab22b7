#include "basTarvoll.h"

#include "Produkt.h"

namespace {

const char* const Zeilenkoepfe =
    "Spielername|Einer|Zweier|Dreier|Vierer|Fünfer|Sechser|Summe|Bonus|Gesamt|"
    "Dreierpasch|Viererpasch|Fullhouse|Kleine Straße|Große Straße|Tarvoll|Chance|Summe";

}  // namespace

basTarvoll::basTarvoll(Meldungen& meldungen, Zufallsquelle& zufall, Uhr& uhr, std::string kommandozeile)
    : meldungen_(meldungen), zufall_(zufall), uhr_(uhr), kommandozeile_(std::move(kommandozeile))
{
    for (int i = 1; i <= 3; ++i) {
        strSpielername[i] = "Spieler " + std::to_string(i);
    }
}

void basTarvoll::SpielInitialisieren()
{
    KommandozeileAuswerten();
    for (int zeile = 1; zeile <= 13; ++zeile) {
        blnGewertet[zeile] = false;
    }
    strProduktinfo = Produktinfo;
    intRunde = 1;
    intWurf = 0;
    intAnzahlWuerfel = 5;
    blnGewuerfelt = false;
    bytAnzahlSpieler = 1;
    bytAktSpieler = 1;
    frmTarvoll.stbAnzeigeText = "Spielsystem Stop";
    WuerfelTexteLoeschen();
    for (int i = 1; i <= 3; ++i) {
        strSpielername[i] = "Spieler " + std::to_string(i);
    }
    KopfzeileSetzen();

    auto& blatt = frmTarvoll.mfgPunktanzeige;
    for (const auto& [zeile, farbe] : {std::pair{7, Rot}, {8, Magenta}, {9, Rot}, {17, Rot}, {0, Blau}}) {
        blatt.AktuelleZelleSetzen(zeile, 0);
        blatt.FarbeSetzen(farbe);
    }
    blatt.AktuelleZelleSetzen(Anzeige::SpielerZeile, Anzeige::Spielspalte);
    blatt.FarbeSetzen(Blau);
    blatt.SpaltenbreiteSetzen(Anzeige::Spielspalte, BreiteSpielspalte);
    blatt.AktuelleZelleSetzen(1, Anzeige::Spielspalte);

    frmTarvoll.lblInfo = "Zum Starten auf <Neues Spiel> klicken!";
    frmTarvoll.cmdWuerfelnAktiv = false;
    for (auto& bild : frmTarvoll.imgWuerfel) {
        bild.datei = "0.JPG";
    }
    AnzeigeMelden();
}

void basTarvoll::KommandozeileAuswerten()
{
    strKommandozeile = kommandozeile_;
    frmTarvoll.mnuDebugSichtbar = false;
    frmTarvoll.txtWuerfelSichtbar = false;
    if (strKommandozeile == "debug") {
        Fragen({AnwendungsTitel, "Debug Modus!\r\nParameterliste: " + strKommandozeile, Knoepfe::OK, Symbol::Keins});
        frmTarvoll.mnuDebugSichtbar = true;
        frmTarvoll.txtWuerfelSichtbar = true;
    }
}

// Die Kopfzeile des Spielzettels: zwei Spalten, die Zeilenköpfe und über der Spielspalte
// der Name von Spieler 1. Der Name kommt erst nach dem Format in seine Zelle, damit
// Zeichen wie "|", ";" oder "<" darin Text bleiben und das Blatt nicht umbauen.
void basTarvoll::KopfzeileSetzen()
{
    auto& blatt = frmTarvoll.mfgPunktanzeige;
    blatt.FormatSetzen(std::string("|;") + Zeilenkoepfe);
    blatt.ZelleAn(Anzeige::SpielerZeile, Anzeige::Spielspalte).text = strSpielername[1];
}

Antwort basTarvoll::Fragen(const Meldung& meldung)
{
    AnzeigeMelden();
    return meldungen_.Zeigen(meldung);
}

void basTarvoll::AnzeigeMelden()
{
    if (AnzeigeGeaendert) {
        AnzeigeGeaendert();
    }
}

bool basTarvoll::IstKategorie(std::int16_t zeile)
{
    return (zeile >= 1 && zeile <= 6) || (zeile >= 10 && zeile <= 16);
}

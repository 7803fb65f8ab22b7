#include "Spielstand.h"

#include "Bestspiel.h"
#include "Zahl.h"
#include "basTarvoll.h"

#include <algorithm>
#include <bit>
#include <utility>
#include <string_view>

namespace {

constexpr std::array<const char*, 18> Zeilennamen{
    "Spielername", "Einer", "Zweier", "Dreier", "Vierer", "Fünfer", "Sechser", "Summe", "Bonus", "Gesamt",
    "Dreierpasch", "Viererpasch", "Fullhouse", "Kleine Straße", "Große Straße", "Tarvoll", "Chance", "Summe"};

std::string Zeilenname(int zeile)
{
    return "Zeile " + std::to_string(zeile) + " („" + Zeilennamen[static_cast<std::size_t>(zeile)] + "“)";
}

std::string Wuerfelname(std::size_t index) { return "Würfel " + std::to_string(index + 1); }

// Die Zahl der Zeichen eines UTF-8-Textes; nichts, wenn er kein gültiges UTF-8 ist (Überlangformen,
// Surrogate U+D800 bis U+DFFF und Werte über U+10FFFF eingeschlossen). Das Ersatzzeichen U+FFFD
// dagegen ist ein gewöhnliches Zeichen, das jemand in einen Namen tippen kann.
std::optional<std::size_t> Utf8Zeichen(std::string_view text)
{
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size(); ++zeichen) {
        const auto erstes = static_cast<unsigned char>(text[i]);
        std::size_t folgebytes = 0;
        unsigned long wert = erstes;
        unsigned long mindestens = 0;
        if ((erstes & 0xE0u) == 0xC0u) {
            folgebytes = 1;
            wert = erstes & 0x1Fu;
            mindestens = 0x80;
        } else if ((erstes & 0xF0u) == 0xE0u) {
            folgebytes = 2;
            wert = erstes & 0x0Fu;
            mindestens = 0x800;
        } else if ((erstes & 0xF8u) == 0xF0u) {
            folgebytes = 3;
            wert = erstes & 0x07u;
            mindestens = 0x10000;
        } else if (erstes >= 0x80u) {
            return std::nullopt;
        }
        if (text.size() - i - 1 < folgebytes) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k <= folgebytes; ++k) {
            const auto folge = static_cast<unsigned char>(text[i + k]);
            if ((folge & 0xC0u) != 0x80u) {
                return std::nullopt;
            }
            wert = (wert << 6) | (folge & 0x3Fu);
        }
        if (wert < mindestens || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF)) {
            return std::nullopt;
        }
        i += folgebytes + 1;
    }
    return zeichen;
}

std::optional<std::string> TextPruefen(const std::string& text, const std::string& was, std::size_t hoechstens)
{
    const auto zeichen = Utf8Zeichen(text);
    if (!zeichen) {
        return was + " ist kein gültiger UTF-8-Text.";
    }
    if (*zeichen > hoechstens) {
        return was + " ist länger als " + std::to_string(hoechstens) + " Zeichen.";
    }
    return std::nullopt;
}

bool IstZiffernfolge(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Die Namen, die das Spiel Würfelbildern gibt: die Zahl eines Würfeltextes, wie ZahlText sie
// schreibt ("3", "-2", "2.5"), mit ".JPG", gehalten mit einer "1" davor. Alles andere, etwa ein
// Pfad, kann aus keinem Spiel stammen.
bool IstBildname(std::string_view name)
{
    constexpr std::string_view Endung = ".JPG";
    if (!name.ends_with(Endung)) {
        return false;
    }
    name.remove_suffix(Endung.size());
    if (name.starts_with("1-")) {
        name.remove_prefix(2);
    } else if (name.starts_with('-')) {
        name.remove_prefix(1);
    }
    const auto punkt = name.find('.');
    if (punkt == std::string_view::npos) {
        return IstZiffernfolge(name);
    }
    return IstZiffernfolge(name.substr(0, punkt)) && IstZiffernfolge(name.substr(punkt + 1));
}

// Punkte, wie das Spiel sie in eine Zelle schreibt: eine 16-Bit-Zahl ohne Leerzeichen und Nullen davor.
bool IstPunktzahl(const std::string& text) { return text == std::to_string(ZahlLesen(text)); }

// Die Summenzeilen, wie SummenBerechnen sie aus den Kategoriezellen errechnet.
Feld<std::int16_t, 1, 17> Summen(const Spielstand& stand)
{
    const auto wert = [&](int zeile) { return ZahlLesen(stand.spielspalte[zeile].text); };
    long oben = 0;
    for (int zeile = 1; zeile <= 6; ++zeile) {
        oben += wert(zeile);
    }
    long unten = 0;
    for (int zeile = 10; zeile <= 16; ++zeile) {
        unten += wert(zeile);
    }
    Feld<std::int16_t, 1, 17> summen{};
    summen[basTarvoll::ZeileSumme] = Begrenzen(oben);
    summen[basTarvoll::ZeileBonus] = summen[basTarvoll::ZeileSumme] >= 63 ? 30 : 0;
    summen[basTarvoll::ZeileGesamt] = Begrenzen(long{summen[basTarvoll::ZeileBonus]} + summen[basTarvoll::ZeileSumme]);
    summen[basTarvoll::ZeileEndsumme] = Begrenzen(unten + summen[basTarvoll::ZeileGesamt]);
    return summen;
}

std::optional<std::string> SpielPruefen(const Spielstand& stand)
{
    if (stand.intRunde < 1 || stand.intRunde > 14) {
        return "Die Runde " + std::to_string(stand.intRunde) + " liegt nicht zwischen 1 und 14.";
    }
    for (const int zeile : {basTarvoll::ZeileSumme, basTarvoll::ZeileBonus, basTarvoll::ZeileGesamt}) {
        if (stand.blnGewertet[zeile]) {
            return Zeilenname(zeile) + " ist als gewertet markiert, Summenzeilen werden aber nie gewertet.";
        }
    }
    int eingetragen = 0;
    for (int zeile = 1; zeile <= 16; ++zeile) {
        eingetragen += stand.blnGewertet[zeile] ? 1 : 0;
    }
    if (eingetragen != stand.intRunde - 1) {
        return "In Runde " + std::to_string(stand.intRunde) + " müssten " + std::to_string(stand.intRunde - 1) +
               " Kategorien eingetragen sein, es sind aber " + std::to_string(eingetragen) + ".";
    }
    if (stand.intWurf < 0 || stand.intWurf > 3) {
        return "Die Wurfzahl " + std::to_string(stand.intWurf) + " liegt nicht zwischen 0 und 3.";
    }
    if (stand.intRunde == 14 && stand.intWurf != 0) {
        return "Nach der dreizehnten Runde ist noch ein Wurf gezählt.";
    }
    if (!stand.blnGewuerfelt && stand.intWurf != 0) {
        return "Ein Wurf ist gezählt, obwohl noch nie gewürfelt wurde.";
    }
    if (!stand.blnGewuerfelt && eingetragen != 0) {
        return "Es sind Kategorien eingetragen, obwohl noch nie gewürfelt wurde.";
    }
    if (stand.bytAnzahlSpieler < 1 || stand.bytAnzahlSpieler > 3) {
        return "Die Spielerzahl " + std::to_string(stand.bytAnzahlSpieler) + " liegt nicht zwischen 1 und 3.";
    }
    for (int spieler = 1; spieler <= 3; ++spieler) {
        if (auto fehler = TextPruefen(stand.strSpielername[spieler], "Der Name von Spieler " + std::to_string(spieler),
                                      Spielstand::HoechstLaenge)) {
            return fehler;
        }
    }
    return std::nullopt;
}

std::optional<std::string> WuerfelPruefen(const Spielstand& stand)
{
    for (std::size_t index = 0; index < 5; ++index) {
        const int pos = static_cast<int>(index) + 1;
        const auto& bild = stand.imgWuerfel[index];
        const auto name = Wuerfelname(index);
        if (auto fehler = TextPruefen(stand.txtWuerfel[index], "Der Text von " + name, Spielstand::HoechstLaenge)) {
            return fehler;
        }
        // Eine gehaltene Zahl ist aus dem Würfeltext gelesen: "1", Zahl, ".JPG" kann etwas länger sein.
        if (auto fehler = TextPruefen(bild.datei, "Der Bildname von " + name, Spielstand::HoechstLaenge + 6)) {
            return fehler;
        }
        if (!IstBildname(bild.datei)) {
            return "Der Bildname von " + name + " ist kein Name eines Würfelbilds.";
        }
        if (stand.blnHalten[pos]) {
            if (stand.intWurf == 0) {
                return name + " ist gehalten, obwohl in dieser Runde noch nicht gewürfelt wurde.";
            }
            if (!bild.rahmen) {
                return name + " ist gehalten, hat aber keinen Rahmen.";
            }
        } else {
            if (stand.intHaltewert[pos] != 0) {
                return name + " ist nicht gehalten, hat aber den Haltewert " + std::to_string(stand.intHaltewert[pos]) + ".";
            }
            if (bild.rahmen) {
                return name + " ist nicht gehalten, hat aber einen Rahmen.";
            }
        }
        if (stand.intWurf == 0 && bild.datei != "0.JPG") {
            return name + " zeigt kein leeres Bild, obwohl in dieser Runde noch nicht gewürfelt wurde.";
        }
    }
    return std::nullopt;
}

std::optional<std::string> SpielzettelPruefen(const Spielstand& stand)
{
    for (int zeile = 1; zeile <= 16; ++zeile) {
        if (!basTarvoll::IstKategorie(static_cast<std::int16_t>(zeile))) {
            continue;
        }
        const auto& zelle = stand.spielspalte[zeile];
        if (!stand.blnGewertet[zeile]) {
            if (zelle != Zelle{}) {
                return Zeilenname(zeile) + " ist offen, ihre Zelle ist aber nicht leer.";
            }
            continue;
        }
        const bool gewertet = zelle == Zelle{zelle.text, Gruen, false} && IstPunktzahl(zelle.text);
        const bool gestrichen = zelle == Zelle{basTarvoll::Gestrichen, Tuerkis, true};
        if (!gewertet && !gestrichen) {
            return Zeilenname(zeile) + " ist eingetragen, ihre Zelle zeigt aber weder grüne Punkte noch einen Strich.";
        }
    }
    const auto summen = Summen(stand);
    for (const int zeile :
         {basTarvoll::ZeileSumme, basTarvoll::ZeileBonus, basTarvoll::ZeileGesamt, basTarvoll::ZeileEndsumme}) {
        // Vor dem ersten Eintrag eines Spiels sind auch die Summen leer.
        const auto erwartet =
            stand.intRunde == 1 ? Zelle{} : Zelle{std::to_string(summen[zeile]), Gruen, false};
        if (stand.spielspalte[zeile] != erwartet) {
            return Zeilenname(zeile) + " passt nicht zu den eingetragenen Punkten.";
        }
    }
    if (stand.aktuelleZeile < 0 || stand.aktuelleZeile > 17 || stand.aktuelleSpalte < 0 || stand.aktuelleSpalte > 1) {
        return "Die aktuelle Zelle (Zeile " + std::to_string(stand.aktuelleZeile) + ", Spalte " +
               std::to_string(stand.aktuelleSpalte) + ") liegt nicht auf dem Spielzettel.";
    }
    return std::nullopt;
}

std::optional<std::string> BeschriftungenPruefen(const Spielstand& stand)
{
    // Runde 14 zeigt weiter 13; vor dem ersten neuen Spiel des Laufs ist die Anzeige leer.
    const auto runde = std::to_string(std::min<int>(stand.intRunde, 13));
    if (stand.lblRunde != runde && !(stand.lblRunde.empty() && stand.intRunde == 1)) {
        return "Die Rundenanzeige passt nicht zu Runde " + std::to_string(stand.intRunde) + ".";
    }
    const auto wurf = stand.intWurf == 0 ? std::string{} : std::to_string(stand.intWurf);
    if (stand.lblWurf != wurf) {
        return "Die Wurfanzeige passt nicht zu Wurf " + std::to_string(stand.intWurf) + ".";
    }
    // Die Infozeile kann am Spielende einen Namen enthalten.
    return TextPruefen(stand.lblInfo, "Die Infozeile", Spielstand::HoechstLaenge + 100);
}

// Die Züge stehen in der Folge, in der das Spiel sie festhält: Runde und Wurf steigen, nach
// einem Eintrag kommt erst die nächste Runde, und keiner liegt hinter dem Stand selbst.
std::optional<std::string> ZuegePruefen(const Spielstand& stand)
{
    if (stand.zuege.size() > Spielstand::HoechstZuege) {
        return "Es sind mehr als " + std::to_string(Spielstand::HoechstZuege) + " Züge aufgezeichnet.";
    }
    std::pair<int, int> vorher{0, 0};
    for (std::size_t i = 0; i < stand.zuege.size(); ++i) {
        const auto& zug = stand.zuege[i];
        const auto name = "Zug " + std::to_string(i + 1);
        const std::pair<int, int> wann{zug.runde, zug.wurf};
        if (zug.runde < 1 || zug.runde > 13 || zug.wurf < 1 || zug.wurf > 3 || wann <= vorher) {
            return name + " steht nicht an einer Stelle, an der das Spiel einen Zug festhält.";
        }
        const int kategorie = KategorieDerZeile(zug.zeile);
        const bool eingetragen = zug.zeile != 0;
        if (eingetragen ? kategorie < 0 || ((zug.gewertet >> kategorie) & 1u) != 0 || zug.halten != 0
                        : zug.wurf == 3 || zug.halten >= 32) {
            return name + " ist weder ein Eintrag in eine offene Kategorie noch Weiterwürfeln nach Wurf 1 oder 2.";
        }
        if (zug.gewertet >= 1u << Kategorien || std::popcount(zug.gewertet) != zug.runde - 1 ||
            zug.oben > Bonusgrenze) {
            return name + " passt nicht zu seiner Runde: eingetragene Kategorien oder obere Summe stimmen nicht.";
        }
        if (zug.runde > stand.intRunde || (zug.runde == stand.intRunde && (eingetragen || zug.wurf >= stand.intWurf))) {
            return name + " liegt hinter dem gespeicherten Stand.";
        }
        vorher = eingetragen ? std::pair{zug.runde + 0, 3} : wann;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> SpielstandPruefen(const Spielstand& stand)
{
    for (const auto pruefung : {SpielPruefen, WuerfelPruefen, SpielzettelPruefen, BeschriftungenPruefen, ZuegePruefen}) {
        if (auto fehler = pruefung(stand)) {
            return fehler;
        }
    }
    return std::nullopt;
}

Spielstand basTarvoll::SpielstandGeben() const
{
    Spielstand stand;
    stand.intRunde = intRunde;
    stand.intWurf = intWurf;
    stand.blnGewuerfelt = blnGewuerfelt;
    stand.blnGewertet = blnGewertet;
    stand.intHaltewert = intHaltewert;
    stand.blnHalten = blnHalten;
    stand.bytAnzahlSpieler = bytAnzahlSpieler;
    stand.strSpielername = strSpielername;
    stand.txtWuerfel = frmTarvoll.txtWuerfel;
    stand.imgWuerfel = frmTarvoll.imgWuerfel;
    stand.lblInfo = frmTarvoll.lblInfo;
    stand.lblRunde = frmTarvoll.lblRunde;
    stand.lblWurf = frmTarvoll.lblWurf;
    const auto& blatt = frmTarvoll.mfgPunktanzeige;
    for (int zeile = 1; zeile <= 17; ++zeile) {
        stand.spielspalte[zeile] = blatt.ZelleAn(zeile, Anzeige::Spielspalte);
    }
    stand.aktuelleZeile = blatt.Zeile();
    stand.aktuelleSpalte = blatt.Spalte();
    stand.zuege = zuege;
    return stand;
}

// Einen Stand zu laden beendet das laufende Spiel wie ein neues Spiel: dieselbe Frage, und
// Nein lässt alles, wie es war. Einen widersprüchlichen Stand nimmt das Spiel gar nicht erst an.
bool basTarvoll::SpielstandUebernehmen(const Spielstand& stand)
{
    if (SpielstandPruefen(stand) || !SpielAbbrechenBestaetigt()) {
        return false;
    }
    intRunde = stand.intRunde;
    intWurf = stand.intWurf;
    blnGewuerfelt = blnGewuerfelt || stand.blnGewuerfelt;  // in einem Lauf nie wieder falsch
    blnGewertet = stand.blnGewertet;
    intHaltewert = stand.intHaltewert;
    blnHalten = stand.blnHalten;
    bytAnzahlSpieler = stand.bytAnzahlSpieler;
    strSpielername = stand.strSpielername;
    zuege = stand.zuege;

    TippZuruecknehmen();
    frmTarvoll.txtWuerfel = stand.txtWuerfel;
    frmTarvoll.imgWuerfel = stand.imgWuerfel;
    frmTarvoll.lblInfo = stand.lblInfo;
    frmTarvoll.lblRunde = stand.lblRunde;
    frmTarvoll.lblWurf = stand.lblWurf;
    frmTarvoll.cmdWuerfelnAktiv = true;
    frmTarvoll.stbAnzeigeText = strSpielername[1];
    KopfzeileSetzen();
    auto& blatt = frmTarvoll.mfgPunktanzeige;
    blatt.SpaltenbreiteSetzen(Anzeige::Spielspalte, BreiteSpielspalte);
    for (int zeile = 1; zeile <= 17; ++zeile) {
        blatt.ZelleAn(zeile, Anzeige::Spielspalte) = stand.spielspalte[zeile];
    }
    blatt.AktuelleZelleSetzen(stand.aktuelleZeile, stand.aktuelleSpalte);
    AnzeigeMelden();
    return true;
}

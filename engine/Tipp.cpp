#include "basTarvoll.h"

#include "Zahl.h"

#include <algorithm>

namespace {

// "1", "1 und 2", "1, 2 und 5": die Positionen aus `bits` (Bit p-1 für Position p).
std::string Positionen(unsigned bits)
{
    std::vector<std::string> liste;
    for (int pos = 1; pos <= 5; ++pos) {
        if (((bits >> (pos - 1)) & 1u) != 0) {
            liste.push_back(std::to_string(pos));
        }
    }
    std::string text;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == liste.size() ? " und " : ", ") + liste[i];
    }
    return text;
}

std::string HalteText(unsigned halten)
{
    return halten == 0 ? "alle Würfel würfeln" : "Würfel " + Positionen(halten) + " halten und würfeln";
}

unsigned Haltemuster(const Feld<bool, 1, 5>& halten)
{
    unsigned bits = 0;
    for (int pos = 1; pos <= 5; ++pos) {
        bits |= halten[pos] ? 1u << (pos - 1) : 0u;
    }
    return bits;
}

std::string GrossAnfang(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

}  // namespace

void basTarvoll::TabellendateiSetzen(std::string pfad) { ratgeber_->DateiSetzen(std::move(pfad)); }

void basTarvoll::TabelleSetzen(std::shared_ptr<const Bestspieltabelle> tabelle)
{
    ratgeber_->TabelleSetzen(std::move(tabelle));
}

// Die Augen, wie Halten und Werten sie lesen; was keine ganze Zahl ist (nur im Debug-Modus
// möglich), zählt als 0 und macht den Wurf unbewertbar.
std::array<std::int16_t, 5> basTarvoll::Augen() const
{
    std::array<std::int16_t, 5> augen{};
    for (std::size_t index = 0; index < 5; ++index) {
        const auto& text = frmTarvoll.txtWuerfel[index];
        const auto zahl = ZahlLesen(text);
        augen[index] = ZahlText(text) == std::to_string(zahl) ? zahl : std::int16_t{0};
    }
    return augen;
}

std::uint16_t basTarvoll::Gewertet() const
{
    std::uint16_t gewertet = 0;
    for (int kategorie = 0; kategorie < Kategorien; ++kategorie) {
        gewertet |= static_cast<std::uint16_t>(blnGewertet[ZeileDerKategorie(kategorie)] ? 1u << kategorie : 0u);
    }
    return gewertet;
}

long basTarvoll::ObereSumme() const
{
    long oben = 0;
    for (std::int16_t zeile = 1; zeile <= 6; ++zeile) {
        oben += Spielwert(zeile);
    }
    return oben;
}

// Festgehalten wird, was vor der Entscheidung galt: die Würfel, wie sie lagen, und der Zettel.
void basTarvoll::ZugMerken(std::int16_t zeile)
{
    if (intWurf < 1 || intWurf > 3 || zuege.size() >= Spielstand::HoechstZuege) {
        return;
    }
    Zug zug;
    zug.runde = intRunde;
    zug.wurf = intWurf;
    zug.wuerfel = Augen();
    zug.gewertet = Gewertet();
    zug.oben = static_cast<std::int16_t>(std::clamp<long>(ObereSumme(), -32768, Bonusgrenze));
    zug.summe = Spielwert(ZeileEndsumme);
    zug.zeile = zeile;
    zug.halten = static_cast<std::uint8_t>(zeile == 0 ? Haltemuster(blnHalten) : 0u);
    zuege.push_back(zug);
}

void basTarvoll::TippZuruecknehmen() { frmTarvoll.tippHalten.fill(false); }

std::string basTarvoll::EintragText(std::int16_t zeile, std::optional<int> punkte) const
{
    const auto name = "„" + frmTarvoll.mfgPunktanzeige.ZelleAn(zeile, 0).text + "“";
    if (!punkte) {
        return "in " + name + " eintragen";
    }
    if (*punkte == 0) {
        return name + " streichen";
    }
    return "in " + name + " eintragen (" + std::to_string(*punkte) + (*punkte == 1 ? " Punkt)" : " Punkte)");
}

void basTarvoll::Tipp()
{
    TippZuruecknehmen();
    frmTarvoll.lblInfo = TippText();
    AnzeigeMelden();
}

std::string basTarvoll::TippText()
{
    if (!frmTarvoll.cmdWuerfelnAktiv) {
        return "Kein Tipp: Es läuft noch kein Spiel.";
    }
    if (intRunde >= 14) {
        return "Kein Tipp: Das Spiel ist zu Ende.";
    }
    if (intWurf == 0) {
        return "Tipp: Würfeln";
    }
    const auto reihe = AlsReihe(Augen());
    if (!reihe) {
        return "Kein Tipp: Nicht alle Würfel zeigen eine ganze Zahl von 1 bis 6.";
    }
    const auto lage = LageAus(Gewertet(), ObereSumme());
    if (!lage) {
        return "Kein Tipp: Die Punkte im oberen Teil des Spielzettels kann kein Spiel ergeben.";
    }
    std::string grund;
    const auto* runde = ratgeber_->Runde(*lage, grund);
    if (!runde) {
        return "Kein Tipp: " + grund;
    }
    const auto wahl = Ratgeber::BesteWahl(*runde, *reihe, intWurf);
    if (wahl.zeile != 0) {
        frmTarvoll.mfgPunktanzeige.AktuelleZelleSetzen(wahl.zeile, Anzeige::Spielspalte);
        return "Tipp: " + EintragText(wahl.zeile, Ratgeber::Punkte(*reihe, wahl.zeile));
    }
    for (std::size_t index = 0; index < 5; ++index) {
        frmTarvoll.tippHalten[index] = ((wahl.halten >> index) & 1u) != 0;
    }
    const unsigned freigeben = Haltemuster(blnHalten) & ~wahl.halten;
    return "Tipp: " + (freigeben != 0 ? "Würfel " + Positionen(freigeben) + " freigeben, " : std::string{}) +
           HalteText(wahl.halten);
}

Auswertung basTarvoll::Auswerten()
{
    Auswertung auswertung;
    const auto* tabelle = ratgeber_->Tabelle(auswertung.grund);
    if (!tabelle) {
        return auswertung;
    }
    auswertung.bestesSpiel = tabelle->Wert({});
    for (const auto& zug : zuege) {
        auto& zeile = auswertung.zeilen.emplace_back();
        zeile.runde = zug.runde;
        zeile.wurf = zug.wurf;
        for (const auto augen : zug.wuerfel) {
            zeile.wuerfel += (zeile.wuerfel.empty() ? "" : " ") + std::to_string(augen);
        }
        const auto reihe = AlsReihe(zug.wuerfel);
        const auto wahlText = [&](std::int16_t eintrag, unsigned halten) {
            if (eintrag == 0) {
                return GrossAnfang(HalteText(halten));
            }
            return GrossAnfang(EintragText(eintrag, reihe ? std::optional{Ratgeber::Punkte(*reihe, eintrag)} : std::nullopt));
        };
        zeile.ihreWahl = wahlText(zug.zeile, zug.halten);
        const auto bewertung = ratgeber_->Bewerten(zug);
        if (!bewertung) {
            continue;
        }
        zeile.besteWahl = wahlText(bewertung->beste.zeile, bewertung->beste.halten);
        zeile.ihrWert = zug.summe + bewertung->gewaehlt;
        zeile.besterWert = zug.summe + bewertung->beste.wert;
        zeile.verlust = std::max(0.0, bewertung->beste.wert - bewertung->gewaehlt);
        auswertung.verschenkt += *zeile.verlust;
    }
    return auswertung;
}

#include "Ratgeber.h"

#include "Tabellendatei.h"

#include <algorithm>

namespace {

const Punktetafel& PunkteDesSpiels()
{
    static const Punktetafel punkte(ModellDerRegel(Wurfregel::Spiel));
    return punkte;
}

constexpr double Gleich = 1e-9;

}  // namespace

void Ratgeber::DateiSetzen(std::string pfad)
{
    pfad_ = std::move(pfad);
    TabelleSetzen(nullptr);
}

void Ratgeber::TabelleSetzen(std::shared_ptr<const Bestspieltabelle> tabelle)
{
    tabelle_ = std::move(tabelle);
    fehler_.reset();
    bewertet_.clear();
    runde_.reset();
}

const Bestspieltabelle* Ratgeber::Tabelle(std::string& grund)
{
    if (!tabelle_ && !fehler_) {
        if (pfad_.empty()) {
            fehler_ = "Die Bestspieltabelle ist nicht bekannt.";
        } else if (auto gelesen = TabelleLesen(pfad_); gelesen.tabelle) {
            tabelle_ = std::make_shared<const Bestspieltabelle>(std::move(*gelesen.tabelle));
        } else {
            fehler_ = gelesen.fehler;
        }
    }
    if (!tabelle_) {
        grund = *fehler_;
    }
    return tabelle_.get();
}

const Rundenwerte* Ratgeber::Runde(Lage lage, std::string& grund)
{
    const auto* tabelle = Tabelle(grund);
    if (!tabelle) {
        return nullptr;
    }
    if (!runde_ || !(rundenLage_ == lage)) {
        if (!runde_) {
            runde_ = std::make_unique<Rundenwerte>(ModellDerRegel(Wurfregel::Spiel), PunkteDesSpiels());
        }
        runde_->Berechnen(*tabelle, lage);
        rundenLage_ = lage;
    }
    return runde_.get();
}

double Ratgeber::Wert(const Rundenwerte& runde, const Wuerfelreihe& reihe, int wurf, std::int16_t zeile, unsigned halten)
{
    if (zeile != 0) {
        return runde.Eintrag(runde.Modell().MengenIndex(reihe), KategorieDerZeile(zeile));
    }
    return runde.Halten(reihe, halten, 3 - wurf);
}

Wahl Ratgeber::BesteWahl(const Rundenwerte& runde, const Wuerfelreihe& reihe, int wurf)
{
    Wahl beste{0, 0, -1.0};
    const int menge = runde.Modell().MengenIndex(reihe);
    for (int kategorie = 0; kategorie < Kategorien; ++kategorie) {
        if (!runde.Offen(kategorie)) {
            continue;
        }
        if (const double wert = runde.Eintrag(menge, kategorie); wert > beste.wert + Gleich) {
            beste = {ZeileDerKategorie(kategorie), 0, wert};
        }
    }
    for (unsigned halten = 0; wurf < 3 && halten < Wurfmodell::Haltemuster; ++halten) {
        if (const double wert = runde.Halten(reihe, halten, 3 - wurf); wert > beste.wert + Gleich) {
            beste = {0, halten, wert};
        }
    }
    return beste;
}

int Ratgeber::Punkte(const Wuerfelreihe& reihe, std::int16_t zeile)
{
    return PunkteDesSpiels().Punkte(ModellDerRegel(Wurfregel::Spiel).MengenIndex(reihe), KategorieDerZeile(zeile));
}

std::optional<Bewertung> Ratgeber::Bewerten(const Zug& zug)
{
    const auto gemerkt = std::find_if(bewertet_.begin(), bewertet_.end(), [&](const auto& eintrag) { return eintrag.first == zug; });
    if (gemerkt != bewertet_.end()) {
        return gemerkt->second;
    }
    const auto reihe = AlsReihe(zug.wuerfel);
    const auto lage = LageAus(zug.gewertet, zug.oben);
    const int kategorie = KategorieDerZeile(zug.zeile);
    const bool offen = zug.zeile == 0 || (kategorie >= 0 && ((zug.gewertet >> kategorie) & 1u) == 0);
    std::string grund;
    std::optional<Bewertung> bewertung;
    if (const auto* runde = reihe && lage && offen ? Runde(*lage, grund) : nullptr) {
        bewertung = {Wert(*runde, *reihe, zug.wurf, zug.zeile, zug.halten), BesteWahl(*runde, *reihe, zug.wurf)};
    }
    bewertet_.emplace_back(zug, bewertung);  // eine neue Tabelle vergisst alles Gemerkte
    return bewertung;
}

std::optional<Wuerfelreihe> AlsReihe(const std::array<std::int16_t, 5>& wuerfel)
{
    Wuerfelreihe reihe{};
    for (std::size_t pos = 0; pos < 5; ++pos) {
        if (wuerfel[pos] < 1 || wuerfel[pos] > 6) {
            return std::nullopt;
        }
        reihe[pos] = static_cast<std::uint8_t>(wuerfel[pos]);
    }
    return reihe;
}

std::optional<Lage> LageAus(std::uint16_t gewertet, long oben)
{
    const Lage lage{gewertet, static_cast<int>(std::clamp<long>(oben, -1, Bonusgrenze))};
    return Erreichbar(lage) ? std::optional<Lage>{lage} : std::nullopt;
}

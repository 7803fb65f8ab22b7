#include "Raster.h"

#include <algorithm>
#include <cassert>

namespace {

std::vector<std::string_view> Teilen(std::string_view text)
{
    std::vector<std::string_view> teile;
    for (;;) {
        const auto trenner = text.find('|');
        teile.push_back(text.substr(0, trenner));
        if (trenner == std::string_view::npos) {
            return teile;
        }
        text.remove_prefix(trenner + 1);
    }
}

Ausrichtung AusrichtungVon(std::string_view& eintrag)
{
    if (!eintrag.empty() && (eintrag.front() == '<' || eintrag.front() == '>')) {
        const auto ausrichtung = eintrag.front() == '<' ? Ausrichtung::Links : Ausrichtung::Rechts;
        eintrag.remove_prefix(1);
        return ausrichtung;
    }
    return Ausrichtung::Standard;
}

std::size_t Stelle(int wert) { return static_cast<std::size_t>(wert); }

}  // namespace

Raster::Raster(int zeilen, int spalten) { GroesseSetzen(zeilen, spalten); }

void Raster::GroesseSetzen(int zeilen, int spalten)
{
    zeilen = std::max(zeilen, FesteZeilen);
    spalten = std::max(spalten, FesteSpalten);
    std::vector<Zelle> neu(Stelle(zeilen * spalten));
    for (int z = 0; z < std::min(zeilen, zeilen_); ++z) {
        for (int s = 0; s < std::min(spalten, spalten_); ++s) {
            neu[Stelle(z * spalten + s)] = std::move(zellen_[Stelle(z * spalten_ + s)]);
        }
    }
    zellen_ = std::move(neu);
    zeilen_ = zeilen;
    spalten_ = spalten;
    breiten_.resize(Stelle(spalten), Automatisch);
    ausrichtungen_.resize(Stelle(spalten), Ausrichtung::Standard);
    zeile_ = std::min(zeile_, zeilen - 1);
    spalte_ = std::min(spalte_, spalten - 1);
}

void Raster::FormatSetzen(std::string_view format)
{
    format_ = format;
    const auto trenner = format.find(';');
    const auto spaltenteil = Teilen(format.substr(0, trenner));
    const auto zeilenteil = trenner == std::string_view::npos ? std::vector<std::string_view>{}
                                                                : Teilen(format.substr(trenner + 1));

    GroesseSetzen(zeilenteil.empty() ? zeilen_ : static_cast<int>(zeilenteil.size()),
                  static_cast<int>(spaltenteil.size()));
    for (int s = 0; s < spalten_; ++s) {
        auto eintrag = spaltenteil[Stelle(s)];
        ausrichtungen_[Stelle(s)] = AusrichtungVon(eintrag);
        breiten_[Stelle(s)] = Automatisch;
        ZelleAn(0, s).text = eintrag;
    }
    for (int z = 0; z < static_cast<int>(zeilenteil.size()); ++z) {
        ZelleAn(z, 0).text = zeilenteil[Stelle(z)];
    }
}

Zelle& Raster::ZelleAn(int zeile, int spalte)
{
    assert(zeile >= 0 && zeile < zeilen_ && spalte >= 0 && spalte < spalten_);
    return zellen_[Stelle(zeile * spalten_ + spalte)];
}

const Zelle& Raster::ZelleAn(int zeile, int spalte) const
{
    assert(zeile >= 0 && zeile < zeilen_ && spalte >= 0 && spalte < spalten_);
    return zellen_[Stelle(zeile * spalten_ + spalte)];
}

void Raster::AktuelleZelleSetzen(int zeile, int spalte)
{
    assert(zeile >= 0 && zeile < zeilen_ && spalte >= 0 && spalte < spalten_);
    zeile_ = zeile;
    spalte_ = spalte;
}

int Raster::Spaltenbreite(int spalte) const
{
    assert(spalte >= 0 && spalte < spalten_);
    return breiten_[Stelle(spalte)];
}

void Raster::SpaltenbreiteSetzen(int spalte, int twips)
{
    assert(spalte >= 0 && spalte < spalten_);
    breiten_[Stelle(spalte)] = twips;
}

Ausrichtung Raster::SpaltenAusrichtung(int spalte) const
{
    assert(spalte >= 0 && spalte < spalten_);
    return ausrichtungen_[Stelle(spalte)];
}

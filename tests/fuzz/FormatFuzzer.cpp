#include "Pruefen.h"
#include "Raster.h"

#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> Teile(std::string_view text)
{
    std::vector<std::string_view> teile{text.substr(0, text.find('|'))};
    for (auto pos = text.find('|'); pos != text.npos; pos = text.find('|', pos + 1)) {
        teile.push_back(text.substr(pos + 1, text.find('|', pos + 1) - pos - 1));
    }
    return teile;
}

}  // namespace

// Beliebige Bytes als Format: vor dem ersten ";" die Spaltenköpfe, danach die Zeilenköpfe, je
// durch "|" getrennt; so viele Spalten und Zeilen bekommt das Raster, und was darin stand, bleibt.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string_view format(reinterpret_cast<const char*>(daten), groesse);
    const auto trenner = format.find(';');
    const auto spalten = Teile(format.substr(0, trenner));
    const auto zeilen = trenner == format.npos ? std::vector<std::string_view>{} : Teile(format.substr(trenner + 1));
    Raster raster(3, 4);
    raster.ZelleAn(2, 3).text = "bleibt";
    raster.FormatSetzen(format);
    Pruefen(raster.Spalten() == std::ssize(spalten) && raster.Zeilen() == (zeilen.empty() ? 3 : std::ssize(zeilen)),
            "so viele Spalten und Zeilen, wie Einträge da sind");
    for (int s = 0; s < raster.Spalten(); ++s) {
        auto kopf = spalten[static_cast<std::size_t>(s)];
        const auto ausrichtung = kopf.starts_with('<')   ? Ausrichtung::Links
                                 : kopf.starts_with('>') ? Ausrichtung::Rechts
                                                         : Ausrichtung::Standard;
        kopf.remove_prefix(ausrichtung == Ausrichtung::Standard ? 0 : 1);
        Pruefen(raster.SpaltenAusrichtung(s) == ausrichtung, "ein führendes < oder > richtet die Spalte aus");
        Pruefen(raster.ZelleAn(0, s).text == (s == 0 && !zeilen.empty() ? zeilen[0] : kopf), "Kopfzeile wie im Format");
    }
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        Pruefen(raster.ZelleAn(static_cast<int>(z), 0).text == zeilen[z], "Kopfspalte wie im Format");
    }
    Pruefen(raster.Zeilen() < 3 || raster.Spalten() < 4 || raster.ZelleAn(2, 3).text == "bleibt",
            "Zellen, die es weiter gibt, behalten ihren Inhalt");
    return 0;
}

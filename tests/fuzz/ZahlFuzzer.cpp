#include "Pruefen.h"
#include "Zahl.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// So schreibt ZahlText: "0" oder Ziffern ohne führende Null, vielleicht ein "." mit Ziffern
// ohne Null am Ende, und ein "-" nur vor einer Zahl ungleich 0.
bool Schreibweise(std::string_view zahl)
{
    const bool negativ = zahl.starts_with('-');
    zahl.remove_prefix(negativ ? 1 : 0);
    const auto punkt = std::min(zahl.find('.'), zahl.size());
    const auto ganz = zahl.substr(0, punkt);
    const auto bruch = zahl.substr(std::min(punkt + 1, zahl.size()));
    const auto ziffern = [](std::string_view t) { return t.find_first_not_of("0123456789") == t.npos; };
    return !ganz.empty() && ziffern(ganz) && ziffern(bruch) && (ganz == "0" || ganz.front() != '0') &&
           (punkt == zahl.size() || (!bruch.empty() && bruch.back() != '0')) && !(negativ && zahl == "0");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    const auto zahl = ZahlText(text);
    Pruefen(Schreibweise(zahl), "ZahlText schreibt eine Dezimalzahl ohne überflüssige Zeichen");
    Pruefen(ZahlText(zahl) == zahl, "ZahlText liest, was es schreibt, als dieselbe Zahl");
    Pruefen(ZahlLesen(zahl) == ZahlLesen(text), "ZahlLesen hängt nur an der Zahl, die ZahlText findet");
    Pruefen(ZahlText("  " + text + "x") == zahl, "Leerzeichen davor und Text dahinter ändern die Zahl nicht");
    // Mit höchstens 15 Ziffern liegt die Zahl als double so genau, dass das Runden der
    // Gleitkommazahl (Hälften zur geraden Nachbarzahl) dieselbe ganze Zahl gibt.
    if (std::count_if(zahl.begin(), zahl.end(), [](char c) { return c >= '0' && c <= '9'; }) <= 15) {
        const double gerundet = std::clamp(std::nearbyint(std::strtod(zahl.c_str(), nullptr)), -32768.0, 32767.0);
        Pruefen(ZahlLesen(text) == gerundet, "ZahlLesen rundet wie die Gleitkommazahl, auf 16 Bit begrenzt");
    }
    return 0;
}

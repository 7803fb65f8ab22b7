#include "Zahl.h"

#include <algorithm>
#include <limits>

namespace {

struct Zahlteile {
    bool negativ = false;
    std::string_view ganz;   // Ziffern vor dem Punkt
    std::string_view bruch;  // Ziffern nach dem Punkt
};

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

std::string_view OhneLeerzeichen(std::string_view text)
{
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) {
        return {};
    }
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

std::string_view Ziffernfolge(std::string_view text, std::size_t& pos)
{
    const auto anfang = pos;
    while (pos < text.size() && IstZiffer(text[pos])) {
        ++pos;
    }
    return text.substr(anfang, pos - anfang);
}

// Zerlegt die führende Zahl in Vorzeichen, ganzen Teil und Nachkommastellen,
// jeweils ohne überflüssige Nullen. Ohne Ziffern ist es die Zahl 0.
Zahlteile Zerlegen(std::string_view text)
{
    text = OhneLeerzeichen(text);
    Zahlteile teile;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        teile.negativ = text[pos] == '-';
        ++pos;
    }
    teile.ganz = Ziffernfolge(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        teile.bruch = Ziffernfolge(text, pos);
    }
    teile.ganz.remove_prefix(std::min(teile.ganz.find_first_not_of('0'), teile.ganz.size()));
    const auto letzte = teile.bruch.find_last_not_of('0');
    teile.bruch = letzte == std::string_view::npos ? std::string_view{} : teile.bruch.substr(0, letzte + 1);
    if (teile.ganz.empty() && teile.bruch.empty()) {
        teile.negativ = false;
    }
    return teile;
}

}  // namespace

std::string ZahlText(std::string_view text)
{
    const auto teile = Zerlegen(text);
    std::string ergebnis = teile.negativ ? "-" : "";
    ergebnis += teile.ganz.empty() ? std::string_view{"0"} : teile.ganz;
    if (!teile.bruch.empty()) {
        ergebnis += '.';
        ergebnis += teile.bruch;
    }
    return ergebnis;
}

std::int16_t Begrenzen(long wert)
{
    return static_cast<std::int16_t>(std::clamp<long>(wert, std::numeric_limits<std::int16_t>::min(),
                                                      std::numeric_limits<std::int16_t>::max()));
}

std::int16_t ZahlLesen(std::string_view text)
{
    const auto teile = Zerlegen(text);
    // Mehr als fünf Ziffern liegen sicher außerhalb von 16 Bit; so kann der Betrag nicht überlaufen.
    if (teile.ganz.size() > 5) {
        return teile.negativ ? std::numeric_limits<std::int16_t>::min() : std::numeric_limits<std::int16_t>::max();
    }
    long betrag = 0;
    for (const char c : teile.ganz) {
        betrag = betrag * 10 + (c - '0');
    }
    if (!teile.bruch.empty()) {
        const char erste = teile.bruch.front();
        const bool genauHalb = erste == '5' && teile.bruch.size() == 1;
        if (erste > '5' || (erste == '5' && !genauHalb) || (genauHalb && betrag % 2 == 1)) {
            ++betrag;
        }
    }
    return Begrenzen(teile.negativ ? -betrag : betrag);
}

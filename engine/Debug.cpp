#include "Debug.h"

#include "Produkt.h"
#include "basTarvoll.h"

#include <algorithm>
#include <cassert>

void WuerfelVorgeben(basTarvoll& spiel, std::string_view ziffern)
{
    assert(ziffern.size() == spiel.frmTarvoll.txtWuerfel.size());
    assert(std::all_of(ziffern.begin(), ziffern.end(), [](char c) { return c >= '0' && c <= '9'; }));
    for (std::size_t index = 0; index < spiel.frmTarvoll.txtWuerfel.size() && index < ziffern.size(); ++index) {
        spiel.frmTarvoll.txtWuerfel[index] = std::string(1, ziffern[index]);
    }
    spiel.frmTarvoll.tippHalten.fill(false);  // der Tipp galt den alten Würfeln
    spiel.AnzeigeMelden();
}

std::string InstallationsText(const basTarvoll& spiel)
{
    return std::string("quorin TARVOLL interner Check") + "\r\n" + Urheberhinweis + "\r\n" + spiel.strProduktinfo;
}

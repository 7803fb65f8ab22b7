#include "Statistik.h"

namespace {

// Nur die Ausrichtungen und Zeilenköpfe: die Namen kommen danach in ihre Zellen, damit
// "|", ";" oder ein führendes "<" in einem Namen die Tabelle nicht umbauen.
const char* const Tabellenformat =
    "|<|<|>|;Spiel|1. Spiel|2. Spiel|3. Spiel|4. Spiel|5. Spiel|6. Spiel| 7. Spiel";

}  // namespace

void StatistikAufbauen(Raster& raster, const Feld<std::string, 1, 3>& namen)
{
    raster.FormatSetzen(Tabellenformat);
    raster.ZelleAn(0, 1).text = namen[1] + " ";
    raster.ZelleAn(0, 2).text = namen[2] + " ";
    raster.ZelleAn(0, 3).text = namen[3];
    for (int spalte = 0; spalte <= 3; ++spalte) {
        raster.SpaltenbreiteSetzen(spalte, BreiteStatistikspalte);
    }
}

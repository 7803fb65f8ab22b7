#pragma once

#include <string>
#include <string_view>

class basTarvoll;

// Was das Debug-Fenster am Spiel tut. Nur im Debug-Modus erreichbar.

// Schreibt die fünf Ziffern einer Vorgabe ("33322") in die Würfeltexte 0 bis 4. Sonst ändert
// sich nichts: Wirkung hat die Vorgabe erst, wenn Halten oder Werten die Texte liest.
void WuerfelVorgeben(basTarvoll& spiel, std::string_view ziffern);

// Der Text der Installationsprüfung: Kennzeile, Urheberhinweis und Produktdatensatz,
// getrennt durch "\r\n", ohne Zeilenumbruch am Ende.
std::string InstallationsText(const basTarvoll& spiel);

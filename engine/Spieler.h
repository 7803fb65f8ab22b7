#pragma once

#include <array>
#include <cstdint>
#include <string>

class basTarvoll;

// Was "OK" im Spielerdialog speichert: die drei Namen so, wie sie in den Feldern stehen,
// die Zahl der Spieler (1 bis 3) und die Kopfzeile des Spielzettels mit dem neuen Namen 1.
// Das laufende Spiel bleibt, wie es ist.
void SpielerUebernehmen(basTarvoll& spiel, const std::array<std::string, 3>& namen, std::uint8_t anzahl);

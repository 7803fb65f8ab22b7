#pragma once

#include "Feld.h"
#include "Raster.h"

#include <string>

// Die Statistiktabelle: acht Zeilen ("Spiel", "1. Spiel" bis " 7. Spiel") und fünf Spalten,
// über den Spalten 1 bis 3 die drei Spielernamen, die fünfte leer. Ergebnisse gibt es keine.
constexpr int BreiteStatistikspalte = 967;  // Twips, Spalten 0 bis 3

void StatistikAufbauen(Raster& raster, const Feld<std::string, 1, 3>& namen);

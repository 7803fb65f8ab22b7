#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Zahlen aus Texten lesen, wie das Spiel Würfeltexte und Zellen des Spielzettels liest:
// Leerzeichen vorn und hinten weg, die führende Dezimalzahl nehmen (0, wenn keine da ist).

// Die führende Zahl so, wie sie als Dezimaltext wieder geschrieben wird ("007" -> "7",
// " 2.50" -> "2.5", "abc" -> "0"). Daraus entstehen die Namen der Würfelbilder.
std::string ZahlText(std::string_view text);

// Die führende Zahl auf die nächste ganze Zahl gerundet, Hälften zur geraden Nachbarzahl,
// und auf 16 Bit begrenzt: was darüber oder darunter liegt, wird zu 32767 bzw. -32768.
std::int16_t ZahlLesen(std::string_view text);

// Ein Ergebnis, das 16 Bit verlassen würde, wird an der Grenze festgehalten.
std::int16_t Begrenzen(long wert);

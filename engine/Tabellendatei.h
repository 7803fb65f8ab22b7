#pragma once

#include "Bestspiel.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Die Bestspieltabelle als Datei, gerechnet beim Bauen und neben das Programm gelegt:
//   8 Bytes  Kennung "QTBESTSP"
//   4 Bytes  Formatversion (1)
//   4 Bytes  Wurfregel (1: wie das Spiel wirft, 2: klassisch)
//   4 Bytes  Zahl der Einträge (8192 × 64)
//   8 Bytes  Prüfsumme der Einträge (FNV-1a, 64 Bit, über die Einträge als 64-Bit-Wörter)
// dann je Lage ein float32 (Index: Kategorienmaske × 64 + obere Summe). Zahlen little-endian.

inline constexpr const char* Tabellendateiname = "daten/bestspiel.tab";  // im Programmordner
inline constexpr std::uint32_t TabellenVersion = 1;
inline constexpr std::size_t TabellenKopf = 28;
inline constexpr std::size_t TabellenHoechstGroesse = 4 * 1024 * 1024;

struct Tabellenergebnis {
    std::optional<Bestspieltabelle> tabelle;  // gefüllt genau dann, wenn die Daten stimmen
    std::string fehler;                       // sonst warum nicht, ein deutscher Satz
};

std::vector<unsigned char> TabelleAlsBytes(const Bestspieltabelle& tabelle, Wurfregel regel);

// Prüft alles, bevor ein Wert benutzt wird: Länge, Kennung, Version, Regel, Zahl der Einträge,
// Prüfsumme und dass jeder Wert eine Zahl von 0 an ist.
Tabellenergebnis TabelleAusBytes(std::span<const unsigned char> bytes, Wurfregel regel = Wurfregel::Spiel);

// Liest höchstens TabellenHoechstGroesse Bytes und prüft sie wie TabelleAusBytes.
Tabellenergebnis TabelleLesen(const std::string& pfad);

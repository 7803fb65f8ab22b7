#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Textfarbe als 0x00BBGGRR; 0 heißt die Standardfarbe des Rasters.
using Farbe = std::uint32_t;

constexpr Farbe Standardfarbe = 0x000000;
constexpr Farbe Rot = 0x0000FF;
constexpr Farbe Gruen = 0x00FF00;
constexpr Farbe Blau = 0xFF0000;
constexpr Farbe Magenta = 0xFF00FF;
constexpr Farbe Tuerkis = 0xFFFF00;

enum class Ausrichtung { Standard, Links, Rechts };

struct Zelle {
    std::string text;
    Farbe farbe = Standardfarbe;
    bool durchgestrichen = false;

    bool operator==(const Zelle&) const = default;
};

// Ein Raster aus Zeilen und Spalten mit Kopfzeile 0 und Kopfspalte 0, wie es der
// Spielzettel und die Statistik zeigen. Text, Farbe und Durchstreichung werden
// an der aktuellen Zelle gesetzt, so wie das Spiel sie anspricht.
class Raster {
public:
    static constexpr int FesteZeilen = 1;
    static constexpr int FesteSpalten = 1;
    static constexpr int Automatisch = -1;  // Spaltenbreite: so breit wie die Kopftexte

    Raster(int zeilen, int spalten);

    int Zeilen() const { return zeilen_; }
    int Spalten() const { return spalten_; }

    // Die Formatzeichenkette: vor ";" die Texte der Zeile 0 ab Spalte 0, durch "|" getrennt,
    // nach ";" die Texte der Spalte 0 ab Zeile 0. Ein führendes "<" oder ">" richtet die
    // Spalte links oder rechts aus. Das Raster bekommt so viele Spalten und Zeilen, wie
    // Einträge da sind; vorhandene Zelleninhalte bleiben stehen.
    void FormatSetzen(std::string_view format);
    const std::string& Format() const { return format_; }

    Zelle& ZelleAn(int zeile, int spalte);
    const Zelle& ZelleAn(int zeile, int spalte) const;

    void AktuelleZelleSetzen(int zeile, int spalte);
    int Zeile() const { return zeile_; }
    int Spalte() const { return spalte_; }
    const std::string& Text() const { return ZelleAn(zeile_, spalte_).text; }
    void TextSetzen(std::string text) { ZelleAn(zeile_, spalte_).text = std::move(text); }
    void FarbeSetzen(Farbe farbe) { ZelleAn(zeile_, spalte_).farbe = farbe; }
    void DurchgestrichenSetzen(bool an) { ZelleAn(zeile_, spalte_).durchgestrichen = an; }

    // Breite in Twips (15 Twips sind ein Pixel), oder Automatisch.
    int Spaltenbreite(int spalte) const;
    void SpaltenbreiteSetzen(int spalte, int twips);
    Ausrichtung SpaltenAusrichtung(int spalte) const;

    bool operator==(const Raster&) const = default;

private:
    void GroesseSetzen(int zeilen, int spalten);

    int zeilen_ = 0;
    int spalten_ = 0;
    std::vector<Zelle> zellen_;  // zeilenweise
    std::vector<int> breiten_;
    std::vector<Ausrichtung> ausrichtungen_;
    int zeile_ = 0;
    int spalte_ = 0;
    std::string format_;
};

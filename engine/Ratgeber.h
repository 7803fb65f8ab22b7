#pragma once

#include "Bestspiel.h"
#include "Zug.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Eine Wahl nach einem Wurf: in eine Zeile eintragen, oder mit diesen Würfeln weiterwürfeln.
struct Wahl {
    std::int16_t zeile = 0;  // 0: weiterwürfeln
    unsigned halten = 0;     // beim Weiterwürfeln gehalten: Bit p-1 für Position p
    double wert = 0.0;       // was ab dieser Runde im Mittel noch an Punkten kommt
};

// Wie gut ein Zug war: sein Wert und die beste Wahl an seiner Stelle.
struct Bewertung {
    double gewaehlt = 0.0;
    Wahl beste;
};

// Eine Zeile der Auswertung: ein Zug des Spiels, Texte fertig zum Zeigen.
struct Auswertungszeile {
    int runde = 0;
    int wurf = 0;
    std::string wuerfel;    // "1 3 3 5 6", Position 1 bis 5
    std::string ihreWahl;   // "Würfel 2 und 3 halten und würfeln", "In „Fullhouse“ eintragen (25 Punkte)"
    std::string besteWahl;  // ebenso; leer, wenn der Zug nicht zu bewerten ist
    std::optional<double> ihrWert;    // erwartete Endsumme nach Ihrer Wahl
    std::optional<double> besterWert;  // erwartete Endsumme nach der besten Wahl
    std::optional<double> verlust;     // besterWert - ihrWert
};

struct Auswertung {
    std::string grund;  // warum es keine gibt; leer, wenn es eine gibt
    std::vector<Auswertungszeile> zeilen;
    double bestesSpiel = 0.0;  // erwartete Endsumme bei bestem Spiel vom ersten Wurf an
    double verschenkt = 0.0;   // die Verluste aller bewerteten Züge zusammen
};

// Der Rat aus der Bestspieltabelle. Die Tabelle wird erst geladen, wenn zum ersten Mal ein Rat
// gebraucht wird; eine fehlende oder beschädigte Tabelle gibt keinen Rat, nur den Grund.
class Ratgeber {
public:
    void DateiSetzen(std::string pfad);
    void TabelleSetzen(std::shared_ptr<const Bestspieltabelle> tabelle);

    // Die Tabelle, oder nichts und in `grund` warum nicht.
    const Bestspieltabelle* Tabelle(std::string& grund);
    // Die Werte der Runde in dieser Lage (die Lage muss erreichbar sein); nichts ohne Tabelle.
    const Rundenwerte* Runde(Lage lage, std::string& grund);

    // Wert und beste Wahl an der Reihe nach dem Wurf `wurf` (1 bis 3). Bei Gleichstand gewinnt
    // das Eintragen: dieselben Würfel später einzutragen bringt nicht mehr.
    static double Wert(const Rundenwerte& runde, const Wuerfelreihe& reihe, int wurf, std::int16_t zeile,
                       unsigned halten);
    static Wahl BesteWahl(const Rundenwerte& runde, const Wuerfelreihe& reihe, int wurf);
    // Die Punkte der Würfel in dieser Zeile, nach den Regeln des Spiels (gestrichen: 0).
    static int Punkte(const Wuerfelreihe& reihe, std::int16_t zeile);

    // Ein aufgezeichneter Zug, einmal gerechnet und gemerkt; nichts, wenn er nicht zu bewerten
    // ist (Würfel außerhalb 1 bis 6, unmögliche Lage) oder die Tabelle fehlt.
    std::optional<Bewertung> Bewerten(const Zug& zug);

private:
    std::string pfad_;
    std::shared_ptr<const Bestspieltabelle> tabelle_;
    std::optional<std::string> fehler_;  // gesetzt, sobald das Laden gescheitert ist
    std::unique_ptr<Rundenwerte> runde_;
    Lage rundenLage_;
    std::vector<std::pair<Zug, std::optional<Bewertung>>> bewertet_;
};

// Die Würfel als Reihe, wenn alle fünf Augen von 1 bis 6 zeigen.
std::optional<Wuerfelreihe> AlsReihe(const std::array<std::int16_t, 5>& wuerfel);

// Die Lage zu einer Kategorienmaske und oberen Summe; nichts, wenn kein Spiel sie hervorbringt.
std::optional<Lage> LageAus(std::uint16_t gewertet, long oben);

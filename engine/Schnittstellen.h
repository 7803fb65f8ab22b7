#pragma once

#include <string>

// Was das Spiel von seiner Umgebung braucht: Meldungsfenster, Zufall und Uhr.
// Das Programm reicht die echten hinein, die Tests ihre eigenen.

enum class Knoepfe { OK, JaNein };
enum class Symbol { Keins, Frage, Information, Warnung };
enum class Antwort { OK, Ja, Nein };

struct Meldung {
    std::string titel;
    std::string text;  // Zeilen durch "\r\n" getrennt
    Knoepfe knoepfe = Knoepfe::OK;
    Symbol symbol = Symbol::Keins;

    bool operator==(const Meldung&) const = default;
};

// Ein modales Meldungsfenster; bei Ja/Nein ist Ja die Vorgabe.
class Meldungen {
public:
    virtual ~Meldungen() = default;
    virtual Antwort Zeigen(const Meldung& meldung) = 0;
};

// Gleichverteilte Zahlen 0 <= r < 1, vor jedem Würfel mit der Uhrzeit neu gemischt.
class Zufallsquelle {
public:
    virtual ~Zufallsquelle() = default;
    virtual void Mischen(double sekundenSeitMitternacht) = 0;
    virtual float Ziehen() = 0;
};

class Uhr {
public:
    virtual ~Uhr() = default;
    virtual double SekundenSeitMitternacht() = 0;
};

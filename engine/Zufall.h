#pragma once

#include "Schnittstellen.h"

#include <random>

// Der Zufall des Programms: Mischen verrührt die Uhrzeit mit dem bisherigen Zustand,
// so wiederholen Würfel aus demselben Uhrtakt nicht einfach einen Wert.
class Zufallsgenerator : public Zufallsquelle {
public:
    Zufallsgenerator();
    void Mischen(double sekundenSeitMitternacht) override;
    float Ziehen() override;

private:
    std::mt19937_64 motor_;
};

class Systemuhr : public Uhr {
public:
    double SekundenSeitMitternacht() override;
};

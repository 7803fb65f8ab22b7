#pragma once

#include <QString>

class Dateiauswahl;
class Meldungen;
class Uhr;
class Zufallsquelle;

// Was das Programm von außen bekommt. Das Programm reicht die echten Teile hinein,
// die Tests ihre eigenen.
struct Umgebung {
    Meldungen& meldungen;
    Zufallsquelle& zufall;
    Uhr& uhr;
    Dateiauswahl& dateiauswahl;
    QString programmordner;  // hier liegen "bilder" und "hilfe"
};

#pragma once

#include <QRect>

class Bildfeld;
class QShowEvent;
class QWidget;

// Die Fenster neben dem Spiel, Statistik und Auswertung: Werkzeugfenster ohne Eintrag in der
// Taskleiste, nur mit Schließfeld, weiß und fest in der Größe, oben das Namenslogo.

// Titel "Quorin Tarvoll - <funktion>", Rahmen und Größe; das Logo liegt oben in der Mitte.
Bildfeld* WerkzeugfensterEinrichten(QWidget* fenster, const char* name, const char* funktion, int breite, int hoehe);

// Beim ersten Zeigen: das Logo in der Auflösung des Bildschirms, das Fenster in dessen Mitte.
void WerkzeugfensterZeigen(QWidget* fenster, Bildfeld* logo, const QShowEvent* ereignis);

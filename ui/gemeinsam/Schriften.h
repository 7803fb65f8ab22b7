#pragma once

#include <QFont>

// Linux kennt die Schriften der Vorlage nicht; diese Debian-Schriften halten die Texte
// in ihren Feldern: Liberation Sans ist so breit wie Arial, DejaVu Sans fett als kräftige Zählerschrift.
QFont Standardschrift();                       // für alle Beschriftungen
QFont Standardschrift(qreal punkte, bool fett = false);
QFont Zaehlerschrift();                        // Runde und Wurf
void SchriftenEinrichten();                    // macht die Standardschrift zur Vorgabe der Anwendung

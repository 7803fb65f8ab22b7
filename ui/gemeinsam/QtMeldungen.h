#pragma once

#include "Schnittstellen.h"

class QMessageBox;

// Die Meldungen des Spiels als modale Qt-Meldungsfenster über dem aktiven Fenster.
class QtMeldungen : public Meldungen {
public:
    Antwort Zeigen(const Meldung& meldung) override;
};

// Titel, Text, Knöpfe und Symbol einer Meldung auf ein Qt-Meldungsfenster übertragen.
void MeldungsfensterEinrichten(QMessageBox& fenster, const Meldung& meldung);

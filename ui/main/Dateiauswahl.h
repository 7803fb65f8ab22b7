#pragma once

#include <QString>

class QWidget;

// Die Einstellungen des Dateidialogs. Sie bleiben von einem Aufruf zum nächsten stehen,
// so startet "Öffnen" mit dem zuletzt gewählten Namen.
struct Dateidialog {
    QString DialogTitle;
    QString Filter;
    QString DefaultExt;
    QString FileName;
};

// Zeigt den Dateidialog; bei Bestätigung steht der gewählte Name danach in FileName.
class Dateiauswahl {
public:
    virtual ~Dateiauswahl() = default;
    virtual bool ShowOpen(Dateidialog& dialog, QWidget* besitzer) = 0;
    virtual bool ShowSave(Dateidialog& dialog, QWidget* besitzer) = 0;
};

// Der Dateidialog von Qt: Öffnen nimmt nur vorhandene Dateien, Speichern fragt vor dem Ersetzen.
// Er schreibt keine Einstellungen (siehe Konstruktor).
class QtDateiauswahl : public Dateiauswahl {
public:
    QtDateiauswahl();
    bool ShowOpen(Dateidialog& dialog, QWidget* besitzer) override;
    bool ShowSave(Dateidialog& dialog, QWidget* besitzer) override;
};

#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

class basTarvoll;
class Bildfeld;
class QLabel;
class QPushButton;
class QTableWidget;

// Das Auswertungsfenster: jede Entscheidung des laufenden Spiels neben der besten an ihrer
// Stelle, mit dem, was sie im Mittel gekostet hat; darunter die erwartete Endsumme bei bestem
// Spiel und was alle Entscheidungen zusammen verschenkt haben. Es folgt dem Spiel: das
// Hauptfenster ruft Aktualisieren(), wann immer sich seine Anzeige ändert. Ohne Besitzer,
// nicht modal.
class frmAuswertung : public QWidget {
    Q_OBJECT
public:
    explicit frmAuswertung(basTarvoll& spiel, QWidget* eltern = nullptr);

    Bildfeld* Image1 = nullptr;
    QLabel* lblAuswertung = nullptr;
    QTableWidget* mfgAuswertung = nullptr;
    QLabel* lblErgebnis = nullptr;
    QPushButton* cmdSchliessen = nullptr;

    void Aktualisieren();

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    basTarvoll& spiel_;
    std::vector<QStringList> gezeigt_;  // die Zeilen, wie sie zuletzt in der Tabelle standen
};

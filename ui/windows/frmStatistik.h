#pragma once

#include "Raster.h"

#include <QWidget>

class basTarvoll;
class Bildfeld;
class QLabel;
class QPushButton;
class RasterAnsicht;

// Das Statistikfenster: eine Tabelle für sieben Spiele unter den drei Spielernamen, ohne
// Ergebnisse. Die Namen werden einmal beim Anlegen gelesen; wer sie später ändert, sieht sie
// erst in einem neu angelegten Fenster. Ohne Besitzer, nicht modal.
class frmStatistik : public QWidget {
    Q_OBJECT
public:
    explicit frmStatistik(const basTarvoll& spiel, QWidget* eltern = nullptr);
    ~frmStatistik() override;

    Bildfeld* Image1 = nullptr;
    QLabel* lblStatistik = nullptr;
    RasterAnsicht* mfgStatistik = nullptr;
    QPushButton* cmdSchliessen = nullptr;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    Raster tabelle_{8, 4};
};

#pragma once

#include <QDialog>

class basTarvoll;
class Meldungen;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// Der Spielerdialog: Zahl der Spieler am Schieberegler, die Namen in drei Feldern.
// "OK" speichert Namen, Zahl und Kopfzeile des Spielzettels; "Abbrechen" und das
// Schließfeld lassen alles, wie es war. Je Anzeige neu anlegen und mit exec() zeigen.
class frmSpieler : public QDialog {
    Q_OBJECT
public:
    frmSpieler(basTarvoll& spiel, Meldungen& meldungen, QWidget* besitzer = nullptr);

    QLineEdit* txtSpieler1 = nullptr;
    QLineEdit* txtSpieler2 = nullptr;
    QLineEdit* txtSpieler3 = nullptr;
    QSlider* sldSpieler = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbrechen = nullptr;
    QLabel* lblSpieler1 = nullptr;
    QLabel* lblSpieler2 = nullptr;
    QLabel* lblSpieler3 = nullptr;
    QFrame* Line1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void SteuerelementeAnlegen();
    void SchiebereglerAnwenden();
    void cmdOK_Click();

    basTarvoll& spiel_;
    Meldungen& meldungen_;
};

#pragma once

#include <QMainWindow>

#include <array>

class basTarvoll;
class Bildfeld;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class RasterAnsicht;
struct Wuerfelbild;

// Das Hauptfenster: zeigt den Anzeigezustand des Spiels und reicht jedes Ereignis an das
// Spielmodul weiter. Spielregeln stehen hier keine.
class frmTarvoll : public QMainWindow {
    Q_OBJECT
public:
    // `programmordner` ist der Ordner, in dem "bilder" und "hilfe" liegen.
    frmTarvoll(basTarvoll& spiel, QString programmordner, QWidget* eltern = nullptr);
    ~frmTarvoll() override;

    // Steuerelemente, wie das Spiel sie kennt.
    RasterAnsicht* mfgPunktanzeige = nullptr;
    QGroupBox* fraAnimation = nullptr;
    QGroupBox* fraInfo = nullptr;
    std::array<Bildfeld*, 5> imgWuerfel{};
    std::array<QLineEdit*, 5> txtWuerfel{};
    QLabel* lblInfo = nullptr;
    QPushButton* cmdWuerfeln = nullptr;
    QPushButton* cmdNeu = nullptr;
    QPushButton* cmdBeenden = nullptr;
    QLabel* lblRunde = nullptr;
    QLabel* lblRunde2 = nullptr;
    QLabel* lblWurf = nullptr;
    QLabel* lblWurf2 = nullptr;
    Bildfeld* Image1 = nullptr;
    Bildfeld* Image2 = nullptr;
    std::array<QLabel*, 3> stbAnzeige{};  // Datum, Uhrzeit, Text

    QMenu* mnuDatei = nullptr;
    QAction* mnuOeffnen = nullptr;
    QAction* mnuSpeichern = nullptr;
    QAction* mnuDummy = nullptr;
    QAction* mnuInfo = nullptr;
    QAction* mnuDebug = nullptr;
    QAction* mnuBeenden = nullptr;
    QMenu* mnuSpiel = nullptr;
    QAction* mnuSpieler = nullptr;
    QAction* mnuStatistik = nullptr;
    QMenu* mnuHilfe = nullptr;
    QAction* mnuSpielregeln = nullptr;
    QAction* mnuLiesmich = nullptr;

    basTarvoll& spiel() { return spiel_; }
    const QString& programmordner() const { return programmordner_; }

public slots:
    // Übernimmt den Anzeigezustand des Spiels in die Steuerelemente.
    void Anzeigen();

private:
    void SteuerelementeAnlegen();
    void MenuesAnlegen();
    void StatusleisteAnlegen();
    void EreignisseVerbinden();
    void Tabreihenfolge();
    void WuerfelbildZeigen(int index, const Wuerfelbild& bild);
    void UhrAnzeigen();

    basTarvoll& spiel_;
    QString programmordner_;
    std::array<QString, 5> gezeigteBilder_;
    qreal gezeigtesPixelverhaeltnis_ = 0;
};

#pragma once

#include "Bilder.h"
#include "Dateiauswahl.h"
#include "Umgebung.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class basTarvoll;
class Bildfeld;
class frmAuswertung;
class frmDebug;
class frmStatistik;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class RasterAnsicht;
class Statusfeld;
struct Wuerfelbild;

// Das Hauptfenster: zeigt den Anzeigezustand des Spiels und reicht jedes Ereignis an das
// Spielmodul weiter. Spielregeln stehen hier keine.
class frmTarvoll : public QMainWindow {
    Q_OBJECT
public:
    frmTarvoll(basTarvoll& spiel, const Umgebung& umgebung, QWidget* eltern = nullptr);
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
    std::array<Statusfeld*, 3> stbAnzeige{};  // Datum, Uhrzeit, Text

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
    QAction* mnuDummy2 = nullptr;
    QAction* mnuTipp = nullptr;
    QAction* mnuAuswertung = nullptr;
    QMenu* mnuHilfe = nullptr;
    QAction* mnuSpielregeln = nullptr;
    QAction* mnuLiesmich = nullptr;

    // Die Einstellungen des Dateidialogs, solange das Fenster lebt.
    Dateidialog cdlDialog1;

    // Beendet das Programm sofort; Tests setzen hier ihren Beobachter ein.
    std::function<void()> ProgrammBeenden;

    basTarvoll& spiel() { return spiel_; }
    const QString& programmordner() const { return umgebung_.programmordner; }

public slots:
    // Übernimmt den Anzeigezustand des Spiels in die Steuerelemente.
    void Anzeigen();

    void frmTarvoll_cmdBeenden_Click();
    void frmTarvoll_mnuBeenden_Click();
    void frmTarvoll_mnuOeffnen_Click();
    void frmTarvoll_mnuSpeichern_Click();
    void frmTarvoll_mnuInfo_Click();
    void frmTarvoll_mnuDebug_Click();
    void frmTarvoll_mnuSpieler_Click();
    void frmTarvoll_mnuStatistik_Click();
    void frmTarvoll_mnuTipp_Click();
    void frmTarvoll_mnuAuswertung_Click();
    void frmTarvoll_mnuSpielregeln_Click();
    void frmTarvoll_mnuLiesmich_Click();

private:
    void SteuerelementeAnlegen();
    void MenuesAnlegen();
    void StatusleisteAnlegen();
    void EreignisseVerbinden();
    void ZugangEinrichten();
    void Tabreihenfolge();
    void WuerfelbildZeigen(int index, const Wuerfelbild& bild);
    void InfozeileZeigen(const QString& text);
    void UhrAnzeigen();
    void HilfeOeffnen(const QString& datei);
    void DateidialogEinrichten(const QString& titel);

    basTarvoll& spiel_;
    Umgebung umgebung_;
    // Statistik, Debug- und Auswertungsfenster gibt es höchstens einmal; ein zweiter Befehl holt
    // sie nach vorn.
    QPointer<frmStatistik> statistik_;
    QPointer<frmDebug> debug_;
    QPointer<frmAuswertung> auswertung_;
    Wuerfelbilder wuerfelbilder_;
    std::array<QString, 5> gezeigteBilder_;
    qreal gezeigtesPixelverhaeltnis_ = 0;
};

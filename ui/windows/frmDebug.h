#pragma once

#include <QPointer>
#include <QWidget>

#include <string_view>

class basTarvoll;
class QPlainTextEdit;
class QPushButton;

// Das Debug-Fenster: zehn Knöpfe setzen feste Würfel in die Würfeltexte des Hauptfensters,
// "Installation prüfen" zeigt die Kennung des Programms. Nicht modal, ohne Besitzer.
class frmDebug : public QWidget {
    Q_OBJECT
public:
    // `hauptfenster` wird leer, wenn das Hauptfenster geschlossen ist; dann tun die
    // Würfelknöpfe nichts mehr.
    frmDebug(basTarvoll& spiel, QPointer<QWidget> hauptfenster, QWidget* eltern = nullptr);

    QPushButton* cmd12345 = nullptr;
    QPushButton* cmd23456 = nullptr;
    QPushButton* cmd11111 = nullptr;
    QPushButton* cmd22222 = nullptr;
    QPushButton* cmd33333 = nullptr;
    QPushButton* cmd44444 = nullptr;
    QPushButton* cmd55555 = nullptr;
    QPushButton* cmd66666 = nullptr;
    QPushButton* cmd33322 = nullptr;
    QPushButton* cmd44441 = nullptr;
    QPushButton* cmdInstallation_Pruefen = nullptr;
    QPushButton* cmdSchliessen = nullptr;
    QPlainTextEdit* txtAusgabe = nullptr;

public slots:
    void frmDebug_cmd11111_Click();
    void frmDebug_cmd12345_Click();
    void frmDebug_cmd22222_Click();
    void frmDebug_cmd23456_Click();
    void frmDebug_cmd33322_Click();
    void frmDebug_cmd33333_Click();
    void frmDebug_cmd44441_Click();
    void frmDebug_cmd44444_Click();
    void frmDebug_cmd55555_Click();
    void frmDebug_cmd66666_Click();
    void frmDebug_cmdInstallation_Pruefen_Click();
    void frmDebug_cmdSchliessen_Click();

private:
    void Vorgeben(std::string_view ziffern);

    basTarvoll& spiel_;
    QPointer<QWidget> hauptfenster_;
};

#pragma once

#include <QDialog>

class Bildfeld;
class QLabel;

// Die Titelkarte: beim Start allein auf dem Bildschirm, später das Info-Fenster.
// Ein Klick irgendwohin schließt sie; Bilder und Beschriftungen reichen ihre Klicks
// an die Karte weiter. Ohne Maus tun Eingabe und Leertaste dasselbe, und Hilfsmittel
// können die Karte drücken. Escape schließt nur das Info-Fenster.
class frmTitelbild : public QDialog {
    Q_OBJECT
public:
    explicit frmTitelbild(QWidget* besitzer = nullptr);

    Bildfeld* imgVelmar_Logo = nullptr;
    Bildfeld* imgQuorin_Tarvoll = nullptr;
    Bildfeld* img3Wuerfel = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCopyright2 = nullptr;

    static const QString Rechtshinweis;

    // Was ein Klick auf die Karte tut: die Karte schließen und den Klick melden.
    void Weiter();

signals:
    void angeklickt();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void BilderLaden();
};

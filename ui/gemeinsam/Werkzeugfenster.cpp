#include "Werkzeugfenster.h"

#include "Bildfeld.h"
#include "Bilder.h"
#include "Produkt.h"
#include "Steuerelemente.h"
#include "Twips.h"

#include <QScreen>
#include <QShowEvent>
#include <QStyle>

Bildfeld* WerkzeugfensterEinrichten(QWidget* fenster, const char* name, const char* funktion, int breite, int hoehe)
{
    fenster->setObjectName(QString::fromLatin1(name));
    fenster->setWindowTitle(QString::fromUtf8(Spieltitel) + QStringLiteral(" - ") + QString::fromUtf8(funktion));
    // Ein Werkzeugfenster erscheint nicht in der Taskleiste; Schließfeld ja, Minimieren und Maximieren nein.
    fenster->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint);
    // Werkzeugfenster zählen in Qt nicht als offene Fenster; diese halten das Programm aber am
    // Laufen, wenn das Hauptfenster vor ihnen geschlossen wird.
    fenster->setAttribute(Qt::WA_QuitOnClose, true);
    fenster->setFixedSize(Pixel(breite), Pixel(hoehe));
    QPalette farben = fenster->palette();
    farben.setColor(QPalette::Window, Qt::white);
    fenster->setPalette(farben);
    fenster->setAutoFillBackground(true);

    constexpr int LogoBreite = 3000, LogoHoehe = 600;  // 200 × 40 Pixel
    auto* logo = Anlegen<Bildfeld>(fenster, "Image1", Twips((breite - LogoBreite) / 2, 120, LogoBreite, LogoHoehe));
    logo->setAccessibleName(QString::fromUtf8(Spieltitel));
    return logo;
}

void WerkzeugfensterZeigen(QWidget* fenster, Bildfeld* logo, const QShowEvent* ereignis)
{
    if (ereignis->spontaneous()) {
        return;
    }
    logo->BildSetzen(FensterbildLaden(QStringLiteral("namenslogo.jpg"), fenster->devicePixelRatioF()));
    fenster->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, fenster->size(), fenster->screen()->availableGeometry()));
}

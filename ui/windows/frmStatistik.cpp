#include "frmStatistik.h"

#include "Bildfeld.h"
#include "Bilder.h"
#include "Produkt.h"
#include "RasterAnsicht.h"
#include "Schriften.h"
#include "Statistik.h"
#include "Steuerelemente.h"
#include "Twips.h"
#include "basTarvoll.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

frmStatistik::frmStatistik(const basTarvoll& spiel, QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("frmStatistik"));
    setWindowTitle(QString::fromUtf8(Spieltitel) + QStringLiteral(" - Statistik"));
    // Ein Werkzeugfenster erscheint nicht in der Taskleiste; Schließfeld ja, Minimieren und Maximieren nein.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    // Werkzeugfenster zählen in Qt nicht als offene Fenster; die Statistik hält das Programm
    // aber am Laufen, wenn das Hauptfenster vor ihr geschlossen wird.
    setAttribute(Qt::WA_QuitOnClose, true);
    setFixedSize(Pixel(4605), Pixel(4770));
    QPalette farben = palette();
    farben.setColor(QPalette::Window, Qt::white);
    setPalette(farben);
    setAutoFillBackground(true);

    Image1 = Anlegen<Bildfeld>(this, "Image1", Twips(795, 120, 3000, 600));
    Image1->setAccessibleName(QStringLiteral("Quorin Tarvoll"));

    lblStatistik = Beschriftung(this, "lblStatistik", Twips(1268, 720, 2055, 375), QStringLiteral("Statistik"));
    lblStatistik->setFont(Standardschrift(13.5, true));
    lblStatistik->setAutoFillBackground(true);

    StatistikAufbauen(tabelle_, spiel.strSpielername);
    mfgStatistik = new RasterAnsicht(tabelle_, this);
    mfgStatistik->setObjectName(QStringLiteral("mfgStatistik"));
    mfgStatistik->setAccessibleName(QStringLiteral("Statistik"));
    mfgStatistik->setGeometry(Twips(315, 1560, 3975, 2055));
    mfgStatistik->Aktualisieren();

    cmdSchliessen = Anlegen<QPushButton>(this, "cmdSchliessen", Twips(1695, 3960, 1215, 495));
    cmdSchliessen->setText(QStringLiteral("&Schliessen"));
    connect(cmdSchliessen, &QPushButton::clicked, this, &QWidget::close);

    setTabOrder(mfgStatistik, cmdSchliessen);
}

// Die Tabelle hängt an der Ansicht; die Ansicht geht zuerst, solange die Tabelle noch lebt.
frmStatistik::~frmStatistik() { delete mfgStatistik; }

void frmStatistik::showEvent(QShowEvent* ereignis)
{
    if (!ereignis->spontaneous()) {
        Image1->BildSetzen(FensterbildLaden(QStringLiteral("namenslogo.jpg"), devicePixelRatioF()));
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
    }
    QWidget::showEvent(ereignis);
}

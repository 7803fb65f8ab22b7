#include "frmStatistik.h"

#include "Bildfeld.h"
#include "RasterAnsicht.h"
#include "Schriften.h"
#include "Statistik.h"
#include "Steuerelemente.h"
#include "Twips.h"
#include "Werkzeugfenster.h"
#include "basTarvoll.h"

#include <QLabel>
#include <QPushButton>

frmStatistik::frmStatistik(const basTarvoll& spiel, QWidget* eltern) : QWidget(eltern)
{
    Image1 = WerkzeugfensterEinrichten(this, "frmStatistik", "Statistik", 4605, 4770);

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
    WerkzeugfensterZeigen(this, Image1, ereignis);
    QWidget::showEvent(ereignis);
}

#include "frmSpieler.h"

#include "Produkt.h"
#include "Spieler.h"
#include "Spielstand.h"
#include "Steuerelemente.h"
#include "Twips.h"
#include "basTarvoll.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>

namespace {

QPushButton* Knopf(QWidget* eltern, const char* name, int links, const QString& text)
{
    auto* knopf = Anlegen<QPushButton>(eltern, name, Twips(links, 2640, 1215, 495));
    knopf->setText(text);
    // Kein Knopf ist Vorgabe: Enter löst nichts aus, auch nicht am Knopf mit dem Fokus.
    knopf->setAutoDefault(false);
    knopf->setDefault(false);
    return knopf;
}

// Ein Namensfeld in Gebrauch ist offen und hat den Feldhintergrund des Systems; eines
// außer Gebrauch ist gesperrt und grau wie die Flächen der Schaltflächen, zeigt aber
// seinen Namen weiter. Reihenfolge: gesperrt, schreibgeschützt, Hintergrund.
void NamensfeldSetzen(QLineEdit* feld, bool inGebrauch)
{
    feld->setEnabled(inGebrauch);
    feld->setReadOnly(!inGebrauch);
    const QPalette system = QApplication::palette();
    QPalette farben = feld->palette();
    farben.setColor(QPalette::Base, inGebrauch ? system.color(QPalette::Active, QPalette::Base)
                                               : system.color(QPalette::Inactive, QPalette::Button));
    feld->setPalette(farben);
}

}  // namespace

frmSpieler::frmSpieler(basTarvoll& spiel, Meldungen& meldungen, QWidget* besitzer)
    : QDialog(besitzer), spiel_(spiel), meldungen_(meldungen)
{
    setObjectName(QStringLiteral("frmSpieler"));
    setWindowTitle(QString::fromUtf8(Spieltitel) + QStringLiteral(" - Spieler"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Pixel(4575), Pixel(3270));
    SteuerelementeAnlegen();

    // Laden: die Namen aus dem Spiel, der Regler auf 1, Felder 2 und 3 außer Gebrauch.
    txtSpieler1->setText(QString::fromStdString(spiel_.strSpielername[1]));
    txtSpieler2->setText(QString::fromStdString(spiel_.strSpielername[2]));
    txtSpieler3->setText(QString::fromStdString(spiel_.strSpielername[3]));
    txtSpieler2->setEnabled(false);
    txtSpieler3->setEnabled(false);
    SchiebereglerAnwenden();

    connect(sldSpieler, &QSlider::valueChanged, this, &frmSpieler::SchiebereglerAnwenden);
    connect(cmdOK, &QPushButton::clicked, this, &frmSpieler::cmdOK_Click);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSpieler::SteuerelementeAnlegen()
{
    txtSpieler1 = Anlegen<QLineEdit>(this, "txtSpieler1", Twips(2280, 330, 1935, 285));
    txtSpieler2 = Anlegen<QLineEdit>(this, "txtSpieler2", Twips(2280, 1080, 1935, 285));
    txtSpieler3 = Anlegen<QLineEdit>(this, "txtSpieler3", Twips(2280, 1800, 1935, 285));
    // Ein Spielstand nimmt Namen bis zu dieser Länge auf; längere ließen sich nicht speichern.
    for (auto* feld : {txtSpieler1, txtSpieler2, txtSpieler3}) {
        feld->setMaxLength(static_cast<int>(Spielstand::HoechstLaenge));
    }

    // Oben steht 1, unten 3; Pfeil nach unten nimmt einen Spieler dazu.
    sldSpieler = Anlegen<QSlider>(this, "sldSpieler", Twips(360, 240, 615, 1935));
    sldSpieler->setOrientation(Qt::Vertical);
    sldSpieler->setRange(1, 3);
    sldSpieler->setSingleStep(1);
    sldSpieler->setPageStep(1);
    sldSpieler->setInvertedAppearance(true);
    sldSpieler->setInvertedControls(true);
    sldSpieler->setTickPosition(QSlider::TicksRight);
    sldSpieler->setTickInterval(1);
    sldSpieler->setValue(1);
    sldSpieler->setAccessibleName(QStringLiteral("Anzahl der Spieler"));

    cmdOK = Knopf(this, "cmdOK", 120, QStringLiteral("&OK"));
    cmdAbbrechen = Knopf(this, "cmdAbbrechen", 3240, QStringLiteral("&Abbrechen"));
    lblSpieler1 = Beschriftung(this, "lblSpieler1", Twips(1080, 360, 1215, 255), QStringLiteral("Spieler 1"));
    lblSpieler2 = Beschriftung(this, "lblSpieler2", Twips(1080, 1080, 1215, 255), QStringLiteral("Spieler 2"));
    lblSpieler3 = Beschriftung(this, "lblSpieler3", Twips(1080, 1800, 1215, 255), QStringLiteral("Spieler 3"));
    // Die Beschriftungen stehen nur neben den Feldern; Sprachausgaben brauchen die Namen am Feld.
    txtSpieler1->setAccessibleName(lblSpieler1->text());
    txtSpieler2->setAccessibleName(lblSpieler2->text());
    txtSpieler3->setAccessibleName(lblSpieler3->text());

    Line1 = Anlegen<QFrame>(this, "Line1", Twips(120, 2400, 4320, 15));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setLineWidth(1);

    QWidget* vorher = txtSpieler1;
    for (QWidget* naechstes : {static_cast<QWidget*>(txtSpieler2), static_cast<QWidget*>(txtSpieler3),
                               static_cast<QWidget*>(sldSpieler), static_cast<QWidget*>(cmdOK),
                               static_cast<QWidget*>(cmdAbbrechen)}) {
        setTabOrder(vorher, naechstes);
        vorher = naechstes;
    }
    txtSpieler1->setFocus();
}

void frmSpieler::SchiebereglerAnwenden()
{
    const int spieler = sldSpieler->value();
    NamensfeldSetzen(txtSpieler2, spieler >= 2);
    NamensfeldSetzen(txtSpieler3, spieler >= 3);
}

void frmSpieler::cmdOK_Click()
{
    if (spiel_.blnGewuerfelt) {
        const Meldung frage{std::string(Spieltitel) + " - Spieler", "Aktuelles Spiel beenden?", Knoepfe::JaNein,
                            Symbol::Frage};
        if (meldungen_.Zeigen(frage) == Antwort::Nein) {
            return;
        }
    }
    SpielerUebernehmen(spiel_,
                       {txtSpieler1->text().toStdString(), txtSpieler2->text().toStdString(),
                        txtSpieler3->text().toStdString()},
                       static_cast<std::uint8_t>(sldSpieler->value()));
    accept();
}

void frmSpieler::keyPressEvent(QKeyEvent* ereignis)
{
    // Escape schließt diesen Dialog nicht; Enter übergeht QDialog ohnehin, da kein Knopf Vorgabe ist.
    if (ereignis->key() == Qt::Key_Escape) {
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

void frmSpieler::showEvent(QShowEvent* ereignis)
{
    if (!ereignis->spontaneous()) {
        const QScreen* bildschirm = parentWidget() ? parentWidget()->screen() : screen();
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), bildschirm->availableGeometry()));
    }
    QDialog::showEvent(ereignis);
}

#include "frmTitelbild.h"

#include "Bildfeld.h"
#include "Bilder.h"
#include "Produkt.h"
#include "Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>

const QString frmTitelbild::Rechtshinweis = QStringLiteral(
    "Dieses Programm ist urheberrechtlich geschützt. Es darf für den privaten Gebrauch "
    "frei kopiert und weitergegeben werden, solange es vollständig und unverändert bleibt. "
    "Verkauf oder Weitergabe als Teil anderer Angebote ist nur mit Zustimmung der Entwickler "
    "erlaubt. Die Benutzung geschieht auf eigene Gefahr; für Schäden wird keine Haftung übernommen.");

namespace {

QLabel* Beschriftung(QWidget* eltern, const char* name, QRect lage, const QString& text, Qt::Alignment ausrichtung)
{
    auto* beschriftung = new QLabel(text, eltern);
    beschriftung->setObjectName(QString::fromLatin1(name));
    beschriftung->setGeometry(lage);
    beschriftung->setAlignment(ausrichtung);
    return beschriftung;
}

Bildfeld* Bild(QWidget* eltern, const char* name, QRect lage)
{
    auto* bild = new Bildfeld(eltern);
    bild->setObjectName(QString::fromLatin1(name));
    bild->setGeometry(lage);
    // Der Klick gehört der Karte, nicht dem Bild.
    bild->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bild;
}

}  // namespace

frmTitelbild::frmTitelbild(QWidget* besitzer) : QDialog(besitzer)
{
    setObjectName(QStringLiteral("frmTitelbild"));
    setWindowTitle(QStringLiteral("Quorin Tarvoll"));
    // Rahmenlos und ohne Eintrag in der Taskleiste.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setFixedSize(Pixel(8175), Pixel(3975));
    QPalette farben = palette();
    farben.setColor(QPalette::Window, Qt::white);
    farben.setColor(QPalette::WindowText, Qt::black);
    setPalette(farben);
    setAutoFillBackground(true);

    imgVelmar_Logo = Bild(this, "imgVelmar_Logo", Twips(480, 240, 7125, 1395));
    imgQuorin_Tarvoll = Bild(this, "imgQuorin_Tarvoll", Twips(480, 2040, 3000, 600));
    img3Wuerfel = Bild(this, "img3Wuerfel", Twips(3600, 2040, 900, 795));
    lblCopyright = Beschriftung(this, "lblCopyright", Twips(4560, 1680, 3015, 2055), Rechtshinweis,
                                Qt::AlignRight | Qt::AlignTop);
    lblCopyright->setWordWrap(true);
    lblVersion = Beschriftung(this, "lblVersion", Twips(3360, 3240, 1335, 255),
                              QStringLiteral("Version ") + QLatin1String(Version), Qt::AlignCenter);
    lblVersion->setStyleSheet(QStringLiteral("color: #ff0000;"));
    lblCopyright2 = Beschriftung(this, "lblCopyright2", Twips(600, 3480, 2775, 255),
                                 QString::fromUtf8(Urheberhinweis), Qt::AlignLeft | Qt::AlignVCenter);
    for (auto* beschriftung : findChildren<QLabel*>()) {
        beschriftung->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void frmTitelbild::BilderLaden()
{
    const qreal verhaeltnis = devicePixelRatioF();
    imgVelmar_Logo->BildSetzen(FensterbildLaden(QStringLiteral("herstellerlogo.jpg"), verhaeltnis));
    imgQuorin_Tarvoll->BildSetzen(FensterbildLaden(QStringLiteral("namenslogo.jpg"), verhaeltnis));
    img3Wuerfel->BildSetzen(FensterbildLaden(QStringLiteral("dreiwuerfel.jpg"), verhaeltnis));
}

void frmTitelbild::showEvent(QShowEvent* ereignis)
{
    BilderLaden();
    // Mittig über dem Besitzer, sonst mittig auf dem Bildschirm.
    const QRect bezug = parentWidget() ? parentWidget()->window()->geometry() : screen()->availableGeometry();
    move(bezug.center() - rect().center());
    QDialog::showEvent(ereignis);
}

void frmTitelbild::paintEvent(QPaintEvent*)
{
    // Vier Linien, fünf Pixel breit, entlang der Kanten.
    QPainter maler(this);
    maler.setPen(QPen(palette().color(QPalette::WindowText), 5));
    const auto punkt = [](int x, int y) { return QPoint(Pixel(x), Pixel(y)); };
    maler.drawLine(punkt(0, 0), punkt(0, 3960));
    maler.drawLine(punkt(8160, 0), punkt(8160, 4080));
    maler.drawLine(punkt(8160, 3960), punkt(0, 3960));
    maler.drawLine(punkt(8160, 0), punkt(0, 0));
}

void frmTitelbild::mouseReleaseEvent(QMouseEvent* ereignis)
{
    if (ereignis->button() != Qt::LeftButton) {
        return;
    }
    emit angeklickt();
    accept();
}

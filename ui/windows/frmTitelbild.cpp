#include "frmTitelbild.h"

#include "Bildfeld.h"
#include "Bilder.h"
#include "Produkt.h"
#include "Steuerelemente.h"
#include "Twips.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
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

Bildfeld* Bild(QWidget* eltern, const char* name, QRect lage, const QString& zugangsname)
{
    auto* bild = new Bildfeld(eltern);
    bild->setObjectName(QString::fromLatin1(name));
    bild->setGeometry(lage);
    bild->setAccessibleName(zugangsname);
    // Der Klick gehört der Karte, nicht dem Bild.
    bild->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bild;
}

// Für Hilfsmittel ist die Karte ein Dialog, den man drücken kann wie mit einem Klick.
class TitelbildZugang : public QAccessibleWidget {
public:
    explicit TitelbildZugang(frmTitelbild* karte) : QAccessibleWidget(karte, QAccessible::Dialog) {}

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }

    void doAction(const QString& aktion) override
    {
        if (aktion != pressAction()) {
            QAccessibleWidget::doAction(aktion);
            return;
        }
        // Erst nach der Antwort an das Hilfsmittel, denn danach lädt das Hauptfenster.
        auto* karte = static_cast<frmTitelbild*>(widget());
        QMetaObject::invokeMethod(karte, &frmTitelbild::Weiter, Qt::QueuedConnection);
    }
};

QAccessibleInterface* TitelbildZugangAnlegen(const QString& klasse, QObject* objekt)
{
    if (klasse == QLatin1String(frmTitelbild::staticMetaObject.className())) {
        if (auto* karte = qobject_cast<frmTitelbild*>(objekt)) {
            return new TitelbildZugang(karte);
        }
    }
    return nullptr;
}

}  // namespace

frmTitelbild::frmTitelbild(QWidget* besitzer) : QDialog(besitzer)
{
    static const bool zugangEingerichtet = (QAccessible::installFactory(&TitelbildZugangAnlegen), true);
    Q_UNUSED(zugangEingerichtet)
    setObjectName(QStringLiteral("frmTitelbild"));
    setWindowTitle(QStringLiteral("Quorin Tarvoll"));
    setAccessibleDescription(QStringLiteral("Titelkarte: ein Klick, Eingabe oder Leertaste geht weiter"));
    // Rahmenlos und ohne Eintrag in der Taskleiste.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    // Werkzeugfenster zählen in Qt nicht als offene Fenster. Beim Start ist die Karte aber das
    // einzige: schließt das Fenstersystem sie, endet das Programm wie nach seinem letzten Fenster.
    setAttribute(Qt::WA_QuitOnClose, true);
    setFixedSize(Pixel(8175), Pixel(3975));
    QPalette farben = palette();
    farben.setColor(QPalette::Window, Qt::white);
    farben.setColor(QPalette::WindowText, Qt::black);
    setPalette(farben);
    setAutoFillBackground(true);

    imgVelmar_Logo = Bild(this, "imgVelmar_Logo", Twips(480, 240, 7125, 1395), QStringLiteral("Herstellerlogo"));
    imgQuorin_Tarvoll =
        Bild(this, "imgQuorin_Tarvoll", Twips(480, 2040, 3000, 600), QStringLiteral("Quorin Tarvoll"));
    img3Wuerfel = Bild(this, "img3Wuerfel", Twips(3600, 2040, 900, 795), QStringLiteral("Drei Würfel"));
    lblCopyright = Beschriftung(this, "lblCopyright", Twips(4560, 1680, 3015, 2055), Rechtshinweis,
                                Qt::AlignRight | Qt::AlignTop);
    lblCopyright->setWordWrap(true);
    lblVersion = Beschriftung(this, "lblVersion", Twips(3360, 3240, 1335, 255),
                              QStringLiteral("Version ") + QLatin1String(Version), Qt::AlignCenter);
    // Rot über die Farbpalette: ein Stylesheet zöge beim Start den ganzen Stylesheet-Stil nach.
    QPalette rot = lblVersion->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    lblVersion->setPalette(rot);
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
    Weiter();
}

void frmTitelbild::keyPressEvent(QKeyEvent* ereignis)
{
    const auto taste = ereignis->key();
    if ((taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Space) &&
        (ereignis->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Weiter();
        return;
    }
    // Beim Start gibt es nur die Karte; Escape schlösse sie, und nichts käme danach.
    if (taste == Qt::Key_Escape && !parentWidget()) {
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

void frmTitelbild::Weiter()
{
    // Die Karte geht, weil es weitergeht: dieses Schließen beendet das Programm nicht.
    setAttribute(Qt::WA_QuitOnClose, false);
    accept();
    emit angeklickt();
}

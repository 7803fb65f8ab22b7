#include "Bildfeld.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Was Hilfsmittel von einem Bildfeld sehen: ein Bild, oder einen Knopf, dessen Drücken
// dasselbe meldet wie ein Klick.
class BildfeldZugang : public QAccessibleWidget {
public:
    explicit BildfeldZugang(Bildfeld* feld) : QAccessibleWidget(feld) {}

    QAccessible::Role role() const override { return feld()->Anklickbar() ? QAccessible::Button : QAccessible::Graphic; }

    QStringList actionNames() const override
    {
        return feld()->Anklickbar() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }

    void doAction(const QString& aktion) override
    {
        if (aktion != pressAction() || !feld()->Anklickbar()) {
            QAccessibleWidget::doAction(aktion);
            return;
        }
        // Erst nach der Antwort an das Hilfsmittel: öffnete das Ereignis ein Meldungsfenster,
        // wartete das Hilfsmittel sonst, bis es zu ist.
        QMetaObject::invokeMethod(
            feld(), [feld = feld()] { emit feld->angeklickt(); }, Qt::QueuedConnection);
    }

private:
    Bildfeld* feld() const { return static_cast<Bildfeld*>(widget()); }
};

QAccessibleInterface* BildfeldZugangAnlegen(const QString& klasse, QObject* objekt)
{
    if (klasse == QLatin1String(Bildfeld::staticMetaObject.className())) {
        if (auto* feld = qobject_cast<Bildfeld*>(objekt)) {
            return new BildfeldZugang(feld);
        }
    }
    return nullptr;
}

}  // namespace

Bildfeld::Bildfeld(QWidget* eltern) : QWidget(eltern)
{
    static const bool zugangEingerichtet = (QAccessible::installFactory(&BildfeldZugangAnlegen), true);
    Q_UNUSED(zugangEingerichtet)
}

void Bildfeld::BildSetzen(const QPixmap& bild)
{
    bild_ = bild;
    update();
}

void Bildfeld::RahmenSetzen(bool an)
{
    if (rahmen_ != an) {
        rahmen_ = an;
        update();
    }
}

void Bildfeld::MarkeSetzen(bool an)
{
    if (marke_ != an) {
        marke_ = an;
        update();
    }
}

void Bildfeld::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.drawPixmap(0, 0, bild_);
    if (rahmen_) {
        maler.setPen(QPen(Qt::black, 0));
        maler.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (marke_) {
        MarkeMalen(maler);
    }
}

// Vier Winkel an den Ecken, innerhalb eines Rahmens, wie ein Sucher, der den Würfel fasst. Sie
// bestehen aus ganzen Pixeln: so bleiben sie bei jeder ganzzahligen Skalierung scharf.
void Bildfeld::MarkeMalen(QPainter& maler) const
{
    constexpr int Innen = 1, Staerke = 2, Arm = 9;
    const QRect feld = rect().adjusted(Innen, Innen, -Innen, -Innen);
    const QColor farbe = palette().color(QPalette::Highlight);
    for (const bool rechts : {false, true}) {
        for (const bool unten : {false, true}) {
            const int x = rechts ? feld.right() + 1 - Staerke : feld.left();
            const int y = unten ? feld.bottom() + 1 - Staerke : feld.top();
            const int armX = rechts ? feld.right() + 1 - Arm : feld.left();
            const int armY = unten ? feld.bottom() + 1 - Arm : feld.top();
            maler.fillRect(QRect(armX, y, Arm, Staerke), farbe);
            maler.fillRect(QRect(x, armY, Staerke, Arm), farbe);
        }
    }
}

void Bildfeld::mouseReleaseEvent(QMouseEvent* ereignis)
{
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint())) {
        emit angeklickt();
    }
}

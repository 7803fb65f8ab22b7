#include "Statusfeld.h"

#include <QPainter>
#include <QStyle>

namespace {

// Qt zeigt einen Tooltip als HTML, sobald er danach aussieht, und sonst als Text. Damit jeder
// Text wörtlich erscheint, wird er immer zu HTML, mit maskierten Zeichen und erhaltenen Leerzeichen.
QString WoertlicherTooltip(const QString& text)
{
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace

Statusfeld::Statusfeld(int breite, QWidget* eltern) : QLabel(eltern)
{
    // Als Text, nicht als HTML: auch das Ausmessen eines "<img src=...>" läse sonst eine Datei.
    setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    // Fest breit: ein langer Name darf die Leiste und damit das Fenster nicht verbreitern.
    setFixedWidth(breite);
}

void Statusfeld::TextSetzen(const QString& text)
{
    if (text == this->text()) {
        return;
    }
    setText(text);
    const bool passt = fontMetrics().horizontalAdvance(text) <= Textflaeche().width();
    setToolTip(passt ? QString() : WoertlicherTooltip(text));
}

// Wie QLabel mit Rahmen: ein halbes "x" Abstand zum Rahmen, der Text gekürzt statt abgeschnitten.
QRect Statusfeld::Textflaeche() const
{
    const int abstand = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    return contentsRect().adjusted(abstand, 0, -abstand, 0);
}

void Statusfeld::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    drawFrame(&maler);
    const QRect flaeche = Textflaeche();
    const QString gezeigt = fontMetrics().elidedText(text(), Qt::ElideRight, flaeche.width());
    style()->drawItemText(&maler, flaeche, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), gezeigt, foregroundRole());
}

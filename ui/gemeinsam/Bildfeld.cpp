#include "Bildfeld.h"

#include <QMouseEvent>
#include <QPainter>

Bildfeld::Bildfeld(QWidget* eltern) : QWidget(eltern) {}

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

void Bildfeld::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.drawPixmap(0, 0, bild_);
    if (rahmen_) {
        maler.setPen(QPen(Qt::black, 0));
        maler.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Bildfeld::mouseReleaseEvent(QMouseEvent* ereignis)
{
    if (ereignis->button() == Qt::LeftButton && rect().contains(ereignis->position().toPoint())) {
        emit angeklickt();
    }
}

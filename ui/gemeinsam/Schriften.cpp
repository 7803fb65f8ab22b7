#include "Schriften.h"

#include <QApplication>

namespace {
const char* const Grundschrift = "Liberation Sans";
const char* const Zaehlerfamilie = "DejaVu Sans";
}  // namespace

QFont Standardschrift(qreal punkte, bool fett)
{
    QFont schrift(Grundschrift);
    schrift.setPointSizeF(punkte);
    schrift.setBold(fett);
    schrift.setStyleHint(QFont::SansSerif);
    return schrift;
}

QFont Standardschrift() { return Standardschrift(8.25); }

QFont Zaehlerschrift()
{
    QFont schrift(Zaehlerfamilie);
    schrift.setPointSizeF(24);
    schrift.setWeight(QFont::Black);
    schrift.setStyleHint(QFont::SansSerif);
    return schrift;
}

void SchriftenEinrichten() { QApplication::setFont(Standardschrift()); }

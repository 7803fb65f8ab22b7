#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

// Ein Steuerelement mit seinem Namen an seiner Stelle im Fenster, wie die Fenster sie
// aus ihren Twips-Maßen aufbauen. Der Name macht es für Tests und Bedienhilfen auffindbar.
template <typename W>
W* Anlegen(QWidget* eltern, const char* name, QRect lage)
{
    auto* element = new W(eltern);
    element->setObjectName(QString::fromLatin1(name));
    element->setGeometry(lage);
    return element;
}

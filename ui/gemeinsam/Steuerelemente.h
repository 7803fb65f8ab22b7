#pragma once

#include <QLabel>
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

// Eine Beschriftung zeigt ihren Text immer wörtlich. Von selbst nähme QLabel alles, was nach
// HTML aussieht, als HTML: ein Spielername "<b>Anna</b>" stünde fett da, und ein
// "<img src=...>" aus einem Spielstand ließe es eine beliebige Datei als Bild lesen.
inline QLabel* Beschriftung(QWidget* eltern, const char* name, QRect lage, const QString& text = {},
                            Qt::Alignment ausrichtung = Qt::AlignCenter)
{
    auto* beschriftung = Anlegen<QLabel>(eltern, name, lage);
    beschriftung->setTextFormat(Qt::PlainText);
    beschriftung->setText(text);
    beschriftung->setAlignment(ausrichtung);
    return beschriftung;
}

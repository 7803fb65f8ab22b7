#include "Schrift.h"

#include <QFontDatabase>
#include <QTransform>

namespace bildmaler {

QStringList FehlendeSchriften()
{
    const QStringList vorhanden = QFontDatabase::families();
    QStringList fehlend;
    for (const QString& familie : {SansSchrift, SerifSchrift, LiberationSchrift}) {
        if (!vorhanden.contains(familie))
            fehlend << familie;
    }
    return fehlend;
}

QPainterPath TextPfad(const QString& text, const QString& familie, qreal pixel, QFont::Weight gewicht,
                      qreal sperrung, bool kursiv)
{
    // QFont kennt nur ganze Pixelgrößen: groß setzen und den Pfad auf die gewünschte Größe bringen.
    constexpr int bezug = 200;
    QFont schrift(familie);
    schrift.setPixelSize(bezug);
    schrift.setWeight(gewicht);
    schrift.setItalic(kursiv);
    schrift.setKerning(true);
    schrift.setLetterSpacing(QFont::AbsoluteSpacing, sperrung * bezug);
    QPainterPath pfad;
    pfad.addText(0, 0, schrift, text);
    return QTransform::fromScale(pixel / bezug, pixel / bezug).map(pfad);
}

} // namespace bildmaler

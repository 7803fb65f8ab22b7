#include "Wuerfeltextpruefer.h"

Wuerfeltextpruefer::Wuerfeltextpruefer(QObject* eltern)
    // Nur ASCII-Ziffern und ASCII-Leerzeichen: andere liest das Spiel nicht als Zahl.
    : QValidator(eltern), muster_(QStringLiteral("\\A *[+-]?[0-9]{0,3}(\\.[0-9]{0,2})? *\\z"))
{
}

QValidator::State Wuerfeltextpruefer::validate(QString& text, int&) const
{
    if (text.size() > Hoechstlaenge || !muster_.match(text).hasMatch()) {
        return Invalid;
    }
    return Acceptable;
}

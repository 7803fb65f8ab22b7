#pragma once

#include <QRegularExpression>
#include <QValidator>

// Was man im Debug-Modus in die Würfeltexte tippen darf: ein Vorzeichen, höchstens drei
// Ziffern und höchstens zwei Nachkommastellen, Leerzeichen davor und dahinter. So liest das
// Spiel jeden Text als Zahl von -1000 bis 1000, und auch die Endsumme bleibt weit innerhalb
// von 16 Bit: nur vier Zeilen zählen alle fünf Würfel zusammen, 4 * 5 * 1000 = 20000.
// Gesetzte Texte sieht der Prüfer nicht: Hilfsmittel setzen den ganzen Text, und so kommt
// auch "99999" ins Feld, nur die Länge bleibt begrenzt. Gewertet wird er trotzdem, wie er
// dasteht; das Spiel liest jeden Text sicher und hält Zahlen und Summen an den Grenzen von
// 16 Bit fest.
class Wuerfeltextpruefer : public QValidator {
    Q_OBJECT
public:
    static constexpr int Hoechstlaenge = 8;

    explicit Wuerfeltextpruefer(QObject* eltern = nullptr);

    // Jeder Anfang eines erlaubten Textes ist selbst erlaubt; Zwischenzustände gibt es nicht.
    State validate(QString& text, int& pos) const override;

private:
    QRegularExpression muster_;
};

#pragma once

#include <QLabel>

// Ein Feld der Statusleiste mit fester Breite. Sein Text steht wörtlich da; was nicht
// hineinpasst, endet mit "…", und ganz steht er dann im Tooltip. Sprachausgaben bekommen
// immer den ganzen Text.
class Statusfeld : public QLabel {
    Q_OBJECT
public:
    explicit Statusfeld(int breite, QWidget* eltern = nullptr);

    void TextSetzen(const QString& text);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QRect Textflaeche() const;
};

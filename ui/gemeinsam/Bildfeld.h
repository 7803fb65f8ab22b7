#pragma once

#include <QWidget>

class QPainter;

// Ein Bild, das ungestreckt gezeigt wird, auf Wunsch mit dünnem einfachem Rahmen,
// und das einen Klick meldet. Ein anklickbares Bild gilt für Sprachausgaben und andere
// Hilfsmittel als Knopf, den sie drücken können; die übrigen sind nur Bilder.
class Bildfeld : public QWidget {
    Q_OBJECT
public:
    explicit Bildfeld(QWidget* eltern = nullptr);

    void BildSetzen(const QPixmap& bild);
    const QPixmap& Bild() const { return bild_; }
    void RahmenSetzen(bool an);
    bool Rahmen() const { return rahmen_; }
    // Die Marke des Tipps: Winkel an den Ecken in der Markierungsfarbe, wie die geratene Zeile im
    // Spielzettel; anders als der Rahmen heißt sie nicht "gehalten".
    void MarkeSetzen(bool an);
    void AnklickbarSetzen(bool an) { anklickbar_ = an; }
    bool Anklickbar() const { return anklickbar_; }

signals:
    void angeklickt();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    void MarkeMalen(QPainter& maler) const;

    QPixmap bild_;
    bool rahmen_ = false;
    bool marke_ = false;
    bool anklickbar_ = false;
};

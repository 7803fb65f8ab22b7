#pragma once

#include "Raster.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <optional>
#include <string>
#include <vector>

#include <functional>


// Zeigt ein Raster des Spiels: Zelltexte, Textfarben, Durchstreichung, Ausrichtung je Spalte.
// Für Sprachausgaben heißt jede Zelle nach ihrer Zeile und sagt, was darin steht.
class RasterModell : public QAbstractTableModel {
    Q_OBJECT
public:
    // Ein Hinweis zu einer Zelle, als Tooltip und als Beschreibung für Sprachausgaben; leer: keiner.
    using Hinweisquelle = std::function<QString(int zeile, int spalte)>;

    explicit RasterModell(const Raster& raster, QObject* eltern = nullptr);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

    // Nach jeder Änderung des Rasters: Größe und Inhalte neu melden.
    void Aktualisieren();

    void HinweisquelleSetzen(Hinweisquelle quelle) { hinweis_ = std::move(quelle); }

private:
    QString Ansage(int zeile, int spalte) const;

    const Raster& raster_;
    Hinweisquelle hinweis_;
    int zeilen_ = 0;
    int spalten_ = 0;
};

// Ein Raster mit fester Kopfzeile und Kopfspalte, gezeichnet wie Kopfzellen, und einer
// aktuellen Zelle, die das Spiel setzt. Ein Klick macht die Zelle aktuell und meldet `zelleAngeklickt`.
// Von der Tastatur aus bewegen die Pfeiltasten die aktuelle Zelle, ohne etwas zu melden; Eingabe
// und Leertaste melden sie wie ein Klick.
class RasterAnsicht : public QTableView {
    Q_OBJECT
public:
    static constexpr int Zeilenhoehe = 16;  // 240 Twips

    explicit RasterAnsicht(Raster& raster, QWidget* eltern = nullptr);

    // Übernimmt Inhalte, Spaltenbreiten und die aktuelle Zelle aus dem Raster.
    void Aktualisieren();

    const Raster& raster() const { return raster_; }

    void HinweisquelleSetzen(RasterModell::Hinweisquelle quelle) { modell_.HinweisquelleSetzen(std::move(quelle)); }

signals:
    void zelleAngeklickt(int zeile, int spalte);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    QModelIndex moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) override;

private:
    int AutomatischeBreite(int spalte) const;
    void SpaltenbreitenSetzen();

    Raster& raster_;
    RasterModell modell_;
    // Das Raster, wie es zuletzt gezeigt wurde: was sich nicht geändert hat, wird nicht neu gezeichnet.
    std::optional<Raster> gezeigt_;
    // Wofür die Spaltenbreiten zuletzt ausgemessen wurden: Format und vorgegebene Breiten.
    std::string gemessenesFormat_;
    std::vector<int> gemesseneBreiten_;
};

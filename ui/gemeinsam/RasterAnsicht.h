#pragma once

#include <QAbstractTableModel>
#include <QTableView>

class Raster;

// Zeigt ein Raster des Spiels: Zelltexte, Textfarben, Durchstreichung, Ausrichtung je Spalte.
class RasterModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RasterModell(const Raster& raster, QObject* eltern = nullptr);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;

    // Nach jeder Änderung des Rasters: Größe und Inhalte neu melden.
    void Aktualisieren();

private:
    const Raster& raster_;
    int zeilen_ = 0;
    int spalten_ = 0;
};

// Ein Raster mit fester Kopfzeile und Kopfspalte, gezeichnet wie Kopfzellen, und einer
// aktuellen Zelle, die das Spiel setzt. Ein Klick macht die Zelle aktuell und meldet `zelleAngeklickt`.
class RasterAnsicht : public QTableView {
    Q_OBJECT
public:
    static constexpr int Zeilenhoehe = 16;  // 240 Twips

    explicit RasterAnsicht(Raster& raster, QWidget* eltern = nullptr);

    // Übernimmt Inhalte, Spaltenbreiten und die aktuelle Zelle aus dem Raster.
    void Aktualisieren();

    const Raster& raster() const { return raster_; }

signals:
    void zelleAngeklickt(int zeile, int spalte);

private:
    int AutomatischeBreite(int spalte) const;

    Raster& raster_;
    RasterModell modell_;
};

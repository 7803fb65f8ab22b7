#include "RasterAnsicht.h"

#include "Raster.h"
#include "Twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

QColor AlsQColor(Farbe farbe)
{
    return QColor(static_cast<int>(farbe & 0xFF), static_cast<int>((farbe >> 8) & 0xFF),
                  static_cast<int>((farbe >> 16) & 0xFF));
}

bool IstKopfzelle(const QModelIndex& index)
{
    return index.row() < Raster::FesteZeilen || index.column() < Raster::FesteSpalten;
}

constexpr int Innenabstand = 2;

// Zeichnet jede Zelle selbst: Kopfzellen in Schaltflächenfarbe mit schwarzen Linien,
// die übrigen in Fensterfarbe mit hellgrauen, die aktuelle in der Markierungsfarbe.
class RasterZeichner : public QStyledItemDelegate {
public:
    RasterZeichner(const Raster& raster, QObject* eltern) : QStyledItemDelegate(eltern), raster_(raster) {}

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QPalette farben = QApplication::palette();
        const bool kopf = IstKopfzelle(index);
        const bool aktuell = !kopf && index.row() == raster_.Zeile() && index.column() == raster_.Spalte();
        QColor hintergrund = farben.color(kopf ? QPalette::Button : QPalette::Base);
        QColor schrift = farben.color(kopf ? QPalette::ButtonText : QPalette::Text);
        if (aktuell) {
            hintergrund = farben.color(QPalette::Highlight);
            schrift = farben.color(QPalette::HighlightedText);
        }
        const auto eigeneFarbe = index.data(Qt::ForegroundRole);
        if (eigeneFarbe.isValid() && !aktuell) {
            schrift = eigeneFarbe.value<QColor>();
        }

        maler->save();
        maler->fillRect(option.rect, hintergrund);
        maler->setPen(kopf ? QColor(Qt::black) : QColor(0xC0, 0xC0, 0xC0));
        maler->drawLine(option.rect.topRight(), option.rect.bottomRight());
        maler->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        maler->setPen(schrift);
        maler->setFont(index.data(Qt::FontRole).value<QFont>());
        const auto ausrichtung = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        maler->drawText(option.rect.adjusted(Innenabstand, 0, -Innenabstand, 0), ausrichtung,
                        index.data(Qt::DisplayRole).toString());
        maler->restore();
    }

private:
    const Raster& raster_;
};

}  // namespace

RasterModell::RasterModell(const Raster& raster, QObject* eltern)
    : QAbstractTableModel(eltern), raster_(raster), zeilen_(raster.Zeilen()), spalten_(raster.Spalten())
{
}

int RasterModell::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : zeilen_; }

int RasterModell::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : spalten_; }

QVariant RasterModell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= zeilen_ || index.column() >= spalten_) {
        return {};
    }
    const auto& zelle = raster_.ZelleAn(index.row(), index.column());
    switch (rolle) {
    case Qt::DisplayRole:
        return QString::fromStdString(zelle.text);
    case Qt::ForegroundRole:
        return zelle.farbe == Standardfarbe ? QVariant() : QVariant(AlsQColor(zelle.farbe));
    case Qt::FontRole: {
        QFont schrift = QApplication::font();
        schrift.setStrikeOut(zelle.durchgestrichen);
        return schrift;
    }
    case Qt::TextAlignmentRole: {
        const auto ausrichtung = raster_.SpaltenAusrichtung(index.column());
        // Ohne Vorgabe stehen Zahlen rechts und Texte links.
        bool zahl = false;
        QString::fromStdString(zelle.text).trimmed().toInt(&zahl);
        const bool rechts = ausrichtung == Ausrichtung::Rechts || (ausrichtung == Ausrichtung::Standard && zahl);
        return QVariant::fromValue(Qt::AlignVCenter | (rechts ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::AccessibleTextRole:
        return Ansage(index.row(), index.column());
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const auto hinweis = hinweis_ ? hinweis_(index.row(), index.column()) : QString();
        return hinweis.isEmpty() ? QVariant() : QVariant(hinweis);
    }
    default:
        return {};
    }
}

// Die Köpfe der Ansicht sind verborgen, Sprachausgaben melden sie aber mit jeder Zelle: sie
// heißen wie die Kopfzellen des Rasters statt nach ihrer Nummer.
QVariant RasterModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    const bool zeile = richtung == Qt::Vertical;
    if (rolle != Qt::AccessibleTextRole || abschnitt < 0 || abschnitt >= (zeile ? zeilen_ : spalten_)) {
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    }
    return Ansage(zeile ? abschnitt : 0, zeile ? 0 : abschnitt);
}

// Kopfzellen sagen ihren Text. Die übrigen sagen, zu welcher Zeile sie gehören (bei mehr als
// einer Spalte auch zu welcher Spalte) und was darin steht; eine gestrichene Zelle enthält nur
// Leerzeichen, gelesen wird deshalb, dass sie gestrichen ist.
QString RasterModell::Ansage(int zeile, int spalte) const
{
    const auto text = [this](int z, int s) { return QString::fromStdString(raster_.ZelleAn(z, s).text).trimmed(); };
    if (zeile < Raster::FesteZeilen || spalte < Raster::FesteSpalten) {
        return text(zeile, spalte);
    }
    QStringList ort{text(zeile, 0)};
    if (spalten_ > Raster::FesteSpalten + 1) {
        ort << text(0, spalte);
    }
    ort.removeAll(QString());
    QString wert = raster_.ZelleAn(zeile, spalte).durchgestrichen ? QStringLiteral("gestrichen") : text(zeile, spalte);
    if (wert.isEmpty()) {
        wert = QStringLiteral("leer");
    }
    return ort.isEmpty() ? wert : ort.join(QStringLiteral(", ")) + QStringLiteral(": ") + wert;
}

void RasterModell::Aktualisieren()
{
    if (zeilen_ != raster_.Zeilen() || spalten_ != raster_.Spalten()) {
        beginResetModel();
        zeilen_ = raster_.Zeilen();
        spalten_ = raster_.Spalten();
        endResetModel();
        return;
    }
    emit dataChanged(index(0, 0), index(zeilen_ - 1, spalten_ - 1));
}

RasterAnsicht::RasterAnsicht(Raster& raster, QWidget* eltern)
    : QTableView(eltern), raster_(raster), modell_(raster)
{
    setModel(&modell_);
    setItemDelegate(new RasterZeichner(raster_, this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Spalten und Zeilen dürfen so schmal werden, wie das Raster sie will: eine leere
    // Spalte ist nur ein schmaler Rest und soll keine Rollbalken erzwingen.
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    setShowGrid(false);
    // Ohne eigenen Rand passen die achtzehn Zeilen genau in die Höhe des Spielzettels.
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab führt aus dem Raster hinaus zum nächsten Steuerelement, nicht zur nächsten Zelle.
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Die Fläche neben den Zellen ist grau wie beim Raster üblich.
    QPalette farben = palette();
    farben.setColor(QPalette::Base, QColor(0x80, 0x80, 0x80));
    setPalette(farben);

    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        raster_.AktuelleZelleSetzen(index.row(), index.column());
        emit zelleAngeklickt(index.row(), index.column());
    });
    Aktualisieren();
}

int RasterAnsicht::AutomatischeBreite(int spalte) const
{
    // So breit wie der längste Kopftext der Spalte: in Spalte 0 alle Zeilenköpfe, sonst Zeile 0.
    const QFontMetrics masse(font());
    int breite = 0;
    const int zeilen = spalte < Raster::FesteSpalten ? raster_.Zeilen() : Raster::FesteZeilen;
    for (int zeile = 0; zeile < zeilen; ++zeile) {
        breite = std::max(breite, masse.horizontalAdvance(QString::fromStdString(raster_.ZelleAn(zeile, spalte).text)));
    }
    return breite + 2 * Innenabstand + 1;
}

// Automatische Breiten folgen den Kopftexten, die das Format setzt; ausgemessen wird
// deshalb nur, wenn sich Format oder vorgegebene Breiten geändert haben.
void RasterAnsicht::SpaltenbreitenSetzen()
{
    std::vector<int> breiten;
    for (int spalte = 0; spalte < raster_.Spalten(); ++spalte) {
        breiten.push_back(raster_.Spaltenbreite(spalte));
    }
    if (breiten == gemesseneBreiten_ && raster_.Format() == gemessenesFormat_) {
        return;
    }
    for (int spalte = 0; spalte < raster_.Spalten(); ++spalte) {
        const int twips = breiten[static_cast<std::size_t>(spalte)];
        setColumnWidth(spalte, twips == Raster::Automatisch ? AutomatischeBreite(spalte) : Pixel(twips));
    }
    gemesseneBreiten_ = std::move(breiten);
    gemessenesFormat_ = raster_.Format();
}

void RasterAnsicht::Aktualisieren()
{
    // Ein offener Tooltip spräche noch vom Stand vor dem Ereignis.
    if (QToolTip::isVisible()) {
        QToolTip::hideText();
    }
    if (gezeigt_ == raster_) {
        return;
    }
    gezeigt_ = raster_;
    modell_.Aktualisieren();
    SpaltenbreitenSetzen();
    const auto aktuell = modell_.index(raster_.Zeile(), raster_.Spalte());
    if (currentIndex() != aktuell) {
        selectionModel()->setCurrentIndex(aktuell, QItemSelectionModel::NoUpdate);
    }
    viewport()->update();
}

void RasterAnsicht::keyPressEvent(QKeyEvent* ereignis)
{
    const auto taste = ereignis->key();
    const bool eintragen = (taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Space) &&
                           (ereignis->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (eintragen) {
        const auto index = currentIndex();
        if (index.isValid()) {
            raster_.AktuelleZelleSetzen(index.row(), index.column());
            emit zelleAngeklickt(index.row(), index.column());
        }
        ereignis->accept();
        return;
    }
    QTableView::keyPressEvent(ereignis);
    // Die Ansicht hat ihre aktuelle Zelle bewegt; das Raster zieht mit, damit sie gezeichnet
    // wird und Eingabe genau diese Zelle meldet.
    const auto index = currentIndex();
    if (index.isValid() && (index.row() != raster_.Zeile() || index.column() != raster_.Spalte())) {
        raster_.AktuelleZelleSetzen(index.row(), index.column());
        viewport()->update();
    }
}

// Die Tastatur bleibt in den Zellen neben und unter den Köpfen: nur dort steht, was man einträgt.
QModelIndex RasterAnsicht::moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten)
{
    const auto ziel = QTableView::moveCursor(aktion, tasten);
    if (!ziel.isValid()) {
        return ziel;
    }
    return modell_.index(std::max(ziel.row(), Raster::FesteZeilen), std::max(ziel.column(), Raster::FesteSpalten));
}

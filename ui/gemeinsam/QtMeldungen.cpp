#include "QtMeldungen.h"

#include "Produkt.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon Bildsymbol(Symbol symbol)
{
    switch (symbol) {
    case Symbol::Frage:
        return QMessageBox::Question;
    case Symbol::Information:
        return QMessageBox::Information;
    case Symbol::Warnung:
        return QMessageBox::Warning;
    case Symbol::Keins:
        break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MeldungsfensterEinrichten(QMessageBox& fenster, const Meldung& meldung)
{
    const auto titel = meldung.titel.empty() ? AnwendungsTitel : meldung.titel;
    fenster.setWindowTitle(QString::fromStdString(titel));
    fenster.setText(QString::fromStdString(meldung.text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    fenster.setTextFormat(Qt::PlainText);
    fenster.setIcon(Bildsymbol(meldung.symbol));
    if (meldung.knoepfe == Knoepfe::JaNein) {
        fenster.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        fenster.setDefaultButton(QMessageBox::Yes);
    } else {
        fenster.setStandardButtons(QMessageBox::Ok);
    }
}

Antwort QtMeldungen::Zeigen(const Meldung& meldung)
{
    QMessageBox fenster(QApplication::activeWindow());
    MeldungsfensterEinrichten(fenster, meldung);
    switch (fenster.exec()) {
    case QMessageBox::Yes:
        return Antwort::Ja;
    case QMessageBox::No:
        return Antwort::Nein;
    default:
        return meldung.knoepfe == Knoepfe::JaNein ? Antwort::Nein : Antwort::OK;
    }
}

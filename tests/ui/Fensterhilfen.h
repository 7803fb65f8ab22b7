#pragma once

#include "Attrappen.h"
#include "Bildfeld.h"
#include "RasterAnsicht.h"
#include "Schriften.h"
#include "Statusfeld.h"
#include "frmTarvoll.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <deque>

inline QAccessibleInterface* Zugang(QObject* objekt) { return QAccessible::queryAccessibleInterface(objekt); }

// Dateidialoge nach Drehbuch: jede Antwort ist ein gewählter Name; ohne Antwort bricht der Dialog ab.
class SkriptDateiauswahl : public Dateiauswahl {
public:
    std::deque<QString> antworten;

    bool ShowOpen(Dateidialog& dialog, QWidget*) override { return Antworten(dialog); }
    bool ShowSave(Dateidialog& dialog, QWidget*) override { return Antworten(dialog); }

private:
    bool Antworten(Dateidialog& dialog)
    {
        if (antworten.empty()) {
            return false;
        }
        dialog.FileName = antworten.front();
        antworten.pop_front();
        return true;
    }
};

// Ein Hauptfenster mit Attrappen für Meldungen, Zufall und Dateidialog, wie es das Programm
// nach dem Klick auf die Titelkarte zeigt.
struct Fenstertisch {
    SkriptMeldungen meldungen;
    SkriptZufall zufall;
    FesteUhr uhr;
    SkriptDateiauswahl dateiauswahl;
    basTarvoll spiel;
    frmTarvoll fenster;
    int beendet = 0;

    explicit Fenstertisch(std::string kommandozeile = {}, QString programmordner = QStringLiteral(PROGRAMMORDNER))
        : spiel(meldungen, zufall, uhr, std::move(kommandozeile)),
          fenster(spiel, Umgebung{meldungen, zufall, uhr, dateiauswahl, std::move(programmordner)})
    {
        fenster.ProgrammBeenden = [this] { ++beendet; };
        fenster.show();
    }

    void Werfen(std::initializer_list<int> augen)
    {
        zufall.augen.assign(augen.begin(), augen.end());
        QTest::mouseClick(fenster.cmdWuerfeln, Qt::LeftButton);
    }

    void WuerfelKlicken(int index) { QTest::mouseClick(fenster.imgWuerfel[static_cast<std::size_t>(index)], Qt::LeftButton); }

    void ZelleKlicken(int zeile, int spalte = 1)
    {
        auto* raster = fenster.mfgPunktanzeige;
        QTest::mouseClick(raster->viewport(), Qt::LeftButton, {}, raster->visualRect(raster->model()->index(zeile, spalte)).center());
    }

    QVariant Zelle(int zeile, int spalte = 1, int rolle = Qt::DisplayRole) const
    {
        return fenster.mfgPunktanzeige->model()->index(zeile, spalte).data(rolle);
    }

    // Ein Spiel mitten im Zug: Einer gestrichen, Dreierpasch mit 19 gewertet, im ersten Wurf der
    // dritten Runde Würfel 3 (eine 4) gehalten.
    void Anspielen()
    {
        QTest::mouseClick(fenster.cmdNeu, Qt::LeftButton);
        Werfen({3, 5, 3, 5, 3});
        ZelleKlicken(1);
        Werfen({3, 5, 3, 5, 3});
        ZelleKlicken(10);
        Werfen({4, 4, 4, 4, 4});
        WuerfelKlicken(2);
    }

    QString Zelltext(int zeile, int spalte = 1) const { return Zelle(zeile, spalte).toString(); }

    // Alles, was das Fenster vom Spiel zeigt, als Text: Würfel, Hinweis, Zähler, Spieler, ob
    // man würfeln kann, und jede Zelle der Spielspalte mit Farbe und Durchstreichung.
    QStringList Gezeigt() const
    {
        const auto& f = fenster;
        QStringList zeilen;
        for (std::size_t i = 0; i < 5; ++i) {
            zeilen << f.txtWuerfel[i]->text() + (f.txtWuerfel[i]->isVisible() ? QString() : QStringLiteral(" versteckt")) +
                          (f.imgWuerfel[i]->Rahmen() ? QStringLiteral(" gehalten") : QString());
        }
        zeilen << f.lblInfo->text() << f.lblRunde->text() << f.lblWurf->text() << f.stbAnzeige[2]->text()
               << (f.cmdWuerfeln->isEnabled() ? QStringLiteral("Würfeln an") : QStringLiteral("Würfeln aus"));
        for (int zeile = 0; zeile < f.mfgPunktanzeige->model()->rowCount(); ++zeile) {
            zeilen << Zelltext(zeile) + QStringLiteral(" | ") + Zelle(zeile, 1, Qt::ForegroundRole).value<QColor>().name() +
                          (Zelle(zeile, 1, Qt::FontRole).value<QFont>().strikeOut() ? QStringLiteral(" gestrichen") : QString());
        }
        return zeilen;
    }
};

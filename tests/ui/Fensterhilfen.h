#pragma once

#include "Attrappen.h"
#include "Bildfeld.h"
#include "RasterAnsicht.h"
#include "Schriften.h"
#include "Statusfeld.h"
#include "frmTarvoll.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>
#include <QtTest>

#include <deque>
#include <optional>
#include <vector>

// Nimmt die Adressen entgegen, die das Fenster dem Dokumentöffner gibt, statt einen Browser zu starten.
class Dokumentoeffner : public QObject {
    Q_OBJECT
public:
    QList<QUrl> geoeffnet;
public slots:
    void oeffnen(const QUrl& adresse) { geoeffnet.append(adresse); }
};

// Dateidialoge nach Drehbuch: jede Antwort ist ein gewählter Name oder Abbrechen (nullopt).
class SkriptDateiauswahl : public Dateiauswahl {
public:
    struct Aufruf {
        bool speichern;
        Dateidialog einstellungen;  // wie der Dialog sie beim Zeigen hatte
    };
    std::deque<std::optional<QString>> antworten;
    std::vector<Aufruf> aufrufe;

    bool ShowOpen(Dateidialog& dialog, QWidget*) override { return Antworten(dialog, false); }
    bool ShowSave(Dateidialog& dialog, QWidget*) override { return Antworten(dialog, true); }

private:
    bool Antworten(Dateidialog& dialog, bool speichern)
    {
        aufrufe.push_back({speichern, dialog});
        std::optional<QString> antwort;
        if (!antworten.empty()) {
            antwort = antworten.front();
            antworten.pop_front();
        }
        if (antwort) {
            dialog.FileName = *antwort;
        }
        return antwort.has_value();
    }
};

// Ein Hauptfenster mit Attrappen für Meldungen und Zufall, wie es das Programm nach dem
// Klick auf die Titelkarte zeigt.
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
        const auto ort = raster->visualRect(raster->model()->index(zeile, spalte)).center();
        QTest::mouseClick(raster->viewport(), Qt::LeftButton, {}, ort);
    }

    QString Zelltext(int zeile, int spalte = 1) const
    {
        return fenster.mfgPunktanzeige->model()->index(zeile, spalte).data().toString();
    }
};

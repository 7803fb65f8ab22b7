#pragma once

#include "Attrappen.h"
#include "Bildfeld.h"
#include "RasterAnsicht.h"
#include "Schriften.h"
#include "frmTarvoll.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

// Ein Hauptfenster mit Attrappen für Meldungen und Zufall, wie es das Programm nach dem
// Klick auf die Titelkarte zeigt.
struct Fenstertisch {
    SkriptMeldungen meldungen;
    SkriptZufall zufall;
    FesteUhr uhr;
    basTarvoll spiel;
    frmTarvoll fenster;

    explicit Fenstertisch(std::string kommandozeile = {}, QString programmordner = QStringLiteral(PROGRAMMORDNER))
        : spiel(meldungen, zufall, uhr, std::move(kommandozeile)), fenster(spiel, std::move(programmordner))
    {
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

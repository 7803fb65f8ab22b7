#pragma once

#include "basTarvoll.h"

#include <deque>
#include <vector>

// Meldungsfenster, die die Tests der Reihe nach beantworten; jede gezeigte Meldung wird notiert.
class SkriptMeldungen : public Meldungen {
public:
    std::deque<Antwort> antworten;
    std::vector<Meldung> gezeigt;

    Antwort Zeigen(const Meldung& meldung) override
    {
        gezeigt.push_back(meldung);
        if (antworten.empty()) {
            return meldung.knoepfe == Knoepfe::OK ? Antwort::OK : Antwort::Ja;
        }
        const auto antwort = antworten.front();
        antworten.pop_front();
        return antwort;
    }
};

// Zufall nach Drehbuch: liefert der Reihe nach die Augenzahlen aus `augen`, danach immer 1.
class SkriptZufall : public Zufallsquelle {
public:
    std::deque<int> augen;
    int mischungen = 0;

    void Mischen(double) override { ++mischungen; }
    float Ziehen() override
    {
        int wert = 1;
        if (!augen.empty()) {
            wert = augen.front();
            augen.pop_front();
        }
        // Die Mitte des Sechstels, das zur Augenzahl führt.
        return (static_cast<float>(wert) - 0.5f) / 6.0f;
    }
};

class FesteUhr : public Uhr {
public:
    double sekunden = 43200.0;
    double SekundenSeitMitternacht() override { return sekunden; }
};

const Meldung Abbrechen{"Spiel abbrechen", "Aktuelles Spiel abbrechen?", Knoepfe::JaNein, Symbol::Frage};

// Ein frisch gestartetes Spiel mit Attrappen.
struct Spieltisch {
    SkriptMeldungen meldungen;
    SkriptZufall zufall;
    FesteUhr uhr;
    basTarvoll spiel;

    explicit Spieltisch(std::string kommandozeile = {})
        : spiel(meldungen, zufall, uhr, std::move(kommandozeile))
    {
        spiel.SpielInitialisieren();
    }

    // Ein Wurf, dessen Würfel (vor dem Sortieren) `augen` zeigen.
    void Werfen(std::initializer_list<int> augen)
    {
        zufall.augen.assign(augen.begin(), augen.end());
        spiel.frmTarvoll_cmdWuerfeln_Click();
    }

    void Klicken(int zeile, int spalte = 1)
    {
        spiel.frmTarvoll.mfgPunktanzeige.AktuelleZelleSetzen(zeile, spalte);
        spiel.frmTarvoll_mfgPunktanzeige_Click();
    }

    std::optional<std::string> Vorschau(int zeile) const { return spiel.Vorschau(static_cast<std::int16_t>(zeile)); }

    const Zelle& Spielzelle(int zeile) const { return spiel.frmTarvoll.mfgPunktanzeige.ZelleAn(zeile, 1); }

    std::array<std::string, 5> Texte() const { return spiel.frmTarvoll.txtWuerfel; }

    // Alle dreizehn Kategorien mit passenden Würfeln: oben 63 und Bonus 30, unten 193, zusammen 286.
    void GanzesSpiel()
    {
        const std::vector<std::pair<std::deque<int>, int>> runden{
            {{1, 1, 1, 2, 3}, 1},  {{2, 2, 2, 1, 3}, 2},  {{3, 3, 3, 1, 2}, 3},  {{4, 4, 4, 1, 2}, 4},
            {{5, 5, 5, 1, 2}, 5},  {{6, 6, 6, 1, 2}, 6},  {{6, 6, 6, 1, 2}, 10}, {{6, 6, 6, 6, 2}, 11},
            {{6, 6, 6, 2, 2}, 12}, {{1, 2, 3, 4, 6}, 13}, {{2, 3, 4, 5, 6}, 14}, {{5, 5, 5, 5, 5}, 15},
            {{6, 6, 5, 5, 4}, 16}};
        spiel.frmTarvoll_cmdNeu_Click();
        for (const auto& [augen, zeile] : runden) {
            zufall.augen = augen;
            spiel.frmTarvoll_cmdWuerfeln_Click();
            Klicken(zeile);
        }
    }
};

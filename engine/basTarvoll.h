#pragma once

#include "Anzeige.h"
#include "Feld.h"
#include "Ratgeber.h"
#include "Schnittstellen.h"
#include "Spielstand.h"
#include "Zug.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Das Spielmodul: der gemeinsame Spielzustand, die Regeln und die Spielereignisse des
// Hauptfensters. Die Variablen sind öffentlich; die Fenster lesen und schreiben sie direkt.
class basTarvoll {
public:
    static constexpr std::int16_t ZeileSumme = 7;
    static constexpr std::int16_t ZeileBonus = 8;
    static constexpr std::int16_t ZeileGesamt = 9;
    static constexpr std::int16_t ZeileEndsumme = 17;
    static constexpr int BreiteSpielspalte = 850;  // Twips
    static inline const std::string Gestrichen = std::string(16, ' ');

    basTarvoll(Meldungen& meldungen, Zufallsquelle& zufall, Uhr& uhr, std::string kommandozeile = {});

    // --- Spielzustand ---
    Feld<std::int16_t, 1, 5> intWuerfel{};
    std::int16_t intAnzahlWuerfel = 5;
    Feld<std::string, 1, 3> strSpielername;
    std::int16_t intWurf = 0;
    bool blnGewuerfelt = false;
    std::int16_t intRunde = 1;
    Feld<bool, 1, 16> blnGewertet{};
    Feld<std::int16_t, 1, 5> intHaltewert{};
    Feld<bool, 1, 5> blnHalten{};
    std::int16_t intAnzahlGleiche = 0;
    std::string strKommandozeile;
    std::string strProduktinfo;
    std::uint8_t bytAnzahlSpieler = 1;
    std::uint8_t bytAktSpieler = 1;

    // --- Anzeigezustand des Hauptfensters ---
    Anzeige frmTarvoll;

    // Wird gerufen, wenn ein Ereignis fertig ist und bevor ein Meldungsfenster erscheint.
    std::function<void()> AnzeigeGeaendert;

    // --- Start ---
    void SpielInitialisieren();
    void KommandozeileAuswerten();
    void KopfzeileSetzen();

    // --- Würfeln und Halten ---
    std::int16_t Wuerfelzahl();
    void WuerfelWerfen();
    void WuerfelAnzeigen();
    void WuerfelBilderAnzeigen();

    // --- Kategorien ---
    void WuerfelEinlesen();
    std::int16_t GleicheSuchen(std::int16_t anzahl);
    std::int16_t PaarSuchen(std::int16_t ausser);
    std::int16_t StrasseErmitteln(std::int16_t zeile);
    std::optional<std::int16_t> KategoriePruefen(std::int16_t zeile);  // Punkte, wenn die Würfel passen
    void SummenBerechnen();

    // Was das Eintragen der Würfel in diese Zeile jetzt gäbe ("Würde 25 Punkte geben",
    // "Würde gestrichen"); nichts, solange kein Wurf auf dem Tisch liegt oder die Zeile keine
    // offene Kategorie ist. Ändert nichts am Spiel.
    std::optional<std::string> Vorschau(std::int16_t zeile) const;

    // --- Werten und Spielverlauf ---
    void KategorieWerten(std::int16_t zeile);
    void RundeAbschliessen();
    void SpielendePruefen();

    // --- Neues Spiel ---
    void NeuesSpiel();
    void WuerfelTexteLoeschen();
    void PunkteLoeschen();
    void WuerfelLeerAnzeigen();

    // --- Spielstand (Speichern und Laden) ---
    Spielstand SpielstandGeben() const;
    bool SpielstandUebernehmen(const Spielstand& stand);  // false: abgelehnt oder abgebrochen

    // --- Rat aus der Bestspieltabelle ---
    std::vector<Zug> zuege;  // jede Entscheidung des laufenden Spiels, für die Auswertung

    // Wo die Tabelle liegt; gelesen wird sie erst, wenn zum ersten Mal ein Rat gefragt ist.
    void TabellendateiSetzen(std::string pfad);
    void TabelleSetzen(std::shared_ptr<const Bestspieltabelle> tabelle);

    // Der beste Zug für die Würfel, wie sie liegen, als Satz in lblInfo ("Tipp: ..."): die zu
    // haltenden Würfel bekommen ihre Marke in tippHalten, die Zeile zum Eintragen wird die
    // aktuelle Zelle. Gibt es keinen Rat, sagt lblInfo warum ("Kein Tipp: ..."). Sonst ändert
    // sich nichts am Spiel.
    void Tipp();

    // Jeder Zug des laufenden Spiels neben dem besten an seiner Stelle.
    Auswertung Auswerten();

    // --- Ereignisse des Hauptfensters ---
    void frmTarvoll_cmdNeu_Click();
    void frmTarvoll_cmdWuerfeln_Click();
    void frmTarvoll_imgWuerfel_Click(std::int16_t index);
    void frmTarvoll_mfgPunktanzeige_Click();

    static bool IstKategorie(std::int16_t zeile);

    // Meldet dem Fenster, dass sich die Anzeige geändert hat.
    void AnzeigeMelden();

private:
    Antwort Fragen(const Meldung& meldung);
    bool SpielAbbrechenBestaetigt();
    void HaltenAufheben();
    std::int16_t SummeAllerWuerfel() const;
    std::int16_t SummeDerAugen(std::int16_t augen) const;
    std::int16_t Spielwert(std::int16_t zeile) const;
    void SpielwertSchreiben(std::int16_t zeile, std::int16_t wert);

    void ZugMerken(std::int16_t zeile);
    void TippZuruecknehmen();
    std::string TippText();
    std::array<std::int16_t, 5> Augen() const;
    std::uint16_t Gewertet() const;
    long ObereSumme() const;
    std::string EintragText(std::int16_t zeile, std::optional<int> punkte) const;

    Meldungen& meldungen_;
    Zufallsquelle& zufall_;
    Uhr& uhr_;
    std::string kommandozeile_;
    std::shared_ptr<Ratgeber> ratgeber_ = std::make_shared<Ratgeber>();
};

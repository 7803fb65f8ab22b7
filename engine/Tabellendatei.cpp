#include "Tabellendatei.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr char Kennung[8] = {'Q', 'T', 'B', 'E', 'S', 'T', 'S', 'P'};

std::uint64_t Zahl(std::span<const unsigned char> bytes, std::size_t stelle, int laenge)
{
    std::uint64_t zahl = 0;
    for (int i = laenge - 1; i >= 0; --i) {
        zahl = (zahl << 8) | bytes[stelle + static_cast<std::size_t>(i)];
    }
    return zahl;
}

// FNV-1a, aber je acht Bytes auf einmal: so prüft der erste Tipp zwei MiB in einem Bruchteil
// der Zeit. Ein Rest unter acht Bytes geht einzeln hinein.
std::uint64_t Pruefsumme(std::span<const unsigned char> bytes)
{
    std::uint64_t summe = 0xcbf29ce484222325u;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        summe = (summe ^ Zahl(bytes, i, 8)) * 0x100000001b3u;
    }
    for (; i < bytes.size(); ++i) {
        summe = (summe ^ bytes[i]) * 0x100000001b3u;
    }
    return summe;
}

void Anhaengen(std::vector<unsigned char>& bytes, std::uint64_t zahl, int laenge)
{
    for (int i = 0; i < laenge; ++i) {
        bytes.push_back(static_cast<unsigned char>(zahl >> (8 * i)));
    }
}

Tabellenergebnis Fehler(std::string text) { return {std::nullopt, std::move(text)}; }

}  // namespace

std::vector<unsigned char> TabelleAlsBytes(const Bestspieltabelle& tabelle, Wurfregel regel)
{
    std::vector<unsigned char> werte;
    werte.reserve(tabelle.Werte().size() * 4);
    for (const double wert : tabelle.Werte()) {
        Anhaengen(werte, std::bit_cast<std::uint32_t>(static_cast<float>(wert)), 4);
    }
    std::vector<unsigned char> bytes(std::begin(Kennung), std::end(Kennung));
    Anhaengen(bytes, TabellenVersion, 4);
    Anhaengen(bytes, static_cast<std::uint32_t>(regel), 4);
    Anhaengen(bytes, tabelle.Werte().size(), 4);
    Anhaengen(bytes, Pruefsumme(werte), 8);
    bytes.insert(bytes.end(), werte.begin(), werte.end());
    return bytes;
}

Tabellenergebnis TabelleAusBytes(std::span<const unsigned char> bytes, Wurfregel regel)
{
    if (bytes.size() < TabellenKopf) {
        return Fehler("Die Tabelle ist abgeschnitten: schon ihr Kopf ist unvollständig.");
    }
    if (std::memcmp(bytes.data(), Kennung, sizeof Kennung) != 0) {
        return Fehler("Die Datei ist keine Bestspieltabelle von Quorin Tarvoll.");
    }
    if (const auto version = Zahl(bytes, 8, 4); version != TabellenVersion) {
        return Fehler("Die Tabelle hat das Format " + std::to_string(version) + "; dieses Programm liest nur Format " +
                      std::to_string(TabellenVersion) + ".");
    }
    if (Zahl(bytes, 12, 4) != static_cast<std::uint32_t>(regel)) {
        return Fehler("Die Tabelle gilt für eine andere Art zu würfeln.");
    }
    if (const auto eintraege = Zahl(bytes, 16, 4); eintraege != Bestspieltabelle::Eintraege) {
        return Fehler("Die Tabelle hat " + std::to_string(eintraege) + " Einträge statt " +
                      std::to_string(Bestspieltabelle::Eintraege) + ".");
    }
    const auto werte = bytes.subspan(TabellenKopf);
    const std::size_t erwartet = std::size_t{Bestspieltabelle::Eintraege} * 4;
    if (werte.size() < erwartet) {
        return Fehler("Die Tabelle ist abgeschnitten: " + std::to_string(werte.size()) + " von " +
                      std::to_string(erwartet) + " Bytes sind da.");
    }
    if (werte.size() > erwartet) {
        return Fehler("Hinter dem Ende der Tabelle stehen noch Daten.");
    }
    if (Pruefsumme(werte) != Zahl(bytes, 20, 8)) {
        return Fehler("Die Tabelle ist beschädigt: ihre Prüfsumme stimmt nicht.");
    }
    Bestspieltabelle tabelle;
    for (std::size_t i = 0; i < tabelle.Werte().size(); ++i) {
        const auto wert = std::bit_cast<float>(static_cast<std::uint32_t>(Zahl(werte, 4 * i, 4)));
        if (!std::isfinite(wert) || wert < 0.0f) {
            return Fehler("Die Tabelle enthält einen ungültigen Wert.");
        }
        tabelle.Werte()[i] = wert;
    }
    return {std::move(tabelle), {}};
}

Tabellenergebnis TabelleLesen(const std::string& pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei) {
        return Fehler("Die Tabelle „" + pfad + "“ fehlt oder lässt sich nicht öffnen.");
    }
    // Stückweise und höchstens ein Stück über der Grenze: so läuft auch eine riesige Datei
    // oder ein Gerät ohne Ende nicht in den Speicher.
    std::vector<char> stueck(64 * 1024);
    std::vector<unsigned char> bytes;
    bytes.reserve(TabellenKopf + std::size_t{Bestspieltabelle::Eintraege} * 4 + stueck.size());
    while (datei && bytes.size() <= TabellenHoechstGroesse) {
        datei.read(stueck.data(), static_cast<std::streamsize>(stueck.size()));
        bytes.insert(bytes.end(), stueck.begin(), stueck.begin() + datei.gcount());
    }
    if (datei.bad()) {
        return Fehler("Die Tabelle „" + pfad + "“ lässt sich nicht lesen.");
    }
    if (bytes.size() > TabellenHoechstGroesse) {
        return Fehler("Die Tabelle „" + pfad + "“ ist zu groß.");
    }
    return TabelleAusBytes(bytes);
}

#include "Palette.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <vector>

namespace bildmaler {

namespace {

struct Farbe {
    std::array<int, 4> kanal;   // rot, grün, blau, alpha; nicht vormultipliziert
    long long anzahl;
};

struct Kiste {
    std::size_t anfang;
    std::size_t ende;
};

int Spanne(const std::vector<Farbe>& farben, const Kiste& kiste, std::size_t k)
{
    const auto [klein, gross] = std::minmax_element(
        farben.begin() + static_cast<std::ptrdiff_t>(kiste.anfang),
        farben.begin() + static_cast<std::ptrdiff_t>(kiste.ende),
        [k](const Farbe& a, const Farbe& b) { return a.kanal[k] < b.kanal[k]; });
    return gross->kanal[k] - klein->kanal[k];
}

// Teilt die Kiste mit der größten Spanne in einem Kanal am gewichteten Median, bis genug Kisten da sind.
std::vector<Kiste> Schneiden(std::vector<Farbe>& farben, std::size_t kistenZiel)
{
    std::vector<Kiste> kisten{{0, farben.size()}};
    while (kisten.size() < kistenZiel) {
        std::size_t besteKiste = 0, besterKanal = 0;
        int besteSpanne = 0;
        for (std::size_t i = 0; i < kisten.size(); ++i) {
            for (std::size_t k = 0; k < 4; ++k) {
                if (const int spanne = Spanne(farben, kisten[i], k); spanne > besteSpanne) {
                    besteSpanne = spanne;
                    besteKiste = i;
                    besterKanal = k;
                }
            }
        }
        if (besteSpanne == 0)
            break;
        const Kiste kiste = kisten[besteKiste];
        const auto anfang = farben.begin() + static_cast<std::ptrdiff_t>(kiste.anfang);
        const auto ende = farben.begin() + static_cast<std::ptrdiff_t>(kiste.ende);
        // Bei Gleichstand entscheiden die übrigen Kanäle: die Reihenfolge hängt nicht von std::sort ab.
        std::sort(anfang, ende, [k = besterKanal](const Farbe& a, const Farbe& b) {
            return a.kanal[k] != b.kanal[k] ? a.kanal[k] < b.kanal[k] : a.kanal < b.kanal;
        });
        long long gesamt = 0;
        for (auto it = anfang; it != ende; ++it)
            gesamt += it->anzahl;
        long long bisher = 0;
        std::size_t schnitt = kiste.anfang + 1;
        for (std::size_t i = kiste.anfang; i + 1 < kiste.ende; ++i) {
            bisher += farben[i].anzahl;
            schnitt = i + 1;
            if (2 * bisher >= gesamt)
                break;
        }
        kisten[besteKiste] = {kiste.anfang, schnitt};
        kisten.push_back({schnitt, kiste.ende});
    }
    return kisten;
}

QRgb Mittelwert(const std::vector<Farbe>& farben, const Kiste& kiste)
{
    std::array<long long, 4> summe{};
    long long anzahl = 0;
    for (std::size_t i = kiste.anfang; i < kiste.ende; ++i) {
        for (std::size_t k = 0; k < 4; ++k)
            summe[k] += farben[i].kanal[k] * farben[i].anzahl;
        anzahl += farben[i].anzahl;
    }
    const auto kanal = [&](std::size_t k) { return static_cast<int>((summe[k] + anzahl / 2) / anzahl); };
    return qRgba(kanal(0), kanal(1), kanal(2), kanal(3));
}

} // namespace

QImage MitPalette(const QImage& bild)
{
    const QImage argb = bild.convertToFormat(QImage::Format_ARGB32);
    std::map<QRgb, long long> haeufigkeit;   // geordnet: gleiche Palette bei jedem Lauf
    for (int y = 0; y < argb.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(zeile[x]) > 0)
                ++haeufigkeit[zeile[x]];
        }
    }
    std::vector<Farbe> farben;
    for (const auto& [rgba, anzahl] : haeufigkeit)
        farben.push_back({{qRed(rgba), qGreen(rgba), qBlue(rgba), qAlpha(rgba)}, anzahl});

    QList<QRgb> palette{qRgba(0, 0, 0, 0)};
    if (!farben.empty()) {
        for (const Kiste& kiste : Schneiden(farben, 255))
            palette << Mittelwert(farben, kiste);
    }
    return argb.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

} // namespace bildmaler

#include "Zufall.h"

#include <bit>
#include <chrono>
#include <ctime>

Zufallsgenerator::Zufallsgenerator() : motor_(std::random_device{}()) {}

void Zufallsgenerator::Mischen(double sekundenSeitMitternacht)
{
    motor_.seed(motor_() ^ std::bit_cast<std::uint64_t>(sekundenSeitMitternacht));
}

float Zufallsgenerator::Ziehen()
{
    // 24 zufällige Bits passen genau in die Mantisse: das Ergebnis bleibt sicher unter 1.
    return static_cast<float>(motor_() >> 40) * 0x1.0p-24f;
}

double Systemuhr::SekundenSeitMitternacht()
{
    using namespace std::chrono;
    const auto jetzt = system_clock::now();
    const std::time_t zeit = system_clock::to_time_t(jetzt);
    std::tm ortszeit{};
    localtime_r(&zeit, &ortszeit);
    const auto bruchteil = duration<double>(jetzt.time_since_epoch()).count() - static_cast<double>(zeit);
    return ortszeit.tm_hour * 3600.0 + ortszeit.tm_min * 60.0 + ortszeit.tm_sec + bruchteil;
}

#pragma once

#include <cstdio>
#include <cstdlib>

// Eine verletzte Eigenschaft bricht ab: libFuzzer hält das wie einen Absturz fest und
// speichert die Eingabe.
inline void Pruefen(bool erfuellt, const char* eigenschaft)
{
    if (!erfuellt) {
        std::fprintf(stderr, "Verletzt: %s\n", eigenschaft);
        std::abort();
    }
}

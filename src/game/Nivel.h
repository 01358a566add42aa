#pragma once
// The strength levels of the "Inteligencia" menu.
#include <array>
#include <string>

#include "game/Juego.h"

namespace tablerix {

struct Nivel {
    const char* Titulo;  // UTF-8 caption
    int Paso;            // PasoBusqueda
};
extern const std::array<Nivel, 8> kNiveles;
constexpr int kNivelInicial = 3;  // "Furby"

// Checks entry i, shows its caption and sets its stride.
void ElegirNivel(Juego& j, int i);
// Menu entry of a stride, -1 when no entry has it.
int NivelDePaso(int paso);

}  // namespace tablerix

#include "game/Nivel.h"

#include "wordlist/Texto.h"

namespace tablerix {

const std::array<Nivel, 8> kNiveles{{
    {"Deep Blue", 1},
    {"Pentium III", 2},
    {"Teléfono móvil", 3},
    {"Furby", 5},
    {"Spectrum 64", 7},
    {"Calculadora", 9},
    {"Tragaperras", 11},
    {"Tostadora", 13},
}};

void ElegirNivel(Juego& j, int i) {
    if (i < 0 || i >= static_cast<int>(kNiveles.size())) return;
    j.Form1.MnuNiv.fill(false);
    j.Form1.MnuNiv[i] = true;
    j.Form1.Label6 = Txt(kNiveles[i].Titulo);
    j.Posicion.PasoBusqueda = static_cast<std::int16_t>(kNiveles[i].Paso);
}

int NivelDePaso(int paso) {
    for (int i = 0; i < static_cast<int>(kNiveles.size()); ++i)
        if (kNiveles[i].Paso == paso) return i;
    return -1;
}

}  // namespace tablerix

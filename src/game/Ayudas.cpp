#include "game/Ayudas.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tablerix {

bool PuedeMezclar(const Juego& j) {
    const ModeloVentana& f = j.Form1;
    if (!j.PartidaEnCurso || !f.Habilitada || f.ModoLabel9 != kModoTurnoJugador) return false;
    return std::none_of(f.Label1.begin(), f.Label1.end(), [](const Casilla& c) {
        return c.ColorLetra == kRojo && c.Letra != kCasillaVacia;
    });
}

void MezclarAtril(Juego& j) {
    if (!PuedeMezclar(j)) return;
    std::vector<FichaJugador*> fichas;
    for (FichaJugador& r : j.Form1.Label5)
        if (r.Visible && r.Letra != kSinFicha) fichas.push_back(&r);
    for (int i = static_cast<int>(fichas.size()) - 1; i > 0; --i) {
        const int k = static_cast<int>(j.AzarMezcla.Siguiente() * (i + 1));
        std::swap(fichas[i]->Letra, fichas[k]->Letra);
    }
}

}  // namespace tablerix

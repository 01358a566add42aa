#include "game/Ayudas.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "game/Partida.h"

namespace tablerix {

bool PuedeMezclar(const Juego& j) {
    const ModeloVentana& f = j.Form1;
    if (!j.Posicion.PartidaEnCurso || !f.Habilitada || f.ModoLabel9 != kModoTurnoJugador)
        return false;
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

FichasPorSalir ContarFichasPorSalir(const Juego& j) {
    FichasPorSalir cuenta{};
    for (int i = 0; i < kLetras; ++i) cuenta[i] = FichasIniciales(kAlfabeto[i]);
    cuenta[kLetras] = FichasIniciales(kBlanco);
    auto vista = [&](char ficha) {
        const auto i = ficha == kBlanco ? kLetras : kAlfabeto.find(ficha);
        if (i < cuenta.size() && cuenta[i] > 0) --cuenta[i];
    };
    for (int i = 0; i < kCasillas; ++i)
        if (j.Posicion.Tablero[i] != kCasillaVacia)
            vista(j.Form1.Label1[i].Blanco ? kBlanco : j.Posicion.Tablero[i]);
    for (int k = 1; k <= kRanuras; ++k)
        if (j.Posicion.Atriles[kTurnoJugador][k] != kSinFicha)
            vista(j.Posicion.Atriles[kTurnoJugador][k]);
    return cuenta;
}

std::string NombreColumna(int columna) {
    return std::string(1, static_cast<char>('A' + columna));
}

std::string NombreFila(int fila) {
    return std::to_string(fila + 1);
}

}  // namespace tablerix

#include "Impresion.h"
#include "game/Historia.h"

namespace tablerix::guion {
namespace {

std::string Turno(const TurnoHistoria& t) {
    std::string s = t.Lado == kTurnoJugador ? "player " : "computer ";
    switch (t.Tipo) {
        case TipoTurno::Pase:
            return s.append("pass, 0 points");
        case TipoTurno::Cambio:
            return s.append("exchange of ")
                .append(std::to_string(t.Fichas))
                .append(t.Fichas == 1 ? " tile" : " tiles")
                .append(", 0 points");
        case TipoTurno::Palabra:
            break;
    }
    s.append(LineaVisible(t.Palabra)).append(" ").append(std::to_string(t.Casilla));
    s.append(t.Direccion == kHorizontal ? " across" : " down");
    if (!t.OtrasPalabras.empty()) s.append(", also");
    for (const std::string& p : t.OtrasPalabras) s.append(" ").append(LineaVisible(p));
    return s.append(", ").append(std::to_string(t.Puntos)).append(" points");
}

}  // namespace

Lineas ImprimirHistoria(const Juego& j) {
    const Historia& h = HistoriaDe(j);
    if (h.Paradas.empty()) return {"history none"};
    const std::size_t hechos = h.Paradas[h.Actual].TurnosHechos;
    Lineas l{hechos == 0 ? ">start" : "start"};
    for (std::size_t i = 0; i < h.Turnos.size(); ++i) {
        std::string linea = i + 1 == hechos ? ">" : "";
        l.push_back(linea.append(std::to_string(i + 1)).append(" ").append(Turno(h.Turnos[i])));
    }
    return l;
}

Lineas ImprimirBlancos(const Juego& j) {
    std::string s = "blanks";
    for (int i = 0; i < kCasillas; ++i)
        if (j.Form1.Label1[i].Blanco) s.append(" ").append(std::to_string(i));
    return {s == "blanks" ? "blanks none" : s};
}

}  // namespace tablerix::guion

#include "Impresion.h"
#include "computer/AnalisisPartida.h"
#include "game/Historia.h"
#include "game/ResumenPartida.h"

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

const char* NombreLado(int lado) {
    return lado == kTurnoJugador ? "jugador" : "ordenador";
}

// "CASA 112 H", "pasa", "cambia 3"; "-" for no move.
std::string Jugada(const std::optional<TurnoHistoria>& t) {
    if (!t) return "-";
    switch (t->Tipo) {
        case TipoTurno::Pase:
            return "pasa";
        case TipoTurno::Cambio:
            return "cambia " + std::to_string(t->Fichas);
        case TipoTurno::Palabra:
            break;
    }
    return LineaVisible(t->Palabra) + " " + std::to_string(t->Casilla) +
           (t->Direccion == kHorizontal ? " H" : " V");
}

std::string Resultado(const ResumenPartida& r) {
    if (r.EnCurso) return "en curso";
    if (r.Puntos[0] == r.Puntos[1]) return "empate";
    return std::string("gana ") + (r.Puntos[0] > r.Puntos[1] ? "jugador" : "ordenador");
}

}  // namespace

Lineas ImprimirResumen(const Juego& j) {
    if (!PuedeResumir(j) || !j.Resumen) return {"report none"};
    const ResumenPartida& r = *j.Resumen;
    Lineas l{"report jugador " + std::to_string(r.Puntos[0]) + " ordenador " +
             std::to_string(r.Puntos[1]) + ", " + Resultado(r)};
    if (r.DesdePartidaCargada)
        l.push_back("from the loaded position, " + std::to_string(r.PuntosInicio[0]) + " " +
                    std::to_string(r.PuntosInicio[1]));
    for (const FilaResumen& f : r.Filas)
        l.push_back(std::to_string(f.Numero) + " " + NombreLado(f.Jugada.Lado) + " " +
                    Jugada(f.Jugada) + " " + Jugada(f.Mejor) + " " +
                    std::to_string(f.Jugada.Puntos) + " " + std::to_string(f.PuntosMejor()) + " " +
                    std::to_string(f.Perdidos));
    for (int lado : {kTurnoJugador, kTurnoOrdenador}) {
        const TotalResumen& t = r.Totales[lado - 1];
        l.push_back(
            "total " + std::string(NombreLado(lado)) + " " + std::to_string(t.Puntos) + " of " +
            std::to_string(t.Mejor) + ", " + std::to_string(t.Porcentaje()) + "%, best move " +
            (t.FilaMejorJugada < 0 ? std::string("-")
                                   : Jugada(r.Filas[t.FilaMejorJugada].Jugada) + " " +
                                         std::to_string(r.Filas[t.FilaMejorJugada].Jugada.Puntos)));
    }
    return l;
}

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

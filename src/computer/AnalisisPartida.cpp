#include "computer/AnalisisPartida.h"

#include <algorithm>

#include "computer/Busqueda.h"
#include "computer/TurnoOrdenador.h"
#include "game/JuegoEnsayo.h"
#include "game/Mensajes.h"

namespace tablerix {
namespace {

std::array<int, 2> Marcador(const Posicion& p) {
    return {LeerPuntos(p.Puntos[0]), LeerPuntos(p.Puntos[1])};
}

int IndiceLado(std::int16_t lado) {
    return lado == kTurnoJugador ? 0 : 1;
}

struct Hallada {
    int Puntos = 0;
    std::vector<FichaPrevia> Fichas;
};

// The best move of `lado`'s rack on `p`, by the search at full strength, the
// opening search on an empty board.
Hallada BuscarMejor(Juego& ensayo, const Posicion& p, std::int16_t lado) {
    RestaurarPosicion(ensayo, p);
    ensayo.Posicion.PasoBusqueda = 1;
    ensayo.Jugada = {};
    ensayo.Jugada.Turno = lado;
    ensayo.Jugada.Silencioso = true;
    // At rest, as the computer's turn starts its search.
    for (Casilla& c : ensayo.Form1.Label1)
        if (c.Letra != kCasillaVacia) c.Marca = kMarcaOcupada;
    if (ensayo.Posicion.PrimeraJugada) {
        const int puntos = BuscarMejorPrimeraJugada(ensayo);
        const int largo = static_cast<int>(ensayo.Busqueda.MejorFichas.size());
        if (puntos <= 0) return {};
        return {puntos, FichasDeJugada(ensayo, InicioPrimeraPalabra(largo) + 1, 1)};
    }
    BuscarMejorJugada(ensayo);
    if (ensayo.Busqueda.MejorPuntos <= 0) return {};
    return {ensayo.Busqueda.MejorPuntos,
            FichasDeJugada(ensayo, ensayo.Busqueda.MejorInicio,
                           PasoDireccion(ensayo.Busqueda.MejorDireccion))};
}

// The tiles a recorded word laid: the squares of its main word empty before it.
std::vector<FichaPrevia> FichasPuestas(const TurnoHistoria& t, const Posicion& antes,
                                       const Posicion& despues) {
    std::vector<FichaPrevia> fichas;
    if (t.Tipo != TipoTurno::Palabra) return fichas;
    const int paso = PasoDireccion(t.Direccion);
    for (std::size_t k = 0; k < t.Palabra.size(); ++k) {
        const int q = t.Casilla + static_cast<int>(k) * paso;
        if (EsCasilla(q) && antes.Partida.Tablero[q] == kCasillaVacia)
            fichas.push_back({q, t.Palabra[k], despues.Blancos[q]});
    }
    return fichas;
}

void Poner(Posicion& p, const std::vector<FichaPrevia>& fichas) {
    for (const FichaPrevia& f : fichas) {
        p.Partida.Tablero[f.Casilla] = f.Letra;
        p.Blancos[f.Casilla] = f.Blanco;
    }
    if (!fichas.empty()) p.Partida.PrimeraJugada = false;
}

// The row of turn `t` played from `antes` (`despues` is the next stop, for
// which of its tiles were blanks).
FilaResumen Analizar(Juego& ensayo, const TurnoHistoria& t, const Posicion& antes,
                     const Posicion& despues) {
    FilaResumen fila;
    fila.Jugada = t;
    fila.Tablero = antes.Partida.Tablero;
    fila.Blancos = antes.Blancos;
    fila.FichasJugada = FichasPuestas(t, antes, despues);

    Hallada mejor = BuscarMejor(ensayo, antes, t.Lado);
    if (mejor.Puntos > t.Puntos) {
        Posicion con = antes;
        Poner(con, mejor.Fichas);
        fila.Mejor =
            DescribirPalabra(t.Lado, antes.Partida.Tablero, con.Partida.Tablero, mejor.Puntos);
        fila.FichasMejor = std::move(mejor.Fichas);
    } else if (t.Tipo == TipoTurno::Palabra) {
        // The search never makes some moves (one joined only through cross
        // words, an opening off its row): what was played is then the best.
        fila.Mejor = t;
        fila.FichasMejor = fila.FichasJugada;
    }
    fila.Perdidos = std::max(0, fila.PuntosMejor() - t.Puntos);
    return fila;
}

// The latest row into its side's totals.
void Sumar(ResumenPartida& r) {
    const int indice = static_cast<int>(r.Filas.size()) - 1;
    const FilaResumen& fila = r.Filas.back();
    TotalResumen& total = r.Totales[IndiceLado(fila.Jugada.Lado)];
    total.Puntos += fila.Jugada.Puntos;
    total.Mejor += fila.PuntosMejor();
    if (fila.Jugada.Tipo == TipoTurno::Palabra &&
        (total.FilaMejorJugada < 0 ||
         fila.Jugada.Puntos > r.Filas[total.FilaMejorJugada].Jugada.Puntos))
        total.FilaMejorJugada = indice;
}

}  // namespace

bool PuedeResumir(const Juego& j) {
    const Historia& h = HistoriaDe(j);
    return !j.Ocupado && !h.Paradas.empty() && h.Paradas[h.Actual].TurnosHechos > 0;
}

ResumenPartida AnalizarPartida(const Juego& j) {
    ResumenPartida r;
    const Historia& h = HistoriaDe(j);
    if (h.Paradas.empty()) return r;
    const Posicion& inicio = h.Paradas.front().Momento;
    // A new game's history starts before its first word; a load's without
    // its history, at the board it loaded.
    r.DesdePartidaCargada = !inicio.Partida.PrimeraJugada;
    r.PuntosInicio = Marcador(inicio);
    r.Puntos = Marcador(h.Paradas[h.Actual].Momento);
    r.EnCurso = h.Paradas[h.Actual].Momento.Partida.PartidaEnCurso;

    JuegoEnsayo aparte(j);
    std::array<int, 2> marcador = r.PuntosInicio;
    for (std::size_t k = 0; k < h.Actual; ++k) {
        Posicion antes = h.Paradas[k].Momento;
        const Posicion& despues = h.Paradas[k + 1].Momento;
        const std::size_t fin = h.Paradas[k + 1].TurnosHechos;
        for (std::size_t i = h.Paradas[k].TurnosHechos; i < fin; ++i) {
            const TurnoHistoria& t = h.Turnos[i];
            FilaResumen fila = Analizar(aparte.J, t, antes, despues);
            fila.Numero = static_cast<int>(i) + 1;
            Poner(antes, fila.FichasJugada);
            // The stop after the turns holds the scores as shown, the end's settlement included.
            marcador[IndiceLado(t.Lado)] += t.Puntos;
            if (i + 1 == fin) marcador = Marcador(despues);
            fila.Marcador = marcador;
            r.Filas.push_back(std::move(fila));
            Sumar(r);
        }
    }
    return r;
}

}  // namespace tablerix

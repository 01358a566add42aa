#pragma once
// The player's statistics, level by level: what a finished game adds to them,
// and how a game that ends again (moves taken back after its end) replaces
// its own count instead of adding a second one.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tablerix {

constexpr int kNumNiveles = 8;  // the entries of the "Inteligencia" menu

// One level's record, or one finished game's (then Partidas is 1).
struct EstadisticasNivel {
    std::int64_t Partidas = 0, Ganadas = 0, Perdidas = 0, Empatadas = 0;
    // The player's moves: laid words only; passes and exchanges are no moves.
    std::int64_t Jugadas = 0, PuntosJugadas = 0;
    // The best game's score, meaningful when Partidas > 0.
    std::int64_t MejorPartida = 0;
    std::string FechaMejorPartida;  // YYYY-MM-DD, as every date here
    // The best move, meaningful when Jugadas > 0.
    std::string MejorPalabra;
    std::int64_t PuntosMejorJugada = 0;
    std::string FechaMejorJugada;

    bool operator==(const EstadisticasNivel&) const = default;
};

struct TablaEstadisticas {
    std::array<EstadisticasNivel, kNumNiveles> Niveles;  // every game but the last counted
    // The last game counted is kept apart, with the game's identity, so that
    // the same game ending again can take its place.
    std::string IdentidadUltima;  // empty: no game apart
    int NivelUltima = 0;
    EstadisticasNivel Ultima;

    bool operator==(const TablaEstadisticas&) const = default;
};

// Adds b's counts to a; each best of b is taken when a has none or a lower one.
void Sumar(EstadisticasNivel& a, const EstadisticasNivel& b);
// What each level shows: its games with the last one counted.
std::array<EstadisticasNivel, kNumNiveles> Totales(const TablaEstadisticas& t);
// Counts a finished game at `nivel` (0-based). The game counted last, ended
// again under the same identity, replaces its earlier count.
void ContarPartida(TablaEstadisticas& t, const std::string& identidad, int nivel,
                   const EstadisticasNivel& partida);
double MediaPorJugada(const EstadisticasNivel& e);  // 0 without moves

// A finished game's record from the final scores and its log: the player's
// moves are the log's "-----Jugador-----" blocks that end in a total, each
// headed by its main word.
EstadisticasNivel PartidaTerminada(int puntosJugador, int puntosOrdenador,
                                   const std::vector<std::string>& listado,
                                   const std::string& fecha);

// Today as YYYY-MM-DD; the driver replaces it so that its transcripts do not
// depend on the day they run.
extern std::string (*FechaDeHoy)();

// An identity no other game gets, in this run or another: a new game and a
// load take one.
std::string NuevaIdentidadPartida();

}  // namespace tablerix

#pragma once
// The game module's shared state. The routines of the game, the computer
// player and the saved game are free functions that take this by reference and
// leave their results in it, under the names the rules use. The fields are
// grouped by role, so `j.Posicion.Tablero` or `j.Busqueda.MejorPuntos` says
// which part a routine touches.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/Aleatorio.h"
#include "game/Estadisticas.h"
#include "game/InterfazVentana.h"
#include "game/ModeloVentana.h"
#include "game/Tipos.h"
#include "wordlist/Alfabeto.h"
#include "wordlist/Archivos.h"
#include "wordlist/CambiosLista.h"
#include "wordlist/IndiceBusqueda.h"
#include "wordlist/ListaPalabras.h"

namespace tablerix {

constexpr std::int16_t kTurnoJugador = 1;  // also the player's rack, Atriles[kTurnoJugador]
constexpr std::int16_t kTurnoOrdenador = 2;

struct OrigenArrastre {  // FichaArrastrada
    int Indice = -1;     // -1: no drag in progress
    bool DesdeAtril = false;
};

constexpr std::array<char, kCasillas> TableroVacio() {
    std::array<char, kCasillas> t{};
    t.fill(kCasillaVacia);
    return t;
}

// The position between turns: what the board holds, the racks, the bag and the
// counters. Its window side (scores, log, status, level's caption) is in Form1;
// Posicion.h captures both as one value.
struct PosicionJuego {
    std::array<char, kCasillas> Tablero = TableroVacio();  // fixed letters, ' ' for none
    // [kTurnoJugador], [kTurnoOrdenador]; slots 1..7; '\0' empty
    char Atriles[3][kRanuras + 1] = {};
    std::array<char, kFichasBolsa + 1> Bolsa{};  // slots 1..100; '\0' drawn
    std::int16_t FichasEnBolsa = 0;
    // Passes in a row, by either side; the second ends the game. Counted by
    // the player's pass and by the computer's when the bag is empty; set to 0
    // by a new game, a fixed move of either side and the computer's exchange
    // (the player's exchange leaves it); a load takes the saved count.
    std::int16_t PasesSeguidos = 0;
    // No word on the board yet: the move check wants the centre and two
    // letters, the computer uses the opening search, a save is refused. Set by
    // a new game; cleared by a fixed move of either side and by a load.
    bool PrimeraJugada = false;
    // Set by a new game and a load, cleared only by the settlement (which
    // also fixes every tile, so nothing can be dragged). While it is clear,
    // OK, pass, exchange, Deshacer, keys, a rack click and the recommendation
    // do nothing, a save is refused and closing asks nothing about the game.
    bool PartidaEnCurso = false;
    std::int16_t PasoBusqueda = 0;  // the level's stride, set with its menu entry by ElegirNivel

    bool operator==(const PosicionJuego&) const = default;
};

// The turn being played: whose it is, what is laid and how its check went.
struct JugadaEnCurso {
    // Whose rack the searches read (kTurnoJugador, kTurnoOrdenador), and so
    // whether they lay a move or propose it (ColocaElOrdenador). Set to the
    // player by a new game, a load and the hand-back; to the computer only
    // while the turn cycle runs its move. A recommendation runs on the player's.
    std::int16_t Turno = 0;
    // The pass button's way into the turn cycle: set just before it calls
    // JugarTurno, which then skips the player's move; cleared when the
    // computer's turn starts, by a new game and by a load.
    bool JugadorPasa = false;
    // Tiles laid by the move about to be checked, for the seven-tile bonus.
    // Counted by the player's OK and by each trial move of the search; a
    // check that accepts the move sets it back to 0, a refused one leaves it.
    std::int16_t FichasColocadas = 0;
    // The last move check's verdict, with PuntosJugada its score and
    // SumaPalabras the points of its words: set by ComprobarJugada alone
    // (true at its start, false at a refusal; the computer's pass or exchange
    // clears it too), read right after by the player's OK and by the search's
    // trials. Meaningless once another routine has run.
    bool JugadaValida = false;
    // The move check asks and tells nothing (no boxes, no inclusion, no blank
    // restored). The player's OK clears it before its check; the computer's
    // turn and a mid-game recommendation set it and leave it set; the search
    // sets it for its trials and puts back what it found. Whoever checks a
    // move for the player must clear it first.
    bool Silencioso = false;
    char LetraElegida = kSinFicha;  // the letter chooser's answer for a blank
    std::int16_t PuntosJugada = 0;
    std::int16_t SumaPalabras = 0;
    OrigenArrastre FichaArrastrada;
    // Squares filled by typing this turn, in order: Backspace takes the last back.
    std::vector<std::int16_t> FichasTecleadas;
    // Rack slots a letter key toggled since exchange mode began.
    std::array<bool, kRanuras> ConmutadasConTecla{};
};

// Working values of the word scorer: written by PuntuarPalabra, read by the
// move check right after, meaningless in between.
struct ValoresPuntuacion {
    std::string Palabra;
    std::int16_t PuntosPalabra = 0;
    std::int16_t PuntosLetra = 0;
    std::int16_t MultiplicadorPalabra = 1;
    std::string Notacion;
};

// The computer's search: the window being tried, and the best-move record,
// reset and filled by each search, read by the word confirmation and the
// laying that follow it.
struct RegistroBusqueda {
    std::int16_t LineaActual = 0;
    char DireccionActual = kHorizontal;
    std::int16_t InicioVentana = 0;

    std::int16_t MejorPuntos = 0;
    std::int16_t MejorInicio = 0;
    std::string MejorFichas;
    char MejorDireccion = '\0';
    std::vector<std::string> PalabrasJugada;  // word k is PalabrasJugada[k - 1]
    std::int16_t NumPalabrasJugada = 0;
    std::int16_t PuntosMejor = 0;
    // The computer passed or exchanged instead of laying a word: cleared by
    // the move search, set by CambiarOPasar, read by the turn cycle to hand
    // the turn back at once (nothing to take from the rack or log).
    bool OrdenadorNoJuega = false;
};

struct Historia;        // game/Historia.h
struct ResumenPartida;  // game/ResumenPartida.h

struct Juego {
    explicit Juego(InterfazVentana& ventana) : Ventana(ventana) {}
    Juego(const Juego&) = delete;
    Juego& operator=(const Juego&) = delete;

    InterfazVentana& Ventana;
    ModeloVentana Form1;
    Aleatorio Azar;
    ListaPalabras Lista;           // Palabras, NumPalabras, DiccionarioModificado
    IndiceBusqueda Indice{Lista};  // follows Lista; declared after it
    CambiosLista Cambios{Lista};   // words taught and removed since the start

    // Where Tablerix.pal and Tablerix.ini are read and written; the shipped word
    // list is read from CarpetaDatos when Carpeta has none yet.
    std::string Carpeta;
    std::string CarpetaDatos;
    // Carpeta held for this program from start-up on.
    BloqueoCarpeta Bloqueo;

    // Tables built at start-up; index 0 unused.
    std::array<std::string, kLetras + 1> Valores;  // "A1": letter and value, from kFichas
    std::array<std::string, kCasillas> Premios;    // decimal text of each square's colour

    PosicionJuego Posicion;
    JugadaEnCurso Jugada;
    ValoresPuntuacion Puntuacion;
    RegistroBusqueda Busqueda;

    // The turns played and the positions between them: HistoriaDe(j).
    std::shared_ptr<Historia> Historial;
    // The last game report asked for (MnuResumen_Click), for its window.
    std::shared_ptr<const ResumenPartida> Resumen;

    // The player's statistics as last read from their file.
    TablaEstadisticas Estadisticas;
    // Which game this is, for the statistics: set by a new game and a load,
    // kept by everything else, so a game that ends again replaces its count.
    std::string IdentidadPartida;

    // A handler is running: events processed meanwhile must not start another.
    bool Ocupado = false;

    // "Mezclar fichas" draws from a source of its own: the bag's draws and
    // the computer's choices stay what they would have been.
    Aleatorio AzarMezcla;
    // Set only in a scratch game made to check or search a move aside
    // (game/JuegoEnsayo.h): the game whose word list and index it reads
    // instead of its own, empty ones.
    const Juego* Original = nullptr;
};

// The list the move check reads and the index the searches walk: the game's
// own, or its original's in a scratch game.
inline const ListaPalabras& ListaDe(const Juego& j) {
    return j.Original ? j.Original->Lista : j.Lista;
}
inline const IndiceBusqueda& IndiceDe(const Juego& j) {
    return j.Original ? j.Original->Indice : j.Indice;
}

// The search runs for the computer's own move, whose tiles it lays and scores,
// not for a recommendation, whose tiles it only proposes on the board.
inline bool ColocaElOrdenador(const Juego& j) {
    return j.Jugada.Turno == kTurnoOrdenador;
}

}  // namespace tablerix

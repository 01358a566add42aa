#pragma once
// The game module's shared state. The routines of the game, the computer
// player and the saved game are free functions that take this by reference and
// leave their results in it, under the names the rules use.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Aleatorio.h"
#include "game/InterfazVentana.h"
#include "game/ModeloVentana.h"
#include "game/Tipos.h"
#include "wordlist/CambiosLista.h"
#include "wordlist/IndiceBusqueda.h"
#include "wordlist/ListaPalabras.h"

namespace tablerix {

constexpr std::int16_t kTurnoJugador = 1;  // also the player's rack, Atriles[1]
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

    // Tables built at start-up; index 0 unused.
    std::array<std::string, 27> Valores;
    std::array<std::string, kCasillas> Premios;  // decimal text of each square's colour

    std::array<char, kCasillas> Tablero = TableroVacio();  // fixed letters, ' ' for none
    char Atriles[3][kRanuras + 1] = {};          // [1] player, [2] computer; slots 1..7; '\0' empty
    std::array<char, kFichasBolsa + 1> Bolsa{};  // slots 1..100; '\0' drawn
    std::int16_t FichasEnBolsa = 0;

    bool PartidaEnCurso = false;
    bool PrimeraJugada = false;
    // Whose rack the searches read (kTurnoJugador, kTurnoOrdenador), and so
    // whether they lay a move or propose it (ColocaElOrdenador). Set to the
    // player by a new game, a load and the hand-back; to the computer only
    // while the turn cycle runs its move. A recommendation runs on the player's.
    std::int16_t Turno = 0;
    std::int16_t PasesSeguidos = 0;
    // The pass button's way into the turn cycle: set just before it calls
    // JugarTurno, which then skips the player's move; cleared when the
    // computer's turn starts, by a new game and by a load.
    bool JugadorPasa = false;
    // Tiles laid by the move about to be checked, for the seven-tile bonus.
    // Counted by the player's OK and by each trial move of the search; a
    // check that accepts the move sets it back to 0, a refused one leaves it.
    std::int16_t FichasColocadas = 0;
    bool JugadaValida = false;
    // The move check asks and tells nothing (no boxes, no inclusion, no blank
    // restored). The player's OK clears it before its check; the computer's
    // turn and a mid-game recommendation set it and leave it set; the search
    // sets it for its trials and puts back what it found. Whoever checks a
    // move for the player must clear it first.
    bool Silencioso = false;
    char LetraElegida = kSinFicha;
    std::int16_t PuntosJugada = 0;
    std::int16_t SumaPalabras = 0;
    OrigenArrastre FichaArrastrada;
    // Squares filled by typing this turn, in order: Backspace takes the last back.
    std::vector<std::int16_t> FichasTecleadas;
    // Rack slots a letter key toggled since exchange mode began.
    std::array<bool, kRanuras> ConmutadasConTecla{};

    // Working values of the word scorer: written by PuntuarPalabra, read by the
    // move check right after, meaningless in between.
    std::string Palabra;
    std::int16_t PuntosPalabra = 0;
    std::int16_t PuntosLetra = 0;
    std::int16_t MultiplicadorPalabra = 1;
    std::string Notacion;

    // Strength level and the computer's search.
    std::int16_t PasoBusqueda = 0;
    std::int16_t LineaActual = 0;
    char DireccionActual = kHorizontal;
    std::int16_t InicioVentana = 0;

    // Best-move record: reset and filled by each search, read by the word
    // confirmation and the laying that follow it.
    std::int16_t MejorPuntos = 0;
    std::int16_t MejorInicio = 0;
    std::string MejorFichas;
    char MejorDireccion = '\0';
    std::vector<std::string> PalabrasJugada;  // word k is PalabrasJugada[k - 1]
    std::int16_t NumPalabrasJugada = 0;
    std::int16_t PuntosMejor = 0;
    bool OrdenadorNoJuega = false;

    // A handler is running: events processed meanwhile must not start another.
    bool Ocupado = false;
};

// The search runs for the computer's own move, whose tiles it lays and scores,
// not for a recommendation, whose tiles it only proposes on the board.
inline bool ColocaElOrdenador(const Juego& j) {
    return j.Turno == kTurnoOrdenador;
}

}  // namespace tablerix

#pragma once
// Everything the main window shows that the game logic reads or writes, kept as
// plain data so that the logic runs without a window. Field names are the
// widget names of the main window; the Qt window only renders this.
#include <array>
#include <string>
#include <vector>

#include "game/Tipos.h"

namespace tablerix {

struct Rectangulo {
    int Izquierda = 0, Arriba = 0, Ancho = 0, Alto = 0;
    bool operator==(const Rectangulo&) const = default;
};

// Fixed layout of the main window's client area, in pixels. Squares are 25
// pixels wide, one every kPasoCasilla: neighbours share a border pixel.
constexpr int kPasoCasilla = 24;
constexpr Rectangulo GeometriaCasilla(int casilla) {
    return {44 + kPasoCasilla * (casilla % kLado), 32 + kPasoCasilla * (casilla / kLado), 25, 25};
}
constexpr int kAnchoProgreso = 361;  // shpLargo's width
constexpr int kAltoPartida = 199;    // lstPartida covering the computer's rack
constexpr int kAltoPartidaCorto = 173;
// The log's height with the computer's rack uncovered below it, or covered.
constexpr int AltoPartidaCon(bool atrilOrdenador) {
    return atrilOrdenador ? kAltoPartidaCorto : kAltoPartida;
}

// A square's mark.
constexpr char kMarcaReposo = '0';
constexpr char kMarcaOcupada = '1';  // occupied, or laid this turn
constexpr char kMarcaBlanco = '3';   // a blank given its letter during the current check

// The status line's mode mark.
constexpr char kModoTurnoJugador = '0';
constexpr char kModoBuscando = '1';  // the computer's search or a recommendation runs
constexpr char kModoCambio = '2';    // the player is selecting tiles to exchange

struct Casilla {  // Label1(i)
    char Letra = kCasillaVacia;
    Color ColorLetra = kRojo;
    char Marca = kMarcaReposo;
    bool Movible = false;
    Color Fondo = kColorVentana;
    // The tile is a blank shown as its letter. Laid this turn (a recommendation),
    // taken back it returns to the rack as a blank; fixed, it is drawn apart for
    // the rest of the game. A loaded game does not know its blanks.
    bool Blanco = false;
    bool operator==(const Casilla&) const = default;
};

// A blank standing for its letter: laid as one, or given its letter by the check under way.
inline bool EsBlancoConLetra(const Casilla& c) {
    return c.Blanco || c.Marca == kMarcaBlanco;
}

struct FichaJugador {  // Label5(k)
    char Letra = kSinFicha;
    bool Visible = true;
    Color Fondo = kColorFicha;
    bool Arrastrable = true;
    bool operator==(const FichaJugador&) const = default;
};

struct FichaOrdenador {  // Label11(k)
    char Letra = kSinFicha;
    bool Visible = true;
    bool operator==(const FichaOrdenador&) const = default;
};

// A tile of a proposed move, shown on its square while its words are asked.
struct FichaPrevia {
    int Casilla = 0;
    char Letra = kCasillaVacia;
    bool Blanco = false;
    bool operator==(const FichaPrevia&) const = default;
};

struct Marco {  // shpAzul, shpRojo
    bool Visible = false;
    Rectangulo Posicion;
    bool operator==(const Marco&) const = default;
};

// The keyboard's typing cursor, drawn as an arrow on its square.
struct CursorTeclado {
    int Casilla = -1;              // -1: hidden
    char Direccion = kHorizontal;  // or kVertical: down
    bool operator==(const CursorTeclado&) const = default;
};

struct ModeloVentana {
    std::array<Casilla, kCasillas> Label1;
    std::array<FichaJugador, kRanuras> Label5;
    std::array<FichaOrdenador, kRanuras> Label11;
    std::array<std::string, 2> Label4{"0", "0"};  // scores: the only place they are held
    std::string Label6;                           // level caption
    std::string Label7;                           // tiles left in the bag
    std::string Label9;                           // status line
    // Written with Label9 by PonerEstado only; the OK button reads it to tell
    // an exchange from a move, the settlement keeps it.
    char ModoLabel9 = kModoTurnoJugador;
    std::string lblPuntos;  // letter-value legend

    std::vector<std::string> lstPartida;  // the game log
    int SeleccionPartida = -1;            // selected log line, -1 none
    int AltoPartida = kAltoPartida;

    // Hidden word records. List4: the move last checked, rebuilt by every
    // check that reaches the words. List3: the computer's (or recommended)
    // best move, filled by the search. Both are logged and cleared when a
    // move is fixed.
    std::vector<std::string> List3, List4;

    bool ProgresoVisible = false;  // shpLargo and shpCorto together
    int AnchoProgreso = 0;         // shpCorto's width, 0..kAnchoProgreso
    Marco shpAzul, shpRojo;
    CursorTeclado Cursor;
    // Display only, while a question about the board is open: the proposed
    // move not yet laid, and the box kept off the board.
    std::vector<FichaPrevia> VistaPrevia;
    bool PreguntaJuntoAlTablero = false;

    std::array<bool, 8> MnuNiv{};
    // "Fichas PC", the player's setting. The end of a game uncovers the
    // computer's rack whatever it says; a new game or a load follows it again.
    bool MnuContra = false;
    bool MnuMejor = false;   // "Recomendar la mejor jugada": F4 at stride 1
    bool Habilitada = true;  // the main window accepts input

    bool operator==(const ModeloVentana&) const = default;
};

}  // namespace tablerix

#pragma once
// Board geometry, colours and tile conventions shared by every layer.
#include <cstdint>

namespace tablerix {

// Colour value as the window keeps it: R + 256·G + 65536·B.
using Color = std::int32_t;
constexpr Color RGB(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

constexpr Color kRojo = RGB(255, 0, 0);
constexpr Color kNegro = RGB(0, 0, 0);
constexpr Color kAzul = RGB(0, 0, 255);
constexpr Color kColorFicha = RGB(255, 255, 192);  // fixed square and rack tile
constexpr Color kMagenta = RGB(255, 0, 255);       // rack tile selected for an exchange
constexpr Color kPalabraX3 = RGB(255, 192, 128);
constexpr Color kPalabraX2 = RGB(128, 255, 128);
constexpr Color kLetraX3 = RGB(255, 192, 192);
constexpr Color kLetraX2 = RGB(192, 192, 255);
// The system's window background, as the window toolkit reports it.
constexpr Color kColorVentana = static_cast<Color>(0x80000005u);

constexpr int kLado = 15;
constexpr int kCasillas = 225;
constexpr int kCentro = 112;
constexpr int kRanuras = 7;  // rack slots
constexpr int kFichasBolsa = 100;

// Tiles are single chars: a letter, '*' for a blank, '\0' for an empty rack or
// bag slot. An empty board square holds ' '.
constexpr char kBlanco = '*';
constexpr char kSinFicha = '\0';
constexpr char kCasillaVacia = ' ';

// A word's direction and the step between its neighbouring squares.
constexpr char kHorizontal = 'H';
constexpr char kVertical = 'V';
constexpr int PasoDireccion(char direccion) {
    return direccion == kHorizontal ? 1 : kLado;
}

// Whether an index names a board square or a rack slot.
constexpr bool EsCasilla(int i) {
    return i >= 0 && i < kCasillas;
}
constexpr bool EsRanura(int i) {
    return i >= 0 && i < kRanuras;
}

// 1-based row and column of a square, as the move check and the scorer use them.
constexpr int FilaDe(int casilla) {
    return casilla / kLado + 1;
}
constexpr int ColumnaDe(int casilla) {
    return casilla - (FilaDe(casilla) - 1) * kLado + 1;
}

}  // namespace tablerix

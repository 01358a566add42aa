#include "game/Teclado.h"

#include <string_view>

#include "game/Colocacion.h"
#include "wordlist/Alfabeto.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

// Accented capitals (Windows-1252) of each vowel.
constexpr std::pair<std::string_view, char> kAcentos[] = {{"\xC0\xC1\xC2\xC4", 'A'},
                                                          {"\xC8\xC9\xCA\xCB", 'E'},
                                                          {"\xCC\xCD\xCE\xCF", 'I'},
                                                          {"\xD2\xD3\xD4\xD6", 'O'},
                                                          {"\xD9\xDA\xDB\xDC", 'U'}};

// The first visible rack slot showing `ficha`, or -1.
int RanuraCon(const ModeloVentana& f, char ficha) {
    for (int i = 0; i < kRanuras; ++i)
        if (f.Label5[i].Visible && f.Label5[i].Letra == ficha) return i;
    return -1;
}

// The next empty square after `casilla` in the cursor's direction, passing
// over tiles; `casilla` itself when the line ends first.
int SiguienteVacia(const ModeloVentana& f, int casilla) {
    const bool horizontal = f.Cursor.Direccion == kHorizontal;
    const int paso = PasoDireccion(f.Cursor.Direccion);
    for (int q = casilla + paso; q < kCasillas; q += paso) {
        if (horizontal && FilaDe(q) != FilaDe(casilla)) break;
        if (f.Label1[q].Letra == kCasillaVacia) return q;
    }
    return casilla;
}

void ColocarTecleada(Juego& j, char letra) {
    ModeloVentana& f = j.Form1;
    const int q = f.Cursor.Casilla;
    if (letra == kSinFicha || !EsCasilla(q) || f.Label1[q].Letra != kCasillaVacia) return;
    int ranura = RanuraCon(f, letra);
    const bool blanco = ranura < 0;
    if (blanco) ranura = RanuraCon(f, kBlanco);
    if (ranura < 0) return;
    PonerDelAtril(j, ranura, q);
    if (blanco) {
        // The letter is given now, so the check does not ask for it; taken
        // back, the tile is a blank again.
        f.Label1[q].Letra = letra;
        f.Label1[q].Blanco = true;
    }
    j.Jugada.FichasTecleadas.push_back(static_cast<std::int16_t>(q));
    f.Cursor.Casilla = SiguienteVacia(f, q);
}

// The first tile showing the letter that this letter has not toggled yet;
// once it has toggled them all, it starts again from the first.
void SeleccionarTecleada(Juego& j, char ficha) {
    const auto& atril = j.Form1.Label5;
    auto& conmutadas = j.Jugada.ConmutadasConTecla;
    int elegida = -1;
    for (int ronda = 0; ronda < 2 && elegida < 0; ++ronda) {
        for (int i = 0; i < kRanuras; ++i) {
            if (!atril[i].Visible || atril[i].Letra != ficha) continue;
            if (ronda == 1) conmutadas[i] = false;
            if (!conmutadas[i] && elegida < 0) elegida = i;
        }
    }
    if (elegida < 0) return;
    conmutadas[elegida] = true;
    PulsarAtril(j, elegida);
}

}  // namespace

char LetraDeTecla(char caracter) {
    const char c = Mayusculas(std::string_view(&caracter, 1))[0];
    if (EsLetraDeFicha(c)) return c;
    for (auto [acentuadas, vocal] : kAcentos)
        if (acentuadas.find(c) != std::string_view::npos) return vocal;
    return kSinFicha;
}

bool EsTeclaDeLetra(char caracter) {
    return LetraDeTecla(caracter) != kSinFicha || caracter == 'W' || caracter == 'w';
}

void ApuntarCasilla(Juego& j, int casilla) {
    ModeloVentana& f = j.Form1;
    if (!j.Posicion.PartidaEnCurso || f.ModoLabel9 != kModoTurnoJugador || !EsCasilla(casilla))
        return;
    if (f.Label1[casilla].Letra != kCasillaVacia) return;
    if (f.Cursor.Casilla == casilla)
        f.Cursor.Direccion = f.Cursor.Direccion == kHorizontal ? kVertical : kHorizontal;
    else
        f.Cursor = {casilla, kHorizontal};
}

void MoverCursor(Juego& j, int filas, int columnas) {
    CursorTeclado& cursor = j.Form1.Cursor;
    if (!EsCasilla(cursor.Casilla)) return;
    const int fila = cursor.Casilla / kLado + filas;
    const int columna = cursor.Casilla % kLado + columnas;
    if (fila >= 0 && fila < kLado && columna >= 0 && columna < kLado)
        cursor.Casilla = fila * kLado + columna;
}

void TeclearCaracter(Juego& j, char caracter) {
    if (j.Form1.ModoLabel9 != kModoCambio) return ColocarTecleada(j, LetraDeTecla(caracter));
    const bool blanco = caracter == ' ' || caracter == kBlanco;
    const char ficha = blanco ? kBlanco : LetraDeTecla(caracter);
    if (ficha != kSinFicha) SeleccionarTecleada(j, ficha);
}

void DevolverTecleada(Juego& j) {
    ModeloVentana& f = j.Form1;
    auto& tecleadas = j.Jugada.FichasTecleadas;
    // Tiles moved or taken back with the mouse since are passed over.
    while (!tecleadas.empty()) {
        const int q = tecleadas.back();
        tecleadas.pop_back();
        if (!f.Label1[q].Movible) continue;
        PulsarCasilla(j, q, true);
        f.Cursor.Casilla = q;
        return;
    }
}

void OcultarCursor(Juego& j) {
    j.Form1.Cursor.Casilla = -1;
    j.Jugada.FichasTecleadas.clear();
    j.Jugada.ConmutadasConTecla = {};
}

}  // namespace tablerix

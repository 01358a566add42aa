#include "game/Partida.h"

#include <cstdlib>

#include "game/Historia.h"
#include "game/Mensajes.h"
#include "game/Teclado.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

constexpr int TotalEnBolsa() {
    int total = kBlancosEnBolsa;
    for (const DatosLetra& f : kFichas) total += f.EnBolsa;
    return total;
}
static_assert(TotalEnBolsa() == kFichasBolsa);

}  // namespace

int FichasIniciales(char ficha) {
    if (ficha == kBlanco) return kBlancosEnBolsa;
    const std::size_t i = kAlfabeto.find(ficha);
    return i == std::string_view::npos ? 0 : kFichas[i].EnBolsa;
}

namespace {

// FichasEnBolsa should always count the filled slots; a count that says
// otherwise (a damaged saved game) must not leave the pick loop spinning.
bool HayFichaEnBolsa(const Juego& j) {
    for (int s = 1; s <= kFichasBolsa; ++s)
        if (j.Posicion.Bolsa[s] != kSinFicha) return true;
    return false;
}

int ElegirRanura(Juego& j) {
    int s;
    do {
        s = static_cast<int>(j.Azar.Siguiente() * 100) + 1;
    } while (j.Posicion.Bolsa[s] == kSinFicha);
    return s;
}

}  // namespace

void LlenarBolsa(Juego& j) {
    int n = 1;
    for (char c = 'A'; c <= 'Z'; ++c) {
        const std::size_t i = kAlfabeto.find(c == 'W' ? kEnie : c);
        if (i == std::string_view::npos) continue;
        for (int k = 0; k < kFichas[i].EnBolsa; ++k) j.Posicion.Bolsa[n++] = kFichas[i].Letra;
    }
    for (int k = 0; k < kBlancosEnBolsa; ++k) j.Posicion.Bolsa[n++] = kBlanco;
}

void PonerCasillaFija(Juego& j, int casilla, char letra, bool blanco) {
    Casilla& c = j.Form1.Label1[casilla];
    j.Posicion.Tablero[casilla] = letra;
    c.Letra = letra;
    c.Marca = kMarcaReposo;
    c.Movible = false;
    c.Blanco = blanco;
    if (letra == kCasillaVacia) {
        c.ColorLetra = kRojo;
        c.Fondo = static_cast<Color>(std::strtol(j.Premios[casilla].c_str(), nullptr, 10));
    } else {
        c.ColorLetra = kNegro;
        c.Fondo = kColorFicha;
    }
}

void MostrarAtril(Juego& j, int p, ComoMostrarAtril como) {
    for (int k = 0; k < kRanuras; ++k) {
        const char ficha = j.Posicion.Atriles[p][k + 1];
        auto mostrar = [&](auto& r) {
            r.Letra = ficha;
            if (ficha != kSinFicha)
                r.Visible = true;
            else if (como.OcultarVacias)
                r.Visible = false;
        };
        if (p == kTurnoJugador) {
            FichaJugador& r = j.Form1.Label5[k];
            mostrar(r);
            if (como.Restablecer) {
                r.Fondo = kColorFicha;
                r.Arrastrable = true;
            }
        } else {
            mostrar(j.Form1.Label11[k]);
        }
    }
}

void NuevaPartida(Juego& j) {
    ModeloVentana& f = j.Form1;
    j.IdentidadPartida = NuevaIdentidadPartida();
    f.lstPartida.clear();
    f.SeleccionPartida = -1;
    AgregarLinea(j, "*** INICIO DE PARTIDA ***");
    AgregarLinea(j, "");

    f.List3.clear();
    f.List4.clear();

    f.ProgresoVisible = false;
    f.AnchoProgreso = 0;
    f.shpAzul.Visible = false;
    f.AltoPartida = AltoPartidaCon(f.MnuContra);

    j.Posicion.PrimeraJugada = true;
    j.Posicion.PartidaEnCurso = true;
    j.Posicion.PasesSeguidos = 0;
    j.Jugada.FichaArrastrada = {};
    OcultarCursor(j);
    j.Posicion.FichasEnBolsa = kFichasBolsa;
    j.Jugada.Turno = kTurnoJugador;
    j.Jugada.JugadorPasa = false;

    for (int i = 0; i < kCasillas; ++i) PonerCasillaFija(j, i, kCasillaVacia);

    PonerEstado(j, kEsTuTurno, kModoTurnoJugador);
    HabilitarVentana(j, true);
    f.Label4 = {"0", "0"};

    LlenarBolsa(j);
    for (int p = kTurnoJugador; p <= kTurnoOrdenador; ++p)
        for (int k = 1; k <= kRanuras; ++k) j.Posicion.Atriles[p][k] = kSinFicha;
    RobarFichas(j, kTurnoJugador);
    RobarFichas(j, kTurnoOrdenador);

    MostrarAtril(j, kTurnoJugador, {.Restablecer = true});
    MostrarAtril(j, kTurnoOrdenador);
    EmpezarHistoria(j);
}

void RobarFichas(Juego& j, int p) {
    if (p != kTurnoJugador && p != kTurnoOrdenador) return;
    char* atril = j.Posicion.Atriles[p];
    int blancos = 0;
    for (int k = 1; k <= kRanuras; ++k)
        if (atril[k] == kBlanco) ++blancos;

    for (int k = 1; k <= kRanuras; ++k) {
        if (j.Posicion.FichasEnBolsa <= 0 || !HayFichaEnBolsa(j)) break;
        // A slot is picked for every rack slot, also a full one: the random
        // sequence depends on it.
        int s = ElegirRanura(j);
        if (atril[k] != kSinFicha) continue;
        char ficha = j.Posicion.Bolsa[s];
        if (ficha == kBlanco) {
            // A rack never gets a second blank from a draw.
            if (blancos == 1) {
                ficha = 'A';
            } else {
                blancos = 1;
            }
        }
        atril[k] = ficha;
        j.Posicion.Bolsa[s] = kSinFicha;
        --j.Posicion.FichasEnBolsa;
        if (j.Posicion.FichasEnBolsa == 0) {
            j.Form1.Label7 =
                std::to_string(j.Posicion.FichasEnBolsa);  // the counter behind the box
            Informar(j, "Se han acabado la fichas.");
            j.Ventana.ProcesarEventos();
        }
    }
    j.Form1.Label7 = std::to_string(j.Posicion.FichasEnBolsa);
}

}  // namespace tablerix

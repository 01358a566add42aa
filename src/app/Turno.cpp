#include "app/Turno.h"

#include <algorithm>

#include "computer/BloquesPartida.h"
#include "computer/TurnoOrdenador.h"
#include "game/Colocacion.h"
#include "game/Comprobacion.h"
#include "game/FinPartida.h"
#include "game/Historia.h"
#include "game/Mensajes.h"
#include "game/Partida.h"
#include "game/Teclado.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

void MarcarOcupadas(Juego& j) {
    for (Casilla& c : j.Form1.Label1)
        if (c.Letra != kCasillaVacia) c.Marca = kMarcaOcupada;
}

bool HayFichaVisible(const ModeloVentana& f) {
    return std::any_of(f.Label5.begin(), f.Label5.end(),
                       [](const FichaJugador& r) { return r.Visible; });
}

bool OrdenadorTieneFichas(const ModeloVentana& f) {
    return std::any_of(f.Label11.begin(), f.Label11.end(),
                       [](const FichaOrdenador& r) { return r.Visible && r.Letra != kSinFicha; });
}

// The player's move as laid on the board; false when the check refused it.
bool ComprobarJugadaJugador(Juego& j) {
    PrepararComprobacion(j);
    ComprobarJugada(j);
    if (j.Jugada.JugadaValida) return true;
    // The laid tiles stay red, marked and movable for the player to correct.
    for (Casilla& c : j.Form1.Label1)
        if (c.ColorLetra == kNegro) c.Marca = kMarcaReposo;
    return false;
}

// Returns true when the player's word ended the game.
bool FijarJugadaJugador(Juego& j) {
    ModeloVentana& f = j.Form1;
    const std::array<char, kCasillas> antes = j.Posicion.Tablero;
    EscribirBloqueJugada(j, "-----Jugador-----", f.List4, j.Jugada.PuntosJugada);
    f.List3.clear();
    f.List4.clear();
    j.Posicion.PasesSeguidos = 0;
    j.Posicion.PrimeraJugada = false;

    for (int i = 0; i < kCasillas; ++i) {
        Casilla& c = f.Label1[i];
        if (c.ColorLetra == kRojo && c.Letra != kCasillaVacia) {
            // A blank stays told apart on the board for the rest of the game.
            PonerCasillaFija(j, i, c.Letra, EsBlancoConLetra(c));
        } else {
            c.Movible = false;
            c.Marca = kMarcaReposo;
        }
    }
    // The display closed its gaps as tiles were laid: what is left sits in slots 1..n.
    for (int k = 1; k <= kRanuras; ++k) {
        const FichaJugador& r = f.Label5[k - 1];
        j.Posicion.Atriles[kTurnoJugador][k] = r.Visible ? r.Letra : kSinFicha;
    }
    SumarPuntos(f.Label4[0], j.Jugada.PuntosJugada);
    AnotarPalabra(j, kTurnoJugador, antes, j.Jugada.PuntosJugada);

    if (j.Posicion.FichasEnBolsa == 0 && !HayFichaVisible(f)) {
        FinPartida(j);
        return true;
    }
    return false;
}

void RellenarAtrilJugador(Juego& j) {
    RobarFichas(j, kTurnoJugador);
    MostrarAtril(j, kTurnoJugador, {.OcultarVacias = false});
}

void EmpezarTurnoOrdenador(Juego& j) {
    ModeloVentana& f = j.Form1;
    f.ProgresoVisible = true;
    j.Jugada.JugadorPasa = false;
    OcultarCursor(j);
    HabilitarVentana(j, false);
    PonerEstado(j, "Estoy pensando mi jugada. Espera...", kModoBuscando);
    j.Ventana.ProcesarEventos();
    j.Jugada.Turno = kTurnoOrdenador;
    j.Jugada.Silencioso = true;
    MarcarOcupadas(j);
    j.Busqueda.MejorFichas.clear();
}

// The tiles the computer laid leave its rack; a blank goes only for a letter it
// holds no real tile of. The rest close up to the first slots and it draws.
void RetirarFichasOrdenador(Juego& j) {
    ModeloVentana& f = j.Form1;
    f.ProgresoVisible = false;
    j.Posicion.PasesSeguidos = 0;

    std::string w;
    for (char c : j.Busqueda.MejorFichas)
        if (c != '-') w += c;
    j.Busqueda.MejorFichas = w;

    std::string s;
    for (int k = 1; k <= kRanuras; ++k) {
        if (f.Label11[k - 1].Letra != kSinFicha &&
            j.Posicion.Atriles[kTurnoOrdenador][k] != kSinFicha)
            s += j.Posicion.Atriles[kTurnoOrdenador][k];
        j.Posicion.Atriles[kTurnoOrdenador][k] = kSinFicha;
    }
    for (char c : w) {
        std::size_t p = s.find(c);
        if (p == std::string::npos) p = s.find(kBlanco);
        if (p != std::string::npos) s[p] = '.';
    }
    int k = 1;
    for (char c : s)
        if (c != '.') j.Posicion.Atriles[kTurnoOrdenador][k++] = c;

    RobarFichas(j, kTurnoOrdenador);
    MostrarAtril(j, kTurnoOrdenador);
}

void DevolverTurno(Juego& j) {
    if (j.Posicion.PartidaEnCurso)
        PonerEstado(j, kEsTuTurno, kModoTurnoJugador);
    else
        PonerEstado(j, "Partida finalizada.", kModoTurnoJugador);
    HabilitarVentana(j, true);
    j.Jugada.Turno = kTurnoJugador;
}

// What the search did, told by the board and the bag: a word, else a pass
// with the bag empty, else an exchange of the tiles the bag lost.
void AnotarTurnoOrdenador(Juego& j, const PosicionJuego& antes, int puntosAntes) {
    if (j.Posicion.Tablero != antes.Tablero)
        AnotarPalabra(j, kTurnoOrdenador, antes.Tablero,
                      LeerPuntos(j.Form1.Label4[1]) - puntosAntes);
    else if (antes.FichasEnBolsa == 0)
        AnotarPase(j, kTurnoOrdenador);
    else
        AnotarCambio(j, kTurnoOrdenador, antes.FichasEnBolsa - j.Posicion.FichasEnBolsa);
}

void TurnoOrdenador(Juego& j) {
    ModeloVentana& f = j.Form1;
    EmpezarTurnoOrdenador(j);
    const PosicionJuego antes = j.Posicion;
    const int puntosAntes = LeerPuntos(f.Label4[1]);

    if (j.Posicion.PrimeraJugada) {
        BuscarPrimeraJugada(j);
        AnotarTurnoOrdenador(j, antes, puntosAntes);
    } else {
        BuscarJugada(j);
        AnotarTurnoOrdenador(j, antes, puntosAntes);
        for (Casilla& c : f.Label1) c.Marca = kMarcaReposo;
        if (j.Busqueda.OrdenadorNoJuega) {
            DevolverTurno(j);
            return;
        }
    }

    RetirarFichasOrdenador(j);

    // Also the word that empties its rack: its points are on its score, so the
    // log shows it before the settlement.
    if (!j.Busqueda.MejorFichas.empty()) {
        EscribirBloqueJugada(j, "-----Ordenador-----", f.List3, j.Busqueda.PuntosMejor);
        f.List3.clear();
        f.List4.clear();
        j.Posicion.PrimeraJugada = false;
    }
    if (!OrdenadorTieneFichas(f)) FinPartida(j);
    DevolverTurno(j);
}

int FichasSeleccionadas(const ModeloVentana& f) {
    return static_cast<int>(
        std::count_if(f.Label5.begin(), f.Label5.end(),
                      [](const FichaJugador& r) { return r.Visible && r.Fondo != kColorFicha; }));
}

int PrimeraRanuraLibre(const Juego& j) {
    for (int s = 1; s <= kFichasBolsa; ++s)
        if (j.Posicion.Bolsa[s] == kSinFicha) return s;
    return 0;
}

}  // namespace

void PrepararComprobacion(Juego& j) {
    j.Jugada.FichasColocadas = 0;
    for (Casilla& c : j.Form1.Label1) {
        if (c.Letra == kCasillaVacia) continue;
        c.Marca = kMarcaOcupada;
        if (c.ColorLetra == kRojo) ++j.Jugada.FichasColocadas;
    }
    j.Jugada.Silencioso = false;
}

void JugarTurno(Juego& j) {
    j.Form1.shpAzul.Visible = false;
    if (!j.Posicion.PartidaEnCurso) return;

    if (!j.Jugada.JugadorPasa) {
        if (j.Form1.ModoLabel9 == kModoCambio) {
            if (!CompletarCambio(j)) return;
        } else {
            if (!ComprobarJugadaJugador(j)) return;
            if (FijarJugadaJugador(j)) return;
        }
        RellenarAtrilJugador(j);
    }
    TurnoOrdenador(j);
}

void Pasar(Juego& j) {
    j.Form1.shpAzul.Visible = false;
    if (!j.Posicion.PartidaEnCurso) return;
    if (j.Posicion.FichasEnBolsa > 0 &&
        !Preguntar(j, Txt("Aún quedan fichas. Quieres pasar?"), Icono::Informacion))
        return;
    Deshacer(j);
    ++j.Posicion.PasesSeguidos;
    EscribirBloqueAviso(j, "-----Jugador-----", " (Pasa)");
    AnotarPase(j, kTurnoJugador);
    if (j.Posicion.PasesSeguidos >= 2) {
        FinPartida(j);
        return;
    }
    j.Jugada.JugadorPasa = true;
    JugarTurno(j);
}

void EmpezarCambio(Juego& j) {
    j.Form1.shpAzul.Visible = false;
    if (!j.Posicion.PartidaEnCurso) return;
    if (j.Posicion.FichasEnBolsa == 0) {
        Informar(j, "No quedan fichas.");
        return;
    }
    Deshacer(j);
    OcultarCursor(j);  // letters now select tiles
    PonerEstado(j,
                Txt("Selecciona las fichas y pulsa 'OK'. Utiliza el botón DESHACER para cancelar."),
                kModoCambio);
    for (FichaJugador& r : j.Form1.Label5) r.Arrastrable = false;
}

bool CompletarCambio(Juego& j) {
    ModeloVentana& f = j.Form1;
    if (FichasSeleccionadas(f) > j.Posicion.FichasEnBolsa) {
        Informar(j, "Solo queda/n " + std::to_string(j.Posicion.FichasEnBolsa) + " ficha/s.");
        return false;
    }
    AnotarCambio(j, kTurnoJugador, FichasSeleccionadas(f));
    for (int i = 0; i < kRanuras; ++i) {
        const FichaJugador& r = f.Label5[i];
        const bool seleccionada = r.Visible && r.Fondo != kColorFicha;
        if (!seleccionada) {
            j.Posicion.Atriles[kTurnoJugador][i + 1] = r.Letra;
            continue;
        }
        j.Posicion.Atriles[kTurnoJugador][i + 1] = kSinFicha;
        if (int s = PrimeraRanuraLibre(j)) {
            j.Posicion.Bolsa[s] = r.Letra;
            ++j.Posicion.FichasEnBolsa;
        }
    }
    for (FichaJugador& r : f.Label5) {
        r.Arrastrable = true;
        r.Fondo = kColorFicha;
    }
    PonerEstado(j, kEsTuTurno, kModoTurnoJugador);
    // Six closing dashes here, five everywhere else: the log has always read so.
    EscribirBloqueAviso(j, "-----Jugador------", " (Cambia fichas)");
    return true;
}

}  // namespace tablerix

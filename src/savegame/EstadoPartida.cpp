#include "savegame/EstadoPartida.h"

#include "game/Colocacion.h"
#include "game/Mensajes.h"
#include "game/Nivel.h"
#include "game/Partida.h"
#include "game/Teclado.h"

namespace tablerix {
namespace {

void ReanudarTurnoJugador(Juego& j) {
    ModeloVentana& f = j.Form1;
    f.ProgresoVisible = false;
    f.AnchoProgreso = 0;
    j.Jugada.FichaArrastrada = {};
    j.Posicion.PrimeraJugada = false;
    j.Jugada.Turno = kTurnoJugador;
    j.Jugada.JugadorPasa = false;
    j.Posicion.PartidaEnCurso = true;
    f.shpAzul.Visible = false;
    f.AltoPartida = AltoPartidaCon(f.MnuContra);
    PonerEstado(j, kEsTuTurno, kModoTurnoJugador);
    HabilitarVentana(j, true);
}

void PonerTablero(Juego& j, const DatosPartida& d) {
    for (int i = 0; i < kCasillas; ++i) PonerCasillaFija(j, i, d.Tablero[i]);
}

void PonerAtriles(Juego& j, const DatosPartida& d) {
    for (int p = kTurnoJugador; p <= kTurnoOrdenador; ++p) {
        for (int k = 1; k <= kRanuras; ++k) j.Posicion.Atriles[p][k] = d.Atriles[p][k];
        // The settlement counts only visible slots: a slot hidden late in the
        // game on screen must show the loaded tile.
        MostrarAtril(j, p);
    }
}

}  // namespace

DatosPartida CopiarPartida(const Juego& j) {
    DatosPartida d;
    d.Tablero = j.Posicion.Tablero;
    for (int p = kTurnoJugador; p <= kTurnoOrdenador; ++p)
        for (int k = 1; k <= kRanuras; ++k) d.Atriles[p][k] = j.Posicion.Atriles[p][k];
    d.Bolsa = j.Posicion.Bolsa;
    d.FichasEnBolsa = j.Posicion.FichasEnBolsa;
    d.Puntos = j.Form1.Label4;
    d.PasesSeguidos = j.Posicion.PasesSeguidos;
    d.PasoBusqueda = j.Posicion.PasoBusqueda;
    d.Listado = j.Form1.lstPartida;
    return d;
}

void RestaurarPartida(Juego& j, const DatosPartida& d) {
    j.IdentidadPartida = NuevaIdentidadPartida();
    ReanudarTurnoJugador(j);
    PonerTablero(j, d);
    PonerAtriles(j, d);

    j.Posicion.FichasEnBolsa = d.FichasEnBolsa;
    j.Form1.Label7 = std::to_string(d.FichasEnBolsa);
    j.Posicion.Bolsa = d.Bolsa;
    j.Form1.Label4 = d.Puntos;
    j.Posicion.PasesSeguidos = d.PasesSeguidos;
    ElegirNivel(j, NivelDePaso(d.PasoBusqueda));

    ModeloVentana& f = j.Form1;
    f.lstPartida = d.Listado;
    // A log too short for a last-but-one line selects nothing.
    f.SeleccionPartida = static_cast<int>(f.lstPartida.size()) - 2;
    if (f.SeleccionPartida < 0) f.SeleccionPartida = -1;
    Deshacer(j);
    OcultarCursor(j);
}

}  // namespace tablerix

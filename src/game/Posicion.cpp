#include "game/Posicion.h"

#include "game/Partida.h"
#include "game/Teclado.h"

namespace tablerix {

Posicion CapturarPosicion(const Juego& j) {
    const ModeloVentana& f = j.Form1;
    Posicion p;
    p.Partida = j.Posicion;
    for (int i = 0; i < kCasillas; ++i)
        p.Blancos[i] = j.Posicion.Tablero[i] != kCasillaVacia && f.Label1[i].Blanco;
    p.AtrilJugador = f.Label5;
    p.AtrilOrdenador = f.Label11;
    p.Puntos = f.Label4;
    p.Contador = f.Label7;
    p.Estado = f.Label9;
    p.ModoEstado = f.ModoLabel9;
    p.Nivel = f.Label6;
    p.MenuNivel = f.MnuNiv;
    p.Listado = f.lstPartida;
    p.SeleccionListado = f.SeleccionPartida;
    p.AltoListado = f.AltoPartida;
    p.Azul = f.shpAzul;
    p.Rojo = f.shpRojo;
    p.Azar = j.Azar.Estado();
    return p;
}

void RestaurarPosicion(Juego& j, const Posicion& p) {
    ModeloVentana& f = j.Form1;
    j.Posicion = p.Partida;
    for (int i = 0; i < kCasillas; ++i) PonerCasillaFija(j, i, p.Partida.Tablero[i], p.Blancos[i]);
    f.Label5 = p.AtrilJugador;
    f.Label11 = p.AtrilOrdenador;
    f.Label4 = p.Puntos;
    f.Label7 = p.Contador;
    f.Label9 = p.Estado;
    f.ModoLabel9 = p.ModoEstado;
    f.Label6 = p.Nivel;
    f.MnuNiv = p.MenuNivel;
    f.lstPartida = p.Listado;
    f.SeleccionPartida = p.SeleccionListado;
    f.AltoPartida = p.AltoListado;
    f.shpAzul = p.Azul;
    f.shpRojo = p.Rojo;
    j.Azar.Restaurar(p.Azar);
    j.Jugada.FichaArrastrada = {};
    OcultarCursor(j);
}

}  // namespace tablerix

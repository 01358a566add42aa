#include "game/Colocacion.h"

#include "game/Mensajes.h"
#include "game/Partida.h"

namespace tablerix {
namespace {

int RanurasVisibles(const ModeloVentana& f) {
    int n = 0;
    for (const FichaJugador& r : f.Label5)
        if (r.Visible) ++n;
    return n;
}

void VaciarCasilla(Casilla& c) {
    c.Letra = kCasillaVacia;
    c.Marca = kMarcaReposo;
    c.Movible = false;
    c.Blanco = false;
}

void PonerEnCasilla(Casilla& c, char letra) {
    c.Letra = letra;
    c.Marca = kMarcaOcupada;
    c.Movible = true;
    c.Blanco = false;
}

// The recorded drag source, read once and cleared: every drop ends the drag.
OrigenArrastre TomarOrigen(Juego& j) {
    OrigenArrastre origen = j.Jugada.FichaArrastrada;
    j.Jugada.FichaArrastrada = {};
    return origen;
}

void SoltarDesdeCasilla(Juego& j, int desde, int t) {
    ModeloVentana& f = j.Form1;
    if (!EsCasilla(desde) || !f.Label1[desde].Movible) return;
    PonerEnCasilla(f.Label1[t], f.Label1[desde].Letra);
    f.Label1[t].Blanco = f.Label1[desde].Blanco;
    VaciarCasilla(f.Label1[desde]);
}

}  // namespace

void PonerDelAtril(Juego& j, int s, int t) {
    ModeloVentana& f = j.Form1;
    if (!EsRanura(s) || !f.Label5[s].Visible) return;
    PonerEnCasilla(f.Label1[t], f.Label5[s].Letra);
    f.Label5[s].Visible = false;
    CerrarHuecosAtril(f);
}

void CerrarHuecosAtril(ModeloVentana& f) {
    int n = 0;
    for (int k = 0; k < kRanuras; ++k) {
        FichaJugador& r = f.Label5[k];
        if (!r.Visible) continue;
        r.Visible = false;
        f.Label5[n].Letra = r.Letra;
        f.Label5[n++].Visible = true;
    }
}

bool PuedeArrastrarAtril(const Juego& j, int ranura) {
    if (!EsRanura(ranura)) return false;
    const FichaJugador& r = j.Form1.Label5[ranura];
    return r.Visible && r.Arrastrable && r.Letra != kSinFicha;
}

bool PuedeArrastrarCasilla(const Juego& j, int casilla) {
    return EsCasilla(casilla) && j.Form1.Label1[casilla].Movible;
}

void EmpezarArrastreAtril(Juego& j, int ranura) {
    if (!PuedeArrastrarAtril(j, ranura)) return;
    j.Jugada.FichaArrastrada = {ranura, true};
    j.Form1.shpAzul.Visible = false;
}

void EmpezarArrastreCasilla(Juego& j, int casilla) {
    if (!PuedeArrastrarCasilla(j, casilla)) return;
    j.Jugada.FichaArrastrada = {casilla, false};
    j.Form1.shpAzul.Visible = false;
}

void SoltarEnCasilla(Juego& j, int casilla) {
    OrigenArrastre origen = TomarOrigen(j);
    if (origen.Indice < 0 || !EsCasilla(casilla)) return;
    if (j.Form1.Label1[casilla].Letra != kCasillaVacia) return;
    if (origen.DesdeAtril)
        PonerDelAtril(j, origen.Indice, casilla);
    else
        SoltarDesdeCasilla(j, origen.Indice, casilla);
    int& cursor = j.Form1.Cursor.Casilla;
    if (cursor == casilla && j.Form1.Label1[casilla].Letra != kCasillaVacia) cursor = -1;
}

void SoltarEnAtril(Juego& j, int ranura) {
    OrigenArrastre origen = TomarOrigen(j);
    // A laid tile goes back to the rack only by right click or take-back.
    if (origen.Indice < 0 || !origen.DesdeAtril) return;
    if (!EsRanura(ranura) || !EsRanura(origen.Indice)) return;
    auto& atril = j.Form1.Label5;
    if (!atril[ranura].Visible || !atril[origen.Indice].Visible) return;
    std::swap(atril[origen.Indice].Letra, atril[ranura].Letra);
}

void SoltarFuera(Juego& j) {
    j.Jugada.FichaArrastrada = {};
}

void PulsarCasilla(Juego& j, int casilla, bool derecho) {
    ModeloVentana& f = j.Form1;
    f.shpAzul.Visible = false;
    if (!derecho || !EsCasilla(casilla) || !f.Label1[casilla].Movible) return;
    int n = RanurasVisibles(f);
    if (n >= kRanuras) return;
    Casilla& c = f.Label1[casilla];
    // The tile goes to the end of the rack, not to the slot it came from.
    f.Label5[n].Letra = c.Marca == kMarcaBlanco || c.Blanco ? kBlanco : c.Letra;
    f.Label5[n].Visible = true;
    VaciarCasilla(c);
}

void PulsarAtril(Juego& j, int ranura) {
    if (!j.Posicion.PartidaEnCurso || !EsRanura(ranura)) return;
    FichaJugador& r = j.Form1.Label5[ranura];
    if (!r.Visible || r.Arrastrable) return;
    r.Fondo = r.Fondo == kColorFicha ? kMagenta : kColorFicha;
}

void Deshacer(Juego& j) {
    ModeloVentana& f = j.Form1;
    f.shpAzul.Visible = false;
    if (!j.Posicion.PartidaEnCurso) return;
    for (Casilla& c : f.Label1)
        if (c.Marca == kMarcaOcupada) VaciarCasilla(c);
    // The typed word went back too: typing starts again where it began.
    if (!j.Jugada.FichasTecleadas.empty()) f.Cursor.Casilla = j.Jugada.FichasTecleadas.front();
    j.Jugada.FichasTecleadas.clear();
    // A slot with no tile is hidden too: shown, it could be dragged onto the
    // board as a tile without a letter.
    MostrarAtril(j, kTurnoJugador, {.Restablecer = true});
    PonerEstado(j, kEsTuTurno, kModoTurnoJugador);
    HabilitarVentana(j, true);
    j.Ventana.ProcesarEventos();
}

}  // namespace tablerix

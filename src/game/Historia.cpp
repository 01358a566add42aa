#include "game/Historia.h"

#include <optional>
#include <tuple>

#include "game/Colocacion.h"
#include "game/Mensajes.h"

namespace tablerix {
namespace {

bool Ocupada(const std::array<char, kCasillas>& tablero, int casilla) {
    return EsCasilla(casilla) && tablero[casilla] != kCasillaVacia;
}

// Whether the square before `casilla` in `direccion` is on the same line.
bool HayAnterior(int casilla, char direccion) {
    return direccion == kHorizontal ? ColumnaDe(casilla) > 1 : FilaDe(casilla) > 1;
}
bool HaySiguiente(int casilla, char direccion) {
    return direccion == kHorizontal ? ColumnaDe(casilla) < kLado : FilaDe(casilla) < kLado;
}

// The word through `casilla` in `direccion`: its first square and its letters.
std::pair<int, std::string> PalabraPor(const std::array<char, kCasillas>& tablero, int casilla,
                                       char direccion) {
    const int paso = PasoDireccion(direccion);
    while (HayAnterior(casilla, direccion) && Ocupada(tablero, casilla - paso)) casilla -= paso;
    std::string palabra(1, tablero[casilla]);
    for (int q = casilla; HaySiguiente(q, direccion) && Ocupada(tablero, q + paso); q += paso)
        palabra += tablero[q + paso];
    return {casilla, palabra};
}

char Cruce(char direccion) {
    return direccion == kHorizontal ? kVertical : kHorizontal;
}

void Anotar(Juego& j, TurnoHistoria turno) {
    Historia& h = HistoriaDe(j);
    if (h.Paradas.empty()) return;
    if (turno.Lado == kTurnoJugador) {
        h.Paradas.resize(h.Actual + 1);
        h.Turnos.resize(h.Paradas[h.Actual].TurnosHechos);
        // The level is the one the turn was played at.
        Posicion& antes = h.Paradas[h.Actual].Momento;
        antes.Partida.PasoBusqueda = j.Posicion.PasoBusqueda;
        antes.Nivel = j.Form1.Label6;
        antes.MenuNivel = j.Form1.MnuNiv;
    }
    h.Turnos.push_back(std::move(turno));
}

void AgregarParada(Juego& j, std::size_t turnosHechos) {
    Historia& h = HistoriaDe(j);
    Parada p{turnosHechos, CapturarPosicion(j), j.Form1.lstPartida.size()};
    p.Momento.Listado.clear();
    h.Paradas.push_back(std::move(p));
    h.Actual = h.Paradas.size() - 1;
    h.Listado = j.Form1.lstPartida;
}

bool Disponible(const Juego& j) {
    return j.Form1.Habilitada && j.Form1.ModoLabel9 != kModoCambio &&
           !HistoriaDe(j).Paradas.empty();
}
bool HayAnteriorParada(const Juego& j) {
    return Disponible(j) && HistoriaDe(j).Actual > 0;
}
bool HayPosteriorParada(const Juego& j) {
    return Disponible(j) && HistoriaDe(j).Actual + 1 < HistoriaDe(j).Paradas.size();
}

}  // namespace

Historia& HistoriaDe(Juego& j) {
    if (!j.Historial) j.Historial = std::make_shared<Historia>();
    return *j.Historial;
}

const Historia& HistoriaDe(const Juego& j) {
    static const Historia kVacia;
    return j.Historial ? *j.Historial : kVacia;
}

void EmpezarHistoria(Juego& j) {
    HistoriaDe(j) = {};
    ContinuarHistoria(j);
}

void ContinuarHistoria(Juego& j) {
    AgregarParada(j, HistoriaDe(j).Turnos.size());
}

std::optional<TurnoHistoria> DescribirPalabra(std::int16_t lado,
                                              const std::array<char, kCasillas>& antes,
                                              const std::array<char, kCasillas>& despues,
                                              int puntos) {
    std::vector<int> nuevas;
    for (int i = 0; i < kCasillas; ++i)
        if (despues[i] != kCasillaVacia && antes[i] == kCasillaVacia) nuevas.push_back(i);
    if (nuevas.empty()) return std::nullopt;
    // As the move check reads it: a lone tile is across unless its across word is one letter.
    char direccion = FilaDe(nuevas.front()) == FilaDe(nuevas.back()) ? kHorizontal : kVertical;
    if (nuevas.size() == 1 && PalabraPor(despues, nuevas[0], kHorizontal).second.size() == 1)
        direccion = kVertical;
    TurnoHistoria t;
    t.Lado = lado;
    t.Tipo = TipoTurno::Palabra;
    t.Direccion = direccion;
    t.Puntos = puntos;
    std::tie(t.Casilla, t.Palabra) = PalabraPor(despues, nuevas[0], direccion);
    for (int q : nuevas) {
        std::string cruzada = PalabraPor(despues, q, Cruce(direccion)).second;
        if (cruzada.size() > 1) t.OtrasPalabras.push_back(std::move(cruzada));
    }
    return t;
}

void AnotarPalabra(Juego& j, std::int16_t lado, const std::array<char, kCasillas>& tableroAntes,
                   int puntos) {
    if (auto t = DescribirPalabra(lado, tableroAntes, j.Posicion.Tablero, puntos))
        Anotar(j, std::move(*t));
}

void AnotarPase(Juego& j, std::int16_t lado) {
    TurnoHistoria t;
    t.Lado = lado;
    Anotar(j, std::move(t));
}

void AnotarCambio(Juego& j, std::int16_t lado, int fichas) {
    TurnoHistoria t;
    t.Lado = lado;
    t.Tipo = TipoTurno::Cambio;
    t.Fichas = fichas;
    Anotar(j, std::move(t));
}

void CerrarTurnos(Juego& j) {
    // A turn anotated dropped the later paradas: the current one is the last.
    const Historia& h = HistoriaDe(j);
    if (!h.Paradas.empty() && h.Actual + 1 == h.Paradas.size() &&
        h.Turnos.size() > h.Paradas.back().TurnosHechos)
        AgregarParada(j, h.Turnos.size());
}

bool PuedeDeshacerJugada(const Juego& j) {
    return !j.Ocupado && HayAnteriorParada(j);
}
bool PuedeRehacerJugada(const Juego& j) {
    return !j.Ocupado && HayPosteriorParada(j);
}

void DeshacerJugada(Juego& j) {
    if (!HayAnteriorParada(j)) return;
    Deshacer(j);
    IrAParada(j, HistoriaDe(j).Actual - 1);
}

void RehacerJugada(Juego& j) {
    if (!HayPosteriorParada(j)) return;
    Deshacer(j);
    IrAParada(j, HistoriaDe(j).Actual + 1);
}

void IrAParada(Juego& j, std::size_t k) {
    Historia& h = HistoriaDe(j);
    const Parada& parada = h.Paradas[k];
    Posicion p = parada.Momento;
    p.Listado.assign(h.Listado.begin(),
                     h.Listado.begin() + static_cast<std::ptrdiff_t>(parada.LineasListado));
    RestaurarPosicion(j, p);
    h.Actual = k;
    j.Jugada = {};
    j.Jugada.Turno = kTurnoJugador;
    ModeloVentana& f = j.Form1;
    f.List3.clear();
    f.List4.clear();
    f.ProgresoVisible = false;
    f.AnchoProgreso = 0;
    f.VistaPrevia.clear();
    // A game in progress shows the computer's rack as "Fichas PC" says now.
    if (j.Posicion.PartidaEnCurso) f.AltoPartida = AltoPartidaCon(f.MnuContra);
    HabilitarVentana(j, true);
}

}  // namespace tablerix

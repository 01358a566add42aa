#include "computer/TurnoOrdenador.h"

#include <algorithm>
#include <stdexcept>

#include "computer/BloquesPartida.h"
#include "computer/Busqueda.h"
#include "game/FinPartida.h"
#include "game/Mensajes.h"
#include "game/Partida.h"
#include "game/Puntuacion.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

// The blue frame spans the move's whole stretch, letters already there included.
Rectangulo MarcoDeJugada(int primera, int paso, std::size_t largo) {
    const int ultima = primera + (static_cast<int>(largo) - 1) * paso;
    const Rectangulo a = GeometriaCasilla(primera);
    const Rectangulo b = GeometriaCasilla(ultima);
    return {a.Izquierda, a.Arriba, b.Izquierda + b.Ancho - a.Izquierda,
            b.Arriba + b.Alto - a.Arriba};
}

// The frames of the move's words in the order the move check lists them: the
// main word, then the cross word through each new tile that makes one. The
// board holds only fixed letters while they are asked.
std::vector<Rectangulo> MarcosDePalabras(const Juego& j, const std::vector<FichaPrevia>& fichas,
                                         int primera, int paso, std::size_t largo) {
    std::vector<Rectangulo> marcos{MarcoDeJugada(primera, paso, largo)};
    const int df = paso == 1 ? 1 : 0, dc = 1 - df;  // across the move
    for (const FichaPrevia& ficha : fichas) {
        const int fila = ficha.Casilla / kLado, columna = ficha.Casilla % kLado;
        auto conLetra = [&](int k) {
            const int r = fila + k * df, c = columna + k * dc;
            return r >= 0 && r < kLado && c >= 0 && c < kLado &&
                   j.Posicion.Tablero[r * kLado + c] != kCasillaVacia;
        };
        int antes = 0, despues = 0;
        while (conLetra(-antes - 1)) ++antes;
        while (conLetra(despues + 1)) ++despues;
        const int cruce = df * kLado + dc;
        if (antes + despues > 0)
            marcos.push_back(MarcoDeJugada(ficha.Casilla - antes * cruce, cruce,
                                           static_cast<std::size_t>(antes + despues + 1)));
    }
    return marcos;
}

// Every proposed word is put to the user, with its move shown not yet laid
// and the word asked in the blue frame; a veto strikes the word from the
// list. False when a word was vetoed: the search must run again.
bool ConfirmarPalabras(Juego& j, const std::vector<FichaPrevia>& fichas, int primera, int paso) {
    const std::size_t n = std::min<std::size_t>(std::max<int>(j.Busqueda.NumPalabrasJugada, 0),
                                                j.Busqueda.PalabrasJugada.size());
    if (n == 0) return true;
    ModeloVentana& f = j.Form1;
    const Marco azul = f.shpAzul;
    std::vector<Rectangulo> marcos =
        MarcosDePalabras(j, fichas, primera, paso, j.Busqueda.MejorFichas.size());
    // Should the words not match the frames found, the move's frame stays for all.
    if (marcos.size() != n) marcos.resize(1);
    f.VistaPrevia = fichas;
    bool aceptadas = true;
    for (std::size_t k = 0; k < n && aceptadas; ++k) {
        const std::string palabra = j.Busqueda.PalabrasJugada[k];
        f.shpAzul = {true, marcos[std::min(k, marcos.size() - 1)]};
        aceptadas = PreguntarJuntoAlTablero(
            j, Txt("¿Aceptas esta palabra?") + "\r\r" + Mayusculas(palabra));
        if (!aceptadas) j.Lista.BorrarPalabra(palabra);
    }
    f.VistaPrevia.clear();
    f.shpAzul = azul;
    return aceptadas;
}

// A refusal must have struck a word from the list: a search run again over the
// same list would propose the same move, and ask, for ever.
bool Confirmada(Juego& j, const std::vector<FichaPrevia>& fichas, int primera, int paso) {
    const int borradas = j.Lista.Borradas();
    if (ConfirmarPalabras(j, fichas, primera, paso)) return true;
    if (j.Lista.Borradas() == borradas)
        throw std::logic_error("a word was vetoed but the list still holds it");
    return false;
}

void OcultarProgreso(ModeloVentana& f) {
    f.ProgresoVisible = false;
    f.AnchoProgreso = 0;
}

// Rack values in slot order; a blank or an empty slot is worth 0.
void RenunciarFichas(Juego& j) {
    char* atril = j.Posicion.Atriles[kTurnoOrdenador];
    int valor[kRanuras + 1] = {};
    int n = 0;
    for (int k = 1; k <= kRanuras; ++k) {
        valor[k] = atril[k] == kSinFicha ? 0 : ValorLetra(j, atril[k]);
        if (valor[k] > 3) ++n;
    }
    if (n == 0) n = 4;
    if (n > j.Posicion.FichasEnBolsa) n = j.Posicion.FichasEnBolsa;

    // Highest values first, ties in slot order; at t = -1 every tile qualifies,
    // so a rack holding fewer tiles than n cannot keep this looping.
    for (int t = 5; n > 0 && t >= -1; --t) {
        for (int k = 1; k <= kRanuras; ++k) {
            if (atril[k] != kSinFicha && valor[k] > t && n > 0) {
                atril[k] = kSinFicha;
                --n;
            }
        }
    }

    int destino = 1;
    for (int k = 1; k <= kRanuras; ++k)
        if (atril[k] != kSinFicha) atril[destino++] = atril[k];
    for (int k = destino; k <= kRanuras; ++k) atril[k] = kSinFicha;
}

// A search's best move: its points (0 for none), first square and step.
struct Hallada {
    int Puntos = 0;
    int Inicio = 0;
    int Paso = 1;
};

// Where the ends of the two searches differ, for the computer and for a recommendation.
struct ComoTerminar {
    bool Coloca = false;  // the computer's own move: fixed, scored, or else its pass or exchange
    bool OcultarProgreso = false;   // the mid-game search hides the progress first
    bool Enmarcar = false;          // the computer's mid-game move stays framed in blue
    bool PropuestaMovible = false;  // a proposed opening's tiles are marked and movable
};

// Runs the search until every word of its move is accepted, then lays or
// proposes the move, or says that there is none.
void TerminarBusqueda(Juego& j, Hallada (*buscar)(Juego&), const ComoTerminar& como) {
    ModeloVentana& f = j.Form1;
    Hallada h;
    std::vector<FichaPrevia> fichas;
    do {
        h = buscar(j);
        fichas = FichasDeJugada(j, h.Inicio, h.Paso);
    } while (!Confirmada(j, fichas, h.Inicio, h.Paso));

    if (como.OcultarProgreso) OcultarProgreso(f);
    if (h.Puntos == 0) {
        if (como.Coloca)
            CambiarOPasar(j);
        else
            Informar(j, "No encuentro combinaciones.");
        return;
    }
    for (const FichaPrevia& ficha : fichas) {
        if (como.Coloca) {
            PonerCasillaFija(j, ficha.Casilla, ficha.Letra, ficha.Blanco);  // fixed at once
            continue;
        }
        Casilla& c = f.Label1[ficha.Casilla];
        c.Letra = ficha.Letra;
        if (como.PropuestaMovible) {
            c.Marca = kMarcaOcupada;
            c.Movible = true;
        }
    }
    if (!como.Coloca) return;
    SumarPuntos(f.Label4[1], h.Puntos);
    if (como.Enmarcar)
        f.shpAzul = {true, MarcoDeJugada(h.Inicio, h.Paso, j.Busqueda.MejorFichas.size())};
}

}  // namespace

std::vector<FichaPrevia> FichasDeJugada(const Juego& j, int primera, int paso) {
    std::string atril;
    for (int k = 1; k <= kRanuras; ++k)
        if (j.Posicion.Atriles[j.Jugada.Turno][k] != kSinFicha)
            atril += j.Posicion.Atriles[j.Jugada.Turno][k];
    std::vector<FichaPrevia> fichas;
    for (std::size_t k = 0; k < j.Busqueda.MejorFichas.size(); ++k) {
        const char letra = j.Busqueda.MejorFichas[k];
        if (letra == '-') continue;
        std::size_t p = atril.find(letra);
        bool blanco = false;
        if (p == std::string::npos) {
            p = atril.find(kBlanco);
            blanco = p != std::string::npos;
        }
        if (p != std::string::npos) atril[p] = '.';
        fichas.push_back({primera + static_cast<int>(k) * paso, letra, blanco});
    }
    return fichas;
}

void BuscarJugada(Juego& j) {
    const bool coloca = ColocaElOrdenador(j);
    TerminarBusqueda(j,
                     [](Juego& j) {
                         BuscarMejorJugada(j);
                         return Hallada{j.Busqueda.MejorPuntos, j.Busqueda.MejorInicio,
                                        PasoDireccion(j.Busqueda.MejorDireccion)};
                     },
                     {.Coloca = coloca, .OcultarProgreso = true, .Enmarcar = coloca});
}

void BuscarPrimeraJugada(Juego& j) {
    TerminarBusqueda(j,
                     [](Juego& j) {
                         const int puntos = BuscarMejorPrimeraJugada(j);
                         const int largo = static_cast<int>(j.Busqueda.MejorFichas.size());
                         return Hallada{puntos, InicioPrimeraPalabra(largo) + 1, 1};
                     },
                     {.Coloca = ColocaElOrdenador(j), .PropuestaMovible = true});
}

void CambiarOPasar(Juego& j) {
    j.Jugada.JugadaValida = false;
    j.Form1.ProgresoVisible = false;

    if (j.Posicion.FichasEnBolsa == 0) {
        Informar(j, "Yo paso.");
        EscribirBloqueAviso(j, "-----Ordenador-----", " (Pasa)");
        j.Busqueda.OrdenadorNoJuega = true;
        ++j.Posicion.PasesSeguidos;
        if (j.Posicion.PasesSeguidos >= 2) FinPartida(j);
        return;
    }

    j.Posicion.PasesSeguidos = 0;
    EscribirBloqueAviso(j, "-----Ordenador-----", " (Cambia fichas)");
    Informar(j, "No puedo crear ninguna palabra. Cambio fichas.");
    // The tiles given up leave the game: the bag changes only by the draw.
    RenunciarFichas(j);
    RobarFichas(j, kTurnoOrdenador);
    MostrarAtril(j, kTurnoOrdenador);
    j.Busqueda.OrdenadorNoJuega = true;
}

}  // namespace tablerix

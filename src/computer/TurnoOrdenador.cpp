#include "computer/TurnoOrdenador.h"

#include <algorithm>

#include "computer/BloquesPartida.h"
#include "computer/Busqueda.h"
#include "game/FinPartida.h"
#include "game/Mensajes.h"
#include "game/Partida.h"
#include "game/Puntuacion.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

// Every proposed word is put to the user; a veto strikes it from the list.
// False when a word was vetoed: the search must run again.
bool ConfirmarPalabras(Juego& j) {
    const std::size_t n =
        std::min<std::size_t>(std::max<int>(j.NumPalabrasJugada, 0), j.PalabrasJugada.size());
    for (std::size_t k = 0; k < n; ++k) {
        const std::string palabra = j.PalabrasJugada[k];
        if (!Preguntar(j, Txt("¿Aceptas esta palabra?") + "\r\r" + Mayusculas(palabra))) {
            j.Lista.BorrarPalabra(palabra);
            return false;
        }
    }
    return true;
}

void OcultarProgreso(ModeloVentana& f) {
    f.ProgresoVisible = false;
    f.AnchoProgreso = 0;
}

// The blue frame spans the move's whole stretch, letters already there included.
void EnmarcarJugada(Juego& j, int paso) {
    const int primera = j.MejorInicio;
    const int ultima = j.MejorInicio + (static_cast<int>(j.MejorFichas.size()) - 1) * paso;
    const Rectangulo a = GeometriaCasilla(primera);
    const Rectangulo b = GeometriaCasilla(ultima);
    Marco& marco = j.Form1.shpAzul;
    marco.Posicion = {a.Izquierda, a.Arriba, b.Izquierda + b.Ancho - a.Izquierda,
                      b.Arriba + b.Alto - a.Arriba};
    marco.Visible = true;
}

// Rack values in slot order; a blank or an empty slot is worth 0.
void RenunciarFichas(Juego& j) {
    char* atril = j.Atriles[2];
    int valor[kRanuras + 1] = {};
    int n = 0;
    for (int k = 1; k <= kRanuras; ++k) {
        valor[k] = atril[k] == kSinFicha ? 0 : ValorLetra(j, atril[k]);
        if (valor[k] > 3) ++n;
    }
    if (n == 0) n = 4;
    if (n > j.FichasEnBolsa) n = j.FichasEnBolsa;

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

}  // namespace

void BuscarJugada(Juego& j) {
    ModeloVentana& f = j.Form1;
    do {
        BuscarMejorJugada(j);
    } while (!ConfirmarPalabras(j));

    const int paso = PasoDireccion(j.MejorDireccion);
    for (std::size_t k = 0; k < j.MejorFichas.size(); ++k) {
        const char letra = j.MejorFichas[k];
        if (letra == '-') continue;
        const int q = j.MejorInicio + static_cast<int>(k) * paso;
        if (ColocaElOrdenador(j))
            PonerCasillaFija(j, q, letra);  // the computer's tiles are fixed at once
        else
            f.Label1[q].Letra = letra;
    }
    OcultarProgreso(f);

    if (j.MejorPuntos == 0) {
        if (ColocaElOrdenador(j))
            CambiarOPasar(j);
        else
            Informar(j, "No encuentro combinaciones.");
        return;
    }
    if (!ColocaElOrdenador(j)) return;

    SumarPuntos(f.Label4[1], j.MejorPuntos);
    EnmarcarJugada(j, paso);
}

void BuscarPrimeraJugada(Juego& j) {
    ModeloVentana& f = j.Form1;
    std::int16_t mejor;
    do {
        mejor = BuscarMejorPrimeraJugada(j);
    } while (!ConfirmarPalabras(j));

    if (mejor == 0) {
        if (ColocaElOrdenador(j))
            CambiarOPasar(j);
        else
            Informar(j, "No encuentro combinaciones.");
        return;
    }

    const int inicio = InicioPrimeraPalabra(static_cast<int>(j.MejorFichas.size()));
    for (std::size_t k = 0; k < j.MejorFichas.size(); ++k) {
        const int q = inicio + 1 + static_cast<int>(k);
        const char letra = j.MejorFichas[k];
        if (ColocaElOrdenador(j)) {
            PonerCasillaFija(j, q, letra);  // the computer's tiles are fixed at once
        } else {
            Casilla& c = f.Label1[q];
            c.Letra = letra;
            c.Marca = kMarcaOcupada;
            c.Movible = true;
        }
    }
    if (ColocaElOrdenador(j)) SumarPuntos(f.Label4[1], mejor);
}

void CambiarOPasar(Juego& j) {
    j.JugadaValida = false;
    j.Form1.ProgresoVisible = false;

    if (j.FichasEnBolsa == 0) {
        Informar(j, "Yo paso.");
        EscribirBloqueAviso(j, "-----Ordenador-----", " (Pasa)");
        j.OrdenadorNoJuega = true;
        ++j.PasesSeguidos;
        if (j.PasesSeguidos >= 2) FinPartida(j);
        return;
    }

    j.PasesSeguidos = 0;
    EscribirBloqueAviso(j, "-----Ordenador-----", " (Cambia fichas)");
    Informar(j, "No puedo crear ninguna palabra. Cambio fichas.");
    // The tiles given up leave the game: the bag changes only by the draw.
    RenunciarFichas(j);
    RobarFichas(j, 2);
    MostrarAtril(j, kTurnoOrdenador);
    j.OrdenadorNoJuega = true;
}

}  // namespace tablerix

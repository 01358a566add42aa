#include "computer/Recomendacion.h"

#include "computer/TurnoOrdenador.h"
#include "game/Colocacion.h"
#include "game/Mensajes.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

// Hides the rack tile a proposed letter comes from: the first shown tile of
// that letter, else the blank. True when it was the blank.
bool TomarDelAtril(ModeloVentana& f, char letra) {
    for (char buscada : {letra, kBlanco}) {
        for (FichaJugador& r : f.Label5) {
            if (r.Visible && r.Letra == buscada) {
                r.Visible = false;
                return buscada == kBlanco;
            }
        }
    }
    return false;
}

}  // namespace

void Recomendar(Juego& j) {
    ModeloVentana& f = j.Form1;
    Deshacer(j);
    if (!j.Posicion.PartidaEnCurso) return;

    for (Casilla& c : f.Label1)
        if (c.Letra != kCasillaVacia) c.Marca = kMarcaOcupada;
    f.ProgresoVisible = true;
    HabilitarVentana(j, false);
    PonerEstado(j, Txt("Estoy buscando una recomendación. Espera..."), kModoBuscando);

    if (!j.Posicion.PrimeraJugada) {
        j.Jugada.Silencioso = true;
        BuscarJugada(j);
    } else {
        BuscarPrimeraJugada(j);
    }

    f.ProgresoVisible = false;
    PonerEstado(j, kEsTuTurno, kModoTurnoJugador);
    HabilitarVentana(j, true);

    // The proposal stands as tiles laid this turn: red letters, marked.
    for (Casilla& c : f.Label1) {
        if (c.Letra != kCasillaVacia && c.ColorLetra == kRojo) {
            c.Marca = kMarcaOcupada;
            c.Blanco = TomarDelAtril(f, c.Letra);
        } else {
            c.Marca = kMarcaReposo;
        }
    }
    CerrarHuecosAtril(f);
    j.Ventana.EnfocarOk();
}

}  // namespace tablerix

#include "app/Eventos.h"

#include "app/Turno.h"
#include "computer/AnalisisPartida.h"
#include "computer/Recomendacion.h"
#include "game/Arranque.h"
#include "game/Ayudas.h"
#include "game/Colocacion.h"
#include "game/Diccionario.h"
#include "game/Historia.h"
#include "game/Mensajes.h"
#include "game/Nivel.h"
#include "game/Partida.h"
#include "game/Teclado.h"
#include "savegame/EstadisticasGuardadas.h"
#include "savegame/PartidaGuardada.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

// Runs `accion` unless another handler is running; the window repaints after.
// `finMostrado`: an end the action reaches is one the player saw told by its box.
template <typename Accion>
bool Atender(Juego& j, Accion accion, bool finMostrado = true) {
    if (j.Ocupado) return false;
    j.Ocupado = true;
    const bool enCurso = j.Posicion.PartidaEnCurso;
    try {
        accion();
        CerrarTurnos(j);
        // Whichever action ended the game; one that ends it again recounts it.
        if (enCurso && !j.Posicion.PartidaEnCurso) ContarPartidaTerminada(j);
    } catch (...) {
        j.Ocupado = false;
        throw;
    }
    j.Ocupado = false;
    j.Ventana.ModeloCambiado();
    // Told once nothing runs, so the window may ask for the report at once.
    if (finMostrado && enCurso && !j.Posicion.PartidaEnCurso) j.Ventana.PartidaTerminada();
    return true;
}

}  // namespace

void cmdOk_Click(Juego& j) {
    Atender(j, [&] { JugarTurno(j); });
}
void cmdPasar_Click(Juego& j) {
    Atender(j, [&] { Pasar(j); });
}
void cmdCambiar_Click(Juego& j) {
    Atender(j, [&] { EmpezarCambio(j); });
}
void cmdEscape_Click(Juego& j) {
    Atender(j, [&] { Deshacer(j); });
}

void MnuNew_Click(Juego& j) {
    Atender(j, [&] {
        if (Preguntar(j, Txt("Quieres empezar otra partida?"))) NuevaPartida(j);
    });
}

void MnuSave_Click(Juego& j) {
    Atender(j, [&] {
        if (Preguntar(j, Txt("Quieres guardar la partida?"))) GuardarPartida(j);
    });
}

void MnuLoad_Click(Juego& j) {
    Atender(j, [&] { CargarPartida(j); });
}
void mnuBorGuar_Click(Juego& j) {
    Atender(j, [&] { BorrarPartidaGuardada(j); });
}

void MnuContra_Click(Juego& j) {
    Atender(j, [&] {
        j.Form1.MnuContra = !j.Form1.MnuContra;
        j.Form1.AltoPartida = AltoPartidaCon(j.Form1.MnuContra);
    });
}

void MnuDeshacerJugada_Click(Juego& j) {
    if (PuedeDeshacerJugada(j)) Atender(j, [&] { DeshacerJugada(j); });
}
void MnuRehacerJugada_Click(Juego& j) {
    // Redone up to the end, the game ends again without its box.
    const bool finMostrado = false;
    if (PuedeRehacerJugada(j))
        Atender(
            j, [&] { RehacerJugada(j); }, finMostrado);
}

void MnuEstadisticas_Click(Juego& j) {
    Atender(j, [&] { LeerEstadisticas(j); });
}
void MnuResumen_Click(Juego& j) {
    if (PuedeResumir(j))
        Atender(j, [&] { j.Resumen = std::make_shared<ResumenPartida>(AnalizarPartida(j)); });
}
void BorrarEstadisticas_Click(Juego& j) {
    Atender(j, [&] { BorrarEstadisticas(j); });
}

void MnuRecom_Click(Juego& j) {
    Atender(j, [&] { Recomendar(j); });
}
void MnuMejor_Click(Juego& j) {
    Atender(j, [&] { j.Form1.MnuMejor = !j.Form1.MnuMejor; });
}
void MnuMezclar_Click(Juego& j) {
    Atender(j, [&] { MezclarAtril(j); });
}
void MnuNiv_Click(Juego& j, int i) {
    Atender(j, [&] { ElegirNivel(j, i); });
}

void MnuHelp_Click(Juego& j) {
    Atender(j, [&] {
        const std::string& carpeta = j.CarpetaDatos.empty() ? j.Carpeta : j.CarpetaDatos;
        j.Ventana.AbrirDocumento(carpeta + "/Instrucciones.htm");
    });
}

void About_Click(Juego& j) {
    Atender(j, [&] { j.Ventana.MostrarAcercaDe(); });
}

void Atril_EmpezarArrastre(Juego& j, int ranura) {
    Atender(j, [&] { EmpezarArrastreAtril(j, ranura); });
}
void Casilla_EmpezarArrastre(Juego& j, int casilla) {
    Atender(j, [&] { EmpezarArrastreCasilla(j, casilla); });
}
void Casilla_Soltar(Juego& j, int casilla) {
    Atender(j, [&] { SoltarEnCasilla(j, casilla); });
}
void Atril_Soltar(Juego& j, int ranura) {
    Atender(j, [&] { SoltarEnAtril(j, ranura); });
}
void Fuera_Soltar(Juego& j) {
    Atender(j, [&] { SoltarFuera(j); });
}
void Casilla_Pulsar(Juego& j, int casilla, bool derecho) {
    Atender(j, [&] { PulsarCasilla(j, casilla, derecho); });
}
void Atril_Pulsar(Juego& j, int ranura) {
    Atender(j, [&] { PulsarAtril(j, ranura); });
}

void Casilla_Click(Juego& j, int casilla) {
    Atender(j, [&] { ApuntarCasilla(j, casilla); });
}

bool Form_Tecla(Juego& j, Tecla tecla, char caracter) {
    bool delJuego = false;
    Atender(j, [&] {
        // A finished game takes no keys; its menus still work.
        if (!j.Posicion.PartidaEnCurso || !j.Form1.Habilitada) return;
        if (tecla == Tecla::Caracter && !EsTeclaDeLetra(caracter) && caracter != kBlanco &&
            (caracter != ' ' || j.Form1.ModoLabel9 != kModoCambio))
            return;
        delJuego = true;
        switch (tecla) {
            case Tecla::Caracter:
                return TeclearCaracter(j, caracter);
            case Tecla::Intro:
                return JugarTurno(j);
            case Tecla::Escape:
                return Deshacer(j);
            case Tecla::Retroceso:
                return DevolverTecleada(j);
            case Tecla::Izquierda:
                return MoverCursor(j, 0, -1);
            case Tecla::Derecha:
                return MoverCursor(j, 0, 1);
            case Tecla::Arriba:
                return MoverCursor(j, -1, 0);
            case Tecla::Abajo:
                return MoverCursor(j, 1, 0);
        }
    });
    return delJuego;
}

void Diccionario_Anadir(Juego& j, const std::string& texto) {
    Atender(j, [&] { AnadirPalabra(j, texto); });
}
void Diccionario_Quitar(Juego& j, const std::string& texto) {
    Atender(j, [&] { QuitarPalabra(j, texto); });
}
void Diccionario_Deshacer(Juego& j, int cambio) {
    Atender(j, [&] { DeshacerCambio(j, cambio); });
}

bool Form_Unload(Juego& j) {
    bool cierra = false;
    Atender(j, [&] {
        // A save the player asked for that fails keeps the window open, with
        // everything in memory: the player may mend the folder and close again,
        // or answer Cancelar to close without saving.
        if (j.Posicion.PartidaEnCurso && !j.Posicion.PrimeraJugada &&
            Preguntar(j, Txt("¿Quieres guardar la partida?")) && !GuardarPartida(j))
            return;
        if (j.Lista.DiccionarioModificado &&
            Preguntar(j, Txt("¿Quieres guardar las modificaciones del diccionario?")) &&
            !GuardarListaPalabras(j))
            return;
        j.Ventana.ProcesarEventos();
        cierra = true;
    });
    return cierra;
}

}  // namespace tablerix

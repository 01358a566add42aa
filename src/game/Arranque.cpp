#include "game/Arranque.h"

#include <chrono>
#include <future>
#include <memory>

#include "game/Mensajes.h"
#include "game/Nivel.h"
#include "game/Partida.h"
#include "game/Premios.h"
#include "wordlist/Archivos.h"
#include "wordlist/IndiceBusqueda.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

constexpr const char* kNombreLista = "/Tablerix.pal";

}  // namespace

void DisenoInicial(ModeloVentana& form) {
    form = ModeloVentana{};
    for (int i = 0; i < kCasillas; ++i)
        if (const TipoPremio* premio = PremioDeCasilla(i)) form.Label1[i].Fondo = premio->Fondo;
}

void LeerPremios(Juego& j) {
    for (int i = 0; i < kCasillas; ++i) j.Premios[i] = std::to_string(j.Form1.Label1[i].Fondo);
}

void ConstruirValores(Juego& j) {
    j.Valores[0].clear();
    for (int i = 1; i <= kLetras; ++i) {
        const DatosLetra& f = kFichas[i - 1];
        j.Valores[i] = {f.Letra, static_cast<char>('0' + f.Valor)};
    }
}

void ConstruirLeyenda(Juego& j) {
    std::string& leyenda = j.Form1.lblPuntos;
    leyenda.clear();
    for (int i = 1; i <= kLetras; ++i) {
        leyenda += ' ';
        leyenda += j.Valores[i][0];
        leyenda += '-';
        leyenda += j.Valores[i][1];
        leyenda += "  ";
    }
}

namespace {

// The player's list if there is one, else the shipped one.
std::string RutaListaPalabras(const Juego& j) {
    std::string ruta = j.Carpeta + kNombreLista;
    return ExisteArchivo(ruta) ? ruta : j.CarpetaDatos + kNombreLista;
}

// A list read and indexed on its own, away from any game.
struct ListaPreparada {
    CargaLista Carga;
    ListaPalabras Lista;
    IndiceBusqueda Indice;
};

std::unique_ptr<ListaPreparada> PrepararLista(const std::string& ruta) {
    auto p = std::make_unique<ListaPreparada>();
    p->Carga = p->Lista.Cargar(ruta);
    if (p->Carga) p->Indice.Construir(p->Lista.Palabras());
    return p;
}

// The load's verdict, told as the game always told it.
bool AvisarCarga(Juego& j, const CargaLista& carga, const std::string& ruta) {
    if (carga.Resultado == CargaLista::DemasiadoGrande) {
        Advertir(j, Txt("La lista de palabras es demasiado grande (más de 64 MB) y no se ha "
                        "leído:\n") +
                        Txt(ruta));
        return false;
    }
    if (!carga) {
        Advertir(j, Txt("No tienes ninguna librería de palabras (Tablerix.Pal)"));
        return false;
    }
    if (carga.LineasIlegibles > 0)
        Advertir(j, Txt("Líneas de la lista de palabras que no se han podido leer (no son "
                        "UTF-8): ") +
                        std::to_string(carga.LineasIlegibles) + "\n" + Txt(ruta));
    // The game still starts as it always did, but the computer can never lay a
    // word: say why, and which file to mend.
    if (!HayPalabrasJugables(j.Lista))
        Advertir(j, Txt("La lista de palabras no tiene ninguna palabra que se pueda jugar "
                        "(de 2 a 15 letras, en mayúsculas):\n") +
                        Txt(ruta));
    return true;
}

// Takes the list a worker prepared, on this thread; the progress window
// opens only when the work is not done yet.
bool TomarListaPreparada(Juego& j, std::future<std::unique_ptr<ListaPreparada>>& carga,
                         const std::string& ruta) {
    if (carga.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        j.Ventana.MostrarProgreso(1, [&] { carga.wait(); });
    std::unique_ptr<ListaPreparada> p = carga.get();
    if (p->Carga) {
        j.Indice.TomarEnLaProximaRecarga(std::move(p->Indice));
        j.Lista.Adoptar(std::move(p->Lista));
    }
    return AvisarCarga(j, p->Carga, ruta);
}

}  // namespace

bool CargarListaPalabras(Juego& j) {
    CargaLista carga;
    const std::string ruta = RutaListaPalabras(j);
    j.Ventana.MostrarProgreso(1, [&] { carga = j.Lista.Cargar(ruta); });
    return AvisarCarga(j, carga, ruta);
}

bool GuardarListaPalabras(Juego& j) {
    bool guardada = false;
    j.Ventana.MostrarProgreso(2, [&] { guardada = j.Lista.Guardar(j.Carpeta + kNombreLista); });
    if (guardada)
        j.Lista.DiccionarioModificado = false;
    else
        Advertir(j, "No se ha podido guardar la lista de palabras.");
    return guardada;
}

bool Arrancar(Juego& j, bool sembrarDelReloj, int nivel) {
    // Two programs on one folder would remove each other's temporary files.
    if (!j.Bloqueo.Tomar(j.Carpeta)) {
        Advertir(j, Txt("Tablerix ya está abierto en esta carpeta:\n") + Txt(j.Carpeta));
        return false;
    }
    DisenoInicial(j.Form1);
    j.Lista.DiccionarioModificado = false;
    // The list is read and indexed while the about window is shown: the worker
    // touches nothing of the game, which takes its result on this thread.
    const std::string ruta = RutaListaPalabras(j);
    auto carga = std::async(std::launch::async, PrepararLista, ruta);
    j.Ventana.MostrarAcercaDe();
    LeerPremios(j);
    if (sembrarDelReloj) {
        j.Azar.SembrarDelReloj();
        j.AzarMezcla.SembrarDelReloj();
    }
    ConstruirValores(j);
    ConstruirLeyenda(j);
    // The level shown and the stride used agree from the start.
    ElegirNivel(j, nivel);
    j.Form1.AltoPartida = kAltoPartida;
    j.Ventana.MostrarVentanaPrincipal();
    j.Ventana.ProcesarEventos();
    if (!TomarListaPreparada(j, carga, ruta)) return false;
    NuevaPartida(j);
    return true;
}

}  // namespace tablerix

#include "Interprete.h"

#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>

#include "Autojuego.h"
#include "Impresion.h"
#include "Preparacion.h"
#include "app/Eventos.h"
#include "game/Arranque.h"
#include "game/Colocacion.h"
#include "game/Diccionario.h"
#include "game/Historia.h"
#include "savegame/EstadisticasGuardadas.h"

namespace tablerix::guion {
namespace {

int Entero(const std::string& s) {
    return std::stoi(s);
}

bool EsPreparacion(const std::string& n) {
    return n == "rack" || n == "bag" || n == "fix" || n == "score" || n == "passes" ||
           n == "diskfull";
}

bool EsImpresion(const std::string& n) {
    return n == "print" || n == "echo";
}

}  // namespace

Interprete::Interprete(std::string carpeta, std::string carpetaGuion, std::ostream& salida,
                       std::ostream& errores)
    : carpeta_(std::move(carpeta)),
      carpetaGuion_(std::move(carpetaGuion)),
      salida_(salida),
      errores_(errores) {
    juego_.Carpeta = carpeta_;
    // The statistics' dates must not depend on the day a script runs.
    FechaDeHoy = [] { return std::string("2026-01-01"); };
}

int Interprete::Ejecutar(const std::vector<Orden>& ordenes) {
    const Orden* actual = nullptr;
    try {
        for (const Orden& o : ordenes) {
            actual = &o;
            EjecutarOrden(o);
            VolcarRegistro();
        }
    } catch (const SinRespuesta& e) {
        VolcarRegistro();
        errores_ << "line " << actual->Linea << ": " << LineaVisible(e.what()) << "\n";
        return kSinRespuesta;
    } catch (const ErrorGuion& e) {
        VolcarRegistro();
        errores_ << "line " << e.Linea << ": " << e.what() << "\n";
        return kErrorGuion;
    } catch (const std::exception& e) {
        VolcarRegistro();
        errores_ << "line " << (actual ? actual->Linea : 0) << ": " << e.what() << "\n";
        return kFallo;
    }
    // Queued answers nobody asked for usually mean a question that did not come.
    for (std::optional<Respuesta> r : ventana_.Respuestas) {
        const char* nombre = !r ? "enter" : *r == Respuesta::Aceptar ? "ok" : "cancel";
        salida_ << "(unused answer " << nombre << ")\n";
    }
    for (char c : ventana_.Letras) salida_ << "(unused letter " << LineaVisible({c}) << ")\n";
    return kBien;
}

void Interprete::EjecutarOrden(const Orden& o) {
    const auto& a = o.Argumentos;
    if (o.Nombre == "seed") {
        juego_.Azar.Sembrar(std::stoull(a[0]));
    } else if (o.Nombre == "words") {
        if (arrancado_) throw ErrorGuion(o.Linea, "words must come before start");
        CopiarDelGuion(o, a[0], carpeta_ + "/Tablerix.pal");
    } else if (o.Nombre == "copy" || o.Nombre == "truncate") {
        ArreglarArchivo(o);
    } else if (o.Nombre == "statsfile") {
        CopiarDelGuion(o, a[0], RutaEstadisticas(juego_));
    } else if (o.Nombre == "start") {
        if (arrancado_) throw ErrorGuion(o.Linea, "start given twice");
        arrancado_ = true;
        if (!Arrancar(juego_, false)) {
            terminado_ = true;
            VolcarRegistro();
            salida_ << "(the program ends: no word list)\n";
        }
    } else if (o.Nombre == "answer") {
        for (const std::string& r : a)
            ventana_.Respuestas.push_back(r == "enter" ? std::nullopt
                                          : r == "ok"  ? std::optional(Respuesta::Aceptar)
                                                       : Respuesta::Cancelar);
    } else if (o.Nombre == "letter") {
        for (const std::string& l : a) ventana_.Letras.push_back(l == "-" ? kSinFicha : l[0]);
    } else if (o.Nombre == "autoanswer") {
        if (a[0] == "off")
            ventana_.RespuestaAutomatica.reset();
        else
            ventana_.RespuestaAutomatica = a[0] == "ok" ? Respuesta::Aceptar : Respuesta::Cancelar;
    } else if (o.Nombre == "frames") {
        ventana_.MirarMarco = a[0] == "on" ? &juego_ : nullptr;
    } else if (EsImpresion(o.Nombre)) {
        Imprimir(o);
    } else if (EsPreparacion(o.Nombre)) {
        ExigirPartida(o);
        Preparar(o);
        // The history starts at the position set up.
        if (o.Nombre != "diskfull") EmpezarHistoria(juego_);
    } else if (o.Nombre == "selfplay") {
        ExigirPartida(o);
        NivelesAutojuego niveles;
        if (a.size() == 3) niveles = {Entero(a[1]), Entero(a[2])};
        Autojugar(juego_, ventana_, Entero(a[0]), niveles, salida_);
    } else {
        ExigirPartida(o);
        Accion(o);
    }
}

// A file of the program's folder copied or cut short, as a crash or another
// game would leave it.
void Interprete::ArreglarArchivo(const Orden& o) {
    namespace fs = std::filesystem;
    const fs::path origen = fs::path(carpeta_) / o.Argumentos[0];
    std::error_code ec;
    if (o.Nombre == "copy")
        fs::copy_file(origen, fs::path(carpeta_) / o.Argumentos[1],
                      fs::copy_options::overwrite_existing, ec);
    else
        fs::resize_file(origen, std::stoull(o.Argumentos[1]), ec);
    if (ec) throw ErrorGuion(o.Linea, o.Nombre + " " + o.Argumentos[0] + ": " + ec.message());
}

void Interprete::CopiarDelGuion(const Orden& o, const std::string& nombre,
                                const std::string& destino) const {
    std::filesystem::path origen = std::filesystem::path(carpetaGuion_) / nombre;
    std::error_code ec;
    std::filesystem::copy_file(origen, destino, std::filesystem::copy_options::overwrite_existing,
                               ec);
    if (ec) throw ErrorGuion(o.Linea, "cannot copy " + origen.string() + ": " + ec.message());
}

void Interprete::ExigirPartida(const Orden& o) const {
    if (!arrancado_) throw ErrorGuion(o.Linea, o.Nombre + " needs start first");
    if (terminado_) throw ErrorGuion(o.Linea, o.Nombre + ": the program has ended");
}

void Interprete::Preparar(const Orden& o) {
    const auto& a = o.Argumentos;
    if (o.Nombre == "rack") {
        PonerAtril(juego_, Entero(a[0]), a[1]);
    } else if (o.Nombre == "bag") {
        PonerBolsa(juego_, a[0] == "-" ? "" : a[0]);
    } else if (o.Nombre == "fix") {
        int conflicto = -1;
        if (!FijarPalabra(juego_, Entero(a[0]), a[1], a[2][0], conflicto))
            throw ErrorGuion(o.Linea, "square " + std::to_string(conflicto) + " holds '" +
                                          LineaVisible({juego_.Form1.Label1[conflicto].Letra}) +
                                          "'");
    } else if (o.Nombre == "score") {
        PonerPuntos(juego_, Entero(a[0]), Entero(a[1]));
    } else if (o.Nombre == "passes") {
        juego_.Posicion.PasesSeguidos = static_cast<std::int16_t>(Entero(a[0]));
    } else if (o.Nombre == "diskfull") {
        SimularDiscoLleno(a[0] == "on");
    }
}

void Interprete::Accion(const Orden& o) {
    Juego& j = juego_;
    // A disabled window takes no input at all.
    if (!j.Form1.Habilitada) {
        salida_ << "(window disabled: " << o.Nombre << " ignored)\n";
        return;
    }
    const auto& a = o.Argumentos;
    const std::string& n = o.Nombre;
    // The buttons and menu entries that take nothing more than a click.
    static const std::map<std::string, void (*)(Juego&)> kMandos = {
        {"ok", cmdOk_Click},
        {"pass", cmdPasar_Click},
        {"exchange", cmdCambiar_Click},
        {"undo", cmdEscape_Click},
        {"recommend", MnuRecom_Click},
        {"new", MnuNew_Click},
        {"save", MnuSave_Click},
        {"load", MnuLoad_Click},
        {"delete", mnuBorGuar_Click},
        {"pcrack", MnuContra_Click},
        {"best", MnuMejor_Click},
        {"shuffle", MnuMezclar_Click},
        {"clearstats", BorrarEstadisticas_Click}};
    static const std::map<std::string, ModoConsulta> kConsultas = {
        {"lookup", ModoConsulta::Buscar},
        {"anagrams", ModoConsulta::ConFichas},
        {"pattern", ModoConsulta::Patron}};
    if (const auto mando = kMandos.find(n); mando != kMandos.end()) {
        mando->second(j);
        return;
    }
    // Only what the window lets the mouse start: a visible, draggable rack tile, a movable square.
    auto arrastrarAtril = [&](int ranura) {
        if (PuedeArrastrarAtril(j, ranura)) {
            Atril_EmpezarArrastre(j, ranura);
            return true;
        }
        salida_ << "(slot " << ranura << " cannot be dragged)\n";
        return false;
    };
    if (n == "drop") {
        if (arrastrarAtril(Entero(a[0]))) Casilla_Soltar(j, Entero(a[1]));
    } else if (n == "swap") {
        if (arrastrarAtril(Entero(a[0]))) Atril_Soltar(j, Entero(a[1]));
    } else if (n == "move") {
        int desde = Entero(a[0]);
        if (PuedeArrastrarCasilla(j, desde)) {
            Casilla_EmpezarArrastre(j, desde);
            Casilla_Soltar(j, Entero(a[1]));
        } else {
            salida_ << "(square " << desde << " cannot be dragged)\n";
        }
    } else if (n == "take") {
        Casilla_Pulsar(j, Entero(a[0]), true);
    } else if (n == "click") {
        int ranura = Entero(a[0]);
        if (j.Form1.Label5[ranura].Visible)
            Atril_Pulsar(j, ranura);
        else
            salida_ << "(slot " << ranura << " is hidden)\n";
    } else if (n == "aim") {
        Casilla_Pulsar(j, Entero(a[0]), false);
        Casilla_Click(j, Entero(a[0]));
    } else if (n == "key") {
        Tecla tecla;
        char caracter;
        TeclaDeNombre(a[0], tecla, caracter);
        Form_Tecla(j, tecla, caracter);
    } else if (n == "type") {
        for (char c : a[0]) Form_Tecla(j, Tecla::Caracter, c);
    } else if (n == "takeback" || n == "redo") {
        const bool deshacer = n == "takeback";
        if (deshacer ? PuedeDeshacerJugada(j) : PuedeRehacerJugada(j))
            (deshacer ? MnuDeshacerJugada_Click : MnuRehacerJugada_Click)(j);
        else
            salida_ << "(" << n << " disabled)\n";
    } else if (n == "level") {
        MnuNiv_Click(j, Entero(a[0]));
    } else if (const auto consulta = kConsultas.find(n); consulta != kConsultas.end()) {
        Escribir(ImprimirConsulta(j, consulta->second, a[0]));
    } else if (n == "addword") {
        Diccionario_Anadir(j, a[0]);
    } else if (n == "delword") {
        Diccionario_Quitar(j, a[0]);
    } else if (n == "undochange") {
        const int k = Entero(a[0]);
        if (k > static_cast<int>(j.Cambios.Cambios().size()))
            salida_ << "(no change " << k << ")\n";
        else
            Diccionario_Deshacer(j, k - 1);
    } else if (n == "close") {
        if (Form_Unload(j)) {
            terminado_ = true;
            VolcarRegistro();
            salida_ << "(the program ends)\n";
        }
    } else {
        throw std::logic_error("command not handled: " + n);
    }
}

void Interprete::Imprimir(const Orden& o) {
    struct Impresora {
        Lineas (*Imprimir)(const Juego&);
        // A window's contents are asked for as its menu entry asks for them.
        void (*Pedir)(Juego&) = nullptr;
    };
    static const std::map<std::string, Impresora> kImpresoras = {
        {"board", {ImprimirTablero}},
        {"racks", {ImprimirAtriles}},
        {"scores", {ImprimirPuntos}},
        {"bag", {ImprimirBolsa}},
        {"status", {ImprimirEstado}},
        {"level", {ImprimirNivel}},
        {"log", {ImprimirPartida}},
        {"words", {ImprimirPalabras}},
        {"frame", {ImprimirMarco}},
        {"cursor", {ImprimirCursor}},
        {"unseen", {ImprimirPorSalir}},
        {"preview", {ImprimirPrevision}},
        {"controls", {ImprimirMandos}},
        {"changes", {ImprimirCambios}},
        {"history", {ImprimirHistoria}},
        {"blanks", {ImprimirBlancos}},
        {"stats", {ImprimirEstadisticas, MnuEstadisticas_Click}},
        {"report", {ImprimirResumen, MnuResumen_Click}},
        {"all", {ImprimirTodo}}};
    if (o.Nombre == "echo") {
        salida_ << o.Argumentos[0] << "\n";
        return;
    }
    const std::string& que = o.Argumentos[0];
    if (que == "file") {
        Escribir(ImprimirArchivo(carpeta_, o.Argumentos[1]));
        return;
    }
    const Impresora& impresora = kImpresoras.at(que);
    if (impresora.Pedir) {
        impresora.Pedir(juego_);
        VolcarRegistro();
    }
    Escribir(impresora.Imprimir(juego_));
}

void Interprete::Escribir(const std::vector<std::string>& lineas) {
    for (const std::string& l : lineas) salida_ << l << "\n";
}

void Interprete::VolcarRegistro() {
    for (const std::string& r : ventana_.Registro) salida_ << LineaVisible(r) << "\n";
    ventana_.Registro.clear();
    salida_.flush();
}

}  // namespace tablerix::guion

#include "Guion.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <sstream>

#include "game/Teclado.h"
#include "game/Tipos.h"
#include "wordlist/Alfabeto.h"
#include "wordlist/Texto.h"

namespace tablerix::guion {
namespace {

std::vector<std::string> Palabras(const std::string& linea) {
    std::istringstream in(linea);
    std::vector<std::string> v;
    for (std::string p; in >> p;) v.push_back(p);
    return v;
}

// Reads a whole decimal number within [minimo, maximo].
bool Numero(const std::string& s, long long minimo, long long maximo, long long& valor) {
    auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), valor);
    return ec == std::errc() && fin == s.data() + s.size() && valor >= minimo && valor <= maximo;
}

struct Comprobador {
    int linea;
    std::vector<std::string>& args;

    [[noreturn]] void Falla(const std::string& motivo) const { throw ErrorGuion(linea, motivo); }

    void Cuantos(size_t minimo, size_t maximo) const {
        if (args.size() < minimo || args.size() > maximo) {
            std::string esperado = minimo == maximo
                                       ? std::to_string(minimo)
                                       : std::to_string(minimo) + " to " + std::to_string(maximo);
            if (maximo == SIZE_MAX) esperado = "at least " + std::to_string(minimo);
            Falla("expected " + esperado + " argument(s), got " + std::to_string(args.size()));
        }
    }
    void Entero(size_t i, long long minimo, long long maximo, const char* que) const {
        long long v;
        if (!Numero(args[i], minimo, maximo, v))
            Falla(std::string("bad ") + que + " '" + args[i] + "' (" + std::to_string(minimo) +
                  ".." + std::to_string(maximo) + ")");
    }
    void UnaDe(size_t i, std::initializer_list<const char*> opciones) const {
        std::string todas;
        for (const char* o : opciones) {
            if (args[i] == o) return;
            todas += todas.empty() ? o : std::string("|") + o;
        }
        Falla("bad argument '" + args[i] + "' (" + todas + ")");
    }
    // Converts argument i to the game's text and checks it is made of tiles.
    void Fichas(size_t i, size_t maximo, bool conBlancos, bool conHuecos) const {
        std::string f = Txt(args[i]);
        if (f.empty() || f.size() > maximo || !SonFichasValidas(f, conBlancos, conHuecos))
            Falla("bad tiles '" + args[i] + "' (up to " + std::to_string(maximo) +
                  " of A-Z but W, Ñ" + (conBlancos ? ", *" : "") + (conHuecos ? ", _" : "") + ")");
        args[i] = f;
    }
};

void Comprobar(Orden& o) {
    Comprobador c{o.Linea, o.Argumentos};
    const std::string& n = o.Nombre;
    static const std::map<std::string, int> kSinArgumentos = {
        {"start", 0}, {"ok", 0},        {"pass", 0},     {"exchange", 0},
        {"undo", 0},  {"recommend", 0}, {"new", 0},      {"save", 0},
        {"load", 0},  {"delete", 0},    {"pcrack", 0},   {"close", 0},
        {"best", 0},  {"shuffle", 0},   {"takeback", 0}, {"redo", 0}};
    if (kSinArgumentos.count(n) || n == "clearstats") {
        c.Cuantos(0, 0);
    } else if (n == "seed") {
        c.Cuantos(1, 1);
        c.Entero(0, 0, INT64_MAX, "seed");
    } else if (n == "words" || n == "statsfile") {
        c.Cuantos(1, 1);
    } else if (n == "copy") {
        c.Cuantos(2, 2);
    } else if (n == "truncate") {
        c.Cuantos(2, 2);
        c.Entero(1, 0, INT32_MAX, "size");
    } else if (n == "rack") {
        c.Cuantos(2, 2);
        c.Entero(0, 1, 2, "rack");
        c.Fichas(1, kRanuras, true, true);
    } else if (n == "bag") {
        c.Cuantos(1, 1);
        if (o.Argumentos[0] != "-") c.Fichas(0, kFichasBolsa, true, true);
    } else if (n == "fix") {
        c.Cuantos(3, 3);
        c.Entero(0, 0, kCasillas - 1, "square");
        c.Fichas(1, kLado, false, false);
        c.UnaDe(2, {"H", "V"});
        long long inicio;
        Numero(o.Argumentos[0], 0, kCasillas - 1, inicio);
        long long largo = static_cast<long long>(o.Argumentos[1].size());
        bool cabe = o.Argumentos[2] == "H" ? inicio % kLado + largo <= kLado
                                           : inicio / kLado + largo <= kLado;
        if (!cabe) c.Falla("the word runs off the board");
    } else if (n == "score") {
        c.Cuantos(2, 2);
        c.Entero(0, 1, 2, "player");
        c.Entero(1, INT16_MIN, INT16_MAX, "score");
    } else if (n == "passes") {
        c.Cuantos(1, 1);
        c.Entero(0, 0, INT16_MAX, "count");
    } else if (n == "diskfull") {
        c.Cuantos(1, 1);
        c.UnaDe(0, {"on", "off"});
    } else if (n == "drop") {
        c.Cuantos(2, 2);
        c.Entero(0, 0, kRanuras - 1, "slot");
        c.Entero(1, 0, kCasillas - 1, "square");
    } else if (n == "move") {
        c.Cuantos(2, 2);
        c.Entero(0, 0, kCasillas - 1, "square");
        c.Entero(1, 0, kCasillas - 1, "square");
    } else if (n == "swap") {
        c.Cuantos(2, 2);
        c.Entero(0, 0, kRanuras - 1, "slot");
        c.Entero(1, 0, kRanuras - 1, "slot");
    } else if (n == "take" || n == "aim") {
        c.Cuantos(1, 1);
        c.Entero(0, 0, kCasillas - 1, "square");
    } else if (n == "click") {
        c.Cuantos(1, 1);
        c.Entero(0, 0, kRanuras - 1, "slot");
    } else if (n == "key" || n == "type") {
        c.Cuantos(1, 1);
        std::string& teclas = o.Argumentos[0];
        teclas = Txt(teclas);
        Tecla tecla;
        char caracter;
        if (n == "key" ? !TeclaDeNombre(teclas, tecla, caracter)
                       : !std::all_of(teclas.begin(), teclas.end(), EsTeclaDeLetra))
            c.Falla(n == "key" ? "bad key '" + AUtf8(teclas) +
                                     "' (a letter, Return, Escape, BackSpace, Left, Right, Up, "
                                     "Down, Space, *)"
                               : "bad letters '" + AUtf8(teclas) + "'");
    } else if (n == "lookup" || n == "anagrams" || n == "pattern" || n == "addword" ||
               n == "delword") {
        c.Cuantos(1, 1);
        o.Argumentos[0] = Txt(o.Argumentos[0]);  // as typed: the game refuses what is no tile
    } else if (n == "undochange") {
        c.Cuantos(1, 1);
        c.Entero(0, 1, INT32_MAX, "change");
    } else if (n == "level") {
        c.Cuantos(1, 1);
        c.Entero(0, 0, 7, "level");
    } else if (n == "answer") {
        c.Cuantos(1, SIZE_MAX);
        for (size_t i = 0; i < o.Argumentos.size(); ++i) c.UnaDe(i, {"ok", "cancel", "enter"});
    } else if (n == "letter") {
        c.Cuantos(1, SIZE_MAX);
        // "-" closes the chooser without a letter.
        for (size_t i = 0; i < o.Argumentos.size(); ++i)
            if (o.Argumentos[i] != "-") c.Fichas(i, 1, false, false);
    } else if (n == "autoanswer") {
        c.Cuantos(1, 1);
        c.UnaDe(0, {"ok", "cancel", "off"});
    } else if (n == "frames") {
        c.Cuantos(1, 1);
        c.UnaDe(0, {"on", "off"});
    } else if (n == "print") {
        c.Cuantos(1, 2);
        c.UnaDe(0, {"board",   "racks",   "scores",  "bag",    "status",   "level", "log",
                    "words",   "all",     "frame",   "cursor", "controls", "file",  "unseen",
                    "preview", "changes", "history", "blanks", "stats",    "report"});
        if ((o.Argumentos[0] == "file") != (o.Argumentos.size() == 2))
            c.Falla(o.Argumentos[0] == "file" ? "print file needs a file name"
                                              : "too many arguments");
    } else if (n == "selfplay") {
        if (o.Argumentos.size() != 1) c.Cuantos(3, 3);
        c.Entero(0, 1, 100000, "number of games");
        if (o.Argumentos.size() == 3) {
            c.Entero(1, 0, 7, "level");
            c.Entero(2, 0, 7, "level");
        }
    } else if (n == "echo") {
        // free text
    } else {
        c.Falla("unknown command '" + n + "'");
    }
}

}  // namespace

bool SonFichasValidas(const std::string& fichas, bool conBlancos, bool conHuecos) {
    for (char c : fichas)
        if (!EsLetraDeFicha(c) && !(conBlancos && c == kBlanco) && !(conHuecos && c == '_'))
            return false;
    return true;
}

bool TeclaDeNombre(const std::string& nombre, Tecla& tecla, char& caracter) {
    static const std::map<std::string, std::pair<Tecla, char>> kNombres = {
        {"Return", {Tecla::Intro, 0}},        {"Escape", {Tecla::Escape, 0}},
        {"BackSpace", {Tecla::Retroceso, 0}}, {"Left", {Tecla::Izquierda, 0}},
        {"Right", {Tecla::Derecha, 0}},       {"Up", {Tecla::Arriba, 0}},
        {"Down", {Tecla::Abajo, 0}},          {"Space", {Tecla::Caracter, ' '}},
        {"*", {Tecla::Caracter, kBlanco}}};
    if (auto k = kNombres.find(nombre); k != kNombres.end()) {
        std::tie(tecla, caracter) = k->second;
        return true;
    }
    if (nombre.size() != 1) return false;
    tecla = Tecla::Caracter;
    caracter = nombre[0];
    return EsTeclaDeLetra(caracter);
}

std::vector<Orden> LeerGuion(const std::string& texto) {
    std::vector<Orden> ordenes;
    std::istringstream in(texto);
    int numero = 0;
    for (std::string linea; std::getline(in, linea);) {
        ++numero;
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        if (auto almohadilla = linea.find('#'); almohadilla != std::string::npos)
            linea.erase(almohadilla);
        std::vector<std::string> partes = Palabras(linea);
        if (partes.empty()) continue;
        Orden o;
        o.Linea = numero;
        o.Nombre = partes[0];
        if (o.Nombre == "echo") {
            // The text after the command word, as written.
            size_t inicio = linea.find("echo") + 4;
            inicio = linea.find_first_not_of(" \t", inicio);
            std::string resto = inicio == std::string::npos ? "" : linea.substr(inicio);
            while (!resto.empty() && (resto.back() == ' ' || resto.back() == '\t'))
                resto.pop_back();
            o.Argumentos.push_back(resto);
        } else {
            o.Argumentos.assign(partes.begin() + 1, partes.end());
        }
        Comprobar(o);
        ordenes.push_back(std::move(o));
    }
    return ordenes;
}

}  // namespace tablerix::guion

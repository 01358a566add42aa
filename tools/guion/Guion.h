#pragma once
// The script language of tablerix-script: one command a line, checked whole
// before anything runs so that a typo near the end does not waste a long run.
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Eventos.h"

namespace tablerix::guion {

// A script error: the line number (0 when it is not tied to a line) and the reason.
struct ErrorGuion : std::runtime_error {
    ErrorGuion(int linea, const std::string& motivo) : std::runtime_error(motivo), Linea(linea) {}
    int Linea;
};

struct Orden {
    int Linea = 0;
    std::string Nombre;
    // Arguments as written, except that tile and letter arguments are already
    // converted to the game's single-byte text.
    std::vector<std::string> Argumentos;
};

// Splits and checks a whole script (UTF-8); throws ErrorGuion at the first bad line.
std::vector<Orden> LeerGuion(const std::string& texto);

// Tile text of `rack`, `bag` and `fix` in the game's encoding: letters A-Z but W, Ñ,
// '*' for a blank and '_' for an empty slot where `conHuecos`.
bool SonFichasValidas(const std::string& fichas, bool conBlancos, bool conHuecos);

// The key `key NAME` presses (NAME in the game's encoding): a letter of either
// case, W and accented letters included, or Return, Escape, BackSpace, Left,
// Right, Up, Down, Space, *. False for any other name.
bool TeclaDeNombre(const std::string& nombre, Tecla& tecla, char& caracter);

}  // namespace tablerix::guion

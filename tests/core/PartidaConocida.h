#pragma once
// One saved game known byte for byte, shared by the file tests: the player laid
// CAÑA, the computer passed, and only three tiles are left in the bag.
#include <stdexcept>
#include <string>

#include "wordlist/Texto.h"

namespace tablerix::prueba {

// Lines written with LF here for legibility; the file has CR LF.
inline std::string ConCrLf(const std::string& texto) {
    std::string r;
    for (char c : texto) {
        if (c == '\n') r += '\r';
        r += c;
    }
    return r;
}

inline std::string BytesPartidaConocida() {
    std::string vacias;
    for (int i = 0; i < 7; ++i) vacias += "...............\n";
    return ConCrLf("[Tablero]\n" + vacias + Txt("......CAÑA.....\n") + vacias +
                   // The racks slot by slot, the player's tile first.
                   "\n[Fichas]\nE\nD\n*\nI\nR\nJ\nA\nU\nT\nL\nO\nN\nS\nM\n" + Txt(R"(
[Restantes]
 3 

[Sin salir]




B












































Ñ

















































*

[Puntos]
26
0

[Pasado]
 1 

[Nivel]
 7 

[Listado]
*** INICIO DE PARTIDA ***

-----Jugador-----
CAÑA
(3+1+8+1)x2=26
-----Total: 26

-----Ordenador-----
 (Pasa)

)"));
}

// The known file with the first `antes` (CR LF line ends included) replaced.
inline std::string Cambiado(const std::string& antes, const std::string& despues) {
    std::string bytes = BytesPartidaConocida();
    const size_t pos = bytes.find(antes);
    if (pos == std::string::npos) throw std::logic_error("not in the known file: " + antes);
    return bytes.replace(pos, antes.size(), despues);
}

}  // namespace tablerix::prueba

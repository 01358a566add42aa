#pragma once
// A saved game as plain data: everything Tablerix.ini holds, nothing more.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Juego.h"

namespace tablerix {

struct DatosPartida {
    std::array<char, kCasillas> Tablero = TableroVacio();  // fixed letters, ' ' for none
    // [1] player, [2] computer; slots 1..7, '\0' empty
    std::array<std::array<char, kRanuras + 1>, 3> Atriles{};
    std::array<char, kFichasBolsa + 1> Bolsa{};  // slots 1..100; '\0' drawn
    std::int16_t FichasEnBolsa = 0;
    std::array<std::string, 2> Puntos{"0", "0"};  // player, computer: as the score labels show them
    std::int16_t PasesSeguidos = 0;
    std::int16_t PasoBusqueda = 1;
    std::vector<std::string> Listado;  // the game log, first line to last

    bool operator==(const DatosPartida&) const = default;
};

}  // namespace tablerix

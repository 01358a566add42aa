#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "JuegoDePrueba.h"
#include "game/Puntuacion.h"

namespace tablerix {
namespace {

TEST(Puntuacion, ValoresDeLasLetras) {
    JuegoDePrueba t;
    const std::pair<char, int> casos[] = {{'A', 1},
                                          {'Q', 5},
                                          {kEnie, 8},
                                          {'Z', 8},
                                          // no entry: worth nothing
                                          {kBlanco, 0},
                                          {'W', 0},
                                          {'a', 0},
                                          {'\xF1', 0}};
    for (auto [letra, valor] : casos) EXPECT_EQ(ValorLetra(t.J, letra), valor) << letra;
}

// Words scored from their start square on boards laid by each case; the
// notation lists the letters in the order they are visited.
TEST(Puntuacion, PalabrasYSuNotacion) {
    using T = JuegoDePrueba;
    struct Caso {
        const char* Que;
        std::function<void(T&)> Preparar;
        int Inicio;
        char Direccion;
        const char *Palabra, *Notacion;
        int Puntos;
    };
    const Caso casos[] = {
        {"down: the start, upwards nearest first, then downwards; 52 is a double letter",
         [](T& t) { t.Fijar(7, "CA", 'V'), t.Poner(37, "SA", 'V'); }, 37, 'V', "CASA",
         "1+1+3+1*2=7", 7},
        {"a single letter", [](T& t) { t.Poner(1, 'F'); }, 1, 'H', "F", "4=4", 4},
        {"fixed tiles on premium colours score their plain value",
         [](T& t) {
             t.Fijar(3, 'C'), t.Fijar(0, 'A'), t.Poner(1, "RR");
             t.J.Form1.Label1[3].Fondo = kLetraX2, t.J.Form1.Label1[0].Fondo = kPalabraX3;
         },
         1, 'H', "ARRC", "1+1+1+3=6", 6},
        {"row 3: two double words", [](T& t) { t.Poner(48, "AAAAAAAAA"); }, 48, 'H', "AAAAAAAAA",
         "(1+1+1+1+1*2+1+1+1+1)x4=40", 40},
        {"row 0: two triple words", [](T& t) { t.Poner(0, "AAAAAAAA"); }, 0, 'H', "AAAAAAAA",
         "(1+1+1+1*2+1+1+1+1)x9=81", 81},
        {"row 7: a triple and the centre's double", [](T& t) { t.Poner(105, "AAAAAAAA"); }, 112,
         'H', "AAAAAAAA", "(1+1+1+1+1*2+1+1+1)x6=54", 54},
        {"column 14 ends at the bottom edge", [](T& t) { t.Poner(209, "ES", 'V'); }, 224, 'V', "ES",
         "(1+1)x3=6", 6},
        {"column 12 ends at the top edge", [](T& t) { t.Poner(12, "YA", 'V'); }, 12, 'V', "YA",
         "4+1=5", 5},
        {"an unmarked square ends the word",
         [](T& t) { t.Poner(110, "CASA"), t.J.Form1.Label1[112].Marca = '0'; }, 110, 'H', "CA",
         "3+1=4", 4},
        {"a blank given its letter counts",
         [](T& t) { t.Poner(110, "CASA"), t.J.Form1.Label1[112].Marca = '3'; }, 110, 'H', "CASA",
         "(3+1+1+1)x2=12", 12},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.Que);
        JuegoDePrueba t;
        c.Preparar(t);
        for (Casilla& q : t.J.Form1.Label1)
            if (q.Letra != kCasillaVacia && q.Marca == '0' && q.ColorLetra == kNegro) q.Marca = '1';
        PuntuarPalabra(t.J, c.Inicio, c.Direccion);
        EXPECT_EQ(std::tuple(t.J.Palabra, t.J.Notacion, t.J.PuntosPalabra),
                  std::tuple(std::string(c.Palabra), std::string(c.Notacion), c.Puntos));
    }
}

}  // namespace
}  // namespace tablerix

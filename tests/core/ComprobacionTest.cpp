#include <gtest/gtest.h>

#include "JuegoDePrueba.h"
#include "game/Comprobacion.h"

namespace tablerix {
namespace {

using prueba::Lineas;

// OS under C A of CASA with a blank as its S, checked silently as the search
// does: AS across is unknown, and nothing may be asked or shown.
TEST(ComprobarJugada, EnSilencioNadaSePreguntaNiSeMuestraNiSeRestaura) {
    JuegoDePrueba t({"CO", "OS"});
    Juego& j = t.J;
    t.Fijar(110, "CASA"), j.Posicion.PrimeraJugada = false;
    t.Ventana.Letras = {'S'};
    t.Poner(125, 'O');
    t.Poner(126, kBlanco);
    t.Comprobar(true);
    EXPECT_FALSE(j.Jugada.JugadaValida || j.Lista.ExistePalabra("AS"));
    // The blank keeps the letter it was given: the search lays letters only.
    EXPECT_EQ(j.Form1.Label1[126].Letra, 'S');
    EXPECT_EQ(j.Form1.Label1[126].Marca, '3');
    // Shape refusals are silent too.
    for (int pasos = 0; pasos < 2; ++pasos) {
        Deshacer(j);
        if (pasos == 0) t.Poner(20, "OS");
        t.Comprobar(true);
        EXPECT_FALSE(j.Jugada.JugadaValida);
    }
    EXPECT_TRUE(t.Ventana.Mensajes.empty());  // the computer's logged words show a silent success
}

// Notes the red frame each time the chooser opens.
class VentanaQueMira : public VentanaGuionizada {
  public:
    const ModeloVentana* Modelo = nullptr;
    std::vector<Marco> Marcos;
    char ElegirLetra(int izquierda, int arriba) override {
        Marcos.push_back(Modelo->shpRojo);
        return VentanaGuionizada::ElegirLetra(izquierda, arriba);
    }
};

TEST(Blancos, ElElectorSeColocaLejosDelBlancoYVuelveSiSeCierra) {
    JuegoDePruebaCon<VentanaQueMira> t;
    t.Ventana.Modelo = &t.J.Form1;
    t.Fijar(110, "CASA");
    t.J.Posicion.PrimeraJugada = false;
    // Square 75 is in row 5: the chooser goes over row 9. Square 90 is in row 6:
    // over row 0. Its left edge is column 4's. Closing it without a letter reopens it.
    t.Ventana.Letras = {'\0', '\0', 'E', 'E'};
    t.Poner(75, kBlanco);
    t.Poner(90, kBlanco);
    t.Comprobar();
    EXPECT_EQ(t.Ventana.PosicionesElector,
              (std::vector<std::pair<int, int>>{{140, 248}, {140, 248}, {140, 248}, {140, 32}}));
    // The red frame marks the blank being asked, and goes when it is answered.
    const Marco en75{true, GeometriaCasilla(75)}, en90{true, GeometriaCasilla(90)};
    EXPECT_EQ(t.Ventana.Marcos, (std::vector<Marco>{en75, en75, en75, en90}));
    EXPECT_FALSE(t.J.Form1.shpRojo.Visible);
    // Refused as not connected: a shape refusal restores the blanks too.
    EXPECT_EQ(t.Textos(), Lineas({"Tienes que utilizar alguna de las fichas colocadas."}));
    EXPECT_EQ(t.J.Form1.Label1[75],
              (Casilla{kBlanco, kRojo, '1', true, t.J.Form1.Label1[75].Fondo}));
}

}  // namespace
}  // namespace tablerix

#include "game/FinPartida.h"

#include <gtest/gtest.h>

#include "JuegoDePrueba.h"
#include "computer/Eventos.h"

namespace tablerix {
namespace {

using prueba::DarAtril;
using prueba::Lineas;
using prueba::LineasDesde;

// Scores and racks as the game left them, then the settlement. Each rack
// display also holds a hidden slot with a stale letter, which must not count.
TEST(FinPartida, Liquidacion) {
    struct Caso {
        const char *Jugador, *Ordenador, *AtrilJugador, *AtrilOrdenador;
        std::vector<std::string> Lineas;
        std::array<std::string, 2> Puntos;
        const char* Mensaje;
    };
    const Caso casos[] = {
        {"250", "240", "", "QE*",
         Lineas({"Jugador sin fichas.", "Se suma lo del Ordenador: 6", "", "Gana el Jugador."}),
         {"256", "240"}, "Has ganado tú."},
        {"100", "95", "ZAÑ", "",
         Lineas({"Ordenador sin fichas.", "Se suma lo del Jugador: 17", "", "Gana el Ordenador."}),
         {"100", "112"}, "Te he ganado."},
        // A side holding only blanks still holds tiles; scores may fall below zero.
        {"2", "-5", "QJ", "**",
         Lineas({"Ambos jugadores tienen fichas.", "Se resta al Jugador: 13",
                 "Se resta al Ordenador: 0", "", "Gana el Ordenador."}),
         {"-11", "-5"}, "Te he ganado."},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.Mensaje);
        JuegoDePrueba t;
        Juego& j = t.J;
        j.Form1.Label4 = {c.Jugador, c.Ordenador};
        DarAtril(j, 1, Txt(c.AtrilJugador));
        DarAtril(j, 2, Txt(c.AtrilOrdenador));
        j.Form1.Label5[6] = {'Z', false};
        j.Form1.Label11[6] = {'Z', false};
        const std::size_t desde = j.Form1.lstPartida.size();
        FinPartida(j);
        auto esperadas = Lineas({"*** FIN DE LA PARTIDA ***"});
        esperadas.insert(esperadas.end(), c.Lineas.begin(), c.Lineas.end());
        EXPECT_EQ(LineasDesde(j, desde), esperadas);
        EXPECT_EQ(j.Form1.Label4, c.Puntos);
        EXPECT_EQ(j.Form1.SeleccionPartida, static_cast<int>(j.Form1.lstPartida.size()) - 1);
        ASSERT_EQ(t.Ventana.Mensajes.size(), 1u);
        EXPECT_EQ(t.Ventana.Mensajes[0].Texto, Txt(c.Mensaje));
        EXPECT_EQ(t.Ventana.Mensajes[0].Tipo, Icono::Informacion);
    }
}

// The scenario presses OK, Pasar, Cambiar and a right click after the end;
// here every other handler.
TEST(FinPartida, LaPartidaTerminadaNoAtiendeNingunaAccion) {
    JuegoDePrueba t;
    Juego& j = t.J;
    t.Poner(112, 'A');
    FinPartida(j);
    EXPECT_FALSE(j.PartidaEnCurso);
    EXPECT_EQ(j.Form1.Label9, "Partida finalizada.");
    for (const Casilla& c : j.Form1.Label1) EXPECT_FALSE(c.Movible);
    for (const FichaJugador& r : j.Form1.Label5) EXPECT_FALSE(r.Arrastrable);

    const ModeloVentana antes = j.Form1;
    const std::size_t mensajes = t.Ventana.Mensajes.size();
    cmdEscape_Click(j);
    MnuRecom_Click(j);
    Atril_EmpezarArrastre(j, 0);
    Casilla_EmpezarArrastre(j, 112);
    Atril_Pulsar(j, 0);
    EXPECT_EQ(t.Ventana.Mensajes.size(), mensajes);
    EXPECT_EQ(j.Form1, antes);
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);
}

}  // namespace
}  // namespace tablerix

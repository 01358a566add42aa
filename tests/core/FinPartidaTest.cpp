#include <gtest/gtest.h>

#include "JuegoDePrueba.h"
#include "app/Eventos.h"
#include "game/FinPartida.h"

namespace tablerix {
namespace {

using prueba::DarAtril;

// The scenarios settle games where one side goes out (the 250/240 example
// among them) and where both pass. Here both sides hold tiles, one only blanks
// (still tiles, worth nothing), a score falls below zero, and each rack
// display holds a hidden slot with a stale letter that must not count.
TEST(FinPartida, AmbosConFichas) {
    JuegoDePrueba t;
    Juego& j = t.J;
    j.Form1.Label4 = {"2", "-5"};
    DarAtril(j, 1, "QJ");
    DarAtril(j, 2, "**");
    j.Form1.Label5[6] = {'Z', false};
    j.Form1.Label11[6] = {'Z', false};
    const std::size_t desde = j.Form1.lstPartida.size();
    FinPartida(j);
    EXPECT_EQ(prueba::LineasDesde(j, desde),
              (std::vector<std::string>{"*** FIN DE LA PARTIDA ***",
                                        "Ambos jugadores tienen fichas.", "Se resta al Jugador: 13",
                                        "Se resta al Ordenador: 0", "", "Gana el Ordenador."}));
    EXPECT_EQ(j.Form1.Label4, (std::array<std::string, 2>{"-11", "-5"}));
    EXPECT_EQ(j.Form1.SeleccionPartida, static_cast<int>(j.Form1.lstPartida.size()) - 1);
    ASSERT_EQ(t.Ventana.Mensajes.size(), 1u);
    EXPECT_EQ(t.Ventana.Mensajes[0].Texto, "Te he ganado.");
    EXPECT_EQ(t.Ventana.Mensajes[0].Tipo, Icono::Informacion);
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

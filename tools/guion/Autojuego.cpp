#include "Autojuego.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "app/Eventos.h"
#include "game/Mensajes.h"

namespace tablerix::guion {
namespace {

using Reloj = VentanaConReloj::Reloj;

// Far more turns than a game can take: each turn empties the bag or the racks a little.
constexpr int kMaxTurnos = 400;

double Milisegundos(Reloj::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

bool HayFichasPropuestas(const Juego& j) {
    for (const Casilla& c : j.Form1.Label1)
        if (c.Letra != kCasillaVacia && c.ColorLetra != kNegro) return true;
    return false;
}

void CambiarTodo(Juego& j) {
    cmdCambiar_Click(j);
    int quedan = j.Posicion.FichasEnBolsa;
    for (int k = 0; k < kRanuras && quedan > 0; ++k)
        if (j.Form1.Label5[k].Visible) {
            Atril_Pulsar(j, k);
            --quedan;
        }
    cmdOk_Click(j);
}

std::string Tiempos(const char* nombre, const std::vector<double>& t) {
    char s[200];
    std::snprintf(s, sizeof s, "%s searches %zu (median %.2f ms, p95 %.2f ms, max %.2f ms)", nombre,
                  t.size(), Percentil(t, 0.5), Percentil(t, 0.95), Percentil(t, 1.0));
    return s;
}

struct Totales {
    std::vector<double> Ordenador, Recomendacion;
    int GanaJugador = 0, GanaOrdenador = 0, Empates = 0;
    long PuntosJugador = 0, PuntosOrdenador = 0;
};

void JugarPartida(Juego& j, VentanaConReloj& ventana, const NivelesAutojuego& niveles, int numero,
                  Totales& tot, std::ostream& salida) {
    MnuNew_Click(j);
    int turnos = 0;
    while (j.Posicion.PartidaEnCurso) {
        if (++turnos > kMaxTurnos)
            throw std::runtime_error("game " + std::to_string(numero) + " did not end after " +
                                     std::to_string(kMaxTurnos) + " turns");
        if (niveles.Jugador) MnuNiv_Click(j, *niveles.Jugador);
        auto inicio = Reloj::now();
        MnuRecom_Click(j);
        tot.Recomendacion.push_back(Milisegundos(Reloj::now() - inicio));

        const bool propuesta = HayFichasPropuestas(j);
        if (niveles.Ordenador) MnuNiv_Click(j, *niveles.Ordenador);
        ventana.Deshabilitada.reset();
        if (propuesta)
            cmdOk_Click(j);
        else if (j.Posicion.FichasEnBolsa > 0)
            CambiarTodo(j);
        else
            cmdPasar_Click(j);
        if (ventana.Deshabilitada) {
            tot.Ordenador.push_back(Milisegundos(Reloj::now() - *ventana.Deshabilitada));
            ++turnos;
        }
        if (propuesta && HayFichasPropuestas(j))
            throw std::runtime_error("game " + std::to_string(numero) +
                                     ": the recommended move was refused");
        ventana.Registro.clear();
    }
    int jug = LeerPuntos(j.Form1.Label4[0]), cpu = LeerPuntos(j.Form1.Label4[1]);
    tot.PuntosJugador += jug;
    tot.PuntosOrdenador += cpu;
    const char* ganador = jug > cpu ? "player" : cpu > jug ? "computer" : "tie";
    (jug > cpu ? tot.GanaJugador : cpu > jug ? tot.GanaOrdenador : tot.Empates)++;
    salida << "game " << numero << ": JUG " << jug << " CPU " << cpu << " turns " << turnos
           << " winner " << ganador << "\n";
}

}  // namespace

double Percentil(std::vector<double> valores, double p) {
    if (valores.empty()) return 0;
    std::sort(valores.begin(), valores.end());
    size_t rango = static_cast<size_t>(std::ceil(p * static_cast<double>(valores.size())));
    return valores[std::clamp<size_t>(rango, 1, valores.size()) - 1];
}

void Autojugar(Juego& j, VentanaConReloj& ventana, int partidas, NivelesAutojuego niveles,
               std::ostream& salida) {
    const auto anterior = ventana.RespuestaAutomatica;
    ventana.RespuestaAutomatica = Respuesta::Aceptar;
    ventana.Registro.clear();
    Totales tot;
    for (int n = 1; n <= partidas; ++n) JugarPartida(j, ventana, niveles, n, tot, salida);
    ventana.RespuestaAutomatica = anterior;
    salida << "summary: " << partidas << " games, player won " << tot.GanaJugador
           << ", computer won " << tot.GanaOrdenador << ", ties " << tot.Empates << ", average JUG "
           << tot.PuntosJugador / partidas << " CPU " << tot.PuntosOrdenador / partidas << "; "
           << Tiempos("computer", tot.Ordenador) << "; "
           << Tiempos("recommendation", tot.Recomendacion) << "\n";
}

}  // namespace tablerix::guion

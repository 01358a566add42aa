#include "savegame/EscrituraPartida.h"

namespace tablerix {
namespace {

class Escritura {
  public:
    void Linea(std::string_view texto) {
        bytes_ += texto;
        bytes_ += "\r\n";
    }
    // An empty slot is an empty line.
    void Ficha(char ficha) {
        Linea(ficha == kSinFicha ? std::string_view() : std::string_view(&ficha, 1));
    }
    std::string Bytes() && { return std::move(bytes_); }

  private:
    std::string bytes_;
};

}  // namespace

std::string NumeroEnArchivo(int n) {
    std::string digitos = std::to_string(n);
    return (n < 0 ? digitos : " " + digitos) + " ";
}

std::string FormatearPartida(const DatosPartida& d) {
    Escritura e;
    e.Linea("[Tablero]");
    for (int fila = 0; fila < kLado; ++fila) {
        std::string texto(kLado, '.');
        for (int columna = 0; columna < kLado; ++columna) {
            char letra = d.Tablero[fila * kLado + columna];
            if (letra != kCasillaVacia) texto[columna] = letra;
        }
        e.Linea(texto);
    }
    e.Linea("");
    e.Linea("[Fichas]");
    for (int k = 1; k <= kRanuras; ++k) {
        e.Ficha(d.Atriles[kTurnoJugador][k]);
        e.Ficha(d.Atriles[kTurnoOrdenador][k]);
    }
    e.Linea("");
    e.Linea("[Restantes]");
    e.Linea(NumeroEnArchivo(d.FichasEnBolsa));
    e.Linea("");
    e.Linea("[Sin salir]");
    for (int s = 1; s <= kFichasBolsa; ++s) e.Ficha(d.Bolsa[s]);
    e.Linea("");
    e.Linea("[Puntos]");
    e.Linea(d.Puntos[0]);
    e.Linea(d.Puntos[1]);
    e.Linea("");
    e.Linea("[Pasado]");
    e.Linea(NumeroEnArchivo(d.PasesSeguidos));
    e.Linea("");
    e.Linea("[Nivel]");
    e.Linea(NumeroEnArchivo(d.PasoBusqueda));
    e.Linea("");
    e.Linea("[Listado]");
    for (const std::string& linea : d.Listado) e.Linea(linea);
    return std::move(e).Bytes();
}

}  // namespace tablerix

#include "game/Comprobacion.h"

#include <array>

#include "game/Mensajes.h"
#include "game/Puntuacion.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

bool Fija(const Casilla& c) {
    return c.ColorLetra == kNegro && c.Letra != kCasillaVacia;
}
bool PuestaEsteTurno(const Casilla& c) {
    return c.ColorLetra == kRojo && c.Marca == kMarcaOcupada;
}

// List4 is rebuilt on every check, thousands of times per search: its lines
// are overwritten in place so their buffers are reused, and whatever was not
// rewritten is dropped when the check ends, however it ends.
class RegistroPalabras {
  public:
    explicit RegistroPalabras(std::vector<std::string>& lineas) : lineas_(lineas) {}
    ~RegistroPalabras() { lineas_.resize(usadas_); }
    RegistroPalabras(const RegistroPalabras&) = delete;
    RegistroPalabras& operator=(const RegistroPalabras&) = delete;

    void Agregar(std::string_view linea) {
        if (usadas_ < lineas_.size())
            lineas_[usadas_].assign(linea);
        else
            lineas_.emplace_back(linea);
        ++usadas_;
    }

  private:
    std::vector<std::string>& lineas_;
    size_t usadas_ = 0;
};

// Trims in place, keeping the buffer.
void QuitarBlancos(std::string& texto) {
    size_t fin = texto.find_last_not_of(' ');
    texto.erase(fin == std::string::npos ? 0 : fin + 1);
    texto.erase(0, texto.find_first_not_of(' '));
}

// Blanks that were given a letter during a refused check are asked again next time.
void RestaurarBlancos(Juego& j) {
    for (Casilla& c : j.Form1.Label1) {
        if (c.Marca == kMarcaBlanco) {
            c.Letra = kBlanco;
            c.Marca = kMarcaOcupada;
        }
    }
}

void Rechazar(Juego& j, const char* mensaje) {
    if (!j.Silencioso) {
        if (mensaje) Advertir(j, Txt(mensaje));
        RestaurarBlancos(j);
    }
    j.JugadaValida = false;
}

// The chooser opens over the half of the board away from the blank.
void PreguntarBlanco(Juego& j, int casilla) {
    ModeloVentana& f = j.Form1;
    f.shpRojo.Posicion = GeometriaCasilla(casilla);
    f.shpRojo.Visible = true;
    j.Ventana.ModeloCambiado();
    const int izquierda = GeometriaCasilla(4).Izquierda;
    const int arriba = GeometriaCasilla(casilla < 90 ? 135 : 0).Arriba;
    do {
        j.LetraElegida = kSinFicha;
        j.LetraElegida = j.Ventana.ElegirLetra(izquierda, arriba);
    } while (j.LetraElegida == kSinFicha);
    f.Label1[casilla].Letra = j.LetraElegida;
    j.Ventana.ProcesarEventos();
    f.Label1[casilla].Marca = kMarcaBlanco;
    f.shpRojo.Visible = false;
}

// A word missing from the list: silently a refusal; otherwise the player may
// include it. False when the move is refused.
bool AceptarPalabra(Juego& j) {
    if (j.Lista.ExistePalabra(j.Palabra)) return true;
    if (j.Silencioso) return false;
    std::string pregunta =
        "No conozco la palabra:   " + j.Palabra + "." + "\r" + "Quieres incluirla en la lista?";
    if (!Preguntar(j, pregunta, Icono::Exclamacion)) return false;
    j.Lista.IncluirPalabra(j.Palabra);
    return true;
}

}  // namespace

void ComprobarJugada(Juego& j) {
    auto& casillas = j.Form1.Label1;
    j.PuntosJugada = 0;
    j.JugadaValida = true;

    if (j.PrimeraJugada && casillas[kCentro].Letra == kCasillaVacia) {
        if (!j.Silencioso) Advertir(j, Txt("La 1º palabra debe pasar por el centro."));
        j.JugadaValida = false;
        return;
    }

    // Tiles laid this turn, in board order. A rack holds seven, but nothing
    // is lost by making room for every square.
    std::array<std::int16_t, kCasillas> puestas;
    int n = 0;
    for (int i = 0; i < kCasillas; ++i) {
        if (!PuestaEsteTurno(casillas[i])) continue;
        puestas[n++] = static_cast<std::int16_t>(i);
        if (casillas[i].Letra == kBlanco) PreguntarBlanco(j, i);
    }

    if (n == 0) {
        if (!j.Silencioso) Advertir(j, "No has colocado ninguna ficha.");
        j.JugadaValida = false;
        return;
    }
    if (n == 1 && j.PrimeraJugada) return Rechazar(j, "Eso no es una palabra.");

    int mismaFila = 0, mismaColumna = 0;
    for (int k = 0; k + 1 < n; ++k) {
        if (FilaDe(puestas[k]) == FilaDe(puestas[k + 1])) ++mismaFila;
        if (ColumnaDe(puestas[k]) == ColumnaDe(puestas[k + 1])) ++mismaColumna;
    }
    if (n != 1 && mismaFila != n - 1 && mismaColumna != n - 1)
        return Rechazar(j, "La fichas no están alineadas.");

    int vecinas = 0;
    for (int k = 0; k < n; ++k) {
        const int q = puestas[k];
        if (ColumnaDe(q) > 1 && Fija(casillas[q - 1])) ++vecinas;
        if (ColumnaDe(q) < kLado && Fija(casillas[q + 1])) ++vecinas;
        if (FilaDe(q) > 1 && Fija(casillas[q - kLado])) ++vecinas;
        if (FilaDe(q) < kLado && Fija(casillas[q + kLado])) ++vecinas;
    }
    if (vecinas == 0 && !j.PrimeraJugada)
        return Rechazar(j, "Tienes que utilizar alguna de las fichas colocadas.");

    const int primera = puestas[0];
    const int ultima = puestas[n - 1];
    const char direccion = FilaDe(primera) == FilaDe(ultima) ? kHorizontal : kVertical;
    const int paso = PasoDireccion(direccion);
    for (int q = primera; q <= ultima; q += paso)
        if (casillas[q].Letra == kCasillaVacia) return Rechazar(j, "Hay huecos entre las letras.");

    PuntuarPalabra(j, primera, direccion);
    RegistroPalabras registro(j.Form1.List4);
    j.SumaPalabras = 0;
    // A main word of one letter is a lone tile whose words all lie across.
    if (j.Palabra.size() > 1) {
        j.PuntosJugada = static_cast<std::int16_t>(j.PuntosJugada + j.PuntosPalabra);
        if (!AceptarPalabra(j)) return Rechazar(j, nullptr);
        registro.Agregar(j.Palabra);
        registro.Agregar(j.Notacion);
        j.SumaPalabras = j.PuntosPalabra;
    }

    const char cruce = direccion == kHorizontal ? kVertical : kHorizontal;
    for (int q = primera; q <= ultima; q += paso) {
        if (casillas[q].ColorLetra != kRojo) continue;
        PuntuarPalabra(j, q, cruce);
        QuitarBlancos(j.Palabra);
        if (j.Palabra.size() <= 1) continue;
        // Unlike the main word, a cross word is recorded and counted before it is looked up.
        registro.Agregar(j.Palabra);
        registro.Agregar(j.Notacion);
        j.SumaPalabras = static_cast<std::int16_t>(j.SumaPalabras + j.PuntosPalabra);
        j.PuntosJugada = static_cast<std::int16_t>(j.PuntosJugada + j.PuntosPalabra);
        if (!AceptarPalabra(j)) return Rechazar(j, nullptr);
    }

    if (j.FichasColocadas == kRanuras) {
        j.PuntosJugada = static_cast<std::int16_t>(j.PuntosJugada + kPuntosTodasLasFichas);
        j.SumaPalabras = static_cast<std::int16_t>(j.SumaPalabras + kPuntosTodasLasFichas);
        registro.Agregar(kLineaTodasLasFichas);
    }
    j.FichasColocadas = 0;
}

}  // namespace tablerix

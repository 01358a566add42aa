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
    if (!j.Jugada.Silencioso) {
        if (mensaje) Advertir(j, Txt(mensaje));
        RestaurarBlancos(j);
    }
    j.Jugada.JugadaValida = false;
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
        j.Jugada.LetraElegida = kSinFicha;
        j.Jugada.LetraElegida = j.Ventana.ElegirLetra(izquierda, arriba);
    } while (j.Jugada.LetraElegida == kSinFicha);
    f.Label1[casilla].Letra = j.Jugada.LetraElegida;
    j.Ventana.ProcesarEventos();
    f.Label1[casilla].Marca = kMarcaBlanco;
    f.shpRojo.Visible = false;
}

// A word missing from the list: silently a refusal; otherwise the player may
// include it, but Enter answers no, so a second Enter teaches the list nothing.
// False when the move is refused.
bool AceptarPalabra(Juego& j) {
    if (ListaDe(j).ExistePalabra(j.Puntuacion.Palabra)) return true;
    if (j.Jugada.Silencioso) return false;
    std::string pregunta = "No conozco la palabra:   " + j.Puntuacion.Palabra + "." + "\r" +
                           "Quieres incluirla en la lista?";
    if (!PreguntarJuntoAlTablero(j, pregunta, Icono::Exclamacion, Respuesta::Cancelar))
        return false;
    j.Lista.IncluirPalabra(j.Puntuacion.Palabra);
    return true;
}

// The steps of one check, in the order the rules give them; each step that
// refuses leaves JugadaValida false and returns false.
class Comprobacion {
  public:
    explicit Comprobacion(Juego& j) : j_(j), casillas_(j.Form1.Label1) {}

    void Ejecutar() {
        j_.Jugada.PuntosJugada = 0;
        j_.Jugada.JugadaValida = true;
        if (!CentroCubierto() || !LeerPuestas() || !Alineadas() || !Conectadas() || !SinHuecos())
            return;
        RegistroPalabras registro(j_.Form1.List4);
        if (!PalabraPrincipal(registro) || !PalabrasCruzadas(registro)) return;
        SumarBonificacion(registro);
        j_.Jugada.FichasColocadas = 0;
    }

  private:
    // The first two refusals come before any blank was asked: nothing to restore.
    bool RechazarSinBlancos(const std::string& mensaje) {
        if (!j_.Jugada.Silencioso) Advertir(j_, mensaje);
        j_.Jugada.JugadaValida = false;
        return false;
    }
    bool Rechazar(const char* mensaje) {
        tablerix::Rechazar(j_, mensaje);
        return false;
    }

    // "La 1º" and "La fichas" below are the texts the player has always seen.
    bool CentroCubierto() {
        if (!j_.Posicion.PrimeraJugada || casillas_[kCentro].Letra != kCasillaVacia) return true;
        return RechazarSinBlancos(Txt("La 1º palabra debe pasar por el centro."));
    }

    // Tiles laid this turn, in board order; a blank among them gets its letter.
    bool LeerPuestas() {
        for (int i = 0; i < kCasillas; ++i) {
            if (!PuestaEsteTurno(casillas_[i])) continue;
            puestas_[n_++] = static_cast<std::int16_t>(i);
            if (casillas_[i].Letra == kBlanco) PreguntarBlanco(j_, i);
        }
        if (n_ == 0) return RechazarSinBlancos("No has colocado ninguna ficha.");
        if (n_ == 1 && j_.Posicion.PrimeraJugada) return Rechazar("Eso no es una palabra.");
        return true;
    }

    bool Alineadas() {
        int mismaFila = 0, mismaColumna = 0;
        for (int k = 0; k + 1 < n_; ++k) {
            if (FilaDe(puestas_[k]) == FilaDe(puestas_[k + 1])) ++mismaFila;
            if (ColumnaDe(puestas_[k]) == ColumnaDe(puestas_[k + 1])) ++mismaColumna;
        }
        if (n_ == 1 || mismaFila == n_ - 1 || mismaColumna == n_ - 1) return true;
        return Rechazar("La fichas no están alineadas.");
    }

    // A neighbour shared by two laid tiles counts twice; only none matters.
    bool Conectadas() {
        int vecinas = 0;
        for (int k = 0; k < n_; ++k) {
            const int q = puestas_[k];
            if (ColumnaDe(q) > 1 && Fija(casillas_[q - 1])) ++vecinas;
            if (ColumnaDe(q) < kLado && Fija(casillas_[q + 1])) ++vecinas;
            if (FilaDe(q) > 1 && Fija(casillas_[q - kLado])) ++vecinas;
            if (FilaDe(q) < kLado && Fija(casillas_[q + kLado])) ++vecinas;
        }
        if (vecinas > 0 || j_.Posicion.PrimeraJugada) return true;
        return Rechazar("Tienes que utilizar alguna de las fichas colocadas.");
    }

    // A single tile reads as horizontal.
    bool SinHuecos() {
        primera_ = puestas_[0];
        ultima_ = puestas_[n_ - 1];
        direccion_ = FilaDe(primera_) == FilaDe(ultima_) ? kHorizontal : kVertical;
        for (int q = primera_; q <= ultima_; q += PasoDireccion(direccion_))
            if (casillas_[q].Letra == kCasillaVacia)
                return Rechazar("Hay huecos entre las letras.");
        return true;
    }

    // A main word of one letter is a lone tile whose words all lie across.
    bool PalabraPrincipal(RegistroPalabras& registro) {
        PuntuarPalabra(j_, primera_, direccion_);
        j_.Jugada.SumaPalabras = 0;
        if (j_.Puntuacion.Palabra.size() <= 1) return true;
        j_.Jugada.PuntosJugada =
            static_cast<std::int16_t>(j_.Jugada.PuntosJugada + j_.Puntuacion.PuntosPalabra);
        if (!AceptarPalabra(j_)) return Rechazar(nullptr);
        registro.Agregar(j_.Puntuacion.Palabra);
        registro.Agregar(j_.Puntuacion.Notacion);
        j_.Jugada.SumaPalabras = j_.Puntuacion.PuntosPalabra;
        return true;
    }

    bool PalabrasCruzadas(RegistroPalabras& registro) {
        const char cruce = direccion_ == kHorizontal ? kVertical : kHorizontal;
        for (int q = primera_; q <= ultima_; q += PasoDireccion(direccion_)) {
            if (casillas_[q].ColorLetra != kRojo) continue;
            PuntuarPalabra(j_, q, cruce);
            QuitarBlancos(j_.Puntuacion.Palabra);
            if (j_.Puntuacion.Palabra.size() <= 1) continue;
            // Unlike the main word, a cross word is recorded and counted before it is looked up.
            registro.Agregar(j_.Puntuacion.Palabra);
            registro.Agregar(j_.Puntuacion.Notacion);
            j_.Jugada.SumaPalabras =
                static_cast<std::int16_t>(j_.Jugada.SumaPalabras + j_.Puntuacion.PuntosPalabra);
            j_.Jugada.PuntosJugada =
                static_cast<std::int16_t>(j_.Jugada.PuntosJugada + j_.Puntuacion.PuntosPalabra);
            if (!AceptarPalabra(j_)) return Rechazar(nullptr);
        }
        return true;
    }

    void SumarBonificacion(RegistroPalabras& registro) {
        if (j_.Jugada.FichasColocadas != kRanuras) return;
        j_.Jugada.PuntosJugada =
            static_cast<std::int16_t>(j_.Jugada.PuntosJugada + kPuntosTodasLasFichas);
        j_.Jugada.SumaPalabras =
            static_cast<std::int16_t>(j_.Jugada.SumaPalabras + kPuntosTodasLasFichas);
        registro.Agregar(kLineaTodasLasFichas);
    }

    Juego& j_;
    std::array<Casilla, kCasillas>& casillas_;
    // A rack holds seven, but nothing is lost by making room for every square.
    std::array<std::int16_t, kCasillas> puestas_;
    int n_ = 0;
    int primera_ = 0, ultima_ = 0;
    char direccion_ = kHorizontal;
};

}  // namespace

void ComprobarJugada(Juego& j) {
    Comprobacion(j).Ejecutar();
}

}  // namespace tablerix

#include "computer/Busqueda.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "computer/BusquedaComun.h"
#include "game/Comprobacion.h"
#include "game/Premios.h"
#include "game/Puntuacion.h"
#include "wordlist/Texto.h"

// The search tries, line by line and window by window, the entries of the list
// that fit a window and that the rack can supply, keeping the first candidate
// of the highest score that the move check accepts. The index meets only the
// entries that fit, in any order; taking the highest score and, among equals,
// the lowest position visited gives the candidate a scan in list order keeps.
//
// When the display is at rest (it shows Tablero, fixed tiles black and marked,
// empty squares red and unmarked, not the first move) the move check's verdict
// and score follow from the board alone: every cross word must be in the list,
// and the score is the window word plus the cross words plus the bonus. Letters
// whose cross word is missing are not tried at all, candidates are scored
// directly, and the real check runs once, on the winner, for its word record.
// Otherwise every candidate goes through the real check.

namespace tablerix {

namespace {

using Reloj = std::chrono::steady_clock;
constexpr auto kIntervaloCesion = std::chrono::milliseconds(15);

// Lets the window repaint every few milliseconds of search.
class Cesion {
  public:
    explicit Cesion(Juego& j) : j_(j), ultima_(Reloj::now()) {}
    void Quizas() {
        if (Reloj::now() - ultima_ < kIntervaloCesion) return;
        j_.Ventana.ProcesarEventos();
        ultima_ = Reloj::now();
    }

  private:
    Juego& j_;
    Reloj::time_point ultima_;
};

struct Premio {
    int Letra = 1;
    int Palabra = 1;
};

Premio PremioDe(Color fondo) {
    const TipoPremio* premio = PremioDeColor(fondo);
    if (!premio) return {};
    return premio->DePalabra ? Premio{1, premio->Factor} : Premio{premio->Factor, 1};
}

// The word across an open square: the fixed letters next to it on the other axis.
struct Cruce {
    bool ConVecinos = false;
    std::uint32_t Permitidas = kTodasLasLetras;  // letters whose cross word is in the list
    int SumaFija = 0;                            // points of its fixed letters
};

class BusquedaJugada {
  public:
    explicit BusquedaJugada(Juego& j)
        : j_(j), cesion_(j), paso_(PasoDe(j)), rapida_(PantallaEnReposo(j)) {
        LeerAtril(j_, restricciones_);
        if (rapida_) PrepararTablas();
    }

    void Buscar() {
        for (int r = 0; r < kLado; ++r) {
            j_.Busqueda.LineaActual = static_cast<std::int16_t>(kLado * r);
            j_.Busqueda.DireccionActual = kHorizontal;
            ProbarLinea();
            j_.Form1.AnchoProgreso = kAnchoProgreso * r / 28;
        }
        for (int c = 0; c < kLado; ++c) {
            j_.Busqueda.LineaActual = static_cast<std::int16_t>(c);
            j_.Busqueda.DireccionActual = kVertical;
            ProbarLinea();
            j_.Form1.AnchoProgreso = kAnchoProgreso * (kLado - 1 + c) / 28;
        }
        if (rapida_ && j_.Busqueda.MejorPuntos > 0) RegistrarGanadora();
    }

  private:
    int CasillaDeLinea(int k) const {
        return j_.Busqueda.DireccionActual == kHorizontal ? j_.Busqueda.LineaActual + k
                                                          : k * kLado + j_.Busqueda.LineaActual;
    }
    int Paso() const { return PasoDireccion(j_.Busqueda.DireccionActual); }

    void PrepararTablas() {
        for (int c = 0; c < kLetras; ++c) valor_[c] = ValorLetra(j_, LetraDeCodigo(c));
        for (int q = 0; q < kCasillas; ++q) {
            premio_[q] = PremioDe(j_.Form1.Label1[q].Fondo);
            if (j_.Posicion.Tablero[q] != kCasillaVacia) continue;
            cruce_[0][q] = LeerCruce(q, kLado);  // across a row: the column's word
            cruce_[1][q] = LeerCruce(q, 1);      // across a column: the row's word
        }
    }

    Cruce LeerCruce(int q, int paso) const {
        auto enLinea = [&](int p) {
            return p >= 0 && p < kCasillas && (paso == kLado || p / kLado == q / kLado);
        };
        std::string antes, despues;
        int suma = 0;
        for (int p = q - paso; enLinea(p) && j_.Posicion.Tablero[p] != kCasillaVacia; p -= paso) {
            antes.insert(antes.begin(), j_.Posicion.Tablero[p]);
            suma += valor_[CodigoLetra(j_.Posicion.Tablero[p])];
        }
        for (int p = q + paso; enLinea(p) && j_.Posicion.Tablero[p] != kCasillaVacia; p += paso) {
            despues += j_.Posicion.Tablero[p];
            suma += valor_[CodigoLetra(j_.Posicion.Tablero[p])];
        }
        if (antes.empty() && despues.empty()) return {};
        return {true, j_.Indice.LetrasQueCompletan(antes, despues), suma};
    }

    void ProbarLinea() {
        std::array<char, kLado> linea;
        bool conLetras = false;
        for (int k = 0; k < kLado; ++k) {
            linea[k] = j_.Posicion.Tablero[CasillaDeLinea(k)];
            conLetras |= linea[k] != kCasillaVacia;
        }
        if (!conLetras) return;
        for (int s = 0; s < kLado; ++s) {
            j_.Busqueda.InicioVentana = static_cast<std::int16_t>(CasillaDeLinea(s));
            if (s > 0 && linea[s - 1] != kCasillaVacia)
                continue;  // a letter precedes every window here
            int huecos = 0;
            for (int n = 1; s + n <= kLado; ++n) {
                huecos += linea[s + n - 1] == kCasillaVacia;
                if (huecos > 7) break;
                bool cerrada = s + n == kLado || linea[s + n] == kCasillaVacia;
                if (cerrada && huecos >= 1 && huecos < n)
                    ProbarVentana(linea.data() + s, n, huecos);
            }
        }
    }

    void ProbarVentana(const char* ventana, int n, int huecos) {
        const int r0 = SortearInicio(j_, paso_);
        Restricciones& r = restricciones_;
        r.Longitud = n;
        for (int k = 0; k < n; ++k) {
            if (ventana[k] == kCasillaVacia) {
                r.Fija[k] = -1;
                r.Permitidas[k] = rapida_ ? cruce_[j_.Busqueda.DireccionActual == kVertical]
                                                  [CasillaDeVentana(j_.Busqueda.InicioVentana, k)]
                                                      .Permitidas
                                          : kTodasLasLetras;
            } else {
                r.Fija[k] = static_cast<std::int8_t>(CodigoLetra(ventana[k]));
                if (r.Fija[k] < 0) return;  // no entry of the index holds that character
            }
        }
        if (rapida_)
            PuntuarVentana(ventana, n, huecos, r0);
        else
            ComprobarVentana(ventana, n, r0);
        cesion_.Quizas();
    }

    int CasillaDeVentana(int inicio, int k) const { return inicio + k * Paso(); }

    // The move check's score for a window word, from the tables.
    void PuntuarVentana(const char* ventana, int n, int huecos, int r0) {
        const int inicio = j_.Busqueda.InicioVentana;
        const int eje = j_.Busqueda.DireccionActual == kVertical;
        int sumaFija = 0;
        for (int k = 0; k < n; ++k)
            if (ventana[k] != kCasillaVacia) sumaFija += valor_[CodigoLetra(ventana[k])];
        const int bono = huecos == kRanuras ? kPuntosTodasLasFichas : 0;

        Eleccion eleccion;
        j_.Indice.Recorrer(restricciones_, [&](const std::uint8_t* letras, Posiciones posiciones) {
            const int posicion = PrimeraVisitada(posiciones, r0, paso_);
            if (posicion == 0) return;
            int suma = sumaFija, multiplicador = 1, cruces = 0;
            for (int k = 0; k < n; ++k) {
                if (ventana[k] != kCasillaVacia) continue;
                const int q = CasillaDeVentana(inicio, k);
                const int puntos = valor_[letras[k]] * premio_[q].Letra;
                suma += puntos;
                multiplicador *= premio_[q].Palabra;
                const Cruce& cruce = cruce_[eje][q];
                if (cruce.ConVecinos) cruces += (cruce.SumaFija + puntos) * premio_[q].Palabra;
            }
            eleccion.Considerar(suma * multiplicador + cruces + bono, posicion, letras, n);
        });
        if (eleccion.Puntos > j_.Busqueda.MejorPuntos) {
            j_.Busqueda.MejorInicio = j_.Busqueda.InicioVentana;
            j_.Busqueda.MejorPuntos = static_cast<std::int16_t>(eleccion.Puntos);
            j_.Busqueda.MejorFichas = Fichas(ventana, n, eleccion.Letras.data());
            j_.Busqueda.MejorDireccion = j_.Busqueda.DireccionActual;
        }
    }

    // Every candidate through the real move check, in list order.
    void ComprobarVentana(const char* ventana, int n, int r0) {
        struct Candidata {
            int Posicion;
            std::string Fichas;
        };
        std::vector<Candidata> candidatas;
        j_.Indice.Recorrer(restricciones_, [&](const std::uint8_t* letras, Posiciones posiciones) {
            for (int p : posiciones)
                if (p % paso_ == r0 % paso_) candidatas.push_back({p, Fichas(ventana, n, letras)});
        });
        std::sort(candidatas.begin(), candidatas.end(),
                  [](const Candidata& a, const Candidata& b) { return a.Posicion < b.Posicion; });
        for (const Candidata& c : candidatas) {
            Colocar(j_.Busqueda.InicioVentana, j_.Busqueda.DireccionActual, c.Fichas);
            ComprobarJugada(j_);
            if (j_.Jugada.JugadaValida && j_.Jugada.PuntosJugada > j_.Busqueda.MejorPuntos) {
                j_.Busqueda.MejorInicio = j_.Busqueda.InicioVentana;
                j_.Busqueda.MejorPuntos = j_.Jugada.PuntosJugada;
                j_.Busqueda.MejorFichas = c.Fichas;
                j_.Busqueda.MejorDireccion = j_.Busqueda.DireccionActual;
                CopiarRegistro();
            }
            Levantar(j_.Busqueda.InicioVentana, j_.Busqueda.DireccionActual, c.Fichas);
            cesion_.Quizas();
        }
    }

    static std::string Fichas(const char* ventana, int n, const std::uint8_t* letras) {
        std::string t(n, '-');
        for (int k = 0; k < n; ++k)
            if (ventana[k] == kCasillaVacia) t[k] = LetraDeCodigo(letras[k]);
        return t;
    }

    // Trial tiles: red like every empty square, marked as laid.
    void Colocar(int inicio, char direccion, const std::string& fichas) {
        const int paso = PasoDireccion(direccion);
        j_.Jugada.FichasColocadas = 0;
        for (std::size_t k = 0; k < fichas.size(); ++k) {
            if (fichas[k] == '-') continue;
            ++j_.Jugada.FichasColocadas;
            auto& casilla = j_.Form1.Label1[inicio + static_cast<int>(k) * paso];
            casilla.Letra = fichas[k];
            casilla.Marca = kMarcaOcupada;
        }
    }

    void Levantar(int inicio, char direccion, const std::string& fichas) {
        const int paso = PasoDireccion(direccion);
        for (std::size_t k = 0; k < fichas.size(); ++k) {
            if (fichas[k] == '-') continue;
            auto& casilla = j_.Form1.Label1[inicio + static_cast<int>(k) * paso];
            casilla.Letra = kCasillaVacia;
            casilla.Marca = kMarcaReposo;
        }
    }

    // The best move's words and notation lines, as the move check listed them.
    void CopiarRegistro() {
        j_.Form1.List3.clear();
        j_.Busqueda.PalabrasJugada.clear();
        j_.Busqueda.NumPalabrasJugada = 0;
        for (const std::string& linea : j_.Form1.List4) {
            j_.Form1.List3.push_back(linea);
            if (linea.find_first_of("+=") == std::string::npos) {
                j_.Busqueda.PalabrasJugada.emplace_back(SinBlancos(linea));
                ++j_.Busqueda.NumPalabrasJugada;
            }
        }
        j_.Busqueda.PuntosMejor = j_.Jugada.SumaPalabras;
    }

    void RegistrarGanadora() {
        Colocar(j_.Busqueda.MejorInicio, j_.Busqueda.MejorDireccion, j_.Busqueda.MejorFichas);
        ComprobarJugada(j_);
#ifdef TABLERIX_COMPROBAR_BUSQUEDA
        // The tables must give the move check's verdict and score: a winner it
        // refuses or scores otherwise is a fault of the fast path.
        if (!j_.Jugada.JugadaValida || j_.Jugada.PuntosJugada != j_.Busqueda.MejorPuntos) {
            std::fprintf(stderr, "search tables and move check disagree: %d vs %d (%s)\n",
                         j_.Busqueda.MejorPuntos, j_.Jugada.PuntosJugada,
                         j_.Jugada.JugadaValida ? "valid" : "refused");
            std::abort();
        }
#endif
        CopiarRegistro();
        Levantar(j_.Busqueda.MejorInicio, j_.Busqueda.MejorDireccion, j_.Busqueda.MejorFichas);
    }

    Juego& j_;
    Cesion cesion_;
    const int paso_;
    const bool rapida_;
    Restricciones restricciones_;
    std::array<int, kLetras> valor_{};
    std::array<Premio, kCasillas> premio_{};
    std::array<std::array<Cruce, kCasillas>, 2> cruce_{};  // [0] rows' windows, [1] columns'
};

}  // namespace

bool PantallaEnReposo(const Juego& j) {
    if (j.Posicion.PrimeraJugada) return false;
    for (int q = 0; q < kCasillas; ++q) {
        const Casilla& c = j.Form1.Label1[q];
        if (j.Posicion.Tablero[q] == kCasillaVacia) {
            if (c.Letra != kCasillaVacia || c.ColorLetra != kRojo || c.Marca != kMarcaReposo)
                return false;
        } else if (c.Letra != j.Posicion.Tablero[q] || c.ColorLetra != kNegro ||
                   c.Marca != kMarcaOcupada || CodigoLetra(j.Posicion.Tablero[q]) < 0) {
            return false;
        }
    }
    return true;
}

void BuscarMejorJugada(Juego& j) {
    j.Busqueda.NumPalabrasJugada = 0;
    j.Busqueda.PalabrasJugada.clear();
    j.Busqueda.OrdenadorNoJuega = false;
    j.Busqueda.MejorPuntos = 0;
    j.Busqueda.MejorFichas.clear();
    j.Busqueda.MejorDireccion = '\0';
    j.Busqueda.MejorInicio = 0;

    // The trial checks never ask anything, whatever the caller left.
    const bool silencioso = j.Jugada.Silencioso;
    j.Jugada.Silencioso = true;
    BusquedaJugada(j).Buscar();
    j.Jugada.Silencioso = silencioso;
}

}  // namespace tablerix

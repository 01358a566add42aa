#include "computer/Busqueda.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
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
        if (rapida_) PuntuarPendientes();
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
        restricciones_.Valor = valor_;
        const int caro = *std::max_element(valor_.begin(), valor_.end());
        for (int c = 0; c < kLetras; ++c)
            valoresAtril_.insert(valoresAtril_.end(), restricciones_.Atril[c], valor_[c]);
        valoresAtril_.insert(valoresAtril_.end(), restricciones_.Blancos, caro);
        std::sort(valoresAtril_.rbegin(), valoresAtril_.rend());
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
        return {true, IndiceDe(j_).LetrasQueCompletan(antes, despues), suma};
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
        if (rapida_) {
            Pendiente v;
            v.Inicio = j_.Busqueda.InicioVentana;
            v.Direccion = j_.Busqueda.DireccionActual;
            v.Longitud = n;
            v.Huecos = huecos;
            v.R0 = r0;
            std::copy(ventana, ventana + n, v.Letras.begin());
            v.Cota = PrepararVentana(v) + MayorAporte(n);
            pendientes_.push_back(v);
            return;
        }
        Restricciones& r = restricciones_;
        r.Longitud = n;
        for (int k = 0; k < n; ++k) {
            if (ventana[k] == kCasillaVacia) {
                r.Fija[k] = -1;
                r.Permitidas[k] = kTodasLasLetras;
            } else {
                r.Fija[k] = static_cast<std::int8_t>(CodigoLetra(ventana[k]));
                if (r.Fija[k] < 0) return;  // no entry of the index holds that character
            }
        }
        ComprobarVentana(ventana, n, r0);
        cesion_.Quizas();
    }

    int CasillaDeVentana(int inicio, int k) const { return inicio + k * Paso(); }

    // A window of the fast path, met in order and scored later.
    struct Pendiente {
        std::int16_t Inicio = 0;
        char Direccion = kHorizontal;
        int Longitud = 0, Huecos = 0, R0 = 0;
        std::array<char, kLado> Letras{};
        int Cota = 0;  // no word of the window scores more
        Eleccion Elegida;
        bool Exacta = false;  // Elegida is the window's best word, lowest position first
    };

    // The most a window's laid letters can add: the rack's tiles (a blank as
    // the dearest letter) on the open squares, the dearest on the heaviest.
    int MayorAporte(int n) const {
        std::array<int, kLongitudMaxima> pesos{};
        int huecos = 0;
        for (int k = 0; k < n; ++k)
            if (restricciones_.Peso[k] > 0) pesos[huecos++] = restricciones_.Peso[k];
        std::sort(pesos.begin(), pesos.begin() + huecos, std::greater<>());
        int aporte = 0;
        for (int k = 0; k < huecos && k < static_cast<int>(valoresAtril_.size()); ++k)
            aporte += pesos[k] * valoresAtril_[k];
        return aporte;
    }

    // Sets the restrictions for window v, with the current window and
    // direction; gives the part of every word's score that its letters do not
    // change. The score is that constant plus, for each laid letter, its value
    // times a weight of its square (premiums and cross word folded in).
    int PrepararVentana(const Pendiente& v) {
        j_.Busqueda.InicioVentana = v.Inicio;
        j_.Busqueda.DireccionActual = v.Direccion;
        const int eje = v.Direccion == kVertical;
        Restricciones& r = restricciones_;
        r.Longitud = v.Longitud;
        int sumaFija = 0, multiplicador = 1;
        for (int k = 0; k < v.Longitud; ++k) {
            const int q = CasillaDeVentana(v.Inicio, k);
            if (v.Letras[k] == kCasillaVacia) {
                r.Fija[k] = -1;
                r.Permitidas[k] = cruce_[eje][q].Permitidas;
                multiplicador *= premio_[q].Palabra;
            } else {
                r.Fija[k] = static_cast<std::int8_t>(CodigoLetra(v.Letras[k]));
                sumaFija += valor_[r.Fija[k]];
            }
        }
        int constante =
            sumaFija * multiplicador + (v.Huecos == kRanuras ? kPuntosTodasLasFichas : 0);
        for (int k = 0; k < v.Longitud; ++k) {
            r.Peso[k] = 0;
            if (v.Letras[k] != kCasillaVacia) continue;
            const int q = CasillaDeVentana(v.Inicio, k);
            const Cruce& cruce = cruce_[eje][q];
            r.Peso[k] =
                premio_[q].Letra * (multiplicador + (cruce.ConVecinos ? premio_[q].Palabra : 0));
            if (cruce.ConVecinos) constante += cruce.SumaFija * premio_[q].Palabra;
        }
        return constante;
    }

    // The window's best word scoring more than `piso` (its lowest position
    // among equals), scored from the tables; words that cannot are not met.
    Eleccion PuntuarVentana(const Pendiente& v, int piso) {
        const int constante = PrepararVentana(v);
        Eleccion eleccion;
        int minimo = piso + 1 - constante;
        restricciones_.Minimo = &minimo;
        IndiceDe(j_).Recorrer(restricciones_,
                              [&](const std::uint8_t* letras, Posiciones posiciones) {
                                  const int posicion = PrimeraVisitada(posiciones, v.R0, paso_);
                                  if (posicion == 0) return;
                                  int puntos = constante;
                                  for (int k = 0; k < v.Longitud; ++k)
                                      puntos += valor_[letras[k]] * restricciones_.Peso[k];
                                  eleccion.Considerar(puntos, posicion, letras, v.Longitud);
                                  minimo = std::max(minimo, eleccion.Puntos - constante);
                              });
        restricciones_.Minimo = nullptr;
        cesion_.Quizas();
        return eleccion;
    }

    // The scan in order keeps the first window that reaches the best score,
    // and in it the lowest position of that score. The best score is found
    // first, windows taken by their bound, highest first; then the windows in
    // order, each asked only for words of that score.
    void PuntuarPendientes() {
        const auto inicio = j_.Busqueda.InicioVentana;
        const auto direccion = j_.Busqueda.DireccionActual;
        std::vector<int> orden(pendientes_.size());
        for (std::size_t k = 0; k < orden.size(); ++k) orden[k] = static_cast<int>(k);
        std::stable_sort(orden.begin(), orden.end(),
                         [&](int a, int b) { return pendientes_[a].Cota > pendientes_[b].Cota; });
        int mejor = 0;
        for (int k : orden) {
            Pendiente& v = pendientes_[k];
            if (v.Cota <= mejor) break;
            v.Elegida = PuntuarVentana(v, mejor);
            v.Exacta = v.Elegida.Puntos > mejor;
            mejor = std::max(mejor, v.Elegida.Puntos);
        }
        for (Pendiente& v : pendientes_) {
            if (mejor == 0) break;
            if (v.Cota < mejor) continue;
            if (!(v.Exacta && v.Elegida.Puntos == mejor)) v.Elegida = PuntuarVentana(v, mejor - 1);
            if (v.Elegida.Puntos != mejor) continue;
            j_.Busqueda.MejorInicio = v.Inicio;
            j_.Busqueda.MejorPuntos = static_cast<std::int16_t>(mejor);
            j_.Busqueda.MejorFichas = Fichas(v.Letras.data(), v.Longitud, v.Elegida.Letras.data());
            j_.Busqueda.MejorDireccion = v.Direccion;
            break;
        }
        j_.Busqueda.InicioVentana = inicio;
        j_.Busqueda.DireccionActual = direccion;
    }

    // Every candidate through the real move check, in list order.
    void ComprobarVentana(const char* ventana, int n, int r0) {
        struct Candidata {
            int Posicion;
            std::string Fichas;
        };
        std::vector<Candidata> candidatas;
        IndiceDe(j_).Recorrer(restricciones_,
                              [&](const std::uint8_t* letras, Posiciones posiciones) {
                                  for (int p : posiciones)
                                      if (p % paso_ == r0 % paso_)
                                          candidatas.push_back({p, Fichas(ventana, n, letras)});
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
    std::vector<int> valoresAtril_;  // the rack's tiles by value, dearest first
    std::vector<Pendiente> pendientes_;
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

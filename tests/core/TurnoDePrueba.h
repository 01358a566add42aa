#pragma once
// Helpers for playing turns in tests: racks and bag set to known tiles, the
// log read from a given line on, and a game on any window.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "JuegoDePrueba.h"
#include "game/Mensajes.h"

namespace tablerix::prueba {

// Rack p holds exactly `fichas` (Windows-1252, '*' a blank) in slots 1..n, and
// its display shows them as a new game or a refill leaves it.
inline void DarAtril(Juego& j, int p, std::string_view fichas) {
    for (int k = 1; k <= kRanuras; ++k) {
        char f = k <= static_cast<int>(fichas.size()) ? fichas[k - 1] : kSinFicha;
        j.Atriles[p][k] = f;
        if (p == 1) {
            FichaJugador& r = j.Form1.Label5[k - 1];
            r = FichaJugador{};
            r.Letra = f;
            r.Visible = f != kSinFicha;
        } else {
            FichaOrdenador& r = j.Form1.Label11[k - 1];
            r.Letra = f;
            r.Visible = f != kSinFicha;
        }
    }
}

inline std::string Atril(const Juego& j, int p) {
    std::string s;
    for (int k = 1; k <= kRanuras; ++k) s += j.Atriles[p][k] ? j.Atriles[p][k] : '.';
    return s;
}

// The bag holds only `fichas`, in slots 1, 2, ...
inline void BolsaCon(Juego& j, std::string_view fichas) {
    for (char& f : j.Bolsa) f = kSinFicha;
    j.FichasEnBolsa = 0;
    for (char f : fichas) j.Bolsa[++j.FichasEnBolsa] = f;
    j.Form1.Label7 = std::to_string(j.FichasEnBolsa);
}

// Log lines from `desde` on.
inline std::vector<std::string> LineasDesde(const Juego& j, std::size_t desde) {
    const auto& l = j.Form1.lstPartida;
    if (desde >= l.size()) return {};
    return {l.begin() + static_cast<std::ptrdiff_t>(desde), l.end()};
}

// Windows-1252 lines from UTF-8 literals.
inline std::vector<std::string> Lineas(std::initializer_list<std::string_view> lineas) {
    std::vector<std::string> r;
    for (std::string_view l : lineas) r.push_back(Txt(l));
    return r;
}

// What JuegoDePrueba does, for a game on a window of the test's own.
inline void Preparar(Juego& j, std::initializer_list<std::string_view> palabras,
                     std::uint64_t semilla = 1) {
    DisenoInicial(j.Form1);
    LeerPremios(j);
    ConstruirValores(j);
    ConstruirLeyenda(j);
    ElegirNivel(j, 3);
    j.Azar.Sembrar(semilla);
    std::string texto;
    for (std::string_view p : palabras) texto += Txt(p) + "\r\n";
    j.Lista.CargarDesdeTexto(texto);
    NuevaPartida(j);
}

}  // namespace tablerix::prueba

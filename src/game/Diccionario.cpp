#include "game/Diccionario.h"

#include <algorithm>

#include "game/Mensajes.h"
#include "game/Puntuacion.h"
#include "game/Teclado.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

int PuntosDe(const Juego& j, std::string_view palabra) {
    int puntos = 0;
    for (char c : palabra) puntos += ValorLetra(j, c);
    return puntos;
}

ValoresLetras ValoresDe(const Juego& j) {
    ValoresLetras valores{};
    for (int c = 0; c < kLetras; ++c) valores[c] = ValorLetra(j, LetraDeCodigo(c));
    return valores;
}

// A word to teach or remove: tile letters only, refusals told in a box.
bool PalabraEscrita(Juego& j, std::string_view texto, std::string& palabra) {
    std::string error;
    palabra = NormalizarEntrada(texto, "", error);
    if (!error.empty()) Advertir(j, error);
    return error.empty() && !palabra.empty();
}

}  // namespace

std::string NoHayFicha(std::string_view caracter) {
    return "No hay ninguna ficha con \"" + std::string(caracter) + "\".";
}

std::string NormalizarEntrada(std::string_view texto, std::string_view comodines,
                              std::string& error) {
    error.clear();
    std::string fichas;
    for (char c : SinBlancos(texto)) {
        const char letra = comodines.find(c) != std::string_view::npos ? c : LetraDeTecla(c);
        if (letra == kSinFicha) {
            error = NoHayFicha(std::string_view(&c, 1));
            return {};
        }
        fichas += letra;
    }
    return fichas;
}

RespuestaConsulta Consultar(const Juego& j, ModoConsulta modo, std::string_view texto,
                            bool todasLasFichas) {
    RespuestaConsulta r;
    const char* comodines = modo == ModoConsulta::Buscar      ? ""
                            : modo == ModoConsulta::ConFichas ? "?"
                                                              : "?*";
    r.Texto = NormalizarEntrada(texto, comodines, r.Error);
    if (!r.Error.empty() || r.Texto.empty()) return r;
    if (r.Texto.size() - std::count(r.Texto.begin(), r.Texto.end(), kVariasLetras) >
        kLongitudMaxima) {
        r.Error = Txt("Ninguna palabra tiene más de 15 letras.");
        return r;
    }
    if (modo == ModoConsulta::Buscar) {
        const Vecinas v = BuscarVecinas(j.Lista, j.Indice, r.Texto);
        r.Existe = v.Existe;
        for (int p : v.Antes) r.Filas.push_back({p, PuntosDe(j, j.Lista.Palabras()[p])});
        r.Filas.push_back({v.Existe ? v.Posicion : 0, PuntosDe(j, r.Texto), true});
        for (int p : v.Despues) r.Filas.push_back({p, PuntosDe(j, j.Lista.Palabras()[p])});
        return r;
    }
    const Encontradas e = modo == ModoConsulta::ConFichas
                              ? PalabrasConFichas(j.Indice, r.Texto, todasLasFichas, ValoresDe(j))
                              : PalabrasConPatron(j.Indice, r.Texto, ValoresDe(j));
    r.Total = e.Total;
    r.Filas.reserve(e.Palabras.size());
    for (const Encontrada& p : e.Palabras) r.Filas.push_back({p.Posicion, p.Puntos});
    return r;
}

const std::string& PalabraDeFila(const Juego& j, const RespuestaConsulta& r,
                                 const FilaConsulta& fila) {
    return fila.Posicion > 0 ? j.Lista.Palabras()[fila.Posicion] : r.Texto;
}

void AnadirPalabra(Juego& j, std::string_view texto) {
    std::string palabra;
    if (!PalabraEscrita(j, texto, palabra)) return;
    if (palabra.size() < 2 || palabra.size() > kLongitudMaxima)
        Advertir(j, Txt("Solo se pueden añadir palabras de 2 a 15 letras."));
    else if (j.Lista.ExistePalabra(palabra))
        Advertir(j, palabra + Txt(" ya está en la lista."));
    else
        j.Lista.IncluirPalabra(palabra);
}

void QuitarPalabra(Juego& j, std::string_view texto) {
    std::string palabra;
    if (!PalabraEscrita(j, texto, palabra)) return;
    if (j.Lista.ExistePalabra(palabra))
        j.Lista.BorrarPalabra(palabra);
    else
        Advertir(j, palabra + Txt(" no está en la lista."));
}

void DeshacerCambio(Juego& j, int cambio) {
    j.Cambios.Deshacer(cambio);
}

}  // namespace tablerix

#include "wordlist/CambiosLista.h"

namespace tablerix {

CambiosLista::CambiosLista(ListaPalabras& lista) : lista_(lista) {
    lista_.AgregarObservador(this);
}

CambiosLista::~CambiosLista() {
    lista_.QuitarObservador(this);
}

void CambiosLista::Deshacer(int k) {
    if (k < 0 || k >= static_cast<int>(cambios_.size())) return;
    CambioLista cambio = std::move(cambios_[k]);
    cambios_.erase(cambios_.begin() + k);
    ++version_;
    deshaciendo_ = true;
    if (cambio.Incluida && lista_.ExistePalabra(cambio.Palabra))
        lista_.BorrarPalabra(cambio.Palabra);
    else if (!cambio.Incluida && !lista_.ExistePalabra(cambio.Palabra))
        lista_.IncluirPalabra(cambio.Palabra);
    deshaciendo_ = false;
}

void CambiosLista::Incluida(int, const std::string& palabra) {
    ++version_;
    if (!deshaciendo_) cambios_.push_back({true, palabra});
}

void CambiosLista::Borrada(int, const std::string& palabra) {
    ++version_;
    if (!deshaciendo_) cambios_.push_back({false, palabra});
}

void CambiosLista::Recargada() {
    ++version_;
    cambios_.clear();
}

}  // namespace tablerix

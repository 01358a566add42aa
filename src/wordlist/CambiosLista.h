#pragma once
// The words taught and removed since the list was loaded, by play or by hand,
// in order; each can be undone on its own through the list's own routines.
#include <string>
#include <vector>

#include "wordlist/ListaPalabras.h"

namespace tablerix {

struct CambioLista {
    bool Incluida = false;  // false: removed
    std::string Palabra;
};

class CambiosLista : public ObservadorLista {
  public:
    explicit CambiosLista(ListaPalabras& lista);
    ~CambiosLista() override;
    CambiosLista(const CambiosLista&) = delete;
    CambiosLista& operator=(const CambiosLista&) = delete;

    const std::vector<CambioLista>& Cambios() const { return cambios_; }
    // Grows with every change of the list, so that a view knows when to ask again.
    int Version() const { return version_; }

    // Brings back the word's presence before change k (0-based) and forgets the
    // change. A word taught but since removed, or removed but since taught
    // again, is left as it is.
    void Deshacer(int k);

    void Incluida(int posicion, const std::string& palabra) override;
    void Borrada(int posicion, const std::string& palabra) override;
    void Recargada() override;

  private:
    ListaPalabras& lista_;
    std::vector<CambioLista> cambios_;
    int version_ = 0;
    bool deshaciendo_ = false;
};

}  // namespace tablerix

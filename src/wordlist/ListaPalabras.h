#pragma once
// The word list: entries in file order (position 1..NumPalabras, position 0
// unused), exact lookups through a hash of live entries, inclusion in
// word-list order, removal by placeholder, and the word-list file.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "wordlist/RecuentoPalabras.h"

namespace tablerix {

// Told of every change so that a search index can follow the positions.
class ObservadorLista {
  public:
    virtual ~ObservadorLista() = default;
    // `palabra` now stands at `posicion`; entries from there on moved up by one.
    virtual void Incluida(int posicion, const std::string& palabra) = 0;
    // The entry at `posicion` became the removal placeholder.
    virtual void Borrada(int posicion, const std::string& palabra) = 0;
    // The whole list was replaced (load).
    virtual void Recargada() = 0;
};

class ListaPalabras {
  public:
    static const std::string kMarcaBorrada;  // thirty 'W'

    // Entries 1..NumPalabras(); Palabras()[0] exists and is empty.
    const std::vector<std::string>& Palabras() const { return palabras_; }
    int NumPalabras() const { return static_cast<int>(palabras_.size()) - 1; }
    // Entries removed so far: every removal that found its word adds one.
    int Borradas() const { return borradas_; }

    bool DiccionarioModificado = false;

    bool ExistePalabra(std::string_view palabra) const;
    // Capitalises `palabra` (the caller's string too) and inserts it in order.
    void IncluirPalabra(std::string& palabra);
    // Where IncluirPalabra would put `palabra` (in capitals): before the first
    // greater entry, else at the end.
    int PosicionDeInclusion(std::string_view palabra) const;
    // The first entry equal to `palabra` becomes the placeholder.
    void BorrarPalabra(std::string_view palabra);

    // Replaces the list with the items of `contenido` (the file's bytes).
    void CargarDesdeTexto(std::string_view contenido);
    // False when the file is missing, unreadable, empty or too big to hold; the
    // list is then untouched. A file in UTF-8 is converted.
    bool Cargar(const std::string& ruta);
    // The file's bytes: every entry but placeholders, each with CR LF.
    std::string TextoParaGuardar() const;
    // Atomic replacement; false (old file intact) on any failure.
    bool Guardar(const std::string& ruta) const;

    // Word-list order: leading Ñ keyed as "NZ", then by character code.
    static bool Menor(std::string_view a, std::string_view b);

    void AgregarObservador(ObservadorLista* observador);
    void QuitarObservador(ObservadorLista* observador);

  private:
    std::vector<std::string> palabras_{std::string()};
    RecuentoPalabras recuento_;  // live entries, placeholders left out
    int borradas_ = 0;
    std::vector<ObservadorLista*> observadores_;
};

}  // namespace tablerix

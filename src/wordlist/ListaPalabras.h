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
    // Throwing, the observer must be left as it was.
    virtual void Recargada() = 0;
};

// What loading the word-list file came to.
struct CargaLista {
    enum { Cargada, NoSePuedeLeer, DemasiadoGrande } Resultado = NoSePuedeLeer;
    // Lines of a list marked as UTF-8 that were not UTF-8: left out.
    int LineasIlegibles = 0;
    explicit operator bool() const { return Resultado == Cargada; }
};

class ListaPalabras {
  public:
    static const std::string kMarcaBorrada;  // thirty 'W'
    // A larger file is refused unread: the shipped list is 8 MB, and holding
    // a huge one costs many times its size.
    static constexpr size_t kTamanoMaximo = size_t{64} << 20;

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

    // Replaces the list with the items of `contenido` (the file's bytes). When
    // this or an observer runs out of memory, the list is restored, the
    // observers told again, and the exception goes on.
    void CargarDesdeTexto(std::string_view contenido);
    // Fails when the file is missing, unreadable, empty, above kTamanoMaximo or
    // too big to hold; the list and its observers are then untouched. A file
    // in UTF-8 is converted.
    CargaLista Cargar(const std::string& ruta);
    // Takes the entries of `otra`, loaded elsewhere, as a load would; this
    // list's observers are told (and told again if one runs out of memory).
    void Adoptar(ListaPalabras&& otra);
    // The file's bytes: every entry but placeholders, each with CR LF.
    std::string TextoParaGuardar() const;
    // Atomic replacement; false (old file intact) on any failure.
    bool Guardar(const std::string& ruta) const;

    // Word-list order: leading Ñ keyed as "NZ", then by character code.
    static bool Menor(std::string_view a, std::string_view b);

    void AgregarObservador(ObservadorLista* observador);
    void QuitarObservador(ObservadorLista* observador);

  private:
    // Swaps the entries in and tells the observers; swaps them back (the
    // caller's vectors hold the old ones) when an observer throws.
    void Sustituir(std::vector<std::string>& palabras, RecuentoPalabras& recuento);

    std::vector<std::string> palabras_{std::string()};
    RecuentoPalabras recuento_;  // live entries, placeholders left out
    int borradas_ = 0;
    std::vector<ObservadorLista*> observadores_;
};

}  // namespace tablerix

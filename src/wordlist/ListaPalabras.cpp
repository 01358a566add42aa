#include "wordlist/ListaPalabras.h"

namespace tablerix {

// Placeholder until this routine is written.
const std::string ListaPalabras::kMarcaBorrada(30, 'W');
bool ListaPalabras::ExistePalabra(std::string_view) const { return false; }
void ListaPalabras::IncluirPalabra(std::string&) {}
void ListaPalabras::BorrarPalabra(std::string_view) {}
void ListaPalabras::CargarDesdeTexto(std::string_view) {}
bool ListaPalabras::Cargar(const std::string&) { return false; }
std::string ListaPalabras::TextoParaGuardar() const { return {}; }
bool ListaPalabras::Guardar(const std::string&) const { return false; }
bool ListaPalabras::Menor(std::string_view a, std::string_view b) { return a < b; }
void ListaPalabras::AgregarObservador(ObservadorLista*) {}
void ListaPalabras::QuitarObservador(ObservadorLista*) {}

}  // namespace tablerix

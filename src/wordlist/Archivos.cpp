#include "wordlist/Archivos.h"

namespace tablerix {

// Placeholder until this routine is written.
std::optional<std::string> LeerArchivo(const std::string&, size_t) { return std::nullopt; }
bool EscribirArchivoAtomico(const std::string&, std::string_view) { return false; }
bool ExisteArchivo(const std::string&) { return false; }
bool BorrarArchivo(const std::string&) { return false; }

}  // namespace tablerix

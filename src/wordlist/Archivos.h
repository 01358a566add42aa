#pragma once
// Whole-file reads and atomic replacement, shared by the word list and the saved game.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tablerix {

// The whole file, or nothing when it cannot be opened or read, or exceeds `limite` bytes.
std::optional<std::string> LeerArchivo(const std::string& ruta, size_t limite = SIZE_MAX);

// Writes `ruta`.tmp beside `ruta`, flushes it and renames it over `ruta`.
// On any failure the old file is left intact and false is returned.
bool EscribirArchivoAtomico(const std::string& ruta, std::string_view contenido);

bool ExisteArchivo(const std::string& ruta);
bool BorrarArchivo(const std::string& ruta);

}  // namespace tablerix

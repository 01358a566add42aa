#include "wordlist/Archivos.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace tablerix {

namespace fs = std::filesystem;

std::optional<std::string> LeerArchivo(const std::string& ruta, size_t limite) {
    std::error_code error;
    if (!fs::is_regular_file(ruta, error)) return std::nullopt;
    auto tamano = fs::file_size(ruta, error);
    if (error || tamano > limite) return std::nullopt;
    std::ifstream entrada(ruta, std::ios::binary);
    if (!entrada) return std::nullopt;
    try {
        std::string contenido(static_cast<size_t>(tamano), '\0');
        entrada.read(contenido.data(), static_cast<std::streamsize>(tamano));
        // The file may have shrunk meanwhile: keep what was really read.
        contenido.resize(static_cast<size_t>(entrada.gcount()));
        if (entrada.bad()) return std::nullopt;
        return contenido;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

bool EscribirArchivoAtomico(const std::string& ruta, std::string_view contenido) {
    std::string temporal = ruta + ".tmp";
    bool bien;
    {
        std::ofstream salida(temporal, std::ios::binary | std::ios::trunc);
        salida.write(contenido.data(), static_cast<std::streamsize>(contenido.size()));
        salida.flush();
        bien = static_cast<bool>(salida);
        salida.close();
        bien = bien && !salida.fail();
    }
    std::error_code error;
    if (bien) {
        fs::rename(temporal, ruta, error);
        bien = !error;
    }
    if (!bien) fs::remove(temporal, error);
    return bien;
}

bool ExisteArchivo(const std::string& ruta) {
    std::error_code error;
    return fs::is_regular_file(ruta, error);
}

bool BorrarArchivo(const std::string& ruta) {
    std::error_code error;
    return fs::remove(ruta, error) && !error;
}

}  // namespace tablerix

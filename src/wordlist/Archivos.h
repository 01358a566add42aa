#pragma once
// Whole-file reads and atomic replacement, shared by the word list and the saved game.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tablerix {

// The whole file, or nothing when it cannot be opened or read, or exceeds `limite` bytes.
std::optional<std::string> LeerArchivo(const std::string& ruta, size_t limite = SIZE_MAX);

// Replaces `ruta` so that a crash or a power cut leaves either the old file or
// the new one: writes a temporary file of a unique name beside it, flushes it
// to disk, renames it over `ruta` and flushes the folder. A symbolic link is
// followed and stays a link; temporary files left by an earlier crash go.
// The file keeps its permissions.
// False on any failure; the old file is then intact, unless only the last
// flush of the folder failed.
bool EscribirArchivoAtomico(const std::string& ruta, std::string_view contenido);

// fsync(2) by default; tests replace it to watch the flushes or make one fail.
extern int (*SincronizarDescriptor)(int descriptor);

bool ExisteArchivo(const std::string& ruta);
// A file that exists and can be opened for reading.
bool SePuedeLeer(const std::string& ruta);
bool BorrarArchivo(const std::string& ruta);

// Holds a folder for one program while it lives (flock(2) on a file in it).
// The system drops the lock when the process ends, so a killed program leaves
// nothing behind that blocks the next one.
class BloqueoCarpeta {
  public:
    BloqueoCarpeta() = default;
    BloqueoCarpeta(const BloqueoCarpeta&) = delete;
    BloqueoCarpeta& operator=(const BloqueoCarpeta&) = delete;
    ~BloqueoCarpeta() { Soltar(); }

    // False only when another holder has `carpeta`. A folder that cannot hold
    // the lock file (missing, read-only) is not refused: nothing is written there.
    bool Tomar(const std::string& carpeta);
    void Soltar();

  private:
    int descriptor_ = -1;
    std::string carpeta_;
};

}  // namespace tablerix

#include "wordlist/Archivos.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tablerix {

namespace fs = std::filesystem;

int (*SincronizarDescriptor)(int descriptor) = ::fsync;

namespace {

// As many links as the system itself follows before it gives up on a loop.
constexpr int kMaximoEnlaces = 40;

// The file a save must replace: renaming over a symbolic link would turn the
// link into a plain file and leave the file it points to unchanged.
std::optional<fs::path> Destino(const fs::path& ruta) {
    fs::path destino = ruta;
    std::error_code error;
    for (int i = 0; i < kMaximoEnlaces; ++i) {
        if (!fs::is_symlink(destino, error)) return destino;
        fs::path enlace = fs::read_symlink(destino, error);
        if (error) return std::nullopt;
        destino = destino.parent_path() / enlace;  // an absolute target replaces the folder
    }
    return std::nullopt;
}

fs::path Carpeta(const fs::path& archivo) {
    return archivo.has_parent_path() ? archivo.parent_path() : fs::path(".");
}

// Temporary files are named after the file; one left by a crash would stay forever.
std::string PrefijoTemporal(const fs::path& destino) {
    return destino.filename().string() + ".tmp";
}

void QuitarTemporalesViejos(const fs::path& destino) {
    const std::string prefijo = PrefijoTemporal(destino);
    std::error_code error;
    for (const fs::directory_entry& e : fs::directory_iterator(Carpeta(destino), error)) {
        if (e.path().filename().string().starts_with(prefijo)) {
            std::error_code ignorado;
            fs::remove(e.path(), ignorado);
        }
    }
}

// Creates a temporary file no other save uses; -1 when none can be made.
int CrearTemporal(const fs::path& destino, std::string& nombre) {
    static unsigned contador = 0;
    for (int intento = 0; intento < 100; ++intento) {
        nombre = (Carpeta(destino) / (PrefijoTemporal(destino) + "-" + std::to_string(::getpid()) +
                                      "-" + std::to_string(++contador)))
                     .string();
        int fd = ::open(nombre.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool EscribirTodo(int fd, std::string_view contenido) {
    while (!contenido.empty()) {
        ssize_t escritos = ::write(fd, contenido.data(), contenido.size());
        if (escritos < 0 && errno == EINTR) continue;
        if (escritos <= 0) return false;
        contenido.remove_prefix(static_cast<size_t>(escritos));
    }
    return true;
}

// The rename reaches the disk only with its folder. Some file systems cannot
// flush a folder at all (EINVAL); there is nothing more to do on them.
bool SincronizarCarpeta(const fs::path& carpeta) {
    int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    bool bien = SincronizarDescriptor(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return bien;
}

}  // namespace

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
    const std::optional<fs::path> destino = Destino(ruta);
    if (!destino) return false;
    QuitarTemporalesViejos(*destino);
    std::string temporal;
    int fd = CrearTemporal(*destino, temporal);
    if (fd < 0) return false;
    // A private file must not become readable by others through a save.
    struct stat datos;
    bool bien = ::stat(destino->c_str(), &datos) != 0 || ::fchmod(fd, datos.st_mode & 07777) == 0;
    // Flushed before the rename, so the name never points at data still in memory.
    bien = bien && EscribirTodo(fd, contenido) && SincronizarDescriptor(fd) == 0;
    bien = ::close(fd) == 0 && bien;
    bien = bien && std::rename(temporal.c_str(), destino->c_str()) == 0;
    if (!bien) {
        ::unlink(temporal.c_str());
        return false;
    }
    return SincronizarCarpeta(Carpeta(*destino));
}

bool ExisteArchivo(const std::string& ruta) {
    std::error_code error;
    return fs::is_regular_file(ruta, error);
}

bool SePuedeLeer(const std::string& ruta) {
    return ExisteArchivo(ruta) && std::ifstream(ruta).is_open();
}

bool BorrarArchivo(const std::string& ruta) {
    std::error_code error;
    return fs::remove(ruta, error) && !error;
}

bool BloqueoCarpeta::Tomar(const std::string& carpeta) {
    if (descriptor_ >= 0 && carpeta_ == carpeta) return true;
    Soltar();
    const std::string ruta = carpeta + "/Tablerix.bloqueo";
    int fd = ::open(ruta.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool ocupada = errno == EWOULDBLOCK;
        ::close(fd);
        return !ocupada;
    }
    descriptor_ = fd;
    carpeta_ = carpeta;
    return true;
}

void BloqueoCarpeta::Soltar() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    carpeta_.clear();
}

}  // namespace tablerix

#pragma once
// A folder of a test's own, named after the process so that tests run in
// parallel never share one, created empty and removed with what it holds.
#include <unistd.h>

#include <filesystem>
#include <string>

namespace tablerix::prueba {

class CarpetaTemporal {
  public:
    explicit CarpetaTemporal(const std::string& nombre)
        : ruta_(std::filesystem::temp_directory_path() /
                ("tablerix-" + nombre + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(ruta_);
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal() {
        std::error_code e;
        std::filesystem::remove_all(ruta_, e);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const std::filesystem::path& Ruta() const { return ruta_; }
    std::string Ruta(const std::string& nombre) const { return (ruta_ / nombre).string(); }

  private:
    std::filesystem::path ruta_;
};

}  // namespace tablerix::prueba

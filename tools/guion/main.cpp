// tablerix-script [--folder DIR] SCRIPT: runs a script against the game with no
// window and prints the transcript. See tools/README.md.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "Guion.h"
#include "Interprete.h"
#include "wordlist/Archivos.h"

namespace fs = std::filesystem;
using namespace tablerix::guion;

namespace {

int Uso(const std::string& motivo) {
    std::cerr << "tablerix-script: " << motivo << "\n"
              << "usage: tablerix-script [--folder DIR] SCRIPT   (SCRIPT may be - for stdin)\n";
    return kErrorGuion;
}

// A fresh folder holding a copy of the shipped word list; removed at exit.
struct CarpetaTemporal {
    fs::path Ruta;
    CarpetaTemporal() {
        std::string plantilla = (fs::temp_directory_path() / "tablerix-script-XXXXXX").string();
        if (!mkdtemp(plantilla.data()))
            throw std::runtime_error("cannot create a temporary folder");
        Ruta = plantilla;
        std::error_code ec;
        fs::copy_file(fs::path(TABLERIX_DATA_DIR) / "Tablerix.pal", Ruta / "Tablerix.pal", ec);
    }
    ~CarpetaTemporal() {
        std::error_code ec;
        fs::remove_all(Ruta, ec);
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::string carpeta, guion;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--folder") {
            if (i + 1 == argc) return Uso("--folder needs a folder");
            carpeta = argv[++i];
        } else if (guion.empty() && (a == "-" || a.rfind("--", 0) != 0))
            guion = a;
        else
            return Uso("unexpected argument '" + a + "'");
    }
    if (guion.empty()) return Uso("no script given");

    std::string texto, carpetaGuion;
    if (guion == "-") {
        std::ostringstream s;
        s << std::cin.rdbuf();
        texto = s.str();
        carpetaGuion = fs::current_path().string();
    } else {
        auto leido = tablerix::LeerArchivo(guion);
        if (!leido) return Uso("cannot read " + guion);
        texto = *leido;
        carpetaGuion = fs::absolute(guion).parent_path().string();
    }

    std::vector<Orden> ordenes;
    try {
        ordenes = LeerGuion(texto);
    } catch (const ErrorGuion& e) {
        std::cerr << "line " << e.Linea << ": " << e.what() << "\n";
        return kErrorGuion;
    }

    try {
        std::optional<CarpetaTemporal> temporal;
        if (carpeta.empty()) {
            temporal.emplace();
            carpeta = temporal->Ruta.string();
        } else {
            fs::create_directories(carpeta);
        }
        Interprete interprete(carpeta, carpetaGuion, std::cout, std::cerr);
        return interprete.Ejecutar(ordenes);
    } catch (const std::exception& e) {
        std::cerr << "tablerix-script: " << e.what() << "\n";
        return kFallo;
    }
}

#pragma once
// Where the program reads and writes its files. Nothing else decides this.
#include <QString>
#include <string>

namespace tablerix {

struct Juego;

struct Carpetas {
    std::string Carpeta;       // Juego::Carpeta: the word list and the saved game
    std::string CarpetaDatos;  // Juego::CarpetaDatos: the shipped files, empty when the same
};

// Run from a build tree (the program's folder holds the word list and can be
// written), everything lives beside the program. Otherwise the user's files
// go to `carpetaUsuario` (created) and the shipped ones are read from a
// read-only program folder that holds the list, else from `carpetaInstalada`.
// When that is `carpetaUsuario` itself, the user's files go to its subfolder
// `jugador`, and the saved game and word list found beside the shipped files
// are brought there when it is made.
Carpetas ElegirCarpetas(const QString& carpetaPrograma, const QString& carpetaUsuario,
                        const QString& carpetaInstalada);

// The same for this program: its own folder, the per-user data folder and the
// data folder of an installation.
Carpetas CarpetasDelPrograma();
// Gives the game this program's folders.
void PonerCarpetasDelPrograma(Juego& j);

}  // namespace tablerix

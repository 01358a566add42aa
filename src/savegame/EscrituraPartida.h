#pragma once
// The bytes of Tablerix.ini: Windows-1252, one item per line, every line ended by CR LF.
#include <string>

#include "savegame/DatosPartida.h"

namespace tablerix {

std::string FormatearPartida(const DatosPartida& d);

// A number as the file writes it: one blank before the digits (a minus sign in
// its place when negative) and one after.
std::string NumeroEnArchivo(int n);

}  // namespace tablerix

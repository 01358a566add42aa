#pragma once
// The command line: --help, --version and --carpetas answer before any window
// exists, so they need no display.
#include <optional>

namespace tablerix {

// The exit status when an option has been answered on standard output;
// nothing when the game should start. Anything else is left to QApplication
// (-platform, -style...).
std::optional<int> AtenderLineaDeOrdenes(int argc, char* argv[]);

}  // namespace tablerix

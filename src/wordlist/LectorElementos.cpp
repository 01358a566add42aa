#include "wordlist/LectorElementos.h"

namespace tablerix {

// Placeholder until this routine is written.
bool LectorElementos::Leer(std::string&) { return false; }

}  // namespace tablerix

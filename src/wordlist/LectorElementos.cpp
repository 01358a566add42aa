#include "wordlist/LectorElementos.h"

namespace tablerix {

bool LectorElementos::Leer(std::string& elemento) {
    elemento.clear();
    if (pos_ >= texto_.size()) return false;
    while (pos_ < texto_.size() && texto_[pos_] == ' ') ++pos_;
    size_t inicio = pos_;
    while (pos_ < texto_.size()) {
        char c = texto_[pos_];
        if (c == ',' || c == '\r' || c == '\n') break;
        ++pos_;
    }
    // Quotes are dropped; most items have none, so copy the span in one go.
    std::string_view tramo = texto_.substr(inicio, pos_ - inicio);
    if (tramo.find('"') == std::string_view::npos) {
        elemento.assign(tramo);
    } else {
        for (char c : tramo)
            if (c != '"') elemento += c;
    }
    if (pos_ < texto_.size()) {
        char fin = texto_[pos_++];
        if (fin == '\r' && pos_ < texto_.size() && texto_[pos_] == '\n') ++pos_;
    }
    return true;
}

}  // namespace tablerix

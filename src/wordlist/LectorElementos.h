#pragma once
// The item reader of the program's text files: an item ends at a line end
// (CR LF, CR or LF) or a comma; leading blanks are skipped; double quotes are
// not part of an item. Never reads past the end, whatever the bytes.
#include <string>
#include <string_view>

namespace tablerix {

class LectorElementos {
  public:
    explicit LectorElementos(std::string_view texto) : texto_(texto) {}

    // False at the end of the text (reading there is an error for the callers).
    bool Leer(std::string& elemento);
    bool AlFinal() const { return pos_ >= texto_.size(); }

  private:
    std::string_view texto_;
    size_t pos_ = 0;
};

}  // namespace tablerix

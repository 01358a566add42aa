#pragma once
// Random damage to a file's bytes for the readers' fuzz tests: one to four
// bytes changed, inserted or erased, the file cut short or a stretch repeated.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace tablerix::prueba {

class DanoAlAzar {
  public:
    // `utiles`: the bytes the reader looks at, drawn half of the time.
    DanoAlAzar(std::uint64_t semilla, std::string_view utiles) : motor_(semilla), utiles_(utiles) {}

    std::string Danar(std::string s) {
        for (int cambios = Entre(1, 4); cambios > 0; --cambios) {
            const size_t p = s.empty() ? 0 : Entre(0, static_cast<int>(s.size()) - 1);
            switch (s.empty() ? 1 : Entre(0, 4)) {
                case 0:
                    s[p] = Byte();
                    break;
                case 1:
                    s.insert(p, 1, Byte());
                    break;
                case 2:
                    s.erase(p, Entre(1, 40));
                    break;
                case 3:
                    s.resize(p);
                    break;
                // A stretch repeated elsewhere shifts whole lines.
                default:
                    s.insert(Entre(0, static_cast<int>(s.size())), s.substr(p, Entre(1, 60)));
            }
        }
        return s;
    }

  private:
    int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(motor_); }
    char Byte() {
        return Entre(0, 1) ? utiles_[Entre(0, static_cast<int>(utiles_.size()) - 1)]
                           : static_cast<char>(Entre(0, 255));
    }

    std::mt19937_64 motor_;
    std::string_view utiles_;
};

// Damages `bueno` `iteraciones` times, from `semilla`; each copy `leer`
// accepts goes to `comprobar` with what was read, the bytes and how many have
// been accepted so far. Damage to some bytes keeps a file readable, so some
// must pass; most must not.
template <class Leer, class Comprobar>
void ProbarDanos(std::uint64_t semilla, std::string_view utiles, const std::string& bueno,
                 Leer leer, Comprobar comprobar, int iteraciones = 20000) {
    DanoAlAzar dano(semilla, utiles);
    int aceptados = 0;
    for (int i = 0; i < iteraciones && !::testing::Test::HasFailure(); ++i) {
        const std::string s = dano.Danar(bueno);
        const auto leido = leer(s);
        if (!leido) continue;
        ++aceptados;
        SCOPED_TRACE("iteration " + std::to_string(i));
        comprobar(*leido, s, aceptados);
    }
    EXPECT_GT(aceptados, 0);
    EXPECT_LT(aceptados, iteraciones / 2);
}

}  // namespace tablerix::prueba

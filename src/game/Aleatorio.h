#pragma once
// The one random source: uniform in [0, 1), never reaching 1.
#include <cstdint>
#include <random>

namespace tablerix {

class Aleatorio {
  public:
    explicit Aleatorio(std::uint64_t semilla = 1) : motor_(semilla) {}
    void Sembrar(std::uint64_t semilla) { motor_.seed(semilla); }
    void SembrarDelReloj();
    // 53 random bits scaled to [0, 1): the same sequence on every platform.
    double Siguiente() { return static_cast<double>(motor_() >> 11) * 0x1.0p-53; }
    bool operator==(const Aleatorio&) const = default;

  private:
    std::mt19937_64 motor_;
};

}  // namespace tablerix

#pragma once
// The benchmarks' clocks, in milliseconds.
#include <time.h>

#include <chrono>

namespace tablerix::cronometro {

using Reloj = std::chrono::steady_clock;

inline double Ms(Reloj::time_point desde) {
    return std::chrono::duration<double, std::milli>(Reloj::now() - desde).count();
}

// This thread's processor time: on a busy machine the wall clock also counts
// the time other programs held the processor.
inline double MsProcesador() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

}  // namespace tablerix::cronometro

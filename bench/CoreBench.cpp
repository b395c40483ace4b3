// Speed of the game step, the phase layout and a full-field replace.
#include <benchmark/benchmark.h>

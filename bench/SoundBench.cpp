// Starting a sound on an output that closed while silent: what the caller's thread pays.
#include "AppAudioDevice.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

namespace {

// The output is opened on its own thread; the caller only hands over the sound. The time
// until the output is open again is reported beside it.
void BM_PlayOnClosedOutput(benchmark::State& state) {
    QFile file(QStringLiteral(ZINGAROO_SHIPPED_SOUND_FOLDER "bounce.wav"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no sound file");
        return;
    }
    const QByteArray image = file.readAll();
    AppAudioDevice device(1, std::chrono::milliseconds(20));
    if (!device.IsAvailable()) {
        state.SkipWithError("no audio output");
        return;
    }
    device.SetSound(0, image.constData(), static_cast<std::size_t>(image.size()));
    using Clock = std::chrono::steady_clock;
    std::chrono::duration<double> opening{};
    for (auto _ : state) {
        while (device.IsOutputOpen())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const Clock::time_point start = Clock::now();
        device.Play(0);
        const Clock::time_point played = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(played - start).count());
        while (!device.IsOutputOpen())
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        opening += Clock::now() - start;
    }
    state.counters["open_ms"] = 1e3 * opening.count() / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PlayOnClosedOutput)->UseManualTime()->Iterations(20)->Unit(benchmark::kMicrosecond);

} // namespace

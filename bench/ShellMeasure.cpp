// Measures the running program: start-up to the first painted title, wake-ups and CPU at rest
// (title, paused, game over), with the ball waiting for its launch and in play, the step period
// on the monotonic clock, input latency and peak memory; then the same rest and play with a pad.
#include "AppApplication.h"
#include "AppCell.h"
#include "AppProgramFolders.h"
#include "AppProgramTexts.h"
#include "TForm1.h"
#include "TForm1TestPeer.h"

// An older program, measured side by side, has no pads.
#if __has_include("AppVirtualPad.h")
#include "AppGamepad.h"
#include "AppVirtualPad.h"
#define ZINGAROO_MEASURE_PAD 1
#endif

#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// How often each of this process's threads has gone to sleep until something woke it: its
// voluntary context switches. A thread taken off a busy processor and put back is not woken,
// so the figure does not grow with the machine's load.
std::map<std::string, long long> WakeUpCounts() {
    std::map<std::string, long long> counts;
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs)) {
        if (task.startsWith(QLatin1Char('.')))
            continue;
        std::ifstream status("/proc/self/task/" + task.toStdString() + "/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                counts[task.toStdString()] = std::stoll(line.substr(line.find(':') + 1));
    }
    return counts;
}

// Runs the event loop for a while; reports wake-ups per second of all threads and the
// share of one core used.
struct Rest {
    double wakeUps = 0;
    double cpu = 0;
    std::string byThread;
};

// Runs the event loop itself for ms milliseconds: nothing but the program wakes it.
void RunEventLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

Rest RunFor(int seconds) {
    const std::map<std::string, long long> before = WakeUpCounts();
    const double cpuBefore = CpuSeconds();
    const Clock::time_point start = Clock::now();
    RunEventLoop(seconds * 1000);
    const double wall = MsSince(start, Clock::now()) / 1e3;
    const double cpu = CpuSeconds() - cpuBefore;
    // The timer that ends the run wakes this thread once: that wake-up is the measurement's.
    long long runs = -1;
    std::string byThread;
    for (const auto& [task, count] : WakeUpCounts()) {
        const auto was = before.find(task);
        const long long taskRuns = count - (was == before.end() ? 0 : was->second);
        runs += taskRuns;
        std::ifstream comm("/proc/self/task/" + task + "/comm");
        std::string name;
        std::getline(comm, name);
        char figure[64];
        std::snprintf(figure, sizeof figure, " %.1f", taskRuns / wall);
        // Appended piece by piece: GCC 12 sees a false overlap in " " + string.
        byThread.append(byThread.empty() ? " " : ", ").append(name).append(figure);
    }
    return {runs / wall, 100 * cpu / wall, byThread};
}

// Milliseconds since this process was started, read from the kernel's record of its
// start (in clock ticks, usually 10 ms each).
double MsSinceProcessStart() {
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // Field 22, counted after the command name, which is in parentheses.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    const double startTicks = std::stod(field);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1e3 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1e3 / sysconf(_SC_CLK_TCK);
}

// Notes the first paint of a widget.
class FirstPaint : public QObject {
public:
    std::optional<double> sinceProcessStart;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !sinceProcessStart)
            sinceProcessStart = MsSinceProcessStart();
        return false;
    }
};

// Notes when each key event posted by KeyPoster reaches the window, before the window's own
// handler runs.
class KeyArrivals : public QObject {
public:
    std::vector<Clock::time_point> at;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto index = static_cast<QKeyEvent*>(event)->nativeVirtualKey();
            if (index < at.size())
                at[index] = Clock::now();
        }
        return false;
    }
};

// Keeps the ball running across the field: with its row empty it never meets anything
// (obstacles from wrapping land off its row), and a fresh paddle far away keeps the phase
// from clearing. No bounce, so no sound.
void KeepBallRunning(TForm1& form) {
    AppGame& game = TForm1TestPeer::Game(form);
    AppField& field = game.Field();
    for (int x = 0; x < field.Width(); ++x)
        for (int y = 0; y < field.Height(); ++y)
            if (field.GetCell(x, y, layerGround) == cellObstacle ||
                field.GetCell(x, y, layerGround) == cellSweeper)
                field.SetCell(x, y, layerGround, cellEmpty);
    for (int x = 0; x < field.Width(); ++x)
        field.SetCell(x, game.ball.y, layerGround, cellEmpty);
    field.SetCell(0, (game.ball.y + 5) % field.Height(), layerGround, cellPaddleBack);
    game.ball.dx = 1;
    game.ball.dy = 0;
}

// Puts an obstacle in the ball's way: the next step ends the game.
void EndGameAtNextStep(TForm1& form) {
    AppGame& game = TForm1TestPeer::Game(form);
    AppField& field = game.Field();
    const int x = (game.ball.x + game.ball.dx + field.Width()) % field.Width();
    const int y = (game.ball.y + game.ball.dy + field.Height()) % field.Height();
    field.SetCell(x, y, layerGround, cellObstacle);
}

// Wake-ups after three seconds at rest, when the measured program can get there.
void PrintRest(const char* where, int seconds) {
    RunEventLoop(3000);
    std::printf("wake-ups per second %s after 3 s, all threads: %.1f\n", where,
                RunFor(seconds).wakeUps);
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    AppApplication app(argc, argv);
    // 0 seconds: the start-up figure alone.
    const int seconds = argc > 1 ? std::max(0, atoi(argv[1])) : 10;

    // The window as the program makes it. The dialogs are made when a command first opens
    // one, which never happens here.
    ProgramTexts();
    ProgramFolders();
    auto form = std::make_unique<TForm1>();
    FirstPaint firstPaint;
    form->ClientArea()->installEventFilter(&firstPaint);
    form->show();
    const Clock::time_point shown = Clock::now();
    while (!firstPaint.sinceProcessStart && MsSince(shown, Clock::now()) < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::printf("start-up to the first painted title (ms, %ld ms resolution): %.0f\n",
                1000 / sysconf(_SC_CLK_TCK), firstPaint.sinceProcessStart.value_or(-1));
    if (seconds == 0)
        return 0;

    // The sound output has had three seconds to fall silent.
    RunEventLoop(3000);
    const Rest title = RunFor(seconds);
    std::printf("wake-ups per second on the title, all threads: %.1f\n", title.wakeUps);
    std::printf("  by thread:%s\n", title.byThread.c_str());
    std::printf("CPU on the title (%% of one core): %.2f\n", title.cpu);

    // A ball waiting for its launch is stepped every period: each step may make it twinkle.
    QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
    RunEventLoop(3000);
    const Rest standing = RunFor(seconds);
    std::printf("wake-ups per second with the ball waiting for its launch, all threads: %.1f\n",
                standing.wakeUps);
    QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
    KeepBallRunning(*form);
    // The start sound ends and its output closes.
    RunEventLoop(3000);
    std::vector<Clock::time_point> periodEnds;
    QObject::connect(&TForm1TestPeer::StepLoop(*form), &AppStepLoop::PeriodEnded,
                     [&] { periodEnds.push_back(Clock::now()); });
    const Rest play = RunFor(seconds);
    std::printf("wake-ups per second in play, no sound playing, all threads: %.1f\n", play.wakeUps);
    std::printf("  by thread:%s\n", play.byThread.c_str());
    std::printf("CPU in play at Speed %d (%% of one core): %.2f\n",
                TForm1TestPeer::Game(*form).PlayOptions().Speed, play.cpu);

    const double speed = TForm1TestPeer::Game(*form).PlayOptions().Speed;
    std::vector<double> errors;
    for (std::size_t i = 1; i < periodEnds.size(); ++i)
        errors.push_back(MsSince(periodEnds[i - 1], periodEnds[i]) - speed);
    double sum = 0;
    for (double error : errors)
        sum += error;
    std::printf("periods measured: %zu\n", errors.size());
    std::printf("period mean error (ms): %+.3f\n", errors.empty() ? 0 : sum / errors.size());
    std::printf("period max error (ms): %+.3f\n",
                errors.empty() ? 0 : *std::max_element(errors.begin(), errors.end()));
    std::printf("shortest period's error (ms): %+.3f\n",
                errors.empty() ? 0 : *std::min_element(errors.begin(), errors.end()));

    // Keys that do nothing in the game arrive from another thread at uneven moments, as
    // input arrives from the window system while the loop waits.
    constexpr unsigned keys = 100;
    KeyArrivals arrivals;
    arrivals.at.resize(keys);
    form->ClientArea()->installEventFilter(&arrivals);
    std::vector<Clock::time_point> posted(keys);
    std::thread poster([&] {
        for (unsigned i = 0; i < keys; ++i) {
            std::this_thread::sleep_for(std::chrono::microseconds(7000 + (i * 7919) % 23000));
            posted[i] = Clock::now();
            QCoreApplication::postEvent(
                form->ClientArea(),
                new QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, 0, i, 0));
        }
    });
    RunEventLoop(keys * 30 + 500);
    poster.join();
    std::vector<double> latencies;
    for (unsigned i = 0; i < keys; ++i)
        if (arrivals.at[i] != Clock::time_point())
            latencies.push_back(MsSince(posted[i], arrivals.at[i]));
    std::printf("input latency, event posted to handler, median (ms): %.3f\n", Median(latencies));

    // A program without a pause has no such item.
    if (auto* pause = form->findChild<QAction*>(QStringLiteral("Game_Pause_MItem"))) {
        pause->trigger();
        PrintRest("while paused", seconds);
        pause->trigger();
    }
    EndGameAtNextStep(*form);
    PrintRest("after game over", seconds);

#ifdef ZINGAROO_MEASURE_PAD
    // A pad made inside the program has no device node to wait on, so it is read once a
    // second: the most a real pad at rest may cost, where one that sends nothing costs none.
    {
        AppVirtualPad pad(TForm1TestPeer::Gamepad(*form));
        TForm1TestPeer::Gamepad(*form).Poll();
        PrintRest("after game over with a pad", seconds);
        form->findChild<QAction*>(QStringLiteral("Game_New_MItem"))->trigger();
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        KeepBallRunning(*form);
        RunEventLoop(3000);
        std::printf("wake-ups per second in play with a pad, all threads: %.1f\n",
                    RunFor(seconds).wakeUps);
        if (auto* pause = form->findChild<QAction*>(QStringLiteral("Game_Pause_MItem"))) {
            pause->trigger();
            PrintRest("while paused with a pad", seconds);
        }
    }
#endif

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory, max RSS (MiB): %.1f\n", usage.ru_maxrss / 1024.0);
    form.reset();
    return 0;
}

// A copy that plays on in a play session until it is killed, for the crash test.
//   zingaroo_session_crash_child <folder>
// Goes on with the game saved in <folder>, or deals game 77, and plays it without input on a
// clock moved by its steps. Once 25 s of play have passed in this sitting it prints its process,
// the game's number and the time in play at its start and now, then waits to be killed.
#include "AppNullFrontEnd.h"
#include "AppPlaySession.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

class Quiet : public AppSessionObserver, public AppStepTimer {
public:
    void GameEnded(const AppFinishedGame&) override {}
    void PauseChanged(bool) override {}
    void RunSteps(bool run) override { running = run; }
    bool running = false;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    Quiet quiet;
    std::chrono::milliseconds now{5000};
    AppPlaySession session(quiet, [&now] { return now; });
    AppNullFrontEnd none(session.Game());
    session.SetFrontEnd(none, none, quiet);
    session.SetSavedGamePlace(
        argv[1], [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); });
    session.Start();
    if (!session.ResumeSaved())
        session.New(77, AppPlayOptions());
    // The first click goes on with a resumed game, the next launches a standing ball.
    for (int click = 0; click < 2 && (session.Paused() || session.Game().ball.IsStanding());
         ++click)
        session.Click(AppMouseButton::Left);
    const std::int64_t from = session.PlayMs();
    while (quiet.running && session.PlayMs() < from + 25'000) {
        now += std::chrono::milliseconds(session.Period());
        session.Step();
    }
    if (!quiet.running)
        return 1;
    std::printf("%d %u %lld %lld\n", int(::getpid()), session.Number(), (long long)from,
                (long long)session.PlayMs());
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::minutes(1));
    return 3;
}

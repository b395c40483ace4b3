// Game pads: their d-pads, left sticks and buttons as cursor moves, key positions and commands.
#pragma once

#include "AppKeyPosition.h"
#include "AppSdlLibrary.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <map>
#include <memory>

class QSocketNotifier;

// SDL's game controller subsystem reads the pads, but only when asked: nothing of it runs on
// its own. So the window asks only when there is something to read. With no pad, SDL is not
// even loaded: the input device folder is watched (inotify), and SDL starts once a node of a
// pad is in it. A pad's own event node, opened here a second time, tells when it has news
// (each opening of a node has its own queue, so reading it takes nothing from SDL's). A timer
// runs only while a direction is held (the repeat), for a short while after a device comes or
// goes (the system settles the new node's rights), and once a second for a pad without a node
// (one made inside the program), which in play is read with each step instead. At rest with
// a pad or without, nothing wakes the window.
class AppGamepad : public QObject {
    Q_OBJECT
    // Looks at SDL, the pads open and the repeat, for tests.
    friend class AppGamepadTestPeer;

public:
    // The pace a held direction repeats at: a first move at once, the second after the
    // delay, then one every interval, about nine cells a second.
    static constexpr int repeatDelayMs = 300;
    static constexpr int repeatIntervalMs = 110;
    // A stick counts as pushed beyond half its travel, and as let go once back inside 3/8 of
    // it, so a stick held near the edge does not flicker between the two.
    static constexpr int stickPushed = 16384;
    static constexpr int stickLetGo = 12288;

    explicit AppGamepad(QObject* parent = nullptr);
    ~AppGamepad() override;

    // Watches the folder of input device nodes; SDL starts when a pad's node is there or
    // comes. Without the folder, only pads made inside the program are seen.
    void Watch(const QString& folder = QStringLiteral("/dev/input"));
    // Loads SDL and starts its game controller subsystem now, pad or not; false when it
    // cannot (no library, or one too old).
    bool StartSdl();
    // Reads what the pads did since the last call and sends it on.
    void Poll();
    // A step of the game woke the window anyway: a pad without a node is read with it, and
    // its own timer starts again from here, so that in play the timer never wakes the window
    // and at rest it reads the pad once a second as before.
    void StepTaken();

signals:
    // One cell; dx and dy are -1, 0 or 1, and y grows downwards.
    void Moved(int dx, int dy);
    // North (Y) slash, East (B) slash or shove right, West (X) back or shove left, South (A)
    // back: the two slash buttons are the upper right pair, the two back ones the lower left.
    void KeyPressed(AppKeyPosition position);
    // South, sent right after its KeyPressed: the game launches only on the title or with the
    // ball standing, where the key does nothing, so one press never does both.
    void LaunchPressed();
    // Start (Menu).
    void PausePressed();
    // A pad went away.
    void Unplugged();

private:
    bool SdlStarted() const { return controllers_ != nullptr; }
    int PadCount() const { return static_cast<int>(pads_.size()); }
    bool Repeating() const { return repeat_.isActive(); }

    struct Pad {
        SDL_GameController* controller = nullptr;
        // This program's own opening of the pad's event node, or -1 for a pad without one.
        int node = -1;
        QSocketNotifier* nodeReady = nullptr;
        // The d-pad's arrows held, and the stick's direction on each axis (-1, 0, 1).
        bool up = false, down = false, left = false, right = false;
        int stickX = 0, stickY = 0;
    };

    void Handle(const SDL_Event& event);
    void Open(int deviceIndex);
    void Close(SDL_JoystickID id);
    void Button(SDL_JoystickID id, int button, bool pressed);
    void Axis(SDL_JoystickID id, int axis, int value);
    void WatchNode(Pad& pad, const char* path);
    void NodeReady(int node);
    void StopWatchingNode(Pad& pad);
    // The direction all pads together hold, and the repeat that follows it.
    void UpdateDirection();
    void FolderChanged();
    void UpdatePollTimer();

    const AppSdlLibrary* sdl_ = nullptr;
    const AppSdlLibrary::Controllers* controllers_ = nullptr;
    std::map<SDL_JoystickID, Pad> pads_;
    QString folder_;
    int watch_ = -1;
    std::unique_ptr<QSocketNotifier> folderChanged_;
    int heldDx_ = 0;
    int heldDy_ = 0;
    QTimer repeat_;
    QTimer settle_;
    int settlePolls_ = 0;
    QTimer poll_;
};

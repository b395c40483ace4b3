// Game pads: their d-pads, left sticks and buttons as cursor moves, key positions and commands.
#include "AppGamepad.h"

#include "AppLog.h"

#include <QDir>
#include <QSocketNotifier>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace {

// A settling device is asked about every quarter second for two seconds.
constexpr int settleIntervalMs = 250;
constexpr int settlePolls = 8;
constexpr int padWithoutNodeIntervalMs = 1000;

// True when the node reports the buttons of a joystick or a game pad. Nodes this user may not
// read (keyboards, mice) are no pads anyway.
bool IsPadNode(const QString& path) {
    const int node = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (node < 0)
        return false;
    std::array<unsigned char, KEY_MAX / 8 + 1> keys{};
    const bool read = ioctl(node, EVIOCGBIT(EV_KEY, keys.size()), keys.data()) >= 0;
    ::close(node);
    if (!read)
        return false;
    for (int key = BTN_JOYSTICK; key <= BTN_THUMBR; ++key)
        if (keys[key / 8] & (1 << (key % 8)))
            return true;
    return false;
}

bool HasPadNode(const QString& folder) {
    const QStringList nodes =
        QDir(folder).entryList({QStringLiteral("event*")}, QDir::System | QDir::Files);
    return std::any_of(nodes.begin(), nodes.end(),
                       [&](const QString& node) { return IsPadNode(folder + u'/' + node); });
}

int StickStep(int was, int value) {
    if (value >= AppGamepad::stickPushed)
        return 1;
    if (value <= -AppGamepad::stickPushed)
        return -1;
    return was * value > AppGamepad::stickLetGo ? was : 0;
}

} // namespace

AppGamepad::AppGamepad(QObject* parent) : QObject(parent) {
    connect(&repeat_, &QTimer::timeout, this, [this] {
        repeat_.setInterval(repeatIntervalMs);
        emit Moved(heldDx_, heldDy_);
    });
    connect(&settle_, &QTimer::timeout, this, [this] {
        if (--settlePolls_ <= 0)
            settle_.stop();
        Poll();
    });
    connect(&poll_, &QTimer::timeout, this, &AppGamepad::Poll);
}

AppGamepad::~AppGamepad() {
    folderChanged_.reset();
    if (watch_ >= 0)
        ::close(watch_);
    if (controllers_ == nullptr)
        return;
    for (auto& [id, pad] : pads_) {
        StopWatchingNode(pad);
        controllers_->GameControllerClose(pad.controller);
    }
    sdl_->Stop(SDL_INIT_GAMECONTROLLER);
}

void AppGamepad::Watch(const QString& folder) {
    if (watch_ >= 0)
        return;
    folder_ = folder;
    watch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch_ < 0)
        return;
    // A node comes and goes, and the system gives this user the right to read a pad's node
    // after making it (an attribute change).
    if (inotify_add_watch(watch_, QFile::encodeName(folder).constData(),
                          IN_CREATE | IN_DELETE | IN_ATTRIB | IN_MOVED_TO | IN_MOVED_FROM) < 0) {
        ::close(watch_);
        watch_ = -1;
        return;
    }
    folderChanged_ = std::make_unique<QSocketNotifier>(watch_, QSocketNotifier::Read);
    connect(folderChanged_.get(), &QSocketNotifier::activated, this, &AppGamepad::FolderChanged);
    if (HasPadNode(folder_))
        StartSdl();
}

void AppGamepad::FolderChanged() {
    std::array<char, 4096> events;
    while (::read(watch_, events.data(), events.size()) > 0) {
    }
    if (controllers_ == nullptr && !(HasPadNode(folder_) && StartSdl()))
        return;
    Poll();
    settlePolls_ = settlePolls;
    settle_.start(settleIntervalMs);
}

bool AppGamepad::StartSdl() {
    if (controllers_ != nullptr)
        return true;
    const AppSdlLibrary* sdl = AppSdlLibrary::Load();
    if (sdl == nullptr || !sdl->controllers) {
        qCWarning(inputLog, "game pads cannot be used: %s lacks them (%s)", AppSdlLibrary::fileName,
                  AppSdlLibrary::Problem().c_str());
        return false;
    }
    if (!sdl->Start(SDL_INIT_GAMECONTROLLER)) {
        qCWarning(inputLog, "game pads cannot be used: %s", sdl->GetError());
        return false;
    }
    sdl_ = sdl;
    controllers_ = &*sdl->controllers;
    // The pads there at the start come as additions too; those already open are skipped.
    for (int index = 0; index < controllers_->NumJoysticks(); ++index)
        Open(index);
    Poll();
    return true;
}

void AppGamepad::Poll() {
    if (controllers_ == nullptr)
        return;
    controllers_->PumpEvents();
    std::array<SDL_Event, 64> events;
    int count = 0;
    while ((count = controllers_->PeepEvents(events.data(), events.size(), SDL_GETEVENT,
                                             SDL_FIRSTEVENT, SDL_LASTEVENT)) > 0)
        for (int i = 0; i < count; ++i)
            Handle(events[i]);
}

void AppGamepad::Handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        Open(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        Close(event.cdevice.which);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        Button(event.cbutton.which, event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
        break;
    case SDL_CONTROLLERAXISMOTION:
        Axis(event.caxis.which, event.caxis.axis, event.caxis.value);
        break;
    default:
        // The joystick events the controller ones are made of, and whatever else SDL queues.
        break;
    }
}

void AppGamepad::Open(int deviceIndex) {
    const SDL_JoystickID id = controllers_->JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || pads_.count(id) != 0 || !controllers_->IsGameController(deviceIndex))
        return;
    SDL_GameController* controller = controllers_->GameControllerOpen(deviceIndex);
    if (controller == nullptr)
        return;
    Pad& pad = pads_[id];
    pad.controller = controller;
    if (const char* path = controllers_->JoystickPathForIndex(deviceIndex))
        WatchNode(pad, path);
    UpdatePollTimer();
}

void AppGamepad::Close(SDL_JoystickID id) {
    const auto found = pads_.find(id);
    if (found == pads_.end())
        return;
    StopWatchingNode(found->second);
    controllers_->GameControllerClose(found->second.controller);
    pads_.erase(found);
    // What it held is let go.
    UpdateDirection();
    UpdatePollTimer();
    emit Unplugged();
}

void AppGamepad::Button(SDL_JoystickID id, int button, bool pressed) {
    const auto found = pads_.find(id);
    if (found == pads_.end())
        return;
    Pad& pad = found->second;
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        pad.up = pressed;
        return UpdateDirection();
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        pad.down = pressed;
        return UpdateDirection();
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        pad.left = pressed;
        return UpdateDirection();
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        pad.right = pressed;
        return UpdateDirection();
    default:
        break;
    }
    if (!pressed)
        return;
    switch (button) {
    case SDL_CONTROLLER_BUTTON_Y:
        emit KeyPressed(AppKeyPosition::slash);
        break;
    case SDL_CONTROLLER_BUTTON_B:
        emit KeyPressed(AppKeyPosition::slashOrShoveRight);
        break;
    case SDL_CONTROLLER_BUTTON_X:
        emit KeyPressed(AppKeyPosition::backOrShoveLeft);
        break;
    case SDL_CONTROLLER_BUTTON_A:
        emit KeyPressed(AppKeyPosition::back);
        emit LaunchPressed();
        break;
    case SDL_CONTROLLER_BUTTON_START:
        emit PausePressed();
        break;
    default:
        // Guide, Back, shoulders, stick presses and the rest mean nothing here.
        break;
    }
}

void AppGamepad::Axis(SDL_JoystickID id, int axis, int value) {
    const auto found = pads_.find(id);
    if (found == pads_.end())
        return;
    Pad& pad = found->second;
    if (axis == SDL_CONTROLLER_AXIS_LEFTX)
        pad.stickX = StickStep(pad.stickX, value);
    else if (axis == SDL_CONTROLLER_AXIS_LEFTY)
        pad.stickY = StickStep(pad.stickY, value);
    else
        return;
    UpdateDirection();
}

void AppGamepad::UpdateDirection() {
    int dx = 0;
    int dy = 0;
    for (const auto& [id, pad] : pads_) {
        dx += int(pad.right) - int(pad.left) + pad.stickX;
        dy += int(pad.down) - int(pad.up) + pad.stickY;
    }
    dx = std::clamp(dx, -1, 1);
    dy = std::clamp(dy, -1, 1);
    // A direction newly pressed moves at once and starts the repeat over; letting go of one
    // of two only changes where the repeat goes.
    const bool added = (dx != 0 && dx != heldDx_) || (dy != 0 && dy != heldDy_);
    heldDx_ = dx;
    heldDy_ = dy;
    if (dx == 0 && dy == 0) {
        repeat_.stop();
    } else if (added) {
        repeat_.start(repeatDelayMs);
        emit Moved(dx, dy);
    }
}

void AppGamepad::WatchNode(Pad& pad, const char* path) {
    const int node = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (node < 0)
        return;
    pad.node = node;
    pad.nodeReady = new QSocketNotifier(node, QSocketNotifier::Read, this);
    connect(pad.nodeReady, &QSocketNotifier::activated, this, [this, node] { NodeReady(node); });
}

void AppGamepad::NodeReady(int node) {
    // Only a sign that SDL has something to read: what is here is dropped.
    std::array<input_event, 64> events;
    ssize_t got = 0;
    while ((got = ::read(node, events.data(), sizeof events)) > 0) {
    }
    if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
        // The device is gone: its node would now be ready for ever.
        for (auto& [id, pad] : pads_)
            if (pad.node == node)
                StopWatchingNode(pad);
        UpdatePollTimer();
    }
    Poll();
}

void AppGamepad::StopWatchingNode(Pad& pad) {
    if (pad.nodeReady != nullptr) {
        pad.nodeReady->setEnabled(false);
        // Possibly called from its own signal.
        pad.nodeReady->deleteLater();
        pad.nodeReady = nullptr;
    }
    if (pad.node >= 0)
        ::close(pad.node);
    pad.node = -1;
}

void AppGamepad::StepTaken() {
    if (!poll_.isActive())
        return;
    poll_.start(padWithoutNodeIntervalMs);
    Poll();
}

void AppGamepad::UpdatePollTimer() {
    const bool withoutNode = std::any_of(pads_.begin(), pads_.end(),
                                         [](const auto& pad) { return pad.second.node < 0; });
    if (!withoutNode)
        poll_.stop();
    else if (!poll_.isActive())
        poll_.start(padWithoutNodeIntervalMs);
}

// Plays a short script on a pad made inside a test, the gamepad reading it after each step.
#pragma once

#include "AppGamepad.h"
#include "AppVirtualPad.h"

#include <QString>
#include <QStringList>

#include <map>

// "a+" presses A and "a-" lets it go, "a*1000" presses and lets go a thousand times, "lx=-200"
// tilts an axis, "unplug" and "plug" take the pad away and bring it back. "b99" and "a9" are
// a button and an axis the pad does not have.
inline void PlayPad(AppVirtualPad& pad, AppGamepad& gamepad, const QString& script) {
    static const std::map<QString, int> buttons = {
        {"a", SDL_CONTROLLER_BUTTON_A},
        {"b", SDL_CONTROLLER_BUTTON_B},
        {"x", SDL_CONTROLLER_BUTTON_X},
        {"y", SDL_CONTROLLER_BUTTON_Y},
        {"start", SDL_CONTROLLER_BUTTON_START},
        {"guide", SDL_CONTROLLER_BUTTON_GUIDE},
        {"back", SDL_CONTROLLER_BUTTON_BACK},
        {"lb", SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
        {"ls", SDL_CONTROLLER_BUTTON_LEFTSTICK},
        {"paddle", SDL_CONTROLLER_BUTTON_PADDLE1},
        {"up", SDL_CONTROLLER_BUTTON_DPAD_UP},
        {"down", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
        {"left", SDL_CONTROLLER_BUTTON_DPAD_LEFT},
        {"right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
        {"b99", 99},
    };
    static const std::map<QString, int> axes = {
        {"lx", SDL_CONTROLLER_AXIS_LEFTX},        {"rx", SDL_CONTROLLER_AXIS_RIGHTX},
        {"ry", SDL_CONTROLLER_AXIS_RIGHTY},       {"lt", SDL_CONTROLLER_AXIS_TRIGGERLEFT},
        {"rt", SDL_CONTROLLER_AXIS_TRIGGERRIGHT}, {"a9", 9}};
    for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
        if (step == QStringLiteral("unplug")) {
            pad.Unplug();
        } else if (step == QStringLiteral("plug")) {
            pad.Plug();
        } else if (step.contains(u'=')) {
            pad.Tilt(axes.at(step.section(u'=', 0, 0)), step.section(u'=', 1).toInt());
        } else if (step.contains(u'*')) {
            const int button = buttons.at(step.section(u'*', 0, 0));
            for (int i = step.section(u'*', 1).toInt(); i > 0; --i) {
                pad.Press(button, true);
                gamepad.Poll();
                pad.Press(button, false);
                gamepad.Poll();
            }
        } else {
            pad.Press(buttons.at(step.chopped(1)), step.endsWith(u'+'));
        }
        gamepad.Poll();
    }
}

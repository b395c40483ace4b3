// Keeps a shown window above the others, or not, by asking the X11 window manager.
#pragma once

class QWindow;

class AppWindowStacking {
public:
    // Asks the window manager to add or remove the window's "above" state,
    // even when Qt believes it is already so: something else may have raised
    // or lowered the window. Does nothing off X11 (Wayland has no such state)
    // or for a window not shown, whose state the manager reads when it maps it.
    static void SetAbove(QWindow* window, bool above);
};

// The program's own icon, compiled into the executable as a resource.
#pragma once

#include <QIcon>

// The icon in every size it was drawn in (16, 32, 48, 64, 128 and 256 pixels).
QIcon AppIcon();

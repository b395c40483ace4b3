// The program's own icon, compiled into the executable as a resource.
#include "AppIcon.h"

#include <array>

QIcon AppIcon() {
    static constexpr std::array sizes{ZINGAROO_ICON_SIZES};
    QIcon icon;
    for (int size : sizes)
        icon.addFile(QStringLiteral(":/icons/zingaroo-%1.png").arg(size), QSize(size, size));
    return icon;
}

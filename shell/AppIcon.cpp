// The program's own icon, compiled into the executable as a resource.
#include "AppIcon.h"

#include <QCoreApplication>

#include <array>

QIcon AppIcon() {
    static constexpr std::array sizes{ZINGAROO_ICON_SIZES};
    // Made once: the icon keeps each of its images decoded, and every copy shares them. It is
    // let go with the application object, before the graphics system it was made for.
    static QIcon icon;
    if (icon.isNull()) {
        for (int size : sizes)
            icon.addFile(QStringLiteral(":/icons/zingaroo-%1.png").arg(size), QSize(size, size));
        qAddPostRoutine([] { icon = QIcon(); });
    }
    return icon;
}

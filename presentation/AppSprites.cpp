// The seven 18 x 18 tiles of the field, cut from the sprite sheet built into the program.
#include "AppSprites.h"

AppSprites::AppSprites(const QString& sheetPath) {
    const QImage sheet(sheetPath);
    const int rows = (count + perRow - 1) / perRow;
    loaded_ = !sheet.isNull() && sheet.width() >= perRow * size && sheet.height() >= rows * size;
    // Premultiplied is the painter's native format; with an alpha of only 0
    // or 255 it holds the very same pixel values as plain ARGB.
    const QImage source =
        loaded_ ? sheet.convertToFormat(QImage::Format_ARGB32_Premultiplied) : QImage();
    for (int index = 0; index < count; ++index) {
        if (loaded_) {
            images_[index] =
                source.copy((index % perRow) * size, (index / perRow) * size, size, size);
        } else {
            images_[index] = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
            images_[index].fill(Qt::transparent);
        }
    }
}

QString AppSprites::defaultSheetPath() {
    return QStringLiteral(":/sprites/sprites.png");
}

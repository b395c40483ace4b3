// The seven 18 x 18 tiles of the field, cut from the sprite sheet built into the program.
#pragma once

#include <QImage>
#include <QString>

#include <array>

class AppSprites {
public:
    static constexpr int count = 7;
    static constexpr int size = 18; // width and height of every tile
    static constexpr int perRow = 4;

    // Cuts the tiles from the sheet at sheetPath. A missing, unreadable or
    // too small sheet leaves every tile fully transparent, so the field
    // still paints (as plain squares) instead of failing.
    explicit AppSprites(const QString& sheetPath = defaultSheetPath());

    static QString defaultSheetPath();

    // Tile of the given index, 0 to count - 1; ARGB with alpha 0 or 255.
    const QImage& Image(int index) const { return images_[index]; }
    // True when the tiles came from a readable sheet.
    bool IsLoaded() const { return loaded_; }

private:
    std::array<QImage, count> images_;
    bool loaded_ = false;
};

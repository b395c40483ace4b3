// One look of the field's picture: its colours and the seven tiles recoloured for it.
#pragma once

#include "AppLookKind.h"
#include "AppSprites.h"

#include <QImage>
#include <QRgb>

#include <array>

class AppLook {
public:
    struct Colors {
        QRgb even;            // field squares whose column plus row is even
        QRgb odd;             // the other squares
        QRgb titleBackground; // the title and the pause screen
        QRgb text;            // the title, the pause screen and the game-over letters
        QRgb outline;         // the one-pixel border around each game-over letter
    };

    static constexpr Colors classicColors = {qRgb(64, 0, 255), qRgb(128, 128, 255),
                                             qRgb(64, 0, 255), qRgb(255, 255, 255),
                                             qRgb(0, 0, 128)};

    // The look of that kind with the built-in tiles, built on first use and kept; a kind
    // outside the enumeration gives Classic.
    static const AppLook& Of(AppLookKind kind);
    // The kind a look option of the display options stands for; Automatic is Dark on a
    // desktop whose window colour is dark, else Classic.
    static AppLookKind KindFor(int lookOption, QRgb desktopWindow);

    // Recolours the tiles of sheet for the kind; Classic keeps them exactly as they are.
    AppLook(AppLookKind kind, const AppSprites& sheet);

    AppLookKind Kind() const { return kind_; }
    const Colors& Color() const { return colors_; }
    // Tile of the given index, 0 to AppSprites::count - 1; ARGB with alpha 0 or 255.
    const QImage& Sprite(int index) const { return sprites_[index]; }

private:
    AppLookKind kind_;
    Colors colors_;
    std::array<QImage, AppSprites::count> sprites_;
};

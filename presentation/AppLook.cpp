// One look of the field's picture: its colours and the seven tiles recoloured for it.
#include "AppLook.h"

#include "AppDisplayOptions.h"

#include <span>

namespace {

// The sheet's own colours that a look replaces.
constexpr QRgb navy = qRgb(0, 0, 128);
constexpr QRgb darkNavy = qRgb(0, 0, 64);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb lightBlue = qRgb(0, 128, 255);
constexpr QRgb grey = qRgb(128, 128, 128);
constexpr QRgb pink = qRgb(255, 128, 192);
constexpr QRgb skin = qRgb(255, 214, 193);

constexpr int everySprite = -1;

// One colour of the sheet painted in another, in one tile or in all of them.
struct Recolor {
    int sprite;
    QRgb from;
    QRgb to;
};

// Dark: the outline and its shadow lightened, so every item stands out on the dark squares.
constexpr Recolor darkRecolors[] = {
    {everySprite, navy, qRgb(190, 200, 255)},
    {everySprite, darkNavy, qRgb(128, 136, 200)},
};

// High contrast: a white outline, thickened outwards by the halo below, around fills in
// strong colours; the fresh paddles amber and the used one blue, so they differ in colour
// as well as in shape.
constexpr QRgb highContrastHalo = white;
constexpr Recolor highContrastRecolors[] = {
    {everySprite, navy, white},
    {everySprite, darkNavy, white},
    {everySprite, skin, qRgb(255, 176, 128)},
    {1, white, qRgb(255, 170, 0)},
    {2, white, qRgb(255, 170, 0)},
    {3, white, qRgb(0, 100, 255)},
    {3, lightBlue, white},
    {4, white, qRgb(0, 200, 90)},
    {4, grey, qRgb(0, 110, 50)},
    {5, white, qRgb(0, 210, 255)},
    {5, pink, qRgb(255, 0, 170)},
};

struct Design {
    AppLook::Colors colors;
    std::span<const Recolor> recolors;
    bool halo;
};

Design DesignOf(AppLookKind kind) {
    switch (kind) {
    case AppLookKind::Dark:
        return {{qRgb(20, 22, 40), qRgb(44, 48, 80), qRgb(20, 22, 40), white, qRgb(0, 0, 0)},
                darkRecolors,
                false};
    case AppLookKind::HighContrast:
        return {{qRgb(0, 0, 0), qRgb(40, 40, 40), qRgb(0, 0, 0), white, qRgb(0, 0, 0)},
                highContrastRecolors,
                true};
    case AppLookKind::Classic:
        break;
    }
    return {AppLook::classicColors, {}, false};
}

QRgb Recolored(QRgb color, int sprite, std::span<const Recolor> recolors) {
    for (const Recolor& recolor : recolors)
        if ((recolor.sprite == everySprite || recolor.sprite == sprite) &&
            (recolor.from & 0xFFFFFF) == (color & 0xFFFFFF))
            return recolor.to;
    return color;
}

bool Opaque(const QImage& image, int x, int y) {
    return image.valid(x, y) && qAlpha(image.pixel(x, y)) != 0;
}

// Paints every clear pixel that touches the item, sideways or at a corner, in the halo's
// colour: a ring one pixel wide around the item's outline. The items leave a free pixel at
// each edge of their tile, so the ring is never cut.
QImage WithHalo(const QImage& tile, QRgb color) {
    QImage result = tile.copy();
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) {
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy)
                for (int dx = -1; dx <= 1 && !touches; ++dx)
                    touches = Opaque(tile, x + dx, y + dy);
            if (!Opaque(tile, x, y) && touches)
                result.setPixel(x, y, color);
        }
    return result;
}

} // namespace

const AppLook& AppLook::Of(AppLookKind kind) {
    static const AppSprites sheet;
    // Each look is built the first time it is asked for, so a start in the classic look
    // spends nothing on the others.
    switch (kind) {
    case AppLookKind::Dark: {
        static const AppLook dark(kind, sheet);
        return dark;
    }
    case AppLookKind::HighContrast: {
        static const AppLook highContrast(kind, sheet);
        return highContrast;
    }
    case AppLookKind::Classic:
        break;
    }
    static const AppLook classic(AppLookKind::Classic, sheet);
    return classic;
}

AppLook::AppLook(AppLookKind kind, const AppSprites& sheet) : kind_(kind) {
    const Design design = DesignOf(kind);
    colors_ = design.colors;
    for (int index = 0; index < AppSprites::count; ++index) {
        QImage tile = sheet.Image(index).copy();
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x)
                if (Opaque(tile, x, y))
                    tile.setPixel(x, y, Recolored(tile.pixel(x, y), index, design.recolors));
        sprites_[index] = design.halo ? WithHalo(tile, highContrastHalo) : tile;
    }
}

AppLookKind AppLook::KindFor(int lookOption, QRgb desktopWindow) {
    switch (lookOption) {
    case AppDisplayOptions::lookDark:
        return AppLookKind::Dark;
    case AppDisplayOptions::lookHighContrast:
        return AppLookKind::HighContrast;
    case AppDisplayOptions::lookAutomatic:
        return qGray(desktopWindow) < 128 ? AppLookKind::Dark : AppLookKind::Classic;
    default:
        return AppLookKind::Classic;
    }
}

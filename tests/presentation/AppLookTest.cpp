// Measures each look's legibility from the built-in tiles and its colours, and checks that
// the fresh and the used paddles stay apart for colour-blind eyes.
#include "AppLook.h"

#include <QtTest>

#include <array>
#include <cmath>

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Vector LinearRgb(QRgb color) {
    return {Linear(qRed(color)), Linear(qGreen(color)), Linear(qBlue(color))};
}

// WCAG 2 contrast ratio, 1 to 21.
double Contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb color) {
        const Vector c = LinearRgb(color);
        return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Machado, Oliveira and Fernandes 2009, severity 1, on linear RGB.
const Matrix protanopia = {{{0.152286, 1.052583, -0.204868},
                            {0.114503, 0.786281, 0.099216},
                            {-0.003882, -0.048116, 1.051998}}};
const Matrix deuteranopia = {{{0.367322, 0.860646, -0.227968},
                              {0.280085, 0.672501, 0.047413},
                              {-0.011820, 0.042940, 0.968881}}};
const Matrix tritanopia = {{{1.255528, -0.076749, -0.178779},
                            {-0.078411, 0.930809, 0.147602},
                            {0.004733, 0.691367, 0.303900}}};

// CIE L*a*b* (D65) of the colour as the simulated eye sees it.
Vector SeenLab(QRgb color, const Matrix& eye) {
    const Vector c = LinearRgb(color);
    Vector rgb{};
    for (int i = 0; i < 3; ++i)
        rgb[i] = std::clamp(eye[i][0] * c[0] + eye[i][1] * c[1] + eye[i][2] * c[2], 0.0, 1.0);
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    const double x = f((0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047);
    const double y = f(0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2]);
    const double z = f((0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883);
    return {116 * y - 16, 500 * (x - y), 200 * (y - z)};
}

bool Opaque(const QImage& tile, int x, int y) {
    return tile.valid(x, y) && qAlpha(tile.pixel(x, y)) == 255;
}

// The item's outline is every opaque pixel beside a clear one or the tile's edge.
double LeastOutlineContrast(const QImage& tile, QRgb square) {
    double least = 21;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            if (Opaque(tile, x, y) && !(Opaque(tile, x - 1, y) && Opaque(tile, x + 1, y) &&
                                        Opaque(tile, x, y - 1) && Opaque(tile, x, y + 1)))
                least = std::min(least, Contrast(tile.pixel(x, y), square));
    return least;
}

// Pixels of the two tiles, each laid on the square, that the eye sees clearly apart (ΔE ≥ 10).
int PixelsSeenApart(const QImage& a, const QImage& b, QRgb square, const Matrix& eye) {
    int apart = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const Vector seenA = SeenLab(Opaque(a, x, y) ? a.pixel(x, y) : square, eye);
            const Vector seenB = SeenLab(Opaque(b, x, y) ? b.pixel(x, y) : square, eye);
            apart +=
                std::hypot(seenA[0] - seenB[0], seenA[1] - seenB[1], seenA[2] - seenB[2]) >= 10;
        }
    return apart;
}

} // namespace

class AppLookTest : public QObject {
    Q_OBJECT

private slots:
    void itemsAndTextsStandOutAndPaddlesStayApart_data() {
        QTest::addColumn<AppLookKind>("kind");
        QTest::addColumn<double>("outlineAtLeast"); // 0: not held to a ratio
        QTest::addColumn<double>("textAtLeast");
        QTest::addRow("Classic") << AppLookKind::Classic << 0.0 << 0.0;
        QTest::addRow("Dark") << AppLookKind::Dark << 3.0 << 4.5;
        QTest::addRow("High Contrast") << AppLookKind::HighContrast << 7.0 << 4.5;
    }

    void itemsAndTextsStandOutAndPaddlesStayApart() {
        QFETCH(AppLookKind, kind);
        QFETCH(double, outlineAtLeast);
        QFETCH(double, textAtLeast);
        const AppLook& look = AppLook::Of(kind);
        QCOMPARE(look.Kind(), kind);
        const AppLook::Colors& colors = look.Color();

        double onEven = 21, onOdd = 21;
        for (int index = 0; index < AppSprites::count; ++index) {
            onEven = std::min(onEven, LeastOutlineContrast(look.Sprite(index), colors.even));
            onOdd = std::min(onOdd, LeastOutlineContrast(look.Sprite(index), colors.odd));
        }
        // The pause screen is in the title's colours; the game-over letters meet their
        // outline and, at its corners, the squares.
        const double title = Contrast(colors.text, colors.titleBackground);
        const double gameOver =
            std::min({Contrast(colors.text, colors.outline), Contrast(colors.text, colors.even),
                      Contrast(colors.text, colors.odd)});
        qInfo("%s: outline %.2f on even, %.2f on odd; title and pause %.2f; game over %.2f",
              QTest::currentDataTag(), onEven, onOdd, title, gameOver);
        QVERIFY(std::min(onEven, onOdd) >= outlineAtLeast);
        QVERIFY(std::min(title, gameOver) >= textAtLeast);

        // On either square and through each simulated eye, a fresh paddle and a used one
        // differ in many clearly different pixels of the 324: shapes and colours stay apart.
        int leastApart = AppSprites::size * AppSprites::size;
        for (const Matrix* eye : {&protanopia, &deuteranopia, &tritanopia})
            for (const QRgb square : {colors.even, colors.odd})
                for (const int fresh : {1, 2})
                    leastApart =
                        std::min(leastApart,
                                 PixelsSeenApart(look.Sprite(fresh), look.Sprite(3), square, *eye));
        qInfo("%s: fresh and used paddles %d pixels apart", QTest::currentDataTag(), leastApart);
        QVERIFY(leastApart >= 60);
    }
};

QTEST_MAIN(AppLookTest)
#include "AppLookTest.moc"

// Checks every pixel of the built-in tiles against the pixel rows they were drawn from.
#include "AppSprites.h"

#include <QTemporaryDir>
#include <QtTest>

#include <map>

namespace {

QRgb LegendColor(char c) {
    switch (c) {
    case 'N':
        return qRgb(0, 0, 128);
    case 'D':
        return qRgb(0, 0, 64);
    case 'W':
        return qRgb(255, 255, 255);
    case 'Y':
        return qRgb(255, 224, 0);
    case 'L':
        return qRgb(255, 255, 128);
    case 'R':
        return qRgb(255, 0, 0);
    case 'S':
        return qRgb(255, 214, 193);
    case 'G':
        return qRgb(0, 128, 0);
    case 'O':
        return qRgb(255, 128, 0);
    case 'B':
        return qRgb(0, 128, 255);
    case 'K':
        return qRgb(0, 0, 0);
    case 'E':
        return qRgb(128, 128, 128);
    case 'P':
        return qRgb(255, 128, 192);
    default:
        return 0;
    }
}

// The tiles as drawn, kept apart from the generator script on purpose.
using Rows = std::map<int, const char*>;
const Rows expectedRows[AppSprites::count] = {
    {{5, "...NN.NNNNN.NN...."},
     {6, "..NYYNYYYYYNYYN..."},
     {7, "..NYRLLLLLLLRYND.."},
     {8, "...NNYYYYYYYNNDD.."},
     {9, "...NSYGSSSGYSND..."},
     {10, "...NSSGSSSGSSND..."},
     {11, "....NOSSSSSONDD..."},
     {12, ".....NNNNNNNDD...."},
     {13, "......DDDDDDD....."}},
    {{1, "....NN............"},
     {2, "...NWWN..........."},
     {3, "..NNWWND.........."},
     {4, ".NWWWWND.........."},
     {5, ".NWWWWWN.........."},
     {6, "..NNNWWWN........."},
     {7, "...DDNWWWN........"},
     {8, "......NWWWN......."},
     {9, ".......NWWWNNN...."},
     {10, "........NWWWWWN..."},
     {11, ".........NWWWWND.."},
     {12, ".........NWWNNDD.."},
     {13, ".........NWWNDD..."},
     {14, "..........NNDD...."},
     {15, "...........DD....."}},
    {{1, "...........NN....."},
     {2, "..........NWWN...."},
     {3, "..........NWWNN..."},
     {4, "..........NWWWWN.."},
     {5, ".........NWWWWWND."},
     {6, "........NWWWNNNDD."},
     {7, ".......NWWWNDDDD.."},
     {8, "......NWWWNDD....."},
     {9, "...NNNWWWNDD......"},
     {10, "..NWWWWWNDD......."},
     {11, "..NWWWWNDD........"},
     {12, "...NNWWND........."},
     {13, "....NWWND........."},
     {14, ".....NNDD........."},
     {15, "......DD.........."}},
    {{4, ".....NNNNNN......."},
     {5, "....NWWWWWWN......"},
     {6, "...NWWWWWWWWN....."},
     {7, "...NWBBWWBBWND...."},
     {8, "...NWBBWWBBWND...."},
     {9, "...NWWWWWWWWND...."},
     {10, "....NWWWWWWNDD...."},
     {11, ".....NWWWWNDD....."},
     {12, "......NNNNDD......"},
     {13, ".......DDDD......."}},
    {{2, "....NNN..........."},
     {3, "...NRRRN.........."},
     {4, "..NWWWNDD........."},
     {5, ".NWWKWND.NNNN....."},
     {6, "..NWWWNDNWWWWN...."},
     {7, ".NRNWWWNWWWWWWN..."},
     {8, "..NNWWWWWWWNWWND.."},
     {9, "...NWWWWEEWNNNDD.."},
     {10, "....NWEEEWNDDDD..."},
     {11, ".....NWWWNDD......"},
     {12, "......NYNDD......."},
     {13, ".....NYYND........"},
     {14, "......NNDD........"},
     {15, ".......DD........."}},
    {{2, ".......N.........."},
     {3, "......NWN........."},
     {4, ".....NPWWN........"},
     {5, ".....NWWPPN......."},
     {6, "....NWWPWWND......"},
     {7, "....NPPWWPND......"},
     {8, "....NYYYYYND......"},
     {9, "....NYYYYYND......"},
     {10, ".....NYYYNDD......"},
     {11, ".....NYYYND......."},
     {12, "......NNNDD......."},
     {13, ".......DDD........"}},
    {{5, "...NN.NNNNN.NN...."},
     {6, "..NYYNYYYYYNYYN..."},
     {7, "..NYRLLLLLLLRYND.."},
     {8, "...NNYYYYYYYNNDD.."},
     {9, "...NSYSSSSSYSND..."},
     {10, "...NSGGSSSGGSND..."},
     {11, "....NOSSSSSONDD..."},
     {12, ".....NNNNNNNDD...."},
     {13, "......DDDDDDD....."}},
};

} // namespace

class AppSpritesTest : public QObject {
    Q_OBJECT

private slots:
    void builtInSheetLoads() {
        const AppSprites sprites;
        QVERIFY(sprites.IsLoaded());
    }

    void everyTilePixelMatchesItsRow_data() {
        QTest::addColumn<int>("index");
        for (int index = 0; index < AppSprites::count; ++index)
            QTest::addRow("image %d", index) << index;
    }

    void everyTilePixelMatchesItsRow() {
        QFETCH(int, index);
        const AppSprites sprites;
        const QImage& image = sprites.Image(index);
        QCOMPARE(image.size(), QSize(18, 18));
        QVERIFY(image.hasAlphaChannel());
        for (int row = 0; row < 18; ++row) {
            const auto listed = expectedRows[index].find(row);
            for (int column = 0; column < 18; ++column) {
                const char c = listed == expectedRows[index].end() ? '.' : listed->second[column];
                const QRgb actual = image.pixel(column, row);
                const QString where =
                    QStringLiteral("row %1 column %2 ('%3')").arg(row).arg(column).arg(QChar(c));
                if (c == '.') {
                    QVERIFY2(qAlpha(actual) == 0, qPrintable(where));
                } else {
                    QVERIFY2(qAlpha(actual) == 255, qPrintable(where));
                    QVERIFY2((actual & 0xFFFFFF) == (LegendColor(c) & 0xFFFFFF), qPrintable(where));
                }
            }
        }
    }

    void unusableSheetGivesTransparentTiles_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addRow("missing") << QByteArray();
        QTest::addRow("not an image") << QByteArray("this is no picture at all");
        QTest::addRow("cut-off png") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    }

    void unusableSheetGivesTransparentTiles() {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("sheet.png");
        if (!contents.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        const AppSprites sprites(path);
        QVERIFY(!sprites.IsLoaded());
        for (int index = 0; index < AppSprites::count; ++index) {
            const QImage& image = sprites.Image(index);
            QCOMPARE(image.size(), QSize(18, 18));
            for (int y = 0; y < 18; ++y)
                for (int x = 0; x < 18; ++x)
                    QCOMPARE(qAlpha(image.pixel(x, y)), 0);
        }
    }

    void sheetTooSmallForSevenTilesIsRejected_data() {
        QTest::addColumn<QSize>("size");
        QTest::addRow("one row short") << QSize(72, 35);
        QTest::addRow("one column short") << QSize(71, 54);
    }

    void sheetTooSmallForSevenTilesIsRejected() {
        QFETCH(QSize, size);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("small.png");
        QImage small(size, QImage::Format_ARGB32);
        small.fill(Qt::white);
        QVERIFY(small.save(path));
        const AppSprites sprites(path);
        QVERIFY(!sprites.IsLoaded());
        QCOMPARE(qAlpha(sprites.Image(6).pixel(9, 9)), 0);
    }
};

QTEST_MAIN(AppSpritesTest)
#include "AppSpritesTest.moc"

// Checks that the program's icon is compiled in and holds its own picture.
#include "AppIcon.h"

#include <QImage>
#include <QTest>

class AppIconTest : public QObject {
    Q_OBJECT

private slots:
    void resourceLoadsAtEachSize_data();
    void resourceLoadsAtEachSize();
    void iconOffersTheWindowSizes();
};

void AppIconTest::resourceLoadsAtEachSize_data() {
    QTest::addColumn<int>("size");
    for (int size : {ZINGAROO_ICON_SIZES})
        QTest::addRow("%d", size) << size;
}

void AppIconTest::resourceLoadsAtEachSize() {
    QFETCH(int, size);
    const QImage image(QStringLiteral(":/icons/zingaroo-%1.png").arg(size));
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(size, size));
    // Rounded tile: the corner is clear, the tile inside is the field's deep blue-violet.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(image.pixel(size / 2, size * 2 / 16), qRgba(64, 0, 255, 255));
}

void AppIconTest::iconOffersTheWindowSizes() {
    const QIcon icon = AppIcon();
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    QCOMPARE(icon.pixmap(QSize(32, 32)).toImage().pixel(16, 4), qRgba(64, 0, 255, 255));
}

QTEST_MAIN(AppIconTest)
#include "AppIconTest.moc"

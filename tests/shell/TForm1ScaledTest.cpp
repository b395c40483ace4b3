// On a scaled screen the field is enlarged pixel for pixel: never blurred.
#include "AppCell.h"
#include "AppProgramFolders.h"
#include "AppRenderer.h"
#include "TForm1.h"
#include "TForm1TestPeer.h"

#include <QFile>
#include <QSet>
#include <QTest>

class TForm1ScaledTest : public QObject {
    Q_OBJECT

private slots:
    void theFieldIsDrawnWithoutBlur() {
        QFile::remove(ProgramFolders().exeFolder + QStringLiteral("settings.ini"));
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const qreal ratio = form.devicePixelRatioF();
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());

        // A field full of sprites: every edge between two colours is a place
        // where smoothing would invent a colour of its own.
        QTest::mouseClick(form.ClientArea(), Qt::LeftButton);
        AppField& field = TForm1TestPeer::Game(form).Field();
        for (int x = 0; x < field.Width(); ++x)
            for (int y = 0; y < field.Height(); ++y)
                field.SetCell(x, y, layerGround, cellPaddleBack + (x + y) % 5);
        TForm1TestPeer::Renderer(form).PaintCells(false);
        TForm1TestPeer::Renderer(form).FormPaint();

        const QImage& picture = TForm1TestPeer::Renderer(form).BackBuffer();
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                colours.insert(picture.pixel(x, y) | 0xFF000000u);

        const QImage shown = form.ClientArea()->grab().toImage();
        QCOMPARE(shown.size(), (QSizeF(picture.size()) * ratio).toSize());
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (!colours.contains(shown.pixel(x, y) | 0xFF000000u))
                    QFAIL(qPrintable(QStringLiteral("a blended colour at %1, %2").arg(x).arg(y)));
    }
};

QTEST_MAIN(TForm1ScaledTest)
#include "TForm1ScaledTest.moc"

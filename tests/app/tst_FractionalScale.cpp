// SPDX-License-Identifier: GPL-3.0-or-later
// A desktop scaled by a fraction (125 %, 150 %, 175 %: QT_SCALE_FACTOR or
// QT_SCREEN_SCALE_FACTORS), on whatever screen the test runs on: every window
// fits, its stored layout scaled uniformly and centred; captions and frames
// are drawn at the device's own pixels, frames as thick as the layout says;
// pictures are decoded for the device pixels their boxes cover. ctest runs it
// at each factor on 1366x768 and 1920x1080 screens, under X and Wayland.

#include "support/TestBench.h"
#include "support/TestMain.h"
#include "support/Windows.h"

#include "common/frame/FinestraEsercizio.h"
#include "common/library/BibliotecaFigure.h"
#include "common/platform/system/FullScreen.h"
#include "common/platform/widgets/ColouredArea.h"
#include "common/platform/widgets/FrameShape.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/UniformScaler.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScreen>
#include <QtTest>

#include <cmath>

namespace {

// The factor the environment asks for: one for every screen, or the first
// screen's.
qreal askedFactor() {
    bool ok = false;
    const qreal all = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (ok)
        return all;
    const QString screens = qEnvironmentVariable("QT_SCREEN_SCALE_FACTORS");
    const QString first = screens.section(QLatin1Char(';'), 0, 0).section(QLatin1Char('='), -1);
    const qreal one = first.toDouble(&ok);
    return ok ? one : 1.0;
}

// Red pixels from the edge inwards, in device pixels, along a line of the
// image through its middle.
int redRun(const QImage& image, QPoint from, QPoint step) {
    int run = 0;
    for (QPoint p = from; image.valid(p); p += step, ++run)
        if ((image.pixel(p) & 0xFFFFFF) != 0xFF0000)
            break;
    return run;
}

} // namespace

class TstFractionalScale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const qreal factor = askedFactor();
        QVERIFY(QGuiApplication::primaryScreen());
        // Qt applied the factor as it is, not rounded to a whole number.
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), factor);
        qInfo("%s, screen %dx%d device pixels, factor %.2f",
              qPrintable(QGuiApplication::platformName()),
              qRound(QGuiApplication::primaryScreen()->geometry().width() * factor),
              qRound(QGuiApplication::primaryScreen()->geometry().height() * factor), factor);
    }
    void cleanup() { TestBench::closeAll(); }

    void everyWindowFitsScaledAndCentred_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("fullScreen");
        for (int id = int(FinestraId::FormAvvio); id <= int(FinestraId::FormEs15); ++id)
            for (bool full : {false, true})
                QTest::addRow("%d%s", id, full ? " full screen" : "") << id << full;
    }
    void everyWindowFitsScaledAndCentred() {
        QFETCH(int, id);
        QFETCH(bool, fullScreen);
        TestBench bench;
        // As the program asks: a window manager, if any, gives full screen.
        bench.programma.setGestoreFinestre(&FullScreen::windowManagerAnswers);
        bench.programma.setStatoIniziale(fullScreen ? Qt::WindowFullScreen : Qt::WindowNoState);
        bench.programma.mostra(FinestraId(id));
        TestBench::flush();
        QWidget* w = bench.current();
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QScreen* screen = w->screen();
        const qreal dpr = screen->devicePixelRatio();
        const QSize wanted = w->sizeHint().expandedTo(w->minimumSize());
        const QSize free = screen->availableGeometry().size();
        const bool tooLarge =
            wanted.width() + 8 > free.width() || wanted.height() + 34 > free.height();
        if (fullScreen) {
            QTRY_COMPARE(w->size(), screen->geometry().size());
        } else if (Windows::onWayland() && tooLarge) {
            // The compositor alone knows what its panels leave free.
            QTRY_VERIFY(w->isMaximized());
        } else {
            // Inside the free area; a Wayland compositor places the window itself.
            const QRect available = screen->availableGeometry();
            const QSize frame = w->frameGeometry().size();
            QVERIFY2(frame.width() <= available.width() && frame.height() <= available.height(),
                     qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                    .arg(frame.width())
                                    .arg(frame.height())
                                    .arg(available.width())
                                    .arg(available.height())));
            if (!Windows::onWayland())
                QVERIFY(available.contains(w->frameGeometry()));
        }
        TestBench::flush();

        // The stored layout at one factor, the largest that fits, centred.
        ColouredArea* surface = Windows::surfaceOf(w);
        QVERIFY(surface);
        const UniformScaler& scaler = surface->scaler();
        const QSize stored = scaler.storedSize();
        QTRY_COMPARE(scaler.scale(), UniformScaler::scaleFor(stored, surface->size()));
        const qreal s = scaler.scale();
        QVERIFY(std::abs(scaler.offset().x() - (surface->width() - stored.width() * s) / 2) <= 1);
        QVERIFY(std::abs(scaler.offset().y() - (surface->height() - stored.height() * s) / 2) <= 1);

        // Captions are painted at the device's pixels, never as a picture
        // made at one size and stretched.
        int captions = 0;
        for (QWidget* control : w->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(control);
            auto* button = qobject_cast<QAbstractButton*>(control);
            const bool caption = (label && !label->text().trimmed().isEmpty()) ||
                                 (button && !button->text().trimmed().isEmpty());
            if (!caption || !control->isVisible() || control->size().isEmpty())
                continue;
            ++captions;
            const QPixmap drawn = control->grab();
            QCOMPARE(drawn.devicePixelRatio(), dpr);
            QVERIFY(std::abs(drawn.width() - control->width() * dpr) <= 1);
        }
        QVERIFY(captions > 0);
    }

    // The library decodes the pictures at the side the boxes have in device
    // pixels: sharp at 150 %, not decoded at the logical side and stretched.
    void picturesForTheDevicePixels_data() {
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("window") << false;
        QTest::newRow("full screen") << true;
    }
    void picturesForTheDevicePixels() {
        QFETCH(bool, fullScreen);
        TestBench bench;
        bench.programma.setGestoreFinestre(&FullScreen::windowManagerAnswers);
        bench.programma.setStatoIniziale(fullScreen ? Qt::WindowFullScreen : Qt::WindowNoState);
        auto* w = bench.open<FinestraEsercizio>(FinestraId::FormEs2);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        if (fullScreen)
            QTRY_COMPARE(w->size(), w->screen()->geometry().size());
        TestBench::flush();
        ImageBox* box = w->area()->findChild<ImageBox*>();
        QVERIFY(box);
        const qreal dpr = w->devicePixelRatioF();
        QTRY_VERIFY2(std::abs(bench.figure.latoPixel() - box->width() * dpr) <= 2,
                     qPrintable(QStringLiteral("decoded for %1, the box covers %2 device pixels")
                                    .arg(bench.figure.latoPixel())
                                    .arg(box->width() * dpr)));
    }

    // A frame of 9 stored pixels is 9 x scale x factor device pixels thick on
    // every side, whatever the fractions.
    void framesKeepTheirProportions_data() {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("stored size") << 1.0;
        QTest::newRow("enlarged") << 1.37;
        QTest::newRow("reduced") << 0.83;
    }
    void framesKeepTheirProportions() {
        QFETCH(qreal, scale);
        QWidget host;
        host.setStyleSheet(QStringLiteral("background: white"));
        host.resize(400, 400);
        auto* frame = new FrameShape(QRect(20, 20, 210, 199), 9, Qt::red, &host);
        frame->setScale(scale);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        const QImage image = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal expected = 9 * scale * frame->devicePixelRatioF();
        const int midX = image.width() / 2;
        const int midY = image.height() / 2;
        const QList<int> sides = {
            redRun(image, {0, midY}, {1, 0}), redRun(image, {image.width() - 1, midY}, {-1, 0}),
            redRun(image, {midX, 0}, {0, 1}), redRun(image, {midX, image.height() - 1}, {0, -1})};
        for (int side : sides)
            QVERIFY2(std::abs(side - expected) <= 1,
                     qPrintable(QStringLiteral("sides %1, %2, %3, %4 device pixels, not %5")
                                    .arg(sides[0])
                                    .arg(sides[1])
                                    .arg(sides[2])
                                    .arg(sides[3])
                                    .arg(expected)));
    }
};

VORTELIA_TEST_MAIN(TstFractionalScale)
#include "tst_FractionalScale.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Every window at any size: the stored layout scaled uniformly, centred, the
// margins in the window's colour, clicks reaching the scaled controls; the
// state that travels from window to window; windows that fit the screen;
// taps on a touch screen.

#include "support/EventWatcher.h"
#include "support/Pupil.h"
#include "support/TestBench.h"
#include "support/TestMain.h"
#include "support/Windows.h"

#include "app/FormAvvio.h"
#include "app/FormMenu.h"
#include "common/StatoCondiviso.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/library/BibliotecaFigure.h"
#include "common/platform/widgets/ColouredArea.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_find/TrovaRotazione.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPointingDevice>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <cmath>
#include <functional>

namespace {

const QList<QSize> sizes = {{1920, 1080}, {1280, 1024}, {3840, 2160}};

QList<QWidget*> controlsOf(ColouredArea* surface) {
    QList<QWidget*> controls;
    for (QWidget* w : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow())
            controls << w;
    return controls;
}

// The pixels of a strip of the surface that no control covers.
bool allOfColour(ColouredArea* surface, const QRect& strip) {
    if (strip.isEmpty())
        return true;
    const QImage image = surface->grab(strip).toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (surface->colour() & 0xFFFFFF))
                return false;
    return true;
}

// A left click at a point of the surface, delivered to the window as the
// platform would deliver it, so that the window finds the control under it.
void clickAt(ColouredArea* surface, QPoint point) {
    QWidget* window = surface->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      surface->mapTo(window, point));
}

QPoint centreOf(const QWidget* control) {
    return control->geometry().center();
}

int sideOf(const ImageBox* box) {
    return box->picture() ? box->picture()->image().width() : 0;
}

} // namespace

class tst_ScaledWindows : public QObject {
    Q_OBJECT

    // Rows: each window from `first` to FormEs15, at each of the sizes.
    static void windowsAtEverySize(FinestraId first) {
        QTest::addColumn<int>("window");
        QTest::addColumn<QSize>("size");
        for (int id = int(first); id <= int(FinestraId::FormEs15); ++id)
            for (QSize size : sizes)
                QTest::addRow("%d at %dx%d", id, size.width(), size.height()) << id << size;
    }

private slots:
    void cleanup() { TestBench::closeAll(); }

    void everyWindowFillsItsSize_data() { windowsAtEverySize(FinestraId::FormAvvio); }

    // Rectangles are the stored ones times the scale, centred, within a pixel;
    // the margins are the window's colour.
    void everyWindowFillsItsSize() {
        QFETCH(int, window);
        QFETCH(QSize, size);
        TestBench bench;
        bench.programma.mostra(FinestraId(window));
        TestBench::flush();
        ColouredArea* surface = Windows::surfaceOf(bench.current());
        QVERIFY(surface);
        const QSize stored = surface->scaler().storedSize();
        QCOMPARE(surface->size(), stored);

        QHash<QWidget*, QRect> storedRects;
        for (QWidget* control : controlsOf(surface))
            storedRects.insert(control, control->geometry());
        QVERIFY(storedRects.size() >= 2);

        QVERIFY(Windows::resizeTo(bench.current(), size));
        const QSize area = surface->size();
        const qreal s =
            std::min(qreal(area.width()) / stored.width(), qreal(area.height()) / stored.height());
        QVERIFY(s > 1.5);
        QCOMPARE(surface->scaler().scale(), s);
        const QPointF offset((area.width() - stored.width() * s) / 2,
                             (area.height() - stored.height() * s) / 2);
        for (auto it = storedRects.cbegin(); it != storedRects.cend(); ++it) {
            const QRectF expected(QPointF(it.value().topLeft()) * s + offset,
                                  QSizeF(it.value().size()) * s);
            const QRect got = it.key()->geometry();
            const auto near = [](qreal a, qreal b) { return std::abs(a - b) <= 1.0; };
            QVERIFY2(near(got.left(), expected.left()) && near(got.top(), expected.top()) &&
                         near(got.left() + got.width(), expected.right()) &&
                         near(got.top() + got.height(), expected.bottom()),
                     qPrintable(
                         QStringLiteral("area %10x%11 s %12 %1: %2,%3 %4x%5 for stored %6,%7 %8x%9")
                             .arg(it.key()->metaObject()->className())
                             .arg(got.x())
                             .arg(got.y())
                             .arg(got.width())
                             .arg(got.height())
                             .arg(it.value().x())
                             .arg(it.value().y())
                             .arg(it.value().width())
                             .arg(it.value().height())
                             .arg(area.width())
                             .arg(area.height())
                             .arg(s)));
        }

        const int left = int(std::floor(offset.x())) - 1;
        const int top = int(std::floor(offset.y())) - 1;
        QVERIFY(left > 0 || top > 0);
        QVERIFY(allOfColour(surface, QRect(0, 0, left, area.height())));
        QVERIFY(allOfColour(surface, QRect(area.width() - left, 0, left, area.height())));
        QVERIFY(allOfColour(surface, QRect(0, 0, area.width(), top)));
        QVERIFY(allOfColour(surface, QRect(0, area.height() - top, area.width(), top)));
    }

    // Every caption's font is its stored size times the present scale (or a
    // little less, where the caption would not fit its box), however often
    // the window is resized, and back at the stored size it is the stored one.
    void captionFontsFollowTheScaleBothWays_data() {
        QTest::addColumn<int>("window");
        for (int id = int(FinestraId::FormAvvio); id <= int(FinestraId::FormEs15); ++id)
            QTest::addRow("%d", id) << id;
    }
    void captionFontsFollowTheScaleBothWays() {
        QFETCH(int, window);
        TestBench bench;
        bench.programma.mostra(FinestraId(window));
        TestBench::flush();
        QWidget* shown = bench.current();
        ColouredArea* surface = Windows::surfaceOf(shown);
        QVERIFY(surface);
        const QSize storedWindow = shown->size();
        const QSize stored = surface->scaler().storedSize();

        QHash<QWidget*, QFont> storedFonts;
        for (QWidget* control : controlsOf(surface)) {
            const auto* label = qobject_cast<QLabel*>(control);
            const auto* button = qobject_cast<QAbstractButton*>(control);
            if ((label && !label->text().isEmpty()) || (button && !button->text().isEmpty()))
                storedFonts.insert(control, control->font());
        }
        QVERIFY(!storedFonts.isEmpty());

        const QList<QSize> steps = {{1920, 1080}, {1280, 1024}, {3840, 2160},
                                    {1920, 1080}, {1024, 768},  storedWindow};
        for (QSize size : steps) {
            QVERIFY(Windows::resizeTo(shown, size));
            const qreal scale = std::min(qreal(surface->width()) / stored.width(),
                                         qreal(surface->height()) / stored.height());
            for (auto it = storedFonts.cbegin(); it != storedFonts.cend(); ++it) {
                const qreal points = it.key()->font().pointSizeF();
                const qreal full = it.value().pointSizeF() * scale;
                // A caption that would lose a line is made up to four steps smaller.
                bool allowed = false;
                for (qreal factor : {1.0, 0.96, 0.92, 0.88, 0.84})
                    allowed = allowed || std::abs(points - full * factor) < 0.01;
                QVERIFY2(allowed, qPrintable(QStringLiteral("%1x%2: \"%3\" at %4 pt, stored %5 pt "
                                                            "times %6")
                                                 .arg(size.width())
                                                 .arg(size.height())
                                                 .arg(it.key()->property("text").toString())
                                                 .arg(points)
                                                 .arg(it.value().pointSizeF())
                                                 .arg(scale)));
                QCOMPARE(it.key()->font().family(), it.value().family());
                QCOMPARE(it.key()->font().bold(), it.value().bold());
            }
        }
        for (auto it = storedFonts.cbegin(); it != storedFonts.cend(); ++it)
            QCOMPARE(it.key()->font(), it.value());
    }

    void clicksReachTheScaledControls_data() { windowsAtEverySize(FinestraId::FormEs1); }

    // A click at the centre of each scaled candidate reaches that candidate:
    // the wrong ones first, each counted, then a right one.
    void clicksReachTheScaledControls() {
        QFETCH(int, window);
        QFETCH(QSize, size);
        TestBench bench;
        auto* w = bench.open<FinestraEsercizio>(FinestraId(window));
        QVERIFY(w);
        QVERIFY(Windows::resizeTo(w, size));
        const auto right = Pupil::rightAnswers(w);
        QCOMPARE(right.size(), 1);
        QList<QWidget*> order;
        for (QWidget* c : w->controlliRisposta())
            if (c != right.first())
                order << c;
        order << right.first();
        int wrong = 0;
        for (QWidget* candidate : order) {
            auto* box = qobject_cast<ImageBox*>(candidate);
            QVERIFY(box);
            QSignalSpy clicked(box, &ImageBox::clicked);
            clickAt(w->area(), centreOf(box));
            QCOMPARE(clicked.count(), 1);
            if (candidate != right.first())
                QCOMPARE(bench.stato().NumeroErrati, ++wrong);
        }
        QCOMPARE(bench.stato().NumeroErrati, wrong);
    }

    void startAndMenuButtonsAtScale() {
        TestBench bench;
        auto* avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        QVERIFY(Windows::resizeTo(avvio, {1920, 1080}));
        clickAt(avvio, centreOf(avvio->BottoneAvvio));
        TestBench::flush();
        auto* menu = qobject_cast<FormMenu*>(bench.current());
        QVERIFY(menu);
        QVERIFY(Windows::resizeTo(menu, {3840, 2160}));
        clickAt(menu, centreOf(menu->BottoneEsci));
        QCOMPARE(bench.messaggi.asked.size(), 1);
        QCOMPARE(bench.messaggi.asked[0].text, QStringLiteral("Vuoi uscire dal programma?"));
        clickAt(menu, centreOf(menu->Command(4)));
        TestBench::flush();
        QVERIFY(qobject_cast<FinestraEsercizio*>(bench.current()));
        QCOMPARE(qobject_cast<FinestraEsercizio*>(bench.current())->id(), FinestraId::FormEs4);
    }

    // Pictures are decoded for the pixels their boxes have on the screen.
    void picturesFollowTheBoxSize() {
        TestBench bench;
        auto* w = bench.open<TrovaRotazione>(FinestraId::FormEs3);
        QCOMPARE(sideOf(w->Image1[0]), 120);
        const QSize normal = w->size();
        QVERIFY(Windows::resizeTo(w, {1920, 1080}));
        const int box = int(std::ceil(120 * w->area()->scaler().scale() - 0.01));
        QVERIFY(box > 240);
        // The smallest eighth of the 480-pixel views that covers the box.
        const int side = 60 * int(std::ceil(box / 60.0));
        for (ImageBox* box : w->Image1)
            QTRY_COMPARE_WITH_TIMEOUT(sideOf(box), side, TestBench::backgroundDeadline);
        QCOMPARE(sideOf(w->Image2[0]), side);
        // A new exercise at this size gets pictures of this size too.
        w->NuovoEsercizio();
        QCOMPARE(sideOf(w->Image1[7]), side);
        QVERIFY(Windows::resizeTo(w, normal));
        QTRY_COMPARE_WITH_TIMEOUT(sideOf(w->Image1[3]), 120, TestBench::backgroundDeadline);
    }

    // The first paint at a new size already shows pictures decoded for it,
    // never the old ones stretched, though decoding waits for the layout.
    void picturesReadyForTheFirstPaintAtANewSize() {
        TestBench bench;
        auto* w = bench.open<TrovaRotazione>(FinestraId::FormEs3);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        ImageBox* box = w->Image1[5];
        QList<int> painted;
        EventWatcher watcher(box, QEvent::Paint, [&] { painted << sideOf(box); });
        const QSize normal = w->size();
        for (const auto& [size, side] :
             {std::pair{QSize(1920, 1080), 300}, std::pair{QSize(3840, 2160), 480},
              std::pair{normal, 120}}) {
            painted.clear();
            w->resize(size);
            QTRY_VERIFY(!painted.isEmpty());
            QCOMPARE(painted.first(), side);
        }
    }

    // The menu bar is not scaled with the layout; its font grows a little.
    void menuBarGrowsModerately() {
        TestBench bench;
        auto* w = bench.open<TrovaRotazione>(FinestraId::FormEs2);
        const qreal points = w->font().pointSizeF();
        QCOMPARE(w->menuBar()->font().pointSizeF(), points);
        const int height = w->menuBar()->height();
        const QSize normal = w->size();
        QVERIFY(Windows::resizeTo(w, {1920, 1080}));
        const qreal grown = w->menuBar()->font().pointSizeF();
        QVERIFY2(grown > points && grown <= 1.5 * points, qPrintable(QString::number(grown)));
        QVERIFY(w->menuBar()->height() < 2 * height);
        QVERIFY(Windows::resizeTo(w, {3840, 2160}));
        QCOMPARE(w->menuBar()->font().pointSizeF(), 1.5 * points);
        QVERIFY(Windows::resizeTo(w, normal));
        QCOMPARE(w->menuBar()->font().pointSizeF(), points);
        QCOMPARE(w->menuBar()->height(), height);
    }

    // F11 and the state that every next window takes.
    void fullScreenTravelsFromWindowToWindow() {
        TestBench bench;
        auto* avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        QCOMPARE(avvio->size(), QSize(701, 557));
        QVERIFY(Windows::pressF11(avvio));
        QVERIFY(avvio->isFullScreen());
        const QSize screen = avvio->screen()->geometry().size();
        QTRY_COMPARE(avvio->size(), screen);

        avvio->BottoneAvvio->click();
        TestBench::flush();
        auto* menu = qobject_cast<FormMenu*>(bench.current());
        QVERIFY(menu && menu->isFullScreen());
        QTRY_COMPARE(menu->size(), screen);
        menu->Command(1)->click();
        TestBench::flush();
        auto* es2 = qobject_cast<FinestraEsercizio*>(bench.current());
        QVERIFY(es2 && es2->isFullScreen());
        QTRY_COMPARE(es2->size(), screen);
        QVERIFY(es2->area()->scaler().scale() > 1.0);

        QVERIFY(Windows::pressF11(es2));
        QVERIFY(!es2->isFullScreen());
        QTRY_COMPARE(es2->area()->size(), QSize(638, 459));
        bench.messaggi.answer(MessageBoxService::Answer::Yes);
        es2->mnuEsci_Click();
        TestBench::flush();
        menu = qobject_cast<FormMenu*>(bench.current());
        QVERIFY(menu && menu->windowState() == Qt::WindowNoState);
        QCOMPARE(menu->size(), QSize(640, 480));

        menu->setWindowState(Qt::WindowMaximized);
        menu->Command(4)->click();
        TestBench::flush();
        QVERIFY(bench.current()->isMaximized());
    }

    // The option --schermo-intero opens the first window in full screen.
    void firstWindowInTheStateAskedFor() {
        TestBench bench;
        bench.programma.setStatoIniziale(Qt::WindowFullScreen);
        auto* avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        QVERIFY(avvio->isFullScreen());
        QTRY_COMPARE(avvio->size(), avvio->screen()->geometry().size());
        QVERIFY(avvio->scaler().scale() > 1.0);
    }

    // A window whose stored size does not fit opens inside the available
    // area, its layout scaled down; one that fits opens at its stored size.
    void windowsOpenInsideTheScreen() {
        TestBench bench;
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        for (int id = int(FinestraId::FormAvvio); id <= int(FinestraId::FormEs15); ++id) {
            bench.programma.mostra(FinestraId(id));
            TestBench::flush();
            QWidget* w = bench.current();
            // A Wayland client cannot place its windows, nor learn where
            // they are: there the window must fit, and the compositor places it.
            if (Windows::onWayland())
                QVERIFY(available.size().boundedTo(w->frameGeometry().size()) ==
                        w->frameGeometry().size());
            else
                QVERIFY(available.contains(w->frameGeometry()));
            ColouredArea* surface = Windows::surfaceOf(w);
            const QSize stored = surface->scaler().storedSize();
            if (stored.width() + 8 <= available.width() &&
                stored.height() + 60 <= available.height()) {
                QCOMPARE(surface->size(), stored);
            } else {
                QVERIFY(surface->scaler().scale() < 1.0);
                QVERIFY(surface->scaler().scale() > 0.5);
            }
        }
    }

    // A tap acts as a click; a quick double tap counts once.
    void tapsOnATouchScreen() {
        TestBench bench;
        auto* w = bench.open<TrovaRotazione>(FinestraId::FormEs3);
        QVERIFY(Windows::resizeTo(w, {1920, 1080}));
        QPointingDevice* touch = QTest::createTouchDevice();
        QWindow* window = w->windowHandle();
        const auto right = Pupil::rightAnswers(w);
        QList<ImageBox*> wrong;
        for (ImageBox* box : w->Image1)
            if (box != right.first())
                wrong << box;
        const auto tap = [&](ImageBox* box) {
            const QPoint p = box->mapTo(w, box->rect().center());
            QTest::touchEvent(window, touch).press(0, p, window);
            QTest::touchEvent(window, touch).release(0, p, window);
        };
        tap(wrong[0]);
        QTRY_COMPARE(bench.stato().NumeroErrati, std::int16_t(1));
        tap(wrong[3]);
        tap(wrong[3]);
        QTRY_COMPARE(bench.stato().NumeroErrati, std::int16_t(2));
        tap(qobject_cast<ImageBox*>(right.first()));
        QTRY_COMPARE(bench.stato().NumeroEsatti, std::int16_t(1));
        QCOMPARE(bench.stato().NumeroErrati, std::int16_t(2));
    }

    // A double click or a double tap on a button is one press of it.
    void doubleClickOnAButtonIsOneClick() {
        TestBench bench;
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        QPointingDevice* touch = QTest::createTouchDevice();
        QWindow* window = menu->windowHandle();
        const QPoint p = menu->BottoneEsci->geometry().center();
        for (int i = 0; i < 2; ++i) {
            QTest::touchEvent(window, touch).press(0, p, window);
            QTest::touchEvent(window, touch).release(0, p, window);
        }
        QTRY_COMPARE(bench.messaggi.asked.size(), 1);
        QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, p + QPoint(60, 0));
        QCOMPARE(bench.messaggi.asked.size(), 2);
    }
};

VORTELIA_TEST_MAIN(tst_ScaledWindows)
#include "tst_ScaledWindows.moc"

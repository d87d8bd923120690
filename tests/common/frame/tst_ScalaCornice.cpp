// SPDX-License-Identifier: GPL-3.0-or-later
// A window moved between screens of different pixel ratios: its pictures are
// decoded for the screen it is on. Runs on two offscreen screens, the second
// with two device pixels to a pixel.

#include "support/TestBench.h"

#include "common/frame/FinestraEsercizio.h"
#include "common/platform/widgets/ImageBox.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <algorithm>

namespace {

int widestPicture(QWidget* window) {
    int widest = 0;
    for (ImageBox* box : window->findChildren<ImageBox*>())
        if (box->picture())
            widest = std::max(widest, box->picture()->image().width());
    return widest;
}

} // namespace

class tst_ScalaCornice : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TestBench::closeAll(); }

    void picturesFollowTheScreen() {
        const QList<QScreen*> screens = QGuiApplication::screens();
        QCOMPARE(screens.size(), 2);
        QCOMPARE(screens[1]->devicePixelRatio(), 2.0);
        TestBench bench;
        auto* w = bench.open<FinestraEsercizio>(FinestraId::FormEs2);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->devicePixelRatioF(), 1.0);
        const int single = widestPicture(w);
        QVERIFY(single > 0);

        w->windowHandle()->setScreen(screens[1]);
        QTRY_COMPARE(w->devicePixelRatioF(), 2.0);
        QTRY_VERIFY2(widestPicture(w) > single, qPrintable(QString::number(widestPicture(w))));

        w->windowHandle()->setScreen(screens[0]);
        QTRY_COMPARE(widestPicture(w), single);
    }
};

// Two screens side by side, the second of twice the pixel ratio.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(R"({"screens": [
            {"name": "one", "x": 0, "y": 0, "width": 1280, "height": 1024,
             "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
            {"name": "two", "x": 1280, "y": 0, "width": 1280, "height": 1024,
             "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}]})") < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    tst_ScalaCornice test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ScalaCornice.moc"

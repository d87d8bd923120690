// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestBench.h"

#include "app/CatalogoFinestre.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

TestBench::TestBench(const QString& applicationFolder)
    : TestBench(applicationFolder, creaFinestra, nullptr) {}

TestBench::TestBench(Programma::Fabbrica fabbrica, MessageBoxService* boxes)
    : TestBench(QStringLiteral(VORTELIA_APP_DIR), std::move(fabbrica), boxes) {}

TestBench::TestBench(const QString& applicationFolder, Programma::Fabbrica fabbrica,
                     MessageBoxService* boxes)
    : figure(applicationFolder),
      programma(rnd, boxes ? *boxes : messaggi, suoni, figure, applicationFolder,
                std::move(fabbrica), [this] { ++quitCalls; }) {}

void TestBench::flush() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void TestBench::closeAll() {
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    flush();
}

int TestBench::visibleWindows() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->inherits("QMenu"))
            ++count;
    return count;
}

void TestBench::click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void TestBench::doubleClick(QWidget* widget) {
    QWindow* window = widget->window()->windowHandle();
    const QPoint centre = widget->mapTo(widget->window(), widget->rect().center());
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, centre);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The start window: its layout and colour, and "Avvio".

#include "support/TestBench.h"
#include "support/TestMain.h"
#include "support/Windows.h"

#include "app/FormAvvio.h"
#include "app/FormMenu.h"
#include "common/Colori.h"
#include "common/platform/widgets/PictureButton.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

class tst_FormAvvio : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TestBench::closeAll(); }

    void startWindowLayout() {
        TestBench bench;
        auto* avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        QVERIFY(avvio);
        QCOMPARE(avvio->size(), QSize(701, 557));
        QCOMPARE(avvio->windowTitle(), QStringLiteral("Vortelia"));

        QCOMPARE(avvio->Label2.size(), 1);
        QLabel* title = avvio->Label2[0];
        QCOMPARE(title->text(), QStringLiteral("Vortelia"));
        QCOMPARE(title->geometry(), QRect(56, 40, 554, 273));
        QCOMPARE(Windows::fontOf(title), QStringLiteral("Arial 72 bold"));
        QVERIFY(title->alignment() & Qt::AlignHCenter);
        QVERIFY(title->autoFillBackground());
        QCOMPARE(title->palette().color(QPalette::Window), QColor(0, 255, 255));

        QCOMPARE(avvio->BottoneAvvio->text(), QStringLiteral("Avvio"));
        QCOMPARE(avvio->BottoneAvvio->geometry(), QRect(161, 333, 295, 95));
        QCOMPARE(Windows::fontOf(avvio->BottoneAvvio), QStringLiteral("Arial 24 bold"));

        QList<QWidget*> focusable;
        for (QWidget* w : avvio->findChildren<QWidget*>())
            if (w->focusPolicy() != Qt::NoFocus)
                focusable << w;
        QCOMPARE(focusable, QList<QWidget*>{avvio->BottoneAvvio});
        QCOMPARE(avvio->focusWidget(), avvio->BottoneAvvio);
    }

    void startWindowColour() {
        TestBench bench;
        bench.rnd.scriptDraws({{6, 14}}); // c = 7, shown as entry 6
        auto* avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        QCOMPARE(bench.rnd.taken(), 1);
        QCOMPARE(Colori::sfondo(*avvio), qRgb(128, 128, 0));
        // The title keeps its cyan on any window colour.
        QCOMPARE(avvio->Label2[0]->palette().color(QPalette::Window), QColor(0, 255, 255));
    }

    void avvioOpensMenuAndUnloadsStart() {
        TestBench bench;
        QPointer<FormAvvio> avvio = bench.open<FormAvvio>(FinestraId::FormAvvio);
        bench.rnd.scriptDraws({{17, 18}});
        TestBench::click(avvio->BottoneAvvio);
        TestBench::flush();
        auto* menu = qobject_cast<FormMenu*>(bench.current());
        QVERIFY(menu);
        QVERIFY(avvio.isNull());
        QCOMPARE(TestBench::visibleWindows(), 1);
        QVERIFY(menu->isVisible());
        QCOMPARE(Colori::sfondo(*menu), qRgb(255, 0, 255));
    }
};

VORTELIA_TEST_MAIN(tst_FormAvvio)
#include "tst_FormAvvio.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// "Chi sei?": the class's names in Italian order, picked with the keyboard
// alone, Escape back to the start window, a name for a screen reader on
// every button, and every name readable whole at the window's normal size
// and in full screen.

#include "support/TestBench.h"
#include "support/TestMain.h"
#include "support/Windows.h"

#include "app/FormAvvio.h"
#include "app/FormChiSei.h"
#include "app/FormMenu.h"
#include "common/Registrazione.h"
#include "common/platform/services/Twips.h"
#include "common/platform/widgets/PictureButton.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QtTest>

namespace {

const QString lungo = QStringLiteral("Maria Antonietta Bellavista");

// n names, one of them long, as a class list might spell them.
QStringList classeDi(int n) {
    QStringList nomi = {lungo};
    for (int i = 1; i < n; ++i)
        nomi << QStringLiteral("Alunno %1").arg(i, 2, 10, QLatin1Char('0'));
    return nomi;
}

// The window with a class, opened as "Avvio" opens it.
FormChiSei* apri(TestBench& bench) {
    bench.programma.mostra(FinestraId::FormMenu);
    TestBench::flush();
    return qobject_cast<FormChiSei*>(bench.current());
}

QStringList testi(const QList<PictureButton*>& bottoni) {
    QStringList testi;
    for (const PictureButton* b : bottoni)
        testi << b->text();
    return testi;
}

// Every button inside the window, none over another, its name whole on one
// line in its font; the names in one font of at least `punti` points, the
// long one in at least `puntiLungo`.
void leggibili(const FormChiSei* w, qreal punti, qreal puntiLungo) {
    const QRect finestra = w->rect();
    for (const PictureButton* b : w->BottoneNome) {
        QVERIFY2(finestra.contains(b->geometry()), qPrintable(b->text()));
        const QFontMetricsF metrics(b->font());
        QVERIFY2(metrics.horizontalAdvance(b->text()) < b->width() - 4, qPrintable(b->text()));
        QVERIFY2(metrics.height() < b->height(), qPrintable(b->text()));
        const bool breve = b->text() != lungo;
        QVERIFY2(b->font().pointSizeF() >= (breve ? punti : puntiLungo),
                 qPrintable(b->text() + ": " + Windows::fontOf(b)));
        if (breve)
            QCOMPARE(b->font(), w->BottoneNome.first()->font());
        for (const PictureButton* altro : w->BottoneNome)
            QVERIFY(altro == b || !altro->geometry().intersects(b->geometry()));
    }
}

} // namespace

class tst_FormChiSei : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TestBench::closeAll(); }

    // Italian order, without regard to case, an accented letter with its
    // plain one; each name once, none empty.
    void namesInItalianOrder() {
        const QStringList classe = {"Franco", "zoe",  "Ètienne", "Elia",  "bruno",
                                    "",       "Anna", "  ",      "Franco"};
        const QStringList attesi = {"Anna", "bruno", "Elia", "Ètienne", "Franco", "zoe"};
        QCOMPARE(FormChiSei::inOrdine(classe), attesi);
        TestBench bench(TestBench::Classe{classe});
        FormChiSei* w = apri(bench);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Chi sei?"));
        QCOMPARE(testi(w->BottoneNome), attesi);
    }

    // The arrows and Tab move between the names, in columns; Enter picks.
    void pickedWithTheKeyboard() {
        TestBench bench(TestBench::Classe{classeDi(20)});
        FormChiSei* w = apri(bench);
        QVERIFY(w && Windows::activate(w));
        const QList<PictureButton*>& b = w->BottoneNome;
        QCOMPARE(QApplication::focusWidget(), b[0]);
        Windows::key(w, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), b[1]);
        Windows::key(w, Qt::Key_Right); // 20 names: two columns of ten
        QCOMPARE(QApplication::focusWidget(), b[11]);
        Windows::key(w, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), b[12]);
        Windows::key(w, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), b[11]);
        Windows::key(w, Qt::Key_Return);
        TestBench::flush();
        QVERIFY(qobject_cast<FormMenu*>(bench.current()));
        QCOMPARE(bench.programma.registrazione().alunno(), QStringLiteral("Alunno 12"));
    }

    void spacePicksAndAnAmpersandIsTheName() {
        TestBench bench(TestBench::Classe{{"Anna & Bea"}});
        FormChiSei* w = apri(bench);
        QVERIFY(w && Windows::activate(w));
        Windows::key(w, Qt::Key_Space);
        TestBench::flush();
        QVERIFY(qobject_cast<FormMenu*>(bench.current()));
        QCOMPARE(bench.programma.registrazione().alunno(), QStringLiteral("Anna & Bea"));
    }

    // Escape goes back to the start window, nobody chosen.
    void escapeGoesBack() {
        TestBench bench(TestBench::Classe{classeDi(3)});
        FormChiSei* w = apri(bench);
        QVERIFY(w && Windows::activate(w));
        Windows::key(w, Qt::Key_Escape);
        TestBench::flush();
        QVERIFY(qobject_cast<FormAvvio*>(bench.current()));
        QCOMPARE(bench.programma.registrazione().alunno(), QString());
        QCOMPARE(bench.registro.voci.size(), 0);
        QVERIFY(bench.messaggi.asked.isEmpty());
    }

    // A screen reader names every button by its name, and meets nothing else to press.
    void everyButtonNamed() {
        const QStringList classe = FormChiSei::inOrdine(classeDi(25));
        TestBench bench(TestBench::Classe{classe});
        FormChiSei* w = apri(bench);
        QVERIFY(w);
        QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(w);
        QStringList nomi;
        for (int i = 0; i < a11y->childCount(); ++i)
            if (a11y->child(i)->role() == QAccessible::Button)
                nomi << a11y->child(i)->text(QAccessible::Name);
        QCOMPARE(nomi, classe);
    }

    // At most sixty names, the longest one whole, at the window's normal size
    // and in full screen; few names get large buttons.
    void namesReadable_data() {
        QTest::addColumn<int>("n");
        // The least fonts at the normal size: the names', the long one's.
        QTest::addColumn<qreal>("punti");
        QTest::addColumn<qreal>("puntiLungo");
        QTest::newRow("3") << 3 << 18.0 << 18.0;
        QTest::newRow("25") << 25 << 12.0 << 12.0;
        QTest::newRow("60") << 60 << 9.0 << 6.5;
    }
    void namesReadable() {
        QFETCH(int, n);
        QFETCH(qreal, punti);
        QFETCH(qreal, puntiLungo);
        TestBench bench(TestBench::Classe{classeDi(n)});
        FormChiSei* w = apri(bench);
        QVERIFY(w);
        QCOMPARE(w->size(), Twips::size(layoutChiSei.finestra));
        QCOMPARE(w->BottoneNome.size(), n);
        leggibili(w, punti, puntiLungo);
        if (n <= layoutChiSei.righe)
            QCOMPARE(w->BottoneNome[0]->size(), Twips::size(layoutChiSei.pulsanteMassimo));
        QVERIFY(Windows::resizeTo(w, {1920, 1080}));
        leggibili(w, punti * 2, puntiLungo * 2);
    }

    // A longer list shows its first sixty names, in order.
    void sixtyAtMost() {
        QStringList classe;
        for (int i = 0; i < 70; ++i)
            classe << QStringLiteral("Nome %1").arg(i, 2, 10, QLatin1Char('0'));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("70 nomi"));
        TestBench bench(TestBench::Classe{classe});
        FormChiSei* w = apri(bench);
        QVERIFY(w);
        QCOMPARE(testi(w->BottoneNome), classe.mid(0, 60));
    }
};

VORTELIA_TEST_MAIN(tst_FormChiSei)
#include "tst_FormChiSei.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The face each caption is really drawn in, as the font system resolves it on
// this machine: the faces the program asks for must be installed (the package
// depends on the fonts that hold them) and must be the ones it gets, not a
// wider fallback that would push sub-captions out of their labels.

#include "support/TestBench.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QtTest>

namespace {

// What a requested family must resolve to: Arial to its metric-compatible
// Liberation Sans, the old bitmap "MS Sans Serif" to the condensed DejaVu face.
struct Resolution {
    QString family;
    bool condensed;
};

Resolution expectedFor(const QFont& font) {
    const QString asked = font.families().value(0, font.family());
    if (asked == QLatin1String("Arial"))
        return {QStringLiteral("Liberation Sans"), false};
    if (asked == QLatin1String("MS Sans Serif"))
        return {QStringLiteral("DejaVu Sans Condensed"), true};
    return {};
}

QString caption(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    return {};
}

} // namespace

class tst_Fonts : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionIsDrawnInTheFaceItAsksFor_data() {
        QTest::addColumn<int>("window");
        QTest::newRow("FormAvvio") << int(FinestraId::FormAvvio);
        QTest::newRow("FormMenu") << int(FinestraId::FormMenu);
        for (int n = 1; n <= 15; ++n)
            QTest::newRow(qPrintable(QStringLiteral("FormEs%1").arg(n))) << int(formEs(n));
    }

    void everyCaptionIsDrawnInTheFaceItAsksFor() {
        QFETCH(int, window);
        TestBench bench;
        bench.programma.mostra(static_cast<FinestraId>(window));
        TestBench::flush();
        QWidget* shown = bench.current();
        QVERIFY(shown);
        int captions = 0;
        for (QWidget* w : shown->findChildren<QWidget*>()) {
            const QString text = caption(w);
            if (text.trimmed().isEmpty())
                continue;
            const Resolution expected = expectedFor(w->font());
            QVERIFY2(
                !expected.family.isEmpty(),
                qPrintable(QStringLiteral("\"%1\" asks for %2, a face the program does not use")
                               .arg(text, w->font().families().join(u','))));
            const QFontInfo info(w->font());
            const QString where = QStringLiteral("\"%1\" (%2 %3 pt%4) is drawn in %5 %6")
                                      .arg(text, w->font().families().value(0))
                                      .arg(w->font().pointSizeF())
                                      .arg(w->font().bold() ? QStringLiteral(" bold") : QString())
                                      .arg(info.family(), info.styleName());
            QVERIFY2(info.family() == expected.family, qPrintable(where));
            QVERIFY2(info.styleName().contains(QLatin1String("Condensed")) == expected.condensed,
                     qPrintable(where));
            QVERIFY2(info.bold() == w->font().bold(), qPrintable(where));
            ++captions;
        }
        QVERIFY(captions > 0);
    }
};

VORTELIA_TEST_MAIN(tst_Fonts)
#include "tst_Fonts.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The range of days chosen on a page: a period shows its bounds in the two
// days, which only "Tra due date" lets the teacher type.
#include "support/TestMain.h"
#include "support/VociDiProva.h"

#include "app/teacher/record/SceltaPeriodo.h"

#include <QComboBox>
#include <QDateEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace VociDiProva;
using Periodo = IntervalloDate::Periodo;

namespace {

const SceltaPeriodo::Posti posti{{0, 0, 60, 28},    {60, 0, 190, 28}, {260, 0, 30, 28},
                                 {290, 0, 120, 28}, {420, 0, 30, 28}, {450, 0, 120, 28}};

} // namespace

class tst_SceltaPeriodo : public QObject {
    Q_OBJECT

private slots:
    void aPeriodShowsItsBounds() {
        QWidget pagina;
        SceltaPeriodo s(&pagina, posti, oggi);
        QCOMPARE(s.intervallo(), IntervalloDate::periodo(Periodo::Settimana, oggi));
        QCOMPARE(s.Dal->date(), QDate(2026, 12, 7));
        QSignalSpy cambiato(&s, &SceltaPeriodo::cambiato);
        s.Periodo->setCurrentIndex(int(Periodo::AnnoScolastico));
        QCOMPARE(cambiato.count(), 1);
        QCOMPARE(s.Dal->date(), QDate(2026, 9, 1));
        QCOMPARE(s.Al->date(), QDate(2027, 8, 31));
        QVERIFY(!s.Dal->isEnabled() && !s.Al->isEnabled());
    }

    // The days typed count only for two dates, each change once.
    void twoDatesAreTheTeachers() {
        QWidget pagina;
        SceltaPeriodo s(&pagina, posti, oggi);
        QSignalSpy cambiato(&s, &SceltaPeriodo::cambiato);
        s.Periodo->setCurrentIndex(int(Periodo::TraDueDate));
        QVERIFY(s.Dal->isEnabled() && s.Al->isEnabled());
        s.Al->setDate({2026, 11, 2});
        QCOMPARE(s.intervallo(), IntervalloDate({2026, 11, 2}, {2026, 12, 7}));
        QCOMPARE(cambiato.count(), 2);
        s.Periodo->setCurrentIndex(int(Periodo::Oggi));
        QCOMPARE(s.intervallo(), IntervalloDate(oggi, oggi));
        QCOMPARE(s.Al->date(), oggi);
        QCOMPARE(cambiato.count(), 3);
    }

    void everyControlIsNamed() {
        QWidget pagina;
        SceltaPeriodo s(&pagina, posti, oggi);
        for (QWidget* w : {static_cast<QWidget*>(s.Periodo), static_cast<QWidget*>(s.Dal),
                           static_cast<QWidget*>(s.Al)})
            QVERIFY(!w->accessibleName().isEmpty());
    }
};

VORTELIA_TEST_MAIN(tst_SceltaPeriodo)
#include "tst_SceltaPeriodo.moc"

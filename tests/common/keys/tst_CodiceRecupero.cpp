// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery code: six groups of four unambiguous characters, new each
// time, read back however the teacher types it.
#include "common/keys/CodiceRecupero.h"

#include <QRegularExpression>
#include <QtTest>

class tst_CodiceRecupero : public QObject {
    Q_OBJECT

private slots:
    void aNewCodeHasSixGroupsWithoutLookAlikes() {
        const QRegularExpression forma("^([2-9A-HJKMNP-TV-Z]{4}-){5}[2-9A-HJKMNP-TV-Z]{4}$");
        const QString codice = CodiceRecupero::nuovo();
        QVERIFY2(forma.match(codice).hasMatch(), qPrintable(codice));
        QVERIFY(CodiceRecupero::nuovo() != codice);
    }

    void aCodeIsReadInAnyCaseWithBlanksAndDashes() {
        const QString codice = CodiceRecupero::nuovo();
        const QString piano = QString(codice).remove(u'-');
        QCOMPARE(CodiceRecupero::normalizzato(codice), piano);
        QCOMPARE(CodiceRecupero::normalizzato(" " + codice.toLower().replace(u'-', u' ') + "\n"),
                 piano);
    }

    void whatIsNotACodeIsRefused() {
        const QString piano = CodiceRecupero::normalizzato(CodiceRecupero::nuovo());
        QCOMPARE(CodiceRecupero::normalizzato(piano.left(23)), QString());
        QCOMPARE(CodiceRecupero::normalizzato(piano + "A"), QString());
        for (const char* simile : {"0", "O", "1", "I", "L", "U", "é"})
            QCOMPARE(CodiceRecupero::normalizzato(piano.left(23) + QString::fromUtf8(simile)),
                     QString());
    }
};

QTEST_GUILESS_MAIN(tst_CodiceRecupero)
#include "tst_CodiceRecupero.moc"

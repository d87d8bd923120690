// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's area on this PC's files: it fits the screen, answers F11 and
// Esc, keeps unsaved settings from being lost, shows what the school locked,
// and what it saves is what the pupils' program reads next.

#include "doubles/ScriptedMessageBox.h"
#include "support/TestMain.h"
#include "support/Windows.h"

#include "app/ImpostazioniInVigore.h"
#include "app/teacher/AreaInsegnante.h"
#include "app/teacher/FormFigureClasse.h"
#include "app/teacher/PaginaImpostazioni.h"
#include "app/teacher/PagineInsegnante.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The teacher's and the school's files in a folder of the test's own.
struct Cartelle {
    QTemporaryDir dir;
    FontiImpostazioni fonti{dir.filePath("insegnante/Vortelia.conf"),
                            {dir.filePath("scuola/Vortelia.conf")}};

    Cartelle() { qputenv("XDG_DATA_HOME", dir.filePath("dati").toLocal8Bit()); }
    void scuola(const QByteArray& testo) const {
        QDir().mkpath(dir.filePath("scuola"));
        QFile file(fonti.scuola.first());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(testo);
    }
};

std::unique_ptr<AreaInsegnante> apri(const Cartelle& c, ScriptedMessageBox& messaggi,
                                     PagineInsegnante::Prima prima) {
    auto area = PagineInsegnante::crea(c.fonti, VORTELIA_JPG_DIR, messaggi, prima);
    area->adatta();
    area->show();
    return area;
}

PaginaImpostazioni* impostazioni(const AreaInsegnante& area) {
    return area.findChild<PaginaImpostazioni*>();
}

} // namespace

class tst_AreaInsegnante : public QObject {
    Q_OBJECT

private slots:
    // The offscreen screen is 800x600: smaller than the area's normal size.
    void fitsTheScreenWithEveryControlOnIt() {
        Cartelle c;
        ScriptedMessageBox messaggi;
        for (const auto prima :
             {PagineInsegnante::Prima::Figure, PagineInsegnante::Prima::Impostazioni}) {
            const auto area = apri(c, messaggi, prima);
            QVERIFY(QTest::qWaitForWindowExposed(area.get()));
            const QRect schermo = area->screen()->availableGeometry();
            QVERIFY2(schermo.contains(area->geometry()),
                     qPrintable(QStringLiteral("%1x%2").arg(area->width()).arg(area->height())));
            QWidget* pagina = area->paginaCorrente();
            for (QWidget* controllo : pagina->findChildren<QWidget*>())
                if (controllo->isVisibleTo(pagina) && controllo->parentWidget() == pagina)
                    QVERIFY2(pagina->rect().contains(controllo->geometry()),
                             qPrintable(controllo->accessibleName() + controllo->objectName()));
            QVERIFY(area->rect().contains(QRect(area->BottoneChiudi->mapTo(area.get(), QPoint()),
                                                area->BottoneChiudi->size())));
        }
    }

    // Every control the keyboard reaches, on every page, has a name a
    // screen reader says.
    void everyControlHasAName() {
        Cartelle c;
        ScriptedMessageBox messaggi;
        const auto area = apri(c, messaggi, PagineInsegnante::Prima::Figure);
        int controlli = 0;
        for (QWidget* w : area->findChildren<QWidget*>()) {
            // Not a spin box's own field (the spin box has the name), nor
            // what a list that drops down shows in a window of its own.
            if (!(w->focusPolicy() & Qt::TabFocus) || w->isHidden() ||
                w->focusProxy() == w->parentWidget() || w->window() != area.get())
                continue;
            QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(w);
            QVERIFY(a11y);
            QVERIFY2(!a11y->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(QStringLiteral("%1 in %2")
                                    .arg(w->metaObject()->className(),
                                         w->parentWidget()->metaObject()->className())));
            ++controlli;
        }
        // 26 letters, 15 exercises, the tabs, "Chiudi", and 15 more on the two pages.
        QVERIFY2(controlli >= 58, qPrintable(QString::number(controlli)));
    }

    void f11AndEsc() {
        Cartelle c;
        ScriptedMessageBox messaggi;
        const auto area = apri(c, messaggi, PagineInsegnante::Prima::Figure);
        QVERIFY(Windows::pressF11(area.get()));
        QTRY_VERIFY(area->isFullScreen());
        Windows::key(area.get(), Qt::Key_Escape);
        QTRY_VERIFY(!area->isFullScreen());
        QVERIFY(area->isVisible());
        Windows::key(area.get(), Qt::Key_Escape);
        QVERIFY(!area->isVisible());
        QVERIFY(messaggi.asked.isEmpty());
    }

    // Unsaved settings: asked; "No" closes, "Sì" saves first.
    void closingAsksForUnsavedSettings() {
        Cartelle c;
        ScriptedMessageBox messaggi;
        const auto area = apri(c, messaggi, PagineInsegnante::Prima::Figure);
        impostazioni(*area)->Volume->setValue(20);
        messaggi.answer(MessageBoxService::Answer::Yes);
        QVERIFY(area->close());
        QCOMPARE(messaggi.asked.size(), 1);
        QCOMPARE(area->paginaCorrente(), impostazioni(*area));
        QCOMPARE(leggiImpostazioni(c.fonti).valori.volume, 20);

        const auto again = apri(c, messaggi, PagineInsegnante::Prima::Figure);
        impostazioni(*again)->Volume->setValue(90);
        messaggi.answer(MessageBoxService::Answer::No);
        QVERIFY(again->close());
        QCOMPARE(leggiImpostazioni(c.fonti).valori.volume, 20);
    }

    // A school's lock wins over the teacher's choice, in the area and in
    // the pupils' program; what the teacher may set is saved and read next.
    void theSchoolsLockWinsAndTheRestReachesThePupils() {
        Cartelle c;
        c.scuola("[suoni]\nvolume[$i]=25\n[menu]\nesercizi=FormEs1, FormEs7\n");
        ScriptedMessageBox messaggi;
        const auto area = apri(c, messaggi, PagineInsegnante::Prima::Impostazioni);
        PaginaImpostazioni& p = *impostazioni(*area);
        QCOMPARE(p.Volume->value(), 25);
        QVERIFY(!p.Volume->isEnabled());
        QVERIFY(p.Esercizi.at(0)->isChecked() && !p.Esercizi.at(1)->isChecked());
        p.Esercizi.at(1)->setChecked(true);
        p.Blocco->setChecked(true);
        QVERIFY(p.salva());

        QStringList detti;
        ImpostazioniInVigore inVigore(c.fonti, [&detti](const QString& a) { detti << a; });
        const Impostazioni valori = inVigore.leggi();
        QCOMPARE(valori.volume, 25);
        QVERIFY(valori.blocco);
        QCOMPARE(valori.esercizi, (QList<int>{1, 2, 7}));
        QVERIFY(detti.isEmpty());
    }

    // What cannot be read is said once, however often the program reads.
    void aWarningIsSaidOnce() {
        Cartelle c;
        c.scuola("[suoni]\nvolume=alto\n");
        QStringList detti;
        ImpostazioniInVigore inVigore(c.fonti, [&detti](const QString& a) { detti << a; });
        QCOMPARE(inVigore.leggi().volume, 100);
        inVigore.leggi();
        QCOMPARE(detti.size(), 1);
        QVERIFY2(detti.first().contains(c.fonti.scuola.first()), qPrintable(detti.first()));
    }
};

VORTELIA_TEST_MAIN(tst_AreaInsegnante)
#include "tst_AreaInsegnante.moc"

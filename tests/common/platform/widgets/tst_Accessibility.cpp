// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told, read through Qt's accessibility interfaces:
// names and roles of every kind of control, the counters' names following
// their values, and a candidate pressed as a screen reader presses it.

#include "support/BenchFixture.h"
#include "support/OpenBox.h"
#include "support/Pupil.h"
#include "support/TestBench.h"
#include "support/TestMain.h"

#include "app/FormAvvio.h"
#include "app/FormMenu.h"
#include "common/Modulo1.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/platform/widgets/FrameShape.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/KeyboardMenuBar.h"
#include "common/platform/widgets/LineShape.h"
#include "common/platform/widgets/PictureButton.h"
#include "common/platform/widgets/QtMessageBox.h"
#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"
#include "exercises/rotation_type/TipoRotazione.h"
#include "exercises/symmetry_find/TrovaSimmetria.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QtTest>

namespace {

QAccessibleInterface* of(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString name(QObject* object) {
    return of(object)->text(QAccessible::Name);
}

QAccessible::Role role(QObject* object) {
    return of(object)->role();
}

const QList<FinestraId>& exerciseWindows() {
    static const QList<FinestraId> all = [] {
        QList<FinestraId> ids;
        for (int k = 0; k < 15; ++k)
            ids << FinestraId(int(FinestraId::FormEs1) + k);
        return ids;
    }();
    return all;
}

} // namespace

class tst_Accessibility : public BenchFixture {
    Q_OBJECT

    // The frame's controls, the same in every exercise window.
    void checkFrame(FinestraEsercizio* w) {
        QCOMPARE(name(w->BottoneAvanti), QStringLiteral("avanti"));
        QCOMPARE(role(w->BottoneAvanti), QAccessible::Button);
        QCOMPARE(name(w->ComandoIconaSi), QStringLiteral("Risposta giusta"));
        QCOMPARE(name(w->ComandoIconaNo), QStringLiteral("Risposta sbagliata"));
        // Only the face on show is there for a screen reader.
        QVERIFY(of(w->ComandoIconaSi)->state().invisible);
        QVERIFY(!of(w->ComandoIconaNo)->state().invisible);
        QCOMPARE(name(w->EtichettaEsatti), QStringLiteral("Esatti: 0"));
        QCOMPARE(name(w->EtichettaErrati), QStringLiteral("Errati: 0"));
        QCOMPARE(role(w->EtichettaEsatti), QAccessible::StaticText);
        QCOMPARE(name(w->Label1), QStringLiteral("Esatti"));
        QCOMPARE(name(w->Label2), QStringLiteral("Errati"));
        QCOMPARE(name(w), w->windowTitle());
    }

private slots:
    // Candidates are buttons named by their place in reading order; the
    // picture they show never appears in the name.
    void candidatesAreNamedByPlace() {
        for (FinestraId id : exerciseWindows()) {
            auto* w = bench->open<FinestraEsercizio>(id);
            QVERIFY(w);
            checkFrame(w);
            const auto ordered = w->controlliInOrdine();
            for (qsizetype i = 0; i < ordered.size(); ++i) {
                QWidget* control = ordered[i];
                QCOMPARE(role(control), QAccessible::Button);
                QVERIFY(of(control)->state().focusable);
                if (id == FinestraId::FormEs4)
                    continue;
                QCOMPARE(name(control), QStringLiteral("Figura %1").arg(i + 1));
            }
        }
    }

    // The places as the pupil sees them: FormEs11's lower row runs right to
    // left in index order, FormEs14's boxes are scattered.
    void placesFollowTheScreenNotTheIndices() {
        auto* build = bench->open<FormaRotazione>(FinestraId::FormEs11);
        QCOMPARE(name(build->Image1[7]), QStringLiteral("Figura 5"));
        QCOMPARE(name(build->Image1[4]), QStringLiteral("Figura 8"));
        auto* symmetry = bench->open<TrovaSimmetria>(FinestraId::FormEs14);
        const QStringList expected = {"Figura 3", "Figura 2", "Figura 5", "Figura 4",
                                      "Figura 1", "Figura 6", "Figura 7", "Figura 8"};
        QStringList names;
        for (ImageBox* box : symmetry->Image1)
            names << name(box);
        QCOMPARE(names, expected);
    }

    void rowsModelsAndSigns() {
        auto* find = bench->open<TrovaRotazione>(FinestraId::FormEs2);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(name(find->Image2[i]), QStringLiteral("Sequenza, casella %1").arg(i + 1));
            QCOMPARE(role(find->Image2[i]), QAccessible::Graphic);
            QVERIFY(!of(find->Image2[i])->state().focusable);
        }
        QCOMPARE(name(find->Image3[0]), QStringLiteral("Senso orario"));
        QCOMPARE(role(find->Image3[0]), QAccessible::Graphic);

        auto* build = bench->open<FormaRotazione>(FinestraId::FormEs13);
        QCOMPARE(name(build->Image3[0]), QStringLiteral("Senso orario"));
        QCOMPARE(name(build->Image3[1]), QStringLiteral("Senso antiorario"));
        // Of the two signs on one rectangle only the one shown is there.
        QCOMPARE(of(build->Image3[0])->state().invisible, !build->SensoOrario);
        QCOMPARE(of(build->Image3[1])->state().invisible, build->SensoOrario);

        auto* type = bench->open<TipoRotazione>(FinestraId::FormEs4);
        QCOMPARE(name(type->Image1), QStringLiteral("Senso orario"));
        QCOMPARE(name(type->Image3), QStringLiteral("Senso antiorario"));
        QCOMPARE(role(type->Image1), QAccessible::Button);
        QCOMPARE(name(type->Image2[3]), QStringLiteral("Sequenza, casella 4"));
        QCOMPARE(role(type->Shape1), QAccessible::Graphic);
        QCOMPARE(name(type->Label3[1]), QStringLiteral("ANTIORARIA"));

        auto* symmetry = bench->open<TrovaSimmetria>(FinestraId::FormEs15);
        QCOMPARE(name(symmetry->Image2[0]), QStringLiteral("Modello"));
        QCOMPARE(name(symmetry->Image2[1]), QStringLiteral("Casella della risposta"));
        const auto lines = symmetry->findChildren<LineShape*>();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(name(lines.first()), QStringLiteral("Asse di simmetria"));
        QCOMPARE(role(lines.first()), QAccessible::Separator);
    }

    // A counter's name follows its value. (That setting the name announces
    // it is Qt's part, checked through AT-SPI by the end-to-end test.)
    void countersNameTheirValues() {
        auto* w = bench->open<TrovaSimmetria>(FinestraId::FormEs1);
        const auto right = Pupil::rightAnswers(w);
        ImageBox* wrong = nullptr;
        for (ImageBox* box : w->Image1)
            if (!right.contains(box))
                wrong = box;
        TestBench::click(wrong);
        QCOMPARE(name(w->EtichettaErrati), QStringLiteral("Errati: 1"));
        TestBench::click(wrong);
        QVERIFY(Pupil::solve(w));
        QCOMPARE(name(w->EtichettaErrati), QStringLiteral("Errati: 2"));
        QCOMPARE(name(w->EtichettaEsatti), QStringLiteral("Esatti: 1"));
        QVERIFY(!of(w->ComandoIconaSi)->state().invisible);
        QVERIFY(of(w->ComandoIconaNo)->state().invisible);
        w->MenuAzzera_Click();
        QCOMPARE(name(w->EtichettaEsatti), QStringLiteral("Esatti: 0"));
        QCOMPARE(name(w->EtichettaErrati), QStringLiteral("Errati: 0"));
    }

    // A screen reader's "press" answers exactly as a click; not once solved.
    void pressActionAnswersAsAClick() {
        auto* w = bench->open<TrovaRotazione>(FinestraId::FormEs3);
        auto* right = qobject_cast<ImageBox*>(Pupil::rightAnswers(w).value(0));
        QVERIFY(right);
        QAccessibleActionInterface* action = of(right)->actionInterface();
        QVERIFY(action);
        QVERIFY(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w->EtichettaEsatti->text(), QString(" 1"));
        QCOMPARE(w->Image2[3]->picture(), right->picture());
        QVERIFY(of(right)->state().disabled);
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(w->EtichettaEsatti->text(), QString(" 1"));
    }

    void startWindowAndMenuByCaption() {
        auto* avvio = bench->open<FormAvvio>(FinestraId::FormAvvio);
        QCOMPARE(name(avvio->BottoneAvvio), QStringLiteral("Avvio"));
        QCOMPARE(role(avvio->BottoneAvvio), QAccessible::Button);
        auto* menu = bench->open<FormMenu>(FinestraId::FormMenu);
        QCOMPARE(name(menu->Command(7)), QStringLiteral("Trova la rotazione - 4"));
        QCOMPARE(name(menu->Command(14)),
                 QStringLiteral("Trova la simmetria - asse diagonale - 1"));
        QCOMPARE(name(menu->BottoneEsci), QStringLiteral("Esci"));
        QCOMPARE(role(menu->BottoneEsci), QAccessible::Button);
    }

    // The start window and the menu are windows, as the exercise windows are.
    void everyWindowIsAWindow() {
        QCOMPARE(role(bench->open<FormAvvio>(FinestraId::FormAvvio)), QAccessible::Window);
        QCOMPARE(role(bench->open<FormMenu>(FinestraId::FormMenu)), QAccessible::Window);
        auto* w = bench->open<FinestraEsercizio>(FinestraId::FormEs6);
        QCOMPARE(role(w), QAccessible::Window);
        // The surface inside an exercise window is not a second window.
        QVERIFY(role(w->area()) != QAccessible::Window);
    }

    // The faces are pictures: nothing to press.
    void facesArePicturesWithoutActions() {
        auto* w = bench->open<FinestraEsercizio>(FinestraId::FormEs2);
        for (QWidget* face :
             {static_cast<QWidget*>(w->ComandoIconaSi), static_cast<QWidget*>(w->ComandoIconaNo)}) {
            QCOMPARE(role(face), QAccessible::Graphic);
            QAccessibleActionInterface* actions = of(face)->actionInterface();
            QVERIFY(!actions || actions->actionNames().isEmpty());
        }
    }

    // The menu bar's entries: named without the blanks that widen them, and
    // pressed as a screen reader presses them, the press returning before the
    // entry runs (it may open a message box that waits for the pupil).
    void menuBarEntriesNamedAndPressedAtOnce() {
        auto* w = bench->open<FinestraEsercizio>(FinestraId::FormEs5);
        QAccessibleInterface* bar = of(w->barraMenu());
        QCOMPARE(bar->role(), QAccessible::MenuBar);
        QCOMPARE(bar->childCount(), 3);
        const QStringList expected = {"Azzera conteggio", "Informazioni", "Esci"};
        QList<QAccessibleActionInterface*> press;
        for (int i = 0; i < 3; ++i) {
            QAccessibleInterface* entry = bar->child(i);
            QVERIFY(entry);
            QCOMPARE(entry->text(QAccessible::Name), expected[i]);
            QCOMPARE(entry->role(), QAccessible::MenuItem);
            QCOMPARE(bar->indexOfChild(entry), i);
            QCOMPARE(entry->parent(), bar);
            QVERIFY(entry->rect().contains(entry->rect().center()));
            QCOMPARE(bar->childAt(entry->rect().center().x(), entry->rect().center().y()), entry);
            QVERIFY(entry->actionInterface());
            QCOMPARE(entry->actionInterface()->actionNames(),
                     QStringList{QAccessibleActionInterface::pressAction()});
            press << entry->actionInterface();
        }
        // The same entry each time it is asked for, and the captions unchanged.
        QCOMPARE(bar->child(1), bar->child(1));
        QCOMPARE(w->MenuAzzera->text(), QStringLiteral("Azzera conteggio        "));

        QVERIFY(Pupil::solve(w));
        press[0]->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(bench->stato().NumeroEsatti, std::int16_t(1));
        QTRY_COMPARE(bench->stato().NumeroEsatti, std::int16_t(0));
        QCOMPARE(w->EtichettaEsatti->text(), QStringLiteral("0"));

        const qsizetype asked = bench->messaggi.asked.size();
        press[1]->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(bench->messaggi.asked.size(), asked);
        QTRY_COMPARE(bench->messaggi.asked.size(), asked + 1);
        QCOMPARE(bench->messaggi.asked.last().text, Modulo1::testoInformazioni());

        press[2]->doAction(QAccessibleActionInterface::pressAction()); // answered No
        QCOMPARE(bench->messaggi.asked.size(), asked + 1);
        QTRY_COMPARE(bench->messaggi.asked.size(), asked + 2);
        QCOMPARE(bench->messaggi.asked.last().text, QStringLiteral("Vuoi tornare al menù?"));
        QCOMPARE(bench->current(), static_cast<QWidget*>(w));
    }

    // The information box is read without its row of hyphens.
    void informationReadWithoutItsRule() {
        const QString spoken = QtMessageBox::spokenText(Modulo1::testoInformazioni());
        QCOMPARE(spoken, QStringLiteral("Vortelia\nhttps://www.vortelia.example\n"
                                        "mail: info@vortelia.example"));
        QCOMPARE(QtMessageBox::spokenText(QStringLiteral("Vuoi tornare al menù?")),
                 QStringLiteral("Vuoi tornare al menù?"));
        // Lines however they end; a line of rules and dots is not read.
        QCOMPARE(QtMessageBox::spokenText(
                     QStringLiteral("Prima\r\n- - - -\r\nSeconda\rTerza...\n. ~ =")),
                 QStringLiteral("Prima\nSeconda\nTerza..."));

        QtMessageBox boxes;
        QString read;
        bool stuck = false;
        OpenBox::whenShown(
            [&read](QWidget* box) {
                if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                    read = name(label);
                box->close();
            },
            &stuck);
        boxes.show(nullptr, {Modulo1::titolo(), Modulo1::testoInformazioni(),
                             MessageBoxService::Icon::Information, MessageBoxService::Buttons::Ok});
        QVERIFY(!stuck);
        QCOMPARE(read, spoken);
    }
};

VORTELIA_TEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"

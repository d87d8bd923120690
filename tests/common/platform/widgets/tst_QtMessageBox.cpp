// SPDX-License-Identifier: GPL-3.0-or-later
// The real message box, on no window of the program: its buttons in Italian,
// Return for the default one, and a box gone without an answer.

#include "support/OpenBox.h"
#include "support/TestMain.h"

#include "common/platform/system/DestroyedWindowWatcher.h"
#include "common/platform/widgets/QtMessageBox.h"

#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#ifndef VORTELIA_PORTABLE
#include <xcb/xcb.h>
#endif

namespace {

// Qt's own strings in Italian, as the program installs them.
bool loadItalian(QTranslator& translator) {
    return translator.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

enum class Gone { Deleted, WindowDestroyed, DestroyNotice };

// A box's native window destroyed by another program, as the X server
// reports it.
void sendDestroyNotice(WId id) {
#ifdef VORTELIA_PORTABLE
    Q_UNUSED(id);
#else
    xcb_destroy_notify_event_t event{};
    event.response_type = XCB_DESTROY_NOTIFY;
    event.event = xcb_window_t(id);
    event.window = xcb_window_t(id);
    DestroyedWindowWatcher watcher;
    watcher.nativeEventFilter("xcb_generic_event_t", &event, nullptr);
#endif
}

void makeGone(QWidget* box, Gone how) {
    switch (how) {
    case Gone::Deleted:
        delete box;
        break;
    case Gone::WindowDestroyed:
        DestroyedWindowWatcher::windowDestroyed(box->internalWinId());
        break;
    case Gone::DestroyNotice:
        sendDestroyNotice(box->internalWinId());
        break;
    }
}

} // namespace

class tst_QtMessageBox : public QObject {
    Q_OBJECT

private slots:
    // A message box that disappears without an answer (deleted, or its window
    // destroyed by another program) counts as closed: "No" to a question.
    void messageBoxGoneWithoutAnAnswer_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("deleted") << int(Gone::Deleted);
        QTest::newRow("window destroyed") << int(Gone::WindowDestroyed);
        QTest::newRow("destroy notice") << int(Gone::DestroyNotice);
    }
    void messageBoxGoneWithoutAnAnswer() {
        QFETCH(int, how);
#ifdef VORTELIA_PORTABLE
        if (Gone(how) == Gone::DestroyNotice)
            QSKIP("only the native X11 platform layer hears of windows other programs destroy");
#endif
        QtMessageBox boxes;
        using MB = MessageBoxService;
        for (MB::Buttons buttons : {MB::Buttons::YesNo, MB::Buttons::Ok}) {
            bool stuck = false;
            QPointer<QWidget> shown;
            OpenBox::whenShown(
                [&shown, how](QWidget* box) {
                    shown = box;
                    makeGone(box, Gone(how));
                },
                &stuck);
            const MB::Answer answer = boxes.show(nullptr, {QStringLiteral("Vortelia"),
                                                           QStringLiteral("Vuoi tornare al menù?"),
                                                           MB::Icon::Question, buttons});
            QVERIFY(!stuck);
            QCOMPARE(answer, buttons == MB::Buttons::Ok ? MB::Answer::Ok : MB::Answer::No);
            QVERIFY(shown.isNull());
            QVERIFY(!QApplication::activeModalWidget());
        }
    }

    // Return answers a question with "Sì", the box's default button, and the
    // information box with its one button; the boxes are as asked.
    void returnAnswersTheDefaultButton() {
        QTranslator italian;
        QVERIFY(loadItalian(italian));
        QVERIFY(QCoreApplication::installTranslator(&italian));
        QtMessageBox boxes;
        using MB = MessageBoxService;
        for (MB::Buttons buttons : {MB::Buttons::YesNo, MB::Buttons::Ok}) {
            const bool question = buttons == MB::Buttons::YesNo;
            bool stuck = false;
            QString defaultCaption, title, text;
            QStringList captions;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            OpenBox::whenShown(
                [&](QWidget* shown) {
                    auto* box = qobject_cast<QMessageBox*>(shown);
                    if (!box)
                        return;
                    title = box->windowTitle();
                    text = box->text();
                    icon = box->icon();
                    if (box->defaultButton())
                        defaultCaption = box->defaultButton()->text().remove(QLatin1Char('&'));
                    for (QAbstractButton* b : box->buttons())
                        captions << b->text().remove(QLatin1Char('&'));
                    QTest::keyClick(box, Qt::Key_Return);
                },
                &stuck);
            const MB::Answer answer = boxes.show(
                nullptr, {QStringLiteral("Vortelia"), QStringLiteral("Vuoi uscire dal programma?"),
                          question ? MB::Icon::Question : MB::Icon::Information, buttons});
            QVERIFY(!stuck);
            QCOMPARE(title, QStringLiteral("Vortelia"));
            QCOMPARE(text, QStringLiteral("Vuoi uscire dal programma?"));
            captions.sort();
            if (question) {
                QCOMPARE(answer, MB::Answer::Yes);
                QCOMPARE(defaultCaption, QStringLiteral("Sì"));
                QCOMPARE(captions, QStringList({QStringLiteral("No"), QStringLiteral("Sì")}));
                QCOMPARE(icon, QMessageBox::Question);
            } else {
                QCOMPARE(answer, MB::Answer::Ok);
                QCOMPARE(captions.size(), 1);
                QCOMPARE(icon, QMessageBox::Information);
            }
        }
        QCoreApplication::removeTranslator(&italian);
    }

    void parentDeletedUnderAnOpenBox() {
        QPointer<QWidget> parent = new QWidget;
        parent->show();
        bool stuck = false;
        OpenBox::whenShown([parent](QWidget*) { delete parent.data(); }, &stuck);
        QtMessageBox boxes;
        const auto answer = boxes.show(
            parent, {QStringLiteral("Vortelia"), QStringLiteral("Vuoi uscire dal programma?"),
                     MessageBoxService::Icon::Question, MessageBoxService::Buttons::YesNo});
        QVERIFY(!stuck);
        QCOMPARE(answer, MessageBoxService::Answer::No);
        QVERIFY(parent.isNull());
    }

    void italianTranslationGivesSi() {
        QTranslator translator;
        QVERIFY(loadItalian(translator));
        QCOMPARE(translator.translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sì"));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No);
        const QString yes = box.button(QDialogButtonBox::Yes)->text();
        const QString no = box.button(QDialogButtonBox::No)->text();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(QString(yes).remove(QLatin1Char('&')), QStringLiteral("Sì"));
        QCOMPARE(QString(no).remove(QLatin1Char('&')), QStringLiteral("No"));
    }
};

VORTELIA_TEST_MAIN(tst_QtMessageBox)
#include "tst_QtMessageBox.moc"

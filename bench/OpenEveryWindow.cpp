// SPDX-License-Identifier: GPL-3.0-or-later
// The program's walk for the memory probe: from the start window to the menu,
// then every exercise window in turn and back to the menu through "Esci",
// answering its question with "Sì" as a pupil would.

#include "FirstPaintHook.h"

#include "app/FormAvvio.h"
#include "app/FormMenu.h"
#include "common/frame/FinestraEsercizio.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSet>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

template <typename W> W* shown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<W*>(w); found && found->isVisible())
            return found;
    return nullptr;
}

// Deletes unloaded windows and paints the new one, as the event loop would.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

void answerYesSoon() {
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Yes)->click();
        else
            answerYesSoon();
    });
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench walk: %s\n", what);
    std::fflush(stderr);
    std::_Exit(3);
}

} // namespace

void benchOpenEveryWindow() {
    FormAvvio* avvio = shown<FormAvvio>();
    if (!avvio)
        fail("no start window");
    avvio->BottoneAvvio_Click();
    settle();
    QSet<int> opened;
    for (int number = 1; number <= 15; ++number) {
        FormMenu* menu = shown<FormMenu>();
        if (!menu)
            fail("no menu");
        menu->Command_Click(number);
        settle();
        FinestraEsercizio* window = shown<FinestraEsercizio>();
        if (!window)
            fail("no exercise window");
        opened.insert(int(window->id()));
        answerYesSoon();
        window->mnuEsci_Click();
        settle();
    }
    if (opened.size() != 15)
        fail("not every exercise window opened");
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestBench.h"

#include "app/CatalogoFinestre.h"
#include "app/FormChiSei.h"
#include "common/Registrazione.h"
#include "common/platform/widgets/PictureButton.h"

#include <QApplication>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <QWindow>

#include <algorithm>

TestBench::TestBench(const QString& applicationFolder)
    : TestBench(applicationFolder, creaFinestra, nullptr) {}

TestBench::TestBench(Programma::Fabbrica fabbrica, MessageBoxService* boxes)
    : TestBench(QStringLiteral(VORTELIA_APP_DIR), std::move(fabbrica), boxes) {}

TestBench::TestBench(Classe classe)
    : TestBench(QStringLiteral(VORTELIA_APP_DIR), creaFinestra, nullptr, std::move(classe)) {}

TestBench::TestBench(RegistroInUso inUso)
    : TestBench(QStringLiteral(VORTELIA_APP_DIR), creaFinestra, nullptr, std::nullopt,
                std::move(inUso)) {}

TestBench::TestBench(const QString& applicationFolder, Programma::Fabbrica fabbrica,
                     MessageBoxService* boxes, const std::optional<Classe>& classe,
                     RegistroInUso inUso)
    : figure(applicationFolder),
      programma(
          rnd, boxes ? *boxes : messaggi, interruttore, figure, applicationFolder,
          std::move(fabbrica), [this] { ++quitCalls; },
          classe ? RegistroInUso{&registro, classe->nomi} : std::move(inUso), &orologio) {}

TestBench::~TestBench() {
    settleFrames();
}

bool TestBench::chiSei(const QString& alunno) {
    auto* chiSei = open<FormChiSei>(FinestraId::FormMenu);
    if (!chiSei)
        return false;
    for (PictureButton* nome : std::as_const(chiSei->BottoneNome))
        if (nome->accessibleName() == alunno) {
            click(nome);
            flush();
            return programma.registrazione().alunno() == alunno;
        }
    return false;
}

void TestBench::settleFrames() {
    // Qt's Wayland client (6.4) dispatches the compositor's frame callbacks
    // on a thread of its own: a window destroyed while one is on its way can
    // be freed twice (wl_proxy_unref aborts). A window's update request
    // waits for that callback, so once it has come the window can go.
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return;
    flush();
    struct Answers : QObject {
        QSet<const QObject*> answered;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::UpdateRequest)
                answered.insert(watched);
            return false;
        }
    } answers;
    QList<QPointer<QWindow>> waiting;
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (window->isExposed()) {
            window->installEventFilter(&answers);
            window->requestUpdate();
            waiting << window;
        }
    // A window the compositor never answers goes all the same.
    [[maybe_unused]] const bool answered = QTest::qWaitFor(
        [&] {
            return std::all_of(waiting.begin(), waiting.end(), [&](const QPointer<QWindow>& w) {
                return !w || answers.answered.contains(w.data());
            });
        },
        2000);
    for (const QPointer<QWindow>& window : waiting)
        if (window)
            window->removeEventFilter(&answers);
}

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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchServices.h"

#include "app/CatalogoFinestre.h"
#include "common/ModuloColoriSuoni.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMetaEnum>
#include <QScreen>
#include <QSoundEffect>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Bench {

Services::Services()
    : folder(QCoreApplication::applicationDirPath()),
      pixelSide(std::min(
          240, int(std::ceil(120 * QGuiApplication::primaryScreen()->devicePixelRatio())))) {
    rnd.seed(20240611);
    suoni.preload(ModuloColoriSuoni::percorsiSuoni(folder));
    // The program has seconds between start and the first answer: let the
    // sounds finish loading so that a click finds them as a pupil's would.
    QElapsedTimer waited;
    waited.start();
    const auto loading = [this] {
        for (QSoundEffect* e : suoni.findChildren<QSoundEffect*>())
            if (e->status() == QSoundEffect::Loading)
                return true;
        return false;
    };
    while (loading() && waited.elapsed() < 3000)
        QTest::qWait(10);
    QStringList states;
    for (QSoundEffect* e : suoni.findChildren<QSoundEffect*>())
        states << QString::fromLatin1(
            QMetaEnum::fromType<QSoundEffect::Status>().valueToKey(e->status()));
    soundStates = states.join(QLatin1Char(' '));
}

Instance::Instance(Services& s, const QString& folder)
    : figure(folder, s.pixelSide),
      programma(s.rnd, s.messaggi, s.interruttore, figure, folder, creaFinestra, [] {}) {}

void Instance::decodeEveryPicture() {
    for (char letter = 'a'; letter <= 'z'; ++letter)
        for (int n = 1; n <= 8; ++n)
            figure.immagine(QLatin1Char(letter), n);
}

BareLabels::BareLabels(int n) {
    for (int i = 0; i < n; ++i) {
        auto* label = new QLabel(&window);
        label->setGeometry(8 + (i % 4) * 128, 8 + (i / 4) * 128, 120, 120);
        label->setScaledContents(true);
        labels << label;
    }
    window.resize(8 + 4 * 128, 8 + 2 * 128);
    window.show();
    TestBench::flush();
}

QString jpg(const QString& folder, int sample, int n) {
    return QStringLiteral("%1/jpg/%2%3.jpg").arg(folder).arg(QChar(u'a' + sample % 26)).arg(n);
}

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "click did not do its work: %s\n", what);
    std::exit(1);
}

} // namespace Bench

// SPDX-License-Identifier: GPL-3.0-or-later
// The sound system, loaded from beside the program when first asked for.

#include "common/platform/sound/LazySoundPlayer.h"
#include "support/TestMain.h"

#include <QtTest>

class tst_LazySoundPlayer : public QObject {
    Q_OBJECT

private slots:
    // The sound system is loaded when first asked for, from beside the
    // program; a module that is not there leaves the program running.
    void soundSystemLoadedWhenAskedFor() {
        LazySoundPlayer player(QStringLiteral(VORTELIA_APP_DIR "/") +
                               LazySoundPlayer::moduleName());
        QVERIFY(!player.loaded());
        player.setVolume(0.5); // kept: nothing is loaded for it
        QVERIFY(!player.loaded());
        player.preload({QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav")});
        QVERIFY(player.loaded());
        player.play(QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav"));

        LazySoundPlayer missing(QStringLiteral(VORTELIA_APP_DIR "/nessuno.so"));
        missing.preload({QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav")});
        missing.play(QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav"));
        QVERIFY(!missing.loaded());
    }
};

VORTELIA_TEST_MAIN(tst_LazySoundPlayer)
#include "tst_LazySoundPlayer.moc"

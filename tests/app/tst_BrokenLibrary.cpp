// SPDX-License-Identifier: GPL-3.0-or-later
// What the program does with a damaged picture or sound library, made in a
// temporary folder for each case: it never crashes, says what is missing,
// leaves broken figures out of the draws and keeps every exercise solvable.

#include "common/frame/FigureNelleCaselle.h"
#include "support/Pupil.h"
#include "support/TempLibrary.h"
#include "support/TestBench.h"
#include "support/TestMain.h"

#include "app/ControlloDati.h"
#include "app/FormMenu.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/library/BibliotecaFigure.h"
#include "common/library/VistaFigura.h"
#include "common/platform/sound/QtSoundPlayer.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_find/TrovaRotazione.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

const QList<FinestraId> allWindows = [] {
    QList<FinestraId> ids;
    for (int n = 1; n <= 15; ++n)
        ids << formEs(n);
    return ids;
}();

// A stored view as the library decodes it for boxes of that side.
QImage decodedAt(const QString& name, int lato) {
    QImageReader reader(TempLibrary::original(name));
    const QSize size = reader.size();
    if (size.width() > lato || size.height() > lato)
        reader.setScaledSize(VistaFigura::misuraDecodificata(size, lato));
    return reader.read();
}

} // namespace

class tst_BrokenLibrary : public QObject {
    Q_OBJECT

    // Opens every exercise window and solves a few exercises in each.
    void everyExerciseSolvable(TestBench& bench, QChar forbidden = QChar()) {
        for (FinestraId id : allWindows) {
            auto* w = bench.open<FinestraEsercizio>(id);
            QVERIFY(w);
            for (int round = 0; round < 5; ++round) {
                QVERIFY(Pupil::waitForExercise(w));
                for (auto* box : w->area()->findChildren<ImageBox*>()) {
                    QVERIFY2(!box->isMissing(), "a placeholder in a usable exercise");
                    if (!forbidden.isNull() && box->picture())
                        for (int n = 1; n <= 8; ++n)
                            QVERIFY(box->picture() != bench.figure.immagine(forbidden, n));
                }
                QVERIFY(Pupil::solve(w));
                w->BottoneAvanti_Click();
            }
        }
    }

private slots:
    void cleanup() { TestBench::flush(); }

    void brokenFiles_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("missing");
        QTest::newRow("one file missing") << "missing" << 1;
        QTest::newRow("zero-byte file") << "empty" << 1;
        QTest::newRow("random bytes") << "random" << 1;
        QTest::newRow("png named jpg") << "png" << 0;
        QTest::newRow("huge pictures") << "huge" << 0;
    }
    void brokenFiles() {
        QFETCH(QString, damage);
        QFETCH(int, missing);
        TempLibrary library;
        if (damage == "missing") {
            QVERIFY(QFile::remove(library.file("x3.jpg")));
        } else if (damage == "empty") {
            QVERIFY(library.write("x3.jpg", {}));
        } else if (damage == "random") {
            QByteArray noise(20000, '\0');
            for (char& c : noise)
                c = char(QRandomGenerator::global()->generate());
            QVERIFY(library.write("x3.jpg", noise));
        } else if (damage == "png") {
            QImage image(library.file("x3.jpg"));
            QVERIFY(QFile::remove(library.file("x3.jpg")));
            QVERIFY(image.save(library.file("x3.jpg"), "PNG"));
        } else if (damage == "huge") {
            for (int n = 1; n <= 8; ++n) {
                const QString name = QString("x%1.jpg").arg(n);
                const QImage image = QImage(library.file(name)).scaled(3000, 3000);
                QVERIFY(image.save(library.file(name), "JPG", 90));
            }
        }
        TestBench bench(library.folder());
        QCOMPARE(bench.figure.verifica().inutilizzabili.size(), missing);
        QCOMPARE(bench.figure.preparaLettera('x'), missing == 0);
        if (missing == 0) {
            const PicturePtr p = bench.figure.immagine('x', 3);
            QVERIFY(p);
            QVERIFY(p->image().width() <= 240); // a huge file is decoded to the boxes' size
        }

        // The start-up message names the folder and the count.
        ControlloDati::controlla(bench.ctx(), nullptr);
        QCOMPARE(bench.messaggi.asked.size(), missing ? 1 : 0);
        if (missing) {
            const auto& box = bench.messaggi.asked.first();
            QCOMPARE(box.title, QString("Vortelia"));
            QCOMPARE(box.icon, MessageBoxService::Icon::Information);
            QVERIFY(box.text.startsWith("Manca 1 immagine nella cartella "));
            QVERIFY(box.text.contains("(x3.jpg)"));
            QVERIFY(box.text.contains(QDir::toNativeSeparators(library.jpg())));
        }
        everyExerciseSolvable(bench, missing ? QChar('x') : QChar());
    }

    // Names as a FAT stick or Windows may write them.
    void upperCaseNames() {
        TempLibrary library;
        QDir jpg(library.jpg());
        for (const QString& name : jpg.entryList({"*.jpg"})) {
            const QString other = name.startsWith('a') ? name.toUpper() : name.chopped(3) + "JPG";
            QVERIFY(jpg.rename(name, other));
        }
        // Both spellings: the exact one is read, the other is not even usable.
        QVERIFY(QFile::copy(TempLibrary::original("b2.jpg"), library.file("b2.jpg")));
        QVERIFY(library.write(
            "b2.JPG", TempLibrary::encoded(QImage(TempLibrary::original("b5.jpg")).scaled(1, 1))));
        TestBench bench(library.folder());
        QVERIFY(bench.figure.verifica().inutilizzabili.isEmpty());
        QVERIFY(bench.figure.preparaLettera('a'));
        QVERIFY(bench.figure.preparaLettera('b'));
        const int lato = bench.figure.latoPixel();
        QCOMPARE(bench.figure.immagine('a', 1)->image(), decodedAt("a1.jpg", lato));
        QCOMPARE(bench.figure.immagine('b', 2)->image(), decodedAt("b2.jpg", lato));
        everyExerciseSolvable(bench);
    }

    // A file cut short decodes with a grey lower part: it is not a picture.
    void truncatedPictures_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("usable");
        QTest::newRow("cut in half") << "half" << false;
        QTest::newRow("progressive, cut") << "progressive cut" << false;
        QTest::newRow("progressive, whole") << "progressive" << true;
        QTest::newRow("bytes after the end") << "trailing" << true;
    }
    void truncatedPictures() {
        QFETCH(QString, damage);
        QFETCH(bool, usable);
        TempLibrary library;
        const QImage a1(TempLibrary::original("a1.jpg"));
        if (damage == "half") {
            QVERIFY(library.truncate("a1.jpg"));
        } else if (damage.startsWith("progressive")) {
            const QByteArray bytes = TempLibrary::encoded(a1, "JPG", true);
            QVERIFY(library.write(
                "a1.jpg", damage == "progressive" ? bytes : bytes.left(bytes.size() * 2 / 3)));
        } else if (damage == "trailing") {
            QFile original(TempLibrary::original("a1.jpg"));
            QVERIFY(original.open(QIODevice::ReadOnly));
            QVERIFY(library.write("a1.jpg", original.readAll() + QByteArray(5000, 'x')));
        }
        TestBench bench(library.folder());
        const VerificaFigure::Esito esito = bench.figure.verifica();
        QCOMPARE(esito.inutilizzabili, usable ? QStringList() : QStringList{"a1.jpg"});
        QCOMPARE(bench.figure.preparaLettera('a'), usable);
        if (!usable)
            everyExerciseSolvable(bench, 'a');
    }

    // Pictures too small to show anything, or views of one figure that do
    // not match, make a letter unusable; a few pixels do not.
    void picturesOfTheWrongSize_data() {
        QTest::addColumn<QList<int>>("views"); // which views of "a" are replaced
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("unusable");
        // Sizes beside the stored views' own.
        const QSize stored = QImage(TempLibrary::original("a1.jpg")).size();
        const int w = stored.width(), h = stored.height();
        QTest::newRow("1x1") << QList<int>{1} << QSize(1, 1) << QStringList{"a1.jpg"};
        QTest::newRow("31 pixels") << QList<int>{1} << QSize(31, 31) << QStringList{"a1.jpg"};
        QTest::newRow("one view smaller")
            << QList<int>{3} << QSize(w * 5 / 6, h * 5 / 6) << QStringList{"a3.jpg"};
        QTest::newRow("two views wider")
            << QList<int>{6, 7} << QSize(w * 5 / 4, h) << QStringList{"a6.jpg", "a7.jpg"};
        QTest::newRow("a few pixels off")
            << QList<int>{3, 8} << QSize(w + 3, h - 2) << QStringList();
        QTest::newRow("a whole letter at 64")
            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << QSize(64, 64) << QStringList();
    }
    void picturesOfTheWrongSize() {
        QFETCH(QList<int>, views);
        QFETCH(QSize, size);
        QFETCH(QStringList, unusable);
        TempLibrary library;
        for (int n : views) {
            const QString name = QString("a%1.jpg").arg(n);
            const QImage scaled = QImage(TempLibrary::original(name)).scaled(size);
            QVERIFY(library.write(name, TempLibrary::encoded(scaled)));
        }
        TestBench bench(library.folder());
        QCOMPARE(bench.figure.verifica().inutilizzabili, unusable);
        QCOMPARE(bench.figure.preparaLettera('a'), unusable.isEmpty());
        ControlloDati::controlla(bench.ctx(), nullptr);
        QCOMPARE(bench.messaggi.asked.size(), unusable.isEmpty() ? 0 : 1);
        if (!unusable.isEmpty()) {
            QVERIFY(bench.messaggi.asked[0].text.contains(
                unusable.size() == 1 ? "Manca 1 immagine" : "Mancano 2 immagini"));
            everyExerciseSolvable(bench, 'a');
        }
    }

    // The message names the first five files, then how many more.
    void messageNamesTheFiles_data() {
        QTest::addColumn<int>("missing");
        QTest::addColumn<QString>("names");
        QTest::newRow("one") << 1 << "(a1.jpg):";
        QTest::newRow("three") << 3 << "(a1.jpg, a2.jpg, a3.jpg):";
        QTest::newRow("five") << 5 << "(a1.jpg, a2.jpg, a3.jpg, a4.jpg, a5.jpg):";
        QTest::newRow("six") << 6 << "(a1.jpg, a2.jpg, a3.jpg, a4.jpg, a5.jpg e un'altra):";
        QTest::newRow("twelve") << 12 << "(a1.jpg, a2.jpg, a3.jpg, a4.jpg, a5.jpg e altre 7):";
    }
    void messageNamesTheFiles() {
        QFETCH(int, missing);
        QFETCH(QString, names);
        TempLibrary library;
        for (int i = 0; i < missing; ++i)
            QVERIFY(library.remove(QString("%1%2.jpg").arg(QChar('a' + i / 8)).arg(i % 8 + 1)));
        TestBench bench(library.folder());
        ControlloDati::controlla(bench.ctx(), nullptr);
        QCOMPARE(bench.messaggi.asked.size(), 1);
        const QString text = bench.messaggi.asked[0].text;
        const QString where = QDir::toNativeSeparators(library.jpg());
        if (missing == 1)
            QCOMPARE(text, "Manca 1 immagine nella cartella " + where + " " + names +
                               " gli esercizi con questa figura non si possono svolgere.");
        else
            QCOMPARE(text, QString("Mancano %1 immagini nella cartella ").arg(missing) + where +
                               " " + names +
                               " gli esercizi con queste figure non si possono svolgere.");
    }

    void brokenLetterIsDrawnAgain() {
        TempLibrary library;
        QVERIFY(QFile::remove(library.file("c3.jpg")));
        TestBench bench(library.folder());
        // Colour, then 'c' (unusable) and 'f': one draw more than usual.
        bench.rnd.scriptDraws({{0, 18}, {2, 26}, {5, 26}, {0, 4}, {1, 4}, {2, 4}, {3, 4}, {0, 4}});
        auto* w = bench.open<TrovaRotazione>(FinestraId::FormEs2);
        QCOMPARE(bench.rnd.taken(), 8);
        QCOMPARE(w->Image1[0]->picture(), bench.figure.immagine('f', 1));
        QCOMPARE(w->Image2[0]->picture(), bench.figure.immagine('f', 1));
    }

    // The library's own draw, without a window: a letter that cannot be read
    // is never given, and one value is drawn over all the letters each time,
    // those set aside drawn again; with none left, no letter.
    void libraryDrawGivesOnlyReadableLetters() {
        TempLibrary library;
        QVERIFY(library.remove("c3.jpg"));
        TestBench bench(library.folder());
        bench.rnd.scriptDraws({{2, 26}, {2, 26}, {5, 26}}); // c, c again, f
        QCOMPARE(bench.figure.estraiLettera(bench.rnd), QChar('f'));
        QCOMPARE(bench.rnd.taken(), 3);

        QVERIFY(library.takeAway());
        bench.rnd.resetCount();
        for (int l = 0; l < 26; ++l)
            bench.rnd.scriptDraws({{l, 26}});
        QVERIFY(bench.figure.estraiLettera(bench.rnd).isNull());
        QCOMPARE(bench.rnd.taken(), 26);
    }

    void completeLibraryKeepsTheUsualDraws() {
        TestBench bench;
        QVERIFY(bench.figure.verifica().inutilizzabili.isEmpty());
        bench.rnd.scriptDraws({{0, 18}, {2, 26}, {0, 4}, {1, 4}, {2, 4}, {3, 4}, {0, 4}});
        auto* w = bench.open<TrovaRotazione>(FinestraId::FormEs2);
        QCOMPARE(bench.rnd.taken(), 7);
        QCOMPARE(w->Image1[0]->picture(), bench.figure.immagine('c', 1));
    }

    void noPicturesAtAll() {
        QTemporaryDir empty;
        TestBench bench(empty.path());
        QCOMPARE(bench.figure.verifica().inutilizzabili.size(), 208);
        QVERIFY(!bench.figure.qualcheLettera());
        ControlloDati::controlla(bench.ctx(), nullptr);
        QCOMPARE(bench.messaggi.asked.size(), 1);
        QVERIFY(bench.messaggi.asked[0].text.contains("non ci sono le immagini"));
        // Every exercise button says so and the menu stays.
        auto* menu = bench.open<FormMenu>(FinestraId::FormMenu);
        for (int n = 1; n <= 15; ++n) {
            TestBench::click(menu->Command(n));
            TestBench::flush();
            QCOMPARE(bench.current(), menu);
        }
        QCOMPARE(bench.messaggi.asked.size(), 16);
        QCOMPARE(TestBench::visibleWindows(), 1);
    }

    void pictureRemovedWhileRunning() {
        TempLibrary library;
        TestBench bench(library.folder()); // nothing decoded yet
        QVERIFY(QFile::remove(library.file("k5.jpg")));
        ImageBox box;
        box.resize(120, 120);
        FigureNelleCaselle::carica(bench.figure, box, 'k', 5);
        QVERIFY(box.isMissing());
        const QImage shown = box.grab().toImage();
        QVERIFY(shown.pixelColor(60, 60) != QColor(Qt::transparent)); // a visible placeholder
        ImageBox copy;
        copy.takePictureOf(box);
        QVERIFY(copy.isMissing());
        FigureNelleCaselle::carica(bench.figure, box, 'k', 4);
        QVERIFY(!box.isMissing() && box.picture());
    }

    void damagedSounds() {
        TempLibrary library;
        const QString truncated = library.folder() + "/suoni/si1.wav";
        const QString noise = library.folder() + "/suoni/si2.wav";
        const QString missing = library.folder() + "/suoni/no.wav";
        QFile source(QStringLiteral(VORTELIA_APP_DIR "/suoni/si1.wav"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QFile out(truncated);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(source.read(44)); // the header alone
        out.close();
        QFile garbage(noise);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(20000, 'x'));
        garbage.close();

        int beeps = 0;
        QtSoundPlayer player([&beeps] { ++beeps; });
        player.preload({truncated, noise, missing});
        // A header without its sound beeps at once: it would never load.
        player.play(truncated);
        QCOMPARE(beeps, 1);
        player.play(missing);
        QCOMPARE(beeps, 2);

        // An undecodable file beeps once the decoder has judged it...
        QSoundEffect* judged = nullptr;
        for (QSoundEffect* effect : player.findChildren<QSoundEffect*>())
            if (effect->source() == QUrl::fromLocalFile(noise))
                judged = effect;
        QVERIFY(judged);
        QTRY_COMPARE_WITH_TIMEOUT(judged->status(), QSoundEffect::Error,
                                  TestBench::backgroundDeadline);
        QCOMPARE(beeps, 2); // the verdict alone is silent
        player.play(noise);
        QCOMPARE(beeps, 3);

        // ... and a play asked for before the verdict beeps once, when it
        // comes (on a slow machine the verdict may already be there).
        int lateBeeps = 0;
        QtSoundPlayer fresh([&lateBeeps] { ++lateBeeps; });
        fresh.play(noise);
        QTRY_COMPARE_WITH_TIMEOUT(lateBeeps, 1, TestBench::backgroundDeadline);
        QCoreApplication::processEvents();
        QCOMPARE(lateBeeps, 1);
    }
};

VORTELIA_TEST_MAIN(tst_BrokenLibrary)
#include "tst_BrokenLibrary.moc"

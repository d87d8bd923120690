// What the program does with a damaged picture or sound library, made in a
// temporary folder for each case: it never crashes, says what is missing,
// leaves broken figures out of the draws and keeps every exercise solvable.

#include "doubles/Pupil.h"
#include "doubles/TestBench.h"

#include "app/ControlloDati.h"
#include "app/FormMenu.h"
#include "common/FigureLibrary.h"
#include "common/FinestraEsercizio.h"
#include "common/platform/ImageBox.h"
#include "common/platform/PictureButton.h"
#include "common/platform/QtSoundPlayer.h"
#include "exercises/rotation_find/TrovaRotazione.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

// A copy of the real library whose damage each test chooses.
class Library {
public:
    Library() {
        QDir().mkpath(jpg());
        QDir().mkpath(dir.path() + "/suoni");
        const QDir source(QStringLiteral(VORTELIA_APP_DIR "/jpg"));
        for (const QString& name : source.entryList({"*.jpg"}))
            QFile::copy(source.filePath(name), jpg() + '/' + name);
    }
    QString folder() const { return dir.path(); }
    QString jpg() const { return dir.path() + "/jpg"; }
    QString file(const char* name) const { return jpg() + '/' + name; }
    void write(const char* name, const QByteArray& bytes) const {
        QFile f(file(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    QTemporaryDir dir{QDir::tempPath() + "/Esercizi più belli XXXXXX"};
};

const QList<FinestraId> allWindows = [] {
    QList<FinestraId> ids;
    for (int n = 1; n <= 15; ++n)
        ids << formEs(n);
    return ids;
}();

} // namespace

class tst_BrokenLibrary : public QObject {
    Q_OBJECT

    // Opens every exercise window and solves a few exercises in each.
    void everyExerciseSolvable(TestBench& bench, QChar forbidden = QChar()) {
        for (FinestraId id : allWindows) {
            auto* w = bench.open<FinestraEsercizio>(id);
            QVERIFY(w);
            for (int round = 0; round < 5; ++round) {
                for (auto* box : w->area()->findChildren<ImageBox*>()) {
                    QVERIFY2(!box->isMissing(), "a placeholder in a usable exercise");
                    if (!forbidden.isNull() && box->picture())
                        for (int n = 1; n <= 8; ++n)
                            QVERIFY(box->picture() != bench.figure.picture(forbidden, n));
                }
                QVERIFY(Pupil::solve(w, bench.stato()));
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
        QTest::newRow("huge picture") << "huge" << 0;
    }
    void brokenFiles() {
        QFETCH(QString, damage);
        QFETCH(int, missing);
        Library library;
        if (damage == "missing") {
            QVERIFY(QFile::remove(library.file("x3.jpg")));
        } else if (damage == "empty") {
            library.write("x3.jpg", {});
        } else if (damage == "random") {
            QByteArray noise(20000, '\0');
            for (char& c : noise)
                c = char(QRandomGenerator::global()->generate());
            library.write("x3.jpg", noise);
        } else if (damage == "png") {
            QImage image(library.file("x3.jpg"));
            QVERIFY(QFile::remove(library.file("x3.jpg")));
            QVERIFY(image.save(library.file("x3.jpg"), "PNG"));
        } else if (damage == "huge") {
            QImage image = QImage(library.file("x3.jpg")).scaled(4000, 4000);
            QVERIFY(image.save(library.file("x3.jpg"), "JPG", 90));
        }
        TestBench bench(library.folder());
        QCOMPARE(bench.figure.verifica(), missing);
        QCOMPARE(bench.figure.letteraUtilizzabile('x'), missing == 0);
        if (missing == 0) {
            const PicturePtr p = bench.figure.picture('x', 3);
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
            QVERIFY(box.text.contains(QDir::toNativeSeparators(library.jpg())));
        }
        everyExerciseSolvable(bench, missing ? QChar('x') : QChar());
    }

    void brokenLetterIsDrawnAgain() {
        Library library;
        QVERIFY(QFile::remove(library.file("c3.jpg")));
        TestBench bench(library.folder());
        bench.figure.verifica();
        // Colour, then 'c' (unusable) and 'f': one draw more than usual.
        bench.rnd.scriptDraws({{0, 18}, {2, 26}, {5, 26}, {0, 4}, {1, 4}, {2, 4}, {3, 4}, {0, 4}});
        auto* w = bench.open<TrovaRotazione>(FinestraId::FormEs2);
        QCOMPARE(bench.rnd.taken(), 8);
        QCOMPARE(w->Image1[0]->picture(), bench.figure.picture('f', 1));
        QCOMPARE(w->Image2[0]->picture(), bench.figure.picture('f', 1));
    }

    void completeLibraryKeepsTheUsualDraws() {
        TestBench bench;
        QCOMPARE(bench.figure.verifica(), 0);
        bench.rnd.scriptDraws({{0, 18}, {2, 26}, {0, 4}, {1, 4}, {2, 4}, {3, 4}, {0, 4}});
        auto* w = bench.open<TrovaRotazione>(FinestraId::FormEs2);
        QCOMPARE(bench.rnd.taken(), 7);
        QCOMPARE(w->Image1[0]->picture(), bench.figure.picture('c', 1));
    }

    void noPicturesAtAll() {
        QTemporaryDir empty;
        TestBench bench(empty.path());
        QCOMPARE(bench.figure.verifica(), 208);
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
        Library library;
        TestBench bench(library.folder()); // nothing decoded yet
        QVERIFY(QFile::remove(library.file("k5.jpg")));
        ImageBox box;
        box.resize(120, 120);
        bench.figure.load(box, 'k', 5);
        QVERIFY(box.isMissing());
        const QImage shown = box.grab().toImage();
        QVERIFY(shown.pixelColor(60, 60) != QColor(Qt::transparent)); // a visible placeholder
        ImageBox copy;
        copy.takePictureOf(box);
        QVERIFY(copy.isMissing());
        bench.figure.load(box, 'k', 4);
        QVERIFY(!box.isMissing() && box.picture());
    }

    void damagedSounds() {
        Library library;
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
        player.play(truncated);
        player.play(missing);
        QCOMPARE(beeps, 1);

        // An undecodable file beeps once the decoder has judged it...
        QSoundEffect* judged = nullptr;
        for (QSoundEffect* effect : player.findChildren<QSoundEffect*>())
            if (effect->source() == QUrl::fromLocalFile(noise))
                judged = effect;
        QVERIFY(judged);
        QTRY_COMPARE(judged->status(), QSoundEffect::Error);
        QCOMPARE(beeps, 1); // the verdict alone is silent
        player.play(noise);
        QCOMPARE(beeps, 2);

        // ... and a play asked for before the verdict beeps when it comes.
        int lateBeeps = 0;
        QtSoundPlayer fresh([&lateBeeps] { ++lateBeeps; });
        fresh.play(noise);
        QCOMPARE(lateBeeps, 0);
        QTRY_COMPARE(lateBeeps, 1);
    }
};

QTEST_MAIN(tst_BrokenLibrary)
#include "tst_BrokenLibrary.moc"

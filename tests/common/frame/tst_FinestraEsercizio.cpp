// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every exercise window shares: counters, faces, "avanti", the
// menu entries, activation, the layouts read back from the widgets, and the
// entries it hands the class record.

#include "support/BenchFixture.h"
#include "support/Pupil.h"
#include "support/TestBench.h"
#include "support/TestMain.h"

#include "app/FormMenu.h"
#include "common/Colori.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/platform/widgets/FrameShape.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/LineShape.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"
#include "exercises/rotation_type/TipoRotazione.h"
#include "exercises/symmetry_find/TrovaSimmetria.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

namespace {

// An exercise with eight answer boxes and no pictures: it lets the frame be
// driven on its own.
class EsercizioProva : public FinestraEsercizio {
public:
    explicit EsercizioProva(Contesto& ctx) : FinestraEsercizio(ctx, FinestraId::FormEs11, "prova") {
        for (int i = 0; i < 8; ++i)
            boxes << caselle().figura({120 + 1920 * (i % 4), 2160 + 1920 * (i / 4)},
                                      std::int16_t(i), false);
    }
    void NuovoEsercizio() override {
        ++setups;
        CaricaColori();
    }
    void preparaEsercizio(QChar) override {}
    QList<QWidget*> controlliRisposta() const override { return {boxes.begin(), boxes.end()}; }

    QList<ImageBox*> boxes;
    int setups = 0;
};

// Two groups of candidates made one after the other.
class DueGruppi : public FinestraEsercizio {
public:
    explicit DueGruppi(Contesto& ctx) : FinestraEsercizio(ctx, FinestraId::FormEs11, "prova") {
        primi = caselle().candidati({{120, 2160}, {2040, 2160}}, [](std::int16_t) {});
        secondi =
            caselle().candidati({{120, 4080}, {2040, 4080}, {3960, 4080}}, [](std::int16_t) {});
    }
    void preparaEsercizio(QChar) override {}

    QList<ImageBox*> primi, secondi;
};

// The groups of dark columns (the digits) a counter shows, and whether any
// dark pixel touches the label's right or bottom edge, where a cut would be.
struct Cifre {
    int gruppi = 0;
    bool tagliate = false;
};

Cifre cifreMostrate(QLabel* label) {
    const QImage image = label->grab().toImage();
    const auto dark = [&image](int x, int y) { return qGray(image.pixel(x, y)) < 100; };
    Cifre cifre;
    bool inGroup = false;
    for (int x = 0; x < image.width(); ++x) {
        bool column = false;
        for (int y = 0; y < image.height(); ++y)
            column = column || dark(x, y);
        if (column && !inGroup)
            ++cifre.gruppi;
        inGroup = column;
    }
    for (int y = 0; y < image.height(); ++y)
        cifre.tagliate = cifre.tagliate || dark(image.width() - 1, y);
    for (int x = 0; x < image.width(); ++x)
        cifre.tagliate = cifre.tagliate || dark(x, image.height() - 1);
    return cifre;
}

bool allEnabled(const FinestraEsercizio& w, bool enabled) {
    const auto controls = w.controlliRisposta();
    return std::all_of(controls.begin(), controls.end(),
                       [enabled](QWidget* c) { return c->isEnabled() == enabled; });
}

// The view a box shows, as its picture's file names it: letter and number.
std::pair<QChar, int> vistaDi(const QWidget* control) {
    const auto* box = qobject_cast<const ImageBox*>(control);
    const QString nome = box && box->picture() ? QFileInfo(box->picture()->file()).baseName() : "";
    return {nome.isEmpty() ? QChar() : nome.front(), nome.mid(1).toInt()};
}

QString numeri(const QList<QWidget*>& controls) {
    QStringList numeri;
    for (const QWidget* control : controls)
        numeri << QString::number(vistaDi(control).second);
    return numeri.join(' ');
}

// What the window shows, as the record is told it, read from the screen.
QString mostrato(FinestraEsercizio* w) {
    const QString candidati = "candidati " + numeri(w->controlliInOrdine());
    if (auto* t = qobject_cast<TrovaRotazione*>(w))
        return QString("sequenza %1; senso orario; %2")
            .arg(numeri({t->Image2[0], t->Image2[1], t->Image2[2]}), candidati);
    if (auto* f = qobject_cast<FormaRotazione*>(w))
        return QString("inizio %1; senso orario; %2").arg(numeri({f->Image2[0]}), candidati);
    if (auto* s = qobject_cast<TrovaSimmetria*>(w))
        return QString("modello %1; %2").arg(numeri({s->Image2[0]}), candidati);
    auto* r = qobject_cast<TipoRotazione*>(w);
    const bool orario = Pupil::rightAnswers(r).value(0) == r->Image1;
    return QString("sequenza %1; senso %2; segni antiorario orario")
        .arg(numeri({r->Image2.begin(), r->Image2.end()}), orario ? "orario" : "antiorario");
}

} // namespace

class tst_FinestraEsercizio : public BenchFixture {
    Q_OBJECT

    EsercizioProva* prova = nullptr;

    void benchReady() override {
        prova = new EsercizioProva(bench->ctx());
        prova->show();
        prova->Form_Activate();
    }
    void benchDone() override { delete prova; }

    // The fixture's program again, with the class record on and Anna playing.
    bool conAnna() {
        delete prova;
        prova = nullptr;
        bench.reset();
        bench = std::make_unique<TestBench>(TestBench::Classe{{"Anna", "Bruno"}});
        const bool entrata = bench->chiSei("Anna");
        bench->registro.voci.clear();
        return entrata;
    }

private slots:

    void freshWindowShowsZeroesAndTheSadFace() {
        QCOMPARE(prova->EtichettaEsatti->text(), QString("0"));
        QCOMPARE(prova->EtichettaErrati->text(), QString("0"));
        QVERIFY(prova->ComandoIconaNo->isVisible());
        QVERIFY(!prova->ComandoIconaSi->isVisible());
        QVERIFY(!prova->BottoneAvanti->isEnabled());
        QVERIFY(allEnabled(*prova, true));
        QCOMPARE(prova->setups, 1);
    }

    void rightAnswerCountsAndClosesTheQuestion() {
        prova->Errato();
        prova->Errato();
        QVERIFY(prova->ComandoIconaNo->isVisible());
        QVERIFY(prova->BottoneAvanti->isEnabled() == false);
        QVERIFY(allEnabled(*prova, true));
        prova->Esatto();
        QCOMPARE(prova->EtichettaErrati->text(), QString(" 2"));
        QCOMPARE(prova->EtichettaEsatti->text(), QString(" 1"));
        QVERIFY(prova->ComandoIconaSi->isVisible());
        QVERIFY(!prova->ComandoIconaNo->isVisible());
        QVERIFY(prova->BottoneAvanti->isEnabled());
        QVERIFY(allEnabled(*prova, false));
        QCOMPARE(bench->suoni.played.size(), 3);
        QVERIFY(bench->suoni.played[0].endsWith("/suoni/no.wav"));
        QVERIFY(bench->suoni.played[2].contains(QRegularExpression("/suoni/si[1-4]\\.wav$")));
    }

    void avantiDrawsAnewAndKeepsTheCounts() {
        prova->Esatto();
        const QRgb before = Colori::sfondo(*prova->area());
        bench->rnd.scriptDraws({{before == qRgb(224, 224, 224) ? 1 : 15, 18}});
        TestBench::click(prova->BottoneAvanti);
        QCOMPARE(prova->setups, 2);
        QVERIFY(Colori::sfondo(*prova->area()) != before);
        QVERIFY(!prova->BottoneAvanti->isEnabled());
        QVERIFY(allEnabled(*prova, true));
        QVERIFY(prova->ComandoIconaSi->isVisible()); // the face stays until the next answer
        QCOMPARE(prova->EtichettaEsatti->text(), QString(" 1"));
        QCOMPARE(bench->stato().NumeroEsatti, std::int16_t(1));
    }

    void resetWritesBareZeroes() {
        prova->Errato();
        prova->Esatto();
        prova->MenuAzzera_Click();
        QCOMPARE(prova->EtichettaEsatti->text(), QString("0"));
        QCOMPARE(prova->EtichettaErrati->text(), QString("0"));
        QCOMPARE(bench->stato().NumeroEsatti, std::int16_t(0));
        QCOMPARE(bench->stato().NumeroErrati, std::int16_t(0));
        QVERIFY(prova->BottoneAvanti->isEnabled()); // nothing else changes
        QVERIFY(prova->ComandoIconaSi->isVisible());
        prova->BottoneAvanti_Click();
        prova->Esatto();
        QCOMPARE(prova->EtichettaEsatti->text(), QString(" 1"));
    }

    void countersStopAtTheSixteenBitLimit() {
        bench->stato().NumeroEsatti = 32766;
        bench->stato().NumeroErrati = 32766;
        for (int i = 0; i < 3; ++i) {
            prova->Esatto();
            prova->Errato();
        }
        QCOMPARE(bench->stato().NumeroEsatti, std::int16_t(32767));
        QCOMPARE(bench->stato().NumeroErrati, std::int16_t(32767));
        QCOMPARE(prova->EtichettaEsatti->text(), QString(" 32767"));
        QCOMPARE(prova->EtichettaErrati->text(), QString(" 32767"));
    }

    // Four and five digits are read whole in the counter's own box; a
    // count that fits looks as it always did.
    void fiveDigitCountsReadWhole() {
        prova->resize(prova->sizeHint());
        QTRY_COMPARE(prova->area()->scaler().scale(), 1.0);
        const QRect esatti = prova->EtichettaEsatti->geometry();
        const QRect errati = prova->EtichettaErrati->geometry();
        const QFont font = prova->EtichettaErrati->font();
        for (std::int16_t before :
             {std::int16_t(998), std::int16_t(9998), std::int16_t(9999), std::int16_t(32766)}) {
            bench->stato().NumeroEsatti = before;
            bench->stato().NumeroErrati = before;
            prova->Esatto();
            prova->Errato();
            const int digits = int(QString::number(before + 1).size());
            for (QLabel* label : {prova->EtichettaEsatti, prova->EtichettaErrati}) {
                const Cifre cifre = cifreMostrate(label);
                QVERIFY2(cifre.gruppi == digits && !cifre.tagliate,
                         qPrintable(QStringLiteral("%1 shows %2 digits%3")
                                        .arg(label->text())
                                        .arg(cifre.gruppi)
                                        .arg(cifre.tagliate ? ", cut" : "")));
            }
            if (digits <= 3) {
                // Drawn as a plain label draws it.
                QLabel plain(prova->EtichettaErrati->text());
                plain.setFont(font);
                plain.setWordWrap(true);
                plain.setAlignment(Qt::AlignLeft | Qt::AlignTop);
                plain.setPalette(prova->EtichettaErrati->palette());
                plain.setAutoFillBackground(true);
                plain.resize(errati.size());
                QCOMPARE(prova->EtichettaErrati->grab().toImage(), plain.grab().toImage());
            }
        }
        QCOMPARE(prova->EtichettaEsatti->text(), QString(" 32767"));
        QCOMPARE(prova->EtichettaEsatti->geometry(), esatti);
        QCOMPARE(prova->EtichettaErrati->geometry(), errati);
        QCOMPARE(prova->EtichettaErrati->font(), font);

        // Larger windows: still whole.
        for (QSize size : {QSize(1280, 960), QSize(3840, 2160)}) {
            prova->resize(size);
            QTRY_VERIFY(prova->area()->scaler().scale() > 1.5);
            for (QLabel* label : {prova->EtichettaEsatti, prova->EtichettaErrati}) {
                const Cifre cifre = cifreMostrate(label);
                QVERIFY(cifre.gruppi == 5 && !cifre.tagliate);
            }
        }
    }

    void messageBoxesDoNotStartANewExercise() {
        auto* window = bench->open<TrovaRotazione>(FinestraId::FormEs2);
        QVERIFY(window);
        window->Errato();
        const int taken = bench->rnd.taken();
        const QString tag0 = window->Image1[0]->Tag;
        window->MenuInformazioni_Click();
        window->mnuEsci_Click(); // unscripted: answered No
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window, &activate);
        QCOMPARE(bench->rnd.taken(), taken);
        QCOMPARE(window->Image1[0]->Tag, tag0);
        QCOMPARE(window->EtichettaErrati->text(), QString(" 1"));
        QCOMPARE(bench->current(), window);
        const auto& asked = bench->messaggi.asked;
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[0].icon, MessageBoxService::Icon::Information);
        QCOMPARE(asked[1].title, QString("Vortelia"));
        QCOMPARE(asked[1].text, QString("Vuoi tornare al menù?"));
        QCOMPARE(asked[1].icon, MessageBoxService::Icon::Question);
        QCOMPARE(asked[1].buttons, MessageBoxService::Buttons::YesNo);
    }

    void esciYesReturnsToAFreshMenuAndResetsTheCounts() {
        auto* window = bench->open<FormaRotazione>(FinestraId::FormEs11);
        window->Errato();
        window->Esatto();
        bench->messaggi.answer(MessageBoxService::Answer::Yes);
        window->mnuEsci_Click();
        TestBench::flush();
        QVERIFY(qobject_cast<FormMenu*>(bench->current()));
        QCOMPARE(bench->stato().NumeroEsatti, std::int16_t(0));
        QCOMPARE(bench->stato().NumeroErrati, std::int16_t(0));
        QCOMPARE(TestBench::visibleWindows(), 2); // the menu and this test's own window
        auto* again = bench->open<TrovaSimmetria>(FinestraId::FormEs1);
        QCOMPARE(again->EtichettaEsatti->text(), QString("0"));
        QVERIFY(again->ComandoIconaNo->isVisible());
        QVERIFY(!again->BottoneAvanti->isEnabled());
    }

    void menuBarCaptionsKeepTheirBlanks() {
        const auto actions = prova->menuBar()->actions();
        QCOMPARE(actions.size(), 3);
        QCOMPARE(actions[0]->text(), QString("Azzera conteggio") + QString(8, ' '));
        QCOMPARE(actions[1]->text(), QString("Informazioni") + QString(10, ' '));
        QCOMPARE(actions[2]->text(), QString("Esci"));
    }

    // Each call gives the boxes it made; the window answers with all of them.
    void candidatesAreTheOnesJustMade() {
        DueGruppi w(bench->ctx());
        QCOMPARE(w.primi.size(), 2);
        QCOMPARE(w.secondi.size(), 3);
        for (ImageBox* box : std::as_const(w.secondi))
            QVERIFY(!w.primi.contains(box));
        QCOMPARE(w.controlliRisposta().size(), 5);
    }

    void layoutsReadBack() {
        auto* es11 = bench->open<FormaRotazione>(FinestraId::FormEs11);
        QCOMPARE(es11->area()->size(), QSize(638, 459));
        QCOMPARE(es11->Image1[4]->geometry(), QRect(392, 272, 120, 120)); // lower row right to left
        QCOMPARE(es11->Image1[7]->geometry(), QRect(8, 272, 120, 120));
        QCOMPARE(es11->Image3[0]->geometry(), es11->Image3[1]->geometry());
        QCOMPARE(es11->ComandoIconaSi->geometry(), QRect(544, 112, 57, 50));
        QCOMPARE(es11->ComandoIconaSi->geometry(), es11->ComandoIconaNo->geometry());
        QVERIFY(es11->Image2[0]->bordered() && !es11->Image1[0]->bordered());

        auto* es1 = bench->open<TrovaSimmetria>(FinestraId::FormEs1);
        const auto lines = es1->area()->findChildren<LineShape*>();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0]->from(), QPoint(232, 8));
        QCOMPARE(lines[0]->to(), QPoint(232, 128));
        QCOMPARE(lines[0]->lineWidth(), 5);
        QCOMPARE(lines[0]->colour(), QColor(255, 0, 0));
        QCOMPARE(es1->BottoneAvanti->geometry(), QRect(552, 336, 63, 57));
        QCOMPARE(es1->Label1->geometry().topLeft(), QPoint(480, 32));

        auto* es2 = bench->open<TrovaRotazione>(FinestraId::FormEs2);
        const auto separator = es2->area()->findChildren<LineShape*>();
        QCOMPARE(separator.size(), 1);
        QCOMPARE(separator[0]->lineWidth(), 3);
        QCOMPARE(separator[0]->colour(), QColor(0, 0, 0));
        QCOMPARE(es2->Image3[0]->geometry(), QRect(224, 144, 65, 57));
        QCOMPARE(es2->Image2[3]->geometry(), QRect(392, 8, 120, 120));

        auto* es4 = bench->open<TipoRotazione>(FinestraId::FormEs4);
        QCOMPARE(es4->Shape1->geometry(), es4->Image1->geometry());
        QCOMPARE(es4->Shape1->geometry(), QRect(320, 216, 153, 145));
        QCOMPARE(es4->Shape1->lineWidth(), 9);
        QVERIFY(!es4->Shape1->isVisible() && !es4->Shape2->isVisible());
        QCOMPARE(es4->Image2[0]->geometry().topLeft(), QPoint(8, 40));
        QCOMPARE(es4->Label3[1]->text(), QString("ANTIORARIA"));
    }

    // Entries 6, 7 and 10 are where the exercise windows' table differs from
    // the menu's: every exercise window, at its opening and after "avanti",
    // takes the colour from its own table.
    void exerciseWindowsTakeTheirOwnColours_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("6") << 5 << qRgb(255, 255, 192);
        QTest::newRow("7") << 6 << qRgb(255, 192, 192);
        QTest::newRow("10") << 9 << qRgb(192, 192, 255);
    }
    void exerciseWindowsTakeTheirOwnColours() {
        QFETCH(int, entry);
        QFETCH(QRgb, colour);
        delete prova;
        prova = nullptr;
        for (int n = 1; n <= 15; ++n) {
            bench->rnd.clear();
            bench->rnd.scriptDraws({{entry, 18}});
            auto* w = bench->open<FinestraEsercizio>(formEs(n));
            QVERIFY(w);
            QCOMPARE(QColor(Colori::sfondo(*w->area())), QColor(colour));
            QVERIFY(Pupil::solve(w));
            bench->rnd.scriptDraws({{entry, 18}});
            TestBench::click(w->BottoneAvanti);
            QCOMPARE(QColor(Colori::sfondo(*w->area())), QColor(colour));
        }
    }

    // The second press of a quick double tap is no new answer: a wrong pick
    // counts one error, and a right pick in a build window is not taken
    // for a view already in the row.
    void doubleTapIsJudgedOnce() {
        delete prova;
        prova = nullptr;
        auto* find = bench->open<TrovaRotazione>(FinestraId::FormEs2);
        QVERIFY(QTest::qWaitForWindowExposed(find));
        TestBench::doubleClick(Pupil::wrongAnswer(find));
        QCOMPARE(bench->stato().NumeroErrati, 1);
        QCOMPARE(bench->suoni.played.size(), 1);
        TestBench::doubleClick(Pupil::rightAnswers(find).first());
        QCOMPARE(bench->stato().NumeroEsatti, 1);
        QCOMPARE(bench->stato().NumeroErrati, 1);
        QCOMPARE(bench->suoni.played.size(), 2);

        auto* build = bench->open<FormaRotazione>(FinestraId::FormEs11);
        QVERIFY(QTest::qWaitForWindowExposed(build));
        const int errati = bench->stato().NumeroErrati;
        bench->suoni.played.clear();
        TestBench::doubleClick(Pupil::rightAnswers(build).first());
        QCOMPARE(build->ProssimaCasella, 2);
        QCOMPARE(bench->stato().NumeroErrati, errati);
        QVERIFY(bench->suoni.played.isEmpty()); // not the sound of an error
    }

    // One entry per answer judged: who, when, where, the figure, the
    // candidate by its place, right or not, whether it was the first answer
    // to the exercise, the time since it appeared.
    void everyAnswerGivesAnEntry() {
        QVERIFY(conAnna());
        auto* w = bench->open<TrovaRotazione>(FinestraId::FormEs2);
        QVERIFY(Pupil::waitForExercise(w));
        const QChar lettera = vistaDi(w->Image2[0]).first;
        bench->orologio.advance(1500);
        QWidget* sbagliata = Pupil::wrongAnswer(w);
        TestBench::click(sbagliata);
        bench->orologio.advance(700);
        QWidget* giusta = Pupil::rightAnswers(w).value(0);
        TestBench::click(giusta);

        VoceRegistro prima;
        prima.quando = bench->orologio.utc - 700;
        prima.alunno = "Anna";
        prima.finestra = "FormEs2";
        prima.lettera = lettera;
        prima.mostrato = mostrato(w);
        prima.scelto = QString::number(Pupil::place(w, sbagliata));
        prima.primoTentativo = true;
        prima.millisecondi = 1500;
        VoceRegistro seconda = prima;
        seconda.quando = bench->orologio.utc;
        seconda.scelto = QString::number(Pupil::place(w, giusta));
        seconda.giusta = true;
        seconda.primoTentativo = false;
        seconda.millisecondi = 2200;
        QCOMPARE(bench->registro.voci, (QList<VoceRegistro>{prima, seconda}));

        // The next exercise: right at the first try, timed from its own start.
        TestBench::click(w->BottoneAvanti);
        QVERIFY(Pupil::waitForExercise(w));
        bench->orologio.advance(900);
        QVERIFY(Pupil::solve(w));
        QCOMPARE(bench->registro.voci.size(), 3);
        const VoceRegistro terza = bench->registro.voci.last();
        QVERIFY(terza.giusta && terza.primoTentativo);
        QCOMPARE(terza.millisecondi, 900);
        QCOMPARE(terza.mostrato, mostrato(w));
    }

    // Each family words what it shows; the candidate is counted in reading
    // order, as the number keys and a screen reader count them.
    void everyFamilyWordsWhatItShows_data() {
        QTest::addColumn<int>("es");
        for (int es : {2, 4, 11, 14}) // 11 and 14: made in another order than read
            QTest::newRow(titoloEsercizio(formEs(es))) << es;
    }
    void everyFamilyWordsWhatItShows() {
        QFETCH(int, es);
        QVERIFY(conAnna());
        auto* w = bench->open<FinestraEsercizio>(formEs(es));
        QVERIFY(Pupil::waitForExercise(w));
        QWidget* sbagliata = Pupil::firstWrongAsRead(w);
        QTest::keyClick(w, Qt::Key(Qt::Key_0 + Pupil::place(w, sbagliata)));
        QCOMPARE(bench->registro.voci.size(), 1);
        const VoceRegistro voce = bench->registro.voci.first();
        QCOMPARE(voce.finestra, QString("FormEs%1").arg(es));
        QCOMPARE(voce.mostrato, mostrato(w));
        QCOMPARE(voce.scelto, QString::number(Pupil::place(w, sbagliata)));
        QVERIFY(!voce.giusta);
    }

    // A letter drawn from the class's own figures says so.
    void classFigureIsMarked() {
        QVERIFY(conAnna());
        QTemporaryDir classe;
        for (char c = 'a'; c <= 'z'; ++c) {
            QVERIFY(QDir().mkpath(classe.filePath(QString(c))));
            for (int n = 1; n <= 8; ++n) {
                const QString nome = QString("%1%2.jpg").arg(c).arg(n);
                QVERIFY(QFile::copy(VORTELIA_JPG_DIR "/" + nome,
                                    classe.filePath(QString(c) + "/" + nome)));
            }
        }
        bench->figure.impostaClasse(
            [&classe](QChar lettera) { return QStringList{classe.filePath(QString(lettera))}; });
        auto* w = bench->open<TrovaRotazione>(FinestraId::FormEs2);
        QVERIFY(Pupil::waitForExercise(w));
        QVERIFY(w->Image2[0]->picture()->file().startsWith(classe.path()));
        QVERIFY(Pupil::solve(w));
        QCOMPARE(bench->registro.voci.size(), 1);
        QVERIFY(bench->registro.voci.first().figuraClasse);
        QCOMPARE(bench->registro.voci.first().lettera, vistaDi(w->Image2[0]).first);
    }

    void labelsKeepTheirCyanWhenTheWindowIsRecoloured() {
        for (int i = 0; i < 20; ++i) {
            prova->CaricaColori();
            for (QLabel* label :
                 {prova->Label1, prova->Label2, prova->EtichettaEsatti, prova->EtichettaErrati})
                QCOMPARE(Colori::sfondo(*label), qRgb(0, 255, 255));
        }
    }
};

VORTELIA_TEST_MAIN(tst_FinestraEsercizio)
#include "tst_FinestraEsercizio.moc"

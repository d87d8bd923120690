// SPDX-License-Identifier: GPL-3.0-or-later
// Where the class's figures are kept: the teacher's over the school's over
// the shipped ones, letter by letter; a letter saved or removed whole, and a
// save that fails half way leaves everything as it was.

#include "support/DisegniDiProva.h"
#include "support/TestMain.h"

#include "common/class_figures/CartellaFigure.h"
#include "common/class_figures/FigureClasse.h"
#include "common/views/OttoViste.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

namespace {

// The files of a figure that differs from any other by its colour.
FileViste::File figura(QChar lettera, QColor colore) {
    QImage quadrato(OttoViste::lato, OttoViste::lato, QImage::Format_RGB32);
    quadrato.fill(OttoViste::sfondo);
    QPainter p(&quadrato);
    p.drawImage(40, 40, DisegniDiProva::motivo());
    p.fillRect(QRect(300, 60, 90, 90), colore);
    p.end();
    return FileViste::di(lettera, OttoViste::da(quadrato));
}

QByteArray letto(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file of the figure is in the folder with these bytes.
bool contiene(const QString& cartella, const FileViste::File& file) {
    for (const auto& [nome, bytes] : file)
        if (letto(cartella + '/' + nome) != bytes)
            return false;
    return true;
}

// Whatever a save or a removal left beside the letters' folders.
QStringList avanzi(const QString& base) {
    return QDir(base + "/figure")
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
        .filter(QRegularExpression("^\\."));
}

} // namespace

class tst_FigureClasse : public QObject {
    Q_OBJECT

private slots:
    // A further folder (a school's share) holds a folder per letter; its
    // figures come after the teacher's own and before the school's.
    void aFurtherFolderBetweenTheTeachersAndTheSchools() {
        QTemporaryDir utente, condivisa, scuola;
        FigureClasse(condivisa.path(), {}).salva('b', figura('b', Qt::red));
        FigureClasse(condivisa.path(), {}).salva('c', figura('c', Qt::red));
        FigureClasse(scuola.path(), {}).salva('c', figura('c', Qt::green));
        FigureClasse(scuola.path(), {}).salva('d', figura('d', Qt::green));
        FigureClasse classe(utente.path(), {scuola.path()});
        classe.setUlteriore(condivisa.path() + "/figure");
        QCOMPARE(classe.salva('b', figura('b', Qt::blue)), QString());
        QCOMPARE(classe.cartellaUsata('b'), utente.path() + "/figure/b");
        QCOMPARE(classe.cartellaUsata('c'), condivisa.path() + "/figure/c");
        QCOMPARE(classe.origine('c'), FigureClasse::Origine::Scuola);
        QCOMPARE(classe.cartellaUsata('d'), scuola.path() + "/figure/d");
        QCOMPARE(classe.cartelleLettera('c'),
                 (QStringList{condivisa.path() + "/figure/c", scuola.path() + "/figure/c"}));
        QCOMPARE(classe.lettere(), (QList<QChar>{'b', 'c', 'd'}));
    }

    void teacherOverSchoolOverShipped() {
        QTemporaryDir utente, scuola1, scuola2;
        FigureClasse(scuola2.path(), {}).salva('b', figura('b', Qt::red));
        FigureClasse(scuola2.path(), {}).salva('c', figura('c', Qt::red));
        FigureClasse(scuola1.path(), {}).salva('c', figura('c', Qt::green));
        const FigureClasse classe(utente.path(), {scuola1.path(), scuola2.path()});
        QCOMPARE(classe.salva('b', figura('b', Qt::blue)), QString());

        QCOMPARE(classe.origine('a'), FigureClasse::Origine::Programma);
        QCOMPARE(classe.cartellaUsata('a'), QString());
        QCOMPARE(classe.origine('b'), FigureClasse::Origine::Insegnante);
        QCOMPARE(classe.cartellaUsata('b'), utente.path() + "/figure/b");
        QVERIFY(contiene(classe.cartellaUsata('b'), figura('b', Qt::blue)));
        QCOMPARE(classe.origine('c'), FigureClasse::Origine::Scuola);
        QCOMPARE(classe.cartellaUsata('c'), scuola1.path() + "/figure/c");
        QCOMPARE(classe.lettere(), (QList<QChar>{'b', 'c'}));

        // Removing the teacher's figure brings back the school's, then the shipped one.
        QCOMPARE(classe.togli('b'), QString());
        QCOMPARE(classe.cartellaUsata('b'), scuola2.path() + "/figure/b");
        QVERIFY(classe.togli('b').contains("è della scuola"));
        QCOMPARE(classe.origine('b'), FigureClasse::Origine::Scuola);
        QVERIFY(classe.togli('d').contains("non ha una figura della classe"));
        QCOMPARE(avanzi(utente.path()), QStringList());
    }

    // A letter's folder holds a whole figure, the old or the new, at any
    // moment of a save: the new one is written apart and swapped in.
    void replacingNeverShowsAMixture() {
        QTemporaryDir utente;
        FigureClasse classe(utente.path(), {});
        const auto vecchia = figura('e', Qt::red), nuova = figura('e', Qt::blue);
        QCOMPARE(classe.salva('e', vecchia), QString());
        bool controllato = false;
        classe.setScrittura([&](const QString& dove, const FileViste::File& file, QString* e) {
            // Half of the new files written: the letter still shows the old figure.
            const bool fatto = FileViste::scrivi(dove, file.mid(0, file.size() / 2), e);
            controllato = contiene(utente.path() + "/figure/e", vecchia);
            return fatto && FileViste::scrivi(dove, file.mid(file.size() / 2), e);
        });
        QCOMPARE(classe.salva('e', nuova), QString());
        QVERIFY(controllato);
        QVERIFY(contiene(utente.path() + "/figure/e", nuova));
        QCOMPARE(avanzi(utente.path()), QStringList());
    }

    // A save that fails (a full disk, a folder that cannot be written) says
    // why and leaves the figure and the folder as they were.
    void failedSaveChangesNothing_data() {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("parole");
        QTest::newRow("full disk") << ENOSPC << "il disco è pieno";
        QTest::newRow("read-only disk") << EROFS << "si può solo leggere";
        QTest::newRow("no permission") << EACCES << "la cartella non si può scrivere";
    }
    void failedSaveChangesNothing() {
        QFETCH(int, numero);
        QFETCH(QString, parole);
        QTemporaryDir utente;
        FigureClasse classe(utente.path(), {});
        const auto vecchia = figura('f', Qt::red);
        QCOMPARE(classe.salva('f', vecchia), QString());
        classe.setScrittura([&](const QString& dove, const FileViste::File& file, QString* e) {
            FileViste::scrivi(dove, file.mid(0, 5), e);
            errno = numero;
            return false;
        });
        const QString motivo = classe.salva('f', figura('f', Qt::blue));
        QVERIFY2(motivo.contains(parole), qPrintable(motivo));
        QVERIFY(motivo.contains(utente.path()));
        QVERIFY(contiene(utente.path() + "/figure/f", vecchia));
        QCOMPARE(avanzi(utente.path()), QStringList());
        // A letter that had none still has none.
        QVERIFY(!classe.salva('g', figura('g', Qt::blue)).isEmpty());
        QCOMPARE(classe.origine('g'), FigureClasse::Origine::Programma);
    }

    // Every reason of the system a teacher can meet is told in Italian; the
    // system's own words, if at all, only in parentheses.
    void systemReasonsInItalian_data() {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("parole");
        const std::pair<int, const char*> motivi[] = {
            {EEXIST, "c'è già un file"},     {ENOTDIR, "c'è un file dove serve una cartella"},
            {EACCES, "non si può scrivere"}, {EPERM, "non si può scrivere"},
            {ENOSPC, "il disco è pieno"},    {EDQUOT, "il disco è pieno"},
            {EROFS, "si può solo leggere"},  {ENOENT, "non c'è più"},
            {ELOOP, "troppi collegamenti"},  {ENAMETOOLONG, "troppo lungo"},
            {EMLINK, "troppe cartelle"},     {EBUSY, "in uso"},
            {EIO, "il disco non risponde"},  {EXDEV, "la scrittura non è riuscita ("}};
        for (const auto& [numero, parole] : motivi)
            QTest::newRow(std::strerror(numero)) << numero << QString::fromUtf8(parole);
    }
    void systemReasonsInItalian() {
        QFETCH(int, numero);
        QFETCH(QString, parole);
        errno = numero;
        const QString motivo = CartellaFigure::perche();
        QVERIFY2(motivo.contains(parole), qPrintable(motivo));
        const QString sistema = QString::fromLocal8Bit(std::strerror(numero));
        QVERIFY2(!QString(motivo).remove('(' + sistema + ')').contains(sistema),
                 qPrintable(motivo));
    }

    // The data folder cannot be made: a file stands in its place, or in
    // the place of the folder of the figures inside it.
    void folderThatCannotBeMade_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("parole");
        QTest::newRow("data folder") << "dati"
                                     << "c'è un file dove serve una cartella";
        QTest::newRow("figures' folder") << "dati/figure"
                                         << "c'è già un file";
    }
    void folderThatCannotBeMade() {
        QFETCH(QString, file);
        QFETCH(QString, parole);
        QTemporaryDir casa;
        QVERIFY(QDir().mkpath(QFileInfo(casa.filePath(file)).path()));
        QFile intralcio(casa.filePath(file));
        QVERIFY(intralcio.open(QIODevice::WriteOnly));
        intralcio.close();
        const FigureClasse classe(casa.filePath("dati"), {});
        const QString motivo = classe.salva('h', figura('h', Qt::red));
        QVERIFY2(motivo.startsWith("La figura non è stata salvata"), qPrintable(motivo));
        QVERIFY2(motivo.contains(parole), qPrintable(motivo));
        QVERIFY2(!motivo.contains(QString::fromLocal8Bit(std::strerror(EEXIST))) &&
                     !motivo.contains(QString::fromLocal8Bit(std::strerror(ENOTDIR))),
                 qPrintable(motivo));
        QVERIFY(QFileInfo(casa.filePath(file)).isFile());
        QCOMPARE(classe.origine('h'), FigureClasse::Origine::Programma);
    }

    // A letter's folder that lost a view is not a figure: the next one is used.
    void incompleteFolderIsPassedOver() {
        QTemporaryDir utente, scuola;
        FigureClasse(scuola.path(), {}).salva('k', figura('k', Qt::green));
        const FigureClasse classe(utente.path(), {scuola.path()});
        QCOMPARE(classe.salva('k', figura('k', Qt::red)), QString());
        QVERIFY(QFile::remove(utente.path() + "/figure/k/k7.jpg"));
        QCOMPARE(classe.origine('k'), FigureClasse::Origine::Scuola);
    }

    // A letter's folder that is a link to another folder (a trap a pupil can
    // set on a shared account): saving replaces the link, removing takes the
    // link away, and the folder it points to keeps everything it held.
    void linkedLetterFolderLeavesItsTargetAlone() {
        QTemporaryDir utente, documenti;
        QVERIFY(QDir(documenti.path()).mkpath("compiti"));
        QFile lavoro(documenti.filePath("compiti/tema.txt"));
        QVERIFY(lavoro.open(QIODevice::WriteOnly) && lavoro.write("tema") == 4);
        lavoro.close();
        QVERIFY(QDir(utente.path()).mkpath("figure"));
        for (const char* lettera : {"b", "c"})
            QVERIFY(QFile::link(documenti.path(), utente.filePath("figure/") + lettera));
        FigureClasse classe(utente.path(), {});

        QCOMPARE(classe.salva('b', figura('b', Qt::red)), QString());
        QVERIFY(!QFileInfo(utente.filePath("figure/b")).isSymLink());
        QVERIFY(contiene(utente.filePath("figure/b"), figura('b', Qt::red)));
        QCOMPARE(classe.togli('c'), QString());
        QVERIFY(!QFileInfo(utente.filePath("figure/c")).isSymLink());
        QCOMPARE(letto(documenti.filePath("compiti/tema.txt")), QByteArray("tema"));
        QCOMPARE(avanzi(utente.path()), QStringList());
    }

    // A disk that fills up may take files that hold less than was written,
    // or nothing, while every write seemed to work: the save says so and the
    // old figure stays.
    void shortFilesAreNotSaved() {
        QTemporaryDir utente;
        FigureClasse classe(utente.path(), {});
        const auto vecchia = figura('m', Qt::red);
        QCOMPARE(classe.salva('m', vecchia), QString());
        classe.setScrittura([](const QString& dove, const FileViste::File& file, QString* e) {
            FileViste::File vuoti = file;
            for (auto& [nome, bytes] : vuoti)
                bytes.clear();
            return FileViste::scrivi(dove, vuoti, e);
        });
        const QString motivo = classe.salva('m', figura('m', Qt::blue));
        QVERIFY2(motivo.contains("il disco è pieno"), qPrintable(motivo));
        QVERIFY(contiene(utente.path() + "/figure/m", vecchia));
        QCOMPARE(avanzi(utente.path()), QStringList());
    }

    // The folders a killed save or removal left are cleared by the next one:
    // only the program's own, by their exact names, and a link among them
    // goes as a link.
    void leftoversOfKilledRunsAreCleared() {
        QTemporaryDir utente, altrove;
        const QDir figure(utente.path() + "/figure");
        QVERIFY(figure.mkpath(".b-nuova-Ab12Cd/120") && figure.mkpath(".c-via-Xy34Zw/vecchia"));
        QVERIFY(figure.mkpath(".b-nuova-mia") && figure.mkpath("appunti"));
        QFile tenuto(altrove.filePath("tenuto.txt"));
        QVERIFY(tenuto.open(QIODevice::WriteOnly) && tenuto.write("x") == 1);
        tenuto.close();
        QVERIFY(QFile::link(altrove.path(), figure.filePath(".d-nuova-Qw56Er")));

        QCOMPARE(FigureClasse(utente.path(), {}).salva('e', figura('e', Qt::red)), QString());
        QCOMPARE(avanzi(utente.path()), QStringList{".b-nuova-mia"});
        QVERIFY(figure.exists("appunti"));
        QVERIFY(QFileInfo::exists(altrove.filePath("tenuto.txt")));
    }

    // Saved for the school (its folder is one of the system's data folders),
    // a figure is readable by every user of the PC.
    void schoolFiguresAreReadableByEveryone() {
        QTemporaryDir sistema;
        qputenv("XDG_DATA_HOME", sistema.path().toUtf8());
        qputenv("XDG_DATA_DIRS", sistema.path().toUtf8() + ":/usr/share");
        const FigureClasse scuola = FigureClasse::delSistema();
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
        QCOMPARE(scuola.salva('c', figura('c', Qt::red)), QString());
        const QString c = sistema.path() + "/Vortelia/figure/c";
        for (const QString& voce : {c, c + "/120", c + "/c1.jpg", c + "/120/c1.jpg"})
            QVERIFY2(QFileInfo(voce).permissions() & QFile::ReadOther, qPrintable(voce));
        QVERIFY(QFileInfo(c).permissions() & QFile::ExeOther);
        QVERIFY(QFileInfo(c + "/120").permissions() & QFile::ExeOther);
        // The teacher's own stays the teacher's.
        QTemporaryDir utente;
        QCOMPARE(FigureClasse(utente.path(), {}).salva('c', figura('c', Qt::red)), QString());
        QVERIFY(!(QFileInfo(utente.path() + "/figure/c").permissions() & QFile::ReadOther));
    }

    // With no home and no data folder set there is nowhere to save, not "//.local".
    void noHomeSavesNothing() {
        const QByteArray casa = qgetenv("HOME"), dati = qgetenv("XDG_DATA_HOME");
        qunsetenv("HOME");
        qunsetenv("XDG_DATA_HOME");
        const FigureClasse classe = FigureClasse::delSistema();
        qputenv("HOME", casa);
        if (!dati.isEmpty())
            qputenv("XDG_DATA_HOME", dati);
        QCOMPARE(classe.cartellaUtente(), QString());
        QVERIFY(classe.salva('b', figura('b', Qt::red)).contains("HOME"));
        QVERIFY(classe.togli('b').contains("HOME"));
    }
};

VORTELIA_TEST_MAIN(tst_FigureClasse)
#include "tst_FigureClasse.moc"

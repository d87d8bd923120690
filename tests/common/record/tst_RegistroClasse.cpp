// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/record/RegistroDiProva.h"

using namespace RegistroDiProva;

class TestRegistroClasse : public QObject {
    Q_OBJECT

private slots:
    void leEntrateTornanoUgualiUnaVolta_data();
    void leEntrateTornanoUgualiUnaVolta();
};

void TestRegistroClasse::leEntrateTornanoUgualiUnaVolta_data() {
    QTest::addColumn<bool>("condivisa");
    QTest::newRow("questo PC") << false;
    QTest::newRow("laboratorio") << true;
}

// Read while the program runs, each entry is in its journal and in the
// database or the lab's folder too; read after, in one of them.
void TestRegistroClasse::leEntrateTornanoUgualiUnaVolta() {
    QFETCH(bool, condivisa);
    Aula aula(condivisa);
    QList<VoceRegistro> scritte;
    auto registro = aula.apri();
    QVERIFY(registro);
    QCOMPARE(registro->nomi(), aula.classe);
    for (int i = 0; i < 40; ++i) {
        scritte << voce(i);
        scritte.last().id = QByteArray(16, char(i));
        registro->annota(scritte.last());
    }
    QVERIFY(registro->attendi(10000));
    const LetturaRegistro mentre = aula.leggi();
    QCOMPARE(mentre.voci, perTempo(scritte));
    QCOMPARE(mentre.classe, aula.classe);
    QCOMPARE(mentre.note, QStringList());
    registro.reset();
    QCOMPARE(aula.leggi().voci, perTempo(scritte));
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    TestRegistroClasse test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_RegistroClasse.moc"

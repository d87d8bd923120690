// SPDX-License-Identifier: GPL-3.0-or-later
// The printed sheet as a pupil sees it: every page rendered by pdftoppm, and
// a solver that looks only at the rendered pixels, at the places the layout
// gives, answers each exercise and agrees with the key printed on the last
// page. The fonts are all embedded.
#include "support/SeeingPupil.h"
#include "support/TestMain.h"

#include "common/FigureMemorizzate.h"
#include "common/platform/services/Picture.h"
#include "common/platform/widgets/LineShape.h"
#include "common/worksheets/Schede.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

namespace {

constexpr int dpi = 150;

// Tenths of a millimetre inside the margins, to pixels of the rendered page.
int pixel(int decimi) {
    return int((layoutScheda.margine + decimi) * dpi / 254.0 + 0.5);
}

// A box's inside: its drawn edge left out, every box the same size.
QImage dentro(const QImage& pagina, const QRect& r) {
    const int bordo = pixel(10) - pixel(0);
    const int lato = pixel(layoutScheda.lato) - pixel(0) - 2 * bordo;
    return pagina.copy(pixel(r.left()) + bordo, pixel(r.top()) + bordo, lato, lato)
        .convertToFormat(QImage::Format_RGB32);
}

// The clearly closest, or -1.
int piuVicina(const QImage& cercata, const QList<QImage>& candidate) {
    int migliore = -1;
    double prima = std::numeric_limits<double>::max(), seconda = prima;
    for (qsizetype i = 0; i < candidate.size(); ++i) {
        const double d = SeeingPupil::difference(cercata, candidate[i]);
        if (d < prima) {
            seconda = prima;
            prima = d;
            migliore = int(i);
        } else if (d < seconda) {
            seconda = d;
        }
    }
    // Printed and rendered twice, a view is still far closer to itself than to another.
    return prima < 30 && seconda > prima * 1.8 ? migliore : -1;
}

// 1 when the second view is the first turned clockwise, 3 anticlockwise, 0 unclear.
int senso(const QImage& prima, const QImage& seconda) {
    const int k =
        piuVicina(seconda, {SeeingPupil::turned(prima, 1), SeeingPupil::turned(prima, 3)});
    return k < 0 ? 0 : 1 + 2 * k;
}

// Whether a sign shows the clockwise arrows: the pupil knows what they look like.
bool orario(const QImage& pagina, const QRect& r) {
    const QRect px(pixel(r.left()), pixel(r.top()), pixel(r.right()) - pixel(r.left()),
                   pixel(r.bottom()) - pixel(r.top()));
    QImage noto(px.size(), QImage::Format_RGB32);
    noto.fill(Qt::white);
    QPainter painter(&noto);
    Picture::fromSvg(FigureMemorizzate::percorso(QStringLiteral("senso_orario")))
        ->paint(painter, QRectF(0, 0, px.width(), px.height()));
    painter.end();
    const QImage visto = pagina.copy(px).convertToFormat(QImage::Format_RGB32);
    return SeeingPupil::difference(visto, noto) <
           SeeingPupil::difference(visto, noto.mirrored(true, false));
}

// The red axis found on the page, from the ends of its red pixels outside
// the boxes (a figure may be red too).
QLine asseVisto(const QImage& pagina, const QRect& zona, const QList<QRect>& caselle) {
    QList<QPoint> rossi;
    for (int y = pixel(zona.top()); y < pixel(zona.bottom()); ++y)
        for (int x = pixel(zona.left()); x < pixel(zona.right()); ++x) {
            bool inCasella = false;
            for (const QRect& r : caselle)
                inCasella |= QRect(QPoint(pixel(r.left()), pixel(r.top())),
                                   QPoint(pixel(r.right()), pixel(r.bottom())))
                                 .contains(x, y);
            const QRgb c = pagina.pixel(x, y);
            if (!inCasella && qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80)
                rossi << QPoint(x, y);
        }
    if (rossi.isEmpty())
        return {};
    QPoint alto = rossi.first(), basso = rossi.first();
    int minX = rossi.first().x(), maxX = minX;
    for (const QPoint& p : rossi) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        if (p.y() < alto.y())
            alto = p;
        if (p.y() > basso.y())
            basso = p;
    }
    if (basso.y() - alto.y() < 10) // level
        return QLine(minX, alto.y(), maxX, alto.y());
    if (maxX - minX < 10) // upright
        return QLine(alto.x(), alto.y(), alto.x(), basso.y());
    return QLine(alto, basso);
}

QList<QImage> candidati(const QImage& pagina, const PostoEsercizio& posto) {
    QList<QImage> visti;
    for (const QRect& r : posto.candidati)
        visti << dentro(pagina, r);
    return visti;
}

// The letters a pupil who looks circles or writes; "?" where the page does not say.
QString risolvi(const QImage& pagina, FamigliaScheda famiglia, const PostoEsercizio& posto) {
    const QList<QImage> scelte = candidati(pagina, posto);
    const auto lettera = [](int k) {
        return k < 0 ? QStringLiteral("?") : QString(QChar('A' + k));
    };
    switch (famiglia) {
    case FamigliaScheda::TrovaRotazione: {
        const int s = senso(dentro(pagina, posto.riga[0]), dentro(pagina, posto.riga[1]));
        return lettera(s ? piuVicina(SeeingPupil::turned(dentro(pagina, posto.riga[2]), s), scelte)
                         : -1);
    }
    case FamigliaScheda::FormaRotazione: {
        const int s = orario(pagina, *posto.segno) ? 1 : 3;
        QImage ultima = dentro(pagina, posto.riga[0]);
        QStringList lettere;
        for (int passo = 0; passo < 3; ++passo) {
            const int k = piuVicina(SeeingPupil::turned(ultima, s), scelte);
            lettere << lettera(k);
            if (k >= 0)
                ultima = scelte[k];
        }
        return lettere.join(QStringLiteral(", "));
    }
    case FamigliaScheda::TrovaSimmetria: {
        // The axis lies among the model and the answer box.
        const QRect zona = posto.riga[0] | posto.riga[1];
        const QLine visto = asseVisto(pagina, zona, posto.riga);
        const LineShape asse(visto.p1(), visto.p2(), 1, Qt::red, nullptr);
        return lettera(
            piuVicina(SeeingPupil::mirroredIn(dentro(pagina, posto.riga[0]), asse), scelte));
    }
    case FamigliaScheda::TipoRotazione: {
        const int s = senso(dentro(pagina, posto.riga[0]), dentro(pagina, posto.riga[1]));
        for (qsizetype i = 0; i < posto.candidati.size(); ++i)
            if (s && orario(pagina, posto.candidati[i]) == (s == 1))
                return lettera(int(i));
        return lettera(-1);
    }
    }
    return {};
}

QString esegui(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestSchedaVista : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty() ||
            QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils is not installed (scripts/install-deps)");
        RichiestaScheda r;
        for (int n = 1; n <= 15; ++n)
            r.esercizi << RichiestaScheda::Voce{formEs(n), 1};
        r.versioni = 2;
        r.seme = 20261210;
        auto fatto = Schede::prepara(r, FontiScheda{QStringLiteral(VORTELIA_APP_DIR), {}});
        QVERIFY(std::holds_alternative<FascicoloScheda>(fatto));
        fascicolo_ = std::get<FascicoloScheda>(fatto);
        pdf_ = dir_.filePath(QStringLiteral("scheda.pdf"));
        QCOMPARE(Schede::scrivi(pdf_, fascicolo_), QString());
        QProcess render;
        render.start(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf_,
                      dir_.filePath(QStringLiteral("p"))});
        QVERIFY(render.waitForFinished(120000));
        QCOMPARE(render.exitCode(), 0);
    }

    void aPupilWhoLooksAgreesWithThePrintedKey() {
        int primaPagina = 1;
        for (const VersioneScheda& versione : fascicolo_.versioni) {
            const int chiave = primaPagina + versione.pagine.pagineEsercizi;
            const QString testo =
                esegui(QStringLiteral("pdftotext"),
                       {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(chiave),
                        QStringLiteral("-l"), QString::number(chiave), pdf_, QStringLiteral("-")});
            for (qsizetype i = 0; i < versione.esercizi.size(); ++i) {
                const PostoEsercizio& posto = versione.pagine.esercizi[i];
                const QImage pagina(
                    dir_.filePath(QStringLiteral("p-%1.png")
                                      .arg(primaPagina + posto.pagina, 2, 10, QLatin1Char('0'))));
                QVERIFY(!pagina.isNull());
                const QString visto = risolvi(pagina, versione.esercizi[i].famiglia, posto);
                const QRegularExpression riga(
                    QStringLiteral("(^|\\s)%1\\. ([A-H](, [A-H])*)").arg(posto.numero));
                const QRegularExpressionMatch stampata = riga.match(testo);
                QVERIFY2(stampata.hasMatch(), qPrintable(testo));
                QVERIFY2(stampata.captured(2) == visto,
                         qPrintable(QStringLiteral("%1 exercise %2: seen %3, key %4")
                                        .arg(versione.fila)
                                        .arg(posto.numero)
                                        .arg(visto, stampata.captured(2))));
            }
            primaPagina = chiave + 1;
        }
    }

    void everyFontIsEmbedded() {
        const QStringList righe = esegui(QStringLiteral("pdffonts"), {pdf_})
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                      .mid(2);
        QVERIFY(!righe.isEmpty());
        for (const QString& riga : righe)
            QVERIFY2(
                riga.contains(QRegularExpression(QStringLiteral("\\byes\\s+(yes|no)\\s+(yes|no)"))),
                qPrintable(riga));
    }

private:
    QTemporaryDir dir_;
    FascicoloScheda fascicolo_;
    QString pdf_;
};

VORTELIA_TEST_MAIN(TestSchedaVista)
#include "tst_SchedaVista.moc"

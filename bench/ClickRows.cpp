// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickRows.h"

#include "support/Pupil.h"

#include "common/StatoCondiviso.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"

#include <QLabel>
#include <QMouseEvent>

#include <functional>

namespace Bench {

namespace {

// A box that reports a click as plain Qt widgets do.
class BareBox : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* e) override { pressed_ = e->button() == Qt::LeftButton; }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (pressed_ && rect().contains(e->position().toPoint()) && onClick)
            onClick();
        pressed_ = false;
    }

private:
    bool pressed_ = false;
};

QList<double> bareClicks(int n) {
    QWidget window;
    auto* box = new BareBox(&window);
    box->setGeometry(8, 8, 120, 120);
    auto* yes = new QLabel(QStringLiteral(":-)"), &window);
    auto* no = new QLabel(QStringLiteral(":-("), &window);
    auto* counter = new QLabel(QStringLiteral("0"), &window);
    yes->setGeometry(136, 8, 40, 40);
    no->setGeometry(136, 8, 40, 40);
    counter->setGeometry(136, 56, 60, 40);
    int count = 0;
    box->onClick = [&] {
        const bool right = ++count % 2 == 0;
        yes->setVisible(right);
        no->setVisible(!right);
        counter->setText(QString::number(count));
    };
    window.resize(200, 140);
    window.show();
    TestBench::flush();
    QList<double> samples;
    for (int i = 0; i < n; ++i) {
        samples << microseconds([&] { TestBench::click(box); });
        TestBench::flush();
    }
    return samples;
}

// The time from a click on `box` to the end of its feedback; the run stops
// when `done` finds that the click did not do its work.
double timedClick(QWidget* box, const std::function<bool()>& done, const char* what) {
    const double us = microseconds([&] { TestBench::click(box); });
    if (!done())
        broken(what);
    TestBench::flush();
    return us;
}

} // namespace

void benchClicks(const Options& o, Table& table, Services& s) {
    const double bare = median(bareClicks(o.clicks));
    Instance p(s);
    p.decodeEveryPicture();
    const StatoCondiviso& stato = p.programma.stato();
    const auto row = [&](const char* what, const QList<double>& samples) {
        table.add({QStringLiteral("click to end of feedback, %1").arg(QLatin1String(what)),
                   QStringLiteral("us"), median(samples), bare, QStringLiteral("< 500 us"),
                   below(500), int(samples.size())});
    };

    QList<double> right, wrong;
    auto* find = p.open<TrovaRotazione>(FinestraId::FormEs3);
    for (int i = 0; i < o.clicks; ++i) {
        QWidget* box = Pupil::rightAnswers(find).first();
        right << timedClick(
            box, [&] { return find->BottoneAvanti->isEnabled(); }, "right pick");
        find->BottoneAvanti_Click();
        TestBench::flush();
    }
    for (int i = 0; i < o.clicks; ++i) {
        QWidget* box = Pupil::wrongAnswer(find);
        const int errati = stato.NumeroErrati;
        wrong << timedClick(
            box, [&] { return stato.NumeroErrati != errati; }, "wrong pick");
    }
    row("Esatto (FormEs3)", right);
    row("Errato (FormEs3)", wrong);

    QList<double> pick, last;
    auto* build = p.open<FormaRotazione>(FinestraId::FormEs11);
    for (int i = 0; i < o.clicks; ++i) {
        const auto next = [&] { return Pupil::rightAnswers(build).first(); };
        QWidget* box = next();
        pick << timedClick(
            box, [&] { return build->ProssimaCasella == 2; }, "first right pick");
        TestBench::click(next());
        TestBench::flush();
        box = next();
        last << timedClick(
            box, [&] { return build->BottoneAvanti->isEnabled(); }, "last right pick");
        build->BottoneAvanti_Click();
        TestBench::flush();
    }
    row("right pick in a build window (FormEs11)", pick);
    row("last right pick, Esatto (FormEs11)", last);
}

} // namespace Bench

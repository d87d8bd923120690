// SPDX-License-Identifier: GPL-3.0-or-later
#include "Estrazioni.h"

#include "common/library/BibliotecaFigure.h"
#include "FigureNelleCaselle.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/services/NumberText.h"
#include "common/platform/services/RandomSource.h"

#include <bitset>
#include <memory>
#include <optional>

namespace Estrazioni {

bool sensoOrario(Senso senso, RandomSource& rnd) {
    switch (senso) {
    case Senso::SempreOrario:
        return true;
    case Senso::SempreAntiorario:
        return false;
    case Senso::EstrattoPrima:
    case Senso::EstrattoDopo:
        break;
    }
    return rnd.draw(2) == 1;
}

namespace {

// A draw of the letter that may wait for a letter's pictures: each letter
// found unreadable is set aside, and the next value drawn when the verdict comes.
struct EstrazioneLettera : std::enable_shared_from_this<EstrazioneLettera> {
    using Prepara = std::function<std::optional<bool>(QChar, std::function<void(bool)>)>;

    EstrazioneLettera(RandomSource& r, Prepara p, std::function<void(QChar)> fatto)
        : rnd(r), prepara(std::move(p)), poi(std::move(fatto)) {}

    void prosegui() {
        while (!illeggibili.all()) {
            const int l = rnd.draw(BibliotecaFigure::lettere);
            if (illeggibili[std::size_t(l)])
                continue;
            const QChar estratta = BibliotecaFigure::lettera(l);
            const std::optional<bool> pronta =
                prepara(estratta, [self = shared_from_this(), l, estratta](bool ok) {
                    if (ok)
                        self->poi(estratta);
                    else
                        self->scarta(l);
                });
            if (!pronta)
                return;
            if (*pronta) {
                poi(estratta);
                return;
            }
            illeggibili.set(std::size_t(l));
        }
        poi({});
    }

    void scarta(int l) {
        illeggibili.set(std::size_t(l));
        prosegui();
    }

    RandomSource& rnd;
    Prepara prepara;
    std::function<void(QChar)> poi;
    std::bitset<BibliotecaFigure::lettere> illeggibili;
};

} // namespace

QChar lettera(RandomSource& rnd, BibliotecaFigure& figure) {
    QChar estratta;
    std::make_shared<EstrazioneLettera>(
        rnd, [&figure](QChar l, const auto&) { return std::optional(figure.preparaLettera(l)); },
        [&estratta](QChar l) { estratta = l; })
        ->prosegui();
    return estratta;
}

void lettera(RandomSource& rnd, BibliotecaFigure& figure, const QObject* contesto,
             std::function<void(QChar)> poi) {
    std::make_shared<EstrazioneLettera>(
        rnd,
        [&figure, contesto](QChar l, std::function<void(bool)> verdetto) {
            return figure.preparaLettera(l, contesto, std::move(verdetto));
        },
        std::move(poi))
        ->prosegui();
}

void distribuisci(const QList<ImageBox*>& boxes, QChar lettera, RandomSource& rnd,
                  BibliotecaFigure& figure) {
    const int n = static_cast<int>(boxes.size());
    for (ImageBox* box : boxes)
        box->Tag.clear();
    for (int i = 0; i < n; ++i) {
        int p = rnd.draw(n);
        while (!boxes[p]->Tag.isEmpty())
            p = rnd.draw(n);
        FigureNelleCaselle::carica(figure, *boxes[p], lettera, i + 1);
        boxes[p]->Tag = NumberText::signedForm(i + 1);
    }
}

int numeroTag(const ImageBox& box) {
    return static_cast<int>(NumberText::toNumber(box.Tag));
}

int passo(int k, bool orario) {
    const int primo = k < 5 ? 1 : 5;
    const int ultimo = primo + 3;
    if (orario)
        return k == ultimo ? primo : k + 1;
    return k == primo ? ultimo : k - 1;
}

} // namespace Estrazioni

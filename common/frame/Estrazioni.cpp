// SPDX-License-Identifier: GPL-3.0-or-later
#include "Estrazioni.h"

#include "FigureNelleCaselle.h"
#include "common/platform/services/NumberText.h"
#include "common/platform/services/RandomSource.h"
#include "common/platform/widgets/ImageBox.h"

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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "EstrazioneLettera.h"

#include "common/views/ConvenzioneFigure.h"
#include "common/platform/services/RandomSource.h"

#include <bitset>
#include <memory>

namespace EstrazioneLettera {

namespace {

using ConvenzioneFigure::lettere;

// A draw that may wait for a letter's pictures: it lives until the verdict
// comes, and the next value is drawn then.
struct Estrazione : std::enable_shared_from_this<Estrazione> {
    Estrazione(RandomSource& r, Prepara p, std::function<void(QChar)> fatto)
        : rnd(r), prepara(std::move(p)), poi(std::move(fatto)) {}

    void prosegui() {
        while (!illeggibili.all()) {
            const int l = rnd.draw(lettere);
            if (illeggibili[std::size_t(l)])
                continue;
            const QChar estratta = ConvenzioneFigure::lettera(l);
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
    std::bitset<lettere> illeggibili;
};

} // namespace

void estrai(RandomSource& rnd, Prepara prepara, std::function<void(QChar)> poi) {
    std::make_shared<Estrazione>(rnd, std::move(prepara), std::move(poi))->prosegui();
}

} // namespace EstrazioneLettera

// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

namespace NumberText {

QString signedForm(int value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString plainForm(int value) {
    return QString::number(value);
}

double toNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    return text.mid(start, i - start).toDouble();
}

} // namespace NumberText

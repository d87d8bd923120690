// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/services/MessageBoxService.h"

#include <QtGlobal>

class QtMessageBox : public MessageBoxService {
public:
    Answer show(QWidget* parent, const Request& request) override;

    // The text as a screen reader reads it: lines that only draw (a row of
    // hyphens) left out, no blanks at the ends of lines.
    static QString spokenText(const QString& text);

    // The factor a box for this window grows by: the window's own layout
    // scale, so that on a big board the box is not a postcard; 1 at the
    // stored size.
    static qreal scaleFor(const QWidget* window);
};

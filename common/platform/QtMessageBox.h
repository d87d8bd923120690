// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MessageBoxService.h"

class QtMessageBox : public MessageBoxService {
public:
    Answer show(QWidget* parent, const Request& request) override;
};

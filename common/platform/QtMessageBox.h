#pragma once

#include "MessageBoxService.h"

class QtMessageBox : public MessageBoxService {
public:
    Answer show(QWidget* parent, const Request& request) override;
};

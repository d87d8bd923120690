// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/services/MessageBoxService.h"

#include <QList>

// Answers message boxes as the test scripts and records what was asked.
// An unscripted question is answered No.
class ScriptedMessageBox : public MessageBoxService {
public:
    void answer(Answer a) { answers_ << a; }
    Answer show(QWidget*, const Request& request) override {
        asked << request;
        if (request.buttons == Buttons::Ok)
            return Answer::Ok;
        return answers_.isEmpty() ? Answer::No : answers_.takeFirst();
    }

    QList<Request> asked;

private:
    QList<Answer> answers_;
};

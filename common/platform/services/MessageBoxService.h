// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// A modal message box: the program's questions and its information box.
class MessageBoxService {
public:
    enum class Icon { Information, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    struct Request {
        QString title;
        QString text;
        Icon icon;
        Buttons buttons;
    };

    virtual ~MessageBoxService() = default;
    virtual Answer show(QWidget* parent, const Request& request) = 0;
};

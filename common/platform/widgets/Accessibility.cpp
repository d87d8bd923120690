// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include "FrameShape.h"
#include "ImageBox.h"
#include "LineShape.h"
#include "MenuBarAccessible.h"
#include "PictureButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenuBar>

namespace {

class ImageBoxAccessible : public QAccessibleWidget {
public:
    explicit ImageBoxAccessible(ImageBox* box) : QAccessibleWidget(box) {}

    QAccessible::Role role() const override {
        return box()->pressable() ? QAccessible::Button : QAccessible::Graphic;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->pressable())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction() && box()->pressable())
            box()->press();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    ImageBox* box() const { return static_cast<ImageBox*>(widget()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("ImageBox"))
        return new ImageBoxAccessible(static_cast<ImageBox*>(widget));
    if (className == QLatin1String("LineShape"))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (className == QLatin1String("FrameShape"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("KeyboardMenuBar"))
        return new MenuBarAccessible(static_cast<QMenuBar*>(widget));
    // A surface that is a whole window is one for a screen reader too.
    if (className == QLatin1String("ColouredArea") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("PictureButton") &&
        static_cast<PictureButton*>(widget)->isDecorative())
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void Accessibility::install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

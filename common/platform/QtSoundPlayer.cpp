#include "QtSoundPlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(Beep beep, QObject* parent)
    : QObject(parent), beep_(beep ? std::move(beep) : Beep([] { QApplication::beep(); })) {}

void QtSoundPlayer::preload(const QStringList& paths) {
    for (const QString& path : paths)
        effectFor(path);
}

QSoundEffect* QtSoundPlayer::effectFor(const QString& path) {
    if (auto found = effects_.constFind(path); found != effects_.constEnd())
        return found.value();
    QSoundEffect* effect = nullptr;
    if (QFileInfo(path).isFile()) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
        // A file that turns out undecodable while a play is pending still gets its beep.
        connect(effect, &QSoundEffect::statusChanged, this, [this, effect] {
            if (effect->status() == QSoundEffect::Error && current_ == effect) {
                current_ = nullptr;
                beep_();
            }
        });
    }
    effects_.insert(path, effect);
    return effect;
}

void QtSoundPlayer::play(const QString& path) {
    if (current_)
        current_->stop();
    current_ = nullptr;
    QSoundEffect* effect = effectFor(path);
    if (!effect || effect->status() == QSoundEffect::Error) {
        beep_();
        return;
    }
    current_ = effect;
    effect->play();
}

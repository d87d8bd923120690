// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtSoundPlayer.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace {

// Whether the file is small and short enough to be held whole in memory. Only
// the header is read: the format chunk gives the bytes per second, the data
// chunk the length (no longer than what the file really holds). A file that
// is not a WAV file is left for the decoder to refuse.
bool fitsInMemory(const QString& path) {
    QFile file(path);
    if (file.size() > QtSoundPlayer::largestFileBytes)
        return false;
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return true;
    quint32 bytesPerSecond = 0;
    for (;;) {
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            return true;
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (header.startsWith("fmt ")) {
            const QByteArray format = file.peek(12);
            if (format.size() < 12)
                return true;
            bytesPerSecond = qFromLittleEndian<quint32>(format.constData() + 8);
        } else if (header.startsWith("data")) {
            if (bytesPerSecond == 0)
                return true;
            const qint64 held = std::min<qint64>(size, file.size() - file.pos());
            return held <= qint64(bytesPerSecond) * QtSoundPlayer::longestSeconds;
        }
        // Chunks are padded to an even length.
        if (!file.seek(file.pos() + size + (size & 1)))
            return true;
    }
}

} // namespace

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
    if (QFileInfo(path).isFile() && fitsInMemory(path)) {
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

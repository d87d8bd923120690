// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtSoundPlayer.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <algorithm>

bool QtSoundPlayer::playable(const QString& path) {
    QFile file(path);
    if (file.size() > largestFileBytes)
        return false;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray riff = file.read(12);
    if (riff.size() < 12)
        return false; // empty, or cut before it says what it is
    if (!riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return true;
    quint32 bytesPerSecond = 0;
    for (;;) {
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            return false; // no data chunk: nothing to play
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (header.startsWith("fmt ")) {
            const QByteArray format = file.peek(12);
            if (format.size() < 12)
                return false;
            bytesPerSecond = qFromLittleEndian<quint32>(format.constData() + 8);
        } else if (header.startsWith("data")) {
            // A decoder waits for ever for data the file was cut before.
            const qint64 held = file.size() - file.pos();
            if (bytesPerSecond == 0 || size == 0 || size > held)
                return false;
            return size <= qint64(bytesPerSecond) * longestSeconds;
        }
        // Chunks are padded to an even length.
        if (!file.seek(file.pos() + size + (size & 1)))
            return false;
    }
}

QtSoundPlayer::QtSoundPlayer(Beep beep, QObject* parent)
    : QObject(parent), beep_(beep ? std::move(beep) : Beep([] { QApplication::beep(); })) {}

void QtSoundPlayer::preload(const QStringList& paths) {
    for (const QString& path : paths)
        effectFor(path);
}

QtSoundPlayer::Stamp QtSoundPlayer::stampOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    return {info.size(), info.lastModified()};
}

QSoundEffect* QtSoundPlayer::effectFor(const QString& path) {
    const Stamp now = stampOf(path);
    if (auto found = entries_.find(path); found != entries_.end()) {
        const Entry& entry = found.value();
        const bool failed =
            !entry.effect || entry.timedOut || entry.effect->status() == QSoundEffect::Error;
        if (!failed || entry.stamp == now)
            return entry.effect;
        if (entry.effect) {
            if (current_ == entry.effect)
                current_ = nullptr;
            entry.effect->deleteLater();
        }
        entries_.erase(found);
    }
    if (now.size < 0) // missing: looked for again at the next play
        return nullptr;
    Entry entry{nullptr, now};
    if (playable(path)) {
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
        effect->setVolume(float(volume_));
        // A file that turns out undecodable while a play is pending still gets its beep.
        connect(effect, &QSoundEffect::statusChanged, this, [this, effect] {
            if (effect->status() == QSoundEffect::Error)
                beepIfPending(effect);
        });
        entry.effect = effect;
    }
    entries_.insert(path, entry);
    return entry.effect;
}

void QtSoundPlayer::beepIfPending(QSoundEffect* effect) {
    if (current_ != effect)
        return;
    current_ = nullptr;
    beep_();
}

void QtSoundPlayer::setVolume(double volume) {
    volume_ = std::clamp(volume, 0.0, 1.0);
    for (const Entry& entry : std::as_const(entries_))
        if (entry.effect)
            entry.effect->setVolume(float(volume_));
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
    if (effect->status() == QSoundEffect::Ready)
        return;
    // A decoder that never gives its verdict must not leave the answer silent.
    QTimer::singleShot(loadingLimitMs, effect, [this, effect, path] {
        if (effect->status() == QSoundEffect::Ready)
            return;
        if (auto found = entries_.find(path); found != entries_.end() && found->effect == effect)
            found->timedOut = true;
        beepIfPending(effect);
    });
}

#include "gui/platform/qt_wave_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtWavePlayer::QtWavePlayer()
    : m_effect(std::make_unique<QSoundEffect>())
{}

QtWavePlayer::~QtWavePlayer() = default;

void QtWavePlayer::load(const QString &hostPath)
{
    m_effect->stop();
    // A file that is not there is not handed to QSoundEffect, which would complain on
    // the console; the player is then simply without a sound.
    if (hostPath.isEmpty() || !QFileInfo(hostPath).isFile()) {
        m_effect->setSource(QUrl());
        return;
    }
    m_effect->setSource(QUrl::fromLocalFile(QFileInfo(hostPath).absoluteFilePath()));
}

void QtWavePlayer::play()
{
    // While the file is still loading QSoundEffect queues the play; without a file or
    // after a failed load there is nothing to play.
    const QSoundEffect::Status status = m_effect->status();
    if (status == QSoundEffect::Ready || status == QSoundEffect::Loading)
        m_effect->play();
}

void QtWavePlayer::rewind()
{
    m_effect->stop();
}

bool QtWavePlayer::isLoaded() const
{
    return m_effect->status() == QSoundEffect::Ready;
}

bool QtWavePlayer::isLoading() const
{
    return m_effect->status() == QSoundEffect::Loading;
}

std::unique_ptr<WavePlayer> QtWavePlayerFactory::create()
{
    return std::make_unique<QtWavePlayer>();
}

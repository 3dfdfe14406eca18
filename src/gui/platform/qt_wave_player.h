#pragma once

#include "gui/platform/wave_player.h"

class QSoundEffect;

// A player on QSoundEffect, which decodes the file in advance and plays it without
// blocking the window. QSoundEffect always plays from the start, so rewind() only stops
// the sound.
class QtWavePlayer final : public WavePlayer
{
public:
    QtWavePlayer();
    ~QtWavePlayer() override;

    void load(const QString &hostPath) override;
    void play() override;
    void rewind() override;
    bool isLoaded() const override;

    // Whether the file given to load() is still being read and decoded.
    bool isLoading() const;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

class QtWavePlayerFactory final : public WavePlayerFactory
{
public:
    std::unique_ptr<WavePlayer> create() override;
};

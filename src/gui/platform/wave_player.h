#pragma once

#include <QString>

#include <memory>

// One player for one short wave file. Several players sound together.
class WavePlayer
{
public:
    virtual ~WavePlayer();

    // Makes hostPath the player's file, replacing the one before. Loading may finish
    // later; a missing or unreadable file leaves the player without a sound.
    virtual void load(const QString &hostPath) = 0;
    // Starts the sound from where the player stands and returns at once. Without a
    // sound it does nothing.
    virtual void play() = 0;
    // Stops the sound and goes back to its start.
    virtual void rewind() = 0;
    // Whether the file is loaded and ready to play.
    virtual bool isLoaded() const = 0;
};

// Makes players, one per sound routine.
class WavePlayerFactory
{
public:
    virtual ~WavePlayerFactory();

    virtual std::unique_ptr<WavePlayer> create() = 0;
};

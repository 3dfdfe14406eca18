#include "gui/platform/wave_player.h"

WavePlayer::~WavePlayer() = default;

WavePlayerFactory::~WavePlayerFactory() = default;

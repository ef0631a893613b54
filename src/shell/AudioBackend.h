#pragma once
// Where the game's sounds are played: the sound system hands every request to the
// installed backend. Tests install a recording one; without a backend nothing is heard.
#include <string>

class AudioBackend {
public:
    virtual ~AudioBackend() = default;
    // Plays a sound file (a path under the Resources folder such as
    // "data/sounds/click.ogg") once, or looping. Answers a channel handle, 0 on failure.
    virtual int PlaySound(const std::string& path, bool loop) = 0;
};

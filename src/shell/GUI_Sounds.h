#pragma once
// The game's sounds, played by file name through the installed audio backend; the click
// sound has its own id.
#include <string>

class AudioBackend;

class GUI_Sounds {
public:
    enum SOUNDID { SOUND_CLICK = 0 };

    // Plays the file once or looping; answers the channel handle, 0 when nothing plays.
    int PlaySound(const char* file, bool loop);
    // Id 0 plays "data/sounds/click.ogg" once; other ids play nothing.
    int PlaySound(SOUNDID id);

    // The backend that plays; nullptr plays nothing. The caller keeps ownership.
    void SetBackend(AudioBackend* backend) { backend_ = backend; }
    AudioBackend* GetBackend() const { return backend_; }

private:
    AudioBackend* backend_ = nullptr;
};

GUI_Sounds* GUI_GetSounds();

#include "shell/GUI_Sounds.h"

#include "shell/AudioBackend.h"

GUI_Sounds* GUI_GetSounds()
{
    static GUI_Sounds* sounds = new GUI_Sounds;
    return sounds;
}

int GUI_Sounds::PlaySound(const char* file, bool loop)
{
    if (!backend_ || !file)
        return 0;
    return backend_->PlaySound(file, loop);
}

int GUI_Sounds::PlaySound(SOUNDID id)
{
    if (id != SOUND_CLICK)
        return 0;
    return PlaySound("data/sounds/click.ogg", false);
}

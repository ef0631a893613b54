#include "show/GUI_MiniGameEmitters.h"

#include "shell/GUI_Particles.h"

#include <algorithm>

namespace {
bool Held(const std::vector<GUI_ParticleEmmiter*>& list, GUI_ParticleEmmiter* e)
{
    return std::find(list.begin(), list.end(), e) != list.end();
}
} // namespace

void GUI_MiniGameEmitters::Start(const char* config, V2 point, float z)
{
    GUI_ParticleEmmiter* e = GUI_ParticleManager::CreateEmmiter(config, point, z);
    if (e && !Held(started_, e))
        started_.push_back(e);
}

void GUI_MiniGameEmitters::Clear()
{
    // Parked emitters are reused, so one may be remembered once for several starts; each
    // is deleted only while the manager still holds it (its destructor leaves both lists).
    for (GUI_ParticleEmmiter* e : started_)
        if (Held(GUI_ParticleManager::Emmiters, e) || Held(GUI_ParticleManager::CachedEmmiters, e))
            delete e;
    started_.clear();
}

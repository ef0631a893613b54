#include "engine/gfx/SmartTexture.h"

#include "engine/gfx/D3DEngine.h"

#include <algorithm>

std::vector<SmartTexture*> SmartTexture::All;

SmartTexture::SmartTexture()
{
    All.push_back(this);
}

SmartTexture::SmartTexture(const std::string& textureName) : SmartTexture()
{
    SetTexture(textureName);
}

SmartTexture::SmartTexture(const SmartTexture& other) : name(other.name), glName(other.glName)
{
    All.push_back(this);
}

SmartTexture::~SmartTexture()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void SmartTexture::SetTexture(const std::string& textureName)
{
    name = textureName;
    Rebuild();
}

void SmartTexture::Rebuild()
{
    glName = name.empty() ? 0 : GetD3DEngine()->GetTexture(name);
}

void SmartTexture::Set()
{
    GetD3DEngine()->SetTexture(0, glName);
}

void SmartTexture::RebuildAll()
{
    for (SmartTexture* t : All)
        t->Rebuild();
}

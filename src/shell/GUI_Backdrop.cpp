#include "shell/GUI_Backdrop.h"

#include "engine/GFileList.h"
#include "engine/gfx/D3DEngine.h"
#include "port/Paths.h"
#include "sim/GAssert.h"

#include <algorithm>

namespace {

const char* const kGameSkins = "data/bitmaps/skins/*.*";

} // namespace

std::vector<std::string> GUI_ListFolders(const std::vector<std::string>& searchPaths)
{
    std::vector<std::string> names;
    for (const std::string& path : searchPaths) {
        GFileList list;
        list.AddDirectories(path);
        for (auto it = list.Begin(); it != list.End(); ++it) {
            // The listing gives leaf names already; a stray separator would make the name
            // a path that no texture is named after.
            std::string name = *it;
            const size_t slash = name.find_last_of("/\\");
            if (slash != std::string::npos)
                name = name.substr(slash + 1);
            if (name.empty() || name[0] == '.')
                continue;
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        }
    }
    return names;
}

std::string GUI_SkinTexture(const std::string& skin, SKINTEXTURE which)
{
    static const char* const kSuffix[SKIN_TEXTURE_COUNT] = {"_backdrop.bmp", "_lcd.bmp", "_lcd_h.bmp"};
    const int i = which >= 0 && which < SKIN_TEXTURE_COUNT ? which : 0;
    return "skin_" + skin + kSuffix[i];
}

GUI_Backdrop* GUI_GetBackdrop()
{
    static GUI_Backdrop* backdrop = new GUI_Backdrop;
    return backdrop;
}

GUI_Backdrop::GUI_Backdrop()
{
    LoadList();
    if (!skins_.empty())
        Apply(skins_.front());
}

void GUI_Backdrop::LoadList()
{
    skins_ = GUI_ListFolders({kGameSkins, GetUserFolder() + "/mods/skins/*.*"});
    GAssert(!skins_.empty(), __FILE__, __LINE__);
    position_ = 0;
}

void GUI_Backdrop::Apply(const std::string& name)
{
    current_ = name;
    for (int i = 0; i < SKIN_TEXTURE_COUNT; ++i)
        textures_[i] = GUI_SkinTexture(name, SKINTEXTURE(i));
    // No skin at all was reported when the list was made: the backdrop stays blank then
    // rather than asking the renderer for a texture that cannot exist.
    // The sprite finds its texture when it is next drawn, so choosing skins (the new-game
    // menu steps through them) loads no picture.
    sprite_.textureName = current_.empty() ? std::string() : textures_[SKIN_BACKDROP];
    sprite_.glName = 0;
}

void GUI_Backdrop::SetCurrentSkin(const std::string& name)
{
    if (!skins_.empty() && std::find(skins_.begin(), skins_.end(), name) == skins_.end()) {
        const std::string note = "Skin not installed, using " + skins_.front() + ": " + name;
        GWarning(note.c_str(), __FILE__, __LINE__);
        Apply(skins_.front());
        return;
    }
    Apply(name);
}

void GUI_Backdrop::Initialise()
{
    Apply(current_);
    D3DEngine* d3d = GetD3DEngine();
    sprite_.width = float(d3d->GetScreenWidth());
    sprite_.height = float(d3d->GetScreenHeight());
    sprite_.PlaceLocal(sprite_.width / 2.0f, sprite_.height / 2.0f);
}

void GUI_Backdrop::Draw()
{
    if (sprite_.GetTextureName().empty())
        return;
    sprite_.Draw();
}

const std::string& GUI_Backdrop::GetCurrentTexture(SKINTEXTURE which) const
{
    return textures_[which >= 0 && which < SKIN_TEXTURE_COUNT ? which : 0];
}

void GUI_Backdrop::NextSkin()
{
    if (IsLastSkin())
        return;
    ++position_;
    Apply(skins_[size_t(position_)]);
}

void GUI_Backdrop::PreviousSkin()
{
    if (IsFirstSkin())
        return;
    --position_;
    Apply(skins_[size_t(position_)]);
}

bool GUI_Backdrop::IsFirstSkin() const { return position_ <= 0; }

bool GUI_Backdrop::IsLastSkin() const { return skins_.empty() || position_ >= int(skins_.size()) - 1; }

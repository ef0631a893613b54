#pragma once
// The in-game scene's backdrop and the skins that pick it: a skin is a folder name, found
// in the game's skin folder and in the player's own mods folder, that names the backdrop
// and the two LCD panel textures.
#include "engine/gfx/BaseSprite.h"

#include <string>
#include <vector>

enum SKINTEXTURE { SKIN_BACKDROP = 0, SKIN_LCD = 1, SKIN_LCD_H = 2, SKIN_TEXTURE_COUNT = 3 };

// The leaf folder names matching each search pattern ("folder/*.*"), in pattern order and
// the listing's order within one folder; hidden folders are left out and a name found
// twice keeps its first place. A missing folder adds nothing.
std::vector<std::string> GUI_ListFolders(const std::vector<std::string>& searchPaths);

// The texture names of a skin: "skin_" + name + "_backdrop.bmp", "_lcd.bmp", "_lcd_h.bmp".
std::string GUI_SkinTexture(const std::string& skin, SKINTEXTURE which);

class GUI_Backdrop {
public:
    GUI_Backdrop();
    virtual ~GUI_Backdrop() = default;

    // Lists the skins of the game's folder, then those of the player's mods folder; the
    // first becomes current. An empty list is reported.
    void LoadList();
    // Makes the named skin current without moving the chooser's place in the list. A name
    // that is not installed (a save from another machine) falls back to the first skin
    // with a warning.
    void SetCurrentSkin(const std::string& name);
    const std::string& GetCurrentSkin() const { return current_; }
    // Re-applies the current skin and stretches the backdrop over the whole screen.
    void Initialise();
    void Draw();
    const std::string& GetCurrentTexture(SKINTEXTURE which) const;

    void NextSkin();
    void PreviousSkin();
    bool IsFirstSkin() const;
    bool IsLastSkin() const;

    const std::vector<std::string>& GetSkins() const { return skins_; }
    int GetPosition() const { return position_; }
    const CTexturedSprite& GetSprite() const { return sprite_; }

private:
    void Apply(const std::string& name);

    std::vector<std::string> skins_;
    int position_ = 0;
    CTexturedSprite sprite_;
    std::string current_;
    std::string textures_[SKIN_TEXTURE_COUNT];
};

GUI_Backdrop* GUI_GetBackdrop();

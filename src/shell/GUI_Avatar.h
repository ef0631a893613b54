#pragma once
// The player's avatar: the picture in a tilted frame at the bottom left of the main screen,
// and the chooser the new-game menu offers it with. Avatars are folders of pictures
// ("variants" of one character) in the game's avatar folder and the player's mods folder.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>
#include <vector>

class GUI_IconButton;

// The avatar folders, each as its path ("data/bitmaps/avatars/<name>", then the mods
// folder's): leaf names without hidden folders; a name found twice keeps its first place.
std::vector<std::string> GUI_AvatarFolders();
// The pictures ("*.jpg") of one avatar folder, as file names without the folder.
std::vector<std::string> GUI_AvatarVariants(const std::string& folder);

// The avatar on the main screen; one instance from GUI_GetAvatar().
class GUI_Avatar {
public:
    static constexpr const char* kNotSet = "notset.dds";
    static constexpr const char* kFrame = "angled_frame.dds";

    GUI_Avatar();
    virtual ~GUI_Avatar() = default;

    void SetTexture(const std::string& name);
    const std::string& GetTexture() const { return texture_; }
    // For a name kept by a saved game: a picture no longer installed falls back to the
    // first installed one, with a warning.
    void SetInstalledTexture(const std::string& name);
    // Places both sprites for the current screen size (a new game, a display restart).
    void Initialise();
    void Draw();

    const CTexturedSprite& GetPicture() const { return picture_; }
    const CTexturedSprite& GetFrame() const { return frame_; }

private:
    std::string texture_ = kNotSet;
    CTexturedSprite frame_;
    CTexturedSprite picture_;
};

GUI_Avatar* GUI_GetAvatar();

// The new-game menu's avatar chooser: the current variant large, a row of thumbnails of
// the current avatar's variants and arrows through avatars and variants. The menu that
// creates it owns it and hands it drawing, input and clicks. The lists and places are
// class-static, so the menu reads the choice after the chooser is gone.
class GUI_AvatarChooser : public GUI_WindowBase {
public:
    static constexpr float kPictureSize = 256.0f;
    static constexpr float kBackingScale = 1.0833334f;

    GUI_AvatarChooser();
    ~GUI_AvatarChooser() override;

    void EnumerateFiles();
    void OnNewAvatar();
    void OnNewVariant();
    static void NextAvatar(intptr_t);
    static void PrevAvatar(intptr_t);
    static void NextVariant(intptr_t);
    static void PrevVariant(intptr_t);
    // Makes the variant of that name current; an unknown name changes nothing.
    void SetVariant(const std::string& name);
    void CreateThumbnails();
    void Draw() override;

    bool HasVariants() const { return hasVariants_; }
    const CTexturedSprite& GetPicture() const { return picture_; }
    const BaseSprite& GetBacking() const { return backing_; }
    GUI_IconButton* GetNextAvatarButton() const { return nextAvatar_; }
    GUI_IconButton* GetPrevAvatarButton() const { return prevAvatar_; }
    GUI_IconButton* GetNextVariantButton() const { return nextVariant_; }
    GUI_IconButton* GetPrevVariantButton() const { return prevVariant_; }
    // The variant the player has chosen ("" when there is none).
    static std::string GetCurrentVariant();

    static GUI_WindowSlot<GUI_AvatarChooser> PTheWindow;
    static std::vector<std::string> AvatarDirectories;
    static int CurrentDirectory;
    static std::vector<std::string> AvatarVariants;
    static int CurrentVariant;

private:
    CTexturedSprite picture_;
    BaseSprite backing_;
    GUI_IconButton* nextAvatar_ = nullptr;
    GUI_IconButton* prevAvatar_ = nullptr;
    GUI_IconButton* nextVariant_ = nullptr;
    GUI_IconButton* prevVariant_ = nullptr;
    bool hasVariants_ = false;
};

// One variant's thumbnail under the chooser's picture; clicking it shows that variant.
class GUI_AvatarThumbnail : public GUI_WindowBase {
public:
    static constexpr float THUMBSIZE = 60.0f;

    explicit GUI_AvatarThumbnail(const std::string& fileName);
    void Draw() override;
    bool CheckClick(float x, float y) override;
    const std::string& GetFileName() const { return fileName_; }

private:
    std::string fileName_;
    CTexturedSprite picture_;
    BaseSprite backing_;
};

#pragma once
// The new-game menu: the player names the player character and the band, picks a look and
// the interface skin, and starts a career, which opens on the first career-stage screen.
// Names typed here stay between visits.
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/SmartTexture.h"
#include "menus/GUI_MenuBase.h"
#include "port/Rect.h"
#include "shell/GUI_NameField.h"

#include <cstdint>
#include <memory>
#include <string>

class GUI_AvatarChooser;
class GUI_ButtonText;
class GUI_IconButton;

class GUI_MenuNew : public GUI_MenuBase {
public:
    enum FIELD { FIELD_NONE = 0, FIELD_PLAYER = 1, FIELD_BAND = 2 };
    static constexpr size_t kNameCapacity = 62;

    GUI_MenuNew();
    ~GUI_MenuNew() override;
    void Draw() override;
    void HandleKey(unsigned int key) override;
    void CheckClick() override;
    void Activate() override;
    void MouseWheelUp() override;
    void MouseWheelDown() override;

    static void Start(intptr_t);
    static void MainMenu(intptr_t);
    static void RandomName(intptr_t);
    static void RandomBandName(intptr_t);
    static void NextSkin(intptr_t);
    static void PrevSkin(intptr_t);

    GUI_NameField& PlayerName() { return playerName_; }
    GUI_NameField& BandName() { return bandName_; }
    FIELD GetActiveField() const { return active_; }
    // Both names hold more than blanks.
    bool CanStart() const;
    const tagRECT& GetPlayerField() const { return playerField_; }
    const tagRECT& GetBandField() const { return bandField_; }
    GUI_ButtonText* GetStartButton() const { return start_; }
    GUI_ButtonText* GetRandomNameButton() const { return randomName_; }
    GUI_ButtonText* GetRandomBandButton() const { return randomBand_; }
    GUI_IconButton* GetNextSkinButton() const { return nextSkin_; }
    GUI_IconButton* GetPrevSkinButton() const { return prevSkin_; }
    const CTexturedSprite& GetPreview() const { return preview_; }
    GUI_AvatarChooser* GetChooser() const { return chooser_.get(); }

    // The rules of the two name fields: 62 characters, letters, digits, the apostrophe,
    // the hyphen and the space, the first character and Shift in upper case.
    static GUI_NameField::Rules NameRules();

private:
    // The look the player has picked: a name whose first letter 'm' marks a male look.
    std::string CurrentLook() const;
    void FillRandomName();
    void FillRandomBandName();
    void PlaceFields();
    void ShowSkin();
    GUI_NameField* ActiveField();

    GUI_ButtonText* start_ = nullptr; // the buttons are owned through the button list
    GUI_ButtonText* mainMenu_ = nullptr;
    GUI_ButtonText* randomName_ = nullptr;
    GUI_ButtonText* randomBand_ = nullptr;
    GUI_IconButton* nextSkin_ = nullptr;
    GUI_IconButton* prevSkin_ = nullptr;
    CTexturedSprite preview_;
    SmartTexture background_;
    std::string caption_;
    GUI_NameField playerName_;
    GUI_NameField bandName_;
    FIELD active_ = FIELD_NONE;
    tagRECT playerField_ {};
    tagRECT bandField_ {};
    std::unique_ptr<GUI_AvatarChooser> chooser_;
};

GUI_MenuNew* GUI_GetMenuNewGame();

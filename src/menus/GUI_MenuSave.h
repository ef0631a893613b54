#pragma once
// The save menu: the player types a save name, or picks an existing save from a list of
// ten, and saves the game in progress under it. Replacing a save asks first; a name the
// game cannot save under cannot be confirmed, and a failed save says so and stays here.
#include "menus/GUI_MenuBase.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_NameField.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One row of the save menu's list: the save it stands for and its shown, shortened name.
class GUI_SaveGameSlot : public GUI_ButtonBase {
public:
    // `fileName` with ".xml"; empty for an empty row (shown as `emptyText`).
    GUI_SaveGameSlot(const std::string& fileName, const std::string& emptyText);
    void Draw() override;
    void Click() override;

    bool IsEmpty() const { return fileName_.empty(); }
    const std::string& GetFileName() const { return fileName_; }
    const std::string& GetShownName() const { return shown_; }

private:
    std::string fileName_;
    std::string shown_;
};

class GUI_MenuSave : public GUI_MenuBase {
public:
    static constexpr int kRows = 10;
    static constexpr size_t kShownChars = 14;

    GUI_MenuSave();
    void Draw() override;
    void HandleKey(unsigned int key) override;
    void ProcessInput() override;
    void CheckClick() override;
    void Activate() override;

    void SetFileName(const std::string& name);
    const GUI_NameField& NameField() const { return name_; }
    // Whether the typed name is one the game can save under.
    bool CanSave() const;
    // The line under the name: a failed save, or the autosave warning; empty otherwise.
    std::string StatusLine() const;

    static void Save(intptr_t);
    static void SaveConfirmed(intptr_t);
    static void MainMenu(intptr_t);
    static void ScrollUp(intptr_t);
    static void ScrollDown(intptr_t);

    const std::vector<std::string>& GetFiles() const { return files_; }
    int GetFirstShown() const { return first_; }
    const std::vector<std::unique_ptr<GUI_SaveGameSlot>>& GetSlots() const { return slots_; }
    GUI_ButtonText* GetSaveButton() const { return save_; }
    GUI_IconButton* GetScrollUpButton() const { return up_; }
    GUI_IconButton* GetScrollDownButton() const { return down_; }

    static GUI_NameField::Rules NameRules();

private:
    void ReadList();
    void KillSlots();
    void AssignSlots();
    void DoSave();

    GUI_NameField name_;
    GUI_ButtonText* mainMenu_ = nullptr; // owned through the button list
    GUI_ButtonText* save_ = nullptr;
    GUI_IconButton* up_ = nullptr;
    GUI_IconButton* down_ = nullptr;
    int first_ = 0;
    std::vector<std::string> files_;
    std::vector<std::unique_ptr<GUI_SaveGameSlot>> slots_;
    bool saveFailed_ = false;
    bool refreshPending_ = false;
};

GUI_MenuSave* GUI_GetMenuSave();

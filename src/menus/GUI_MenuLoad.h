#pragma once
// The load menu: the saved games five to a page, each as a strip with the player's avatar,
// the save's name, date, band, fame and cash. Clicking a strip loads it; the cross beside a
// strip deletes its file after the player confirms.
#include "engine/gfx/BaseSprite.h"
#include "menus/GUI_MenuBase.h"
#include "shell/GUI_ButtonTypes.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct SIM_LoadConfig;

// One strip of the load menu: the save it stands for and its summary lines.
class GUI_LoadGameSlot : public GUI_ButtonBase {
public:
    // An empty file name gives an empty strip.
    GUI_LoadGameSlot(const std::string& fileName, const SIM_LoadConfig* summary);
    void SetPosition(float l, float t, float r, float b) override;
    using GUI_ButtonBase::SetPosition;
    void Draw() override;
    void Click() override;

    bool IsEmpty() const { return fileName_.empty(); }
    const std::string& GetFileName() const { return fileName_; }
    const std::string& GetSaveName() const { return name_; }
    const std::string& GetBandLine() const { return band_; }
    const std::string& GetFameLine() const { return fame_; }
    const std::string& GetCashLine() const { return cash_; }
    const std::string& GetDateLine() const { return date_; }

private:
    std::string fileName_;
    std::string name_;
    std::string fame_;
    std::string cash_;
    std::string band_;
    std::string date_;
    CTexturedSprite thumbnail_;
};

// The cross beside a strip: asks to delete the save it stands for.
class GUI_DeleteGameButton : public GUI_IconButton {
public:
    explicit GUI_DeleteGameButton(const std::string& fileName);
    void Click() override;
    const std::string& GetFileName() const { return fileName_; }

private:
    std::string fileName_;
};

class GUI_MenuLoad : public GUI_MenuBase {
public:
    static constexpr float STRIPHEIGHT = 90.0f;
    static constexpr int kRows = 5;

    GUI_MenuLoad();
    void Draw() override;
    void HandleKey(unsigned int key) override;
    void ProcessInput() override;
    void CheckClick() override;
    // Entering the menu: reads the folder and every summary afresh.
    void Activate() override;

    // Rebuilds the list and the page at the end of the next draw.
    void Refresh() { refreshPending_ = true; }
    // Asks the player whether to delete the save; deletes it on yes.
    void AskDelete(const std::string& fileName);
    // Loads the save at the end of the click that picked it.
    void RequestLoad(const std::string& fileName) { pendingLoad_ = fileName; }

    static void MainMenu(intptr_t);
    static void ScrollUp(intptr_t);
    static void ScrollDown(intptr_t);
    static void DeleteConfirmed(intptr_t);

    const std::vector<std::string>& GetFiles() const { return files_; }
    int GetFirstShown() const { return first_; }
    const std::vector<std::unique_ptr<GUI_LoadGameSlot>>& GetSlots() const { return slots_; }
    const std::vector<GUI_DeleteGameButton*>& GetDeleteButtons() const { return deleteButtons_; }
    GUI_IconButton* GetScrollUpButton() const { return up_; }
    GUI_IconButton* GetScrollDownButton() const { return down_; }

private:
    // Reads the folder again, keeping the page inside the list.
    void ReadList();
    void KillSlots();
    void KillDeleteButtons();
    void AssignSlots();
    const SIM_LoadConfig* Summary(const std::string& fileName);

    GUI_ButtonText* mainMenu_ = nullptr; // owned through the button list
    std::vector<std::string> files_;
    std::vector<GUI_DeleteGameButton*> deleteButtons_; // owned through the button list
    GUI_IconButton* up_ = nullptr;
    GUI_IconButton* down_ = nullptr;
    int first_ = 0;
    std::vector<std::unique_ptr<GUI_LoadGameSlot>> slots_;
    bool refreshPending_ = false;
    // Summaries read since the menu was entered: each file is read (and an unreadable one
    // logged) once, not on every page.
    std::map<std::string, std::unique_ptr<SIM_LoadConfig>> summaries_;
    std::string pendingLoad_;
    std::string pendingDelete_;
};

GUI_MenuLoad* GUI_GetMenuLoad();

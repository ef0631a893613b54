#pragma once
// The full-screen report on an album in development: how the band works today, what the
// album has cost, its days in the studio and five read-outs. From it the album is
// released as it stands (ending the day) or taken on to a day of mixing.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <cstdint>
#include <string>

class GUI_ButtonText;
class SIM_Album;

class GUI_Studio : public GUI_WindowBase {
public:
    static GUI_WindowSlot<GUI_Studio> PTheWindow;

    static void Create(SIM_Album* album);
    static void Continue(intptr_t);
    static void Mix(intptr_t);
    static void Release(intptr_t);
    static void Close(intptr_t);
    static void Cancel(intptr_t);

    explicit GUI_Studio(SIM_Album* album);
    ~GUI_Studio() override;
    void Draw() override;
    void HandleKey(unsigned int) override {}

    // The sentence on how the band works today.
    static const char* DescriptionKey();
    GUI_ButtonText* GetContinueButton() const { return continue_; }
    GUI_ButtonText* GetReleaseButton() const { return release_; }
    const std::string& GetDescription() const { return description_; }
    const std::string& GetCostValue() const { return costValue_; }
    const std::string& GetDaysValue() const { return daysValue_; }
    // The studio-quality read-out's value: 0 without a current studio.
    static float StudioQuality();
    bool IsCommitted() const { return committed_; }

private:
    void DrawReadout(float y, const std::string& label, float value);
    GUI_ButtonText* continue_ = nullptr; // owned through the button list
    GUI_ButtonText* release_ = nullptr;
    SIM_Album* album_; // the album's class owns it
    std::string title_;
    std::string albumTitle_;
    std::string description_;
    std::string costLabel_;
    std::string costValue_;
    std::string daysLabel_;
    std::string daysValue_;
    std::string qualityLabel_;
    std::string songQualityLabel_;
    std::string studioQualityLabel_;
    std::string motivationLabel_;
    std::string tirednessLabel_;
    CTexturedSprite readout_;
    bool committed_ = false;
};

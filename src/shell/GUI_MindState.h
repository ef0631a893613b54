#pragma once
// The player panel at the right edge of the main screen: the player's inspiration, vocals
// and live experience as indicators under the title "You".
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <string>
#include <vector>

class GUI_Indicator;

class GUI_MindState : public GUI_WindowBase {
public:
    static constexpr int CHUNKHEIGHT = 39;
    static constexpr int kWidth = 174;
    static constexpr int kHeight = 578;

    GUI_MindState();
    ~GUI_MindState() override;

    // A new or loaded game: the panel is placed and its indicators made again for the
    // player character's attributes.
    void Initialise() { Setup(); }
    void Setup();
    void CreateIndicators();
    void AddIndicator(const char* attributeName, float x, float y);
    // The indicator of the attribute of that name; null (and a warning) when none shows it.
    GUI_Indicator* GetIndicator(const std::string& name);
    bool CheckClick(float x, float y) override;
    void Draw() override;
    void ClearIndicators();

    const std::vector<GUI_Indicator*>& Indicators() const { return indicators_; }
    const std::string& GetTitle() const { return title_; }

private:
    std::vector<GUI_Indicator*> indicators_;
    std::string title_;
    BaseSprite sprite_;
};

GUI_MindState* GUI_GetMindState();

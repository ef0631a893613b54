#pragma once
// The player panel at the right edge of the main screen: the player's inspiration, vocals
// and live experience as indicators under the title "You".
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_IndicatorPanel.h"

#include <string>
#include <vector>

class GUI_Indicator;

class GUI_MindState : public GUI_IndicatorPanel {
public:
    static constexpr int CHUNKHEIGHT = 39;
    static constexpr int kWidth = 174;
    static constexpr int kHeight = 578;

    GUI_MindState();

    // A new or loaded game: the panel is placed and its indicators made again for the
    // player character's attributes.
    void Initialise() { Setup(); }
    void Setup();
    void CreateIndicators();
    void AddIndicator(const char* attributeName, float x, float y);

private:
    BaseSprite sprite_;
};

GUI_MindState* GUI_GetMindState();

#pragma once
// A panel of attribute indicators under an LCD title at the right edge of the main screen:
// the player's panel and the band's are both one of these.
#include "shell/GUI_WindowBase.h"

#include <string>
#include <vector>

class GUI_Indicator;
class SIM_Attribute;

class GUI_IndicatorPanel : public GUI_WindowBase {
public:
    // The title is drawn `titleTop` below the panel's top edge.
    explicit GUI_IndicatorPanel(float titleTop);
    ~GUI_IndicatorPanel() override;

    // The indicator of the attribute of that name; null (and a note in the log) when none
    // shows it.
    GUI_Indicator* GetIndicator(const std::string& name);
    bool CheckClick(float x, float y) override;
    void Draw() override;
    void ClearIndicators();

    const std::vector<GUI_Indicator*>& Indicators() const { return indicators_; }
    const std::string& GetTitle() const { return title_; }

protected:
    // One indicator for the attribute, `height` high, from x to the panel's right edge.
    void AddIndicatorFor(SIM_Attribute* attribute, float x, float y, float height);
    void SetTitle(const std::string& title) { title_ = title; }

private:
    float titleTop_;
    std::vector<GUI_Indicator*> indicators_;
    std::string title_;
};

#pragma once
// The LCD read-outs along the top of the main screen: the month and year, the band's
// cash and its fame. Cash and fame follow the simulation by themselves (they redraw their
// text whenever the value changed) and show a tool tip under the pointer.
#include "shell/GUI_WindowBase.h"

#include <memory>
#include <string>

class GUI_Tooltip;

// The month and year. Drawn by the in-game screen itself, not by the window manager.
class GUI_Date : public GUI_WindowBase {
public:
    GUI_Date();
    void Initialise();
    // Rebuilds the text from today's date.
    void Refresh();
    void Draw() override;
    const std::string& GetText() const { return text_; }

private:
    bool initialised_ = false;
    std::string text_;
    // The date the text was built from: a loaded game's date shows without a call.
    int shownMonth_ = -1;
    int shownYear_ = -1;
};

// The base of the cash and fame read-outs: a permanent window with a label and a tool tip.
class GUI_ReadOut : public GUI_WindowBase {
public:
    GUI_ReadOut(const char* labelKey, const char* tooltipKey, float sentinel, int left, int right);
    ~GUI_ReadOut() override;
    // A new or loaded game: placed, registered, and the value shown is read afresh.
    void Initialise();
    void Draw() override;
    void ProcessInput() override;
    virtual void Refresh() = 0;
    GUI_Tooltip* GetTooltip() const { return tooltip_.get(); }

protected:
    virtual float CurrentValue() const = 0;
    virtual void DrawText() = 0;

    bool initialised_ = false;
    std::string label_; // the translated label, at most 63 characters
    float shown_;       // the value the text was built from

private:
    const char* labelKey_;
    std::unique_ptr<GUI_Tooltip> tooltip_;
    float sentinel_;
    int left_;
    int right_;
};

class GUI_Cash : public GUI_ReadOut {
public:
    GUI_Cash();
    void Refresh() override;
    bool CheckClick(float x, float y) override;
    const std::string& GetLabelText() const { return labelText_; }
    const std::string& GetValueText() const { return valueText_; }
    // The amount as the read-out writes it: below 100 (every debt included) the magnitude
    // with two decimals, else the whole magnitude with digit groups; never a sign.
    static std::string ValueText(double cash);

private:
    float CurrentValue() const override;
    void DrawText() override;
    std::string labelText_;
    std::string valueText_;
};

class GUI_Fame : public GUI_ReadOut {
public:
    GUI_Fame();
    void Refresh() override;
    // Opens the watch of the fame's effects.
    bool CheckClick(float x, float y) override;
    const std::string& GetText() const { return text_; }

private:
    float CurrentValue() const override;
    void DrawText() override;
    std::string text_;
};

GUI_Date* GUI_GetDate();
GUI_Cash* GUI_GetCash();
GUI_Fame* GUI_GetFame();

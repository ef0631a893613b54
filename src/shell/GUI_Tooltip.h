#pragma once
// A small translucent box of wrapped text that fades in once the mouse has rested on its
// owner and fades out when it leaves. Owners queue their tip every frame; the screens
// draw the queue last, and only the first visible tip is drawn.
#include "engine/gfx/GUI_BaseElement.h"

#include <string>
#include <vector>

class GUI_Tooltip : public GUI_BaseElement {
public:
    enum TOOLTIPMODE { PLACED = 0, FOLLOW_MOUSE = 1 };
    static constexpr float GAIN = 0.25f;
    static constexpr float FADE = 0.125f;
    static constexpr int WRAP_WIDTH = 240;
    static constexpr int MAX_ALPHA = 192;
    // How far AutoPosition keeps the tip above or below the mouse: at least the height
    // of a text button.
    static constexpr float POINTER_CLEARANCE = 32.0f;

    GUI_Tooltip(const std::string& text, int delay);
    ~GUI_Tooltip();
    GUI_Tooltip(const GUI_Tooltip&) = delete;
    GUI_Tooltip& operator=(const GUI_Tooltip&) = delete;

    void SetText(const std::string& text);
    const std::string& GetText() const { return text_; }
    void SetMode(TOOLTIPMODE mode) { mode_ = mode; }
    void Ping();
    void SetPosition(float x, float y);
    // Beside the mouse, clear of the control under it.
    void AutoPosition();
    // Queues the tip for this frame.
    void Draw() override;
    static void DrawAll();

    float GetLevel() const { return level_; }
    float GetShownLevel() const { return shownLevel_; }
    int GetDelay() const { return delay_; }
    static const std::vector<GUI_Tooltip*>& DrawList();

private:
    void DrawOne();

    std::string text_;
    float shownLevel_ = 0.0f;
    int delay_;
    float level_ = 0.0f;
    TOOLTIPMODE mode_ = PLACED;
};

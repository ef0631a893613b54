#pragma once
// A horizontal slider that edits a value between 0 and 1 in place, with a label under it
// (the options menu's volumes). Its owner calls Process and Draw every frame.
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/GUI_BaseElement.h"

#include <string>

class GUI_SliderControl : public GUI_BaseElement {
public:
    using ChangeCallback = void (*)();

    // The value is not owned; a null one is reported and the slider then edits nothing.
    // The label (at most 31 characters) is shown as it is.
    GUI_SliderControl(float* value, const char* label, ChangeCallback onChange);

    void SetPosition(float l, float t, float r, float b) override;
    using GUI_BaseElement::SetPosition;
    // Starts a drag on a press over the knob; while dragging, follows the mouse and calls
    // the change callback every frame; a release anywhere ends the drag.
    void Process();
    void Draw() override;

    bool IsDragging() const { return dragging_; }
    const std::string& GetLabel() const { return label_; }
    const BaseSprite& Track() const { return track_; }
    const BaseSprite& Knob() const { return knob_; }

private:
    void PlaceKnob();

    float* value_ = nullptr;
    BaseSprite track_;
    BaseSprite knob_;
    std::string label_;
    bool dragging_ = false;
    ChangeCallback onChange_ = nullptr;
};

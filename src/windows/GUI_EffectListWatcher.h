#pragma once
// The developer's watch of the live effects of one effect list: each effect's name, value,
// daily degrade factor and a small signed bar of the value, read afresh every frame.
// Any number may be open; each is an ordinary dialog, closed by its close button.
#include "port/Rect.h"
#include "shell/GUI_Dialog.h"
#include "sim/SIM_Effect.h"

class GUI_EffectListWatcher : public GUI_Dialog {
public:
    // Opens one more watcher; open ones stay. A missing list is reported and opens nothing.
    static GUI_EffectListWatcher* Create(const SIM_EffectList* list, const char* title);

    void Draw() override;
    // The bar of a value at y: the frame 60 wide from left + 200, and the fill from its
    // left edge, right for a positive value and left for a negative one, 60 px per unit.
    void DrawBar(float y, float value);

    static tagRECT BarFrame(float left, float y);
    static tagRECT BarFill(float left, float y, float value);
    // The y of row i, counted from the dialog's top.
    static float RowY(float top, size_t index) { return top + 27.0f + 12.0f * float(index); }

    const SIM_EffectList* GetList() const { return list_; }

private:
    GUI_EffectListWatcher(const SIM_EffectList* list, const char* title);

    // The simulation's list; the watcher only reads it, and a new game or a load closes it.
    const SIM_EffectList* list_;
};

#pragma once
// The game's own mouse pointer, drawn in full screen (in a window the system's pointer
// shows), which also records the window being dragged.
#include "engine/gfx/BaseSprite.h"

class GUI_Cursor : public BaseSprite {
public:
    GUI_Cursor();
    void Draw() override;
    bool IsDragging() const { return dragObject_ != nullptr; }
    void SetDragObject(void* object) { dragObject_ = object; }
    void* GetDragObject() const { return dragObject_; }

private:
    void* dragObject_ = nullptr;
};

GUI_Cursor* GUI_GetCursor();

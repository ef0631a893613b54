#pragma once
// The in-game scene's backdrop. Skins come later; until then it draws nothing.
class GUI_Backdrop {
public:
    void Initialise() {}
    void Draw() {}
};

GUI_Backdrop* GUI_GetBackdrop();

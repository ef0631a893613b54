#pragma once
// The main screen's date read-out. It comes with the main screen; until then it draws
// nothing.
class GUI_Date {
public:
    void Initialise() {}
    void Draw() {}
};

GUI_Date* GUI_GetDate();

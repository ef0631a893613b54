#pragma once
// A modal yes-or-no question: OK calls back, Cancel (or the close button) just closes.
// One at a time; creating another closes the first.
#include "shell/GUI_Callback.h"
#include "shell/GUI_Dialog.h"

#include <string>

class GUI_ButtonText;

class GUI_ConfirmDialog : public GUI_Dialog {
public:
    // The texts come translated. A null callback is reported; OK then only closes.
    static void Create(const std::string& text, const std::string& title, GUI_Callback callback);
    // The buttons' callbacks.
    static void Confirm(intptr_t);
    static void Close(intptr_t);

    ~GUI_ConfirmDialog() override;
    void Draw() override;

    const std::string& GetText() const { return text_; }
    GUI_ButtonText* GetOKButton() const { return ok_; }
    GUI_ButtonText* GetCancelButton() const { return cancel_; }

    static GUI_ConfirmDialog* PTheWindow;

private:
    GUI_ConfirmDialog(const std::string& text, const std::string& title, GUI_Callback callback);
    // Grows the dialog (360 x 140 at least) until the text ends above the buttons.
    void FitHeightToText();

    static constexpr int kTextInset = 20;
    static constexpr int kTextTop = 10;
    static constexpr int kTextSize = 16;
    static constexpr int kTextToButtons = 12;
    static constexpr int kButtonsFromBottom = 30;

    std::string text_;
    GUI_ButtonText* cancel_ = nullptr; // owned through the button list
    GUI_ButtonText* ok_ = nullptr;
    GUI_Callback callback_ = nullptr;
};

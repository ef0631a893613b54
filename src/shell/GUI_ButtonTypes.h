#pragma once
// The kinds of button: text on a tiled face, an icon, the dialog's close button and the
// check box.
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/SmartTexture.h"
#include "shell/GUI_ButtonBase.h"

#include <string>

// A translated text on a tiled button face, highlighted under the mouse.
class GUI_ButtonText : public GUI_ButtonBase {
public:
    GUI_ButtonText(const char* key, GUI_Callback callback, intptr_t argument);
    void Draw() override;
    // Replaces the text with the string itself (at most 63 characters, not translated).
    void SetText(const std::string& text);
    const std::string& GetText() const { return text_; }
    // The key the text was translated from ("" after SetText).
    const std::string& GetKey() const { return key_; }

private:
    std::string key_;
    std::string text_;
    SmartTexture normal_;
    SmartTexture highlight_;
};

class GUI_WindowBase;

// The full-screen pages' "Continue" button, centred at the foot of the window and added
// to it; the tool tip shows after `tooltipDelay`.
GUI_ButtonText* AddContinueAtFoot(GUI_WindowBase& window, GUI_Callback callback, int tooltipDelay);

class GUI_WindowTab;

// Switches a tab container to one of its pages; drawn as a tab, bright while its page is
// the one shown.
class GUI_ButtonTab : public GUI_ButtonText {
public:
    // The page is not owned; when it is deleted first the button shows nothing.
    GUI_ButtonTab(const char* key, GUI_WindowTab* tab);
    ~GUI_ButtonTab() override;
    void Draw() override;
    // The click sound, then the page is activated, whether the button is enabled or not.
    void Click() override;
    GUI_WindowTab* GetTab() const { return tab_; }

private:
    friend class GUI_WindowTab;
    GUI_WindowTab* tab_ = nullptr;
    bool flipped_ = false;
};

// A picture button: one sprite normally, another under the mouse.
class GUI_IconButton : public GUI_ButtonBase {
public:
    GUI_IconButton(const char* texture, GUI_Callback callback, intptr_t argument);
    void Draw() override;
    void SetHighlightTexture(const char* texture);
    void PlaceSprite();
    const CTexturedSprite& NormalSprite() const { return normal_; }
    const CTexturedSprite& HighlightSprite() const { return highlight_; }

private:
    CTexturedSprite normal_;
    CTexturedSprite highlight_;
};

// The dialog's close button: a click deletes the window that owns it.
class GUI_CloseButton : public GUI_IconButton {
public:
    GUI_CloseButton();
    void Click() override;
};

// A 26 x 26 check box with an untranslated label beside it; only the box takes clicks.
class GUI_CheckButton : public GUI_ButtonBase {
public:
    static constexpr int kBoxSize = 26;
    GUI_CheckButton(const char* label, GUI_Callback callback, intptr_t argument);
    void Draw() override;
    bool CheckClick(float x, float y) override;
    void SetChecked(bool c) { checked_ = c; }
    bool IsChecked() const { return checked_; }
    const std::string& GetLabel() const { return label_; }

private:
    CTexturedSprite box_;
    CTexturedSprite tick_;
    bool checked_ = false;
    std::string label_;
};

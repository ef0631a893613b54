#pragma once
// Modal messages: GUI_Message holds a text (with the player's first name filled in) and
// stays until its close button; GUI_TextureMessage adds a title and a picture on the left,
// and fits its height to the text on its first draw.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_Dialog.h"

#include <string>

class GUI_Message : public GUI_Dialog {
public:
    explicit GUI_Message(const std::string& text);
    ~GUI_Message() override;
    // Takes the text ("<MILOSNAME>" becomes the player's first name), 420 x 220, centred.
    void Initialise(const std::string& text);
    const std::string& GetText() const { return text_; }

protected:
    std::string text_;
    bool laidOut_ = false;
};

class GUI_TextureMessage : public GUI_Message {
public:
    // The texts come translated.
    static GUI_TextureMessage* Create(const std::string& texture, const std::string& text,
                                      const std::string& title);
    GUI_TextureMessage(const std::string& texture, const std::string& text, const std::string& title);
    void Draw() override;

private:
    CTexturedSprite sprite_;
    std::string texture_;
};

#include "shell/GUI_Message.h"

#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_WindowManager.h"
#include "sim/SIM_GameConfig.h"

#include <algorithm>

namespace {

// The player character's first name: the first word of the name chosen for a new game.
std::string PlayerFirstName()
{
    const std::string name = SIM_GetGameConfig()->GetAvatarName();
    return name.substr(0, name.find(' '));
}

} // namespace

GUI_Message::GUI_Message(const std::string& text) : GUI_Dialog(true)
{
    Initialise(text);
    GUI_GetWindowManager()->AddModal(this);
}

GUI_Message::~GUI_Message() { GUI_GetWindowManager()->RemoveModal(this); }

void GUI_Message::Initialise(const std::string& text)
{
    // Every occurrence, scanning on past each name put in (a name never re-expands).
    const std::string token = "<MILOSNAME>";
    const std::string name = PlayerFirstName();
    std::string filled = text;
    for (size_t at = filled.find(token); at != std::string::npos; at = filled.find(token, at + name.size()))
        filled.replace(at, token.size(), name);
    text_ = filled;
    laidOut_ = false;
    SetSize(420, 220);
    PlaceCentral();
    UpdateClientArea();
}

GUI_TextureMessage* GUI_TextureMessage::Create(const std::string& texture, const std::string& text,
                                               const std::string& title)
{
    return new GUI_TextureMessage(texture, text, title);
}

GUI_TextureMessage::GUI_TextureMessage(const std::string& texture, const std::string& text,
                                       const std::string& title)
    : GUI_Message(text), texture_(texture)
{
    SetTitle(AddDots(title, 29));
    sprite_.width = 64;
    sprite_.height = 64;
    sprite_.SetTexture(texture_);
}

void GUI_TextureMessage::Draw()
{
    GUI_Dialog::Draw();
    const tagRECT& c = GetClientArea();
    sprite_.PlaceLocal(float(c.left + 50), float(c.top + 50));
    // A picture that cannot be found draws nothing; the message still shows.
    if (!texture_.empty())
        sprite_.Draw();
    const float textLeft = sprite_.Right() + 10.0f;
    const float textWidth = float(c.right) - 20.0f - sprite_.Right() - 10.0f;
    if (!laidOut_) {
        GDIText::SetFont(kBoldFontName, 16, false);
        const int textHeight = GDIText::GetTextHeight(text_.c_str(), textWidth);
        const int height = std::max(90 + textHeight, 140);
        SetPosition(float(rect.left), float(rect.top), float(rect.right), float(rect.top + height));
        UpdateClientArea();
        laidOut_ = true;
    }
    GDIText::AddChunk(textLeft, float(GetClientArea().top + 20), text_, kBoldFontName, 16, textWidth, 0,
                      255, 255, 255);
    GDIText::RenderChunks(-1);
}

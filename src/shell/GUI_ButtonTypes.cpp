#include "shell/GUI_ButtonTypes.h"

#include "engine/GTranslation.h"
#include "engine/gfx/GDIText.h"
#include "sim/GAssert.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_TabContainer.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/GUI_WindowBase.h"

#include <algorithm>
#include <cstring>

namespace {

std::string Cut63(const std::string& text) { return text.substr(0, 63); }

void SetSpriteTexture(CTexturedSprite& sprite, const char* texture)
{
    // A name shorter than two characters names no picture.
    if (texture && std::strlen(texture) >= 2)
        sprite.SetTexture(texture);
}

} // namespace

GUI_ButtonText* AddContinueAtFoot(GUI_WindowBase& window, GUI_Callback callback, int tooltipDelay)
{
    const float cx = window.GetCenterX();
    const float bottom = float(window.GetRect().bottom);
    auto* button = new GUI_ButtonText("FMV_CONTINUE", callback, 0);
    button->SetTooltip("FMV_CONTINUE_TOOLTIP", tooltipDelay);
    button->SetPosition(cx - 80.0f, bottom - 30.0f, cx + 80.0f, bottom - 8.0f);
    window.AddButton(button);
    return button;
}

GUI_ButtonText::GUI_ButtonText(const char* key, GUI_Callback callback, intptr_t argument)
    : GUI_ButtonBase(callback, argument), key_(key ? key : ""),
      text_(Cut63(GTranslation::GetString(key_.c_str())))
{
    normal_.SetTexture("button.dds");
    highlight_.SetTexture("button_h.dds");
}

void GUI_ButtonText::SetText(const std::string& text)
{
    key_.clear();
    text_ = Cut63(text);
}

void GUI_ButtonText::Draw()
{
    bool enabled = GetEnabled();
    (enabled && state_ == HIGHLIGHTED ? highlight_ : normal_).Set();
    GUI_WindowBackground::DrawTiledBase(GetRect(), 9.0f, enabled ? 1.0f : 0.5f);
    int grey = enabled ? 0 : 64;
    GDIText::AddChunk(float(rect.left), float(rect.top + GetHeight() / 2 - 8), text_, kBoldFontName, 16,
                      float(GetWidth()), 1, grey, grey, grey);
    GUI_ButtonBase::Draw();
}

GUI_ButtonTab::GUI_ButtonTab(const char* key, GUI_WindowTab* tab) : GUI_ButtonText(key, nullptr, 0), tab_(tab)
{
    if (tab_)
        tab_->buttons_.push_back(this);
}

GUI_ButtonTab::~GUI_ButtonTab()
{
    if (tab_)
        tab_->buttons_.erase(std::remove(tab_->buttons_.begin(), tab_->buttons_.end(), this),
                             tab_->buttons_.end());
}

void GUI_ButtonTab::Draw()
{
    const bool current = tab_ && tab_->IsVisible();
    GUI_WindowBackground::DrawTabButton(GetRect(), current ? TEX_WINDOW_CLIENT : TEX_WINDOW_SHADOW, 20.0f,
                                        flipped_);
    const int shade = current ? 255 : 192;
    GDIText::AddChunk(float(rect.left), float(rect.top + GetHeight() / 2 - 7), GetText(), kBoldFontName, 16,
                      float(GetWidth()), 1, shade, shade, shade);
    GUI_ButtonBase::Draw();
}

void GUI_ButtonTab::Click()
{
    GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
    if (tab_)
        tab_->Activate();
}

GUI_IconButton::GUI_IconButton(const char* texture, GUI_Callback callback, intptr_t argument)
    : GUI_ButtonBase(callback, argument)
{
    SetSpriteTexture(normal_, texture);
    SetSpriteTexture(highlight_, texture);
}

void GUI_IconButton::SetHighlightTexture(const char* texture)
{
    SetSpriteTexture(highlight_, texture);
}

void GUI_IconButton::PlaceSprite()
{
    for (CTexturedSprite* s : {&normal_, &highlight_}) {
        s->width = float(GetWidth());
        s->height = float(GetHeight());
        s->PlaceLocal(GetCenterX(), GetCenterY());
    }
}

void GUI_IconButton::Draw()
{
    PlaceSprite();
    CTexturedSprite& sprite = state_ == HIGHLIGHTED ? highlight_ : normal_;
    sprite.SetVertexColor(255, 255, 255, GetEnabled() ? 255 : 32);
    sprite.Draw();
    GUI_ButtonBase::Draw();
}

GUI_CloseButton::GUI_CloseButton() : GUI_IconButton("button_close.dds", nullptr, 0)
{
    SetHighlightTexture("button_close_h.dds");
}

void GUI_CloseButton::Click()
{
    GUI_ButtonBase::Click();
    GUI_WindowBase* owner = GetOwner();
    GAssert(owner != nullptr, "GUI_ButtonTypes", __LINE__);
    delete owner; // deletes this button with it: nothing may follow
}

GUI_CheckButton::GUI_CheckButton(const char* label, GUI_Callback callback, intptr_t argument)
    : GUI_ButtonBase(callback, argument), label_(Cut63(label ? label : ""))
{
    box_.SetTexture("gui_checkbox.dds");
    tick_.SetTexture("gui_checkbox_checked.dds");
    for (CTexturedSprite* s : {&box_, &tick_})
        s->width = s->height = float(kBoxSize);
}

bool GUI_CheckButton::CheckClick(float x, float y)
{
    int ix = int(x), iy = int(y);
    bool inBox = ix > rect.left && ix < rect.left + kBoxSize && iy > rect.top && iy < rect.top + kBoxSize;
    // A disabled check box ignores clicks: it neither flips nor takes them.
    if (!inBox || !GetEnabled())
        return false;
    checked_ = !checked_;
    Click();
    return true;
}

void GUI_CheckButton::Draw()
{
    float cx = float(rect.left) + kBoxSize / 2.0f;
    float cy = float(rect.top) + kBoxSize / 2.0f;
    box_.PlaceLocal(cx, cy);
    box_.Draw();
    if (checked_) {
        tick_.PlaceLocal(cx, cy);
        tick_.Draw();
    }
    GDIText::Begin();
    GDIText::SetFont(kBoldFontName, 18, false);
    GDIText::RenderText(float(rect.left + 39), float(rect.top + 7), label_.c_str(), 0.0f);
    GDIText::End();
    GUI_ButtonBase::Draw();
}

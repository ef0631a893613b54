#include "shell/GUI_ButtonBase.h"

#include "engine/GTranslation.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowBase.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Input.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<GUI_ButtonBase::ClickListener>& ClickListeners()
{
    static std::vector<GUI_ButtonBase::ClickListener> listeners;
    return listeners;
}

} // namespace

void GUI_ButtonBase::AddClickListener(ClickListener listener)
{
    auto& l = ClickListeners();
    if (listener && std::find(l.begin(), l.end(), listener) == l.end())
        l.push_back(listener);
}

GUI_ButtonBase::GUI_ButtonBase(GUI_Callback callback, intptr_t argument)
    : callback_(callback), argument_(argument)
{
}

GUI_ButtonBase::~GUI_ButtonBase() { delete tooltip_; }

void GUI_ButtonBase::Draw()
{
    if (tooltip_)
        tooltip_->Draw();
}

void GUI_ButtonBase::SetPosition(float l, float t, float r, float b)
{
    GUI_BaseElement::SetPosition(l, t, r, b);
    if (tooltip_)
        tooltip_->SetPosition(GetCenterX() - float(tooltip_->GetWidth()) / 2.0f, float(rect.bottom));
}

bool GUI_ButtonBase::CheckClick(float x, float y)
{
    if (!enabled_ || !PtInside(x, y))
        return false;
    Click();
    return true;
}

void GUI_ButtonBase::Click()
{
    if (!enabled_)
        return;
    // A listener or the callback may delete this button: copy what is needed first and
    // touch no member afterwards.
    GUI_Callback callback = callback_;
    intptr_t argument = argument_;
    if (!name_.empty()) {
        std::vector<ClickListener> listeners = ClickListeners();
        std::string name = name_;
        for (ClickListener l : listeners)
            l(name);
    }
    if (callback) {
        GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
        callback(argument);
    }
}

void GUI_ButtonBase::Process()
{
    CInput* input = GetInput();
    if (input->IsMouseMovesEaten() || !PtInside(input->MouseX(), input->MouseY())) {
        state_ = NORMAL;
        return;
    }
    if (enabled_) {
        bool modalUp = GUI_GetWindowManager()->ModalWindowsActive();
        state_ = (!modalUp || (owner_ && owner_->IsModal())) ? HIGHLIGHTED : NORMAL;
    }
    if (tooltip_) {
        tooltip_->Ping();
        tooltip_->AutoPosition();
        input->EatMouseMoves();
    }
}

void GUI_ButtonBase::SetRawTooltip(const std::string& text, int delay)
{
    delete tooltip_;
    tooltip_ = new GUI_Tooltip(text, delay);
}

void GUI_ButtonBase::SetTooltip(const char* key, int delay)
{
    SetRawTooltip(GTranslation::GetString(key), delay);
}

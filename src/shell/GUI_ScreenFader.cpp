#include "shell/GUI_ScreenFader.h"

#include "engine/gfx/D3DEngine.h"
#include "shell/Input.h"

#include <algorithm>

GUI_ScreenFader* GUI_GetFader()
{
    static GUI_ScreenFader* fader = new GUI_ScreenFader;
    return fader;
}

void GUI_ScreenFader::StartFade(TYPE type, GUI_Callback callback, intptr_t argument)
{
    type_ = type;
    if (callback) {
        auto entry = std::make_pair(callback, argument);
        if (std::find(pending_.begin(), pending_.end(), entry) == pending_.end())
            pending_.push_back(entry);
    }
    timer_.StartTimer();
    if (type == FADE_OUT)
        GetInput()->SetIgnoreClicks(true);
}

void GUI_ScreenFader::CancelCallback(GUI_Callback callback)
{
    pending_.erase(std::remove_if(pending_.begin(), pending_.end(),
                                  [callback](const auto& e) { return e.first == callback; }),
                   pending_.end());
}

void GUI_ScreenFader::Draw()
{
    if (type_ == NONE)
        return;
    timer_.Update();
    float t = std::min(float(timer_.GetElapsed()) / FADETIME, 1.0f);
    darkness_ = type_ == FADE_OUT ? t : 1.0f - t;
    tagRECT screen;
    SetRect(&screen, 0, 0, int(D3DEngine::W), int(D3DEngine::H));
    GetD3DEngine()->SetTexture(0, 0);
    GetD3DEngine()->FillRect(screen, unsigned(int(255.0f * darkness_)) << 24);
    if (t < 1.0f)
        return;
    GetInput()->SetIgnoreClicks(false);
    type_ = NONE;
    // Cleared before the calls, so a fade that a callback starts stands.
    auto calls = std::move(pending_);
    pending_.clear();
    for (const auto& [callback, argument] : calls)
        callback(argument);
}

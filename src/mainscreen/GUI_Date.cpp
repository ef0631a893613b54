#include "mainscreen/GUI_Date.h"

#include "engine/GTranslation.h"
#include "engine/LibTextEngine.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_Tooltip.h"
#include "shell/Input.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "windows/GUI_EffectListWatcher.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr uint32_t kReadOutBlack = 182u << 24;
constexpr uint32_t kReadOutBlue = (182u << 24) | 0x0000FFu;
constexpr int kTop = 19;
constexpr int kBottom = 55;

void UseReadOutFont()
{
    GetTextEngine()->SetCurrentFont("LCD18.dds", 24.0f);
}

} // namespace

GUI_Date* GUI_GetDate()
{
    static GUI_Date* date = new GUI_Date;
    return date;
}

GUI_Cash* GUI_GetCash()
{
    static GUI_Cash* cash = new GUI_Cash;
    return cash;
}

GUI_Fame* GUI_GetFame()
{
    static GUI_Fame* fame = new GUI_Fame;
    return fame;
}

// ---------------------------------------------------------------------------------------
// Date

GUI_Date::GUI_Date() { SetCloseOnRestart(false); }

void GUI_Date::Initialise()
{
    SetPosition(35.0f, float(kTop), 176.0f, float(kBottom));
    initialised_ = true;
    Refresh();
}

void GUI_Date::Refresh()
{
    if (!initialised_) {
        Initialise();
        return;
    }
    const SIM_Date* today = SIM_Date::PPresentDay;
    if (!today) {
        text_.clear();
        return;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%s %d", SIM_Date::GetMonthName(today->GetMonth()).substr(0, 3).c_str(),
                  today->GetYear());
    text_ = text;
    shownMonth_ = today->GetMonth();
    shownYear_ = today->GetYear();
}

void GUI_Date::Draw()
{
    if (!initialised_)
        Initialise();
    if (const SIM_Date* today = SIM_Date::PPresentDay)
        if (today->GetMonth() != shownMonth_ || today->GetYear() != shownYear_)
            Refresh();
    LibTextEngine* text = GetTextEngine();
    UseReadOutFont();
    GetD3DEngine()->SetPointFilter();
    text->AddQueueString(text_, float(rect.left + 14), float(rect.top + 9), kReadOutBlack);
    text->ProcessTextQueue(-1);
    GetD3DEngine()->SetLinearFilter();
}

// ---------------------------------------------------------------------------------------
// Cash and fame

GUI_ReadOut::GUI_ReadOut(const char* labelKey, const char* tooltipKey, float sentinel, int left, int right)
    : shown_(sentinel), labelKey_(labelKey), tooltip_(std::make_unique<GUI_Tooltip>(GTranslation::GetString(tooltipKey), 40)),
      sentinel_(sentinel), left_(left), right_(right)
{
    SetCloseOnRestart(false);
    tooltip_->SetMode(GUI_Tooltip::TOOLTIPMODE(0));
}

GUI_ReadOut::~GUI_ReadOut() = default;

void GUI_ReadOut::Initialise()
{
    SetPosition(float(left_), float(kTop), float(right_), float(kBottom));
    initialised_ = true;
    AddToGUI();
    label_ = GTranslation::GetString(labelKey_);
    if (label_.size() > 63)
        label_.resize(63);
    // A new game's value is shown even when it equals the last game's.
    shown_ = sentinel_;
}

void GUI_ReadOut::Draw()
{
    if (!initialised_)
        Initialise();
    const float value = CurrentValue();
    if (value != shown_) {
        shown_ = value;
        Refresh();
    }
    UseReadOutFont();
    GetD3DEngine()->SetPointFilter();
    DrawText();
    GetTextEngine()->ProcessTextQueue(-1);
    GetD3DEngine()->SetLinearFilter();
    tooltip_->Draw();
}

void GUI_ReadOut::ProcessInput()
{
    GUI_WindowBase::ProcessInput();
    CInput* input = GetInput();
    if (PtInside(input->MouseX(), input->MouseY())) {
        tooltip_->Ping();
        tooltip_->AutoPosition();
    }
}

GUI_Cash::GUI_Cash() : GUI_ReadOut("MONEY", "CASH_TOOLTIP", -1234.0f, 694, 871) {}

float GUI_Cash::CurrentValue() const { return SIM_GetFinances()->GetCash(); }

std::string GUI_Cash::ValueText(double cash)
{
    if (std::isnan(cash))
        cash = 0.0;
    if (cash >= 100.0)
        return FormatMoneyMagnitude(cash);
    // Debts of any size: the magnitude, held where the money formatter holds it.
    const double magnitude = std::fmin(std::fabs(cash), 9.0e15);
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", magnitude);
    return text;
}

void GUI_Cash::Refresh()
{
    labelText_ = label_ + " :";
    valueText_ = ValueText(shown_);
}

void GUI_Cash::DrawText()
{
    LibTextEngine* text = GetTextEngine();
    text->AddQueueString(labelText_, float(rect.left + 14), float(rect.top + 9), kReadOutBlack);
    text->AddQueueString(valueText_, float(rect.left + 94), float(rect.top + 9),
                         shown_ < 0.0f ? kReadOutBlue : kReadOutBlack);
}

bool GUI_Cash::CheckClick(float x, float y) { return PtInside(x, y); }

GUI_Fame::GUI_Fame() : GUI_ReadOut("FAME", "FAME_TOOLTIP", -1.0f, 876, 1018) {}

float GUI_Fame::CurrentValue() const { return SIM_GetFame()->GetFame(); }

void GUI_Fame::Refresh()
{
    text_ = label_ + " : " + std::to_string(WholeNumber(shown_));
}

void GUI_Fame::DrawText()
{
    GetTextEngine()->AddQueueString(text_, float(rect.left + 14), float(rect.top + 9), kReadOutBlack);
}

bool GUI_Fame::CheckClick(float x, float y)
{
    if (!PtInside(x, y))
        return false;
    GUI_EffectListWatcher::Create(&SIM_GetFame()->GetEffects(), "fame");
    return true;
}

#include "mainscreen/GUI_Calendar.h"

#include "engine/GTranslation.h"
#include "engine/LibTextEngine.h"
#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_Tooltip.h"
#include "shell/Game.h"
#include "shell/Input.h"
#include "sim/GAssert.h"
#include "sim/SIM_Calendar.h"
#include "sim/SIM_Date.h"

#include <cstdio>

GUI_Calendar* GUI_GetCalendar()
{
    static GUI_Calendar* calendar = new GUI_Calendar;
    return calendar;
}

GUI_CalendarDay::GUI_CalendarDay(int offset)
    : offset_(offset), tooltip_(std::make_unique<GUI_Tooltip>("", 30))
{
    SetCloseOnRestart(false);
    checkbox_.width = 32.0f;
    checkbox_.height = 32.0f;
    checkbox_.SetTexture("gui_checkbox.dds");
    picture_.width = 24.0f;
    picture_.height = 24.0f;
    tooltip_->SetMode(GUI_Tooltip::FOLLOW_MOUSE);
}

GUI_CalendarDay::~GUI_CalendarDay() = default;

void GUI_CalendarDay::Refresh()
{
    int weekday = (SIM_Date::PPresentDay ? SIM_Date::PPresentDay->GetDayOfWeek() : 0) + offset_;
    while (weekday > 6)
        weekday -= 7;
    GAssert(weekday >= 0 && weekday <= 6, __FILE__, __LINE__);
    char key[32];
    std::snprintf(key, sizeof key, "DAY_ABBV_%d", weekday);
    abbreviation_ = GTranslation::GetString(key);
    const auto& entries = SIM_GetCalendar()->GetDayList(offset_);
    hasEntry_ = !entries.empty();
    // An empty day keeps the last entry's text and picture, but shows neither.
    if (hasEntry_) {
        entryText_ = entries.front()->text;
        tooltip_->SetText(entryText_);
        picture_.SetTexture(entries.front()->icon);
    }
}

void GUI_CalendarDay::ProcessInput()
{
    GUI_WindowBase::ProcessInput();
    CInput* input = GetInput();
    if (hasEntry_ && PtInside(input->MouseX(), input->MouseY())) {
        tooltip_->Ping();
        tooltip_->AutoPosition();
    }
}

void GUI_CalendarDay::Draw()
{
    if (hasEntry_) {
        picture_.PlaceLocal(GetCenterX(), GetCenterY() + 2.0f);
        picture_.Draw();
        tooltip_->Draw();
    }
    GetTextEngine()->AddQueueString(abbreviation_, float(rect.left), float(rect.top - 8), (192u << 24) | 0xFFFFFFu,
                                    float(GetWidth()), LibTextEngine::ALIGN_CENTRE);
}

GUI_Calendar::GUI_Calendar()
{
    SetCloseOnRestart(false);
    // The strip's own rectangle reaches under the cash read-out: it must not take the
    // pointer from it.
    SetEatsMouse(false);
    for (int i = 0; i < kDays; ++i) {
        days_[i] = new GUI_CalendarDay(i);
        AddChild(days_[i]);
    }
}

void GUI_Calendar::Initialise()
{
    AddToGUI();
    const float s = GetGame()->AdjustForScreenRes(1.0f);
    for (int i = 0; i < kDays; ++i) {
        const float cx = s * 205.0f + 35.0f * float(i), cy = s * 34.0f;
        days_[i]->SetPosition(cx - 18.0f, cy - 18.0f, cx + 18.0f, cy + 18.0f);
    }
    SetPosition(s * 377.0f - 18.0f, s * 30.0f, s * 377.0f + 472.0f, s * 30.0f + 36.0f);
    Refresh();
}

void GUI_Calendar::Refresh()
{
    for (GUI_CalendarDay* day : days_)
        day->Refresh();
}

void GUI_Calendar::Draw()
{
    LibTextEngine* text = GetTextEngine();
    text->SetCurrentFont("LCD10.dds", 12.0f);
    for (GUI_CalendarDay* day : days_)
        day->Draw();
    GetD3DEngine()->SetPointFilter();
    text->ProcessTextQueue(-1);
    GetD3DEngine()->SetLinearFilter();
}

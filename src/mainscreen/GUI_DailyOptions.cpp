#include "mainscreen/GUI_DailyOptions.h"

#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/D3DTypes.h"
#include "engine/gfx/GDIText.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_TextureCache.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/GUI_WindowManager.h"
#include "sim/GAssert.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Quote.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr uint32_t kWhite = PackColor(255, 255, 255, 255);

// Rows are the page's children; the int of a row callback carries the row itself and is
// trusted only while the page still holds it.
GUI_DailyOption* LiveRow(intptr_t row)
{
    for (GUI_WindowBase* child : GUI_GetDailyOptions()->Children())
        if (reinterpret_cast<intptr_t>(child) == row)
            return dynamic_cast<GUI_DailyOption*>(child);
    return nullptr;
}

} // namespace

GUI_DailyOptions* GUI_GetDailyOptions()
{
    static GUI_DailyOptions* page = new GUI_DailyOptions;
    return page;
}

// ---------------------------------------------------------------------------------------
// Option rows

GUI_DailyOption::GUI_DailyOption(const SIM_DailyOption* option)
    : option_(option), type_(option->GetType()), title_(option->GetTitle()), text_(option->GetText())
{
    ok_ = new GUI_ButtonText("DAILY_OPTION_OK", OK, reinterpret_cast<intptr_t>(this));
    ok_->SetEnabled(option->IsDoable());
    AddButton(ok_);
    picture_.width = 64.0f;
    picture_.height = 64.0f;
    picture_.SetTexture(option->GetTexture());
}

void GUI_DailyOption::Draw()
{
    const tagRECT r = GetRect();
    ok_->SetPosition(float(r.right - 120), float(r.bottom - 30), float(r.right - 10), float(r.bottom - 10));
    D3DEngine* d3d = GetD3DEngine();
    const bool over = MouseInside();
    d3d->SetTexture(0, 0);
    if (type_ == SIM_DailyOption::GIG) {
        d3d->FillRect(r, over ? PackColor(128, 32, 32, 255) : PackColor(64, 0, 0, 255));
        d3d->FrameRect(r, over ? kWhite : PackColor(192, 32, 32, 255));
    } else {
        if (over)
            d3d->FillRect(r, PackColor(32, 32, 32, 255));
        d3d->FrameRect(r, over ? PackColor(192, 192, 192, 255) : PackColor(128, 128, 128, 255));
    }
    picture_.PlaceLocal(float(r.left + 40), (r.top + r.bottom) / 2.0f);
    picture_.Draw();
    d3d->SetTexture(0, 0);
    picture_.Frame(kWhite);
    DrawButtons();
    const float textLeft = picture_.Right() + 10.0f;
    GDIText::AddChunk(textLeft, float(r.top + 5), title_, kBoldFontName, 18, 0.0f, 0, 255, 255, 255);
    GDIText::AddChunk(textLeft, float(r.top + 25), text_, kBoldFontName, 14, float(r.right) - picture_.Right() - 20.0f,
                      0, 255, 255, 255);
}

void GUI_DailyOption::OK(intptr_t row)
{
    GUI_DailyOptions* page = GUI_GetDailyOptions();
    if (page->leaving_ || !LiveRow(row))
        return;
    page->leaving_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Select, row);
}

void GUI_DailyOption::Select(intptr_t row)
{
    GUI_DailyOption* shown = LiveRow(row);
    if (!shown) {
        // The day's options went while the screen faded: nothing to carry out.
        GUI_DailyOptions::Close(0);
        return;
    }
    const SIM_DailyOption* key = shown->option_;
    const bool charity = shown->type_ == SIM_DailyOption::CHARITYGIG;
    auto it = std::find(SIM_DailyOption::All.begin(), SIM_DailyOption::All.end(), key);
    if (it == SIM_DailyOption::All.end()) {
        GUI_DailyOptions::Close(0);
        return;
    }
    // Activate may end the day, which deletes the option and this row and builds the
    // next day's page: nothing of either is touched afterwards.
    (*it)->Activate();
    if (!charity)
        GUI_DailyOptions::Close(0);
}

// ---------------------------------------------------------------------------------------
// Message rows

GUI_MessageStrip::GUI_MessageStrip(const SIM_Message* message)
{
    GAssert(message != nullptr, __FILE__, __LINE__);
    if (!message)
        return;
    text_ = message->GetMessageText();
    if (const SIM_Musician* musician = message->GetMusician()) {
        name_ = musician->GetFullName();
        portrait_.SetTexture(musician->GetPortraitTexture());
    }
    portrait_.width = 64.0f;
    portrait_.height = 64.0f;
    backing_.width = 70.0f;
    backing_.height = 70.0f;
}

void GUI_MessageStrip::Draw()
{
    const tagRECT r = GetRect();
    D3DEngine* d3d = GetD3DEngine();
    d3d->SetTexture(0, 0);
    d3d->FrameRect(r, PackColor(128, 128, 128, 255));
    const float cx = float(r.left + 40), cy = (r.top + r.bottom) / 2.0f;
    backing_.PlaceLocal(cx, cy);
    tagRECT back;
    SetRect(&back, int(backing_.Left()), int(backing_.Top()), int(backing_.Right()), int(backing_.Bottom()));
    GUI_WindowBackground::DrawDropShadow(TEX_SQ_DROPSHADOW, back, 8.0f, 6);
    d3d->SetTexture(0, 0);
    backing_.Draw();
    portrait_.PlaceLocal(cx, cy);
    if (!portrait_.GetTextureName().empty())
        portrait_.Draw();
    const float textLeft = portrait_.Right() + 10.0f;
    GDIText::AddChunk(textLeft, float(r.top + 5), name_, kBoldFontName, 18, 0.0f, 0, 255, 255, 255);
    GDIText::AddChunk(textLeft, float(r.top + 25), text_, kBoldFontName, 14, float(r.right) - portrait_.Right() - 20.0f,
                      0, 255, 255, 255);
}

// ---------------------------------------------------------------------------------------
// The page

GUI_DailyOptions::GUI_DailyOptions()
{
    SetCloseOnRestart(false);
    dayNames_.LoadSection("days", GTranslation::StringsFile);
    GUI_WindowBase::AddDestroyListener(ForgetWindow);
}

GUI_DailyOptions::~GUI_DailyOptions() = default;

void GUI_DailyOptions::ForgetWindow(GUI_WindowBase* window)
{
    GUI_DailyOptions* page = GUI_GetDailyOptions();
    auto& list = page->postpone_;
    auto it = std::find(list.begin(), list.end(), window);
    if (it == list.end())
        return;
    list.erase(it);
    if (list.empty() && page->held_)
        page->rebuildDue_ = true;
}

bool GUI_DailyOptions::IsUp() const
{
    const auto& full = GUI_GetWindowManager()->Fullscreens();
    return std::find(full.begin(), full.end(), this) != full.end();
}

void GUI_DailyOptions::Initialise()
{
    if (!postpone_.empty()) {
        held_ = true;
        return;
    }
    held_ = false;
    rebuildDue_ = false;
    stale_ = false;
    leaving_ = false;
    const float w = D3DEngine::W, h = D3DEngine::H;
    SetPosition(0.0f, 0.0f, w, h);
    firstRow_ = 0;
    ClearButtons();
    continue_ = new GUI_ButtonText("DAILYOPTIONS_CONTINUE", Continue, 0);
    continue_->SetTooltip("DAILYOPTIONS_CONTINUE_TOOLTIP", 0);
    continue_->SetPosition(w / 2.0f - 190.0f, h - 35.0f, w / 2.0f + 190.0f, h - 8.0f);
    AddButton(continue_);
    SetRect(&list_, 55, 175, int(w) - 55, 660);
    up_ = new GUI_IconButton("up.dds", ScrollUp, 0);
    up_->SetPosition(w - 50.0f, 175.0f, w - 25.0f, 205.0f);
    AddButton(up_);
    down_ = new GUI_IconButton("down.dds", ScrollDown, 0);
    down_->SetPosition(w - 50.0f, 630.0f, w - 25.0f, 660.0f);
    AddButton(down_);

    Populate();
    ComposeTitle();
    ComposeText();

    quote_.clear();
    const SIM_Quote* quote = SIM_Quote::GetRandomQuote();
    GAssert(quote != nullptr, __FILE__, __LINE__);
    if (quote) {
        quote_ = quote->GetQuote() + " - " + quote->GetArtist();
        if (!quote->GetBand().empty())
            quote_ += " (" + quote->GetBand() + ")";
        SIM_Quote::Retire(quote);
    }

    Show();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_HintHelp::Launch("daily options");
    background_.SetTexture("leather.jpg");
}

void GUI_DailyOptions::Show()
{
    if (stale_) {
        Initialise();
        return;
    }
    GUI_GetWindowManager()->AddFullscreen(this);
    GUI_GetGUI()->SetInputHandler(this);
}

void GUI_DailyOptions::Populate()
{
    KillChildren();
    hasEvents_ = 0;
    const float w = D3DEngine::W;
    float y = 180.0f;
    int row = 0;
    auto visible = [this](int index) { return index >= firstRow_ && index < firstRow_ + kVisibleRows; };

    SIM_DailyOption::PushGigsToTop();
    for (const SIM_DailyOption* option : SIM_DailyOption::All) {
        if (visible(row)) {
            auto* strip = new GUI_DailyOption(option);
            AddChild(strip);
            strip->SetPosition(60.0f, y, w - 60.0f, y + 90.0f);
            y += 95.0f;
            hasEvents_ = 1;
        }
        ++row;
    }

    int inRow = 0;
    for (const SIM_Message* message : SIM_Message::All) {
        if (visible(row)) {
            auto* strip = new GUI_MessageStrip(message);
            AddChild(strip);
            if (inRow == 0)
                strip->SetPosition(60.0f, y, w / 2.0f - 10.0f, y + 90.0f);
            else
                strip->SetPosition(w / 2.0f + 10.0f, y, w - 60.0f, y + 90.0f);
            if (inRow == 1)
                y += 95.0f;
        }
        if (++inRow == 2) {
            ++row;
            inRow = 0;
        }
    }
    if (inRow != 0)
        ++row; // a last row holding a single message
    lastFirstRow_ = std::max(row - kVisibleRows, 0);
}

void GUI_DailyOptions::ComposeTitle()
{
    const SIM_Date* today = SIM_Date::PPresentDay;
    if (!today) {
        title_.clear();
        return;
    }
    char key[16];
    std::snprintf(key, sizeof key, "%d", today->GetDayOfWeek());
    char title[256];
    std::snprintf(title, sizeof title, "%s %s %d", dayNames_.GetValue(key).c_str(),
                  SIM_Date::GetMonthName(today->GetMonth()).c_str(), today->GetYear());
    title_ = title;
}

void GUI_DailyOptions::ComposeText()
{
    text_ = GTranslation::GetString(hasEvents_ ? "DAILY_OPTIONS_EVENTS" : "DAILY_OPTIONS_NONE");
}

void GUI_DailyOptions::Draw()
{
    const float w = D3DEngine::W, h = D3DEngine::H;
    if (up_)
        up_->SetVisible(firstRow_ > 0);
    if (down_)
        down_->SetVisible(firstRow_ < lastFirstRow_);
    D3DEngine* d3d = GetD3DEngine();
    d3d->FillScreen(background_);
    GUI_WindowBackground::DrawTiled(list_, TEX_WINDOW, 30.0f, 1.0f);
    GDIText::AddChunk(0.0f, 60.0f, title_, kBoldFontName, 32, w, 1, 255, 255, 255);
    GDIText::AddChunk(0.0f, 145.0f, text_, kBoldFontName, 18, w, 1, 255, 255, 255);
    GUI_WindowBase::Draw();
    DrawChildren();
    GDIText::AddItalicChunk(50.0f, h - 100.0f, quote_.c_str(), kBoldFontName, 18, w - 100.0f, 0, 255, 255, 255);
    GDIText::RenderChunks(-1);
}

void GUI_DailyOptions::HandleKey(unsigned int key)
{
    if (key == kKeyEscape) {
        Continue(0);
        return;
    }
    GUI_WindowBase::HandleKey(key);
}

void GUI_DailyOptions::Continue(intptr_t)
{
    GUI_DailyOptions* page = GUI_GetDailyOptions();
    if (page->leaving_ || !page->IsUp())
        return;
    page->leaving_ = true;
    GUI_GetGUI()->RemoveInputHandler(page);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_DailyOptions::Close(intptr_t)
{
    GUI_DailyOptions* page = GUI_GetDailyOptions();
    page->leaving_ = false;
    GUI_GetWindowManager()->RemoveFullscreen(page);
    GUI_GetGUI()->RemoveInputHandler(page);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    GUI_HintHelp::ReleaseWaitingHints();
}

void GUI_DailyOptions::ScrollUp(intptr_t)
{
    GUI_DailyOptions* page = GUI_GetDailyOptions();
    if (page->firstRow_ > 0) {
        --page->firstRow_;
        page->Populate();
    }
}

void GUI_DailyOptions::ScrollDown(intptr_t)
{
    GUI_DailyOptions* page = GUI_GetDailyOptions();
    if (page->firstRow_ < page->lastFirstRow_) {
        ++page->firstRow_;
        page->Populate();
    }
}

void GUI_DailyOptions::AddPostponeWindow(GUI_WindowBase* window)
{
    if (window && std::find(postpone_.begin(), postpone_.end(), window) == postpone_.end())
        postpone_.push_back(window);
}

void GUI_DailyOptions::RemovePostponeWindow(GUI_WindowBase* window)
{
    auto it = std::find(postpone_.begin(), postpone_.end(), window);
    if (it == postpone_.end())
        return;
    postpone_.erase(it);
    if (postpone_.empty())
        Initialise();
}

void GUI_DailyOptions::RunDueRebuild()
{
    if (rebuildDue_ && postpone_.empty())
        Initialise();
}

void GUI_DailyOptions::ForgetRows()
{
    KillChildren();
    hasEvents_ = 0;
    stale_ = true;
    leaving_ = false;
    GUI_GetWindowManager()->RemoveFullscreen(this);
    GUI_GetGUI()->RemoveInputHandler(this);
}

void GUI_DailyOptions::Clear()
{
    GUI_GetFader()->CancelCallback(Close);
    GUI_GetFader()->CancelCallback(GUI_DailyOption::Select);
    KillChildren();
    postpone_.clear();
    held_ = false;
    rebuildDue_ = false;
    stale_ = true; // the next Today builds the page for the game now on
    leaving_ = false;
    firstRow_ = 0;
    lastFirstRow_ = 0;
    GUI_GetWindowManager()->RemoveFullscreen(this);
    GUI_GetGUI()->RemoveInputHandler(this);
}

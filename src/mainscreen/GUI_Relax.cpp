#include "mainscreen/GUI_Relax.h"

#include "career/SIM_Relax.h"
#include "career/SIM_RelaxVenue.h"
#include "engine/GTranslation.h"
#include "engine/LibTextEngine.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_TextureCache.h"
#include "shell/GUI_WindowBackground.h"
#include "sim/GAM_PlayBalancer.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Finances.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

GUI_WindowSlot<GUI_RelaxChooser> GUI_RelaxChooser::PTheWindow;
GUI_WindowSlot<GUI_Relax> GUI_Relax::PTheWindow;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kDarkGrey = 0xFF404040u;

void Text(float x, float y, const std::string& text, int size, float width, int align)
{
    GDIText::AddChunk(x, y, text, kBoldFontName, size, width, align, 255, 255, 255);
}

} // namespace

// ---- chooser ------------------------------------------------------------------------

void GUI_RelaxChooser::Create()
{
    delete PTheWindow.Get();
    new GUI_RelaxChooser;
}

GUI_RelaxChooser::GUI_RelaxChooser()
{
    PTheWindow = this;
    title_ = GTranslation::GetString("RELAXCHOOSER_TITLE");
    MakeFullScreenWindow();
    const tagRECT& r = GetRect();
    const float cx = GetCenterX();
    cancel_ = new GUI_ButtonText("RELAX_CHOOSER_CANCEL", Cancel, 0);
    cancel_->SetTooltip("RELAX_CHOOSER_CANCEL_TOOLTIP", 0);
    cancel_->SetPosition(cx - 80.0f, float(r.bottom - 30), cx + 80.0f, float(r.bottom - 8));
    AddButton(cancel_);
    Populate();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    background_.SetTexture("leather.jpg");
    char line[128];
    std::snprintf(line, sizeof line, "%s : $ %s", GTranslation::GetString("BOOKGIG_CASH"),
                  FormatMoney(SIM_GetFinances()->GetCash()).c_str());
    cashLine_ = line;
    GUI_GetGUI()->SetInputHandler(this);
}

void GUI_RelaxChooser::Populate()
{
    KillChildren();
    float y = 160.0f;
    const float w = D3DEngine::W;
    for (SIM_RelaxVenue* place : SIM_RelaxVenue::All) {
        auto* option = new GUI_RelaxOption(place);
        option->SetPosition(150.0f, y, w - 150.0f, y + 148.0f);
        AddChild(option);
        y += 160.0f;
    }
}

void GUI_RelaxChooser::Cancel(intptr_t)
{
    delete PTheWindow.Get();
}

void GUI_RelaxChooser::Close(intptr_t)
{
    delete PTheWindow.Get();
}

void GUI_RelaxChooser::Draw()
{
    GetD3DEngine()->FillScreen(background_);
    Text(0.0f, 30.0f, title_, 32, D3DEngine::W, 1);
    Text(0.0f, 67.0f, cashLine_, 20, D3DEngine::W, 1);
    GUI_WindowBase::Draw();
    DrawChildren();
    GDIText::RenderChunks(-1);
}

// ---- one place ----------------------------------------------------------------------

GUI_RelaxOption::GUI_RelaxOption(SIM_RelaxVenue* place) : place_(place)
{
    GAssert(place != nullptr, __FILE__, __LINE__);
    icon_.width = 128.0f;
    icon_.height = 128.0f;
    if (place)
        icon_.SetTexture(place->GetIcon());
    const float members = float(SIM_GetBand()->GetMembers().size());
    cost_ = place ? place->GetCostPerMember() * members : 0.0f;
    use_ = new GUI_ButtonText("RELAXOPTION_USE", Use, reinterpret_cast<intptr_t>(this));
    use_->SetTooltip("RELAXOPTION_USE_TOOLTIP", 0);
    AddButton(use_);
    const float cash = SIM_GetFinances()->GetCash();
    if (!place || (cost_ > cash && cost_ > 0.0f))
        use_->SetEnabled(false);
    char line[128];
    std::snprintf(line, sizeof line, "%s : $%s", GTranslation::GetString("RELAXOPTION_COST"),
                  FormatMoney(cost_).c_str());
    costText_ = line;
}

void GUI_RelaxOption::Use(intptr_t argument)
{
    GUI_RelaxChooser* chooser = GUI_RelaxChooser::PTheWindow;
    auto* option = reinterpret_cast<GUI_RelaxOption*>(argument);
    // Only an option of the open chooser, and only while its button is live: a second
    // click in the same frame finds the chooser gone.
    if (!chooser || !option || option->GetParent() != chooser || !option->use_->GetEnabled())
        return;
    SIM_RelaxVenue* place = option->place_;
    option->use_->SetEnabled(false);
    place->Use();
    GUI_Relax::Create(place);
    GUI_RelaxChooser::Close(0);
}

void GUI_RelaxOption::Draw()
{
    const tagRECT& r = GetRect();
    use_->SetPosition(float(r.right - 180), float(r.bottom - 25), float(r.right - 5), float(r.bottom - 5));
    GUI_WindowBackground::DrawTiled(r, TEX_WINDOW, 30.0f, 1.0f);
    BaseSprite outline(r);
    outline.Frame(kDarkGrey);
    GUI_WindowBase::Draw();
    icon_.PlaceLocal(float(r.left + 74), GetCenterY());
    icon_.Draw();
    icon_.Frame(kWhite);
    const float R = icon_.Right();
    if (place_) {
        Text(R + 10.0f, float(r.top + 10), place_->GetGUIName(), 18, float(r.right) - R, 0);
        Text(R + 10.0f, float(r.top + 30), place_->GetDescription(), 14, float(r.right) - R, 0);
    }
    Text(R + 10.0f, float(r.bottom - 24), costText_, 18, float(r.right) - R, 0);
}

// ---- result -------------------------------------------------------------------------

void GUI_Relax::Create(SIM_RelaxVenue* place)
{
    delete PTheWindow.Get();
    new GUI_Relax(place);
}

std::string GUI_Relax::EffectsText(const SIM_RelaxVenue* place)
{
    std::string text;
    if (!place)
        return text;
    for (const SIM_Modifier& m : place->GetModifiers()) {
        if (m.GetName() == "band_hype")
            text += GTranslation::GetString("RELAX_HYPE");
        else if (m.GetName() == "band_stress")
            text += GTranslation::GetString("RELAX_STRESS");
        text += " ";
        text += m.GetValue() > 0.0f ? "+" : "-";
        char number[32];
        std::snprintf(number, sizeof number, "%.0f", std::fabs(double(m.GetValue()) * 100.0));
        text += number;
        text += "   ";
    }
    return text;
}

GUI_Relax::GUI_Relax(SIM_RelaxVenue* place)
{
    PTheWindow = this;
    GAssert(place != nullptr, __FILE__, __LINE__);
    MakeFullScreenWindow();
    const float w = D3DEngine::W, h = D3DEngine::H;
    continue_ = new GUI_ButtonText("RELAX_CONTINUE", Finish, 0);
    continue_->SetTooltip("RELAX_CONTINUE_TOOLTIP", 0);
    continue_->SetPosition(w - 290.0f, h - 30.0f, w - 20.0f, h - 8.0f);
    AddButton(continue_);
    Populate();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    if (place) {
        backgroundName_ = place->GetTexture();
        if (place->GetName() == "donothing" && GAM_PlayBalancer::GetNetWorth() >= 2000.0f)
            backgroundName_ = "relax_home_luxury.jpg";
        name_ = place->GetGUIName();
        description_ = place->GetDescription();
    }
    background_.SetTexture(backgroundName_);
    effects_ = EffectsText(place);
    GUI_GetGUI()->SetInputHandler(this);
}

void GUI_Relax::Populate()
{
    KillChildren();
    const std::vector<SIM_Musician*>& members = SIM_GetBand()->GetMembers();
    const float w = D3DEngine::W;
    float y = 127.0f + (613.0f - 95.0f * float(members.size())) / 2.0f;
    for (SIM_Musician* musician : members) {
        auto* row = new GUI_RelaxDetails(musician);
        row->SetPosition(w - 450.0f, y, w - 50.0f, y + 90.0f);
        AddChild(row);
        y += 95.0f;
    }
}

void GUI_Relax::Finish(intptr_t)
{
    GUI_Relax* screen = PTheWindow;
    if (!screen || screen->committed_)
        return;
    // The band unwinds once, here on the player's continue, never when a restart or a
    // load tears the window down.
    screen->committed_ = true;
    screen->continue_->SetEnabled(false);
    SIM_Relax::Process();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_Relax::Close(intptr_t)
{
    delete PTheWindow.Get();
}

void GUI_Relax::Draw()
{
    const float h = D3DEngine::H;
    GetD3DEngine()->FillScreen(background_);
    GUI_WindowBase::Draw();
    Text(512.0f, 30.0f, name_, 32, 512.0f, 1);
    Text(522.0f, 70.0f, description_, 16, 492.0f, 0);
    Text(512.0f, h - 70.0f, effects_, 22, 512.0f, 1);
    DrawChildren();
    GDIText::RenderChunks(-1);
    GetTextEngine()->ProcessTextQueue(-1);
}

// ---- one musician -------------------------------------------------------------------

GUI_RelaxDetails::GUI_RelaxDetails(SIM_Musician* musician) : musician_(musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    portrait_.width = portrait_.height = 78.0f;
    if (musician)
        portrait_.SetTexture(musician->GetPortraitTexture());
    frame_.width = frame_.height = 1.0833334f * 78.0f;
    motivationBar_.SetTexture("practice_progress.bmp");
    motivationBar_.height = 10.0f;
    stressBar_.SetTexture("practice_progress_red.bmp");
    stressBar_.height = 10.0f;
    emptyBar_.SetTexture("practice_progress_empty.bmp");
    emptyBar_.width = 100.0f;
    emptyBar_.height = 10.0f;
    stressLabel_ = GTranslation::GetString("RELAX_STRESS");
    motivationLabel_ = GTranslation::GetString("RELAX_MOTIVATION");
}

void GUI_RelaxDetails::Draw()
{
    // A musician who left the band since the row was built is not shown.
    if (!musician_ || !SIM_GetBand()->IsMember(musician_))
        return;
    const tagRECT& r = GetRect();
    GUI_WindowBackground::DrawTiled(r, TEX_WINDOW, 30.0f, 1.0f);
    frame_.PlaceLocal(float(r.left + 44), GetCenterY());
    portrait_.PlaceLocal(float(r.left + 44), GetCenterY());
    GetD3DEngine()->SetTexture(0, 0u);
    frame_.Draw();
    portrait_.Draw();
    const float R = frame_.Right(), T = frame_.Top();
    Text(R + 20.0f, float(r.top + 8), musician_->GetFullName(), 18, float(r.right) - R - 30.0f, 0);

    LibTextEngine* text = GetTextEngine();
    text->SetCurrentFont("verdana14.dds", 14.0f);
    auto bar = [&](CTexturedSprite& filled, float value, float y, const std::string& label) {
        emptyBar_.PlaceLocal(R + 170.0f, y);
        emptyBar_.Draw();
        const float width = 100.0f * std::clamp(value, 0.0f, 1.0f);
        if (width > 0.0f) {
            filled.width = width;
            filled.PlaceLocal(emptyBar_.Left() + width / 2.0f, y);
            filled.Draw();
        }
        emptyBar_.Frame(kWhite);
        text->AddQueueString(label, R, y - 6.0f, kWhite, 110.0f, LibTextEngine::ALIGN_RIGHT);
    };
    bar(stressBar_, musician_->GetStress()->GetValue(), T + 40.0f, stressLabel_);
    bar(motivationBar_, musician_->GetMotivation(), T + 60.0f, motivationLabel_);
}

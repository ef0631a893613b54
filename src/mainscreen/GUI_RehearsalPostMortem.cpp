#include "mainscreen/GUI_RehearsalPostMortem.h"

#include "career/SIM_Rehearsal.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Sounds.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_SIM.h"

#include <cstdio>

GUI_WindowSlot<GUI_RehearsalPostMortem> GUI_RehearsalPostMortem::PTheWindow;

void GUI_RehearsalPostMortem::Create(SIM_Rehearsal* rehearsal)
{
    Close();
    GAssert(rehearsal != nullptr, __FILE__, __LINE__);
    if (!rehearsal)
        return;
    new GUI_RehearsalPostMortem(rehearsal);
}

GUI_RehearsalPostMortem::GUI_RehearsalPostMortem(SIM_Rehearsal* rehearsal) : rehearsal_(rehearsal)
{
    PTheWindow = this;
    MakeFullScreenWindow();
    GUI_GetGUI()->SetInputHandler(this);
    title_ = GTranslation::GetString("REHEARSAL_TITLE");
    const float w = D3DEngine::W, h = D3DEngine::H;
    finish_ = new GUI_ButtonText("REHEARSAL_FINISH", Finish, 0);
    finish_->SetTooltip("REHEARSAL_FINISH_TOOLTIP", 0);
    finish_->SetPosition(w - 200.0f, h - 40.0f, w - 10.0f, h - 10.0f);
    AddButton(finish_);
    summary_ = ChooseSummary(rehearsal);
    Populate();
    channel_ = GUI_GetSounds()->PlaySound(
        rehearsal->IsCancelled() ? "data/sounds/male_sigh.ogg" : "data/sounds/rehearsal.ogg", false);
    GUI_HintHelp::Launch("rehearsal post mortem");
}

GUI_RehearsalPostMortem::~GUI_RehearsalPostMortem()
{
    GUI_GetSounds()->StopSound(channel_);
}

std::string GUI_RehearsalPostMortem::ChooseSummary(const SIM_Rehearsal* rehearsal)
{
    if (!rehearsal)
        return {};
    if (rehearsal->IsCancelled()) {
        std::string text = GTranslation::GetString("REHEARSAL_SUMMARY_NOSHOW");
        // The text table trims its values, so the blank before the first name is ours.
        if (!text.empty() && text.back() != ' ')
            text += ' ';
        for (const SIM_Musician* musician : rehearsal->GetNoShows())
            text += musician->GetFullName() + ", ";
        // Cut the last separator; a no-show list that is somehow empty loses nothing of
        // the text itself.
        if (!rehearsal->GetNoShows().empty())
            text.resize(text.size() - 2);
        return text + ".";
    }
    const float m = SIM_GetBand()->GetValue("band_motivation");
    SIM_GlobalVariable* gv = SIM_GetGlobalVariables();
    if (gv->Get("RS_REHEARSAL_LOWMOTIV") > m)
        return GTranslation::GetString("REHEARSAL_SUMMARY_LOWMOTIVATION");
    if (m > gv->Get("RS_REHEARSAL_HIGHMOTIV"))
        return GTranslation::GetString("REHEARSAL_SUMMARY_HIGHMOTIVATION");
    return GTranslation::GetString("REHEARSAL_SUMMARY_MEDMOTIVATION");
}

void GUI_RehearsalPostMortem::Populate()
{
    KillChildren();
    float y = 200.0f;
    for (SIM_Message* message : SIM_Message::All) {
        auto* card = new GUI_RehearsalComment(message, rehearsal_);
        card->SetPosition(100.0f, y, 450.0f, y + 90.0f);
        AddChild(card);
        y += 95.0f;
    }
}

void GUI_RehearsalPostMortem::Close()
{
    delete PTheWindow.Get();
}

void GUI_RehearsalPostMortem::Finish(intptr_t)
{
    // Only a window that is open ends the day: Return held over two frames, or the button
    // and a key in one frame, find it gone the second time.
    if (!PTheWindow)
        return;
    Close();
    GUI_DayEnd::Request();
}

void GUI_RehearsalPostMortem::HandleKey(unsigned int key)
{
    if (key == kKeyReturn || key == kKeyEscape)
        Finish(0);
    else
        GUI_WindowBase::HandleKey(key);
}

void GUI_RehearsalPostMortem::Draw()
{
    const float w = D3DEngine::W;
    GetD3DEngine()->FillScreen("rehearsal_bg.jpg");
    GDIText::AddChunk(0.0f, 50.0f, title_, kBoldFontName, 32, w, 1, 255, 255, 255);
    GDIText::AddChunk(80.0f, 100.0f, summary_, kBoldFontName, 19, w - 160.0f, 0, 255, 255, 255);
    DrawChildren();
    GUI_WindowBase::Draw();
    GDIText::RenderChunks(-1);
}

// ---- one comment --------------------------------------------------------------------

namespace {

// " +10%  " or " -25%  " of a change, cut toward zero to whole percent.
std::string SignedPercent(float change, bool trailing)
{
    const int p = PercentOf(change);
    char text[32];
    if (p < 0)
        std::snprintf(text, sizeof text, trailing ? " -%d%%  " : " -%d%%", -p);
    else
        std::snprintf(text, sizeof text, trailing ? " +%d%%  " : " +%d%%", p);
    return text;
}

} // namespace

std::string GUI_RehearsalComment::EffectsLine(const SIM_Rehearsal* rehearsal, const SIM_Musician* musician)
{
    std::string line;
    const SIM_Rehearsal::RehearsalEffect* effect = rehearsal ? rehearsal->GetEffect(musician) : nullptr;
    if (!effect)
        return line;
    if (effect->motivationChange != 0.0f)
        line += GTranslation::GetString("REHEARSAL_MOTIVATION_EFFECT") + SignedPercent(effect->motivationChange, true);
    if (effect->stressChange != 0.0f)
        line += GTranslation::GetString("REHEARSAL_STRESS_EFFECT") + SignedPercent(effect->stressChange, true);
    if (effect->rehearsalValue != 0.0f) {
        char text[32];
        std::snprintf(text, sizeof text, " +%d%%", PercentOf(effect->rehearsalValue));
        line += GTranslation::GetString("REHEARSAL_REHEARSAL_EFFECT") + std::string(text);
    }
    return line;
}

GUI_RehearsalComment::GUI_RehearsalComment(SIM_Message* message, const SIM_Rehearsal* rehearsal)
{
    GAssert(message != nullptr, __FILE__, __LINE__);
    portrait_.width = portrait_.height = ICONSIZE;
    frame_.width = frame_.height = 1.0833334f * ICONSIZE;
    if (!message)
        return;
    SIM_Musician* musician = message->GetMusician();
    title_ = GTranslation::GetString("REHEARSAL_COMMENT_TITLE");
    GTranslation::ReplaceToken(title_, "<NAME>", musician ? musician->GetFullName() : std::string());
    text_ = message->GetMessageText();
    if (musician)
        portrait_.SetTexture(musician->GetPortraitTexture());
    effects_ = EffectsLine(rehearsal, musician);
}

void GUI_RehearsalComment::Draw()
{
    const tagRECT& r = GetRect();
    frame_.PlaceLocal(float(r.left + 50), GetCenterY());
    portrait_.PlaceLocal(float(r.left + 50), GetCenterY());
    GetD3DEngine()->SetTexture(0, 0u);
    frame_.Draw();
    portrait_.Draw();
    const float R = portrait_.Right();
    const float wrap = D3DEngine::W - R - 20.0f;
    GDIText::AddChunk(R + 10.0f, float(r.top + 8), title_, kBoldFontName, 18, wrap, 0, 255, 255, 255);
    GDIText::AddChunk(R + 10.0f, float(r.top + 35), text_, kBoldFontName, 18, wrap, 0, 255, 255, 255);
    GDIText::AddItalicChunk(R + 10.0f, float(r.top + 62), effects_.c_str(), kBoldFontName, 14, wrap, 0, 255, 255,
                            255);
}

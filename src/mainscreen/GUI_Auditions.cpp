#include "mainscreen/GUI_Auditions.h"

#include "career/SIM_SongElement.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_Avatar.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Indicator.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_TextureCache.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Input.h"
#include "sim/GAssert.h"
#include "sim/SIM_Auditionee.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SIM.h"

#include <cmath>
#include <cstdio>

GUI_WindowSlot<GUI_Auditions> GUI_Auditions::PTheWindow;
GUI_WindowSlot<GUI_AuditionPicker> GUI_AuditionPicker::PTheWindow;
GUI_AuditionButton* GUI_AuditionButton::PHighlighted = nullptr;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;

float AuditionCost() { return SIM_GetGlobalVariables()->Get("AUDITION_COST"); }

void Centred(const tagRECT& r, float y, const std::string& text, int size)
{
    GDIText::AddChunk(float(r.left), y, text, kBoldFontName, size, float(r.right - r.left), 1, 255, 255, 255);
}

struct InstrumentRow {
    const char* picture;
    const char* tooltip;
};
constexpr InstrumentRow kInstruments[6] = {
    {"audition_keyboard_h.jpg", "AUDITION_KEYBOARD_TOOLTIP"},
    {"audition_drums_h.jpg", "AUDITION_DRUMS_TOOLTIP"},
    {"audition_bass_h.jpg", "AUDITION_BASS_TOOLTIP"},
    {"audition_guitar_h.jpg", "AUDITION_GUITAR_TOOLTIP"},
    {"audition_saxophone_h.jpg", "AUDITION_SAXOPHONE_TOOLTIP"},
    {nullptr, "AUDITION_RIZA_TOOLTIP"},
};

bool MouseOver(GUI_ButtonBase* button)
{
    CInput* input = GetInput();
    return button->PtInside(input->MouseX(), input->MouseY());
}

} // namespace

// ---- instrument button --------------------------------------------------------------

GUI_AuditionButton::GUI_AuditionButton(const char* texture, GUI_Callback callback, intptr_t argument,
                                       const std::string& name)
    : GUI_IconButton(texture, callback, argument), name_(name)
{
}

void GUI_AuditionButton::Process()
{
    if (MouseOver(this) && PHighlighted != this) {
        PHighlighted = this;
        GUI_GetSounds()->PlaySound("data/sounds/mouseover.ogg", false);
    }
    GUI_IconButton::Process();
}

void GUI_AuditionButton::Draw()
{
    GUI_IconButton::Draw();
    const tagRECT& r = GetRect();
    if (MouseOver(this) && selectable_) {
        BaseSprite outline(r);
        outline.Frame(kWhite);
    }
    tagRECT strip {r.left + 16, r.bottom - 16, r.right - 16, r.bottom - 2};
    GetD3DEngine()->FillRect(strip, 0xFFE0E0E0u);
    BaseSprite frame(strip);
    frame.Frame(0xFF404040u);
    GDIText::AddChunk(float(strip.left), float(strip.top), name_, kBoldFontName, 12, float(strip.right - strip.left),
                      1, 0, 0, 0);
}

// ---- auditions dialog ---------------------------------------------------------------

void GUI_Auditions::Create()
{
    delete PTheWindow.Get();
    new GUI_Auditions;
}

GUI_Auditions::GUI_Auditions() : GUI_Dialog(true)
{
    PTheWindow = this;
    SetSize(600.0f, 520.0f);
    PlaceCentral();
    SetTitle(GTranslation::GetString("AUDITIONS_TITLE"));
    AddToGUI();
    affordable_ = SIM_GetFinances()->GetCash() >= AuditionCost();
    UpdateClientArea();
    if (affordable_) {
        for (int i = 0; i < 6; ++i)
            AddInstrumentButton(i);
        chooseText_ = GTranslation::GetString("AUDITIONS_CHOOSE_TEXT");
        char line[128];
        std::snprintf(line, sizeof line, "%s $%lld", GTranslation::GetString("AUDITIONS_COST"),
                      WholeNumber(AuditionCost()));
        costText_ = line;
        const tagRECT& c = GetClientArea();
        const int cell = (c.right - c.left) / 3;
        for (int i = 0; i < 6; ++i) {
            const int x = c.left + (i % 3) * cell;
            const int y = c.top + 58 + (i / 3) * cell;
            buttons_[i]->SetPosition(float(x + 10), float(y + 10), float(x + cell - 10), float(y + cell - 10));
            buttons_[i]->PlaceSprite();
        }
    } else {
        noMoneyText_ = GTranslation::GetString("AUDITIONS_NOMONEY");
    }
    GUI_HintHelp::Launch("audition");
}

GUI_Auditions::~GUI_Auditions()
{
    for (GUI_AuditionButton* button : buttons_)
        if (button && GUI_AuditionButton::PHighlighted == button)
            GUI_AuditionButton::PHighlighted = nullptr;
}

void GUI_Auditions::AddInstrumentButton(int i)
{
    SIM_Band* band = SIM_GetBand();
    const INSTRUMENT instrument = INSTRUMENT(i);
    const std::string name = GetInstrumentName(instrument);
    GUI_AuditionButton* button = nullptr;
    if (i == 5) {
        // The player sings: vocals are never auditioned.
        button = new GUI_AuditionButton(GUI_GetAvatar()->GetTexture().c_str(), nullptr, 0, name);
        button->SetTooltip(kInstruments[i].tooltip, 0);
    } else if (band->HasInstrument(instrument)) {
        SIM_Musician* member = band->GetFirstMember(instrument);
        GAssert(member != nullptr, __FILE__, __LINE__);
        const std::string portrait = member ? member->GetPortraitTexture() : std::string();
        button = new GUI_AuditionButton(portrait.c_str(), nullptr, 0, name);
        button->SetTooltip("AUDITION_FILLED_TOOLTIP", 0);
        button->SetSelectable(false);
    } else {
        button = new GUI_AuditionButton(kInstruments[i].picture, ChooseInstrument, i, name);
        button->SetTooltip(kInstruments[i].tooltip, 0);
    }
    buttons_[i] = button;
    AddButton(button);
}

void GUI_Auditions::ChooseInstrument(intptr_t instrument)
{
    // Only the open dialog's free buttons lead here; anything else is refused.
    if (!PTheWindow || instrument < 0 || instrument > 4 || SIM_GetBand()->HasInstrument(INSTRUMENT(instrument)))
        return;
    GUI_AuditionPicker::Create(INSTRUMENT(instrument));
    delete PTheWindow.Get();
}

void GUI_Auditions::Draw()
{
    GUI_Dialog::Draw();
    const tagRECT& r = GetRect();
    const tagRECT& c = GetClientArea();
    if (affordable_) {
        Centred(r, float(c.top + 12), chooseText_, 16);
        Centred(r, float(c.top + 32), costText_, 16);
    } else {
        Centred(r, GetCenterY(), noMoneyText_, 16);
    }
    GDIText::RenderChunks(-1);
}

// ---- advice -------------------------------------------------------------------------

std::string SIM_PotentialChemistryAdvice::GetAdvice() const
{
    if (!member || !candidate)
        return {};
    SIM_GlobalVariable* gv = SIM_GetGlobalVariables();
    const float d = std::fabs(member->GetChemistry() - candidate->GetChemistry());
    std::string text;
    if (d > gv->Get("RS_CHEMISTRY_CLASH_THRESHOLD")) {
        text = GTranslation::GetRandomString("ADVICE_CHEMISTRY_CLASH");
    } else if (gv->Get("RS_CHEMISTRY_MATCH_THRESHOLD") > d) {
        text = GTranslation::GetRandomString("ADVICE_CHEMISTRY_MATCH");
    } else {
        GError("Invalid potential advice", __FILE__, __LINE__);
        return {};
    }
    GTranslation::ReplaceToken(text, "<NAME>", candidate->GetFullName());
    return "\"" + text + "\"";
}

std::pair<SIM_PotentialChemistryAdvice, SIM_PotentialChemistryAdvice>
GUI_AuditionPicker::ChooseAdvice(const std::vector<SIM_Musician*>& members,
                                 const std::vector<SIM_Musician*>& candidates)
{
    SIM_GlobalVariable* gv = SIM_GetGlobalVariables();
    const float clash = gv->Get("RS_CHEMISTRY_CLASH_THRESHOLD");
    const float match = gv->Get("RS_CHEMISTRY_MATCH_THRESHOLD");
    std::vector<SIM_PotentialChemistryAdvice> potential;
    for (SIM_Musician* member : members) {
        for (SIM_Musician* candidate : candidates) {
            GAssert(member != nullptr && candidate != nullptr, __FILE__, __LINE__);
            if (!member || !candidate)
                continue;
            const float d = std::fabs(member->GetChemistry() - candidate->GetChemistry());
            if (d > clash)
                potential.push_back({member, candidate, d});
            else if (match > d)
                potential.push_back({member, candidate, 1.0f - d});
        }
    }
    SIM_PotentialChemistryAdvice best, second;
    for (const SIM_PotentialChemistryAdvice& advice : potential) {
        if (advice.strength > best.strength) {
            if (best.member)
                second = best;
            best = advice;
        } else if (advice.strength > second.strength) {
            second = advice;
        }
    }
    return {best, second};
}

// ---- picker -------------------------------------------------------------------------

void GUI_AuditionPicker::Create(INSTRUMENT instrument)
{
    delete PTheWindow.Get();
    new GUI_AuditionPicker(instrument);
}

GUI_AuditionPicker::GUI_AuditionPicker(INSTRUMENT instrument) : GUI_Dialog(false), instrument_(instrument)
{
    PTheWindow = this;
    MakeFullScreenWindow();
    SetTitle(GTranslation::GetString("AUDITIONPICKER_TITLE"));
    UpdateClientArea();
    const tagRECT& c = GetClientArea();
    const int cell = (c.right - c.left) / 3;
    for (int k = 0; k < 3; ++k) {
        cards_[k] = new GUI_Auditionee(SIM_Auditionee::CreateFromAvailable(instrument));
        cards_[k]->SetPosition(float(c.left + k * cell + 5), 150.0f, float(c.left + (k + 1) * cell - 5), 660.0f);
        AddChild(cards_[k]);
    }
    GUI_GetSounds()->PlayInstrument(instrument);
    GenerateAdvice();
    SIM_GetFinances()->SpendCash(AuditionCost());
    GUI_GetSounds()->PlaySound("data/sounds/cash.ogg", false);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);

    float best = 0.0f;
    for (GUI_Auditionee* card : cards_)
        if (card->GetMusician() && card->GetMusician()->GetAbility() > best)
            best = card->GetMusician()->GetAbility();
    // Candidates without any ability all show an empty bar rather than a division by 0.
    for (GUI_Auditionee* card : cards_)
        card->SetRelativeAbility(best > 0.0f && card->GetMusician() ? card->GetMusician()->GetAbility() / best : 0.0f);
    GUI_HintHelp::Launch("audition picker");
    background_.SetTexture("leather.jpg");
    GUI_GetGUI()->SetInputHandler(this);
    // With no candidate at all (the table failed) there is nothing to decide: the
    // picker goes rather than leave the player without a way out.
    CheckRejections();
}

void GUI_AuditionPicker::GenerateAdvice()
{
    first_ = {};
    second_ = {};
    std::vector<SIM_Musician*> candidates;
    for (GUI_Auditionee* card : cards_)
        if (card->GetMusician())
            candidates.push_back(card->GetMusician());
    const auto [best, next] = ChooseAdvice(SIM_GetBand()->GetMembers(), candidates);
    if (best.member)
        first_ = {best.member, best.GetAdvice()};
    if (next.member)
        second_ = {next.member, next.GetAdvice()};
}

void GUI_AuditionPicker::Continue(intptr_t)
{
    GUI_AuditionPicker* picker = PTheWindow;
    if (!picker || picker->committed_)
        return;
    // The decision is made: no second hire or rejection during the fade.
    picker->committed_ = true;
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_AuditionPicker::Close(intptr_t)
{
    // A picker torn down by a new game or a load ends no day.
    if (!PTheWindow)
        return;
    delete PTheWindow.Get();
    GUI_DayEnd::Request();
}

void GUI_AuditionPicker::CheckRejections()
{
    GUI_AuditionPicker* picker = PTheWindow;
    if (!picker)
        return;
    for (GUI_Auditionee* card : picker->cards_)
        if (card->GetDecision() != GUI_Auditionee::REJECTED)
            return;
    Continue(0);
}

void GUI_AuditionPicker::DrawAdvice(const Advice& advice, float x, float y)
{
    if (!advice.member)
        return;
    BaseSprite frame;
    frame.width = frame.height = 69.33f;
    frame.PlaceLocal(x, y);
    GetD3DEngine()->SetTexture(0, 0u);
    frame.Draw();
    CTexturedSprite portrait;
    portrait.width = portrait.height = 64.0f;
    portrait.SetTexture(advice.member->GetPortraitTexture());
    portrait.PlaceLocal(x, y);
    portrait.Draw();
    GDIText::AddChunk(frame.Right() + 16.0f, D3DEngine::H - 90.0f, advice.text, kBoldFontName, 16, 330.0f, 0, 255,
                      255, 255);
}

void GUI_AuditionPicker::Draw()
{
    const float h = D3DEngine::H;
    GetD3DEngine()->FillScreen(background_);
    GDIText::AddChunk(0.0f, 60.0f, GetTitle(), kBoldFontName, 38, D3DEngine::W, 1, 255, 255, 255);
    GDIText::RenderChunks(-1);
    DrawChildren();
    DrawButtons();
    DrawAdvice(first_, 75.0f, h - 65.0f);
    DrawAdvice(second_, 620.0f, h - 65.0f);
    GDIText::RenderChunks(-1);
}

// ---- candidate card -----------------------------------------------------------------

GUI_Auditionee::GUI_Auditionee(SIM_Musician* musician) : musician_(musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    frame_.width = frame_.height = 1.0833334f * 150.0f;
    portrait_.width = portrait_.height = 150.0f;
    rejected_.SetTexture("rejected.dds");
    rejected_.width = 220.0f;
    rejected_.height = 110.0f;
    rejected_.Rotate(340.0f);
    hire_ = new GUI_IconButton("audition_hire.dds", Hire, reinterpret_cast<intptr_t>(this));
    hire_->SetHighlightTexture("audition_hire_h.dds");
    hire_->SetTooltip("AUDITIONEE_HIRE_TOOLTIP", 0);
    AddButton(hire_);
    reject_ = new GUI_IconButton("audition_reject.dds", Reject, reinterpret_cast<intptr_t>(this));
    reject_->SetHighlightTexture("audition_reject_h.dds");
    reject_->SetTooltip("AUDITIONEE_REJECT_TOOLTIP", 0);
    AddButton(reject_);
    abilityLabel_ = GTranslation::GetString("AUDITIONEE_ABILITY");
    songSkillLabel_ = GTranslation::GetString("AUDITIONEE_SONGSKILL");
    personalitiesLabel_ = GTranslation::GetString("AUDITIONEE_PERSONALITIES");
    if (!musician_) {
        // No candidate left for the instrument: the card shows nothing to decide on.
        hire_->SetVisible(false);
        decision_ = REJECTED;
        return;
    }
    portrait_.SetTexture(musician_->GetPortraitTexture());
    if (SIM_SongElement* element = musician_->GetSongElement()) {
        showSongSkill_ = !element->IsAvailable();
        songElementName_ = element->GetGUIName();
    }
    for (const SIM_Personality* personality : musician_->GetPersonalities())
        personalities_.push_back(personality->GetGUIName());
}

GUI_Auditionee::~GUI_Auditionee()
{
    if (decision_ != HIRED)
        delete musician_;
}

void GUI_Auditionee::Hire(intptr_t argument)
{
    GUI_AuditionPicker* picker = GUI_AuditionPicker::PTheWindow;
    auto* card = reinterpret_cast<GUI_Auditionee*>(argument);
    if (!picker || picker->IsCommitted() || !card || card->GetParent() != picker || card->decision_ != UNDECIDED ||
        !card->musician_)
        return;
    card->decision_ = HIRED;
    SIM_GetBand()->AddMusician(card->musician_);
    SIM_GetScreens()->AddBandIcon(card->musician_);
    GUI_AuditionPicker::Continue(0);
}

void GUI_Auditionee::Reject(intptr_t argument)
{
    GUI_AuditionPicker* picker = GUI_AuditionPicker::PTheWindow;
    auto* card = reinterpret_cast<GUI_Auditionee*>(argument);
    if (!picker || picker->IsCommitted() || !card || card->GetParent() != picker || card->decision_ != UNDECIDED)
        return;
    card->decision_ = REJECTED;
    GUI_AuditionPicker::CheckRejections();
    GUI_GetSounds()->PlaySound("data/sounds/male_sigh.ogg", false);
}

void GUI_Auditionee::Draw()
{
    const tagRECT& r = GetRect();
    GUI_WindowBackground::DrawTiled(r, TEX_WINDOW_CLIENT, 32.0f, 1.0f);
    hire_->SetPosition(float(r.left + 20), float(r.bottom - 80), float(r.left + 80), float(r.bottom - 20));
    reject_->SetPosition(float(r.right - 80), float(r.bottom - 80), float(r.right - 20), float(r.bottom - 20));
    hire_->PlaceSprite();
    reject_->PlaceSprite();
    const bool open = decision_ == UNDECIDED && musician_;
    hire_->SetVisible(open);
    reject_->SetVisible(open);
    GUI_WindowBase::Draw();
    const float cx = GetCenterX();
    if (musician_)
        Centred(r, float(r.top + 12), musician_->GetFullName(), 21);
    frame_.PlaceLocal(cx, float(r.top + 120));
    portrait_.PlaceLocal(cx, float(r.top + 120));
    tagRECT shadow {int(frame_.Left()), int(frame_.Top()), int(frame_.Right()), int(frame_.Bottom())};
    GUI_WindowBackground::DrawDropShadow(TEX_SQ_DROPSHADOW, shadow, 16.0f, 8);
    GetD3DEngine()->SetTexture(0, 0u);
    frame_.Draw();
    if (musician_)
        portrait_.Draw();
    float y = portrait_.Bottom() + 20.0f;
    if (decision_ != REJECTED) {
        Centred(r, y, abilityLabel_, 18);
        GDIText::RenderChunks(-1);
        GUI_ValueBar::DrawSmallBar(cx - 58.5f, y + 21.0f, relativeAbility_);
        y += 40.0f;
        if (showSongSkill_)
            Centred(r, y, songSkillLabel_, 18);
        y += 20.0f;
        if (showSongSkill_)
            Centred(r, y, songElementName_, 16);
        y += 30.0f;
        Centred(r, y, personalitiesLabel_, 18);
        y += 30.0f;
        for (const std::string& personality : personalities_) {
            tagRECT strip {r.left + 16, int(y), r.right - 16, int(y) + 23};
            GUI_WindowBackground::DrawTiled(strip, TEX_WINDOW, 8.0f, 1.0f);
            Centred(strip, y + 3.0f, personality, 14);
            y += 25.0f;
        }
        DrawChildren();
    }
    GDIText::RenderChunks(-1);
    if (decision_ == REJECTED && musician_) {
        rejected_.PlaceLocal(cx, GetCenterY());
        rejected_.Draw();
    }
}

#include "show/GUI_Gig.h"

#include "career/SIM_AssetKinds.h"
#include "career/SIM_CharityGigManager.h"
#include "career/SIM_Gig.h"
#include "career/SIM_Performance.h"
#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Venue.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "mainscreen/GUI_DailyOptions.h"
#include "menus/GUI_FMVScreen.h"
#include "port/sdl/PortEvent.h"
#include "shell/GUI_DayEnd.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_GUI.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_ScreenFader.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_WindowManager.h"
#include "show/GUI_GigBackdrop.h"
#include "show/GUI_VUMeter.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_SIM.h"
#include "windows/GUI_RecordCompanyOffer.h"

#include <cmath>
#include <cstdio>

GUI_WindowSlot<GUI_Gig> GUI_Gig::PTheWindow;

namespace {

const char* T(const char* key) { return GTranslation::GetString(key); }

std::string Dollars(double amount) { return "$" + FormatMoney(amount); }

// A merchandise count shows when the band stocks the item or sold some.
std::string MerchandiseText(const char* asset, int sold)
{
    int stock = 0;
    if (auto* item = dynamic_cast<SIM_Merchandise*>(SIM_Asset::GetByName(asset)))
        stock = item->GetQuantity();
    if (stock > 0 || sold >= 1)
        return NumToDelimitedChar(sold);
    return T("GIGSCREEN_NOSTOCK");
}

// The offer window, while the day's page waits for it to close.
GUI_WindowBase* PostponingOffer = nullptr;

void OfferDestroyed(GUI_WindowBase* window)
{
    if (window && window == PostponingOffer) {
        PostponingOffer = nullptr;
        GUI_GetDailyOptions()->RemovePostponeWindow(window);
    }
}

} // namespace

std::string GUI_Gig::EffectText(const char* labelKey, int n, bool percent)
{
    if (n == 0)
        return "";
    char buffer[64];
    const int magnitude = n < 0 ? -n : n;
    std::snprintf(buffer, sizeof buffer, percent ? " %c%d%%  " : " %c%d  ", n > 0 ? '+' : '-', magnitude);
    return std::string(T(labelKey)) + buffer;
}

std::string GUI_Gig::EffectsLine(float motivation, float inspiration, float stress, float fame)
{
    auto percent = [](float v) { return int(WholeNumber(double(v) * 100.0)); };
    return EffectText("GIG_MOTIVATION_EFFECT", percent(motivation), true) +
           EffectText("GIG_INSPIRATION_EFFECT", percent(inspiration), true) +
           EffectText("GIG_STRESS_EFFECT", percent(stress), true) +
           EffectText("GIG_FAME_EFFECT", int(WholeNumber(fame)), false);
}

std::string GUI_Gig::ProfitText(float profit)
{
    return (profit < 0.0f ? "-$" : "$") + FormatMoneyMagnitude(profit);
}

std::string GUI_Gig::CapacityText(bool soldOut, int attendance, int capacity)
{
    if (soldOut)
        return T("GIG_SOLD_OUT");
    char buffer[32];
    const double share = capacity > 0 ? 100.0 * double(attendance) / double(capacity) : 0.0;
    std::snprintf(buffer, sizeof buffer, "%.0f%%", share);
    return buffer;
}

GigResultTexts GUI_Gig::BuildTexts(const SIM_Performance& p)
{
    GigResultTexts t;
    const SIM_Venue* venue = p.GetVenue();
    t.venueLine = T("GIG_LIVEAT");
    GTranslation::ReplaceToken(t.venueLine, "<VENUE>", venue ? venue->GetGUIName() : "");
    t.attendance = NumToDelimitedChar(p.GetAttendence()) + " " + T("PERFORMANCE_PEOPLE");
    t.capacityLabel = T("PERFORMANCE_CAPACITY");
    t.capacity = CapacityText(p.IsSoldOut(), p.GetAttendence(), venue ? venue->GetCapacity() : 0);
    t.ticketSales = Dollars(p.GetTicketSales());
    t.rental = Dollars(p.GetVenueHire());
    t.perGigCosts = Dollars(SIM_Asset::GetPerGigCosts());
    t.damage = Dollars(p.GetDamage());
    t.merchandise = Dollars(p.GetMerchandiseSales());
    t.profit = ProfitText(p.GetProfit());
    t.albumSales = NumToDelimitedChar(p.GetSales(SIM_Performance::ALBUMS));
    t.tshirts = MerchandiseText("tshirts(20)", p.GetSales(SIM_Performance::TSHIRTS));
    t.sweatshirts = MerchandiseText("sweatshirts(20)", p.GetSales(SIM_Performance::SWEATSHIRTS));
    t.posters = MerchandiseText("posters(100)", p.GetSales(SIM_Performance::POSTERS));
    t.effects = EffectsLine(p.GetEffect(SIM_Performance::MOTIVATION), p.GetEffect(SIM_Performance::INSPIRATION),
                            p.GetEffect(SIM_Performance::STRESS), p.GetEffect(SIM_Performance::FAME));
    return t;
}

void GUI_Gig::Create(SIM_Performance* performance)
{
    GAssert(performance != nullptr, "GUI_Gig", __LINE__);
    if (!performance)
        return;
    GUI_WindowBase::CloseWin(PTheWindow.Get());
    new GUI_Gig(performance);
}

// No close button: a gig is played once and left only by its finish button.
GUI_Gig::GUI_Gig(SIM_Performance* performance) : GUI_Dialog(false), performance_(performance)
{
    PTheWindow = this;
    const float w = D3DEngine::W, h = D3DEngine::H;
    SetPosition(0.0f, 0.0f, w, h);
    finish_ = new GUI_ButtonText("GIG_FINISH", Finish, 0);
    finish_->SetTooltip("GIG_FINISH_TOOLTIP", 60);
    finish_->SetPosition(w - 140.0f, h - 40.0f, w - 10.0f, h - 10.0f);
    AddButton(finish_);
    GAssert(performance_ != nullptr, "GUI_Gig", __LINE__);
    if (performance_)
        texts_ = BuildTexts(*performance_);
    GUI_GetGigBackdrop()->Initialise(performance_, 240.0f);
    GUI_GetWindowManager()->AddFullscreen(this);
    GUI_GetGUI()->SetInputHandler(this);
    MakeMeters();
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);
    LaunchHints();
    GUI_GetSounds()->MuteMusic();
}

GUI_Gig::~GUI_Gig()
{
    GUI_GetSounds()->UnMuteMusic();
    GUI_GetWindowManager()->RemoveFullscreen(this);
    GUI_GetGUI()->RemoveInputHandler(this);
    GUI_GetGigBackdrop()->Release();
    GUI_GetFader()->CancelCallback(Close);
}

void GUI_Gig::MakeMeters()
{
    static const char* const labels[kMeters][2] = {
        {"VU_MUSICIANSHIP", "VU_MUSICIANSHIP_TIP"}, {"VU_EXPERIENCE", "VU_EXPERIENCE_TIP"},
        {"VU_CHEMISTRY", "VU_CHEMISTRY_TIP"},       {"VU_SONGS", "VU_SONGS_TIP"},
        {"VU_REHEARSAL", "VU_REHEARSAL_TIP"},       {"VU_STAGESHOW", "VU_STAGESHOW_TIP"},
        {"VU_PERFORMANCE", "VU_PERFORMANCE_TIP"},
    };
    const float slice = D3DEngine::W / float(kMeters);
    const float top = float(GUI_GetGigBackdrop()->GetStageRect().bottom) + 10.0f;
    for (int i = 0; i < kMeters; ++i) {
        const float value =
            performance_ ? performance_->GetPerformanceAspect(SIM_Performance::PERFORMANCE_ASPECTS(i)) : 0.0f;
        meters_[i] = new GUI_VUMeter(value, T(labels[i][0]), T(labels[i][1]));
        meters_[i]->SetPosition(float(i) * slice, top, float(i + 1) * slice, top + 67.0f);
        AddChild(meters_[i]);
    }
}

void GUI_Gig::LaunchHints()
{
    const bool shown = GUI_HintHelp::Launch("gig");
    if (!shown && performance_ && performance_->GetEffect(SIM_Performance::FAME) > 0.0f)
        GUI_HintHelp::Launch("gig fame boost");
}

void GUI_Gig::HandleKey(unsigned int)
{
    // The gig is left by its finish button only: Escape must not reach the quit question
    // or close the show without ending the day.
}

void GUI_Gig::Finish(intptr_t)
{
    GUI_Gig* gig = PTheWindow;
    if (!gig || gig->finishing_)
        return;
    gig->finishing_ = true;
    gig->finish_->SetVisible(false);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_OUT, Close, 0);
}

void GUI_Gig::Close(intptr_t)
{
    GUI_Gig* gig = PTheWindow;
    if (!gig || !gig->finishing_)
        return;
    SIM_Performance* performance = gig->performance_;
    GUI_WindowBase::CloseWin(gig);
    GUI_GetFader()->StartFade(GUI_ScreenFader::FADE_IN);

    // The record company's scout, before the day ends: an offer waits on the day's page.
    SIM_RecordCompany* company = SIM_GetRecordCompany();
    if (performance && !company->IsSigned() && company->AttendedGig(performance)) {
        if (company->OfferedDeal(performance)) {
            GUI_RecordCompanyOffer::Create();
            if (GUI_WindowBase* offer = GUI_RecordCompanyOffer::PTheWindow) {
                static const bool listening = (GUI_WindowBase::AddDestroyListener(OfferDestroyed), true);
                (void)listening;
                PostponingOffer = offer;
                GUI_GetDailyOptions()->AddPostponeWindow(offer);
            }
        } else {
            std::string caption = T("RECORD_COMPANY_NOOFFER_FMV");
            GTranslation::ReplaceToken(caption, "<COMPANYNAME>", company->GetGUIName());
            // Captions queue behind one another, so this one is never lost.
            GUI_GetFMV()->Initialise(caption);
        }
    }
    GUI_DayEnd::Request();
}

void GUI_Gig::Draw()
{
    const float w = D3DEngine::W, h = D3DEngine::H;
    GUI_GetGigBackdrop()->Draw();
    DrawButtons();
    DrawChildren();
    if (!texts_.effects.empty())
        GDIText::AddChunk(0.0f, h - 35.0f, texts_.effects, kBoldFontName, 20, w, 1, 255, 255, 255);
    if (performance_ && performance_->GetGigType() == 1)
        DrawCharityLayout();
    else
        DrawNormalLayout();
    GDIText::RenderChunks(-1);
}

namespace {

void DrawColumn(float labelX, float valueX, const std::vector<std::pair<std::string, const std::string*>>& rows)
{
    float y = 615.0f;
    for (const auto& [label, value] : rows) {
        GDIText::AddChunk(labelX, y, label, kBoldFontName, 18, valueX - labelX, 0, 255, 255, 255);
        GDIText::AddChunk(valueX, y, *value, kBoldFontName, 18, 200.0f, 0, 255, 255, 255);
        y += 20.0f;
    }
}

} // namespace

void GUI_Gig::DrawNormalLayout()
{
    const float w = D3DEngine::W;
    GDIText::AddChunk(0.0f, 4.0f, SIM_GetBand()->GetSponsoredName(), "Journal", 50, w, 1, 255, 255, 255);
    GDIText::AddChunk(0.0f, 42.0f, texts_.venueLine, "Journal", 50, w, 1, 255, 255, 255);
    DrawColumn(50, 204,
               {{T("GIGSCREEN_ATTENDENCE"), &texts_.attendance},
                {texts_.capacityLabel, &texts_.capacity},
                {T("GIGSCREEN_TICKETSALES"), &texts_.ticketSales}});
    std::vector<std::pair<std::string, const std::string*>> column2 = {
        {T("GIGSCREEN_RENTAL"), &texts_.rental},
        {T("GIGSCREEN_PERGIGCOSTS"), &texts_.perGigCosts},
        {T("GIGSCREEN_ALBUMSALES"), &texts_.albumSales}};
    if (performance_ && performance_->GetDamage() > 0)
        column2.push_back({T("GIGSCREEN_DAMAGE"), &texts_.damage});
    DrawColumn(330, 530, column2);
    DrawColumn(606, 796,
               {{T("GIGSCREEN_TSHIRTS"), &texts_.tshirts},
                {T("GIGSCREEN_SWEATSHIRTS"), &texts_.sweatshirts},
                {T("GIGSCREEN_POSTERS"), &texts_.posters},
                {T("GIGSCREEN_MERCHANDISE"), &texts_.merchandise},
                {T("GIGSCREEN_PROFIT"), &texts_.profit}});
}

void GUI_Gig::DrawCharityLayout()
{
    const float w = D3DEngine::W;
    const SIM_Gig* gig = performance_->GetGig();
    const SIM_Charity* charity = gig ? gig->GetCharity() : nullptr;
    GAssert(charity != nullptr, "GUI_Gig", __LINE__);
    GDIText::AddChunk(0.0f, 4.0f, charity ? charity->guiname : std::string(), "Journal", 60, w, 1, 255, 255, 255);
    GDIText::AddChunk(0.0f, 42.0f, texts_.venueLine, "Journal", 60, w, 1, 255, 255, 255);
    std::vector<std::pair<std::string, const std::string*>> column1 = {
        {T("GIGSCREEN_ATTENDENCE"), &texts_.attendance}, {T("GIGSCREEN_PERGIGCOSTS"), &texts_.perGigCosts}};
    if (performance_->GetDamage() > 0)
        column1.push_back({T("GIGSCREEN_DAMAGE"), &texts_.damage});
    DrawColumn(54, 214, column1);
    DrawColumn(596, 786,
               {{T("GIGSCREEN_TSHIRTS"), &texts_.tshirts},
                {T("GIGSCREEN_SWEATSHIRTS"), &texts_.sweatshirts},
                {T("GIGSCREEN_POSTERS"), &texts_.posters}});
    if (charity)
        GDIText::AddChunk(100.0f, 677.0f, charity->description, kBoldFontName, 18, w - 200.0f, 0, 255, 255, 255);
}

#include "career/SIM_Gig.h"

#include "career/SIM_CharityGigManager.h"
#include "career/SIM_Performance.h"
#include "career/SIM_Song.h"
#include "career/SIM_Venue.h"
#include "engine/GTranslation.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Calendar.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Screens.h"

#include <algorithm>

std::vector<SIM_Gig*> SIM_Gig::PotentialGigs;
std::vector<SIM_Gig*> SIM_Gig::BookedGigs;
std::vector<SIM_Gig*> SIM_Gig::PlayedGigs;
std::vector<SIM_Gig*> SIM_Gig::CancelledGigs;
bool SIM_Gig::BBoredVenues = false;

namespace {
void Remove(std::vector<SIM_Gig*>& list, const SIM_Gig* gig)
{
    list.erase(std::remove(list.begin(), list.end(), gig), list.end());
}

void DeleteAll(std::vector<SIM_Gig*>& list)
{
    while (!list.empty())
        delete list.front(); // the destructor takes it off
}
} // namespace

SIM_Gig::SIM_Gig(SIM_Venue* venue_, GIGTYPE type_) : type(type_), venue(venue_)
{
    GAssert(venue != nullptr, __FILE__, __LINE__);
}

SIM_Gig::~SIM_Gig()
{
    for (auto* list : {&PotentialGigs, &BookedGigs, &PlayedGigs, &CancelledGigs})
        Remove(*list, this);
    SIM_Performance::GigDeleted(this);
    SIM_DailyOption::ForgetObject(this);
    SIM_GetCharityGigManager()->GigDeleted(this);
}

void SIM_Gig::GeneratePotentialGigs()
{
    DeleteAll(PotentialGigs);
    BBoredVenues = false;
    const float fame = SIM_GetFame()->GetFame();
    for (SIM_Venue* v : SIM_Venue::All) {
        if (fame < v->GetMinFame())
            continue;
        if (v->IsBored())
            BBoredVenues = true;
        else if (!AlreadyBooked(v))
            PotentialGigs.push_back(new SIM_Gig(v, NORMAL));
    }
}

bool SIM_Gig::AlreadyBooked(const SIM_Venue* v)
{
    return std::any_of(BookedGigs.begin(), BookedGigs.end(), [v](const SIM_Gig* g) { return g->venue == v; });
}

void SIM_Gig::Book()
{
    if (booked)
        return;
    Remove(PotentialGigs, this);
    BookedGigs.push_back(this);
    if (type != CHARITY)
        SIM_GetFinances()->SpendDiscountedCash(venue->GetRental());
    date.Set(SIM_Date::PPresentDay);
    date.AddDays(static_cast<int>(SIM_GetGlobalVariables()->Get("RS_GIGS_DAYS_AHEAD")));
    AddBookingToCalendar();
}

void SIM_Gig::AddBookingToCalendar()
{
    std::string text = GTranslation::GetString("GIG_CALENDAR");
    GTranslation::ReplaceToken(text, "<VENUE>", venue->GetGUIName());
    SIM_GetCalendar()->AddEntry(date.GetDay(), date.GetMonth(), date.GetYear(), text, "calendar_gig.dds");
    booked = true;
}

int SIM_Gig::DaysTillNextGig()
{
    int best = NoGigBooked;
    for (const SIM_Gig* g : BookedGigs)
        if (!SIM_Date::IsInThePast(&g->date))
            best = std::min(best, SIM_Date::DaysDifference(SIM_Date::PPresentDay, &g->date));
    return best;
}

bool SIM_Gig::GigTonight()
{
    return std::any_of(BookedGigs.begin(), BookedGigs.end(),
                       [](const SIM_Gig* g) { return SIM_Date::IsToday(&g->date); });
}

void SIM_Gig::Reset()
{
    BBoredVenues = false;
    DeleteAll(BookedGigs);
    DeleteAll(PlayedGigs);
    DeleteAll(CancelledGigs);
}

void SIM_Gig::ClearMissedGigs()
{
    for (SIM_Gig* g : BookedGigs)
        if (SIM_Date::IsInThePast(&g->date)) {
            delete g;
            return;
        }
}

void SIM_Gig::CheckForPostits()
{
    const std::vector<SIM_Gig*> snapshot = BookedGigs; // a reminder may cancel its gig
    for (SIM_Gig* g : snapshot)
        if (SIM_Date::IsToday(&g->date))
            g->CreateReminder();
}

void SIM_Gig::CreateReminder()
{
    const char* const cancelledPicture = "option_yourgig_cancelled.jpg";
    if (!SIM_GetBand()->Valid()) {
        SIM_DailyOption::Create(SIM_DailyOption::GIG, this, GTranslation::GetString("GIG_NOBAND"),
                                GTranslation::GetString("DAILY_OPTIONS_GIG_NOBAND"), cancelledPicture, false);
        CancelGig();
    } else if (!SIM_Song::EnoughSongsToGig()) {
        SIM_DailyOption::Create(SIM_DailyOption::GIG, this, GTranslation::GetString("GIG_NOSONGS"),
                                GTranslation::GetString("DAILY_OPTIONS_GIG_NOSONGS"), cancelledPicture, false);
        CancelGig();
    } else {
        std::string title = GTranslation::GetString("GIG_REMINDER");
        GTranslation::ReplaceToken(title, "<VENUE>", venue->GetGUIName());
        SIM_DailyOption::Create(SIM_DailyOption::GIG, this, title, GTranslation::GetString("DAILY_OPTIONS_GIG"),
                                venue->GetSprite(), true);
    }
}

void SIM_Gig::CancelGig()
{
    SIM_GetScreens()->PlaySound("data/sounds/ahh.ogg");
    SIM_GetFame()->AddEffect(venue->GetFameBoost(0.0f) * SIM_GetGlobalVariables()->Get("RS_GIG_FAMEEFFECT"),
                             SIM_GetGlobalVariables()->Get("RS_GIG_FAME_DEGRADE"), venue->GetGUIName());
    Remove(BookedGigs, this);
    if (std::find(CancelledGigs.begin(), CancelledGigs.end(), this) == CancelledGigs.end())
        CancelledGigs.push_back(this);
}

void SIM_Gig::FinishPlaying()
{
    Remove(BookedGigs, this);
    if (std::find(PlayedGigs.begin(), PlayedGigs.end(), this) == PlayedGigs.end())
        PlayedGigs.push_back(this);
}

void SIM_Gig::VenueDeleted(const SIM_Venue* v)
{
    for (auto* list : {&PotentialGigs, &BookedGigs, &PlayedGigs, &CancelledGigs}) {
        const std::vector<SIM_Gig*> snapshot = *list;
        for (SIM_Gig* g : snapshot)
            if (g->venue == v)
                delete g;
    }
    // Offers not yet booked are dropped rather than left pointing at the venue.
    SIM_GetCharityGigManager()->PurgeUnbookedGigs();
}

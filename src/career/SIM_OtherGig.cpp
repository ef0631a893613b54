#include "career/SIM_OtherGig.h"

#include "career/SIM_OtherBandManager.h"
#include "engine/GTranslation.h"
#include "sim/GAssert.h"
#include "sim/SIM_Calendar.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"

#include <algorithm>
#include <cstdio>

std::vector<SIM_OtherGig*> SIM_OtherGig::All;

SIM_OtherGig::SIM_OtherGig()
{
    All.push_back(this);
}

SIM_OtherGig::SIM_OtherGig(SIM_OtherBand* band_) : band(band_)
{
    GAssert(band != nullptr, __FILE__, __LINE__);
    All.push_back(this);
    date.Set(SIM_Date::PPresentDay);
    const int ahead = static_cast<int>(SIM_GetGlobalVariables()->Get("RS_OTHERGIG_DAYSAHEAD"));
    for (int i = 0; i < ahead; ++i)
        date.IncrementDay(); // no read-out refresh: the present day has not moved
    AddCalendarEntry();
}

SIM_OtherGig::~SIM_OtherGig()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

SIM_OtherGig* SIM_OtherGig::Create(SIM_OtherBand* band)
{
    if (!band) {
        GAssert(false, __FILE__, __LINE__);
        return nullptr;
    }
    return new SIM_OtherGig(band);
}

void SIM_OtherGig::AddCalendarEntry()
{
    if (!band) {
        GAssert(false, __FILE__, __LINE__);
        return;
    }
    std::string text = GTranslation::GetString("OTHERGIG_CALENDAR");
    GTranslation::ReplaceToken(text, "<BAND>", band->GetGUIName());
    SIM_GetCalendar()->AddEntry(date.GetDay(), date.GetMonth(), date.GetYear(), text, "calender_note.dds");
}

void SIM_OtherGig::Update()
{
    if (!band || !SIM_Date::IsToday(&date))
        return;
    std::string title = GTranslation::GetString("GIG_REMINDER");
    GTranslation::ReplaceToken(title, "<VENUE>", band->GetGUIName());
    std::string text = GTranslation::GetString("OTHERGIG_CHOICE_INFO");
    GTranslation::ReplaceToken(text, "<BAND>", band->GetGUIName());
    char cost[64];
    std::snprintf(cost, sizeof cost, "%.2f", band->GetCost());
    GTranslation::ReplaceToken(text, "<COST>", cost);
    const bool doable = band->GetCost() <= SIM_GetFinances()->GetCash();
    SIM_DailyOption::Create(SIM_DailyOption::OTHERGIG, this, title, text, "option_othergig.jpg", doable);
}

void SIM_OtherGig::UpdateAll()
{
    const std::vector<SIM_OtherGig*> gigs = All;
    for (SIM_OtherGig* gig : gigs)
        gig->Update();
}

bool SIM_OtherGig::PurgeOld()
{
    for (SIM_OtherGig* gig : All) {
        if (SIM_Date::IsToday(&gig->date) || SIM_Date::IsInThePast(&gig->date)) {
            if (SIM_Date::IsInThePast(&gig->date) && gig->band)
                SIM_GetOtherBands()->ReturnToBag(gig->band);
            delete gig;
            return true;
        }
    }
    return false;
}

void SIM_OtherGig::PurgeOldGigs()
{
    while (PurgeOld()) {
    }
}

void SIM_OtherGig::Clear()
{
    while (!All.empty())
        delete All.front();
}

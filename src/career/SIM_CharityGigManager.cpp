#include "career/SIM_CharityGigManager.h"

#include "career/SIM_Gig.h"
#include "career/SIM_Song.h"
#include "career/SIM_Venue.h"
#include "engine/CSpreadsheet.h"
#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_GlobalVariable.h"

#include <algorithm>
#include <memory>

SIM_CharityGigManager* SIM_GetCharityGigManager()
{
    static SIM_CharityGigManager* instance = new SIM_CharityGigManager;
    return instance;
}

SIM_CharityGigManager::SIM_CharityGigManager()
{
    LoadCharities();
}

SIM_CharityGigManager::~SIM_CharityGigManager()
{
    PurgeUnbookedGigs();
    for (SIM_Charity* c : charities)
        delete c;
}

void SIM_CharityGigManager::GenerateGigs()
{
    PurgeUnbookedGigs();
    if (!SIM_GetBand()->Valid() || !SIM_Song::EnoughSongsToGig() || charities.empty())
        return;
    if (!GRandom::IsChance(SIM_GetGlobalVariables()->Get("RS_CHARITY_GIG_CHANCE")))
        return;
    SIM_Venue* venue = SelectVenue();
    GAssert(venue != nullptr, __FILE__, __LINE__);
    if (!venue)
        return;
    SIM_Charity* charity = PickRandom();
    if (!charity)
        return;
    auto* gig = new SIM_Gig(venue, SIM_Gig::CHARITY);
    gigs.push_back(gig);
    gig->SetCharity(charity);
    std::string title = GTranslation::GetString("DAILY_OPTIONS_CHARITYGIG_TITLE");
    GTranslation::ReplaceToken(title, "<NAME>", charity->guiname);
    SIM_DailyOption::Create(SIM_DailyOption::CHARITYGIG, gig, title,
                            GTranslation::GetString("DAILY_OPTIONS_CHARITYGIG_TEXT"), charity->picture, true);
}

SIM_Charity* SIM_CharityGigManager::GetByName(const std::string& name) const
{
    for (SIM_Charity* c : charities)
        if (c->name == name)
            return c;
    GError("failed to find charity", __FILE__, __LINE__);
    return nullptr;
}

SIM_Venue* SIM_CharityGigManager::SelectVenue() const
{
    const float limit = 2.0f * SIM_GetFame()->GetFame();
    SIM_Venue* best = nullptr;
    for (SIM_Venue* v : SIM_Venue::All) {
        if (v->GetGUIName() == "TEST VENUE" || v->GetMinFame() > limit || v->GetCapacity() <= 0)
            continue;
        if (!best || v->GetCapacity() > best->GetCapacity())
            best = v;
    }
    return best;
}

SIM_Charity* SIM_CharityGigManager::PickRandom()
{
    if (charities.empty())
        LoadCharities();
    GAssert(!charities.empty(), __FILE__, __LINE__);
    if (charities.empty())
        return nullptr;
    return charities[GRandom::RandIndex(charities.size())];
}

void SIM_CharityGigManager::PurgeUnbookedGigs()
{
    const std::vector<SIM_Gig*> offers = gigs;
    gigs.clear(); // the destructors below find nothing left to remove
    for (SIM_Gig* g : offers)
        if (!g->Booked())
            delete g;
}

void SIM_CharityGigManager::LoadCharities()
{
    std::unique_ptr<CSpreadsheet> sheet = CSpreadsheet::Create(File);
    for (const std::string& row : *sheet) {
        CSV csv;
        csv.Initialise(row, ',');
        csv.GetNextToken(); // the row marker
        auto* c = new SIM_Charity;
        c->name = csv.GetNextString();
        c->guiname = csv.GetNextString();
        c->picture = csv.GetNextString();
        c->description = csv.GetNextString();
        charities.push_back(c);
    }
}

void SIM_CharityGigManager::ReloadCharities()
{
    std::vector<SIM_Charity*> old;
    old.swap(charities);
    LoadCharities();
    // Every gig (offered or booked) still pointing at an old charity is moved to the new
    // charity of that name, or dropped with a report when there is none.
    auto rebind = [this, &old](std::vector<SIM_Gig*>& list) {
        const std::vector<SIM_Gig*> snapshot = list;
        for (SIM_Gig* g : snapshot) {
            SIM_Charity* c = g->GetCharity();
            if (!c || std::find(old.begin(), old.end(), c) == old.end())
                continue;
            if (SIM_Charity* now = GetByName(c->name))
                g->SetCharity(now);
            else
                delete g;
        }
    };
    rebind(gigs);
    rebind(SIM_Gig::BookedGigs);
    for (SIM_Gig* g : SIM_Gig::PlayedGigs)
        if (std::find(old.begin(), old.end(), g->GetCharity()) != old.end())
            g->SetCharity(nullptr);
    for (SIM_Gig* g : SIM_Gig::CancelledGigs)
        if (std::find(old.begin(), old.end(), g->GetCharity()) != old.end())
            g->SetCharity(nullptr);
    for (SIM_Charity* c : old)
        delete c;
}

void SIM_CharityGigManager::GigDeleted(const SIM_Gig* gig)
{
    gigs.erase(std::remove(gigs.begin(), gigs.end(), gig), gigs.end());
}

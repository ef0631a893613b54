#include "sim/SIM_Events.h"

#include "career/SIM_Asset.h"
#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "sim/GAM_PlayBalancer.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Screens.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
// Reads the play balancer's judgement and the player's net worth.
class PlayBalancerReader : public SIM_EventsBalance {
public:
    int GetStatus() override { return GAM_GetBalancer()->GetStatus(); }
    float GetNetWorth() override { return GAM_PlayBalancer::GetNetWorth(); }
};

SIM_EventsBalance*& InstalledBalance()
{
    static SIM_EventsBalance* balance = nullptr;
    return balance;
}

void ShowStory(const std::string& text)
{
    SIM_GetScreens()->ShowCaption(text);
}
}

SIM_Events* SIM_GetEvents()
{
    static SIM_Events* instance = new SIM_Events;
    return instance;
}

void SIM_Events::SetBalance(SIM_EventsBalance* balance)
{
    InstalledBalance() = balance;
}

SIM_EventsBalance* SIM_Events::GetBalance()
{
    static PlayBalancerReader playBalancer;
    return InstalledBalance() ? InstalledBalance() : &playBalancer;
}

void SIM_Events::Reset()
{
    dayCounter = 0;
    for (bool& f : fired)
        f = false;
}

void SIM_Events::SetFired(int id, bool isFired)
{
    if (InRange(id))
        fired[id] = isFired;
}

void SIM_Events::NextTurn()
{
    const int before = dayCounter++;
    if (before > QuietDays && GetBalance()->GetStatus() == SIM_EventsBalance::StatusStuck)
        ChoosePositiveEvent();
}

void SIM_Events::ChoosePositiveEvent()
{
    std::vector<EVENTID> valid;
    for (int id = 0; id < NumEvents; ++id)
        if (IsValid(EVENTID(id)))
            valid.push_back(EVENTID(id));
    if (valid.empty())
        return;
    TriggerEvent(valid[static_cast<size_t>(std::rand()) % valid.size()]);
}

bool SIM_Events::IsValid(EVENTID id) const
{
    if (!InRange(id) || fired[id])
        return false;
    switch (id) {
    case WEALTHY_RELATIVE: return true;
    case ROCKSTAR_MENTION: return SIM_GetFame()->GetFame() > 4.0f;
    case GIVEN_INSTRUMENT: return CanGiveInstrument();
    }
    return false;
}

void SIM_Events::TriggerEvent(EVENTID id)
{
    GAssert(InRange(id), __FILE__, __LINE__);
    if (!InRange(id))
        return;
    // The band may have no one to give an instrument to: the gift waits for a later day.
    if (id == GIVEN_INSTRUMENT && !CanGiveInstrument()) {
        GAssert(false, __FILE__, __LINE__);
        return;
    }
    fired[id] = true;
    switch (id) {
    case WEALTHY_RELATIVE: TriggerWealthyRelative(); break;
    case ROCKSTAR_MENTION: TriggerRockStarMention(); break;
    case GIVEN_INSTRUMENT: GiveInstrument(); break;
    }
}

float SIM_Events::WealthyRelativeAmount(float netWorth)
{
    float amount = 0.25f * netWorth;
    if (!std::isfinite(amount) || amount < WealthyRelativeFloor)
        amount = WealthyRelativeFloor;
    return std::trunc(amount / 5.0f) * 5.0f;
}

float SIM_Events::MentionFame(float fame)
{
    const float boost = 0.25f * fame;
    return std::isfinite(boost) && boost > MentionFameFloor ? boost : MentionFameFloor;
}

void SIM_Events::TriggerWealthyRelative()
{
    const float amount = WealthyRelativeAmount(GetBalance()->GetNetWorth());
    SIM_GetFinances()->AddCash(amount);
    std::string text = GTranslation::GetString("EVENT_WEALTHYRELATIVE");
    GTranslation::ReplaceToken(text, "<CASH>", "$ " + FormatMoney(amount));
    ShowStory(text);
    SIM_GetScreens()->PlaySound("data/sounds/cash.ogg");
}

void SIM_Events::TriggerRockStarMention()
{
    SIM_GetFame()->AddEffect(MentionFame(SIM_GetFame()->GetFame()),
                             SIM_GetGlobalVariables()->Get("RS_MENTION_FAME_DEGRADE"), "rock star mention");
    std::string text = GTranslation::GetString("EVENT_ROCKSTARMENTION");
    GTranslation::ReplaceToken(text, "<BANDNAME>", SIM_GetBand()->GetName());
    ShowStory(text);
}

void SIM_Events::GiveInstrument()
{
    if (SIM_GetBand()->GetMembers().empty()) {
        GAssert(false, __FILE__, __LINE__);
        return;
    }
    SIM_Musician* musician = SIM_GetBand()->GetMostTalented();
    SIM_Asset* instrument = musician ? GetGivenInstrument(musician) : nullptr;
    GAssert(instrument != nullptr, __FILE__, __LINE__);
    if (!instrument)
        return;
    instrument->Purchase(false);
    std::string text = GTranslation::GetString("EVENT_GIVENINSTRUMENT");
    GTranslation::ReplaceToken(text, "<NAME>", musician->GetFullName());
    GTranslation::ReplaceToken(text, "<INSTRUMENT>", GetInstrumentName(musician->GetInstrument()));
    ShowStory(text);
}

bool SIM_Events::CanGiveInstrument() const
{
    if (SIM_GetBand()->GetMembers().empty())
        return false;
    SIM_Musician* musician = SIM_GetBand()->GetMostTalented();
    GAssert(musician != nullptr, __FILE__, __LINE__);
    return musician && GetGivenInstrument(musician) != nullptr;
}

SIM_Asset* SIM_Events::GetGivenInstrument(const SIM_Musician* musician)
{
    if (!musician)
        return nullptr;
    SIM_Asset* cheapest = nullptr;
    for (SIM_Asset* asset : SIM_Asset::All) {
        if (asset->IsOwned() || !asset->GetFlag(SIM_Asset::DESIRABLE) || asset->GetTypeName() != "instrument"
            || asset->GetAssigneeInstrument() != musician->GetInstrument())
            continue;
        const float cost = asset->GetPurchaseCost();
        if (cost >= Priceless)
            continue;
        if (!cheapest || cost < cheapest->GetPurchaseCost())
            cheapest = asset;
    }
    return cheapest;
}

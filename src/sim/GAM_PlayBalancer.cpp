#include "sim/GAM_PlayBalancer.h"

#include "career/SIM_Asset.h"
#include "career/SIM_AssetKinds.h"
#include "career/SIM_Gig.h"
#include "career/SIM_Venue.h"
#include "sim/SIM_Finances.h"

#include <cmath>

GAM_PlayBalancer* GAM_GetBalancer()
{
    static GAM_PlayBalancer* instance = new GAM_PlayBalancer;
    return instance;
}

void GAM_PlayBalancer::Reset()
{
    status = STATUS_NORMAL;
    history.clear();
    ratio = 0.0f;
}

void GAM_PlayBalancer::NextDay()
{
    WriteHistory();
    if (IsWinning())
        status = STATUS_WINNING;
    else if (IsStuck())
        status = STATUS_STUCK;
    else
        status = STATUS_NORMAL;
}

void GAM_PlayBalancer::WriteHistory()
{
    history.push_front({GetNetWorth()});
}

float GAM_PlayBalancer::GetNetWorth()
{
    float worth = SIM_GetFinances()->GetCash();
    // A booked normal gig's rental is already paid: booking must not look like a loss.
    for (const SIM_Gig* gig : SIM_Gig::BookedGigs)
        if (gig->GetType() != SIM_Gig::CHARITY && gig->GetVenue())
            worth += gig->GetVenue()->GetRental();
    for (const SIM_Asset* asset : SIM_Asset::OwnedAssets) {
        const auto* stock = asset->GetTypeName() == "merchandise" ? dynamic_cast<const SIM_Merchandise*>(asset) : nullptr;
        worth += stock ? float(stock->GetQuantity()) * stock->GetUnitPrice() : asset->GetPurchaseCost();
    }
    return worth;
}

bool GAM_PlayBalancer::IsWinning()
{
    GetNetWorth();
    return false;
}

bool GAM_PlayBalancer::IsStuck()
{
    if (history.size() < size_t(2 * kWindow))
        return false;
    float newer = 0.0f;
    float earlier = 0.0f;
    for (int i = 0; i < kWindow; ++i) {
        newer += history[size_t(i)].worth;
        earlier += history[size_t(i + kWindow)].worth;
    }
    ratio = newer / earlier;
    return newer - earlier < 0.05f * std::fabs(earlier);
}

#include "career/SIM_EndorsementManager.h"

#include "career/SIM_Endorsement.h"
#include "engine/GRandom.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Screens.h"

SIM_EndorsementManager* SIM_GetEndorsements()
{
    static SIM_EndorsementManager* instance = new SIM_EndorsementManager;
    return instance;
}

float SIM_EndorsementManager::DailyChance()
{
    int businessmen = 0;
    for (const SIM_Musician* m : SIM_GetBand()->GetMembers())
        if (m->HasPersonality("businessman"))
            ++businessmen;
    return SIM_GetFame()->GetFame() / 500.0f * (1.0f + 0.1f * float(businessmen));
}

void SIM_EndorsementManager::NextDay()
{
    ++days;
    if (days < 10 || !SIM_NamedValueList::Globals().IsTrue("manager") || SIM_GetFame()->GetFame() < 75.0f ||
        SIM_Endorsement::All.empty())
        return;
    if (GRandom::IsChance(DailyChance()))
        OfferEndorsement();
}

void SIM_EndorsementManager::OfferEndorsement()
{
    if (SIM_Endorsement::All.empty()) {
        GAssert(false, __FILE__, __LINE__);
        return;
    }
    SIM_Endorsement* offer = SIM_Endorsement::All[GRandom::RandIndex(SIM_Endorsement::All.size())];
    days = 0;
    SIM_GetScreens()->OpenEndorsement(offer);
}

#include "career/SIM_RecordingStudio.h"

#include "career/SIM_Album.h"
#include "career/SIM_Performance.h"
#include "career/SIM_Venue.h"
#include "engine/CSpreadsheet.h"
#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Relationship.h"

#include <algorithm>
#include <memory>

std::vector<SIM_RecordingStudio*> SIM_RecordingStudio::All;
SIM_RecordingStudio* SIM_RecordingStudio::PCurrentStudio = nullptr;

namespace {
float GV(const char* key)
{
    return SIM_GetGlobalVariables()->Get(key);
}
} // namespace

SIM_RecordingStudio::SIM_RecordingStudio()
{
    All.push_back(this);
}

SIM_RecordingStudio::~SIM_RecordingStudio()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
    if (PCurrentStudio == this)
        PCurrentStudio = nullptr;
}

void SIM_RecordingStudio::Open()
{
    if (!All.empty())
        return;
    std::unique_ptr<CSpreadsheet> sheet = CSpreadsheet::Create(File);
    for (const std::string& row : *sheet)
        (new SIM_RecordingStudio)->ReadRow(row);
}

void SIM_RecordingStudio::Close()
{
    while (!All.empty())
        delete All.front();
}

void SIM_RecordingStudio::ReadRow(const std::string& row)
{
    CSV csv;
    csv.Initialise(row, ',');
    csv.GetNextToken(); // the row marker
    name = csv.GetNextString();
    guiname = csv.GetNextString();
    dailyCost = csv.GetNextFloat();
    quality = csv.GetNextFloat();
    texture = csv.GetNextString();
    stress = csv.GetNextFloat();
}

void SIM_RecordingStudio::SetCurrentStudio(const std::string& studioName)
{
    for (SIM_RecordingStudio* s : All)
        if (s->name == studioName) {
            PCurrentStudio = s;
            return;
        }
    GError("Failed to set recording studio", __FILE__, __LINE__);
}

void SIM_RecordingStudio::ChooseBestStudio()
{
    SIM_RecordingStudio* best = nullptr;
    for (SIM_RecordingStudio* s : All)
        if (s->quality > 0.0f && (!best || s->quality > best->quality))
            best = s;
    PCurrentStudio = best;
}

void SIM_RecordingStudio::ValidateStudio()
{
    if (PCurrentStudio && PCurrentStudio->dailyCost > SIM_GetFinances()->GetCash())
        PCurrentStudio = nullptr;
}

bool SIM_RecordingStudio::BandIsStressed()
{
    return SIM_GetBand()->GetValue("band_stress") > GV("RS_STUDIO_MAX_STRESS");
}

bool SIM_RecordingStudio::BandIsDemotivated()
{
    return SIM_GetBand()->GetValue("band_motivation") < GV("RS_STUDIO_MIN_MOTIVATION");
}

void SIM_RecordingStudio::Use(SIM_Album* album)
{
    GAssert(album != nullptr, __FILE__, __LINE__);
    if (!album)
        return;
    if (!SIM_GetRecordCompany()->IsSigned())
        SIM_GetFinances()->SpendCash(dailyCost);
    SIM_Relationship::ResolveMeeting(GV("RS_MEETSCALAR_STUDIO"));
    album->AddCost(dailyCost);
    album->AddDay();
    SIM_GetBand()->ApplyToAttribute("band_stress", stress, 0.9f, "studio");
}

SIM_RecordCompany* SIM_GetRecordCompany()
{
    static SIM_RecordCompany* instance = new SIM_RecordCompany;
    return instance;
}

bool SIM_RecordCompany::AttendedGig(const SIM_Performance* performance)
{
    if (!performance || !performance->GetVenue())
        return false;
    if (static_cast<float>(performance->GetVenue()->GetCapacity()) < GV("RS_COMPANY_SCOUT_MINCAPACITY"))
        return false;
    if (!GRandom::IsChance(GV("RS_COMPANY_SCOUT_BASECHANCE")))
        return false;
    const std::string scout = GTranslation::GetRandomString("record companies");
    if (!scout.empty())
        name = scout;
    return true;
}

float SIM_RecordCompany::OfferChance(const SIM_Performance* performance)
{
    const float fame = SIM_GetFame()->GetFame();
    if (!performance || !performance->GetVenue() || fame < 40.0f)
        return 0.0f;
    const float fill = SIM_Performance::Fill(performance->GetAttendence(), performance->GetVenue()->GetCapacity());
    const float chance = GV("RS_COMPANY_OFFER_BASECHANCE") + GV("RS_DEAL_FAME_MODIFIER") * std::clamp(fame / 500.0f, 0.0f, 1.0f) +
                         GV("RS_DEAL_ATTENDENCE_MODIFIER") * fill + GV("RS_DEAL_QUALITY_MODIFIER") * performance->GetQuality();
    return std::clamp(chance, 0.0f, 1.0f);
}

bool SIM_RecordCompany::OfferedDeal(const SIM_Performance* performance)
{
    if (SIM_GetFame()->GetFame() < 40.0f)
        return false;
    if (!GRandom::IsChance(OfferChance(performance)))
        return false;
    PutTogetherDeal();
    return true;
}

void SIM_RecordCompany::PutTogetherDeal()
{
    marketing = GRandom::RandReal(0.1f, 0.3f);
    royalty = GRandom::RandReal(0.2f, 0.5f);
    if (SIM_GetBand()->CountPersonalities("businessman") > 0 || SIM_NamedValueList::Globals().IsTrue("manager")) {
        marketing *= 1.12f;
        royalty *= 1.2f;
    }
}

void SIM_RecordCompany::SignDeal()
{
    signed_ = true;
    SIM_GetBand()->ApplyToAttribute("band_hype", marketing, 1.0f, "record deal");
}

void SIM_RecordCompany::Reset()
{
    *this = SIM_RecordCompany();
}

void SIM_RecordCompany::Restore(const std::string& name_, bool isSigned, float royalty_, float marketing_)
{
    name = name_.empty() ? DefaultName : name_;
    signed_ = isSigned;
    royalty = std::clamp(royalty_, 0.0f, 1.0f);
    marketing = std::clamp(marketing_, 0.0f, 1.0f);
}

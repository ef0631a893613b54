#include "career/SIM_Endorsement.h"

#include "engine/CSpreadsheet.h"
#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Screens.h"

#include <algorithm>

std::vector<SIM_Endorsement*> SIM_Endorsement::All;
std::vector<SIM_Endorsement*> SIM_Endorsement::Offered;

namespace {
void Remove(std::vector<SIM_Endorsement*>& list, SIM_Endorsement* e)
{
    list.erase(std::remove(list.begin(), list.end(), e), list.end());
}
}

SIM_Endorsement::SIM_Endorsement()
{
    All.push_back(this);
}

SIM_Endorsement::~SIM_Endorsement()
{
    Remove(All, this);
    Remove(Offered, this);
}

void SIM_Endorsement::Open()
{
    Close();
    std::unique_ptr<CSpreadsheet> sheet = CSpreadsheet::Create(File);
    for (const std::string& row : *sheet)
        (new SIM_Endorsement)->ReadRow(row);
}

void SIM_Endorsement::Close()
{
    while (!All.empty())
        delete All.front();
    while (!Offered.empty())
        delete Offered.front();
}

SIM_Endorsement* SIM_Endorsement::GetByName(const std::string& n)
{
    for (SIM_Endorsement* e : All)
        if (e->name == n)
            return e;
    return nullptr;
}

bool SIM_Endorsement::MarkOffered(const std::string& n)
{
    SIM_Endorsement* e = GetByName(n);
    return e && e->MoveToOffered();
}

void SIM_Endorsement::ReadRow(const std::string& row)
{
    // Short rows keep their defaults rather than reading past the row's end.
    CSV csv;
    csv.Initialise(row, ',');
    csv.GetNextToken(); // the row marker
    if (!csv.Finished())
        name = csv.GetNextString();
    if (!csv.Finished())
        amount = csv.GetNextFloat();
    if (!csv.Finished())
        text = "\"" + csv.GetNextString() + "\"";
    if (!csv.Finished())
        fameHitChance = csv.GetNextFloat();
}

bool SIM_Endorsement::MoveToOffered()
{
    auto it = std::find(All.begin(), All.end(), this);
    if (it == All.end())
        return false;
    All.erase(it);
    Offered.push_back(this);
    return true;
}

bool SIM_Endorsement::IsAnswered() const
{
    return std::find(Offered.begin(), Offered.end(), this) != Offered.end();
}

float SIM_Endorsement::Accept()
{
    if (IsAnswered())
        return 0.0f;
    SIM_GetFinances()->AddCash(amount);
    const float fame = SIM_GetFame()->GetFame();
    if (SIM_GetFinances()->GetCash() > 3000.0f && fame > 100.0f)
        fameHitChance *= 1.5f;
    float hit = 0.0f;
    if (GRandom::IsChance(fameHitChance)) {
        hit = GRandom::RandReal(0.15f, 0.32f);
        SIM_GetFame()->AddEffect(-(fame * hit), SIM_GetGlobalVariables()->Get("RS_ENDORSEMENT_FAMEHIT_DEGRADE"), name);
        SIM_GetScreens()->PlaySound("data/sounds/crowd_small_boo2.ogg");
    }
    MoveToOffered();
    std::string sponsored = GTranslation::GetString("SPONSORED_NAME");
    GTranslation::ReplaceToken(sponsored, "<BANDNAME>", SIM_GetBand()->GetName());
    GTranslation::ReplaceToken(sponsored, "<SPONSOR>", name);
    SIM_GetBand()->SetSponsoredname(sponsored.substr(0, 1023));
    return hit;
}

void SIM_Endorsement::Reject()
{
    MoveToOffered();
}

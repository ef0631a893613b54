#include "sim/SIM_Person.h"

#include "engine/GRandom.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_PortraitDatabase.h"

#include <algorithm>

std::vector<SIM_Person*> SIM_Person::All;

SIM_Person::SIM_Person()
{
    All.push_back(this);
}

SIM_Person::~SIM_Person()
{
    SIM_Message::ForgetSpeaker(this);
    auto it = std::find(All.begin(), All.end(), this);
    if (it != All.end())
        All.erase(it);
}

void SIM_Person::SetGender(SIM_GENDER g)
{
    gender = g;
    SIM_PortraitDatabase* portraits = SIM_GetPortraits();
    portrait = g == SIM_GENDER_FEMALE ? portraits->GetFemalePortrait() : portraits->GetMalePortrait();
}

void SIM_Person::SetName(const std::string& fore, const std::string& sur)
{
    surname = sur;
    forename = fore;
    fullname = forename + " " + surname;
}

void SIM_Person::ChooseName()
{
    surname = SIM_Names::GetSurname();
    forename = SIM_Names::GetForename(gender, true);
    fullname = forename + " " + surname;
}

void SIM_Person::ChooseRandomGender()
{
    if (GRandom::RandUnitFloat() < 0.5f)
        SetGender(SIM_GENDER_MALE);
    else
        SetGender(SIM_GENDER_FEMALE);
}

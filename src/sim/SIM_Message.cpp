#include "sim/SIM_Message.h"

#include "sim/GAssert.h"
#include "sim/SIM_Musician.h"

#include <algorithm>

std::vector<SIM_Message*> SIM_Message::All;

SIM_Message::SIM_Message(SIM_Musician* musician_, const std::string& text_)
    : musician(musician_), text(text_)
{
}

void SIM_Message::AddMessage(const std::string& text, SIM_Musician* musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    if (!musician)
        return;
    All.push_back(new SIM_Message(musician, "\"" + text + "\""));
}

bool SIM_Message::RemoveMessage(SIM_Musician* musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    auto it = std::find_if(All.begin(), All.end(),
                           [musician](const SIM_Message* m) { return m->musician == musician; });
    if (it == All.end())
        return false;
    SIM_Message* message = *it;
    All.erase(it);
    delete message;
    return true;
}

void SIM_Message::ClearMine(SIM_Musician* musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    if (musician)
        ForgetSpeaker(musician);
}

void SIM_Message::ClearMessages()
{
    std::vector<SIM_Message*> doomed;
    doomed.swap(All);
    for (SIM_Message* message : doomed)
        delete message;
}

void SIM_Message::ForgetSpeaker(const SIM_Person* person)
{
    auto spoken = [person](const SIM_Message* m) {
        return static_cast<const SIM_Person*>(m->musician) == person;
    };
    auto first = std::stable_partition(All.begin(), All.end(), [&](const SIM_Message* m) { return !spoken(m); });
    for (auto it = first; it != All.end(); ++it)
        delete *it;
    All.erase(first, All.end());
}

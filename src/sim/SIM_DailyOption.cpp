#include "sim/SIM_DailyOption.h"

#include "career/SIM_Gig.h"
#include "career/SIM_Performance.h"
#include "career/SIM_Publicity.h"
#include "engine/GDebugEngine.h"
#include "sim/GAssert.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"

#include <algorithm>

std::vector<SIM_DailyOption*> SIM_DailyOption::All;

SIM_DailyOption::SIM_DailyOption(DailyOptionType type_, Object object_, const std::string& title_,
                                 const std::string& text_, const std::string& texture_, bool doable_)
    : object(object_), type(type_), text(text_), title(title_), texture(texture_), doable(doable_)
{
    All.push_back(this);
}

SIM_DailyOption::~SIM_DailyOption()
{
    auto it = std::find(All.begin(), All.end(), this);
    if (it != All.end())
        All.erase(it);
}

SIM_DailyOption* SIM_DailyOption::Create(DailyOptionType type, Object object, const std::string& title,
                                         const std::string& text, const std::string& texture, bool doable)
{
    return new SIM_DailyOption(type, object, title, text, texture, doable);
}

SIM_Gig* SIM_DailyOption::GetGig() const
{
    auto held = std::get_if<SIM_Gig*>(&object);
    return held ? *held : nullptr;
}

SIM_OtherGig* SIM_DailyOption::GetOtherGig() const
{
    auto held = std::get_if<SIM_OtherGig*>(&object);
    return held ? *held : nullptr;
}

SIM_PublicityEvent* SIM_DailyOption::GetPublicityEvent() const
{
    auto held = std::get_if<SIM_PublicityEvent*>(&object);
    return held ? *held : nullptr;
}

void SIM_DailyOption::Activate()
{
    bool onceOnly = type == GIG || type == PUBLICITY || type == CHARITYGIG;
    if (onceOnly && done) {
        DebugOutF("Daily option \"%s\" has already been carried out", title.c_str());
        return;
    }
    switch (type) {
    case OTHERGIG:
        if (SIM_OtherGig* gig = GetOtherGig())
            SIM_GetScreens()->OpenOtherGig(gig);
        else
            GAssert(false, __FILE__, __LINE__);
        break;
    case GIG:
        PlayGig();
        break;
    case PUBLICITY:
        CarryOutPublicity();
        break;
    case CHARITYGIG:
        BookCharityGig(); // may delete this option
        break;
    case RELAX:
        SIM_GetScreens()->OpenRelaxChooser();
        break;
    default:
        break;
    }
}

void SIM_DailyOption::PlayGig()
{
    SIM_Gig* gig = GetGig();
    if (!gig) {
        GAssert(false, __FILE__, __LINE__);
        return;
    }
    done = true;
    SIM_Performance* performance = SIM_Performance::Create(gig);
    if (!performance) {
        GAssert(false, __FILE__, __LINE__);
        return;
    }
    if (performance->IsCancelled())
        SIM_GetScreens()->OpenCancelledGig(performance);
    else
        SIM_GetScreens()->OpenGig(performance);
}

void SIM_DailyOption::CarryOutPublicity()
{
    SIM_PublicityEvent* event = GetPublicityEvent();
    if (!event) {
        GAssert(false, __FILE__, __LINE__);
        return;
    }
    done = true;
    event->Process();
    SIM_GetScreens()->ShowPublicity(event);
}

void SIM_DailyOption::BookCharityGig()
{
    SIM_Gig* gig = GetGig();
    if (!gig) {
        GAssert(false, __FILE__, __LINE__);
        return;
    }
    done = true;
    gig->Book();
    // Ending the day runs the end-of-day pass, which deletes this option.
    SIM_GetSim()->EndDay();
}

void SIM_DailyOption::ClearAll()
{
    SIM_GetScreens()->DailyOptionsCleared();
    while (!All.empty())
        delete All.front();
}

void SIM_DailyOption::PushGigsToTop()
{
    std::stable_partition(All.begin(), All.end(),
                          [](const SIM_DailyOption* option) { return option->type == GIG; });
}

void SIM_DailyOption::ForgetObject(Object gone)
{
    if (std::holds_alternative<std::monostate>(gone))
        return;
    for (SIM_DailyOption* option : All) {
        if (option->object == gone) {
            option->object = std::monostate {};
            option->doable = false;
        }
    }
}

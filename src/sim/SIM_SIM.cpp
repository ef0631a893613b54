#include "sim/SIM_SIM.h"

#include "career/SIM_Album.h"
#include "career/SIM_Asset.h"
#include "career/SIM_CharityGigManager.h"
#include "career/SIM_Endorsement.h"
#include "career/SIM_EndorsementManager.h"
#include "career/SIM_Gig.h"
#include "career/SIM_OtherBandManager.h"
#include "career/SIM_OtherGig.h"
#include "career/SIM_Performance.h"
#include "career/SIM_Publicity.h"
#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Rehearsal.h"
#include "career/SIM_RehearsalVenue.h"
#include "career/SIM_Relax.h"
#include "career/SIM_RelaxVenue.h"
#include "career/SIM_Song.h"
#include "career/SIM_SongElement.h"
#include "career/SIM_Venue.h"
#include "engine/GTranslation.h"
#include "engine/ProcessBase.h"
#include "port/Clock.h"
#include "savegame/SIM_SaveGame.h"
#include "sim/GAM_PlayBalancer.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Auditionee.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Calendar.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Events.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameMode.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Message.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_PortraitDatabase.h"
#include "sim/SIM_Practice.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SoloActivityInstance.h"
#include "sim/SIM_Statistics.h"

#include <cstdlib>
#include <optional>

namespace {
std::optional<unsigned> fixedSeed;
std::vector<std::string>* stepLog = nullptr;

// One step of the end-of-day pass: noted in the step log, then run.
template <class Run>
void Step(const char* name, Run&& run)
{
    SIM_SIM::LogStep(name);
    run();
}

void LoadingScreen(float fraction)
{
    SIM_GetScreens()->DrawLoadingScreen(fraction);
}
}

SIM_SIM* SIM_GetSim()
{
    static SIM_SIM* sim = new SIM_SIM;
    return sim;
}

void SIM_SIM::SetSeed(unsigned seed)
{
    fixedSeed = seed;
}

void SIM_SIM::Open()
{
    if (opened)
        return;
    SIM_GetGlobalVariables()->Load();
    SIM_GetPlayerOptions()->Load();
    std::srand(fixedSeed ? *fixedSeed : timeGetTime());
    SIM_Date::Open();
    SIM_Names::Open();
    SIM_RehearsalVenue::Open();
    LoadingScreen(0.35f);
    SIM_Venue::Open();
    SIM_RelaxVenue::Open();
    SIM_Personality::Open();
    SIM_PublicityEventType::Open(); // checks the table now, not on the first day
    LoadingScreen(0.4f);
    SIM_RecordingStudio::Open();
    opened = true;
}

void SIM_SIM::ClearCareer()
{
    SetTenYearsUp(false);
    SIM_GetGameMode()->Reset();
    SIM_DailyOption::ClearAll();
    SIM_PublicityEvent::ClearEvents();
    SIM_Message::ClearMessages();

    SIM_Gig::Reset();
    SIM_GetCharityGigManager()->PurgeUnbookedGigs();
    SIM_GetRecordCompany()->Reset();
    SIM_GetPractice()->Clear();

    SIM_GetBand()->ClearMembers();
    SIM_GetBand()->InitialiseData();
    SIM_Relationship::Clear();
    SIM_Musician::Close();

    SIM_Rehearsal::Open();
    SIM_Song::Open();
    SIM_Album::Open();
}

void SIM_SIM::Reset()
{
    ClearCareer();

    SIM_GetPortraits()->Open();
    SIM_GetPortraits()->MakeUsed(SIM_GetScreens()->GetAvatarTexture());
    SIM_Auditionee::Open();

    SIM_NamedValueList::Globals().Clear();
    SIM_Attribute::Clear();
    LoadingScreen(0.0f);

    SIM_GetStatistics()->Reset();
    SIM_Date::Reset();
    SIM_GetCalendar()->Initialise();
    LoadingScreen(0.125f);

    SIM_GetFinances()->Reset();
    SIM_GetRiza()->Initialise();
    SIM_SoloActivityInstance::Open();

    LoadingScreen(0.25f);
    SIM_GetFame()->Initialise();
    LoadingScreen(0.375f);

    SIM_Performance::Open();
    LoadingScreen(0.5f);

    SIM_SongElement::Open();
    SIM_Asset::Open();
    SIM_Endorsement::Open();
    SIM_GetEndorsements()->Initialise();

    LoadingScreen(0.6f);
    SIM_GetOtherBands()->Open();
    SIM_Song::CreateInitialSongs();
    SIM_Message::ClearMessages(); // the initial songs may have made the musicians speak

    LoadingScreen(0.75f);
    SIM_GetRiza()->RecalcAttributes();
    SIM_GetFame()->ProcessTurn();
    GAM_GetBalancer()->Reset();
    SIM_GetEvents()->Reset();

    mode = TURNMODE_IDLE;
    acts = 0;
    max_acts = 1;
    turncount = 0;
    LoadingScreen(1.0f);
}

void SIM_SIM::Close()
{
    SIM_RelaxVenue::Close();
    SIM_Auditionee::Close();
    SIM_Rehearsal::Close();
    SIM_GetOtherBands()->Close();
    SIM_SongElement::Close();
    SIM_Personality::Close();
    SIM_Performance::Close();
    SIM_Gig::Reset();
    SIM_Album::Close();
    SIM_Venue::Close();
    SIM_RehearsalVenue::Close();
    SIM_Asset::Close();
    SIM_SoloActivityInstance::Close();
    SIM_Names::Close();
    SIM_RecordingStudio::Close();
    SIM_Message::ClearMessages();
    GTranslation::Close();
    SIM_Endorsement::Close();
    SIM_PublicityEvent::ClearEvents();
    SIM_PublicityEventType::Close();
    SIM_GetPlayerOptions()->Save();
    SIM_GetScreens()->StopMusic();
    opened = false;
}

void SIM_SIM::EndDay()
{
    // An activity that ends inside the pass belongs to no day: counting it would leave
    // the new day used up (and a game saved then would run a pass as soon as it loads).
    if (processing)
        return;
    ++acts;
    if (acts >= max_acts)
        ReallyEndDay();
}

void SIM_SIM::ReallyEndDay()
{
    SIM_GetSim()->Process();
}

void SIM_SIM::SetStepLog(std::vector<std::string>* log)
{
    stepLog = log;
}

void SIM_SIM::LogStep(const char* step)
{
    if (stepLog)
        stepLog->push_back(step);
}

bool SIM_SIM::IsEvening() const
{
    return max_acts == 1 || (max_acts > 1 && acts == max_acts - 1);
}

void SIM_SIM::Process()
{
    // A screen opened by a step may end its activity at once; that must not start a
    // second pass inside this one.
    if (processing)
        return;
    processing = true;

    Step("SIM_DailyOption::ClearAll", [] { SIM_DailyOption::ClearAll(); });
    Step("SIM_Message::ClearMessages", [] { SIM_Message::ClearMessages(); });
    Step("SIM_Effect::ProcessAllEffects", [] { SIM_Effect::ProcessAllEffects(); });
    Step("ProcessBase::ProcessAll", [] { ProcessBase::ProcessAll(); });
    Step("SIM_OtherGig::PurgeOldGigs", [] { SIM_OtherGig::PurgeOldGigs(); });
    Step("SIM_Date::AddDays", [] { SIM_Date::PPresentDay->AddDays(1); });
    if (SIM_Date::PPresentDay->GetDayOfWeek() == 0)
        Step("SIM_Album::CalculateAllRoyalties", [] { SIM_Album::CalculateAllRoyalties(); });
    if (!SIM_GetScreens()->IsEndGameActive())
        ProcessDay();

    processing = false;
}

void SIM_SIM::ProcessDay()
{
    Step("SIM_Gig::ClearMissedGigs", [] { SIM_Gig::ClearMissedGigs(); });
    Step("SIM_Relationship::NextDayAll", [] { SIM_Relationship::NextDayAll(); });
    Step("SIM_OtherGig::UpdateAll", [] { SIM_OtherGig::UpdateAll(); });
    Step("SIM_OtherBandManager::GenerateGigs", [] { SIM_GetOtherBands()->GenerateGigs(); });
    Step("SIM_CharityGigManager::GenerateGigs", [] { SIM_GetCharityGigManager()->GenerateGigs(); });
    Step("SIM_Relax::CreateOption", [] { SIM_Relax::CreateOption(); });
    Step("SIM_Publicity::GenerateEvents", [] { SIM_Publicity::GenerateEvents(); });
    Step("SIM_Venue::ProcessAll", [] { SIM_Venue::ProcessAll(); });

    Step("new day's activities, mode day", [this] {
        acts = 0;
        CalculateMaxActivities();
        mode = TURNMODE_DAY;
    });
    Step("SIM_Finances::AddCash benefit", [] {
        // The player character counts as one more mouth to feed.
        const float heads = static_cast<float>(SIM_GetBand()->GetMembers().size() + 1);
        SIM_GetFinances()->AddCash(heads * SIM_GetGlobalVariables()->Get("GV_UNEMPLOYMENT_BENEFIT"));
    });
    Step("SIM_Asset::ProcessAll", [] { SIM_Asset::ProcessAll(); });
    Step("SIM_Riza::RecalcAttributes", [] { SIM_GetRiza()->RecalcAttributes(); });
    Step("SIM_Band::Recalculate", [] { SIM_GetBand()->Recalculate(); });
    Step("SIM_Band::NextDay", [] { SIM_GetBand()->NextDay(); });
    Step("SIM_Fame::ProcessTurn", [] { SIM_GetFame()->ProcessTurn(); });
    Step("GAM_PlayBalancer::NextDay", [] { GAM_GetBalancer()->NextDay(); });
    Step("mode idle", [this] { mode = TURNMODE_IDLE; });

    Step("SIM_Gig::CheckForPostits", [] { SIM_Gig::CheckForPostits(); });
    if (SIM_GetPlayerOptions()->GetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE))
        Step("SIM_SaveGame::SaveGame autosave", [] { SIM_GetSaveGame()->SaveGame("autosave"); });
    Step("SIM_EndorsementManager::NextDay", [] { SIM_GetEndorsements()->NextDay(); });
    Step("GUI_DailyOptions::Initialise", [] { SIM_GetScreens()->RebuildDailyOptions(); });
    Step("SIM_GameMode::CheckForPromotion", [] { SIM_GetGameMode()->CheckForPromotion(); });
    Step("SIM_Events::NextTurn", [] { SIM_GetEvents()->NextTurn(); });
    Step("turncount + 1", [this] { ++turncount; });
    Step("GUI_HintHelp::CheckTimedHints", [] { SIM_GetScreens()->CheckTimedHints(); });
}

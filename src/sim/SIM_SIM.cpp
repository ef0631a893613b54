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
    LoadingScreen(0.4f);
    SIM_RecordingStudio::Open();
    opened = true;
}

void SIM_SIM::Reset()
{
    SetTenYearsUp(false);
    SIM_GetGameMode()->Reset();
    SIM_DailyOption::ClearAll();
    SIM_Message::ClearMessages();

    SIM_Gig::Reset();
    SIM_GetPractice()->Clear();

    SIM_GetBand()->ClearMembers();
    SIM_GetBand()->InitialiseData();
    SIM_Relationship::Clear();
    SIM_Musician::Close();

    SIM_Rehearsal::Open();
    SIM_Song::Open();
    SIM_Album::Open();

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
    SIM_Venue::Close();
    SIM_RehearsalVenue::Close();
    SIM_Asset::Close();
    SIM_SoloActivityInstance::Close();
    SIM_Names::Close();
    SIM_RecordingStudio::Close();
    SIM_Message::ClearMessages();
    GTranslation::Close();
    SIM_Endorsement::Close();
    SIM_GetPlayerOptions()->Save();
    SIM_GetScreens()->StopMusic();
    opened = false;
}

void SIM_SIM::EndDay()
{
    ++acts;
    if (acts >= max_acts)
        ReallyEndDay();
}

void SIM_SIM::ReallyEndDay()
{
    SIM_GetSim()->Process();
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

    SIM_DailyOption::ClearAll();
    SIM_Message::ClearMessages();
    SIM_Effect::ProcessAllEffects();
    ProcessBase::ProcessAll();
    SIM_OtherGig::PurgeOldGigs();
    SIM_Date::PPresentDay->AddDays(1);
    if (SIM_Date::PPresentDay->GetDayOfWeek() == 0)
        SIM_Album::CalculateAllRoyalties();
    if (!SIM_GetScreens()->IsEndGameActive())
        ProcessDay();

    processing = false;
}

void SIM_SIM::ProcessDay()
{
    SIM_Gig::ClearMissedGigs();
    SIM_Relationship::NextDayAll();
    SIM_OtherGig::UpdateAll();
    SIM_GetOtherBands()->GenerateGigs();
    SIM_GetCharityGigManager()->GenerateGigs();
    SIM_Relax::CreateOption();
    SIM_Publicity::GenerateEvents();
    SIM_Venue::ProcessAll();

    acts = 0;
    CalculateMaxActivities();
    mode = TURNMODE_DAY;

    // The player character counts as one more mouth to feed.
    const float heads = static_cast<float>(SIM_GetBand()->GetMembers().size() + 1);
    SIM_GetFinances()->AddCash(heads * SIM_GetGlobalVariables()->Get("GV_UNEMPLOYMENT_BENEFIT"));

    SIM_Asset::ProcessAll();
    SIM_GetRiza()->RecalcAttributes();
    SIM_GetBand()->Recalculate();
    SIM_GetBand()->NextDay();
    SIM_GetFame()->ProcessTurn();
    GAM_GetBalancer()->NextDay();
    mode = TURNMODE_IDLE;

    SIM_Gig::CheckForPostits();
    if (SIM_GetPlayerOptions()->GetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE))
        SIM_GetSaveGame()->SaveGame("autosave");
    SIM_GetEndorsements()->NextDay();
    SIM_GetScreens()->RebuildDailyOptions();
    SIM_GetGameMode()->CheckForPromotion();
    SIM_GetEvents()->NextTurn();
    ++turncount;
    SIM_GetScreens()->CheckTimedHints();
}

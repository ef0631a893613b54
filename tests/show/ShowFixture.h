#pragma once
// The gig show inside the real in-game screen: a band ready to play, a gig booked and its
// day brought round, and the frame saved as an artifact.
#include "harness/GameHarness.h"
#include "career/SIM_Gig.h"
#include "career/SIM_Song.h"
#include "career/SIM_Venue.h"
#include "port/sdl/FrameCapture.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_SIM.h"

#include <filesystem>
#include <string>

class ShowTest : public GameHarness {
protected:
    explicit ShowTest(Start start = Start::InGame) : GameHarness(start) {}
    static void HireBand()
    {
        for (INSTRUMENT i : {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR, INSTRUMENT_KEYBOARD,
                             INSTRUMENT_SAXOPHONE}) {
            auto* m = new SIM_Musician;
            m->SetInstrument(i);
            m->SetAbility(0.6f, 0.8f);
            if (SIM_Personality* p = SIM_Personality::GetRandom())
                m->AddPersonality(p);
            SIM_GetBand()->AddMusician(m);
        }
        const int wanted = int(SIM_GetGlobalVariables()->Get("RS_SONGS_REQ_FOR_GIG"));
        while (int(SIM_Song::All.size()) < wanted)
            new SIM_Song;
        for (SIM_Song* s : SIM_Song::All)
            s->SetQuality(0.6f);
    }
    // Books a gig at the venue and ends days until tonight is its night.
    static void BookAndComeToGigDay(SIM_Venue* venue)
    {
        auto* gig = new SIM_Gig(venue, SIM_Gig::NORMAL);
        gig->Book();
        for (int i = 0; i < 60 && SIM_Gig::DaysTillNextGig() > 0 && SIM_Gig::DaysTillNextGig() < SIM_Gig::NoGigBooked;
             ++i)
            SIM_GetSim()->EndDay();
    }
    static SIM_DailyOption* TonightsGig()
    {
        for (SIM_DailyOption* o : SIM_DailyOption::All)
            if (o->GetType() == SIM_DailyOption::GIG && !o->IsDone())
                return o;
        return nullptr;
    }
    static void SetCheat(const char* key, float v) { SIM_GetGlobalVariables()->Set(key, v); }
    static void SetFlag(const char* name, bool on) { SIM_NamedValueList::ForceGlobal(name, on ? 1.0f : 0.0f); }
};

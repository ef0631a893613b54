#pragma once
// The six-piece band the simulation benchmarks play with: a mixed line-up of middling,
// improving players, each with a random personality.
#include "sim/SIM_Band.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"

inline void HireBenchBand()
{
    const INSTRUMENT lineUp[] = {INSTRUMENT_DRUMS, INSTRUMENT_BASS, INSTRUMENT_GUITAR,
                                 INSTRUMENT_KEYBOARD, INSTRUMENT_SAXOPHONE, INSTRUMENT_GUITAR};
    for (INSTRUMENT instrument : lineUp) {
        auto* m = new SIM_Musician;
        m->SetInstrument(instrument);
        m->SetAbility(0.5f, 0.8f);
        if (SIM_Personality* p = SIM_Personality::GetRandom())
            m->AddPersonality(p);
        SIM_GetBand()->AddMusician(m);
    }
}

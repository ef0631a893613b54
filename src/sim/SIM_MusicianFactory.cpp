#include "sim/SIM_MusicianFactory.h"

#include "sim/SIM_Musician.h"

SIM_Musician* SIM_MusicianFactory::CreateMusician(INSTRUMENT instrument)
{
    auto* musician = new SIM_Musician;
    musician->SetInstrument(instrument);
    musician->ChooseRandomGender();
    musician->ChooseName();
    return musician;
}

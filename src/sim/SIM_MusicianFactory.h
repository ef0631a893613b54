#pragma once
// Makes a plain musician of an instrument: a random gender, the portrait that goes with it
// and a random name, with nothing else taken from a row of candidates.
#include "sim/SIM_InstrumentType.h"

class SIM_Musician;

class SIM_MusicianFactory {
public:
    // A new musician (owned by the caller) with that instrument.
    static SIM_Musician* CreateMusician(INSTRUMENT instrument);
};

#pragma once
// What a musician plays; INSTRUMENT_NONE marks an asset that belongs to no instrument.
enum INSTRUMENT {
    INSTRUMENT_KEYBOARD = 0,
    INSTRUMENT_DRUMS = 1,
    INSTRUMENT_BASS = 2,
    INSTRUMENT_GUITAR = 3,
    INSTRUMENT_SAXOPHONE = 4,
    INSTRUMENT_VOCALS = 5,
    INSTRUMENT_NONE = 6,
};

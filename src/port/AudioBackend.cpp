#include "port/AudioBackend.h"

const char* AudioErrorString(AudioResult result)
{
    switch (result) {
    case AudioResult::Ok: return "No errors.";
    case AudioResult::NotOpen: return "The sound device is not open.";
    case AudioResult::InitFailed: return "The sound device could not be started.";
    case AudioResult::FileNotFound: return "The file could not be opened or decoded.";
    case AudioResult::NoFreeChannel: return "No free channel to play on.";
    case AudioResult::InvalidHandle: return "The channel is no longer valid.";
    case AudioResult::BadSound: return "No such sound.";
    }
    return "";
}

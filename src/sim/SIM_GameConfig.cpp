#include "sim/SIM_GameConfig.h"

SIM_GameConfig* SIM_GetGameConfig()
{
    static SIM_GameConfig* config = new SIM_GameConfig;
    return config;
}

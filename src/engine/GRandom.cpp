#include "engine/GRandom.h"

float GRandom::RandReal(float low, float high)
{
    float r = float(std::rand()) / 2147483648.0f;
    return r * (high - low) + low;
}

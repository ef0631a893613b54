#include "port/DrawText.h"

int DrawTextA(void*, const char*, int, const tagRECT*, unsigned)
{
    return 0;
}

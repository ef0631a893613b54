#pragma once
// Button and fade callbacks: a plain function taking one argument that often carries a
// pointer to a window or an object, so it is pointer-sized.
#include <cstdint>

using GUI_Callback = void (*)(intptr_t);

#pragma once
// The game's text is single-byte Windows-1252; fonts and the system want Unicode. The
// conversion happens only at those calls.
#include <cstdint>

// The Unicode code point of one cp1252 byte; the five undefined bytes give U+FFFD.
uint32_t Cp1252ToUnicode(unsigned char c);

#pragma once
// Translation of this platform's keys to the Mac virtual key codes the game uses.
#include <cstdint>

// The Mac code of a key: printable keys by the key symbol of the player's layout (so an
// AZERTY "a" key is "a"), every other key by its position. -1 when the game has none.
// `keycode` and `scancode` are SDL's SDL_Keycode and SDL_Scancode values.
int MacKeyCode(int32_t keycode, int scancode);

// Mac modifier bits (kMod*) from SDL's key modifier state: Ctrl or Super give Command.
uint32_t MacModifiers(uint16_t sdlModState);

#include "port/sdl/MacKeys.h"

#include "port/sdl/PortEvent.h"

#include <SDL2/SDL.h>

namespace {

struct KeyPair {
    int32_t from;
    int to;
};

// Printable keys, by the symbol the layout puts on them.
constexpr KeyPair kBySymbol[] = {
    {SDLK_a, 0}, {SDLK_s, 1}, {SDLK_d, 2}, {SDLK_f, 3}, {SDLK_h, 4}, {SDLK_g, 5},
    {SDLK_z, 6}, {SDLK_x, 7}, {SDLK_c, 8}, {SDLK_v, 9}, {SDLK_b, 11}, {SDLK_q, 12},
    {SDLK_w, 13}, {SDLK_e, 14}, {SDLK_r, 15}, {SDLK_y, 16}, {SDLK_t, 17},
    {SDLK_1, 18}, {SDLK_2, 19}, {SDLK_3, 20}, {SDLK_4, 21}, {SDLK_6, 22}, {SDLK_5, 23},
    {SDLK_EQUALS, 24}, {SDLK_9, 25}, {SDLK_7, 26}, {SDLK_MINUS, 27}, {SDLK_8, 28},
    {SDLK_0, 29}, {SDLK_RIGHTBRACKET, 30}, {SDLK_o, 31}, {SDLK_u, 32},
    {SDLK_LEFTBRACKET, 33}, {SDLK_i, 34}, {SDLK_p, 35}, {SDLK_l, 37}, {SDLK_j, 38},
    {SDLK_QUOTE, 39}, {SDLK_k, 40}, {SDLK_SEMICOLON, 41}, {SDLK_BACKSLASH, 42},
    {SDLK_COMMA, 43}, {SDLK_SLASH, 44}, {SDLK_n, 45}, {SDLK_m, 46}, {SDLK_PERIOD, 47},
    {SDLK_SPACE, 49}, {SDLK_BACKQUOTE, 50},
};

// Every key, by its position on a US keyboard.
constexpr KeyPair kByPosition[] = {
    {SDL_SCANCODE_A, 0}, {SDL_SCANCODE_S, 1}, {SDL_SCANCODE_D, 2}, {SDL_SCANCODE_F, 3},
    {SDL_SCANCODE_H, 4}, {SDL_SCANCODE_G, 5}, {SDL_SCANCODE_Z, 6}, {SDL_SCANCODE_X, 7},
    {SDL_SCANCODE_C, 8}, {SDL_SCANCODE_V, 9}, {SDL_SCANCODE_NONUSBACKSLASH, 10},
    {SDL_SCANCODE_B, 11}, {SDL_SCANCODE_Q, 12}, {SDL_SCANCODE_W, 13}, {SDL_SCANCODE_E, 14},
    {SDL_SCANCODE_R, 15}, {SDL_SCANCODE_Y, 16}, {SDL_SCANCODE_T, 17}, {SDL_SCANCODE_1, 18},
    {SDL_SCANCODE_2, 19}, {SDL_SCANCODE_3, 20}, {SDL_SCANCODE_4, 21}, {SDL_SCANCODE_6, 22},
    {SDL_SCANCODE_5, 23}, {SDL_SCANCODE_EQUALS, 24}, {SDL_SCANCODE_9, 25},
    {SDL_SCANCODE_7, 26}, {SDL_SCANCODE_MINUS, 27}, {SDL_SCANCODE_8, 28},
    {SDL_SCANCODE_0, 29}, {SDL_SCANCODE_RIGHTBRACKET, 30}, {SDL_SCANCODE_O, 31},
    {SDL_SCANCODE_U, 32}, {SDL_SCANCODE_LEFTBRACKET, 33}, {SDL_SCANCODE_I, 34},
    {SDL_SCANCODE_P, 35}, {SDL_SCANCODE_RETURN, kKeyReturn}, {SDL_SCANCODE_L, 37},
    {SDL_SCANCODE_J, 38}, {SDL_SCANCODE_APOSTROPHE, 39}, {SDL_SCANCODE_K, 40},
    {SDL_SCANCODE_SEMICOLON, 41}, {SDL_SCANCODE_BACKSLASH, 42}, {SDL_SCANCODE_COMMA, 43},
    {SDL_SCANCODE_SLASH, 44}, {SDL_SCANCODE_N, 45}, {SDL_SCANCODE_M, 46},
    {SDL_SCANCODE_PERIOD, 47}, {SDL_SCANCODE_TAB, kKeyTab}, {SDL_SCANCODE_SPACE, kKeySpace},
    {SDL_SCANCODE_GRAVE, 50}, {SDL_SCANCODE_BACKSPACE, kKeyBackspace},
    {SDL_SCANCODE_ESCAPE, kKeyEscape},
    {SDL_SCANCODE_LCTRL, kKeyCommand}, {SDL_SCANCODE_RCTRL, kKeyCommand},
    {SDL_SCANCODE_LGUI, kKeyCommand}, {SDL_SCANCODE_RGUI, kKeyCommand},
    {SDL_SCANCODE_LSHIFT, kKeyShift}, {SDL_SCANCODE_RSHIFT, kKeyRightShift},
    {SDL_SCANCODE_CAPSLOCK, 57}, {SDL_SCANCODE_LALT, 58}, {SDL_SCANCODE_RALT, 61},
    {SDL_SCANCODE_KP_PERIOD, 65}, {SDL_SCANCODE_KP_MULTIPLY, 67}, {SDL_SCANCODE_KP_PLUS, 69},
    {SDL_SCANCODE_NUMLOCKCLEAR, 71}, {SDL_SCANCODE_KP_DIVIDE, 75}, {SDL_SCANCODE_KP_ENTER, 76},
    {SDL_SCANCODE_KP_MINUS, 78}, {SDL_SCANCODE_KP_EQUALS, 81}, {SDL_SCANCODE_KP_0, 82},
    {SDL_SCANCODE_KP_1, 83}, {SDL_SCANCODE_KP_2, 84}, {SDL_SCANCODE_KP_3, 85},
    {SDL_SCANCODE_KP_4, 86}, {SDL_SCANCODE_KP_5, 87}, {SDL_SCANCODE_KP_6, 88},
    {SDL_SCANCODE_KP_7, 89}, {SDL_SCANCODE_KP_8, 91}, {SDL_SCANCODE_KP_9, 92},
    {SDL_SCANCODE_F5, 96}, {SDL_SCANCODE_F6, 97}, {SDL_SCANCODE_F7, 98}, {SDL_SCANCODE_F3, 99},
    {SDL_SCANCODE_F8, 100}, {SDL_SCANCODE_F9, 101}, {SDL_SCANCODE_F11, 103},
    {SDL_SCANCODE_F10, 109}, {SDL_SCANCODE_F12, 111}, {SDL_SCANCODE_INSERT, 114},
    {SDL_SCANCODE_HOME, 115}, {SDL_SCANCODE_PAGEUP, 116},
    {SDL_SCANCODE_DELETE, kKeyForwardDelete}, {SDL_SCANCODE_F4, 118}, {SDL_SCANCODE_END, 119},
    {SDL_SCANCODE_F2, 120}, {SDL_SCANCODE_PAGEDOWN, 121}, {SDL_SCANCODE_F1, 122},
    {SDL_SCANCODE_LEFT, kKeyLeft}, {SDL_SCANCODE_RIGHT, kKeyRight},
    {SDL_SCANCODE_DOWN, kKeyDown}, {SDL_SCANCODE_UP, kKeyUp},
};

} // namespace

int MacKeyCode(int32_t keycode, int scancode)
{
    for (const KeyPair& k : kBySymbol)
        if (k.from == keycode)
            return k.to;
    for (const KeyPair& k : kByPosition)
        if (k.from == scancode)
            return k.to;
    return -1;
}

uint32_t MacModifiers(uint16_t mod)
{
    uint32_t bits = 0;
    if (mod & (KMOD_CTRL | KMOD_GUI))
        bits |= kModCommand;
    if (mod & KMOD_SHIFT)
        bits |= kModShift;
    if (mod & KMOD_CAPS)
        bits |= kModCapsLock;
    if (mod & KMOD_ALT)
        bits |= kModOption;
    return bits;
}

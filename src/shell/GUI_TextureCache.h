#pragma once
// The handles of the fifteen textures that window frames, bars and indicators select
// every frame, so they are chosen by index rather than by name.
#include <array>
#include <cstdint>

enum TEXTUREID {
    TEX_WINDOW = 0,
    TEX_WINDOW_SHADOW = 1,
    TEX_WINDOW_2 = 2,
    TEX_FRAME_GREENFILL = 3,
    TEX_FRAME_REDFILL = 4,
    TEX_WINDOW_CLIENT = 5,
    TEX_FADER_STRIP = 6,
    TEX_FADER_BLUE = 7,
    TEX_FADER_STRIP_BIG = 8,
    TEX_FADER_BLUE_BIG = 9,
    TEX_ACCENT = 10,
    TEX_SQ_DROPSHADOW = 11,
    TEX_DROPSHADOW = 12,
    TEX_LED_STRIP_BLACK = 13,
    TEX_LED_STRIP = 14,
    TEX_COUNT = 15
};

class GUI_TextureCache {
public:
    static const char* const Names[TEX_COUNT];
    // Fetches every handle by file name; again whenever the renderer restarts.
    void Initialise();
    // Binds the texture on the first stage; an id outside 0..14 does nothing.
    void SetTexture(int id);
    uint32_t GetHandle(int id) const { return id >= 0 && id < TEX_COUNT ? handles_[id] : 0; }

private:
    std::array<uint32_t, TEX_COUNT> handles_ {};
};

GUI_TextureCache* GUI_GetTextureCache();

#include "shell/GUI_TextureCache.h"

#include "engine/gfx/D3DEngine.h"

const char* const GUI_TextureCache::Names[TEX_COUNT] = {
    "window_black.dds",     "window_black_shadow.dds", "window_black.dds",
    "frame_greenfill.dds",  "frame_redfill.dds",       "window_black.dds",
    "fader_strip.bmp",      "fader_blue.bmp",          "fader_strip_big.bmp",
    "fader_blue_big.bmp",   "accent.dds",              "window_sq_dropshadow.dds",
    "window_dropshadow.dds", "led_strip_black.bmp",    "led_strip.bmp",
};

GUI_TextureCache* GUI_GetTextureCache()
{
    static GUI_TextureCache* cache = new GUI_TextureCache;
    return cache;
}

void GUI_TextureCache::Initialise()
{
    for (int i = 0; i < TEX_COUNT; ++i)
        handles_[i] = GetD3DEngine()->GetTexture(Names[i]);
}

void GUI_TextureCache::SetTexture(int id)
{
    if (id < 0 || id >= TEX_COUNT)
        return;
    GetD3DEngine()->SetTexture(0, handles_[id]);
}

#pragma once
// Draws any rectangle's background, frame or shadow from one small texture cut into a
// 4 x 4 grid of cells: corners placed, edges and middle tiled or stretched. Cells: 0
// top-left, 1 top, 3 top-right, 4 left, 5 middle, 7 right, 12 bottom-left, 13 bottom,
// 15 bottom-right; shadow textures use 14 for their bottom edge.
#include "engine/gfx/BaseSprite.h"
#include "port/Rect.h"
#include "shell/GUI_TextureCache.h"

class GUI_WindowBackground {
public:
    static BaseSprite BGSprite;

    static void Open() {}
    static void DrawTiled(const tagRECT& rect, const char* texture, float P, float opacity);
    static void DrawTiled(const tagRECT& rect, int textureId, float P, float opacity);
    static void DrawTiledBase(const tagRECT& rect, float P, float opacity);
    static void DrawDropShadow(const char* texture, const tagRECT& rect, float P, int offset);
    static void DrawDropShadow(TEXTUREID id, const tagRECT& rect, float P, int offset);
    static void DrawDropShadow(const tagRECT& rect, float P, int offset);
    static void DrawDropShadowBase(const tagRECT& rect, float P, int offset);
    static void DrawAngledDropShadow(const char* texture, const tagRECT& rect, float P, float angle,
                                     int offset);
    static void DrawTabButton(const tagRECT& rect, TEXTUREID id, float P, bool flipped);
};

#include "shell/GUI_WindowBackground.h"

#include "engine/gfx/D3DEngine.h"

#include <algorithm>
#include <cmath>

BaseSprite GUI_WindowBackground::BGSprite;

namespace {

BaseSprite& S() { return GUI_WindowBackground::BGSprite; }

void Piece(float w, float h, int cell, float cx, float cy)
{
    // A rectangle smaller than two cells leaves its edge pieces no room: a piece of no
    // size (or a mirrored one) is never drawn.
    if (!(w > 0.0f) || !(h > 0.0f))
        return;
    S().width = w;
    S().height = h;
    S().SetUV(16, cell);
    S().PlaceLocal(cx, cy);
    S().DrawNoChecks();
}

// A piece showing only the top-left part of a cell: fw and fh are the fractions (0..1]
// of the cell's width and height that it shows.
void PartPiece(float w, float h, int cell, float fw, float fh, float cx, float cy)
{
    if (!(w > 0.0f) || !(h > 0.0f))
        return;
    float u0 = 0.25f * float(cell % 4);
    float v0 = 0.25f * float(cell / 4);
    S().width = w;
    S().height = h;
    S().SetUV(u0, v0, u0 + 0.25f * fw, v0 + 0.25f * fh);
    S().PlaceLocal(cx, cy);
    S().DrawNoChecks();
}

// Tiles a horizontal edge from x0 over `span` pixels: full cells, then one cut piece.
void TileRow(int cell, float x0, float span, float cy, float P)
{
    float x = x0;
    float left = span;
    while (left > 0.0f) {
        float w = std::min(P, left);
        PartPiece(w, P, cell, w / P, 1.0f, x + w / 2.0f, cy);
        x += w;
        left -= w;
    }
}

void TileColumn(int cell, float y0, float span, float cx, float P)
{
    float y = y0;
    float left = span;
    while (left > 0.0f) {
        float h = std::min(P, left);
        PartPiece(P, h, cell, 1.0f, h / P, cx, y + h / 2.0f);
        y += h;
        left -= h;
    }
}

} // namespace

void GUI_WindowBackground::DrawTiled(const tagRECT& rect, const char* texture, float P, float opacity)
{
    GetD3DEngine()->SetTexture(texture);
    DrawTiledBase(rect, P, opacity);
}

void GUI_WindowBackground::DrawTiled(const tagRECT& rect, int textureId, float P, float opacity)
{
    GUI_GetTextureCache()->SetTexture(textureId);
    DrawTiledBase(rect, P, opacity);
}

void GUI_WindowBackground::DrawTiledBase(const tagRECT& r, float P, float opacity)
{
    float L = float(r.left), T = float(r.top), R = float(r.right), B = float(r.bottom);
    float W = R - L, H = B - T;
    float h = P / 2.0f;
    S().angle = 0.0f;
    S().SetVertexColor(255, 255, 255, int(255.0f * opacity));
    Piece(P, P, 0, L + h, T + h);
    Piece(P, P, 3, R - h, T + h);
    Piece(P, P, 12, L + h, B - h);
    Piece(P, P, 15, R - h, B - h);
    TileRow(1, L + P, W - 2 * P, T + h, P);
    TileRow(13, L + P, W - 2 * P, B - h, P);
    TileColumn(4, T + P, H - 2 * P, L + h, P);
    TileColumn(7, T + P, H - 2 * P, R - h, P);
    if (!(P < H))
        return;
    float y = T + P;
    for (float rowsLeft = H - 2 * P; rowsLeft > 0.0f;) {
        float rh = std::min(P, rowsLeft);
        float x = L + P;
        for (float colsLeft = W - 2 * P; colsLeft > 0.0f;) {
            float cw = std::min(P, colsLeft);
            PartPiece(cw, rh, 5, std::min(1.0f, cw / P), std::min(1.0f, rh / P), x + cw / 2.0f,
                      y + rh / 2.0f);
            x += cw;
            colsLeft -= cw;
        }
        y += rh;
        rowsLeft -= rh;
    }
}

void GUI_WindowBackground::DrawDropShadow(const char* texture, const tagRECT& rect, float P, int offset)
{
    GetD3DEngine()->SetTexture(texture);
    DrawDropShadowBase(rect, P, offset);
}

void GUI_WindowBackground::DrawDropShadow(TEXTUREID id, const tagRECT& rect, float P, int offset)
{
    GUI_GetTextureCache()->SetTexture(id);
    DrawDropShadowBase(rect, P, offset);
}

void GUI_WindowBackground::DrawDropShadow(const tagRECT& rect, float P, int offset)
{
    DrawDropShadow(TEX_DROPSHADOW, rect, P, offset);
}

void GUI_WindowBackground::DrawDropShadowBase(const tagRECT& rect, float P, int offset)
{
    int l = rect.left + offset, t = rect.top + offset, r = rect.right + offset,
        b = rect.bottom + offset;
    float h = P / 2.0f;
    S().angle = 0.0f;
    S().SetVertexColor(255, 255, 255, 192);
    Piece(P, P, 3, r - h, t + h);
    Piece(P, P, 15, r - h, b - h);
    Piece(P, P, 12, l + h, b - h);
    float W = float(r - l), H = float(b - t);
    Piece(W - 2 * P, P, 14, float((l + r) / 2), b - h);
    Piece(P, H - 2 * P, 7, r - h, float((t + b) / 2));
}

void GUI_WindowBackground::DrawAngledDropShadow(const char* texture, const tagRECT& rect, float P,
                                                float angle, int offset)
{
    constexpr float kPi = 3.14159265f;
    GetD3DEngine()->SetTexture(texture);
    float cx = float((rect.left + rect.right) / 2);
    float cy = float((rect.top + rect.bottom) / 2);
    float W = float(rect.right - rect.left), H = float(rect.bottom - rect.top);
    float h = P / 2.0f;
    S().SetVertexColor(255, 255, 255, 192);
    S().angle = angle;
    auto place = [&](float w, float ht, int cell, float dirDeg, float dist) {
        float a = dirDeg * kPi / 180.0f;
        Piece(w, ht, cell, cx + dist * std::sin(a) + offset, cy - dist * std::cos(a) + offset);
    };
    struct Corner { float x, y; int cell; };
    const Corner corners[4] = {{rect.left + h, rect.bottom - h, 12},
                               {rect.right - h, rect.bottom - h, 15},
                               {rect.right - h, rect.top + h, 3},
                               {rect.left + h, rect.top + h, 0}};
    float d = std::hypot(corners[0].x - cx, corners[0].y - cy);
    for (const Corner& c : corners) {
        // The corner's own direction from the centre, in degrees, 0 up and clockwise.
        float own = std::atan2(c.x - cx, -(c.y - cy)) * 180.0f / kPi;
        place(P, P, c.cell, own + angle, d);
    }
    place(W - 2 * P, P, 14, angle + 180.0f, H / 2 - h);
    place(P, H - 2 * P, 7, angle + 90.0f, W / 2 - h);
    place(P, H - 2 * P, 4, angle + 270.0f, W / 2 - h);
    place(W - 2 * P, P, 1, angle, H / 2 - h);
    S().angle = 0.0f;
}

void GUI_WindowBackground::DrawTabButton(const tagRECT& rect, TEXTUREID id, float P, bool flipped)
{
    GUI_GetTextureCache()->SetTexture(id);
    S().angle = 0.0f;
    S().SetVertexColor(255, 255, 255, 255);
    float W = float(rect.right - rect.left);
    float X1 = rect.left + P / 2, X2 = rect.right - P / 2;
    float XC = float((rect.left + rect.right) / 2);
    float B = float(rect.bottom - rect.top) - P;
    // The mirrored tab is the same shape turned upside down: its rounded corners at the
    // bottom, joining a page above it.
    float rowY = flipped ? rect.bottom - P / 2 : rect.top + P / 2;
    float bodyY = flipped ? rect.top + B / 2 : rect.bottom - B / 2;
    int c0 = flipped ? 12 : 0, c1 = flipped ? 13 : 1, c3 = flipped ? 15 : 3;
    Piece(P, P, c0, X1, rowY);
    Piece(P, P, c3, X2, rowY);
    Piece(W - 2 * P, P, c1, XC, rowY);
    Piece(P, B, 4, X1, bodyY);
    Piece(P, B, 7, X2, bodyY);
    Piece(W - 2 * P, B, 5, XC, bodyY);
}

#pragma once
// The pre-transformed, lit vertex the sprites and vertex buffers draw, and the packed
// colour helpers.
#include <cstdint>

// x, y in screen pixels, z, rhw, two colours, and texture coordinates 0..1 across the
// texture (scaled to pixels when drawn, since textures are addressed in pixels).
struct _D3DTLVERTEX {
    float x = 0.0f, y = 0.0f, z = 0.0f, rhw = 0.0f;
    uint32_t diffuse = 0, specular = 0;
    float tu = 0.0f, tv = 0.0f;
    _D3DTLVERTEX() = default;
    _D3DTLVERTEX(float x_, float y_, float z_, float rhw_, uint32_t diffuse_, uint32_t specular_,
                 float tu_, float tv_)
        : x(x_), y(y_), z(z_), rhw(rhw_), diffuse(diffuse_), specular(specular_), tu(tu_), tv(tv_)
    {
    }
};
static_assert(sizeof(_D3DTLVERTEX) == 32, "a vertex is 32 bytes");

// Packed colour of fills, frames, lines, clears and sprites: red in the low byte.
constexpr uint32_t PackColor(uint32_t r, uint32_t g, uint32_t b, uint32_t a)
{
    return (r & 255) | (g & 255) << 8 | (b & 255) << 16 | (a & 255) << 24;
}

// Vertex-buffer colour (bitmap text, particles): 0xAARRGGBB.
constexpr uint32_t VertexColor(uint32_t r, uint32_t g, uint32_t b, uint32_t a)
{
    return (a & 255) << 24 | (r & 255) << 16 | (g & 255) << 8 | (b & 255);
}

// The byte-order hook of the packed colour: nothing to change on this platform.
constexpr uint32_t SwapColor(uint32_t colour) { return colour; }

// Sets the current drawing colour from a packed colour (red low byte).
void SetWin32Color(uint32_t colour);

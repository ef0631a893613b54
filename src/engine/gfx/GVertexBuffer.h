#pragma once
// A fixed-capacity store of pre-transformed vertices with a quad index list, filled and
// drawn by the bitmap text engine and the particle system. Its vertex colours are
// 0xAARRGGBB (unlike the packed colour of fills and sprites).
#include "engine/gfx/D3DTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

constexpr int MAXVERTS = 8000;
constexpr int MAXINDICES = MAXVERTS * 3 / 2;

// The vertex array behind a buffer (format 452: position, two colours, one UV pair).
struct IDirect3DVertexBuffer8 {
    IDirect3DVertexBuffer8(int vertexCount, unsigned vertexFormat)
        : format(vertexFormat), count(vertexCount), vertices(new _D3DTLVERTEX[size_t(vertexCount)])
    {
    }
    // Hands out the vertex array; always succeeds (0).
    int Lock(_D3DTLVERTEX** data)
    {
        *data = vertices.get();
        return 0;
    }
    int Unlock() { return 0; }
    void Release() { vertices.reset(); }

    unsigned format;
    unsigned reserved = 0;
    int count;
    std::unique_ptr<_D3DTLVERTEX[]> vertices;
};

class GVertexBuffer {
public:
    GVertexBuffer() = default;
    GVertexBuffer(const GVertexBuffer&) = delete;
    GVertexBuffer& operator=(const GVertexBuffer&) = delete;
    virtual ~GVertexBuffer();

    // Capacity 1..MAXVERTS (an engine assertion otherwise); registers on AllVBs.
    void Initialise(int vertexCount, bool keepIndices);
    // A fresh store of the capacity (the old one is freed).
    void Rebuild();
    static void RebuildAll();
    void Lock();
    void Unlock();
    // No indices to draw; the first capacity indices zeroed.
    void Reset();
    // Triangles through the first indexCount indices.
    void Draw();
    // Triangles through the first count vertices, in order.
    void DrawVerts(int count);
    // Leaves AllVBs (the store stays).
    void Release();

    _D3DTLVERTEX* lockedData = nullptr; // the vertex array while locked
    uint16_t indexCount = 0;
    uint16_t indices[MAXINDICES] = {};
    int counter = 0;
    std::unique_ptr<IDirect3DVertexBuffer8> store;
    int capacity = 0;
    bool keepIndices = false;

    static std::vector<GVertexBuffer*> AllVBs;
};

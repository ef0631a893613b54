// The renderer's drawing: fills, frames, lines, screen and tiled images, sprite quads,
// sprite lines and vertex-buffer triangles, recorded into the frame that Flip draws.
#include "engine/gfx/D3DEngine.h"

#include "engine/Utilities.h"
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/GLHeaders.h"
#include "engine/gfx/GVertexBuffer.h"
#include "engine/gfx/SmartTexture.h"

#include <algorithm>
#include <cmath>

void SetWin32Color(uint32_t c)
{
    glColor4ub(GLubyte(c & 255), GLubyte((c >> 8) & 255), GLubyte((c >> 16) & 255), GLubyte(c >> 24));
}

namespace {

// Vertex-buffer colours are 0xAARRGGBB; the renderer's are red in the low byte.
uint32_t FromVertexBufferColor(uint32_t c)
{
    return ((c >> 16) & 255) | (c & 0xFF00u) | ((c & 255) << 16) | (c & 0xFF000000u);
}

} // namespace

void D3DEngine::BeginPrimitive(DrawOp primitive)
{
    // A frame that is never flipped (a long loading step) must not hold its vertices for
    // ever: past this many they are drawn now, and the frame will be presented.
    constexpr size_t kMaxRecordedVertices = size_t(1) << 22;
    if (record_ == &frame_ && frame_.VertexCount() > kMaxRecordedVertices) {
        if (window_)
            frame_.Replay();
        frame_.Reset();
        mustPresent_ = true;
    }
    record_->Begin(primitive, TextureState());
}

void D3DEngine::AddVertex(float x, float y, float u, float v, uint32_t c)
{
    record_->Vertex(DrawVertex {x, y, u, v, uint8_t(c & 255), uint8_t((c >> 8) & 255), uint8_t((c >> 16) & 255),
                              uint8_t(c >> 24)});
}

void D3DEngine::Strip(const float (*points)[2], int count, uint32_t colour)
{
    BeginPrimitive(DrawOp::LineStrip);
    for (int i = 0; i < count; ++i)
        AddVertex(points[i][0], points[i][1], 0.0f, 0.0f, colour);
}

void D3DEngine::TextureSize(float& w, float& h)
{
    int tw = 0, th = 0;
    if (GetTextureData(nullptr, &tw, &th) && tw > 0 && th > 0) {
        w = float(tw);
        h = float(th);
    } else {
        w = h = 1.0f;
    }
}

void D3DEngine::FillRect(const tagRECT& r, uint32_t colour)
{
    SetTexture(0, 0u);
    BeginPrimitive(DrawOp::Quads);
    AddVertex(float(r.left), float(r.top), 0.0f, 0.0f, colour);
    AddVertex(float(r.left), float(r.bottom), 0.0f, 0.0f, colour);
    AddVertex(float(r.right), float(r.bottom), 0.0f, 0.0f, colour);
    AddVertex(float(r.right), float(r.top), 0.0f, 0.0f, colour);
}

void D3DEngine::FillRect(const BaseSprite& sprite, uint32_t colour)
{
    tagRECT r {int(sprite.vertices[0].x), int(sprite.vertices[0].y), int(sprite.vertices[3].x),
               int(sprite.vertices[3].y)};
    FillRect(r, colour);
}

void D3DEngine::FillRectGradient(const tagRECT& r, uint32_t colourLeft, uint32_t colourRight)
{
    SetTexture(0, 0u);
    BeginPrimitive(DrawOp::Quads);
    AddVertex(float(r.left), float(r.top), 0.0f, 0.0f, colourLeft);
    AddVertex(float(r.left), float(r.bottom), 0.0f, 0.0f, colourLeft);
    AddVertex(float(r.right), float(r.bottom), 0.0f, 0.0f, colourRight);
    AddVertex(float(r.right), float(r.top), 0.0f, 0.0f, colourRight);
}

void D3DEngine::RenderLine(float x1, float y1, float x2, float y2, uint32_t colour)
{
    SetTexture(0, 0u);
    const float p[2][2] = {{x1, y1}, {x2, y2}};
    Strip(p, 2, colour);
}

void D3DEngine::FrameRect(const tagRECT& r, uint32_t colour)
{
    SetTexture(0, 0u);
    float l = float(r.left), t = float(r.top), rt = float(r.right), b = float(r.bottom);
    const float p[5][2] = {{l, t}, {l, b}, {rt, b}, {rt, t}, {l, t}};
    Strip(p, 5, colour);
}

void D3DEngine::FrameRect(const BaseSprite& s, uint32_t colour)
{
    SetTexture(0, 0u);
    const _D3DTLVERTEX* v = s.vertices;
    const float p[5][2] = {{v[0].x, v[0].y}, {v[2].x, v[2].y}, {v[3].x, v[3].y}, {v[1].x, v[1].y},
                           {v[0].x, v[0].y}};
    Strip(p, 5, colour);
}

void D3DEngine::FrameRectRounded(const tagRECT& r, uint32_t colour)
{
    SetTexture(0, 0u);
    float l = float(r.left), t = float(r.top), rt = float(r.right), b = float(r.bottom);
    const float p[9][2] = {{l, t + 2}, {l, b - 2}, {l + 2, b}, {rt - 2, b}, {rt, b - 2},
                           {rt, t + 2}, {rt - 2, t}, {l + 2, t}, {l, t + 2}};
    Strip(p, 9, colour);
}

void D3DEngine::FillScreen(const std::string& name)
{
    BaseSprite s;
    s.width = W;
    s.height = H;
    s.PlaceLocal(W / 2.0f, H / 2.0f);
    SetTexture(name);
    s.DrawNoChecks();
}

void D3DEngine::FillScreen(SmartTexture& texture)
{
    BaseSprite s;
    s.width = W;
    s.height = H;
    s.PlaceLocal(W / 2.0f, H / 2.0f);
    texture.Set();
    s.DrawNoChecks();
}

void D3DEngine::TileRect(const tagRECT& r, const std::string& name, uint32_t colour)
{
    SetTexture(name);
    // Looked up by the name it was loaded under ("x.dds" is kept as "x.png").
    const GSurface* surface = FindSurface(TextureRequestName(name));
    // A texture without a size (not decoded) would never step across the rectangle.
    if (!surface || surface->width <= 0 || surface->height <= 0)
        return;
    SetPointFilter();
    BaseSprite s;
    s.SetVertexColor(colour);
    for (int x = r.left; x < r.right; x += surface->width)
        for (int y = r.top; y < r.bottom; y += surface->height) {
            s.width = float(std::min(surface->width, r.right - x));
            s.height = float(std::min(surface->height, r.bottom - y));
            s.PlaceLocal(float(x) + s.width / 2.0f, float(y) + s.height / 2.0f);
            s.DrawNoChecks();
        }
    SetLinearFilter();
}

void D3DEngine::RenderSpriteLine(const V2* points, int count, uint32_t colour, float width)
{
    if (!points || count < 2)
        return;
    std::vector<_D3DTLVERTEX> verts;
    static const float corner[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    static const float uv[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (int i = 0; i + 1 < count; ++i) {
        float x1 = points[i].x, y1 = points[i].y, x2 = points[i + 1].x, y2 = points[i + 1].y;
        float cx = (x1 + x2) / 2.0f, cy = (y1 + y2) / 2.0f;
        float length = GetDist(x1, y1, x2, y2);
        float a = (AngleToObject(x1, y1, x2, y2) - 90.0f) * 3.14159f / 180.0f;
        float s = std::sin(a), c = std::cos(a);
        for (int k = 0; k < 4; ++k) {
            float dx = corner[k][0] * length / 2.0f, dy = corner[k][1] * width / 2.0f;
            verts.emplace_back(cx + dx * c - dy * s, cy + dx * s + dy * c, 0.0f, 1.0f, colour, colour,
                               uv[k][0], uv[k][1]);
        }
    }
    float tw = 1, th = 1;
    TextureSize(tw, th);
    BeginPrimitive(DrawOp::TriangleStrip);
    for (const _D3DTLVERTEX& v : verts)
        AddVertex(v.x, v.y, v.tu * tw, v.tv * th, colour);
}

bool D3DEngine::InitVertexBuffer(int vertexCount, std::unique_ptr<IDirect3DVertexBuffer8>& store,
                                 unsigned format)
{
    if (vertexCount <= 0)
        return false;
    store = std::make_unique<IDirect3DVertexBuffer8>(vertexCount, format);
    return true;
}

namespace {

// Whether an upright quad shows its texels one to one on screen pixels: then the nearest
// texel is the picture itself, and a software driver samples it for a fraction of the
// cost of filtering four.
bool OneTexelPerPixel(const _D3DTLVERTEX* c, float tw, float th)
{
    const bool upright = c[0].y == c[1].y && c[2].y == c[3].y && c[0].x == c[2].x && c[1].x == c[3].x;
    if (!upright)
        return false;
    const float texelsW = std::fabs(c[1].tu - c[0].tu) * tw, texelsH = std::fabs(c[2].tv - c[0].tv) * th;
    const float pixelsW = std::fabs(c[1].x - c[0].x), pixelsH = std::fabs(c[2].y - c[0].y);
    return std::fabs(texelsW - pixelsW) < 0.5f && std::fabs(texelsH - pixelsH) < 0.5f;
}

// The part of a quad (corners top-left, top-right, bottom-left, bottom-right) whose
// texture coordinates fall inside the box, when the quad is a parallelogram of one colour
// with the texture laid straight along its edges (mirrored or not); false otherwise.
bool TrimToContent(const _D3DTLVERTEX* c, float u0, float v0, float u1, float v1, _D3DTLVERTEX* out)
{
    const float eps = 0.01f;
    const bool parallelogram = std::fabs(c[3].x - (c[1].x + c[2].x - c[0].x)) < eps &&
                               std::fabs(c[3].y - (c[1].y + c[2].y - c[0].y)) < eps;
    const bool straight = c[1].tv == c[0].tv && c[2].tu == c[0].tu && c[3].tu == c[1].tu && c[3].tv == c[2].tv &&
                          c[1].tu != c[0].tu && c[2].tv != c[0].tv;
    const bool oneColour = c[1].diffuse == c[0].diffuse && c[2].diffuse == c[0].diffuse && c[3].diffuse == c[0].diffuse;
    if (!parallelogram || !straight || !oneColour)
        return false;
    // Where the box's edges fall along the quad's two edges, as fractions of them.
    auto span = [](float from, float to, float lo, float hi, float& a, float& b) {
        const float p = (lo - from) / (to - from), q = (hi - from) / (to - from);
        a = std::clamp(std::min(p, q), 0.0f, 1.0f);
        b = std::clamp(std::max(p, q), 0.0f, 1.0f);
    };
    float s0, s1, t0, t1;
    span(c[0].tu, c[1].tu, u0, u1, s0, s1);
    span(c[0].tv, c[2].tv, v0, v1, t0, t1);
    if (s0 <= 0.0f && s1 >= 1.0f && t0 <= 0.0f && t1 >= 1.0f)
        return false;
    const float ex = c[1].x - c[0].x, ey = c[1].y - c[0].y, dx = c[2].x - c[0].x, dy = c[2].y - c[0].y;
    const float st[4][2] = {{s0, t0}, {s1, t0}, {s0, t1}, {s1, t1}};
    for (int k = 0; k < 4; ++k) {
        const float s = st[k][0], t = st[k][1];
        out[k] = c[0];
        out[k].x = c[0].x + s * ex + t * dx;
        out[k].y = c[0].y + s * ey + t * dy;
        out[k].tu = c[0].tu + s * (c[1].tu - c[0].tu);
        out[k].tv = c[0].tv + t * (c[2].tv - c[0].tv);
    }
    return true;
}

} // namespace

void D3DEngine::DrawQuad(const _D3DTLVERTEX* corners)
{
    float tw = 1, th = 1;
    TextureSize(tw, th);
    static const int order[4] = {0, 2, 3, 1};
    const bool filtered = !pointFilter_;
    if (filtered && texEnabled_ && OneTexelPerPixel(corners, tw, th))
        pointFilter_ = true;
    BeginPrimitive(DrawOp::Quads);
    if (filtered)
        pointFilter_ = false;
    // A sprite with a see-through margin is drawn over its content only: the same pixels
    // for less fill.
    _D3DTLVERTEX trimmed[4];
    if (texEnabled_)
        if (auto box = contentBoxes_.find(bound_); box != contentBoxes_.end()) {
            const ContentBox& b = box->second;
            if (TrimToContent(corners, b.u0, b.v0, b.u1, b.v1, trimmed))
                corners = trimmed;
        }
    for (int i : order) {
        const _D3DTLVERTEX& v = corners[i];
        AddVertex(v.x, v.y, v.tu * tw, v.tv * th, v.diffuse);
    }
}

void D3DEngine::DrawTriangles(const _D3DTLVERTEX* vertices, int vertexCount, const uint16_t* indices,
                              int count)
{
    float tw = 1, th = 1;
    TextureSize(tw, th);
    BeginPrimitive(DrawOp::Triangles);
    for (int t = 0; t + 2 < count; t += 3) {
        int at[3];
        bool inside = true;
        for (int k = 0; k < 3; ++k) {
            at[k] = indices ? indices[t + k] : t + k;
            inside = inside && at[k] < vertexCount;
        }
        if (!inside) // a triangle naming a vertex past the store is skipped, never read
            continue;
        for (int k : at) {
            const _D3DTLVERTEX& v = vertices[k];
            AddVertex(v.x, v.y, v.tu * tw, v.tv * th, FromVertexBufferColor(v.diffuse));
        }
    }
}

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

// The part of a convex polygon where a * x + b * y >= c, written to out (at most capacity
// corners); its corner count. A corner made where an edge crosses the line is
// between(p, q, t), t the fraction of the way from p to q. Keeping one side and then the
// other of a line cuts the polygon's edges at the same points, so the two parts meet
// without a crack.
template <class Corner, class Between>
int KeepSide(const Corner* in, int n, float a, float b, float c, Between between, Corner* out, int capacity)
{
    int m = 0;
    for (int i = 0; i < n; ++i) {
        const Corner &p = in[i], &q = in[(i + 1) % n];
        const float dp = a * p.x + b * p.y - c, dq = a * q.x + b * q.y - c;
        if (dp >= 0.0f && m < capacity)
            out[m++] = p;
        if ((dp >= 0.0f) != (dq >= 0.0f) && m < capacity)
            out[m++] = between(p, q, dp / (dp - dq));
    }
    return m;
}

// A convex polygon in texels of a texture, clipped by straight lines.
class TexelPolygon {
public:
    static constexpr int kMax = 4 + D3DEngine::kOutlineEdges; // four sides and the outline's
    // The rectangle between two texel corners, from (x0, y0) down to (x0, y1) first.
    TexelPolygon(float x0, float y0, float x1, float y1) : corners_ {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}}, count_(4) {}
    // Keeps the part where a * x + b * y >= c; whether anything was cut.
    bool Keep(float a, float b, float c)
    {
        int inside = 0;
        for (int i = 0; i < count_; ++i)
            inside += a * corners_[i].x + b * corners_[i].y >= c;
        if (inside == count_)
            return false;
        Texel kept[kMax];
        auto between = [](const Texel& p, const Texel& q, float t) {
            return Texel {p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
        };
        count_ = KeepSide(corners_, count_, a, b, c, between, kept, kMax);
        std::copy(kept, kept + count_, corners_);
        return true;
    }
    int Count() const { return count_; }
    float X(int i) const { return corners_[i].x; }
    float Y(int i) const { return corners_[i].y; }

private:
    struct Texel {
        float x, y;
    };
    Texel corners_[kMax];
    int count_;
};

// Below this many pixels a quad is cut to its texture's box only, not to its outline: the
// extra triangles would cost the driver more than the few pixels they spare.
constexpr float kCutCornersFromArea = 128.0f * 128.0f;

// The part of a quad (corners top-left, top-right, bottom-left, bottom-right) whose texture
// coordinates fall inside the texture's content outline, as a convex polygon of up to
// TexelPolygon::kMax corners in drawing order, when the quad is a parallelogram of one
// colour with the texture laid straight along its edges (mirrored or not). -1: the quad is
// drawn as it is; 0: nothing of it shows.
int TrimToContent(const _D3DTLVERTEX* c, float tw, float th, const D3DEngine::ContentBox& box, _D3DTLVERTEX* out)
{
    const float eps = 0.01f;
    const bool parallelogram = std::fabs(c[3].x - (c[1].x + c[2].x - c[0].x)) < eps &&
                               std::fabs(c[3].y - (c[1].y + c[2].y - c[0].y)) < eps;
    const bool straight = c[1].tv == c[0].tv && c[2].tu == c[0].tu && c[3].tu == c[1].tu && c[3].tv == c[2].tv &&
                          c[1].tu != c[0].tu && c[2].tv != c[0].tv;
    const bool oneColour = c[1].diffuse == c[0].diffuse && c[2].diffuse == c[0].diffuse && c[3].diffuse == c[0].diffuse;
    if (!parallelogram || !straight || !oneColour)
        return -1;
    const float u0 = c[0].tu * tw, u1 = c[1].tu * tw, v0 = c[0].tv * th, v1 = c[2].tv * th;
    TexelPolygon p(u0, v0, u1, v1);
    bool cut = p.Keep(1, 0, box.u0 * tw);
    cut = p.Keep(-1, 0, -box.u1 * tw) || cut;
    cut = p.Keep(0, 1, box.v0 * th) || cut;
    cut = p.Keep(0, -1, -box.v1 * th) || cut;
    const float ex = c[1].x - c[0].x, ey = c[1].y - c[0].y, dx = c[2].x - c[0].x, dy = c[2].y - c[0].y;
    if (std::fabs(ex * dy - ey * dx) >= kCutCornersFromArea) {
        for (int e = 0; e < box.edges; ++e)
            cut = p.Keep(box.edge[e][0], box.edge[e][1], box.edge[e][2]) || cut;
    }
    if (!cut)
        return -1;
    if (p.Count() < 3)
        return 0;
    for (int k = 0; k < p.Count(); ++k) {
        // Where the corner falls along the quad's two edges, as fractions of them.
        const float s = (p.X(k) - u0) / (u1 - u0), t = (p.Y(k) - v0) / (v1 - v0);
        out[k] = c[0];
        out[k].x = c[0].x + s * ex + t * dx;
        out[k].y = c[0].y + s * ey + t * dy;
        out[k].tu = p.X(k) / tw;
        out[k].tv = p.Y(k) / th;
    }
    return p.Count();
}

// The corner a fraction t of the way from p to q, texture coordinates and colour with it.
_D3DTLVERTEX Between(const _D3DTLVERTEX& p, const _D3DTLVERTEX& q, float t)
{
    _D3DTLVERTEX v = p;
    v.x = p.x + t * (q.x - p.x);
    v.y = p.y + t * (q.y - p.y);
    v.tu = p.tu + t * (q.tu - p.tu);
    v.tv = p.tv + t * (q.tv - p.tv);
    v.diffuse = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float a = float((p.diffuse >> shift) & 255), b = float((q.diffuse >> shift) & 255);
        v.diffuse |= uint32_t(std::lround(a + t * (b - a))) << shift;
    }
    return v;
}

// The left, top, right and bottom of n corners.
void Bounds(const _D3DTLVERTEX* p, int n, float box[4])
{
    box[0] = box[2] = p[0].x, box[1] = box[3] = p[0].y;
    for (int i = 1; i < n; ++i)
        box[0] = std::min(box[0], p[i].x), box[1] = std::min(box[1], p[i].y),
        box[2] = std::max(box[2], p[i].x), box[3] = std::max(box[3], p[i].y);
}

// A convex polygon cut by four lines has at most four corners more; a spare one for
// rounding.
constexpr int kMaxPolygon = TexelPolygon::kMax + 5;

} // namespace

bool D3DEngine::SetOccluder(const _D3DTLVERTEX* corners, unsigned glName)
{
    occluderEdges_ = 0;
    if (!corners || !glName || !opaqueTextures_.count(glName))
        return false;
    const _D3DTLVERTEX* ring[4] = {&corners[0], &corners[1], &corners[3], &corners[2]};
    float cx = 0.0f, cy = 0.0f;
    for (const _D3DTLVERTEX* v : ring) {
        if ((v->diffuse >> 24) != 255)
            return false;
        cx += v->x / 4.0f, cy += v->y / 4.0f;
    }
    for (int i = 0; i < 4; ++i) {
        const _D3DTLVERTEX &p = *ring[i], &q = *ring[(i + 1) % 4];
        float a = p.y - q.y, b = q.x - p.x;
        const float length = std::hypot(a, b);
        if (length < 1.0f)
            return false;
        a /= length, b /= length;
        float c = a * p.x + b * p.y;
        if (a * cx + b * cy < c)
            a = -a, b = -b, c = -c;
        // A pixel in from the edge: what is left out is surely painted over, whichever of
        // two shapes meeting on the edge the driver gives its pixels to.
        occluder_[i][0] = a, occluder_[i][1] = b, occluder_[i][2] = c + 1.0f;
    }
    for (int i = 0; i < 4; ++i) // convex: every corner inside every side
        for (const _D3DTLVERTEX* v : ring)
            if (occluder_[i][0] * v->x + occluder_[i][1] * v->y < occluder_[i][2] - 1.01f)
                return false;
    Bounds(corners, 4, occluderBox_);
    occluderEdges_ = 4;
    return true;
}

void D3DEngine::AddConvex(const _D3DTLVERTEX* p, int n, bool quads, float tw, float th)
{
    auto add = [&](int i) { AddVertex(p[i].x, p[i].y, p[i].tu * tw, p[i].tv * th, p[i].diffuse); };
    if (quads) {
        for (int k = 1; k + 1 < n; k += 2)
            for (int i : {0, k, k + 1, std::min(k + 2, n - 1)})
                add(i);
        return;
    }
    for (int k = 1; k + 1 < n; ++k)
        for (int i : {0, k, k + 1})
            add(i);
}

void D3DEngine::AddPolygon(const _D3DTLVERTEX* p, int n, bool quads, float tw, float th)
{
    bool apart = occluderEdges_ == 0;
    if (!apart) {
        float box[4];
        Bounds(p, n, box);
        apart = box[2] <= occluderBox_[0] || box[0] >= occluderBox_[2] || box[3] <= occluderBox_[1] ||
                box[1] >= occluderBox_[3];
    }
    if (apart || n > kMaxPolygon - 5) {
        AddConvex(p, n, quads, tw, th);
        return;
    }
    // What lies outside the first side, then outside the second but inside the first, and
    // so on; what is inside them all is hidden.
    _D3DTLVERTEX rest[kMaxPolygon], next[kMaxPolygon], piece[kMaxPolygon];
    std::copy(p, p + n, rest);
    for (int e = 0; e < occluderEdges_ && n >= 3; ++e) {
        const float a = occluder_[e][0], b = occluder_[e][1], c = occluder_[e][2];
        if (const int m = KeepSide(rest, n, -a, -b, -c, Between, piece, kMaxPolygon); m >= 3)
            AddConvex(piece, m, quads, tw, th);
        n = KeepSide(rest, n, a, b, c, Between, next, kMaxPolygon);
        std::copy(next, next + n, rest);
    }
}

void D3DEngine::DrawQuads(const _D3DTLVERTEX* quads, int count)
{
    float tw = 1, th = 1;
    TextureSize(tw, th);
    const ContentBox* box = nullptr;
    if (texEnabled_)
        if (auto found = contentBoxes_.find(bound_); found != contentBoxes_.end())
            box = &found->second;
    static const int order[4] = {0, 2, 3, 1};
    const bool filtered = !pointFilter_;
    for (int q = 0; q < count; ++q) {
        const _D3DTLVERTEX* corners = quads + 4 * q;
        if (filtered && texEnabled_ && OneTexelPerPixel(corners, tw, th))
            pointFilter_ = true;
        BeginPrimitive(DrawOp::Quads);
        pointFilter_ = !filtered;
        // A sprite with a see-through margin is drawn over its content only: the same
        // pixels for less fill. A polygon of more than four corners goes as a fan of quads.
        _D3DTLVERTEX trimmed[TexelPolygon::kMax];
        const int n = box ? TrimToContent(corners, tw, th, *box, trimmed) : -1;
        if (n < 0) {
            _D3DTLVERTEX ring[4];
            for (int k = 0; k < 4; ++k)
                ring[k] = corners[order[k]];
            AddPolygon(ring, 4, true, tw, th);
            continue;
        }
        AddPolygon(trimmed, n, true, tw, th);
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
        _D3DTLVERTEX triangle[3];
        for (int k = 0; k < 3; ++k) {
            triangle[k] = vertices[at[k]];
            triangle[k].diffuse = FromVertexBufferColor(triangle[k].diffuse);
        }
        AddPolygon(triangle, 3, false, tw, th);
    }
}

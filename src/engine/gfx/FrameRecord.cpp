#include "engine/gfx/FrameRecord.h"

#include "engine/gfx/GLHeaders.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

void FrameRecord::Scene(const int viewport[4], int gameW, int gameH, int originX, int originY)
{
    DrawBatch b;
    b.op = DrawOp::Scene;
    std::copy(viewport, viewport + 4, b.viewport);
    b.gameW = gameW;
    b.gameH = gameH;
    b.origin[0] = originX;
    b.origin[1] = originY;
    // A scene begun with nothing drawn since the last one only replaces it: a game that
    // begins scenes without flipping (inactive, between loading steps) does not pile them up.
    if (!batches_.empty() && batches_.back().op == DrawOp::Scene)
        batches_.back() = b;
    else
        batches_.push_back(b);
}

void FrameRecord::Clear(uint32_t colour)
{
    // A clear covers the whole buffer: nothing drawn before it can show, so only the scene
    // state it is drawn in is kept.
    auto scene = std::find_if(batches_.rbegin(), batches_.rend(),
                              [](const DrawBatch& b) { return b.op == DrawOp::Scene; });
    DrawBatch lastScene;
    bool hadScene = scene != batches_.rend();
    if (hadScene)
        lastScene = *scene;
    batches_.clear();
    vertices_.clear();
    if (hadScene)
        batches_.push_back(lastScene);
    DrawBatch b;
    b.op = DrawOp::Clear;
    b.colour = colour;
    batches_.push_back(b);
}

void FrameRecord::Begin(DrawOp primitive, const DrawTextureState& state)
{
    // Quads and triangles are each drawn on their own: those that follow one another with
    // the same texture go to the driver as one draw, in the same order, for the same pixels.
    if (!batches_.empty() && (primitive == DrawOp::Quads || primitive == DrawOp::Triangles)) {
        const DrawBatch& last = batches_.back();
        if (last.op == primitive && last.textured == state.textured && last.pointFilter == state.pointFilter &&
            last.texture == state.texture && last.opaqueTexture == state.opaqueTexture &&
            last.additive == state.additive && last.clipped == state.clipped &&
            std::equal(state.clip, state.clip + 4, last.clip))
            return;
    }
    DrawBatch b;
    b.op = primitive;
    b.textured = state.textured;
    b.pointFilter = state.pointFilter;
    b.texture = state.texture;
    b.opaqueTexture = state.opaqueTexture;
    b.additive = state.additive;
    b.clipped = state.clipped;
    std::copy(state.clip, state.clip + 4, b.clip);
    b.first = uint32_t(vertices_.size());
    batches_.push_back(b);
}

bool FrameRecord::OnlyCopiesSoFar() const
{
    return std::all_of(batches_.begin(), batches_.end(), [](const DrawBatch& b) {
        return b.op == DrawOp::Scene || b.op == DrawOp::Clear || b.op == DrawOp::Blit;
    });
}

void FrameRecord::Blit(unsigned framebuffer, int sourceW, int sourceH, const int destination[4], uint32_t version)
{
    DrawBatch b;
    b.colour = version;
    b.op = DrawOp::Blit;
    b.texture = framebuffer;
    b.rect[0] = sourceW;
    b.rect[1] = sourceH;
    b.rect[2] = destination[0];
    b.rect[3] = destination[1];
    b.size[0] = destination[2];
    b.size[1] = destination[3];
    batches_.push_back(b);
}

void FrameRecord::Append(const FrameRecord& from, const DrawBatch& batch)
{
    DrawBatch b = batch;
    b.first = uint32_t(vertices_.size());
    const size_t end = std::min(from.vertices_.size(), size_t(batch.first) + batch.count);
    for (size_t i = batch.first; i < end; ++i)
        vertices_.push_back(from.vertices_[i]);
    b.count = uint32_t(vertices_.size()) - b.first;
    batches_.push_back(b);
}

void FrameRecord::Vertex(const DrawVertex& v)
{
    vertices_.push_back(v);
    if (!batches_.empty())
        ++batches_.back().count;
}

void FrameRecord::Reset()
{
    batches_.clear();
    vertices_.clear();
}

namespace {

GLenum Primitive(DrawOp op)
{
    switch (op) {
    case DrawOp::Quads: return GL_QUADS;
    case DrawOp::LineStrip: return GL_LINE_STRIP;
    case DrawOp::Triangles: return GL_TRIANGLES;
    default: return GL_TRIANGLE_STRIP;
    }
}

void ApplyScene(const DrawBatch& b, bool topRowFirst)
{
    // One unit per game pixel, y growing downward, letterboxed into the drawable. Top row
    // first, y grows upward in GL's terms instead: the same pixels, mirrored in memory.
    glViewport(b.viewport[0], b.viewport[1], b.viewport[2], b.viewport[3]);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double top = double(b.origin[1]), bottom = double(b.origin[1] + b.gameH);
    glOrtho(double(b.origin[0]), double(b.origin[0] + b.gameW), topRowFirst ? top : bottom,
            topRowFirst ? bottom : top, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Integer coordinates fall on pixel corners; this nudge makes lines and fills cover
    // exactly the pixels their coordinates name.
    glTranslatef(0.375f, 0.375f, 0.0f);
    glEnable(GL_BLEND);
    glShadeModel(GL_SMOOTH);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void ApplyTexture(const DrawBatch& b)
{
    if (!b.textured) {
        glDisable(GL_TEXTURE_RECTANGLE);
        return;
    }
    glEnable(GL_TEXTURE_RECTANGLE);
    glBindTexture(GL_TEXTURE_RECTANGLE, b.texture);
    if (b.texture) {
        GLint f = b.pointFilter ? GL_NEAREST : GL_LINEAR;
        glTexParameteri(GL_TEXTURE_RECTANGLE, GL_TEXTURE_MIN_FILTER, f);
        glTexParameteri(GL_TEXTURE_RECTANGLE, GL_TEXTURE_MAG_FILTER, f);
    }
}

// Whether the batch covers what is under it completely. Blending full-alpha pixels gives
// the pixels themselves, so such a batch is drawn without blending: the same picture for
// less work in a software driver.
bool Opaque(const DrawBatch& b, const std::vector<DrawVertex>& vertices)
{
    if (b.additive)
        return false;
    if (b.textured && !(b.texture && b.opaqueTexture))
        return false;
    for (uint32_t i = b.first; i < b.first + b.count && i < vertices.size(); ++i)
        if (vertices[i].a != 255)
            return false;
    return true;
}

// Whether a quad's texture runs straight across it: its fourth corner's texture
// coordinates are where the other three put them. The driver splits a quad into two
// triangles along one diagonal or the other depending on the shading; only such a quad
// looks the same both ways.
bool TextureRunsStraight(const DrawVertex* q)
{
    // The corner left out is predicted from the triangle of the other three.
    for (int skip : {3, 1}) {
        const DrawVertex &a = q[0], &b = q[skip == 3 ? 1 : 2], &c = q[skip == 3 ? 2 : 3], &d = q[skip];
        const float area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        if (std::fabs(area) < 1e-3f)
            continue;
        const float s = ((d.x - a.x) * (c.y - a.y) - (c.x - a.x) * (d.y - a.y)) / area;
        const float t = ((b.x - a.x) * (d.y - a.y) - (d.x - a.x) * (b.y - a.y)) / area;
        const float u = a.u + s * (b.u - a.u) + t * (c.u - a.u), v = a.v + s * (b.v - a.v) + t * (c.v - a.v);
        return std::fabs(u - d.u) < 0.01f && std::fabs(v - d.v) < 0.01f;
    }
    return true; // no area at all
}

// Whether every quad or triangle of the batch is of one colour (and every quad's texture
// runs straight across it). Such a batch is drawn flat: the same pixels, without the
// driver working out the colour at each one.
bool OneColourEach(const DrawBatch& b, const std::vector<DrawVertex>& vertices)
{
    const uint32_t corners = b.op == DrawOp::Quads ? 4 : b.op == DrawOp::Triangles ? 3 : 0;
    if (corners == 0 || b.count % corners != 0 || size_t(b.first) + b.count > vertices.size())
        return false;
    auto same = [](const DrawVertex& p, const DrawVertex& q) {
        return p.r == q.r && p.g == q.g && p.b == q.b && p.a == q.a;
    };
    for (uint32_t i = b.first; i < b.first + b.count; i += corners) {
        for (uint32_t k = 1; k < corners; ++k)
            if (!same(vertices[i], vertices[i + k]))
                return false;
        if (corners == 4 && b.textured && !TextureRunsStraight(&vertices[i]))
            return false;
    }
    return true;
}

// The scissor box of a batch's clip: game pixels through the scene's letterbox, origin at
// the drawable's bottom left (top left when drawn top row first).
void ApplyClip(const DrawBatch& b, const DrawBatch& scene, bool topRowFirst)
{
    const float sx = scene.gameW > 0 ? float(scene.viewport[2]) / float(scene.gameW) : 1.0f;
    const float sy = scene.gameH > 0 ? float(scene.viewport[3]) / float(scene.gameH) : 1.0f;
    const int ox = scene.origin[0], oy = scene.origin[1];
    const int left = scene.viewport[0] + int(float(b.clip[0] - ox) * sx);
    const int right = scene.viewport[0] + int(float(b.clip[2] - ox) * sx);
    int bottom = scene.viewport[1] + int(float(scene.gameH - (b.clip[3] - oy)) * sy);
    int top = scene.viewport[1] + int(float(scene.gameH - (b.clip[1] - oy)) * sy);
    if (topRowFirst) {
        bottom = scene.viewport[1] + int(float(b.clip[1] - oy) * sy);
        top = scene.viewport[1] + int(float(b.clip[3] - oy) * sy);
    }
    glScissor(left, bottom, std::max(0, right - left), std::max(0, top - bottom));
}

// Copies a picture straight into the back buffer. Unscaled, this is a copy of memory in a
// software driver instead of a textured polygon shaded pixel by pixel, but only when the
// rows of both are in the same order in memory: the window's memory starts at its top row
// and so does a picture to copy, so into the window the copy is upside down in GL's terms
// (the picture's first row to the rectangle's top) and into a picture drawn top row first
// it is not.
void ApplyBlit(const DrawBatch& b, const DrawBatch& scene, bool topRowFirst)
{
    const float sx = scene.gameW > 0 ? float(scene.viewport[2]) / float(scene.gameW) : 1.0f;
    const float sy = scene.gameH > 0 ? float(scene.viewport[3]) / float(scene.gameH) : 1.0f;
    const int left = b.rect[2] - scene.origin[0], top = b.rect[3] - scene.origin[1];
    const int x0 = scene.viewport[0] + int(float(left) * sx);
    const int x1 = scene.viewport[0] + int(float(left + b.size[0]) * sx);
    // The rows the picture's first and last rows go to.
    int first = scene.viewport[1] + int(float(scene.gameH - top) * sy);
    int last = scene.viewport[1] + int(float(scene.gameH - (top + b.size[1])) * sy);
    if (topRowFirst) {
        first = scene.viewport[1] + int(float(top) * sy);
        last = scene.viewport[1] + int(float(top + b.size[1]) * sy);
    }
    const bool unscaled = x1 - x0 == b.rect[0] && std::abs(last - first) == b.rect[1];
    glBindFramebuffer(GL_READ_FRAMEBUFFER, b.texture);
    glBlitFramebuffer(0, 0, b.rect[0], b.rect[1], x0, first, x1, last, GL_COLOR_BUFFER_BIT,
                      unscaled ? GL_NEAREST : GL_LINEAR);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
}

bool SameClip(const DrawBatch& a, const DrawBatch& b)
{
    return a.clipped == b.clipped && (!a.clipped || std::equal(a.clip, a.clip + 4, b.clip));
}

bool SameTexture(const DrawBatch& a, const DrawBatch& b)
{
    return a.textured == b.textured && (!a.textured || (a.texture == b.texture && a.pointFilter == b.pointFilter));
}

} // namespace

void FrameRecord::Replay(bool topRowFirst) const
{
    const DrawBatch* lastTexture = nullptr; // texture state unknown at the start
    bool blending = true;
    bool additive = false;
    bool flat = false;
    DrawBatch scene;
    DrawBatch noClip;
    const DrawBatch* lastClip = &noClip; // no scissor at the start
    glDisable(GL_SCISSOR_TEST);
    for (const DrawBatch& b : batches_) {
        switch (b.op) {
        case DrawOp::Scene:
            ApplyScene(b, topRowFirst);
            scene = b;
            blending = true;
            additive = false;
            flat = false;
            break;
        case DrawOp::Clear:
        case DrawOp::Blit:
            // Clears and copies reach their whole rectangle whatever the last clip was.
            if (lastClip->clipped)
                glDisable(GL_SCISSOR_TEST);
            lastClip = &noClip;
            if (b.op == DrawOp::Blit) {
                ApplyBlit(b, scene, topRowFirst);
                break;
            }
            glClearColor(float(b.colour & 255) / 255.0f, float((b.colour >> 8) & 255) / 255.0f,
                         float((b.colour >> 16) & 255) / 255.0f, float((b.colour >> 24) & 255) / 255.0f);
            glClear(GL_COLOR_BUFFER_BIT);
            glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
            break;
        default:
            if (!lastTexture || !SameTexture(*lastTexture, b))
                ApplyTexture(b);
            lastTexture = &b;
            if (!SameClip(*lastClip, b)) {
                if (b.clipped) {
                    glEnable(GL_SCISSOR_TEST);
                    ApplyClip(b, scene, topRowFirst);
                } else {
                    glDisable(GL_SCISSOR_TEST);
                }
            }
            lastClip = &b;
            if (bool blend = !Opaque(b, vertices_); blend != blending) {
                if (blend)
                    glEnable(GL_BLEND);
                else
                    glDisable(GL_BLEND);
                blending = blend;
            }
            if (b.additive != additive) {
                glBlendFunc(GL_SRC_ALPHA, b.additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
                additive = b.additive;
            }
            if (bool uniform = OneColourEach(b, vertices_); uniform != flat) {
                glShadeModel(uniform ? GL_FLAT : GL_SMOOTH);
                flat = uniform;
            }
            glBegin(Primitive(b.op));
            for (uint32_t i = b.first; i < b.first + b.count && i < vertices_.size(); ++i) {
                const DrawVertex& v = vertices_[i];
                glColor4ub(v.r, v.g, v.b, v.a);
                glTexCoord2f(v.u, v.v);
                glVertex2f(v.x, v.y);
            }
            glEnd();
            break;
        }
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_SCISSOR_TEST);
    glEnable(GL_BLEND);
    glShadeModel(GL_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

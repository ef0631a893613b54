#include "engine/gfx/FrameRecord.h"

#include "engine/gfx/GLHeaders.h"

#include <algorithm>

void FrameRecord::Scene(const int viewport[4], int gameW, int gameH)
{
    DrawBatch b;
    b.op = DrawOp::Scene;
    std::copy(viewport, viewport + 4, b.viewport);
    b.gameW = gameW;
    b.gameH = gameH;
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
            last.additive == state.additive)
            return;
    }
    DrawBatch b;
    b.op = primitive;
    b.textured = state.textured;
    b.pointFilter = state.pointFilter;
    b.texture = state.texture;
    b.opaqueTexture = state.opaqueTexture;
    b.additive = state.additive;
    b.first = uint32_t(vertices_.size());
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

void ApplyScene(const DrawBatch& b)
{
    // One unit per game pixel, y growing downward, letterboxed into the drawable.
    glViewport(b.viewport[0], b.viewport[1], b.viewport[2], b.viewport[3]);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, double(b.gameW), double(b.gameH), 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Integer coordinates fall on pixel corners; this nudge makes lines and fills cover
    // exactly the pixels their coordinates name.
    glTranslatef(0.375f, 0.375f, 0.0f);
    glEnable(GL_BLEND);
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

bool SameTexture(const DrawBatch& a, const DrawBatch& b)
{
    return a.textured == b.textured && (!a.textured || (a.texture == b.texture && a.pointFilter == b.pointFilter));
}

} // namespace

void FrameRecord::Replay() const
{
    const DrawBatch* lastTexture = nullptr; // texture state unknown at the start
    bool blending = true;
    bool additive = false;
    for (const DrawBatch& b : batches_) {
        switch (b.op) {
        case DrawOp::Scene:
            ApplyScene(b);
            blending = true;
            additive = false;
            break;
        case DrawOp::Clear:
            glClearColor(float(b.colour & 255) / 255.0f, float((b.colour >> 8) & 255) / 255.0f,
                         float((b.colour >> 16) & 255) / 255.0f, float((b.colour >> 24) & 255) / 255.0f);
            glClear(GL_COLOR_BUFFER_BIT);
            glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
            break;
        default:
            if (!lastTexture || !SameTexture(*lastTexture, b))
                ApplyTexture(b);
            lastTexture = &b;
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
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

#pragma once
// What the renderer draws in one frame, kept as plain records instead of being sent to GL
// at once. The software GL driver pays for every pixel of every layer, so a frame that is
// the same as the one on screen is not drawn and presented again; one that differs is
// replayed into the back buffer in the order it was drawn.
#include <cstddef>
#include <cstdint>
#include <vector>

// One vertex in screen pixels with its texture coordinate (texels of a rectangle texture)
// and colour bytes.
struct DrawVertex {
    float x = 0, y = 0, u = 0, v = 0;
    uint8_t r = 255, g = 255, b = 255, a = 255;
    bool operator==(const DrawVertex&) const = default;
};

enum class DrawOp : uint8_t {
    Scene,         // viewport and projection of a scene, fixed blend and texture state
    Clear,         // the whole back buffer to one colour
    Quads,         // primitives of the batch's vertices
    LineStrip,
    Triangles,
    TriangleStrip,
    Blit,          // an opaque picture copied into a rectangle, no blending, no clip
};

// One step of the frame: a state change, a clear, or primitives drawn with one texture state.
struct DrawBatch {
    DrawOp op = DrawOp::Scene;
    bool textured = false;    // the rectangle texture target is enabled
    bool pointFilter = false; // the bound texture is sampled nearest, not linear
    bool opaqueTexture = false; // every texel of the texture has full alpha
    bool additive = false;    // blended (source alpha, one) instead of over what is under it
    unsigned texture = 0;     // GL name bound on the rectangle target (may be 0)
    bool clipped = false;     // drawn only inside clip (game pixels, right and bottom out)
    int clip[4] = {0, 0, 0, 0};
    uint32_t first = 0, count = 0; // vertices of a primitive batch
    uint32_t colour = 0;      // clear colour, red in the low byte
    int viewport[4] = {0, 0, 0, 0};
    int rect[4] = {0, 0, 0, 0};    // blit: source width, height; destination left, top (game pixels)
    int size[2] = {0, 0};          // blit: destination width and height
    int gameW = 0, gameH = 0;
    int origin[2] = {0, 0}; // scene: the game pixel at the viewport's top left
    bool operator==(const DrawBatch&) const = default;
};

// The texture and blend state that primitives are drawn with.
struct DrawTextureState {
    bool textured = false;
    bool pointFilter = false;
    unsigned texture = 0;
    bool opaqueTexture = false;
    bool additive = false;
    bool clipped = false;
    int clip[4] = {0, 0, 0, 0}; // left, top, right, bottom in game pixels
};

class FrameRecord {
public:
    void Scene(const int viewport[4], int gameW, int gameH, int originX = 0, int originY = 0);
    void Clear(uint32_t colour);
    // Starts primitives of one kind; vertices follow until the next Begin, Clear or Scene.
    void Begin(DrawOp primitive, const DrawTextureState& state);
    void Vertex(const DrawVertex& v);
    // Marks the last batch with a version of its texture's picture, so that frames drawing
    // the same quads over a changed picture differ.
    void Tag(uint32_t version)
    {
        if (!batches_.empty())
            batches_.back().colour = version;
    }
    // Adds a batch of another record with its vertices.
    void Append(const FrameRecord& from, const DrawBatch& batch);
    // Copies the picture of a framebuffer (sourceW x sourceH, top row first) into the
    // destination rectangle, replacing what is there.
    // A version that changes with the framebuffer's picture tells frames apart.
    void Blit(unsigned framebuffer, int sourceW, int sourceH, const int destination[4], uint32_t version = 0);

    bool Empty() const { return batches_.empty(); }
    // Whether nothing but scenes, clears and copies has been recorded: a copy made now
    // does not wait for anything shaded before it.
    bool OnlyCopiesSoFar() const;
    size_t VertexCount() const { return vertices_.size(); }
    void Reset();
    bool operator==(const FrameRecord&) const = default;

    // Sends the frame to the current GL context. Top row first draws the picture upside down
    // in GL's terms, its top row at the target's first row: the order a kept picture needs
    // to be copied into the window as plain memory (the window's memory starts at its top).
    void Replay(bool topRowFirst = false) const;

    const std::vector<DrawBatch>& Batches() const { return batches_; }
    const std::vector<DrawVertex>& Vertices() const { return vertices_; }

private:
    std::vector<DrawBatch> batches_;
    std::vector<DrawVertex> vertices_;
};

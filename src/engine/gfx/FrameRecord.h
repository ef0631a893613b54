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
};

// One step of the frame: a state change, a clear, or primitives drawn with one texture state.
struct DrawBatch {
    DrawOp op = DrawOp::Scene;
    bool textured = false;    // the rectangle texture target is enabled
    bool pointFilter = false; // the bound texture is sampled nearest, not linear
    bool opaqueTexture = false; // every texel of the texture has full alpha
    bool additive = false;    // blended (source alpha, one) instead of over what is under it
    unsigned texture = 0;     // GL name bound on the rectangle target (may be 0)
    uint32_t first = 0, count = 0; // vertices of a primitive batch
    uint32_t colour = 0;      // clear colour, red in the low byte
    int viewport[4] = {0, 0, 0, 0};
    int gameW = 0, gameH = 0;
    bool operator==(const DrawBatch&) const = default;
};

// The texture and blend state that primitives are drawn with.
struct DrawTextureState {
    bool textured = false;
    bool pointFilter = false;
    unsigned texture = 0;
    bool opaqueTexture = false;
    bool additive = false;
};

class FrameRecord {
public:
    void Scene(const int viewport[4], int gameW, int gameH);
    void Clear(uint32_t colour);
    // Starts primitives of one kind; vertices follow until the next Begin, Clear or Scene.
    void Begin(DrawOp primitive, const DrawTextureState& state);
    void Vertex(const DrawVertex& v);

    bool Empty() const { return batches_.empty(); }
    size_t VertexCount() const { return vertices_.size(); }
    void Reset();
    bool operator==(const FrameRecord&) const = default;

    // Sends the frame to the current GL context.
    void Replay() const;

    const std::vector<DrawBatch>& Batches() const { return batches_; }
    const std::vector<DrawVertex>& Vertices() const { return vertices_; }

private:
    std::vector<DrawBatch> batches_;
    std::vector<DrawVertex> vertices_;
};

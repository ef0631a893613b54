#pragma once
// Sprites: screen-space quads of four pre-transformed vertices with a size, an angle and
// per-corner colours (red in the low byte) and texture coordinates (0..1).
#include "engine/GTimer.h"
#include "engine/gfx/D3DTypes.h"
#include "port/Rect.h"

#include <string>
#include <vector>

// A quad drawn with whatever texture is bound. Corners: 0 top-left, 1 top-right,
// 2 bottom-left, 3 bottom-right.
class BaseSprite {
public:
    BaseSprite();
    explicit BaseSprite(const tagRECT& rect);
    virtual ~BaseSprite() = default;

    virtual bool IsPointInside(float x, float y);
    virtual void PlaceLocal(float x, float y);
    virtual void Draw();

    void Rotate(float degrees);
    void SetVertexColor(uint32_t colour);
    void SetVertexColor(uint32_t r, uint32_t g, uint32_t b, uint32_t a);
    void SetUV(float uLeft, float vTop, float uRight, float vBottom);
    void SetUVPx(float size, float left, float top, float right, float bottom);
    // One cell of a sheet cut into a square grid of numsquares cells (at least 4).
    void SetUV(int numsquares, int squareid);
    void MirrorLeftRight();
    void MirrorUpDown();
    float Left() const { return vertices[0].x; }
    float Top() const { return vertices[0].y; }
    float Right() const { return vertices[1].x; }
    float Bottom() const { return vertices[2].y; }
    float GetCenterX() const { return (Left() + Right()) / 2.0f; }
    float GetCenterY() const { return (Top() + Bottom()) / 2.0f; }
    bool IsOnscreen() const;
    void DrawNoChecks();
    void DrawClipped(const tagRECT& rect);
    void Frame(uint32_t colour);

    float angle = 0.0f;  // degrees, kept in [0, 360) by Rotate
    float width = 0.0f;  // pixels; set by the caller
    float height = 0.0f;
    _D3DTLVERTEX vertices[4];
    bool axisAligned = false; // PlaceLocal ignores the angle
};

// A sprite that carries its own texture by name. Every live one is on All.
class CTexturedSprite : public BaseSprite {
public:
    CTexturedSprite();
    CTexturedSprite(const CTexturedSprite& other);
    CTexturedSprite& operator=(const CTexturedSprite& other) = default;
    ~CTexturedSprite() override;

    void SetTexture(const char* name);
    void SetTexture(const std::string& name);
    const std::string& GetTextureName() const { return textureName; }
    unsigned GetGLName() const { return glName; }
    // Binds its texture and draws without the on-screen test, inside a begun scene.
    void Draw() override;
    // Makes every textured sprite resolve its texture by name again at its next draw.
    static void ClearTextures();

    unsigned glName = 0; // 0 = not resolved
    std::string textureName;
    static std::vector<CTexturedSprite*> All;
};

// A sprite with a world position, placed on screen relative to a camera.
class WorldSprite : public BaseSprite {
public:
    void Transform(float cameraX, float cameraY);
    bool IsPointInside(float x, float y) override;

    float worldX = 0.0f, worldY = 0.0f;
    float screenX = 0.0f, screenY = 0.0f;
};

// Steps through the cells of a square sprite sheet on a timer, once.
class AnimatedSprite : public WorldSprite {
public:
    AnimatedSprite();
    void Initialise(float totalTime, int frames);
    void Draw() override;
    bool IsRunning() const { return running; }
    bool IsFinished() const { return finished; }
    int GetFrame() const { return frame; }

    int frame = 0;
    GTimer timer;
    float frameTime = 0.0f; // milliseconds per frame
    int frameCount = 0;
    bool running = false;
    bool finished = false;

private:
    void ShowFrame();
};

// A sprite whose corners form an isometric diamond of half-extents width and height.
class IsoSprite : public BaseSprite {
public:
    void PlaceLocal(float x, float y) override;
};

#include "engine/gfx/BaseSprite.h"

#include "engine/EngineAssert.h"
#include "engine/GDebugEngine.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kPi = 3.14159f;
}

BaseSprite::BaseSprite()
{
    static const float uv[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (int i = 0; i < 4; ++i)
        vertices[i] = _D3DTLVERTEX(0, 0, 0, 1, 0xFFFFFFFFu, 0xFFFFFFFFu, uv[i][0], uv[i][1]);
}

BaseSprite::BaseSprite(const tagRECT& rect) : BaseSprite()
{
    width = float(rect.right - rect.left);
    height = float(rect.bottom - rect.top);
    BaseSprite::PlaceLocal(float((rect.left + rect.right) / 2), float((rect.top + rect.bottom) / 2));
}

void BaseSprite::PlaceLocal(float x, float y)
{
    float hw = width / 2.0f, hh = height / 2.0f;
    static const float sx[4] = {-1, 1, -1, 1}, sy[4] = {-1, -1, 1, 1};
    bool rotated = !axisAligned && angle != 0.0f;
    float s = 0.0f, c = 1.0f;
    if (rotated) {
        float a = angle * kPi / 180.0f;
        s = std::sin(a);
        c = std::cos(a);
    }
    for (int i = 0; i < 4; ++i) {
        float dx = sx[i] * hw, dy = sy[i] * hh;
        vertices[i].x = rotated ? x + dx * c - dy * s : x + dx;
        vertices[i].y = rotated ? y + dx * s + dy * c : y + dy;
    }
}

void BaseSprite::Rotate(float degrees)
{
    angle += degrees;
    if (angle >= 360.0f)
        angle -= 360.0f;
    else if (angle < 0.0f)
        angle += 360.0f;
}

void BaseSprite::SetVertexColor(uint32_t colour)
{
    for (auto& v : vertices)
        v.diffuse = colour;
}

void BaseSprite::SetVertexColor(uint32_t r, uint32_t g, uint32_t b, uint32_t a)
{
    SetVertexColor(r | g << 8 | b << 16 | a << 24);
}

void BaseSprite::SetUV(float uLeft, float vTop, float uRight, float vBottom)
{
    vertices[0].tu = uLeft;
    vertices[0].tv = vTop;
    vertices[1].tu = uRight;
    vertices[1].tv = vTop;
    vertices[2].tu = uLeft;
    vertices[2].tv = vBottom;
    vertices[3].tu = uRight;
    vertices[3].tv = vBottom;
}

void BaseSprite::SetUVPx(float size, float left, float top, float right, float bottom)
{
    SetUV(left / size, top / size, right / size, bottom / size);
}

void BaseSprite::SetUV(int numsquares, int squareid)
{
    ENGINE_ASSERT(squareid <numsquares);
    ENGINE_ASSERT(numsquares >= 4);
    int side = int(std::sqrt(double(numsquares)));
    int row = squareid / side, column = squareid % side;
    float step = 1.0f / float(side);
    SetUV(float(column) * step, float(row) * step, float(column + 1) * step, float(row + 1) * step);
}

void BaseSprite::MirrorLeftRight()
{
    float leftU = vertices[0].tu, rightU = vertices[1].tu;
    vertices[0].tu = vertices[2].tu = rightU;
    vertices[1].tu = vertices[3].tu = leftU;
}

void BaseSprite::MirrorUpDown()
{
    float topV = vertices[0].tv, bottomV = vertices[2].tv;
    vertices[0].tv = vertices[1].tv = bottomV;
    vertices[2].tv = vertices[3].tv = topV;
}

bool BaseSprite::IsPointInside(float x, float y)
{
    return vertices[0].x < x && x < vertices[1].x && vertices[0].y < y && y < vertices[2].y;
}

bool BaseSprite::IsOnscreen() const
{
    int w = int(D3DEngine::W), h = int(D3DEngine::H);
    for (const auto& v : vertices)
        if (v.x > 0 && v.x < float(w) && v.y > 0 && v.y < float(h))
            return true;
    return false;
}

void BaseSprite::Draw()
{
    if (!IsOnscreen())
        return;
    if (!D3DEngine::BInScene)
        GetD3DEngine()->BeginRender();
    DrawNoChecks();
}

void BaseSprite::DrawNoChecks()
{
    GetD3DEngine()->DrawQuad(vertices);
}

void BaseSprite::DrawClipped(const tagRECT& rect)
{
    BaseSprite copy;
    copy.width = width;
    copy.height = height;
    std::copy(std::begin(vertices), std::end(vertices), copy.vertices);
    _D3DTLVERTEX* v = copy.vertices;
    float uSpan = v[1].tu - v[0].tu, vSpan = v[2].tv - v[0].tv;
    bool cut = false;
    if (float(rect.left) > v[0].x) {
        float f = (float(rect.left) - v[0].x) / width;
        v[0].x = v[2].x = float(rect.left);
        cut = true;
        v[0].tu += uSpan * f;
        v[2].tu += uSpan * f;
    }
    if (v[1].x > float(rect.right)) {
        float f = (v[1].x - float(rect.right)) / width;
        v[1].x = v[3].x = float(rect.right);
        cut = true;
        v[1].tu -= uSpan * f;
        v[3].tu -= uSpan * f;
    }
    if (float(rect.top) > v[0].y) {
        float f = (float(rect.top) - v[0].y) / height;
        v[0].y = v[1].y = float(rect.top);
        cut = true;
        v[0].tv += vSpan * f;
        v[1].tv += vSpan * f;
    }
    if (v[2].y > float(rect.bottom)) {
        float f = (v[2].y - float(rect.bottom)) / height;
        v[2].y = v[3].y = float(rect.bottom);
        cut = true;
        v[2].tv -= vSpan * f;
        v[3].tv -= vSpan * f;
    }
    // A sprite wholly outside the rectangle is cut to nothing; its moved edges would
    // otherwise cross and draw it reversed between itself and the rectangle.
    if (cut && (v[1].x <= v[0].x || v[2].y <= v[0].y))
        return;
    copy.Draw();
}

void BaseSprite::Frame(uint32_t colour)
{
    GetD3DEngine()->FrameRect(*this, colour);
}

// Textured sprites.

std::vector<CTexturedSprite*> CTexturedSprite::All;

CTexturedSprite::CTexturedSprite()
{
    All.push_back(this);
}

CTexturedSprite::CTexturedSprite(const CTexturedSprite& other)
    : BaseSprite(other), glName(other.glName), textureName(other.textureName)
{
    All.push_back(this);
}

CTexturedSprite::~CTexturedSprite()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void CTexturedSprite::SetTexture(const char* name)
{
    std::string n = std::string(name ? name : "").substr(0, 255);
    if (n == textureName)
        return;
    textureName = n;
    glName = GetD3DEngine()->GetTexture(textureName);
}

void CTexturedSprite::SetTexture(const std::string& name)
{
    std::string n = name.substr(0, 255);
    if (n == textureName && glName != 0)
        return;
    textureName = n;
    glName = GetD3DEngine()->GetTexture(textureName);
}

void CTexturedSprite::Draw()
{
    if (glName == 0 && !textureName.empty()) {
        glName = GetD3DEngine()->GetTexture(textureName);
        // Only a real rebuild is worth a line; a missing texture is logged once elsewhere.
        if (glName)
            GetDebug()->DebugOut("Rebuilding lost textured sprite pointer");
    }
    GetD3DEngine()->SetTexture(0, glName);
    DrawNoChecks();
}

void CTexturedSprite::ClearTextures()
{
    GetDebug()->DebugOut("Clearing textured sprites");
    for (CTexturedSprite* s : All)
        s->glName = 0;
}

// World, animated and isometric sprites.

void WorldSprite::Transform(float cameraX, float cameraY)
{
    screenX = worldX - cameraX;
    screenY = worldY - cameraY;
    PlaceLocal(screenX, screenY);
}

bool WorldSprite::IsPointInside(float x, float y)
{
    if (axisAligned)
        return BaseSprite::IsPointInside(x, y);
    return GetDist(x, y, screenX, screenY) < width / 2.0f;
}

AnimatedSprite::AnimatedSprite()
{
    timer.StartTimer();
}

void AnimatedSprite::Initialise(float totalTime, int frames)
{
    finished = false;
    frame = 0;
    running = true;
    frameCount = std::max(frames, 0);
    frameTime = frameCount > 0 ? totalTime / float(frameCount) : 0.0f;
    if (frameCount == 0) {
        finished = true; // nothing to show
        return;
    }
    ShowFrame();
}

void AnimatedSprite::ShowFrame()
{
    // Sheets of fewer than four frames: one picture is the whole texture, two or three
    // sit in a 2 x 2 grid.
    if (frameCount >= 4)
        SetUV(frameCount, frame);
    else if (frameCount == 1)
        SetUV(0.0f, 0.0f, 1.0f, 1.0f);
    else
        SetUV(4, frame);
}

void AnimatedSprite::Draw()
{
    if (!running)
        return;
    timer.Update();
    if (!finished && timer.GetElapsed() > double(frameTime)) {
        timer.StartTimer();
        ++frame;
        if (frame < frameCount)
            ShowFrame();
        else
            finished = true;
    }
    if (!finished)
        BaseSprite::Draw();
}

void IsoSprite::PlaceLocal(float x, float y)
{
    vertices[0].x = x - width;
    vertices[0].y = y;
    vertices[1].x = x;
    vertices[1].y = y - height;
    vertices[2].x = x;
    vertices[2].y = y + height;
    vertices[3].x = x + width;
    vertices[3].y = y;
}

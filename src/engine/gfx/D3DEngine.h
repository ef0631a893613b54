#pragma once
// The game's one renderer: display and GL context, the frame bracket, the texture cache by
// file name, and the immediate-mode drawing calls. Coordinates are screen pixels with the
// origin at the top left; packed colours have red in the low byte.
#include "engine/V2.h"
#include "engine/gfx/D3DTypes.h"
#include "engine/gfx/FrameRecord.h"
#include "port/Rect.h"
#include "engine/gfx/MainWindow.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class BaseSprite;
class SmartTexture;
struct IDirect3DVertexBuffer8;

// One cached texture: its decoded pixels (rows from the top, bytes red, green, blue,
// alpha), GL name (0 when it could not be decoded), size, requested name and file path.
struct GSurface {
    // A picture loaded from a file lets its pixels go once the driver holds its own copy;
    // they are read back from that copy when asked for (see D3DEngine::SurfacePixels).
    mutable std::vector<uint8_t> pixels;
    // A large picture no frame has bound for a while gives its texture's memory back and
    // is loaded again from its file when next bound (see D3DEngine::ReleaseIdleTextures).
    mutable bool resident = true;
    mutable unsigned lastUse = 0; // the frame it was last bound in
    unsigned glName = 0;
    int width = 0;
    int height = 0;
    std::string name;
    std::string path;
};

// Reads an int of a section of "data\config.muf"; by default the profile calls answer,
// tests install their own.
using DisplaySettingReader = int (*)(const char* section, const char* key, int defaultValue);

// The windowed size used when the display is not larger than the requested size in both
// directions: the largest of 800 x 600, 1024 x 768, 1280 x 960, 1280 x 1024 that is
// smaller than the display in both, else 800 x 600 (so the window always fits the display).
void ChooseWindowedSize(int displayW, int displayH, int& width, int& height);

// The ".dds" rule: a name containing ".dds" is requested as ".png" from that point on.
std::string TextureRequestName(const std::string& name);

class D3DEngine {
public:
    D3DEngine();
    virtual ~D3DEngine();

    // Display and frame.
    bool Initialise(MainWindowRef window, bool reserved, int width, int height, int depth,
                    bool skipSafeMode, bool forceWindowed);
    int GetScreenWidth() const { return width_; }
    int GetScreenHeight() const { return height_; }
    bool GetIsWindowed() const { return windowed_ != 0; }
    bool InScene() const { return BInScene; }
    void BeginRender();
    void EndRender();
    void Flip();
    void ClearScreen();
    void ClearScreen(uint32_t colour);
    void SetLinearFilter();
    void SetPointFilter();
    // Additive blending (source alpha, one) for what is drawn next, or back to the normal
    // (source alpha, one minus source alpha).
    void SetAdditiveBlend(bool additive) { additive_ = additive; }
    bool IsAdditiveBlend() const { return additive_; }
    // Clips what is drawn next to a rectangle of the screen (null: the whole screen again).
    // A software driver pays for every pixel it shades, so a layer that would be hidden
    // outside a rectangle is better not shaded there at all. Every frame starts unclipped.
    void SetClipRect(const tagRECT* rect);
    // Until ClearOccluder (or the next frame), quads and triangles leave out the inside of
    // a sprite's quad (top-left, top-right, bottom-left, bottom-right) that the caller
    // draws later in the frame, untinted and with normal blending, with the texture named:
    // its pixels would be shaded only to be painted over. False (nothing left out) unless
    // that texture is opaque in every texel and the quad is convex.
    bool SetOccluder(const _D3DTLVERTEX* corners, unsigned glName);
    void ClearOccluder() { occluderEdges_ = 0; }
    void ToGDI() {}
    void RestoreSurfaces() {}
    void ReleaseAllSurfaces() {}
    void DebugOut(const char* text);
    void SetLogStream(FILE* stream) { log_ = stream; }
    void D3DEngineError(int code, const char* text);
    void Release();
    static void SetDisplaySettingReader(DisplaySettingReader reader);

    unsigned GetSceneCount() const { return scenes_; }
    // Frames flipped that were the same as the picture on screen, so were neither drawn
    // nor presented again.
    unsigned GetUnchangedFrames() const { return unchangedFrames_; }
    float GetFrameCount() const { return frames_; }
    float GetRedundantBinds() const { return redundantBinds_; }

    // Pictures from files of kReleasableBytes and more in the driver (a full-screen
    // backdrop is 3 MB, a portrait a quarter of a megabyte) are kept only while in use:
    // one not bound for kIdleFrames is emptied, and filled again from its file, under the
    // same GL name, when next bound or looked at. Together they hold at most
    // kResidentBudget: loading one beyond it first lets go of those bound longest ago and
    // not in the last kRecentFrames (so never one the frame being drawn uses), so a screen
    // left quickly does not keep its pictures while the next one loads its own.
    static constexpr size_t kReleasableBytes = 1u << 16;
    static constexpr unsigned kIdleFrames = 300;
    static constexpr size_t kResidentBudget = 12u << 20;
    static constexpr unsigned kRecentFrames = 2;

    // Textures by name.
    void AddBitmapDirectory(const std::string& folder);
    void AddBitmapDirectories(const std::string& folder, bool inResources);
    const std::vector<std::string>& GetBitmapDirectories() const { return folders_; }
    unsigned GetTexture(const std::string& name);
    bool SetTexture(const std::string& name);
    bool SetTexture(const char* name) { return SetTexture(std::string(name ? name : "")); }
    void SetTexture(int stage, unsigned glName);
    bool GetTextureData(const char* name, int* width, int* height, const uint8_t** pixels = nullptr);
    bool CreateTextureOnDemand(const std::string& name);
    bool FindTexture(const std::string& name, const std::string& folder, bool inResources);
    void CreateTexture(GSurface& surface, const std::string& path);
    void AddTextureManually(unsigned glName, int width, int height);
    // Frees a texture registered with AddTextureManually (its GL name and its record).
    void RemoveTextureManually(unsigned glName);
    // How many textures the renderer holds (named and manual): for diagnostics and tests.
    size_t TextureCount() const { return surfaces_.size(); }
    void ClearLastTexture() { currentName_.clear(); }
    const std::string& GetCurrentTextureName() const { return currentName_; }
    const GSurface* FindSurface(const std::string& exactName) const;
    // Uploads pixels (rows from the top, red, green, blue, alpha) as a new rectangle
    // texture; its GL name.
    unsigned UploadTexture(int width, int height, const uint8_t* rgba);
    // Uploads coverage only (one byte a texel) as a new rectangle texture: drawn, it is
    // white with that alpha, as an RGBA picture of white texels would be, in a quarter of
    // the memory. For glyph pictures.
    unsigned UploadAlphaTexture(int width, int height, const uint8_t* alpha);

    // Drawing (each leaves the drawing colour white).
    void FillRect(const tagRECT& rect, uint32_t colour);
    void FillRect(const tagRECT* rect, uint32_t colour) { if (rect) FillRect(*rect, colour); }
    void FillRect(const BaseSprite& sprite, uint32_t colour);
    void FillRectGradient(const tagRECT& rect, uint32_t colourLeft, uint32_t colourRight);
    void ClearArea(const tagRECT& rect) { FillRect(rect, 0xFF000000u); }
    void RenderLine(float x1, float y1, float x2, float y2, uint32_t colour);
    void FrameRect(const tagRECT& rect, uint32_t colour);
    void FrameRect(const tagRECT* rect, uint32_t colour) { if (rect) FrameRect(*rect, colour); }
    void FrameRect(const BaseSprite& sprite, uint32_t colour);
    void FrameRectRounded(const tagRECT& rect, uint32_t colour);
    void FillScreen(const std::string& name);
    void FillScreen(SmartTexture& texture);
    void TileRect(const tagRECT& rect, const std::string& name, uint32_t colour);
    // A textured band of the given width along a polyline of count points.
    void RenderSpriteLine(const V2* points, int count, uint32_t colour, float width);
    bool InitVertexBuffer(int vertexCount, std::unique_ptr<IDirect3DVertexBuffer8>& store, unsigned format);

    // The quad of a sprite (top-left, top-right, bottom-left, bottom-right), textured with
    // the texture bound last.
    void DrawQuad(const _D3DTLVERTEX* corners) { DrawQuads(corners, 1); }
    // Quads of four such corners each, one after another, all with the same texture.
    void DrawQuads(const _D3DTLVERTEX* corners, int count);
    // Copies a named picture whose every texel is opaque into a rectangle of the screen, as
    // an untinted quad of it would draw it but without shading each pixel; false (nothing
    // drawn) when the picture has any transparency or cannot be copied.
    bool CopyOpaqueTexture(const std::string& name, const tagRECT& destination);
    // The box of a texture its quads are drawn within (0..1 across and down: left, top,
    // right, bottom); false when the box is the whole texture or near it.
    bool GetContentBox(unsigned glName, float box[4]) const;
    // What is drawn from BeginCachedLayer to EndCachedLayer becomes a picture of the
    // rectangle, kept between frames in the numbered slot and drawn again only when what
    // was drawn into it differs from the last time; the frame then draws the picture,
    // replacing what is under the rectangle. For layers that change now and then (a lit
    // stage), not every frame. The layer starts from black.
    void BeginCachedLayer(int slot, const tagRECT& rect);
    void EndCachedLayer();
    // Vertex-buffer vertices (0xAARRGGBB colours) as triangles, through an index list or
    // in order when indices is null.
    void DrawTriangles(const _D3DTLVERTEX* vertices, int vertexCount, const uint16_t* indices, int count);

    // Of textures with a see-through margin: the part that has anything to show, grown
    // for the filter, as a box (0..1 across and down) and as a convex outline of at most
    // kOutlineEdges sides (texels: the part where a * x + b * y >= c for every side). Quads
    // of them are drawn over that part only, since the rest changes no pixel.
    static constexpr int kOutlineEdges = 8;
    struct ContentBox {
        float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
        bool boxed = false; // the box itself leaves out enough to be worth it
        int edges = 0;
        float edge[kOutlineEdges][3] = {};
    };

    static float W;
    static float H;
    static bool BInScene;
    static unsigned LastTexNum;

private:
    void ApplyFixedState();
    void SetProjection();
    // The scene's viewport in the drawable, origin bottom left.
    void CurrentViewport(int viewport[4]) const;
    DrawTextureState TextureState() const
    {
        return {texEnabled_, pointFilter_, bound_, opaqueTextures_.count(bound_) != 0, additive_, clipped_,
                {clip_.left, clip_.top, clip_.right, clip_.bottom}};
    }
    void BeginPrimitive(DrawOp primitive);
    void AddVertex(float x, float y, float u, float v, uint32_t colour);
    void Strip(const float (*points)[2], int count, uint32_t colour);
    // A convex polygon (corners in order) as quads or triangles of the open primitive,
    // less what the occluder hides.
    void AddPolygon(const _D3DTLVERTEX* corners, int count, bool quads, float tw, float th);
    void AddConvex(const _D3DTLVERTEX* corners, int count, bool quads, float tw, float th);
    // Whether the frame drawn since the last flip must be drawn and presented.
    bool FrameChanged();
    void FreePendingTextures();
    void ReportMissingTexture(const std::string& name);
    // The surface of a request name, loaded from the bitmap folders on first use; null
    // (reported once) when it is nowhere.
    const GSurface* FindOrLoadSurface(const std::string& req);
    void BindNamed(const GSurface& surface);
    // The framebuffer that holds a copy of an opaque surface for CopyOpaqueTexture (made on
    // first use), 0 when it cannot be made.
    unsigned CopySource(const GSurface& surface);
    // A surface's pixels (rows from the top, RGBA), read back from its texture if they
    // were let go; empty when it has none (no texture, or registered by hand).
    const std::vector<uint8_t>& SurfacePixels(const GSurface& surface);
    void TextureSize(float& w, float& h);
    // Large pictures' comings and goings (see kReleasableBytes).
    void NoteTextureUse(unsigned glName);
    void ReleaseIdleTextures();
    void ReleaseTexture(const GSurface& surface);
    void KeepWithinBudget(const GSurface& loaded);
    void MakeResident(const GSurface& surface);
    std::map<unsigned, const GSurface*> releasable_; // large file pictures by GL name

    unsigned scenes_ = 0;
    std::vector<std::string> folders_;
    FILE* log_ = nullptr;
    int windowed_ = 1;
    std::vector<std::unique_ptr<GSurface>> surfaces_;
    std::set<std::string> missing_;
    std::string currentName_;
    int width_ = 0;
    int height_ = 0;
    float redundantBinds_ = 0.0f;
    float frames_ = 0.0f;
    bool pointFilter_ = false;
    bool additive_ = false;
    bool clipped_ = false;
    tagRECT clip_ {};
    // The occluder's sides, each keeping a * x + b * y >= c inside, and its bounds.
    float occluder_[4][3] = {};
    int occluderEdges_ = 0;
    float occluderBox_[4] = {}; // left, top, right, bottom
    unsigned bound_ = 0;     // GL name bound on the rectangle target now
    bool texEnabled_ = true; // the rectangle target is enabled
    MainWindowRef window_ = nullptr;
    FrameRecord frame_;             // drawn since the last flip
    FrameRecord shown_;             // the picture on screen
    unsigned textureChanges_ = 0;   // textures made or freed, ever
    unsigned shownTextures_ = ~0u;  // textureChanges_ when shown_ was presented
    bool mustPresent_ = true;       // the screen no longer shows shown_
    unsigned unchangedFrames_ = 0;
    std::vector<unsigned> pendingFrees_; // textures freed while the frame still uses them
    std::vector<unsigned> releaseAfterFrame_; // large pictures to let go once it is drawn
    std::set<unsigned> opaqueTextures_;  // textures with full alpha in every texel
    std::map<unsigned, ContentBox> contentBoxes_;
    void NoteContentBox(unsigned name, int width, int height, const uint8_t* rgba);
    std::map<unsigned, unsigned> copySources_; // texture GL name -> framebuffer of its copy
    // A picture kept between frames: what was drawn into it, its texture and framebuffer.
    struct CachedLayer {
        FrameRecord drawn;     // what the picture shows
        FrameRecord recording; // what is being drawn into it this frame
        tagRECT rect {};
        unsigned texture = 0, framebuffer = 0;
        int width = 0, height = 0;
        unsigned textures = ~0u; // textureChanges_ when it was drawn
        uint32_t version = 0;
    };
    std::map<int, CachedLayer> layers_;
    CachedLayer* openLayer_ = nullptr;
    FrameRecord* record_ = &frame_; // where drawing is recorded now
    void DrawLayer(CachedLayer& layer);
};

// The renderer, for the life of the process.
D3DEngine* GetD3DEngine();

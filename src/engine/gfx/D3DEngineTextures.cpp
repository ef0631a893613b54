// The renderer's texture cache: textures fetched by bare file name from the bitmap
// folders, decoded once, uploaded as rectangle textures and kept for the run.
#include "engine/gfx/D3DEngine.h"

#include "dds/DDSDecoder.h"
#include "engine/GDebugEngine.h"
#include "engine/gfx/GLHeaders.h"
#include "port/FileFind.h"
#include "port/MacFile.h"
#include "port/Report.h"
#include "port/sdl/ImageDecode.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace fs = std::filesystem;

std::string TextureRequestName(const std::string& name)
{
    size_t at = name.find(".dds");
    if (at == std::string::npos)
        return name;
    return name.substr(0, at) + ".png";
}

namespace {

// A new rectangle texture, bound, clamped at its edges and sampled with the given filter.
GLuint NewRectangleTexture(GLint filter)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_RECTANGLE, name);
    glTexParameteri(GL_TEXTURE_RECTANGLE, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_RECTANGLE, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_RECTANGLE, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_RECTANGLE, GL_TEXTURE_MAG_FILTER, filter);
    return name;
}

// Gives the bound texture storage laid out as the window's own buffer: four bytes a texel,
// blue first. Only then is a copy of it into the window a plain copy of memory in a
// software driver; any other layout (or rows in the other order) makes the copy a textured
// polygon shaded pixel by pixel. A sized internal format would let the driver choose its
// preferred order (Mesa keeps GL_RGBA8 red first); the unsized one with blue-first bytes
// keeps them in the order given.
void WindowLaidOutTexture(GLenum target, int width, int height, const void* pixels)
{
    glTexImage2D(target, 0, GL_RGBA, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
}

bool ResourceFolder(const std::string& folder, std::string& out)
{
    char buffer[2048];
    if (!BuildMacResourceDirPath(buffer, sizeof buffer, folder.c_str()))
        return false;
    out = buffer;
    return true;
}

// Replaces the picture of a rectangle texture, then binds the given one again.
void FillRectangle(unsigned name, GLint internalFormat, int w, int h, GLenum format, const void* data, unsigned rebind)
{
    glBindTexture(GL_TEXTURE_RECTANGLE, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_RECTANGLE, 0, internalFormat, w, h, 0, format, GL_UNSIGNED_BYTE, data);
    glBindTexture(GL_TEXTURE_RECTANGLE, rebind);
}

// A picture file's pixels (rows from the top, RGBA): DDS, or PNG, JPEG and BMP; false (the
// failure logged) when it cannot be read.
bool DecodePicture(const std::string& path, int& w, int& h, std::vector<uint8_t>& rgba)
{
    if (path.find(".dds") != std::string::npos) {
        FILE* f = std::fopen(path.c_str(), "rb");
        DDSImage image;
        bool ok = f && loadDDS(f, nullptr, 0, image);
        if (f)
            std::fclose(f);
        if (!ok) {
            GetD3DEngine()->DebugOut("Couldn't load texture");
            GetDebug()->DebugOut("Couldn't load texture " + path);
            return false;
        }
        w = image.width;
        h = image.height;
        rgba = std::move(image.rgba);
        return true;
    }
    if (!DecodeImageFile(path, w, h, rgba)) {
        GetDebug()->DebugOut("Couldn't decode texture " + path);
        return false;
    }
    return true;
}

// Sub-folder names of a folder (given with its trailing "/"), in the port layer's listing
// order - case-insensitive, as for every other listing - without those beginning with ".".
std::vector<std::string> SubFolders(const std::string& dir)
{
    std::vector<std::string> names;
    CFileFind find;
    if (!find.FindFile(dir + "*.*"))
        return names;
    while (!find.IsDone())
        if (find.FindNextFile() && find.IsDirectory() && find.GetFileName()[0] != '.')
            names.push_back(find.GetFileName());
    return names;
}

} // namespace

void D3DEngine::AddBitmapDirectory(const std::string& folder)
{
    // A display restart registers the same folders again; searching them twice is waste.
    if (std::find(folders_.begin(), folders_.end(), folder) == folders_.end())
        folders_.push_back(folder);
    // A new folder may hold what was missing before.
    missing_.clear();
}

void D3DEngine::AddBitmapDirectories(const std::string& folder, bool inResources)
{
    AddBitmapDirectory(folder);
    std::string listed = folder + "/";
    if (inResources && !ResourceFolder(folder, listed))
        return;
    for (const std::string& sub : SubFolders(listed))
        AddBitmapDirectories(folder + "/" + sub, inResources);
}

const GSurface* D3DEngine::FindSurface(const std::string& exactName) const
{
    // Textures added by hand (the system fonts' glyph pictures) have no name: an empty name
    // must not find one of them.
    if (exactName.empty())
        return nullptr;
    for (const auto& s : surfaces_)
        if (s->name == exactName)
            return s.get();
    return nullptr;
}

void D3DEngine::ReportMissingTexture(const std::string& name)
{
    // Remembered, so the search, the log line and the alert happen once per name.
    missing_.insert(name);
    std::string text = "Failed to locate texture: " + name;
    GetDebug()->DebugOut(text);
    if (IsNonInteractive())
        DebugOut(text.c_str());
    else
        D3DEngineError(0, text.c_str());
}

const GSurface* D3DEngine::FindOrLoadSurface(const std::string& req)
{
    if (const GSurface* s = FindSurface(req))
        return s;
    if (req.empty() || missing_.count(req))
        return nullptr;
    if (CreateTextureOnDemand(req))
        if (const GSurface* s = FindSurface(req))
            return s;
    ReportMissingTexture(req);
    return nullptr;
}

unsigned D3DEngine::GetTexture(const std::string& name)
{
    const GSurface* s = FindOrLoadSurface(TextureRequestName(name));
    return s ? s->glName : 0;
}

void D3DEngine::BindNamed(const GSurface& surface)
{
    SetTexture(0, surface.glName);
    currentName_ = surface.name.substr(0, 255);
}

bool D3DEngine::SetTexture(const std::string& name)
{
    std::string req = TextureRequestName(name);
    if (!BInScene)
        BeginRender();
    if (!currentName_.empty() && req == currentName_) {
        redundantBinds_ += 1.0f;
        return true;
    }
    const GSurface* s = FindOrLoadSurface(req);
    if (!s) {
        // Never leave the previous picture bound: the caller's quad is drawn untextured.
        SetTexture(0, 0u);
        return false;
    }
    BindNamed(*s);
    return true;
}

void D3DEngine::SetTexture(int, unsigned glName)
{
    currentName_.clear();
    // Recorded for the frame's primitives; GL sees it when the frame is drawn.
    texEnabled_ = glName != 0;
    if (glName) {
        bound_ = glName;
        LastTexNum = glName;
        NoteTextureUse(glName);
    }
}

void D3DEngine::NoteTextureUse(unsigned glName)
{
    auto found = releasable_.find(glName);
    if (found == releasable_.end())
        return;
    found->second->lastUse = unsigned(frames_);
    MakeResident(*found->second);
}

void D3DEngine::ReleaseIdleTextures()
{
    const unsigned now = unsigned(frames_);
    for (const auto& [glName, surface] : releasable_)
        if (surface->resident && now - surface->lastUse >= kIdleFrames)
            ReleaseTexture(*surface);
}

void D3DEngine::ReleaseTexture(const GSurface& surface)
{
    if (!surface.resident || !releasable_.count(surface.glName))
        return;
    // One texel in its place: the driver frees the storage of a replaced picture at
    // once, where an empty one would keep it until the texture is drawn again.
    const uint8_t clear[4] = {0, 0, 0, 0};
    FillRectangle(surface.glName, GL_RGBA, 1, 1, GL_RGBA, clear, bound_);
    std::vector<uint8_t>().swap(surface.pixels);
    surface.resident = false;
}

void D3DEngine::KeepWithinBudget(const GSurface& loaded)
{
    const auto bytes = [](const GSurface& s) { return size_t(s.width) * size_t(s.height) * 4; };
    size_t held = 0;
    for (const auto& [glName, surface] : releasable_)
        if (surface->resident)
            held += bytes(*surface);
    const unsigned now = unsigned(frames_);
    while (held > kResidentBudget) {
        const GSurface* oldest = nullptr;
        for (const auto& [glName, surface] : releasable_)
            if (surface->resident && surface != &loaded && now - surface->lastUse >= kRecentFrames &&
                (!oldest || now - surface->lastUse > now - oldest->lastUse))
                oldest = surface;
        if (!oldest)
            return; // all in use by this frame: over the budget rather than drawn wrong
        held -= bytes(*oldest);
        ReleaseTexture(*oldest);
    }
}

void D3DEngine::MakeResident(const GSurface& surface)
{
    if (surface.resident)
        return;
    surface.resident = true;
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    // Same size as before, or the texture stays empty: the callers laid out for that size.
    if (!DecodePicture(surface.path, w, h, rgba) || w != surface.width || h != surface.height) {
        GetDebug()->DebugOut("Couldn't reload texture " + surface.path);
        return;
    }
    FillRectangle(surface.glName, GL_RGBA, w, h, GL_RGBA, rgba.data(), bound_);
    ++textureChanges_;
    KeepWithinBudget(surface);
}

bool D3DEngine::GetTextureData(const char* name, int* width, int* height, const uint8_t** pixels)
{
    const GSurface* match = nullptr;
    if (name) {
        match = FindSurface(TextureRequestName(name));
    } else {
        for (const auto& s : surfaces_)
            if ((LastTexNum && s->glName == LastTexNum) ||
                (!currentName_.empty() && s->name == currentName_)) {
                match = s.get();
                break;
            }
    }
    if (!match)
        return false;
    if (width)
        *width = match->width;
    if (height)
        *height = match->height;
    if (pixels) {
        const std::vector<uint8_t>& data = SurfacePixels(*match);
        *pixels = data.empty() ? nullptr : data.data();
    }
    return true;
}

const std::vector<uint8_t>& D3DEngine::SurfacePixels(const GSurface& surface)
{
    MakeResident(surface);
    if (surface.pixels.empty() && surface.glName && !surface.path.empty() && surface.width > 0 &&
        surface.height > 0) {
        surface.pixels.resize(size_t(surface.width) * size_t(surface.height) * 4);
        glBindTexture(GL_TEXTURE_RECTANGLE, surface.glName);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_RECTANGLE, 0, GL_RGBA, GL_UNSIGNED_BYTE, surface.pixels.data());
        glBindTexture(GL_TEXTURE_RECTANGLE, bound_);
    }
    return surface.pixels;
}

bool D3DEngine::CreateTextureOnDemand(const std::string& name)
{
    for (const std::string& folder : folders_)
        if (FindTexture(name, folder, true) || FindTexture(name, folder, false))
            return true;
    GetDebug()->DebugOut("Failed to create texture on demand");
    DebugOut("Failed to create texture on demand");
    return false;
}

bool D3DEngine::FindTexture(const std::string& name, const std::string& folder, bool inResources)
{
    // Textures are bare file names; anything with a path in it is not looked for.
    if (name.empty() || name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
        return false;
    std::string dir = folder + "/";
    if (inResources && !ResourceFolder(folder, dir))
        return false;
    std::error_code ec;
    if (!fs::is_regular_file(dir + name, ec))
        return false;
    auto surface = std::make_unique<GSurface>();
    surface->name = name;
    surface->path = dir + name;
    CreateTexture(*surface, surface->path);
    surfaces_.push_back(std::move(surface));
    DebugOut(name.c_str());
    return true;
}

void D3DEngine::CreateTexture(GSurface& surface, const std::string& path)
{
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    if (!DecodePicture(path, w, h, rgba))
        return;
    surface.width = w;
    surface.height = h;
    surface.glName = UploadTexture(w, h, rgba.data());
    // The driver keeps its own copy: a second one here would double every picture's
    // memory for the few whose pixels are ever looked at again.
    if (surface.glName && rgba.size() >= kReleasableBytes) {
        surface.lastUse = unsigned(frames_);
        releasable_[surface.glName] = &surface;
        KeepWithinBudget(surface);
    }
}

unsigned D3DEngine::UploadTexture(int width, int height, const uint8_t* rgba)
{
    GLuint name = NewRectangleTexture(GL_LINEAR);
    FillRectangle(name, GL_RGBA, width, height, GL_RGBA, rgba, bound_);
    // A name may come back after being freed: the picture behind it is new.
    ++textureChanges_;
    bool opaque = rgba != nullptr;
    for (size_t i = 3; opaque && i < size_t(width) * size_t(height) * 4; i += 4)
        opaque = rgba[i] == 255;
    copySources_.erase(name); // a name come back is a new picture
    if (opaque)
        opaqueTextures_.insert(name);
    else
        opaqueTextures_.erase(name);
    NoteContentBox(name, width, height, opaque ? nullptr : rgba);
    return name;
}

unsigned D3DEngine::UploadAlphaTexture(int width, int height, const uint8_t* alpha)
{
    GLuint name = NewRectangleTexture(GL_LINEAR);
    FillRectangle(name, GL_ALPHA8, width, height, GL_ALPHA, alpha, bound_);
    ++textureChanges_; // a name come back is a new picture
    copySources_.erase(name);
    opaqueTextures_.erase(name);
    contentBoxes_.erase(name);
    return name;
}

bool D3DEngine::GetContentBox(unsigned glName, float box[4]) const
{
    auto found = contentBoxes_.find(glName);
    if (found == contentBoxes_.end() || !found->second.boxed)
        return false;
    const ContentBox& b = found->second;
    box[0] = b.u0, box[1] = b.v0, box[2] = b.u1, box[3] = b.v1;
    return true;
}

namespace {

struct Point {
    double x, y;
};

double Cross(const Point& o, const Point& a, const Point& b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The convex hull of the points, counter-clockwise (x right, y up), no three in a line.
std::vector<Point> Hull(std::vector<Point> points)
{
    std::sort(points.begin(), points.end(), [](const Point& a, const Point& b) {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    });
    if (points.size() < 3)
        return points;
    std::vector<Point> hull(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && Cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && Cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}

// Where the lines through a-b and c-d cross; false when they run parallel.
bool Meet(const Point& a, const Point& b, const Point& c, const Point& d, Point& at)
{
    const double rx = b.x - a.x, ry = b.y - a.y, sx = d.x - c.x, sy = d.y - c.y;
    const double den = rx * sy - ry * sx;
    if (std::fabs(den) < 1e-9)
        return false;
    const double t = ((c.x - a.x) * sy - (c.y - a.y) * sx) / den;
    at = {a.x + t * rx, a.y + t * ry};
    return true;
}

// Fewer sides for a convex polygon that still holds it: the side whose two neighbours,
// run on until they meet, add the least area is dropped, until at most `most` are left.
void DropSides(std::vector<Point>& poly, size_t most)
{
    while (poly.size() > most) {
        const size_t n = poly.size();
        size_t best = n;
        double bestArea = 0;
        Point bestAt {};
        for (size_t i = 0; i < n; ++i) {
            const Point &p0 = poly[(i + n - 1) % n], &p1 = poly[i], &p2 = poly[(i + 1) % n], &p3 = poly[(i + 2) % n];
            Point at;
            // The neighbours must meet beyond the side, not behind it.
            if (!Meet(p0, p1, p2, p3, at) || Cross(p1, p2, at) > 0)
                continue;
            const double area = std::fabs(Cross(p1, p2, at)) / 2.0;
            if (best == n || area < bestArea)
                best = i, bestArea = area, bestAt = at;
        }
        if (best == n)
            return; // nothing can go: the polygon stays as it is
        poly[best] = bestAt;
        poly.erase(poly.begin() + std::ptrdiff_t((best + 1) % n));
    }
}

double Area(const std::vector<Point>& poly)
{
    double twice = 0;
    for (size_t i = 0; i < poly.size(); ++i)
        twice += Cross({0, 0}, poly[i], poly[(i + 1) % poly.size()]);
    return std::fabs(twice) / 2.0;
}

} // namespace

void D3DEngine::NoteContentBox(unsigned name, int width, int height, const uint8_t* rgba)
{
    contentBoxes_.erase(name);
    if (!rgba || width <= 0 || height <= 0)
        return;
    int left = width, right = -1, top = height, bottom = -1;
    // A sample at texel position (x, y) reads the texels whose centres lie within one texel
    // of it each way: outside the square of each shown texel grown by a texel and a half
    // (half a texel to spare) it reads none of them. The hull of those squares' corners.
    std::vector<Point> corners;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = rgba + size_t(y) * size_t(width) * 4;
        int first = -1, last = -1;
        for (int x = 0; x < width; ++x)
            if (row[size_t(x) * 4 + 3] != 0) {
                first = first < 0 ? x : first;
                last = x;
            }
        if (first < 0)
            continue;
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
        for (double cy : {y - 1.0, y + 2.0})
            corners.insert(corners.end(), {{first - 1.0, cy}, {last + 2.0, cy}});
    }
    if (right < 0)
        return; // nothing shows at all: drawn as it is, rare enough not to matter
    // A texel more on each side, so a filtered sample at the edge reads only see-through
    // texels outside the box.
    left = std::max(0, left - 1);
    top = std::max(0, top - 1);
    right = std::min(width, right + 2);
    bottom = std::min(height, bottom + 2);
    ContentBox b {float(left) / float(width), float(top) / float(height), float(right) / float(width),
                  float(bottom) / float(height)};
    // Worth it only when the margin is a real part of the picture.
    const double whole = double(width) * double(height);
    b.boxed = double(right - left) * double(bottom - top) <= 0.9 * whole;
    std::vector<Point> outline = Hull(std::move(corners));
    DropSides(outline, kOutlineEdges);
    if (outline.size() >= 3 && outline.size() <= size_t(kOutlineEdges) && Area(outline) <= 0.9 * whole) {
        for (size_t i = 0; i < outline.size(); ++i) {
            const Point &p = outline[i], &q = outline[(i + 1) % outline.size()];
            // Counter-clockwise: the inside is on the left of each side.
            const double a = p.y - q.y, bb = q.x - p.x;
            b.edge[i][0] = float(a), b.edge[i][1] = float(bb), b.edge[i][2] = float(a * p.x + bb * p.y);
        }
        b.edges = int(outline.size());
    }
    if (b.boxed || b.edges > 0)
        contentBoxes_[name] = b;
}

unsigned D3DEngine::CopySource(const GSurface& surface)
{
    if (auto found = copySources_.find(surface.glName); found != copySources_.end())
        return found->second;
    unsigned framebuffer = 0;
    const size_t w = size_t(surface.width), h = size_t(surface.height);
    const std::vector<uint8_t>& pixels = SurfacePixels(surface);
    if (window_ && w > 0 && h > 0 && pixels.size() >= w * h * 4) {
        // Top row first and blue first, as the window's own buffer is laid out, so the copy
        // is a plain copy of memory (see WindowLaidOutTexture).
        std::vector<uint8_t> rows(w * h * 4);
        const uint8_t* from = pixels.data();
        for (uint8_t *to = rows.data(), *end = to + rows.size(); to != end; from += 4, to += 4) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            to[3] = from[3];
        }
        GLuint texture = 0, fbo = 0;
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        WindowLaidOutTexture(GL_TEXTURE_2D, int(w), int(h), rows.data());
        glBindTexture(GL_TEXTURE_2D, 0);
        glGenFramebuffers(1, &fbo);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
        glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
        const bool complete = glCheckFramebufferStatus(GL_READ_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
        glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
        if (complete) {
            framebuffer = fbo;
        } else {
            glDeleteFramebuffers(1, &fbo);
            glDeleteTextures(1, &texture);
        }
    }
    // Remembered either way: a driver that cannot do it is not asked every frame.
    copySources_[surface.glName] = framebuffer;
    // The copy is all that is drawn from now on: the pixels read back for it, and the
    // picture itself once this frame (which may draw it too) is drawn, are let go; a
    // picture drawn again later is loaded again.
    std::vector<uint8_t>().swap(surface.pixels);
    if (framebuffer)
        releaseAfterFrame_.push_back(surface.glName);
    return framebuffer;
}

bool D3DEngine::CopyOpaqueTexture(const std::string& name, const tagRECT& destination)
{
    if (!BInScene)
        BeginRender();
    const GSurface* s = FindOrLoadSurface(TextureRequestName(name));
    if (!s || !s->glName || !opaqueTextures_.count(s->glName))
        return false;
    const unsigned framebuffer = CopySource(*s);
    if (!framebuffer)
        return false;
    const int rect[4] = {destination.left, destination.top, destination.right - destination.left,
                         destination.bottom - destination.top};
    record_->Blit(framebuffer, s->width, s->height, rect);
    return true;
}

void D3DEngine::BeginCachedLayer(int slot, const tagRECT& rect)
{
    if (!BInScene)
        BeginRender();
    if (openLayer_)
        return; // layers do not nest: the inner one is part of the outer
    CachedLayer& layer = layers_[slot];
    layer.recording.Reset();
    const int viewport[4] = {0, 0, std::max(1, rect.right - rect.left), std::max(1, rect.bottom - rect.top)};
    layer.recording.Scene(viewport, viewport[2], viewport[3], rect.left, rect.top);
    layer.recording.Clear(0xFF000000u);
    layer.rect = rect;
    openLayer_ = &layer;
    record_ = &layer.recording;
}

void D3DEngine::DrawLayer(CachedLayer& layer)
{
    const int w = layer.rect.right - layer.rect.left, h = layer.rect.bottom - layer.rect.top;
    if (layer.framebuffer && (layer.width != w || layer.height != h)) {
        GLuint fbo = layer.framebuffer, texture = layer.texture;
        glDeleteFramebuffers(1, &fbo);
        glDeleteTextures(1, &texture);
        layer.framebuffer = layer.texture = 0;
    }
    if (!layer.framebuffer) {
        GLuint texture = NewRectangleTexture(GL_NEAREST), fbo = 0;
        // Laid out as the window's own buffer and drawn top row first, so the frame's copy
        // of it is a copy of memory.
        WindowLaidOutTexture(GL_TEXTURE_RECTANGLE, w, h, nullptr);
        glBindTexture(GL_TEXTURE_RECTANGLE, bound_);
        glGenFramebuffers(1, &fbo);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_RECTANGLE, texture, 0);
        const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        if (!complete) {
            glDeleteFramebuffers(1, &fbo);
            glDeleteTextures(1, &texture);
            return;
        }
        layer.texture = texture;
        opaqueTextures_.insert(texture); // the layer starts from black and is copied whole
        layer.framebuffer = fbo;
        layer.width = w;
        layer.height = h;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, layer.framebuffer);
    layer.recording.Replay(true);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    std::swap(layer.drawn, layer.recording);
    layer.textures = textureChanges_;
    ++layer.version;
}

void D3DEngine::EndCachedLayer()
{
    if (!openLayer_)
        return;
    CachedLayer& layer = *openLayer_;
    openLayer_ = nullptr;
    record_ = &frame_;
    if (!window_)
        return;
    if (!layer.framebuffer || layer.textures != textureChanges_ || !(layer.recording == layer.drawn))
        DrawLayer(layer);
    if (!layer.framebuffer) {
        // No picture could be made: what was drawn goes to the frame itself.
        for (const DrawBatch& b : layer.recording.Batches())
            if (b.op != DrawOp::Scene && b.op != DrawOp::Clear)
                frame_.Append(layer.recording, b);
        return;
    }
    const tagRECT& r = layer.rect;
    // At the start of a frame the picture is copied into place as memory; later it is
    // drawn as an opaque quad of its texels one to one (no blending, the nearest texel),
    // since a copy then would make the driver finish what the frame has drawn so far.
    if (frame_.OnlyCopiesSoFar()) {
        const int destination[4] = {r.left, r.top, layer.width, layer.height};
        frame_.Blit(layer.framebuffer, layer.width, layer.height, destination, layer.version);
        return;
    }
    const DrawTextureState saved = TextureState();
    texEnabled_ = true;
    bound_ = layer.texture;
    pointFilter_ = true;
    additive_ = false;
    clipped_ = false;
    BeginPrimitive(DrawOp::Quads);
    frame_.Tag(layer.version);
    const float l = float(r.left), t = float(r.top), rt = float(r.right), b = float(r.bottom);
    const float w = float(layer.width), h = float(layer.height);
    // The picture is kept top row first.
    AddVertex(l, t, 0.0f, 0.0f, 0xFFFFFFFFu);
    AddVertex(l, b, 0.0f, h, 0xFFFFFFFFu);
    AddVertex(rt, b, w, h, 0xFFFFFFFFu);
    AddVertex(rt, t, w, 0.0f, 0xFFFFFFFFu);
    texEnabled_ = saved.textured;
    bound_ = saved.texture;
    pointFilter_ = saved.pointFilter;
    additive_ = saved.additive;
    clipped_ = saved.clipped;
}

void D3DEngine::AddTextureManually(unsigned glName, int width, int height)
{
    auto surface = std::make_unique<GSurface>();
    surface->glName = glName;
    surface->width = width;
    surface->height = height;
    surfaces_.push_back(std::move(surface));
}

void D3DEngine::RemoveTextureManually(unsigned glName)
{
    if (glName == 0)
        return;
    releasable_.erase(glName); // its record goes with it
    std::erase_if(surfaces_, [glName](const std::unique_ptr<GSurface>& s) { return s->glName == glName; });
    if (!window_)
        return; // no context was ever made: there is no GL texture to free
    if (bound_ == glName)
        bound_ = 0;
    if (LastTexNum == glName)
        LastTexNum = 0;
    ++textureChanges_;
    opaqueTextures_.erase(glName);
    contentBoxes_.erase(glName);
    copySources_.erase(glName);
    // The frame being recorded may still draw with it: freed once the frame is drawn.
    pendingFrees_.push_back(glName);
    if (frame_.Empty())
        FreePendingTextures();
}

void D3DEngine::FreePendingTextures()
{
    for (unsigned glName : pendingFrees_) {
        GLuint name = glName;
        glDeleteTextures(1, &name);
    }
    pendingFrees_.clear();
}

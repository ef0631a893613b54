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

bool ResourceFolder(const std::string& folder, std::string& out)
{
    char buffer[2048];
    if (!BuildMacResourceDirPath(buffer, sizeof buffer, folder.c_str()))
        return false;
    out = buffer;
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
    }
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
    if (pixels)
        *pixels = match->pixels.empty() ? nullptr : match->pixels.data();
    return true;
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
    if (path.find(".dds") != std::string::npos) {
        FILE* f = std::fopen(path.c_str(), "rb");
        DDSImage image;
        bool ok = f && loadDDS(f, nullptr, 0, image);
        if (f)
            std::fclose(f);
        if (!ok) {
            DebugOut("Couldn't load texture");
            GetDebug()->DebugOut("Couldn't load texture " + path);
            return;
        }
        w = image.width;
        h = image.height;
        rgba = std::move(image.rgba);
    } else if (!DecodeImageFile(path, w, h, rgba)) {
        GetDebug()->DebugOut("Couldn't decode texture " + path);
        return;
    }
    surface.width = w;
    surface.height = h;
    surface.pixels = std::move(rgba);
    surface.glName = UploadTexture(w, h, surface.pixels.data());
}

unsigned D3DEngine::UploadTexture(int width, int height, const uint8_t* rgba)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_RECTANGLE, name);
    glTexParameteri(GL_TEXTURE_RECTANGLE, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_RECTANGLE, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_RECTANGLE, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_RECTANGLE, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_RECTANGLE, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    glBindTexture(GL_TEXTURE_RECTANGLE, bound_);
    // A name may come back after being freed: the picture behind it is new.
    ++textureChanges_;
    bool opaque = rgba != nullptr;
    for (size_t i = 3; opaque && i < size_t(width) * size_t(height) * 4; i += 4)
        opaque = rgba[i] == 255;
    if (opaque)
        opaqueTextures_.insert(name);
    else
        opaqueTextures_.erase(name);
    return name;
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
    std::erase_if(surfaces_, [glName](const std::unique_ptr<GSurface>& s) { return s->glName == glName; });
    if (!window_)
        return; // no context was ever made: there is no GL texture to free
    if (bound_ == glName)
        bound_ = 0;
    if (LastTexNum == glName)
        LastTexNum = 0;
    ++textureChanges_;
    opaqueTextures_.erase(glName);
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

#include "shell/GUI_Avatar.h"

#include "engine/GFileList.h"
#include "engine/gfx/D3DEngine.h"
#include "port/Paths.h"
#include "shell/GUI_Backdrop.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/Game.h"
#include "shell/Input.h"
#include "sim/GAssert.h"

#include <algorithm>
#include <cstdlib>

namespace {

const char* const kGameAvatars = "data/bitmaps/avatars/";

constexpr float kAvatarFrameSize = 256.0f;
constexpr float kAvatarPictureSize = 233.0f;
constexpr float kAvatarAngle = 355.0f;
constexpr float kAvatarInset = 128.0f;
constexpr float kThumbSlot = GUI_AvatarThumbnail::THUMBSIZE + 2.0f * 5.0f;

float Scale(float v) { return GetGame()->AdjustForScreenRes(v); }

void DrawUntextured(BaseSprite& sprite)
{
    GetD3DEngine()->SetTexture(0, 0);
    sprite.DrawNoChecks();
}

void Size(BaseSprite& sprite, float side, float cx, float cy)
{
    sprite.width = side;
    sprite.height = side;
    sprite.PlaceLocal(cx, cy);
}

// Steps an index through n entries, wrapping at both ends.
int Wrap(int index, int step, int n)
{
    if (n <= 0)
        return 0;
    return ((index + step) % n + n) % n;
}

} // namespace

std::vector<std::string> GUI_AvatarFolders()
{
    const std::string user = GetUserFolder() + "/mods/avatars/";
    std::vector<std::string> folders;
    std::vector<std::string> leaves;
    for (const std::string& base : {std::string(kGameAvatars), user}) {
        for (const std::string& leaf : GUI_ListFolders({base + "*.*"})) {
            if (std::find(leaves.begin(), leaves.end(), leaf) != leaves.end())
                continue;
            leaves.push_back(leaf);
            folders.push_back(base + leaf);
        }
    }
    return folders;
}

std::vector<std::string> GUI_AvatarVariants(const std::string& folder)
{
    GFileList list;
    list.AddFiles(folder + "/*.jpg");
    std::vector<std::string> names;
    for (auto it = list.Begin(); it != list.End(); ++it)
        if (!it->empty() && (*it)[0] != '.' && std::find(names.begin(), names.end(), *it) == names.end())
            names.push_back(*it);
    return names;
}

// ---------------------------------------------------------------------------------------

GUI_Avatar* GUI_GetAvatar()
{
    static GUI_Avatar* avatar = new GUI_Avatar;
    return avatar;
}

GUI_Avatar::GUI_Avatar()
{
    frame_.textureName = kFrame;
    picture_.textureName = texture_;
    picture_.Rotate(kAvatarAngle);
}

void GUI_Avatar::SetTexture(const std::string& name)
{
    texture_ = name;
    // Resolved when next drawn: the menu sets the picture before the display shows it.
    picture_.textureName = name;
    picture_.glName = 0;
}

void GUI_Avatar::SetInstalledTexture(const std::string& name)
{
    std::string first;
    for (const std::string& folder : GUI_AvatarFolders()) {
        for (const std::string& variant : GUI_AvatarVariants(folder)) {
            if (variant == name) {
                SetTexture(name);
                return;
            }
            if (first.empty())
                first = variant;
        }
    }
    if (first.empty()) {
        // Nothing installed to fall back to: the name stays, drawn as the renderer can.
        SetTexture(name);
        return;
    }
    const std::string note = "Avatar not installed, using " + first + ": " + name;
    GWarning(note.c_str(), __FILE__, __LINE__);
    SetTexture(first);
}

void GUI_Avatar::Initialise()
{
    const float s = GetGame()->AdjustForScreenRes(1.0f);
    const float cx = kAvatarInset * s;
    const float cy = float(GetD3DEngine()->GetScreenHeight()) - kAvatarInset * s;
    Size(frame_, kAvatarFrameSize * s, cx, cy);
    Size(picture_, kAvatarPictureSize * s, cx, cy);
}

void GUI_Avatar::Draw()
{
    Initialise();
    picture_.SetVertexColor(255, 255, 255, 255);
    picture_.Draw();
    frame_.Draw();
}

// ---------------------------------------------------------------------------------------

GUI_WindowSlot<GUI_AvatarChooser> GUI_AvatarChooser::PTheWindow;
std::vector<std::string> GUI_AvatarChooser::AvatarDirectories;
int GUI_AvatarChooser::CurrentDirectory = 0;
std::vector<std::string> GUI_AvatarChooser::AvatarVariants;
int GUI_AvatarChooser::CurrentVariant = 0;

GUI_AvatarChooser::GUI_AvatarChooser()
{
    PTheWindow = this;
    D3DEngine* d3d = GetD3DEngine();
    const float cx = float(d3d->GetScreenWidth()) / 2.0f;
    const float cy = float(d3d->GetScreenHeight()) / 2.0f;
    auto arrow = [this](const char* texture, const char* highlight, GUI_Callback callback, float l,
                        float t, float r, float b) {
        auto* button = new GUI_IconButton(texture, callback, 0);
        button->SetHighlightTexture(highlight);
        button->SetPosition(l, t, r, b);
        AddButton(button);
        return button;
    };
    nextAvatar_ = arrow("right.dds", "right_h.dds", NextAvatar, cx + Scale(160), cy - Scale(200),
                        cx + Scale(205), cy - Scale(140));
    nextVariant_ = arrow("right.dds", "right_h.dds", NextVariant, cx + Scale(170), cy - Scale(110),
                         cx + Scale(200), cy - Scale(70));
    prevAvatar_ = arrow("left.dds", "left_h.dds", PrevAvatar, cx - Scale(205), cy - Scale(200),
                        cx - Scale(160), cy - Scale(140));
    prevVariant_ = arrow("left.dds", "left_h.dds", PrevVariant, cx - Scale(200), cy - Scale(110),
                         cx - Scale(170), cy - Scale(70));
    Size(picture_, kPictureSize, cx, cy - 180.0f);
    Size(backing_, kPictureSize * kBackingScale, cx, cy - 180.0f);
    backing_.SetVertexColor(235, 235, 235, 255);
    EnumerateFiles();
}

GUI_AvatarChooser::~GUI_AvatarChooser() = default;

void GUI_AvatarChooser::EnumerateFiles()
{
    AvatarDirectories = GUI_AvatarFolders();
    GAssert(!AvatarDirectories.empty(), __FILE__, __LINE__);
    CurrentDirectory = AvatarDirectories.empty() ? 0 : std::rand() % int(AvatarDirectories.size());
    OnNewAvatar();
}

void GUI_AvatarChooser::OnNewAvatar()
{
    AvatarVariants.clear();
    if (CurrentDirectory >= 0 && CurrentDirectory < int(AvatarDirectories.size()))
        AvatarVariants = GUI_AvatarVariants(AvatarDirectories[size_t(CurrentDirectory)]);
    GAssert(!AvatarVariants.empty(), __FILE__, __LINE__);
    CurrentVariant = 0;
    hasVariants_ = AvatarVariants.size() != 1;
    OnNewVariant();
    CreateThumbnails();
}

void GUI_AvatarChooser::OnNewVariant()
{
    // An avatar folder without pictures shows the "not set" picture rather than nothing.
    picture_.SetTexture(AvatarVariants.empty() ? std::string(GUI_Avatar::kNotSet) : GetCurrentVariant());
}

std::string GUI_AvatarChooser::GetCurrentVariant()
{
    if (CurrentVariant < 0 || CurrentVariant >= int(AvatarVariants.size()))
        return "";
    return AvatarVariants[size_t(CurrentVariant)];
}

void GUI_AvatarChooser::NextAvatar(intptr_t)
{
    CurrentDirectory = Wrap(CurrentDirectory, 1, int(AvatarDirectories.size()));
    if (PTheWindow)
        PTheWindow->OnNewAvatar();
}

void GUI_AvatarChooser::PrevAvatar(intptr_t)
{
    CurrentDirectory = Wrap(CurrentDirectory, -1, int(AvatarDirectories.size()));
    if (PTheWindow)
        PTheWindow->OnNewAvatar();
}

void GUI_AvatarChooser::NextVariant(intptr_t)
{
    CurrentVariant = Wrap(CurrentVariant, 1, int(AvatarVariants.size()));
    if (PTheWindow)
        PTheWindow->OnNewVariant();
}

void GUI_AvatarChooser::PrevVariant(intptr_t)
{
    CurrentVariant = Wrap(CurrentVariant, -1, int(AvatarVariants.size()));
    if (PTheWindow)
        PTheWindow->OnNewVariant();
}

void GUI_AvatarChooser::SetVariant(const std::string& name)
{
    auto it = std::find(AvatarVariants.begin(), AvatarVariants.end(), name);
    if (it == AvatarVariants.end())
        return;
    CurrentVariant = int(it - AvatarVariants.begin());
    OnNewVariant();
}

void GUI_AvatarChooser::CreateThumbnails()
{
    KillChildren();
    const float total = float(AvatarVariants.size()) * kThumbSlot;
    float x = float(GetD3DEngine()->GetScreenWidth()) / 2.0f - total / 2.0f + 5.0f;
    const float top = backing_.Bottom() + 20.0f;
    for (const std::string& name : AvatarVariants) {
        auto* thumb = new GUI_AvatarThumbnail(name);
        thumb->SetPosition(x, top, x + GUI_AvatarThumbnail::THUMBSIZE, top + 75.0f);
        AddChild(thumb);
        x += kThumbSlot;
    }
}

void GUI_AvatarChooser::Draw()
{
    if (!IsVisible())
        return;
    const int tint = hasVariants_ ? 255 : 168;
    picture_.SetVertexColor(tint, tint, tint, 255);
    nextVariant_->SetVisible(hasVariants_);
    prevVariant_->SetVisible(hasVariants_);
    tagRECT shadow {int(backing_.Left()), int(backing_.Top()), int(backing_.Right()), int(backing_.Bottom())};
    GUI_WindowBackground::DrawDropShadow(shadow, 30.0f, 6);
    DrawUntextured(backing_);
    picture_.Draw();
    DrawChildren();
    DrawButtons();
}

// ---------------------------------------------------------------------------------------

GUI_AvatarThumbnail::GUI_AvatarThumbnail(const std::string& fileName) : fileName_(fileName)
{
    picture_.SetTexture(fileName);
    SetSize(THUMBSIZE, THUMBSIZE);
    backing_.SetVertexColor(235, 235, 235, 255);
}

void GUI_AvatarThumbnail::Draw()
{
    const float side = MouseInside() ? THUMBSIZE : 55.0f;
    const float cx = GetCenterX(), cy = GetCenterY();
    Size(backing_, side * GUI_AvatarChooser::kBackingScale, cx, cy);
    Size(picture_, side, cx, cy);
    DrawUntextured(backing_);
    picture_.SetVertexColor(255, 255, 255, 255);
    picture_.Draw();
}

bool GUI_AvatarThumbnail::CheckClick(float x, float y)
{
    const float side = THUMBSIZE * GUI_AvatarChooser::kBackingScale;
    const float cx = GetCenterX(), cy = GetCenterY();
    if (x < cx - side / 2.0f || x > cx + side / 2.0f || y < cy - side / 2.0f || y > cy + side / 2.0f)
        return false;
    if (GUI_AvatarChooser::PTheWindow)
        GUI_AvatarChooser::PTheWindow->SetVariant(fileName_);
    return true;
}

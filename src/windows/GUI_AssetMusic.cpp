#include "windows/GUI_AssetMusic.h"

#include "career/SIM_AssetMusic.h"
#include "career/SIM_SongElement.h"
#include "engine/GTranslation.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Indicator.h"
#include "sim/GAssert.h"

#include <algorithm>

GUI_WindowSlot<GUI_AssetMusic> GUI_AssetMusic::PTheWindow;

namespace {

constexpr float kPictureSize = 100.0f;
constexpr int kTextSize = 18;

} // namespace

void GUI_AssetMusic::Create(SIM_AssetMusic* asset)
{
    GAssert(asset != nullptr, __FILE__, __LINE__);
    if (!asset)
        return;
    Close();
    new GUI_AssetMusic(asset);
}

void GUI_AssetMusic::Close()
{
    delete PTheWindow.Get(); // the destructor clears PTheWindow
}

GUI_AssetMusic::GUI_AssetMusic(SIM_AssetMusic* asset) : GUI_Dialog(true), asset_(asset)
{
    PTheWindow = this;
    SetSize(550.0f, 250.0f);
    PlaceCentral();
    SetTitle(asset->GetGUIName());
    UpdateClientArea();
    textureName_ = asset->GetTextureName();
    description_ = asset->GetDescription();
    if (SIM_SongElement* unlock = asset->GetUnlock())
        unlockName_ = unlock->GetGUIName();
    progressLabel_ = GTranslation::GetString("ASSETMUSIC_PROGRESS");
    unlocksLabel_ = GTranslation::GetString("ASSETMUSIC_UNLOCKS");
    const tagRECT& c = GetClientArea();
    listen_ = new GUI_ButtonText("ASSETMUSIC_LISTEN", Listen, 0);
    listen_->SetPosition(float(c.left + 90), float(c.bottom - 30), float(c.right - 90), float(c.bottom - 10));
    AddButton(listen_);
    picture_.width = picture_.height = kPictureSize;
}

GUI_AssetMusic::~GUI_AssetMusic() = default;

SIM_AssetMusic* GUI_AssetMusic::OwnedAsset() const
{
    return SIM_Asset::IsOwned(asset_) ? asset_ : nullptr;
}

void GUI_AssetMusic::Listen(intptr_t)
{
    GUI_AssetMusic* window = PTheWindow;
    if (!window)
        return;
    // A record sold (or heard to the end) since the window opened gives nothing more.
    SIM_AssetMusic* asset = window->OwnedAsset();
    if (asset && asset->GetListenedPercentage() < 1.0f)
        asset->Listen();
    Close();
}

void GUI_AssetMusic::Draw()
{
    SIM_AssetMusic* asset = OwnedAsset();
    const float listened = asset ? asset->GetListenedPercentage() : 1.0f;
    if (listened >= 1.0f)
        listen_->SetEnabled(false);
    GUI_Dialog::Draw();
    const tagRECT& c = GetClientArea();
    picture_.PlaceLocal(float(c.left + 55), float(c.top + 55));
    GetD3DEngine()->SetTexture(textureName_);
    picture_.Draw();
    GetD3DEngine()->SetTexture(0, 0);
    picture_.Frame(0xFFFFFFFFu);
    const float centre = GetCenterX();
    GDIText::AddChunk(picture_.Right() + 10.0f, float(c.top + 10), description_, "tahoma", kTextSize,
                      float(c.right) - picture_.Right() - 20.0f, 0, 255, 255, 255);
    GDIText::AddChunk(centre - 80.0f, float(c.bottom - 110), unlocksLabel_, "tahoma", kTextSize, 0.0f, 0, 255, 255, 255);
    GDIText::AddChunk(centre + 80.0f, float(c.bottom - 110), unlockName_, "tahoma", kTextSize, 0.0f, 0, 255, 255, 255);
    GDIText::AddChunk(centre - 80.0f, float(c.bottom - 90), progressLabel_, "tahoma", kTextSize, 0.0f, 0, 255, 255, 255);
    GUI_ValueBar::DrawBigBar(centre - 80.0f, float(c.bottom - 70), listened);
    GDIText::RenderChunks(-1);
}

#include "windows/GUI_Assets.h"

#include "career/SIM_Album.h"
#include "career/SIM_AssetKinds.h"
#include "career/SIM_AssetMusic.h"
#include "engine/LibTextEngine.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Sounds.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/Input.h"
#include "sim/GAssert.h"
#include "windows/GUI_AlbumIcon.h"
#include "windows/GUI_Shopping.h"

#include <algorithm>

std::vector<GUI_AssetIcon*> GUI_AssetIcon::All;

namespace {

constexpr size_t kKeyNameLength = 14;
// The picture sits inside a white backing of the full size.
constexpr float kPictureShare = 12.0f / 13.0f;

} // namespace

// ---- The icon ----

GUI_AssetIcon::GUI_AssetIcon(SIM_Asset* asset) : asset_(asset)
{
    GAssert(asset != nullptr, __FILE__, __LINE__);
    const std::string guiName = asset ? asset->GetGUIName() : std::string();
    if (asset && asset->GetTypeName() == "merchandise") {
        merchandise_ = true;
        baseName_ = guiName.substr(0, guiName.find('('));
        buyMore_ = new GUI_IconButton("button_add.dds", BuyMore, reinterpret_cast<intptr_t>(this));
        buyMore_->SetHighlightTexture("button_add_h.dds");
        buyMore_->SetTooltip("MERCHANDISE_BUYMORE_TOOLTIP", 10);
        AddButton(buyMore_);
    }
    if (asset)
        picture_.SetTexture(asset->GetTextureName());
    backing_.SetVertexColor(255, 255, 255, 255);
    All.push_back(this);
    SetName(AddDots(guiName, kKeyNameLength));
    hoverTip_ = new GUI_Tooltip(guiName, 15);
    hoverTip_->SetMode(GUI_Tooltip::FOLLOW_MOUSE);
    SetDraggable(false);
}

GUI_AssetIcon::~GUI_AssetIcon()
{
    delete hoverTip_;
    hoverTip_ = nullptr;
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

bool GUI_AssetIcon::AssetLive() const
{
    return SIM_Asset::IsOwned(asset_);
}

void GUI_AssetIcon::Resize(float size)
{
    iconSize_ = size;
    SetSize(size, size);
    backing_.width = backing_.height = size;
    picture_.width = picture_.height = size * kPictureShare;
}

std::string GUI_AssetIcon::NameTag() const
{
    if (merchandise_) {
        const auto* stock = AssetLive() ? dynamic_cast<const SIM_Merchandise*>(asset_) : nullptr;
        return baseName_ + "(X" + NumToDelimitedChar(stock ? stock->GetQuantity() : 0) + ")";
    }
    return GetWidth() >= NAME_TAG_MIN_WIDTH ? GetName() : std::string();
}

void GUI_AssetIcon::Draw()
{
    if (buyMore_)
        buyMore_->SetPosition(float(rect.right - 24), float(rect.top + 8), float(rect.right - 8),
                              float(rect.top + 24));
    GUI_DesktopItem::Draw();
    if (!MouseInside())
        GUI_WindowBackground::DrawAngledDropShadow("window_sq_dropshadow.dds", rect, 8.0f, 0.0f, 6);
    else
        DrawMouseover();
    D3DEngine* engine = GetD3DEngine();
    engine->SetLinearFilter();
    engine->SetTexture(0, 0);
    backing_.PlaceLocal(GetCenterX(), GetCenterY());
    backing_.Draw();
    picture_.PlaceLocal(GetCenterX(), GetCenterY());
    picture_.Draw();
    const std::string tag = NameTag();
    if (!tag.empty())
        DrawNameTag(tag);
    if (buyMore_)
        buyMore_->Draw();
    if (hoverTip_)
        hoverTip_->Draw();
}

void GUI_AssetIcon::ProcessInput()
{
    GUIButtonList::ProcessInput();
    CInput* input = GetInput();
    if (hoverTip_ && !input->IsMouseMovesEaten() && picture_.IsPointInside(input->MouseX(), input->MouseY())) {
        hoverTip_->Ping();
        hoverTip_->AutoPosition();
    }
    GUI_DesktopItem::ProcessInput();
}

void GUI_AssetIcon::Clicked()
{
    // The shop lies over the desktop: its own offers are what a click there is for.
    if (GUI_Shopping::PTheWindow)
        return;
    if (!AssetLive())
        return;
    GUI_GetSounds()->PlaySound(GUI_Sounds::SOUND_CLICK);
    asset_->Clicked();
}

void GUI_AssetIcon::ClearIcons()
{
    while (!All.empty())
        delete All.front(); // the destructor leaves All
}

void GUI_AssetIcon::BuyMore(intptr_t icon)
{
    if (!icon)
        return;
    GUI_Shopping::Create();
    GUI_Shopping::GotoStore(GUI_Shopping::MERCHANDISE);
}

// ---- The keeper ----

GUI_Assets::GUI_Assets()
{
    GUI_BaseElement::SetPosition(0.0f, 0.0f, 1.0f, 1.0f);
    SetEatsMouse(false);
    SetCloseOnRestart(false);
    AddToGUI();
    Refresh();
}

void GUI_Assets::Draw() { DrawButtons(); }

void GUI_Assets::Refresh()
{
    GUI_AssetIcon::ClearIcons();
    std::vector<std::string> counters;
    int count = 0;
    // A snapshot: nothing here changes the owned list, but icons must never walk a list
    // that a callback could change.
    const std::vector<SIM_Asset*> owned = SIM_Asset::OwnedAssets;
    for (SIM_Asset* asset : owned) {
        if (!asset || asset->IsAssigned())
            continue;
        if (auto* merch = dynamic_cast<SIM_Merchandise*>(asset)) {
            const std::string& counter = merch->GetGlobalCounterName();
            if (std::find(counters.begin(), counters.end(), counter) != counters.end())
                continue;
            counters.push_back(counter);
        }
        if (auto* music = dynamic_cast<SIM_AssetMusic*>(asset); music && music->GetListenedPercentage() >= 1.0f)
            continue;
        auto* icon = new GUI_AssetIcon(asset);
        if (!icon->IsMerchandise())
            ++count;
    }
    count += int(SIM_Album::All.size());
    const bool small = count > MAX_LARGE_ICONS;
    const float size = small ? SMALL_SIZE : LARGE_SIZE;
    GUI_DesktopItem::SetSmallIconMode(small);
    for (GUI_AssetIcon* icon : GUI_AssetIcon::All) {
        icon->Resize(icon->IsMerchandise() ? GUI_AssetIcon::MERCHANDISE_SIZE : size);
        PlaceIcon(icon);
    }
    GUI_AlbumIcon::Refresh();
}

void GUI_Assets::PlaceIcon(GUI_AssetIcon* icon)
{
    if (icon->IsMerchandise())
        GUI_DesktopItem::SetSlotPosition(icon, 0, GUI_DesktopItem::FIRST_FREE_SLOT);
    else
        GUI_DesktopItem::SetSlotPosition(icon, GUI_DesktopItem::FIRST_FREE_SLOT, 99);
}

GUI_Assets* GUI_GetAssets()
{
    static GUI_Assets* assets = new GUI_Assets();
    return assets;
}

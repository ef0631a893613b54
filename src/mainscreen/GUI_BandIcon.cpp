#include "mainscreen/GUI_BandIcon.h"

#include "career/SIM_Asset.h"
#include "engine/GDebugEngine.h"
#include "engine/GTranslation.h"
#include "engine/LibTextEngine.h"
#include "engine/gfx/D3DEngine.h"
#include "mainscreen/GUI_Musician.h"
#include "shell/GUI_HintHelp.h"
#include "shell/GUI_Indicator.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/Input.h"
#include "sim/GAssert.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Musician.h"

#include <algorithm>

std::vector<GUI_BandIcon*> GUI_BandIcon::All;
GUI_BandIcon* GUI_BandIcon::PSelected = nullptr;

namespace {

bool IsLive(const SIM_Musician* musician)
{
    return musician && std::find(SIM_Musician::All.begin(), SIM_Musician::All.end(), musician) !=
                           SIM_Musician::All.end();
}

} // namespace

// ---- Band icons ----

GUI_BandIcon::GUI_BandIcon(SIM_Musician* musician) : musician_(musician)
{
    All.push_back(this);
    SetDraggable(false);
    SetName(musician->GetFullName());
    if (GetTooltip())
        GetTooltip()->SetText(GTranslation::GetString("BAND_ICON_TOOLTIP"));
    SetSize(kSize, kSize);
    portrait_.width = kPortraitSize;
    portrait_.height = kPortraitSize;
    portrait_.SetTexture(musician->GetPortraitTexture());
    backing_.width = kSize;
    backing_.height = kSize;
    instrumentName_ = ::GetInstrumentName(musician->GetInstrument());
}

GUI_BandIcon::~GUI_BandIcon()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
    if (PSelected == this)
        PSelected = nullptr;
    // The musician may outlive its icon (a new game closes the desktop): it must not keep
    // pointing here.
    if (IsLive(musician_) && musician_->GetIcon() == static_cast<SIM_BandIconView*>(this))
        musician_->SetIcon(nullptr);
    KillChildren();
}

GUI_BandIcon* GUI_BandIcon::Find(const SIM_Musician* musician)
{
    for (GUI_BandIcon* icon : All)
        if (icon->musician_ == musician)
            return icon;
    return nullptr;
}

void GUI_BandIcon::AddMusician(SIM_Musician* musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    if (!musician)
        return;
    // Joining and loading both announce a member; one icon each all the same.
    GUI_BandIcon* icon = Find(musician);
    if (!icon)
        icon = new GUI_BandIcon(musician);
    PositionBandIcons();
    musician->SetIcon(icon);
}

void GUI_BandIcon::RemoveMusician(SIM_Musician* musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    if (!musician)
        return;
    delete Find(musician);
}

GUI_BandIcon* GUI_BandIcon::GetIcon(SIM_Musician* musician)
{
    GAssert(musician != nullptr, __FILE__, __LINE__);
    if (!musician)
        return nullptr;
    if (GUI_BandIcon* icon = Find(musician))
        return icon;
    GError("Failed to find icon", __FILE__, __LINE__);
    return nullptr;
}

void GUI_BandIcon::PositionBandIcons()
{
    float x = kFirstX;
    const std::vector<GUI_BandIcon*> snapshot = All;
    for (GUI_BandIcon* icon : snapshot) {
        icon->SetPosition(x, kTop, x + kSize, kTop + kSize);
        icon->PositionPosessionIcons();
        x += kPitch;
    }
}

void GUI_BandIcon::PositionPosessionIcons()
{
    KillChildren();
    const float size = GUI_PossesionIcon::POSSESSIONICONSIZE;
    float x = float(rect.left) - 6.0f;
    float y = float(rect.top) + 10.0f;
    int count = 0;
    const std::vector<SIM_Asset*> possessions = musician_->GetPossesions();
    for (SIM_Asset* asset : possessions) {
        if (!asset)
            continue;
        auto* icon = new GUI_PossesionIcon(asset);
        AddChild(icon);
        icon->SetPosition(x, y, x + size, y + size);
        y += 22.0f;
        if (++count == 5) {
            x = float(rect.right) + 6.0f - size;
            y = float(rect.top) + 10.0f;
        }
    }
}

void GUI_BandIcon::UpdateTexture() { portrait_.SetTexture(musician_->GetPortraitTexture()); }

void GUI_BandIcon::KillIcons()
{
    while (!All.empty())
        delete All.front();
}

void GUI_BandIcon::Clicked()
{
    // The icon only shows a copy: the window opens for a musician still in the band.
    if (IsLive(musician_) && SIM_GetBand()->IsMember(musician_))
        GUI_Musician::Create(musician_);
}

void GUI_BandIcon::Draw()
{
    GUI_DesktopItem::Draw();
    CInput* input = GetInput();
    if (PtInside(input->MouseX(), input->MouseY())) {
        PSelected = this;
        DrawMouseover();
    } else {
        GUI_WindowBackground::DrawDropShadow(TEX_SQ_DROPSHADOW, rect, 8.0f, 4);
    }
    D3DEngine* d3d = GetD3DEngine();
    backing_.PlaceLocal(GetCenterX(), GetCenterY());
    d3d->FillRect(backing_, PackColor(255, 255, 255, 255));
    portrait_.PlaceLocal(GetCenterX(), GetCenterY());
    portrait_.Draw();
    DrawNameTag(GetName());

    const tagRECT label {rect.left + 16, rect.top - 7, rect.right - 16, rect.top + 7};
    d3d->FillRect(label, PackColor(224, 224, 224, 255));
    d3d->FrameRect(label, PackColor(64, 64, 64, 255));
    LibTextEngine* text = GetTextEngine();
    text->SetCurrentFont("verdana12.dds", 12.0f);
    text->AddQueueString(instrumentName_, float(label.left), float(label.top + 1), VertexColor(0, 0, 0, 255),
                         float(label.right - label.left), LibTextEngine::ALIGN_CENTRE);
    // Both labels now, before anything is drawn over them or the queue's font changes.
    d3d->SetPointFilter();
    text->ProcessTextQueue(-1);
    d3d->SetLinearFilter();
    GUI_HintHelp::Launch("band icon");
    DrawChildren();
}

// ---- Possession icons ----

GUI_PossesionIcon::GUI_PossesionIcon(SIM_Asset* asset) : asset_(asset)
{
    GAssert(asset != nullptr, __FILE__, __LINE__);
    picture_.width = POSSESSIONICONSIZE;
    picture_.height = POSSESSIONICONSIZE;
    if (asset)
        picture_.SetTexture(asset->GetTextureName());
    tooltip_ = std::make_unique<GUI_Tooltip>(asset ? asset->GetGUIName() : std::string(), 10);
}

GUI_PossesionIcon::~GUI_PossesionIcon() = default;

void GUI_PossesionIcon::Draw()
{
    picture_.PlaceLocal(GetCenterX(), GetCenterY());
    if (!picture_.GetTextureName().empty())
        picture_.Draw();
    GetD3DEngine()->FrameRect(rect, PackColor(255, 255, 255, 255));
    tooltip_->Draw();
}

void GUI_PossesionIcon::ProcessInput()
{
    CInput* input = GetInput();
    if (!input->IsMouseMovesEaten() && MouseInside()) {
        tooltip_->Ping();
        tooltip_->AutoPosition();
    }
    GUI_WindowBase::ProcessInput();
}

// ---- The band-state panel ----

GUI_BandState* GUI_GetBandState()
{
    // Closing the panel by any route clears the slot; the next call makes a fresh one.
    static GUI_WindowSlot<GUI_BandState> panel;
    if (!panel)
        panel = new GUI_BandState;
    return panel;
}

GUI_BandState::GUI_BandState() : GUI_IndicatorPanel(71.0f) { AddToGUI(); }

void GUI_BandState::Setup()
{
    ClearIndicators();
    const float height = 74.0f + 6.0f * CHUNKHEIGHT;
    const float left = float(GetD3DEngine()->GetScreenWidth()) - kWidth;
    SetPosition(left, kTop, left + kWidth, kTop + height);
    SetTitle(GTranslation::GetString("IDTAB_BAND"));
    CreateIndicators();
    if (!IsInGUI())
        AddToGUI();
}

void GUI_BandState::CreateIndicators()
{
    const float x = float(rect.left);
    float y = float(rect.top) + 103.0f;
    for (SIM_NamedValue* value : SIM_GetBand()->GetAttributes().GetRawList()) {
        auto* attribute = dynamic_cast<SIM_Attribute*>(value);
        if (!attribute || !attribute->IsAlwaysShown())
            continue;
        AddIndicator(attribute, x, y);
        y += CHUNKHEIGHT;
    }
}

void GUI_BandState::AddIndicator(SIM_Attribute* attribute, float x, float y)
{
    GAssert(attribute != nullptr, __FILE__, __LINE__);
    if (!attribute)
        return;
    AddIndicatorFor(attribute, x, y, CHUNKHEIGHT);
}

int GUI_BandState::CountIndicators() const { return int(SIM_GetBand()->GetAttributes().GetRawList().size()); }


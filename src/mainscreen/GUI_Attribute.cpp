#include "mainscreen/GUI_Attribute.h"

#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "mainscreen/GUI_BandIcon.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_Indicator.h"
#include "shell/GUI_MindState.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/Input.h"
#include "sim/GAssert.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_Relationship.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

GUI_WindowSlot<GUI_Attribute> GUI_Attribute::PTheWindow;
std::vector<GUI_Relationship*> GUI_Relationship::All;

namespace {

constexpr const char* kDescriptionFont = "tahoma";

} // namespace

// ---- The attribute pop-up ----

void GUI_Attribute::Create(SIM_Attribute* attribute)
{
    GAssert(attribute != nullptr, __FILE__, __LINE__);
    if (!attribute)
        return;
    Close();
    new GUI_Attribute(attribute);
}

void GUI_Attribute::Close() { delete PTheWindow.Get(); }

void GUI_Attribute::CloseFor(const std::vector<const SIM_Attribute*>& attributes)
{
    if (PTheWindow && std::find(attributes.begin(), attributes.end(), PTheWindow->attribute_) != attributes.end())
        Close();
}

GUI_Attribute::GUI_Attribute(SIM_Attribute* attribute)
    : attribute_(attribute), key_(attribute->GetName()), name_(attribute->GetGUIName()), description_(attribute->GetDescription()),
      value_(attribute->GetValue())
{
    PTheWindow = this;
    close_ = new GUI_CloseButton;
    AddButton(close_);
    SetSize(kWidth, 49.0f);
    AddToGUI();
}

GUI_Attribute::~GUI_Attribute() = default;

float GUI_Attribute::CurrentValue() const
{
    const auto& live = SIM_Attribute::All;
    if (std::find(live.begin(), live.end(), attribute_) != live.end())
        value_ = attribute_->GetValue();
    return value_;
}

std::string GUI_Attribute::GetHeading() const
{
    char heading[1024];
    std::snprintf(heading, sizeof(heading), "%s (%.0f%%)", name_.c_str(), double(100.0f * CurrentValue()));
    return heading;
}

void GUI_Attribute::CalcSize()
{
    GDIText::Begin();
    GDIText::SetFont(kDescriptionFont, 14, false);
    const int textHeight = GDIText::GetTextHeight(description_.c_str(), 210.0f);
    GDIText::End();
    const int h = 49 + textHeight;
    SetSize(kWidth, float(h));

    // The player's panel is searched first: an attribute on both panels anchors there.
    GUI_Indicator* indicator = GUI_GetMindState()->GetIndicator(key_);
    if (!indicator)
        indicator = GUI_GetBandState()->GetIndicator(key_);

    if (indicator) {
        const tagRECT& bar = indicator->GetRect();
        const int x = bar.left - 230 - 50;
        const int cy = (bar.top + bar.bottom) / 2 + 5;
        SetPosition(float(x), float(cy - h / 2), float(x + 250), float(cy + h / 2));
        pointer_ = tagRECT {rect.right - 4, cy - 2, bar.left - 2, cy + 2};
    } else {
        PlaceCentral();
        pointer_ = tagRECT {0, 0, 1, 1};
    }
    sized_ = true;
}

void GUI_Attribute::Draw()
{
    if (!sized_)
        CalcSize();
    D3DEngine* d3d = GetD3DEngine();
    GUI_WindowBackground::DrawDropShadow(rect, 20.0f, 4);
    d3d->FillRect(pointer_, PackColor(224, 224, 224, 255));
    close_->SetPosition(float(rect.right - 28), float(rect.top + 10), float(rect.right - 10), float(rect.top + 28));
    GUI_WindowBackground::DrawTiled(rect, TEX_WINDOW, 20.0f, 1.0f);
    DrawButtons();
    GDIText::AddChunk(float(rect.left + 20), float(rect.top + 10), GetHeading(), kBoldFontName, 18,
                      float(GetWidth() - 50), 0, 255, 255, 255);
    GDIText::AddChunk(float(rect.left + 20), float(rect.top + 35), description_, kDescriptionFont, 14,
                      float(GetWidth() - 40), 0, 255, 255, 255);
    GDIText::RenderChunks(-1);
}

// ---- Personality strips ----

std::string GUI_PersonalityStrip::Personalise(const std::string& description, const std::string& forename,
                                              bool female)
{
    // Worked on in a fixed buffer, as long as any description the table holds.
    char buffer[1024];
    std::snprintf(buffer, sizeof(buffer), "%s", description.c_str());
    GTranslation::ReplaceToken(buffer, "<NAME>", forename.c_str());
    GTranslation::ReplaceToken(buffer, "<HE_SHE>", GTranslation::GetString(female ? "SHE" : "HE"));
    return buffer;
}

GUI_PersonalityStrip::GUI_PersonalityStrip(SIM_Musician* musician, SIM_Personality* personality)
    : personality_(personality), musician_(musician)
{
    GAssert(personality != nullptr, __FILE__, __LINE__);
    GAssert(musician != nullptr, __FILE__, __LINE__);
    std::string tip;
    if (personality && musician) {
        displayName_ = personality->GetGUIName();
        tip = Personalise(personality->GetDescription(), musician->GetForeName(),
                          musician->GetGender() != SIM_GENDER(0));
    }
    tooltip_ = std::make_unique<GUI_Tooltip>(tip, 30);
    tooltip_->SetMode(GUI_Tooltip::PLACED);
}

GUI_PersonalityStrip::~GUI_PersonalityStrip() = default;

void GUI_PersonalityStrip::Draw()
{
    tooltip_->Draw();
    D3DEngine* d3d = GetD3DEngine();
    CInput* input = GetInput();
    const bool over = PtInside(input->MouseX(), input->MouseY());
    d3d->FillRect(rect, over ? PackColor(64, 64, 64, 255) : PackColor(44, 44, 44, 255));
    d3d->FrameRect(rect, PackColor(128, 128, 128, 255));
    GDIText::AddChunk(float(rect.left), float(rect.top + 2), displayName_, kBoldFontName, 16, float(GetWidth()), 1,
                      255, 255, 255);
    GDIText::RenderChunks(-1);
}

void GUI_PersonalityStrip::ProcessInput()
{
    GUI_WindowBase::ProcessInput();
    CInput* input = GetInput();
    if (PtInside(input->MouseX(), input->MouseY())) {
        tooltip_->Ping();
        tooltip_->AutoPosition();
    }
}

// ---- Relationship lines ----

GUI_Relationship::GUI_Relationship(SIM_Relationship* relationship)
    : relationship_(relationship), low_(SIM_GetGlobalVariables()->Get("RS_RELATE_DRAW_LOW")),
      high_(SIM_GetGlobalVariables()->Get("RS_RELATE_DRAW_HIGH"))
{
    GAssert(relationship != nullptr, __FILE__, __LINE__);
    sprite_.SetTexture("relationship.dds");
    All.push_back(this);
}

GUI_Relationship::~GUI_Relationship() { All.erase(std::remove(All.begin(), All.end(), this), All.end()); }

GUI_Relationship::LineState GUI_Relationship::StateFor(float value, float low, float high)
{
    if (std::isnan(value) || (low < value && value < high))
        return LINE_NONE;
    return value <= low ? LINE_BAD : LINE_GOOD;
}

GUI_Relationship::LineState GUI_Relationship::GetState() const
{
    return relationship_ ? StateFor(relationship_->GetValue(), low_, high_) : LINE_NONE;
}

void GUI_Relationship::Draw()
{
    const LineState state = GetState();
    if (state == LINE_NONE)
        return;
    // Both ends need a portrait on the desktop; a member without one draws no line.
    auto* a = dynamic_cast<GUI_BandIcon*>(relationship_->GetP1() ? relationship_->GetP1()->GetIcon() : nullptr);
    auto* b = dynamic_cast<GUI_BandIcon*>(relationship_->GetP2() ? relationship_->GetP2()->GetIcon() : nullptr);
    if (!a || !b)
        return;
    if (state == LINE_BAD)
        sprite_.SetVertexColor(200, 32, 32, 128);
    else
        sprite_.SetVertexColor(32, 200, 32, 128);
    first_ = V2(a->GetCenterX(), a->GetCenterY());
    second_ = V2(b->GetCenterX(), b->GetCenterY());
    sprite_.width = 64.0f;
    sprite_.height = GetDist(first_.x, first_.y, second_.x, second_.y);
    sprite_.angle = AngleToObject(second_.x, second_.y, first_.x, first_.y);
    sprite_.PlaceLocal((first_.x + second_.x) / 2.0f, (first_.y + second_.y) / 2.0f);
    sprite_.Draw();
}

void GUI_Relationship::DrawAll()
{
    for (GUI_Relationship* line : All)
        line->Draw();
}

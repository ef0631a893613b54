#include "shell/GUI_DesktopItem.h"

#include "engine/GRandom.h"
#include "engine/GTranslation.h"
#include "engine/LibTextEngine.h"
#include "engine/gfx/D3DEngine.h"
#include "port/AtomicFile.h"
#include "shell/GUI_Tooltip.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/Game.h"
#include "shell/Input.h"
#include "sim/GAssert.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

std::vector<GUI_DesktopItem*> GUI_DesktopItem::All;
std::vector<GUI_DesktopItem::Position> GUI_DesktopItem::Positions;
V2 GUI_DesktopItem::SlotPositions[GUI_DesktopItem::NUM_SLOTS];
bool GUI_DesktopItem::BSlotsFull[GUI_DesktopItem::NUM_SLOTS];
bool GUI_DesktopItem::BSmallIconMode = false;

namespace {

// The free-placement area and its number of tries.
constexpr float kAreaLeft = 233.0f, kAreaTop = 70.0f, kAreaRight = 850.0f, kAreaBottom = 678.0f;
constexpr int kPlacementTries = 50;
constexpr size_t kMaxLine = 1023;

// A number of the file: the whole field must read as a finite number.
bool ReadNumber(const std::string& field, float& out)
{
    const char* begin = field.c_str();
    char* end = nullptr;
    double v = std::strtod(begin, &end);
    if (end == begin || !std::isfinite(v))
        return false;
    while (*end == ' ' || *end == '\t' || *end == '\r')
        ++end;
    if (*end != '\0' || std::fabs(v) > 1e9)
        return false;
    out = float(v);
    return true;
}

} // namespace

// ---- The icon ----

GUI_DesktopItem::GUI_DesktopItem()
{
    All.push_back(this);
    GUI_BaseElement::SetPosition(0.0f, 0.0f, 0.0f, 0.0f);
    tooltip_ = new GUI_Tooltip(GTranslation::GetString("DESKTOP_ITEM_TOOLTIP"), 10);
    SetDraggable(true);
    AddToGUI();
}

GUI_DesktopItem::~GUI_DesktopItem()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
    delete tooltip_;
    tooltip_ = nullptr;
    if (slot_ >= 0 && slot_ < NUM_SLOTS)
        BSlotsFull[slot_] = false;
}

void GUI_DesktopItem::Draw()
{
    if (tooltip_)
        tooltip_->Draw();
}

void GUI_DesktopItem::ProcessInput()
{
    if (!IsVisible())
        return;
    if (IsDraggable())
        ProcessDrag();
    std::vector<GUI_WindowBase*> snapshot = Children();
    for (GUI_WindowBase* c : snapshot) {
        const auto& live = Children();
        if (std::find(live.begin(), live.end(), c) != live.end())
            c->ProcessInput();
    }
    CInput* input = GetInput();
    if (!input->IsMouseMovesEaten() && MouseInside()) {
        if (tooltip_) {
            tooltip_->Ping();
            tooltip_->AutoPosition();
        }
        input->EatMouseMoves();
    }
}

bool GUI_DesktopItem::CheckClick(float x, float y)
{
    GUI_WindowBase::CheckClick(x, y);
    // A button or child may have closed the icon in its callback: nothing more of it then.
    if (std::find(All.begin(), All.end(), this) == All.end())
        return true;
    if (!PtInside(x, y))
        return false;
    Clicked();
    return true;
}

bool GUI_DesktopItem::CheckRightClick(float x, float y)
{
    if (!PtInside(x, y))
        return false;
    Clicked();
    return true;
}

void GUI_DesktopItem::UpdatePosition()
{
    // Dropped half off the screen it could never be picked up again.
    PlaceAt(V2(float(rect.left), float(rect.top)));
    SavePositions();
}

void GUI_DesktopItem::DrawNameTag(std::string text)
{
    if (name_.empty())
        return;
    tagRECT tag {rect.left + 8, rect.bottom - 7, rect.right - 8, rect.bottom + 7};
    D3DEngine* engine = GetD3DEngine();
    engine->FillRect(tag, PackColor(224, 224, 224, 255));
    engine->FrameRect(tag, PackColor(64, 64, 64, 255));
    LibTextEngine* text_engine = GetTextEngine();
    text_engine->SetCurrentFont("verdana12.dds", 12.0f);
    text_engine->AddQueueString(text, float(tag.left), float(tag.top + 1), VertexColor(0, 0, 0, 255),
                                float(tag.right - tag.left), LibTextEngine::ALIGN_CENTRE);
}

void GUI_DesktopItem::DrawMouseover()
{
    tagRECT glow {rect.left - 9, rect.top - 9, rect.right + 9, rect.bottom + 9};
    GUI_WindowBackground::DrawTiled(glow, "window_hilite.dds", 32.0f, 0.7f);
}

void GUI_DesktopItem::PlaceAt(V2 topLeft)
{
    // Clamped as floats first: a stored position far off the screen must not overflow
    // the rectangle's ints.
    float w = float(GetWidth()), h = float(GetHeight());
    float maxX = std::max(0.0f, D3DEngine::W - w);
    float maxY = std::max(0.0f, D3DEngine::H - h);
    float x = std::isfinite(topLeft.x) ? std::clamp(topLeft.x, 0.0f, maxX) : 0.0f;
    float y = std::isfinite(topLeft.y) ? std::clamp(topLeft.y, 0.0f, maxY) : 0.0f;
    GUI_BaseElement::SetPosition(x, y, x + w, y + h);
}

// ---- Placement ----

V2 GUI_DesktopItem::SlotPoint(int slot)
{
    if (slot < 0 || slot >= NUM_SLOTS)
        return V2(0.0f, 0.0f);
    if (slot < 5)
        return V2(152.0f + 135.0f * float(slot), 225.0f);
    if (slot < 10)
        return V2(152.0f + 135.0f * float(slot - 5), 365.0f);
    if (slot < 14)
        return V2(287.0f + 135.0f * float(slot - 10), 505.0f);
    if (slot < 24)
        return V2(152.0f + 67.0f * float(slot - 14), 365.0f);
    if (slot < 34)
        return V2(152.0f + 67.0f * float(slot - 24), 432.0f);
    if (slot < 42)
        return V2(286.0f + 67.0f * float(slot - 34), 499.0f);
    if (slot < 50)
        return V2(286.0f + 67.0f * float(slot - 42), 566.0f);
    return V2(286.0f + 67.0f * float(slot - 50), 633.0f);
}

void GUI_DesktopItem::Open()
{
    LoadPositions();
    for (int i = 0; i < NUM_SLOTS; ++i) {
        SlotPositions[i] = SlotPoint(i);
        BSlotsFull[i] = false;
    }
}

bool GUI_DesktopItem::FoundStoredPosition(GUI_DesktopItem* icon)
{
    if (!icon)
        return false;
    for (const Position& p : Positions)
        if (p.name == icon->name_) {
            icon->PlaceAt(p.point);
            return true;
        }
    return false;
}

void GUI_DesktopItem::SetSlotPosition(GUI_DesktopItem* icon, int first, int last)
{
    if (!icon)
        return;
    // Placed again (a refresh), the icon gives up the slot it held, so slots never leak.
    if (icon->slot_ >= 0 && icon->slot_ < NUM_SLOTS)
        BSlotsFull[icon->slot_] = false;
    icon->slot_ = -1;
    last = std::min(last, NUM_SLOTS);
    if (first > 2 && BSmallIconMode)
        first = FIRST_SMALL_SLOT;
    first = std::max(first, 0);
    for (int i = first; i < last; ++i) {
        if (BSlotsFull[i])
            continue;
        icon->PlaceAt(SlotPositions[i]);
        icon->slot_ = i;
        BSlotsFull[i] = true;
        return;
    }
    PlaceNew(icon, LARGE_ICON);
}

void GUI_DesktopItem::PlaceNew(GUI_DesktopItem* icon, float size)
{
    if (!icon || FoundStoredPosition(icon))
        return;
    float best = 99999.0f;
    V2 corner(0.0f, 0.0f);
    for (int i = 0; i < kPlacementTries; ++i) {
        float x = GRandom::RandReal(kAreaLeft, kAreaRight - size);
        float y = GRandom::RandReal(kAreaTop, kAreaBottom - size);
        float score = GetOverlap(V2(x, y), size);
        if (score < best) {
            best = score;
            corner = V2(x, y);
        }
    }
    icon->PlaceAt(corner);
}

float GUI_DesktopItem::GetOverlap(V2 corner, float size)
{
    const long long l = (long long)corner.x, t = (long long)corner.y;
    const long long r = (long long)(corner.x + size), b = (long long)(corner.y + size);
    double total = 0.0;
    for (const GUI_DesktopItem* icon : All) {
        long long il = std::max<long long>(l, icon->rect.left), it = std::max<long long>(t, icon->rect.top);
        long long ir = std::min<long long>(r, icon->rect.right), ib = std::min<long long>(b, icon->rect.bottom);
        if (ir > il && ib > it)
            total += double(ir - il) * double(ib - it);
    }
    return float(total);
}

void GUI_DesktopItem::KeepAllOnScreen()
{
    for (GUI_DesktopItem* icon : All)
        icon->PlaceAt(V2(float(icon->rect.left), float(icon->rect.top)));
}

// ---- The positions file ----

std::string GUI_DesktopItem::PositionsFilePath() { return GetGame()->GetUserDir() + "/icon_positions.txt"; }

bool GUI_DesktopItem::IsStorableName(const std::string& name)
{
    static const std::string forbidden(",\r\n\0", 4); // each would cut the line or the name
    return !name.empty() && name.find_first_of(forbidden) == std::string::npos;
}

std::vector<GUI_DesktopItem::Position> GUI_DesktopItem::ParsePositions(const std::string& text)
{
    std::vector<Position> out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() < 3 || line.size() > kMaxLine)
            continue;
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string f; std::getline(split, f, ',');)
            fields.push_back(f);
        // A key name with a comma would be read back cut: such a line belongs to no icon.
        if (fields.size() != 3 || !IsStorableName(fields[0]))
            continue;
        Position p;
        p.name = fields[0];
        if (!ReadNumber(fields[1], p.point.x) || !ReadNumber(fields[2], p.point.y))
            continue;
        out.push_back(p);
    }
    return out;
}

std::string GUI_DesktopItem::FormatPositions(const std::vector<Position>& positions)
{
    std::string text;
    char line[1100];
    for (const Position& p : positions) {
        if (!IsStorableName(p.name) || p.name.size() > 1000)
            continue;
        std::snprintf(line, sizeof line, "%s,%d,%d\n", p.name.c_str(), int(p.point.x), int(p.point.y));
        text += line;
    }
    return text;
}

std::vector<GUI_DesktopItem::Position> GUI_DesktopItem::MergePositions(const std::vector<Position>& current,
                                                                       const std::vector<Position>& stored)
{
    std::vector<Position> merged;
    std::set<std::string> names;
    for (const Position& p : current)
        if (IsStorableName(p.name) && names.insert(p.name).second)
            merged.push_back(p);
    for (const Position& p : stored)
        if (IsStorableName(p.name) && names.insert(p.name).second)
            merged.push_back(p);
    return merged;
}

void GUI_DesktopItem::LoadPositions()
{
    Positions.clear();
    std::ifstream file(PositionsFilePath(), std::ios::binary);
    if (!file)
        return;
    std::stringstream text;
    text << file.rdbuf();
    Positions = ParsePositions(text.str());
}

void GUI_DesktopItem::SavePositions()
{
    std::vector<Position> current;
    for (const GUI_DesktopItem* icon : All)
        current.push_back(Position {icon->name_, V2(float(icon->rect.left), float(icon->rect.top))});
    Positions = MergePositions(current, Positions);
    bool saved = WriteFileAtomically(PositionsFilePath(), FormatPositions(Positions));
    GAssert(saved, __FILE__, __LINE__);
}

#include "shell/GUI_Balance.h"

#include "engine/gfx/D3DEngine.h"

#include <cmath>

namespace {
const uint32_t kBlack = 0xFF000000u;
const uint32_t kWhite = 0xFFFFFFFFu;
const uint32_t kRed = 0xFFFF0000u;
const int kInset = 50;
const size_t kWindow = GAM_PlayBalancer::kWindow;

void DrawLine(const std::vector<V2>& vertices, uint32_t colour)
{
    for (size_t i = 1; i < vertices.size(); ++i)
        GetD3DEngine()->RenderLine(vertices[i - 1].x, vertices[i - 1].y, vertices[i].x, vertices[i].y, colour);
}
} // namespace

GUI_WindowSlot<GUI_Balance> GUI_Balance::PTheWindow;

void GUI_Balance::Create()
{
    delete PTheWindow;
    new GUI_Balance();
    PTheWindow->Initialise();
}

GUI_Balance::GUI_Balance() : GUI_Dialog(true)
{
    PTheWindow = this;
    SetSize(500, 500);
    PlaceCentral();
    UpdateClientArea();
    const tagRECT& r = GetRect();
    SetRect(&graph_, r.left + kInset, r.top + kInset, r.right - kInset, r.bottom - kInset);
}

GUI_Balance::~GUI_Balance() = default;

GUI_Balance::Points GUI_Balance::ComputePoints(const std::deque<GAM_PlayBalancer::BALANCE_LOGENTRY>& history)
{
    Points points;
    for (const auto& entry : history) {
        points.worth.push_front(entry.worth);
        if (std::isfinite(entry.worth) && entry.worth > points.highest)
            points.highest = entry.worth;
        if (points.worth.size() < 2 * kWindow) {
            points.ratio.push_front(1.0f);
            continue;
        }
        float earlier = 0.0f;
        float later = 0.0f;
        for (size_t i = 0; i < kWindow; ++i) {
            earlier += points.worth[i];
            later += points.worth[i + kWindow];
        }
        points.ratio.push_back(later / earlier);
    }
    return points;
}

std::vector<V2> GUI_Balance::Polyline(const tagRECT& graph, size_t count, const std::deque<float>& values,
                                      float (*fraction)(float, float), float highest)
{
    std::vector<V2> vertices;
    if (count == 0)
        return vertices;
    const int step = (graph.right - graph.left) / int(count);
    const float height = float(graph.bottom - graph.top);
    for (size_t i = 0; i < values.size(); ++i) {
        const float y = float(graph.bottom) - fraction(values[i], highest) * height;
        if (!std::isfinite(y))
            continue;
        vertices.emplace_back(float(graph.left + step * int(i + 1)), y);
    }
    return vertices;
}

void GUI_Balance::Initialise()
{
    points_ = ComputePoints(GAM_GetBalancer()->GetHistory());
}

void GUI_Balance::Draw()
{
    GUI_Dialog::Draw();
    GetD3DEngine()->FillRect(graph_, kBlack);
    const size_t count = points_.worth.size();
    if (count < 2)
        return;
    DrawLine(Polyline(graph_, count, points_.worth, WorthFraction, points_.highest), kWhite);
    DrawLine(Polyline(graph_, count, points_.ratio, RatioFraction, points_.highest), kRed);
}

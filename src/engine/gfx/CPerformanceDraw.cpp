// The drawing half of the profiler overlay and the renderer counters: line graphs and a
// framed box through the renderer, names and numbers through the text engines.
#include "engine/CPerformance.h"
#include "engine/LibTextEngine.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "port/Rect.h"

#include <algorithm>

namespace {

// Section colours are kept red-low like fills; the text engine takes 0xAARRGGBB.
uint32_t ToVertexColour(uint32_t packed)
{
    return VertexColor(packed, packed >> 8, packed >> 16, packed >> 24);
}

float GraphY(float frameMs)
{
    return 400.0f - std::clamp(10.0f * frameMs, 0.0f, 400.0f);
}

} // namespace

void CPerformance::Render(LibTextEngine* engine)
{
    if (!engine)
        engine = GetTextEngine();
    D3DEngine* renderer = GetD3DEngine();
    float textY = 432.0f;
    for (const auto& section : sections_) {
        engine->AddQueueString(section->name, 544.0f, textY, ToVertexColour(section->colour));
        float x = 32.0f, y = GraphY(section->history[0]);
        for (int k = 1; k < CPerformanceObject::HISTORY; ++k) {
            float nx = 32.0f + 16.0f * k, ny = GraphY(section->history[k]);
            renderer->RenderLine(x, y, nx, ny, section->colour);
            x = nx;
            y = ny;
        }
        renderer->RenderLine(x, y, 544.0f, textY, section->colour);
        textY += 14.0f;
    }
    engine->ProcessTextQueue();
}

void GPerfStats::Draw()
{
    D3DEngine* renderer = GetD3DEngine();
    tagRECT box {};
    SetRect(&box, 32, 32, 232, 132);
    renderer->FillRect(box, 0xFF000000u);
    renderer->FrameRect(box, 0xFFFFFFFFu);
    GDIText::SetFont("tahoma", 12, false);
    GDIText::SetGDITextColor(255, 255, 255);
    float y = 42.0f;
    for (const std::string& line : Lines()) {
        GDIText::RenderText(42.0f, y, line, 0.0f);
        y += 12.0f;
    }
}

#include "shell/GUI_Tooltip.h"

#include "engine/gfx/D3DEngine.h"
#include "engine/LibTextEngine.h"
#include "shell/Input.h"

#include <algorithm>

namespace {

const char* const kFont = "verdana14.dds";
constexpr int kPointSize = 14;

std::vector<GUI_Tooltip*>& Queue()
{
    static std::vector<GUI_Tooltip*> queue;
    return queue;
}

// Selects the tip's font for a measurement or a draw and gives the caller's font back.
class TipFont {
public:
    TipFont()
        : engine_(GetTextEngine()),
          font_(engine_->GetCurrentFont() ? engine_->GetCurrentFont()->GetName() : ""),
          size_(engine_->GetPointsize())
    {
        engine_->SetCurrentFont(kFont);
        engine_->SetPointsize(kPointSize);
    }
    ~TipFont()
    {
        if (!font_.empty())
            engine_->SetCurrentFont(font_.c_str());
        engine_->SetPointsize(size_);
    }

private:
    LibTextEngine* engine_;
    std::string font_;
    float size_;
};

} // namespace

GUI_Tooltip::GUI_Tooltip(const std::string& text, int delay) : delay_(delay)
{
    SetSize(10.0f, 1.0f);
    SetText(text);
    GUI_BaseElement::SetPosition(0.0f, 0.0f, float(GetWidth()), float(GetHeight()));
}

GUI_Tooltip::~GUI_Tooltip()
{
    // An owner deleted after queueing its tip must not leave it on the draw list.
    auto& q = Queue();
    q.erase(std::remove(q.begin(), q.end(), this), q.end());
}

const std::vector<GUI_Tooltip*>& GUI_Tooltip::DrawList() { return Queue(); }

void GUI_Tooltip::SetText(const std::string& text)
{
    text_ = text.substr(0, 1023);
    TipFont font;
    LibTextEngine* engine = GetTextEngine();
    float width = engine->GetStringLength(text_.c_str());
    if (width <= WRAP_WIDTH)
        SetSize(8.0f + width, 20.0f);
    else
        SetSize(8.0f + engine->GetMaxWrapWidth(text_.c_str(), WRAP_WIDTH),
                4.0f + engine->GetWrappedHeight(text_.c_str(), WRAP_WIDTH));
    GUI_BaseElement::SetPosition(float(rect.left), float(rect.top));
}

void GUI_Tooltip::Ping()
{
    if (GetInput()->StillFrames() > delay_)
        level_ = std::clamp(level_ + GAIN, 0.0f, 1.0f);
}

void GUI_Tooltip::SetPosition(float x, float y)
{
    if (x + GetWidth() > D3DEngine::W)
        x = D3DEngine::W - GetWidth();
    if (y + GetHeight() > D3DEngine::H)
        y = D3DEngine::H - GetHeight();
    x = std::max(x, 0.0f);
    y = std::max(y, 0.0f);
    GUI_BaseElement::SetPosition(x, y);
}

void GUI_Tooltip::AutoPosition()
{
    float mx = GetInput()->MouseX();
    float my = GetInput()->MouseY();
    float x = mx + GetWidth() > D3DEngine::W ? mx - GetWidth() : mx + 30.0f;
    // A whole pointer's height below the mouse (above it at the bottom edge), so the tip
    // never hides the label of the button being pointed at, wherever on it the mouse is.
    float below = my + POINTER_CLEARANCE;
    float y = below + GetHeight() > D3DEngine::H ? my - POINTER_CLEARANCE - GetHeight() : below;
    SetPosition(x, y);
}

void GUI_Tooltip::Draw()
{
    if (mode_ == FOLLOW_MOUSE)
        SetPosition(GetInput()->MouseX() + 30.0f, GetInput()->MouseY() - 10.0f);
    Queue().push_back(this);
}

void GUI_Tooltip::DrawOne()
{
    shownLevel_ = std::min(level_, 1.0f);
    int a = int(MAX_ALPHA * shownLevel_);
    if (shownLevel_ > 0.01f) {
        D3DEngine* d3d = GetD3DEngine();
        tagRECT box = GetRect();
        tagRECT fill = box;
        fill.left += 1;
        fill.top += 1;
        d3d->SetTexture(0, 0);
        d3d->FillRect(fill, 0x20u | 0x20u << 8 | 0x80u << 16 | unsigned(a) << 24);
        d3d->FrameRectRounded(box, 0x00FFFFFFu | unsigned(a) << 24);
        TipFont font;
        GetTextEngine()->AddWrappedString(text_.c_str(), float(rect.left + 4), float(rect.top + 3),
                                          WRAP_WIDTH, unsigned(a) << 24 | 0x00FFFFFFu);
    }
    level_ = std::max(level_ - FADE, 0.0f);
}

void GUI_Tooltip::DrawAll()
{
    D3DEngine* d3d = GetD3DEngine();
    d3d->SetPointFilter();
    std::vector<GUI_Tooltip*> snapshot = Queue();
    for (GUI_Tooltip* tip : snapshot) {
        if (std::find(Queue().begin(), Queue().end(), tip) == Queue().end())
            continue;
        tip->DrawOne();
        if (tip->shownLevel_ > 0.0f) {
            GetTextEngine()->ProcessTextQueue(-1);
            break;
        }
    }
    d3d->SetLinearFilter();
    Queue().clear();
}

#include "shell/GUI_NameField.h"

#include "engine/Utilities.h"
#include "engine/gfx/D3DEngine.h"
#include "port/sdl/PortEvent.h"

#include <cctype>

GUI_NameField::GUI_NameField() : GUI_NameField(Rules {}) {}

GUI_NameField::GUI_NameField(const Rules& rules) : rules_(rules) { RestartCaret(); }

bool GUI_NameField::Accepts(char c) const
{
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == 0 || u >= 128)
        return false;
    return std::isalnum(u) || rules_.extra.find(c) != std::string::npos;
}

bool GUI_NameField::HandleKey(unsigned int key, bool shift)
{
    if (key == kKeyBackspace) {
        Backspace();
        return true;
    }
    if (key == kKeyForwardDelete) {
        Clear();
        return true;
    }
    const char c = DikToChar(int(key));
    if (!Accepts(c))
        return false;
    Type(c, shift);
    return true;
}

bool GUI_NameField::Type(char c, bool shift)
{
    if (!Accepts(c) || IsFull())
        return false;
    const bool upper = shift || (rules_.caseRule == CASE_FIRST_OR_SHIFT && text_.empty());
    if (upper)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    text_ += c;
    return true;
}

void GUI_NameField::Backspace()
{
    if (!text_.empty())
        text_.pop_back();
}

void GUI_NameField::SetText(const std::string& text)
{
    text_.clear();
    for (char c : text) {
        if (IsFull())
            break;
        if (Accepts(c))
            text_ += c;
    }
}

std::string GUI_NameField::GetName() const
{
    const size_t end = text_.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text_.substr(0, end + 1);
}

bool GUI_NameField::IsBlank() const { return GetName().empty(); }

void GUI_NameField::RestartCaret()
{
    caretTimer_.StartTimer();
    caretVisible_ = true;
}

bool GUI_NameField::CaretVisible()
{
    caretTimer_.Update();
    if (caretTimer_.GetElapsed() > kCaretBlinkMs) {
        caretTimer_.StartTimer();
        caretVisible_ = !caretVisible_;
    }
    return caretVisible_;
}

void GUI_NameField::DrawCaret(float x, float top, float height)
{
    if (!CaretVisible())
        return;
    tagRECT r;
    SetRect(&r, int(x + 2.0f), int(top), int(x + 5.0f), int(top + height));
    GetD3DEngine()->FillRect(r, 0xE0FFFFFFu);
}

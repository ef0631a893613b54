#include "shell/GUI_HintHelp.h"

#include "career/SIM_Song.h"
#include "engine/CSpreadsheet.h"
#include "engine/GDebugEngine.h"
#include "engine/GTranslation.h"
#include "engine/IniLoader.h"
#include "engine/gfx/D3DEngine.h"
#include "engine/gfx/GDIText.h"
#include "port/AtomicFile.h"
#include "shell/GUI_ButtonBase.h"
#include "shell/GUI_ButtonTypes.h"
#include "shell/GUI_Fonts.h"
#include "shell/GUI_WindowBackground.h"
#include "shell/GUI_WindowManager.h"
#include "shell/Game.h"
#include "shell/Input.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_FunctionTable.h"
#include "sim/SIM_SIM.h"

#include <algorithm>
#include <cstdlib>

std::vector<GUI_HintHelp::HintData*> GUI_HintHelp::All;
std::vector<GUI_HintHelp*> GUI_HintHelp::AllWindows;
std::vector<GUI_HintHelp::HintData*> GUI_HintHelp::WaitingForMain;
bool GUI_HintHelp::BChainsHeld = false;
GUI_WindowSlot<GUI_HelpWindow> GUI_HelpWindow::PTheWindow;

namespace {

const char* const kHintTable = "data/simulation/hints.csv";
const float kHintWidth = 300.0f;
const float kHintHeight = 200.0f;

// A row's on-open and on-close hooks run through the simulation's function table; a name
// it does not know is a line in the debug log, and the hint shows and closes normally.
void RunHook(const std::string& name)
{
    SIM_GetFunctionTable()->Trigger(name);
}

void ButtonClicked(const std::string& name)
{
    GUI_HintHelp::NotifyClick(name);
    GUI_GetTutHighlighter()->NotifyClick(name);
}

// Keeps a window wholly on the screen (its top-left corner wins when it is too big).
void KeepOnScreen(GUI_WindowBase* w)
{
    const float left = std::max(0.0f, std::min(float(w->rect.left), D3DEngine::W - float(w->GetWidth())));
    const float top = std::max(0.0f, std::min(float(w->rect.top), D3DEngine::H - float(w->GetHeight())));
    w->SetPosition(left, top);
}

} // namespace

std::string GUI_HintHelp::HintsFilePath() { return GetGame()->GetUserDir() + "/hints.txt"; }

void GUI_HintHelp::OpenData()
{
    GUI_ButtonBase::AddClickListener(ButtonClicked);
    CloseData();
    IniLoader shown;
    shown.LoadUserSection("hints", HintsFilePath()); // a damaged file is set aside, all hints unseen
    auto sheet = CSpreadsheet::Create(kHintTable);
    for (const std::string& line : *sheet) {
        CSV csv;
        csv.Initialise(line, ',');
        csv.GetNextToken();
        auto* row = new HintData;
        row->key = csv.GetNextString();
        row->text = csv.GetNextString();
        row->x = csv.GetNextFloat();
        row->y = csv.GetNextFloat();
        row->waitForMain = csv.GetNextInt() != 0;
        row->nextKey = csv.GetNextString();
        row->onOpen = csv.GetNextString();
        row->onClose = csv.GetNextString();
        row->closeOnButton = csv.GetNextString();
        row->shown = std::atoi(shown.GetValue(row->key).c_str()) != 0;
        All.push_back(row);
    }
}

void GUI_HintHelp::CloseData()
{
    WaitingForMain.clear();
    for (HintData* row : All)
        delete row;
    All.clear();
}

GUI_HintHelp::HintData* GUI_HintHelp::Find(const std::string& key)
{
    for (HintData* row : All)
        if (row->key == key)
            return row;
    return nullptr;
}

bool GUI_HintHelp::Launch(const std::string& key)
{
    HintData* row = Find(key);
    if (!row) {
        GError("Hint Help key not found", __FILE__, __LINE__);
        return false;
    }
    if (row->shown)
        return false;
    row->shown = true;
    if (row->waitForMain) {
        row->waiting = true;
        WaitingForMain.push_back(row);
    } else {
        new GUI_HintHelp(row);
    }
    return true;
}

void GUI_HintHelp::ReleaseWaitingHints()
{
    std::vector<HintData*> queue;
    queue.swap(WaitingForMain);
    for (HintData* row : queue) {
        row->waiting = false;
        new GUI_HintHelp(row);
    }
}

void GUI_HintHelp::NotifyClick(const std::string& buttonName)
{
    const std::vector<GUI_HintHelp*> snapshot = AllWindows;
    for (GUI_HintHelp* w : snapshot) {
        if (std::find(AllWindows.begin(), AllWindows.end(), w) == AllWindows.end())
            continue; // closed by an earlier one's chain
        if (!w->row_->closeOnButton.empty() && w->row_->closeOnButton == buttonName)
            delete w;
    }
}

void GUI_HintHelp::CheckTimedHints()
{
    // Each is still shown once only.
    const int turn = SIM_GetSim()->GetTurnCount();
    if (turn == 4 && SIM_GetBand()->GetMembers().empty())
        Launch("timed_audition");
    if (turn == 20 && SIM_Song::All.size() < 5)
        Launch("need_more_songs");
    if (SIM_GetFinances()->GetCash() < 5.0f)
        Launch("no_money");
}

void GUI_HintHelp::DrawAll()
{
    const std::vector<GUI_HintHelp*> snapshot = AllWindows;
    for (GUI_HintHelp* w : snapshot)
        w->Draw();
}

bool GUI_HintHelp::CheckClickAll()
{
    const float x = GetInput()->MouseX();
    const float y = GetInput()->MouseY();
    const std::vector<GUI_HintHelp*> snapshot = AllWindows;
    for (GUI_HintHelp* w : snapshot) {
        if (std::find(AllWindows.begin(), AllWindows.end(), w) == AllWindows.end())
            continue;
        if (w->CheckClick(x, y))
            return true; // the window may be gone now
    }
    return false;
}

void GUI_HintHelp::HandleKeyAll(unsigned key)
{
    const std::vector<GUI_HintHelp*> snapshot = AllWindows;
    for (GUI_HintHelp* w : snapshot)
        w->HandleKey(key);
}

void GUI_HintHelp::WriteHint()
{
    std::string text = "[hints]\n";
    for (const HintData* row : All)
        text += row->key + " = " + ((row->shown && !row->waiting) ? "1" : "0") + "\n";
    if (!WriteFileAtomically(HintsFilePath(), text))
        GetDebug()->DebugOut("failed to write hint");
}

GUI_HintHelp::GUI_HintHelp(HintData* row) : row_(row)
{
    GAssert(row != nullptr, __FILE__, __LINE__);
    WriteHint();
    // Positions are design pixels: scaled to the screen and kept on it.
    const float left = row ? GetGame()->AdjustForScreenRes(row->x) : 0.0f;
    const float top = row ? GetGame()->AdjustForScreenRes(row->y) : 0.0f;
    SetPosition(left, top, left + kHintWidth, top + kHintHeight);
    KeepOnScreen(this);
    AddToGUI();
    if (!row || row->closeOnButton.empty()) {
        GUI_GetWindowManager()->AddModal(this);
        closeButton_ = new GUI_CloseButton;
        AddButton(closeButton_);
    }
    AllWindows.push_back(this);
    title_ = GTranslation::GetString("HINT_TITLE");
    footer_ = GTranslation::GetString("HINT_DISCLAIMER");
    if (row && !row->highlightTarget.empty())
        GUI_GetTutHighlighter()->SetHighlight(row->highlightTarget);
    if (row && !row->onOpen.empty())
        RunHook(row->onOpen);
}

GUI_HintHelp::~GUI_HintHelp()
{
    if (row_ && !BChainsHeld) {
        if (!row_->nextKey.empty())
            Launch(row_->nextKey);
        if (!row_->onClose.empty())
            RunHook(row_->onClose);
    }
    GUI_GetWindowManager()->RemoveModal(this);
    AllWindows.erase(std::remove(AllWindows.begin(), AllWindows.end(), this), AllWindows.end());
    RemoveFromGUI();
}

void GUI_HintHelp::Draw()
{
    const std::string body = row_ ? GTranslation::GetString(row_->text) : "";
    if (!measured_) {
        GDIText::SetFont(kBoldFontName, 16, false);
        const int textHeight = GDIText::GetTextHeight(body.c_str(), float(GetWidth() - 40));
        SetPosition(float(rect.left), float(rect.top), float(rect.right), float(rect.top + 70 + textHeight));
        KeepOnScreen(this);
        measured_ = true;
    }
    if (closeButton_)
        closeButton_->SetPosition(float(rect.right - 34), float(rect.top + 10), float(rect.right - 10),
                                  float(rect.top + 34));
    GUI_WindowBackground::DrawTiled(rect, "window_hint.dds", 30.0f, 1.0f);
    DrawButtons();
    const float w = float(GetWidth());
    GDIText::AddChunk(float(rect.left), float(rect.top + 15), title_, kBoldFontName, 20, w, 1, 255, 255, 255);
    GDIText::AddChunk(float(rect.left + 20), float(rect.top + 40), body, kBoldFontName, 16, w - 40, 0, 255,
                      255, 255);
    GDIText::AddChunk(float(rect.left), float(rect.bottom - 24), footer_, kBoldFontName, 12, w, 1, 255, 255,
                      255);
    GDIText::RenderChunks(-1);
}

void GUI_HelpWindow::Create(const char* textKey, V2 point)
{
    Close();
    new GUI_HelpWindow(textKey, point);
}

void GUI_HelpWindow::Close()
{
    delete PTheWindow; // the destructor clears it
}

GUI_HelpWindow::GUI_HelpWindow(const char* textKey, V2 point)
{
    text_ = GTranslation::GetString(textKey ? textKey : "");
    PTheWindow = this;
    float left = point.x < D3DEngine::W / 2 ? point.x + 20 : point.x - 320;
    float top = point.y < D3DEngine::H / 2 ? point.y + 20 : point.y - 120;
    left = std::max(0.0f, std::min(left, D3DEngine::W - 300));
    top = std::max(0.0f, std::min(top, D3DEngine::H - 300));
    SetPosition(left, top, left + 300, top + 300);
    auto* close = new GUI_CloseButton;
    close->SetPosition(float(rect.right - 30), float(rect.top + 10), float(rect.right - 10), float(rect.top + 30));
    AddButton(close);
    AddToGUI();
    GUI_GetWindowManager()->AddModal(this);
}

GUI_HelpWindow::~GUI_HelpWindow()
{
    GUI_GetWindowManager()->RemoveModal(this);
}

void GUI_HelpWindow::Draw()
{
    if (!measured_) {
        GDIText::SetFont("tahoma", 14, false);
        const int h = GDIText::GetTextHeight(text_.c_str(), float(GetWidth() - 40));
        SetPosition(float(rect.left), float(rect.top), float(rect.right), float(rect.top + 50 + h));
        measured_ = true;
    }
    GUI_WindowBackground::DrawTiled(rect, "window_help.dds", 20.0f, 1.0f);
    DrawButtons();
    GDIText::SetFont("tahoma", 14, false);
    GDIText::RenderText(float(rect.left + 20), float(rect.top + 30), text_, float(GetWidth() - 40));
}

GUI_TutHighlighter* GUI_GetTutHighlighter()
{
    static GUI_TutHighlighter* marker = new GUI_TutHighlighter;
    return marker;
}

void GUI_TutHighlighter::SetHighlight(const std::string& target)
{
    target_ = target;
    active_ = true;
    timer_.StartTimer();
}

void GUI_TutHighlighter::NotifyClick(const std::string& name)
{
    if (name == target_)
        active_ = false;
}

void GUI_TutHighlighter::Draw()
{
    if (!active_)
        return;
    timer_.Update();
    // Left by 20 px over 400 ms and back over the next 400 ms.
    const float phase = float(int(timer_.GetElapsed()) % 800) / 400.0f;
    const float shift = 20.0f * (phase < 1.0f ? phase : 2.0f - phase);
    tagRECT arrow;
    SetRect(&arrow, int(x_ - 40 - shift), int(y_ - 10), int(x_ - shift), int(y_ + 10));
    GetD3DEngine()->FillRect(arrow, 0xD03AA9F2u);
}

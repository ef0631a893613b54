#pragma once
// Context hints: small windows that pop up the first time the player reaches a screen or
// a situation, each shown once per player, ever. The rows come from
// "data/simulation/hints.csv"; the ones already shown are kept in the player's
// "hints.txt". Also the help pop-up of one text (GUI_HelpWindow) and the tutorial marker
// (GUI_TutHighlighter).
#include "engine/GTimer.h"
#include "engine/V2.h"
#include "shell/GUI_WindowBase.h"

#include <string>
#include <vector>

class GUI_CloseButton;

class GUI_HintHelp : public GUI_WindowBase {
public:
    // One row of the table.
    struct HintData {
        std::string key;
        std::string text;       // a key of the string table (a plain text shows as it is)
        float x = 0, y = 0;     // top-left corner in 1024 x 768 design pixels
        bool shown = false;     // launched (for good)
        bool waiting = false;   // launched, but queued until the main screen
        std::string highlightTarget;
        bool waitForMain = false;
        std::string nextKey;
        std::string onOpen;
        std::string onClose;
        std::string closeOnButton;
    };

    static void OpenData();
    static void CloseData();
    // Opens (or queues) the hint the first time; false when unknown or already shown.
    static bool Launch(const std::string& key);
    static void ReleaseWaitingHints();
    static void NotifyClick(const std::string& buttonName);
    static void CheckTimedHints();
    static bool IsActive() { return !AllWindows.empty(); }
    static void DrawAll();
    static bool CheckClickAll();
    static void HandleKeyAll(unsigned key);
    // Rewrites the player's "hints.txt" (atomically): a row counts as shown once its
    // window has opened.
    static void WriteHint();
    // While held, closing a hint does not launch its next hint (a new game closes every
    // window; a chain must not be used up unseen).
    static void HoldChains(bool hold) { BChainsHeld = hold; }
    static HintData* Find(const std::string& key);
    static std::string HintsFilePath();

    static std::vector<HintData*> All;
    static std::vector<GUI_HintHelp*> AllWindows;
    static std::vector<HintData*> WaitingForMain;

    explicit GUI_HintHelp(HintData* row);
    ~GUI_HintHelp() override;
    void Draw() override;
    void HandleKey(unsigned int) override {}
    bool IsDialog() override { return true; }

    HintData* GetRow() const { return row_; }
    GUI_CloseButton* GetCloseButton() const { return closeButton_; }

private:
    static bool BChainsHeld;
    GUI_CloseButton* closeButton_ = nullptr; // owned through the button list
    HintData* row_ = nullptr;
    bool measured_ = false;
    std::string title_;
    std::string footer_;
};

// The help pop-up of one translated text beside the "?" button that was clicked.
class GUI_HelpWindow : public GUI_WindowBase {
public:
    static void Create(const char* textKey, V2 point);
    static void Close();
    static GUI_WindowSlot<GUI_HelpWindow> PTheWindow;

    ~GUI_HelpWindow() override;
    void Draw() override;
    bool IsDialog() override { return true; }

private:
    GUI_HelpWindow(const char* textKey, V2 point);
    std::string text_;
    bool measured_ = false;
};

// The tutorial marker: a bouncing pointer beside a named control until it is clicked.
class GUI_TutHighlighter {
public:
    void SetHighlight(const std::string& target);
    void NotifyClick(const std::string& name);
    void Draw();
    bool IsActive() const { return active_; }
    void SetPosition(float x, float y) { x_ = x; y_ = y; }

private:
    std::string target_;
    bool active_ = false;
    GTimer timer_;
    float x_ = 0, y_ = 0;
};

GUI_TutHighlighter* GUI_GetTutHighlighter();

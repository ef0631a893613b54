#pragma once
// The page that greets every morning: the day's options (tonight's gig, a rival band's
// gig, publicity, a charity gig offer, relaxing) with an OK button each, what the
// musicians said, and a quote. Picking an option carries it out; Continue or Escape goes
// to the main screen to choose the day's activity. The simulation rebuilds it at the end
// of every day, unless a window that must be dealt with first has postponed it.
#include "engine/IniLoader.h"
#include "engine/gfx/BaseSprite.h"
#include "engine/gfx/SmartTexture.h"
#include "port/Rect.h"
#include "shell/GUI_WindowBase.h"
#include "sim/SIM_DailyOption.h"

#include <cstdint>
#include <string>
#include <vector>

class GUI_ButtonText;
class GUI_IconButton;
class SIM_Message;

// One option row. It copies what it shows; the option itself is found again in today's
// list when the row is chosen, so a row never reaches an option the day pass deleted.
class GUI_DailyOption : public GUI_WindowBase {
public:
    explicit GUI_DailyOption(const SIM_DailyOption* option);
    void Draw() override;

    // The OK button's callback: fades out, then Select.
    static void OK(intptr_t row);
    // Carries the row's option out and closes the page, unless the option was a charity
    // gig offer (its day ends inside and the new day's page replaces this one).
    static void Select(intptr_t row);

    GUI_ButtonText* GetOKButton() const { return ok_; }
    SIM_DailyOption::DailyOptionType GetType() const { return type_; }
    const std::string& GetTitle() const { return title_; }
    const std::string& GetText() const { return text_; }
    const CTexturedSprite& GetPicture() const { return picture_; }

private:
    GUI_ButtonText* ok_ = nullptr; // owned through the button list
    const SIM_DailyOption* option_; // identity only: looked up in today's list before use
    SIM_DailyOption::DailyOptionType type_;
    std::string title_;
    std::string text_;
    CTexturedSprite picture_;
};

// One message row: what a musician said today, beside the musician's portrait.
class GUI_MessageStrip : public GUI_WindowBase {
public:
    explicit GUI_MessageStrip(const SIM_Message* message);
    void Draw() override;

    const std::string& GetName() const { return name_; }
    const std::string& GetText() const { return text_; }

private:
    std::string name_;
    std::string text_;
    CTexturedSprite portrait_;
    BaseSprite backing_;
};

class GUI_DailyOptions : public GUI_WindowBase {
public:
    static constexpr int kVisibleRows = 5;

    GUI_DailyOptions();
    ~GUI_DailyOptions() override;

    // Builds and shows today's page; does nothing while a window postpones it.
    void Initialise();
    // Shows the page as last built (the control panel's Today). Once the day pass has
    // taken its rows it is built afresh instead, unless a window still postpones it.
    void Show();
    void Populate();
    void ComposeTitle();
    void ComposeText();
    void Draw() override;
    void HandleKey(unsigned int key) override;

    // Windows that open during the end-of-day pass and must be dealt with before the
    // day's page (offers, notices) add themselves here and remove themselves when they
    // close; the page is built as soon as the last one is removed. A postponing window
    // that is destroyed without removing itself leaves the list at once, and the page
    // it held back is built on the next frame.
    void AddPostponeWindow(GUI_WindowBase* window);
    void RemovePostponeWindow(GUI_WindowBase* window);
    bool IsPostponed() const { return !postpone_.empty(); }
    // Builds the page held back by a postponing window that went away without removing
    // itself; called every frame by the main screen.
    void RunDueRebuild();

    // Today's options are gone: the rows that showed them go too, and a page that was up
    // is put away until it is built for the new day.
    void ForgetRows();
    // A new or loaded game: the page is put away at once and nothing postpones it.
    void Clear();

    static void Continue(intptr_t);
    static void Close(intptr_t);
    static void ScrollUp(intptr_t);
    static void ScrollDown(intptr_t);

    bool IsUp() const;
    bool IsLeaving() const { return leaving_; }
    const std::string& GetTitle() const { return title_; }
    const std::string& GetText() const { return text_; }
    const std::string& GetQuote() const { return quote_; }
    int GetFirstRow() const { return firstRow_; }
    int GetLastFirstRow() const { return lastFirstRow_; }
    GUI_ButtonText* GetContinueButton() const { return continue_; }
    GUI_IconButton* GetUpButton() const { return up_; }
    GUI_IconButton* GetDownButton() const { return down_; }

private:
    friend class GUI_DailyOption;
    static void ForgetWindow(GUI_WindowBase* window);

    std::vector<GUI_WindowBase*> postpone_;
    std::string title_;
    std::string text_;
    GUI_ButtonText* continue_ = nullptr;
    IniLoader dayNames_;
    int hasEvents_ = 0;
    std::string quote_;
    int firstRow_ = 0;
    int lastFirstRow_ = 0;
    GUI_IconButton* up_ = nullptr;
    GUI_IconButton* down_ = nullptr;
    tagRECT list_ {};
    SmartTexture background_;
    // An OK or Continue is under way: the page ignores further leave actions until it is
    // closed or built again, so a key during the fade never repeats the choice.
    bool leaving_ = false;
    bool held_ = false;       // a build was asked for while postponed
    bool rebuildDue_ = false; // ... and its last postponing window went away unannounced
    bool stale_ = false;      // the day pass took the rows the page was built with
};

GUI_DailyOptions* GUI_GetDailyOptions();

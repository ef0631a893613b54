#pragma once
// The strip of fourteen day boxes across the top of the main screen: today and the next
// thirteen days by their weekday abbreviations, each day with an entry of the band's
// calendar (a booked gig, a rival band's gig) showing that entry's picture and, under the
// pointer, its text. Only the first entry of a day is shown.
#include "engine/gfx/BaseSprite.h"
#include "shell/GUI_WindowBase.h"

#include <memory>
#include <string>

class GUI_Tooltip;

class GUI_CalendarDay : public GUI_WindowBase {
public:
    explicit GUI_CalendarDay(int offset);
    ~GUI_CalendarDay() override;
    void Refresh();
    void ProcessInput() override;
    void Draw() override;

    int GetOffset() const { return offset_; }
    const std::string& GetAbbreviation() const { return abbreviation_; }
    bool HasEntry() const { return hasEntry_; }
    const CTexturedSprite& GetPicture() const { return picture_; }
    GUI_Tooltip* GetTooltip() const { return tooltip_.get(); }
    const std::string& GetEntryText() const { return entryText_; }

private:
    int offset_;
    std::string abbreviation_;
    CTexturedSprite checkbox_; // built with the box, never drawn
    CTexturedSprite picture_;
    std::unique_ptr<GUI_Tooltip> tooltip_;
    std::string entryText_;
    bool hasEntry_ = false;
};

class GUI_Calendar : public GUI_WindowBase {
public:
    static constexpr int kDays = 14;

    GUI_Calendar();
    // A new game: registered, placed and refreshed.
    void Initialise();
    void Refresh();
    void Draw() override;
    GUI_CalendarDay* GetDay(int offset) const { return days_[offset]; }

private:
    GUI_CalendarDay* days_[kDays] {}; // owned as child windows
};

GUI_Calendar* GUI_GetCalendar();

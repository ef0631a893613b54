#pragma once
// The yearly review. Its screen comes with the story screens; until then it is never
// active, draws nothing and takes no click.
class GUI_YearlyReview {
public:
    bool IsActive() const { return active_; }
    void Draw() {}
    void ProcessInput() {}
    bool CheckClick(float, float) { return false; }

private:
    bool active_ = false;
};

GUI_YearlyReview* GUI_GetYearlyReview();

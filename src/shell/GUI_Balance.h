#pragma once
// The balance graph, a developer's aid: the play balancer's net-worth history (white,
// scaled to the highest worth) and the ten-day growth ratios (red, 1 at the bottom, 5 at
// the top) drawn over a black graph inset 50 pixels in a 500 x 500 dialog.
#include "engine/V2.h"
#include "shell/GUI_Dialog.h"
#include "shell/GUI_WindowBase.h"
#include "sim/GAM_PlayBalancer.h"

#include <deque>
#include <vector>

class GUI_Balance : public GUI_Dialog {
public:
    // What the graph shows of a history (newest first): the net worths oldest first, one
    // ratio per worth, and the highest worth (at least 1).
    struct Points {
        std::deque<float> worth;
        std::deque<float> ratio;
        float highest = 1.0f;
    };

    // Opens the graph of the balancer's history, closing an open one first.
    static void Create();
    ~GUI_Balance() override;

    // Takes the points from the balancer's history.
    void Initialise();
    void Draw() override;

    const Points& GetPoints() const { return points_; }
    const tagRECT& GetGraphRect() const { return graph_; }

    // The points of a history. A ratio is the later ten of the first twenty worths over
    // the earlier ten; 1 until twenty worths are taken.
    static Points ComputePoints(const std::deque<GAM_PlayBalancer::BALANCE_LOGENTRY>& history);
    // The vertices of one line: the i-th value at i + 1 steps of width / count (whole
    // pixels) right of the graph's left edge, at fraction(value) of its height above the
    // bottom. A value whose place is not a finite number is left out.
    static std::vector<V2> Polyline(const tagRECT& graph, size_t count, const std::deque<float>& values,
                                    float (*fraction)(float value, float highest), float highest);
    static float WorthFraction(float worth, float highest) { return worth / highest; }
    static float RatioFraction(float ratio, float) { return (ratio - 1.0f) / 4.0f; }

    static GUI_WindowSlot<GUI_Balance> PTheWindow;

private:
    GUI_Balance();

    tagRECT graph_ {};
    Points points_;
};

#pragma once
// The base of every icon that lies on the main screen (band members, albums, assets): it
// finds the icon a place (a slot of the grid, its remembered position, or the freest spot
// of random tries), lets the player drag it, remembers every icon's position between runs
// in the user file "icon_positions.txt", and turns a click on it into Clicked().
#include "engine/V2.h"
#include "shell/GUI_WindowBase.h"

#include <string>
#include <vector>

class GUI_Tooltip;

class GUI_DesktopItem : public GUI_WindowBase {
public:
    static constexpr int NUM_SLOTS = 54;
    static constexpr int FIRST_SMALL_SLOT = 14;
    // Slots below this are the merchandise's; albums and other assets ask from here on.
    static constexpr int FIRST_FREE_SLOT = 3;
    static constexpr float LARGE_ICON = 120.0f;
    static constexpr float SMALL_ICON = 59.0f;

    // A remembered position: the icon's key name and its top-left corner.
    struct Position {
        std::string name;
        V2 point;
    };

    GUI_DesktopItem();
    ~GUI_DesktopItem() override;

    // Queues the icon's tool tip; derived icons draw themselves, their name tag and their
    // hover highlight.
    void Draw() override;
    void ProcessInput() override;
    bool CheckClick(float x, float y) override;
    bool CheckRightClick(float x, float y) override;
    // A drag ended: the icon stays on screen and every icon's position is saved.
    void UpdatePosition() override;
    virtual void DrawNameTag(std::string text);
    virtual void DrawMouseover();
    virtual void Clicked() {}

    // The name the icon's position is stored under; it must stay the same from run to run.
    void SetName(const std::string& name) { name_ = name; }
    const std::string& GetName() const { return name_; }
    int GetSlot() const { return slot_; }
    GUI_Tooltip* GetTooltip() const { return tooltip_; }
    // Moves the top-left corner to the point, kept on screen (size kept).
    void PlaceAt(V2 topLeft);

    static void Open();
    static void LoadPositions();
    static void SavePositions();
    static bool FoundStoredPosition(GUI_DesktopItem* icon);
    static void SetSlotPosition(GUI_DesktopItem* icon, int first, int last);
    static void PlaceNew(GUI_DesktopItem* icon, float size);
    static float GetOverlap(V2 corner, float size);
    static void SetSmallIconMode(bool small) { BSmallIconMode = small; }
    static bool GetSmallIconMode() { return BSmallIconMode; }
    // After the display restarted (its size may have changed): every icon back on screen.
    static void KeepAllOnScreen();

    // The grid's top-left corner of a slot.
    static V2 SlotPoint(int slot);
    // The readable lines of a positions file, in file order: a key name and two finite
    // numbers; other lines are skipped.
    static std::vector<Position> ParsePositions(const std::string& text);
    // Whether a key name can be written and read back whole.
    static bool IsStorableName(const std::string& name);
    // The file's text: one "%s,%d,%d" line per position.
    static std::string FormatPositions(const std::vector<Position>& positions);
    // The icons' positions first (in order, the first of a key name wins), then the stored
    // positions of key names no icon has now, so an icon that is not on the desktop at the
    // moment keeps its place for when it comes back.
    static std::vector<Position> MergePositions(const std::vector<Position>& current,
                                                const std::vector<Position>& stored);
    static std::string PositionsFilePath();

    static std::vector<GUI_DesktopItem*> All;
    static std::vector<Position> Positions;
    static V2 SlotPositions[NUM_SLOTS];
    static bool BSlotsFull[NUM_SLOTS];
    static bool BSmallIconMode;

private:
    GUI_Tooltip* tooltip_ = nullptr;
    int slot_ = -1;
    std::string name_;
};

#pragma once
// Small views of the band's people and values: the pop-up that explains one attribute, the
// personality strips of the musician window and the relationship lines between portraits.
#include "engine/V2.h"
#include "engine/gfx/BaseSprite.h"
#include "port/Rect.h"
#include "shell/GUI_WindowBase.h"
#include "sim/SIM_Screens.h"

#include <memory>
#include <string>
#include <vector>

class GUI_CloseButton;
class GUI_Tooltip;
class SIM_Attribute;
class SIM_Musician;
class SIM_Personality;
class SIM_Relationship;

// The pop-up beside an indicator bar: the attribute's name, its value in percent and its
// description. One at a time. It copies the texts it shows and reads the value only while
// the attribute is still a live one.
class GUI_Attribute : public GUI_WindowBase {
public:
    static constexpr float kWidth = 230.0f;
    static constexpr float kAnchoredWidth = 250.0f;

    // A null attribute is reported and nothing opens; otherwise replaces the open pop-up.
    static void Create(SIM_Attribute* attribute);
    static void Close();
    // Closes the pop-up when it shows one of these attributes (their owner is going).
    static void CloseFor(const std::vector<const SIM_Attribute*>& attributes);

    ~GUI_Attribute() override;
    // Sizes the pop-up and anchors it to the indicator showing the attribute, if any.
    void CalcSize();
    void Draw() override;

    const SIM_Attribute* GetAttribute() const { return attribute_; }
    const tagRECT& GetPointerRect() const { return pointer_; }
    bool IsSized() const { return sized_; }
    // The heading as drawn: "name (percent%)".
    std::string GetHeading() const;
    const std::string& GetDescription() const { return description_; }
    GUI_CloseButton* GetCloseButton() const { return close_; }

    static GUI_WindowSlot<GUI_Attribute> PTheWindow;

private:
    explicit GUI_Attribute(SIM_Attribute* attribute);
    // The value shown: the attribute's while it lives, else the last one read.
    float CurrentValue() const;

    SIM_Attribute* attribute_; // not owned; read only while it is on the live list
    GUI_CloseButton* close_ = nullptr; // owned through the button list
    bool sized_ = false;
    tagRECT pointer_ {0, 0, 1, 1};
    int reserved_ = 0;
    std::string key_;
    std::string name_;
    std::string description_;
    mutable float value_ = 0.0f;
};

// One personality trait of a musician, with its description addressed to the musician as
// a tool tip.
class GUI_PersonalityStrip : public GUI_WindowBase {
public:
    GUI_PersonalityStrip(SIM_Musician* musician, SIM_Personality* personality);
    ~GUI_PersonalityStrip() override;
    void Draw() override;
    void ProcessInput() override;

    const std::string& GetDisplayName() const { return displayName_; }
    GUI_Tooltip* GetTooltip() const { return tooltip_.get(); }
    // The trait's description with "<NAME>" and "<HE_SHE>" filled in for the musician.
    static std::string Personalise(const std::string& description, const std::string& forename, bool female);

private:
    const SIM_Personality* personality_;
    const SIM_Musician* musician_;
    std::string displayName_;
    std::string reserved_;
    std::unique_ptr<GUI_Tooltip> tooltip_;
};

// A line between the portraits of two band members who get on very badly (red) or very
// well (green). Owned by its relationship.
class GUI_Relationship : public SIM_RelationshipView {
public:
    enum LineState { LINE_NONE = 0, LINE_BAD = 1, LINE_GOOD = 2 };

    explicit GUI_Relationship(SIM_Relationship* relationship);
    ~GUI_Relationship() override;

    void Draw();
    static void DrawAll();

    // How a value shows against the two thresholds.
    static LineState StateFor(float value, float low, float high);
    LineState GetState() const;
    const SIM_Relationship* GetRelationship() const { return relationship_; }
    const CTexturedSprite& GetSprite() const { return sprite_; }
    float GetLow() const { return low_; }
    float GetHigh() const { return high_; }

    static std::vector<GUI_Relationship*> All;

private:
    SIM_Relationship* relationship_; // the owner
    V2 first_;
    V2 second_;
    CTexturedSprite sprite_;
    float low_;
    float high_;
};

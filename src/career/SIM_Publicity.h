#pragma once
// Publicity: interviews, flyers and other promotion. Each day every event type whose
// trigger holds offers one event as a daily option; carrying it out lets every member and
// the player character contribute and raises the band's hype by how far the event reaches.
#include "sim/SIM_ModifierContainer.h"

#include <functional>
#include <string>
#include <vector>

class SIM_Musician;
class SIM_Person;
class SIM_PublicityEvent;

// One kind of publicity event, read from a row of the publicity table.
class SIM_PublicityEventType : public SIM_ModifierContainer {
public:
    static constexpr const char* File = "data/simulation/publicity.csv";

    enum CLASS : int { ORDINARY = 0, SIGNED = 1, BOOKED = 2, FLYERS = 3 };

    // An input: a personality (worth a), "random" (a draw from a to b) or "riza_<value>"
    // (a x the player character's value).
    struct InputVar {
        std::string name;
        float a = 0.0f;
        float b = 0.0f;
    };

    // Empty texts, ordinary class; joins All.
    SIM_PublicityEventType();
    // Leaves All.
    ~SIM_PublicityEventType() override;

    // Close, then one type per usable row in table order. A row that cannot be read is
    // reported with its line and skipped.
    static void Open();
    // Deletes every type.
    static void Close();
    // What is wrong with a row, or an empty text when it can be read.
    static std::string CheckRow(const std::string& row);
    // Reads a row that CheckRow accepted.
    void ReadRow(const std::string& row);

    bool IsTriggered() const;
    // A member's contribution, appended to the event; the member's effectiveness.
    float CalculateEffectiveness(SIM_Musician* member, SIM_PublicityEvent* event) const;
    // The player character's part (not clamped).
    float GetRizaEffect() const;
    // The type's modifiers in full, and the boredom a day of promotion takes away.
    void ApplyOutputs() const;
    // "signed", "booked", "flyers"; anything else is ordinary.
    void SetClass(const std::string& text);
    // "name,a" or "name,a,b"; an empty text adds nothing. False when the text is no input.
    bool AddInput(const std::string& text);

    const std::string& GetTitle() const { return title; }
    const std::string& GetText() const { return text; }
    const std::string& GetImage() const { return image; }
    const std::string& GetName() const { return name; }
    const std::string& GetDescription() const { return description; }
    const std::string& GetSound() const { return sound; }
    float GetMinimumFame() const { return minimumFame; }
    float GetHypeEffect() const { return hypeEffect; }
    float GetHypeDegrade() const { return hypeDegrade; }
    float GetReach() const { return reach; }
    float GetMinimumChance() const { return minimumChance; }
    float GetMaximumChance() const { return maximumChance; }
    const std::vector<InputVar>& GetInputs() const { return inputs; }
    CLASS GetClass() const { return eventClass; }

    void SetReach(float r) { reach = r; }
    void SetHype(float effect, float degrade) { hypeEffect = effect; hypeDegrade = degrade; }
    void SetChances(float minimum, float maximum) { minimumChance = minimum; maximumChance = maximum; }
    void SetMinimumFame(float f) { minimumFame = f; }

    // The types, in table order.
    static std::vector<SIM_PublicityEventType*> All;
    // Whether the band holds a record deal. The record company installs its own answer;
    // until then no "signed" event is offered.
    static std::function<bool()> HasRecordDeal;
    // Whether a gig is booked; asks the gigs unless something else is installed.
    static std::function<bool()> HasBookedGig;

private:
    std::string title;
    std::string text;
    std::string image;
    std::string name;
    std::string description;
    std::string sound;
    float minimumFame = 0.0f;
    float hypeEffect = 0.0f;
    float hypeDegrade = 0.0f;
    float reach = 0.0f;
    float minimumChance = 0.0f;
    float maximumChance = 0.0f;
    std::vector<InputVar> inputs;
    CLASS eventClass = ORDINARY;
};

// One of today's publicity events.
class SIM_PublicityEvent {
public:
    // One person's part. The last contribution is the player character's: it names a
    // person, never a musician (member is null), so no screen can treat the player
    // character as a band member.
    struct Contribution {
        SIM_Person* person = nullptr;
        SIM_Musician* member = nullptr;
        float effectiveness = 0.0f;
        std::vector<std::string> personalities; // display names of those that counted
        bool tooStressed = false;
    };

    // Joins All and posts the event's daily option.
    explicit SIM_PublicityEvent(SIM_PublicityEventType* type);
    SIM_PublicityEvent(const SIM_PublicityEvent&) = delete;
    SIM_PublicityEvent& operator=(const SIM_PublicityEvent&) = delete;
    // Leaves All.
    virtual ~SIM_PublicityEvent();

    // Carries the event out: contributions, effectiveness, reach, hype and outputs.
    void Process();
    void AddContribution(Contribution c) { contributions.push_back(std::move(c)); }

    // Deletes every event.
    static void ClearEvents();

    const std::vector<Contribution>& GetContributions() const { return contributions; }
    float GetEffectiveReach() const { return effectiveReach; }
    SIM_PublicityEventType* GetType() const { return type; }
    float GetEffectiveness() const { return effectiveness; }
    float GetEffect() const { return effect; }

    // Today's events.
    static std::vector<SIM_PublicityEvent*> All;

private:
    std::vector<Contribution> contributions;
    float effectiveReach = 0.0f;
    SIM_PublicityEventType* type = nullptr;
    float effectiveness = 0.0f;
    float effect = 0.0f;
};

// The daily generation of publicity events.
class SIM_Publicity {
public:
    // Deletes yesterday's events (loading the types on first use), then makes one event
    // of each type whose trigger holds, in table order.
    static void GenerateEvents();
    static SIM_PublicityEvent* CreateEvent(SIM_PublicityEventType* type);
};

#pragma once
// A place the band can play, from the venues table: what a gig there costs and earns, who
// may play there, what its audience expects and how its gig show looks.
#include <string>
#include <vector>

class CSV;

class SIM_Venue {
public:
    static constexpr const char* File = "data/simulation/venues.csv";
    enum TYPE : int { LOCAL = 0, DISTANT = 1 };

    // Empty texts, every number 0; joins All.
    SIM_Venue();
    SIM_Venue(const SIM_Venue&) = delete;
    SIM_Venue& operator=(const SIM_Venue&) = delete;
    // Leaves All; the gigs offered there go too.
    virtual ~SIM_Venue();

    // Close, then one venue per valid table row in file order.
    static void Open();
    // Deletes every venue.
    static void Close();
    // The first venue of that name; none: "Failed to find venue" is reported, null returned.
    static SIM_Venue* GetByName(const std::string& name);
    // Lowers every venue's boredom by a day's worth.
    static void ProcessAll();

    // Reads one row (marker first). False, with a report naming the row, when its capacity
    // is below 1 or an expectation below 0.01: a gig there would divide by it.
    bool ReadRow(const std::string& row);

    // The change of fame a performance of quality q earns here: a penalty below 0.2 (down
    // to -0.2 at 0), nothing from 0.2 to 0.5, the minimum to the maximum boost above 0.5.
    float GetFameBoost(float q) const;
    void SetBoredom(float value);
    bool IsBored() const { return boredom > 0.0f; }
    void Process();
    // A venue that needs a manager only while the band has one.
    bool Bookable() const;
    // A distant venue only with a van or a tour bus.
    bool Reachable() const;

    int GetCapacity() const { return capacity; }
    const std::string& GetGUIName() const { return guiname; }
    const std::string& GetName() const { return name; }
    float GetRental() const { return rental; }
    float GetPersonHeight() const { return personHeight; }
    float GetTicketPrice() const { return ticketPrice; }
    const std::string& GetDescription() const { return description; }
    float GetMinFame() const { return minFame; }
    const std::string& GetSprite() const { return sprite; }
    const std::string& GetBackdrop() const { return backdrop; }
    float GetQualityExpectation() const { return qualityExpectation; }
    float GetStageShowExpectation() const { return stageShowExpectation; }
    float GetBoredom() const { return boredom; }
    int GetType() const { return type; }
    float GetMinFameBoost() const { return minFameBoost; }
    float GetMaxFameBoost() const { return maxFameBoost; }
    bool NeedsManager() const { return needsManager; }

    // The venues, in table order; the list owns them.
    static std::vector<SIM_Venue*> All;

private:
    int capacity = 0;
    std::string guiname;
    std::string name;
    float rental = 0.0f;
    float personHeight = 0.0f;
    float ticketPrice = 0.0f;
    std::string description;
    float minFame = 0.0f;
    std::string sprite;
    std::string backdrop;
    float qualityExpectation = 0.0f;
    float stageShowExpectation = 0.0f;
    float boredom = 0.0f;
    int type = LOCAL;
    float minFameBoost = 0.0f;
    float maxFameBoost = 0.0f;
    bool needsManager = false;
};

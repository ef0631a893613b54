#pragma once
// Recording studios, from their table, with the current one the band records in; and the
// record company that scouts the band's gigs, offers a deal and signs it.
#include <string>
#include <vector>

class SIM_Album;
class SIM_Performance;

class SIM_RecordingStudio {
public:
    static constexpr const char* File = "data/simulation/record_studios.csv";

    SIM_RecordingStudio();
    SIM_RecordingStudio(const SIM_RecordingStudio&) = delete;
    SIM_RecordingStudio& operator=(const SIM_RecordingStudio&) = delete;
    // Leaves All; stops being the current studio.
    virtual ~SIM_RecordingStudio();

    // Reads the table once (only while there are no studios).
    static void Open();
    // Deletes every studio.
    static void Close();
    static SIM_RecordingStudio* GetCurrentStudio() { return PCurrentStudio; }
    static void SetCurrentStudio(SIM_RecordingStudio* studio) { PCurrentStudio = studio; }
    // The first studio of that name; none: "Failed to set recording studio", no change.
    static void SetCurrentStudio(const std::string& name);
    // The best studio (quality above 0, first of equals) becomes current; none: null.
    static void ChooseBestStudio();
    // Drops a current studio the band cannot pay for a day of.
    static void ValidateStudio();
    static bool BandIsStressed();
    static bool BandIsDemotivated();

    // Reads one row (marker first).
    void ReadRow(const std::string& row);
    // One recording day on the album: paid unless signed, the band meets, the album's
    // cost and days rise, the band is stressed. A null album is reported and nothing
    // happens.
    void Use(SIM_Album* album);

    float GetQuality() const { return quality; }
    float GetDailyCost() const { return dailyCost; }
    float GetStress() const { return stress; }
    const std::string& GetName() const { return name; }
    std::string GetGUIName() const { return guiname; }
    std::string GetTexture() const { return texture; }

    static std::vector<SIM_RecordingStudio*> All;
    static SIM_RecordingStudio* PCurrentStudio;

private:
    float dailyCost = 0.0f;
    std::string name;
    std::string guiname;
    std::string texture;
    float quality = 0.0f;
    float stress = 0.0f;
};

// The record company: one for the whole run, reset by a new game.
class SIM_RecordCompany {
public:
    static constexpr const char* DefaultName = "Polymer Records";

    // Whether a scout came to the gig (big enough venue, RS_COMPANY_SCOUT_BASECHANCE); a
    // scout names the company.
    bool AttendedGig(const SIM_Performance* performance);
    // Whether the scout offers a deal (fame 40 and more, a chance from fame, fill and
    // quality); an offer sets the terms.
    bool OfferedDeal(const SIM_Performance* performance);
    // The chance OfferedDeal draws against (0 below fame 40).
    static float OfferChance(const SIM_Performance* performance);
    void PutTogetherDeal();
    void SignDeal();
    // Unsigned, no terms, the default name: a new game.
    void Reset();
    // A loaded game's deal, as saved: the band's hype already holds the marketing, so
    // nothing is applied again.
    void Restore(const std::string& name, bool isSigned, float royalty, float marketing);

    bool IsSigned() const { return signed_; }
    std::string GetGUIName() const { return name; }
    float GetRoyalty() const { return royalty; }
    float GetMarketing() const { return marketing; }

private:
    std::string name = DefaultName;
    bool signed_ = false;
    float royalty = 0.0f;
    float marketing = 0.0f;
};

SIM_RecordCompany* SIM_GetRecordCompany();

#pragma once
// A person of the simulation (musicians, auditionees, the player character): names,
// gender and portrait, with a save/load id.
#include "engine/RefCounted.h"
#include "sim/SIM_SLIDBase.h"

#include <string>
#include <vector>

// A person's gender (32-bit): 0 male, 1 female.
enum SIM_GENDER : int { SIM_GENDER_MALE = 0, SIM_GENDER_FEMALE = 1 };

// People are owned explicitly: musicians by SIM_Musician::All (deleted by
// SIM_Musician::Close), the player character by its singleton. The reference count of the
// base is never used to release a person, so its Add/Remove calls are not offered here.
class SIM_Person : public RefCounted, public SIM_SLIDBase {
public:
    // Empty names and portrait, gender 0; joins All.
    SIM_Person();
    // Leaves All and takes its messages off the daily-options screen's list.
    ~SIM_Person() override;

    // Stores the gender, then takes a portrait of that gender from the portrait database
    // (female for 1, male for any other value).
    virtual void SetGender(SIM_GENDER gender);
    // The gender as a saved game holds it; the portraits are restored on their own.
    void SetLoadedGender(SIM_GENDER g) { gender = g; }
    // The texture to draw for this person: the portrait itself.
    virtual std::string GetPortraitTexture() const { return portrait; }

    const std::string& GetForeName() const { return forename; }
    const std::string& GetSurName() const { return surname; }
    const std::string& GetFullName() const { return fullname; }
    SIM_GENDER GetGender() const { return gender; }

    // Stores both names; the full name is forename, one blank, surname.
    void SetName(const std::string& forename, const std::string& surname);
    // Names drawn from the name lists for the person's gender.
    void ChooseName();
    // Gender 0 or 1 by one uniform draw (below 0.5: 0), through the one-argument SetGender.
    void ChooseRandomGender();

    // After a display rebuild: persons hold texture names only, so nothing changes.
    static void RebuildTexturesAll() {}

    // Every live person, in order of construction.
    static std::vector<SIM_Person*> All;

protected:
    std::string forename;
    std::string surname;
    std::string fullname;
    std::string portrait;
    SIM_GENDER gender = SIM_GENDER_MALE;

private:
    using RefCounted::AddRefcount;
    using RefCounted::RemoveRefcount;
};

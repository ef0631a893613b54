#pragma once
// Save/load ids: every saved object (people, songs, albums) carries an id drawn from one
// counter, and a registry of the living ones lets the save reader turn stored ids back
// into objects.
#include <vector>

class SIM_SLIDBase {
public:
    // Ids are valid from 0 up to, not including, this.
    static constexpr int MaxSLID = 99000;

    // Joins All, then draws a fresh id from the counter.
    SIM_SLIDBase();
    SIM_SLIDBase(const SIM_SLIDBase&) = delete;
    SIM_SLIDBase& operator=(const SIM_SLIDBase&) = delete;
    // Leaves All.
    virtual ~SIM_SLIDBase();

    int GetSLID() const { return SLID; }
    // The save reader gives a loaded object back its stored id.
    void SetSLID(int id) { SLID = id; }

    // The first living object with that id. None: "Failure to find Save/Load ID" is
    // reported (once per id until ForgetUnresolved, so a damaged save does not raise one
    // alert per reference; every miss is still logged) and null is returned.
    static SIM_SLIDBase* GetBySLID(int id);
    // Starts a fresh round of unresolved-id reports (the save reader calls it per load).
    static void ForgetUnresolved();

    // The id counter. CreateSLID returns the next id and counts on; an id outside
    // 0..MaxSLID-1 is reported by assertion and still handed out.
    static int CreateSLID();
    static int GetTopSLID() { return TopSLID; }
    // Sets the next id (the save reader restores the saved counter); asserts 0..MaxSLID-1.
    static void SetTopSLID(int id);

    // Every living object, in creation order.
    static std::vector<SIM_SLIDBase*> All;

private:
    int SLID = -1;
    static int TopSLID;
};

#pragma once
// Base of objects that take one step per simulated day. Every live object is on
// ProcessBase::All; the day turn calls ProcessAll.
#include <list>

class ProcessBase {
public:
    ProcessBase();
    ProcessBase(const ProcessBase&) = delete;
    ProcessBase& operator=(const ProcessBase&) = delete;
    virtual ~ProcessBase();
    // The daily step; the base does nothing.
    virtual void Process() {}

    // An inactive object is deleted at the next Cleanup (or ProcessAll).
    void SetActive(bool active) { active_ = active; }
    bool IsActive() const { return active_; }

    // Deletes every inactive object, then runs Process on every object, in list order.
    // A Process may delete other objects or itself: deleted ones are skipped; objects
    // created during the walk take their first step next time.
    static void ProcessAll();
    // Deletes every inactive object.
    static void Cleanup();
    // Deletes the first inactive object; false when there is none.
    static bool CleanupObject();

    static std::list<ProcessBase*> All;

private:
    bool active_ = true;
};

#pragma once
// Solo activities of the player character: the types the player could choose a day for,
// and the chosen activity being carried out. No table of types ships, so in play the list
// of types stays empty; the simulation still resets the instances with every game.
#include "sim/SIM_TimeChunk.h"

#include <string>
#include <vector>

class SIM_SoloActivityType : public SIM_TimeChunkType {
public:
    // Types live on All from a loader to Close; none ships, so both do nothing.
    static void Open();
    static void Close();
    static void LoadTypes();
    static void CheckForNewFriends();
    // The first type on All of that name; the error "SIM_SoloActivityType not found" and
    // null when there is none.
    static SIM_SoloActivityType* GetByName(const char* name);

    // Free (cost 0 or less) or no dearer than the band's cash.
    bool IsAffordable() const;
    float GetCost() const { return cost; }
    void SetCost(float c) { cost = c; }
    // "call <hook>", "play <sound file below data/sounds/>", or empty.
    const std::string& GetAction() const { return action; }
    void SetAction(const std::string& a) { action = a; }
    // Choosing the type: an instance carries it out at once.
    void ProcessChunk();

    static std::vector<SIM_SoloActivityType*> All;

private:
    std::string action;
    std::string text2;
    float cost = 0.0f;
};

class SIM_SoloActivityInstance : public SIM_TimeChunk {
public:
    // Makes an instance (it joins All) and carries the activity out at once. No pointer
    // comes back: the day the activity ends may start a new game, which deletes it.
    static void Create(SIM_SoloActivityType* type);
    // Every instance is deleted (a new game, a loaded game, shutdown).
    static void Open();
    static void Close();

    ~SIM_SoloActivityInstance() override;
    // Notes the choice in the play log, runs the type's action, pays its cost, applies its
    // modifiers, then ends the day, unless the action called a hook: a hook ends the day
    // itself.
    void ProcessChunk() override;
    SIM_SoloActivityType* GetType() const { return type; }

    // How an activity's named hook is run; nullptr restores the default, which runs it
    // through the table of named hooks.
    using HookTrigger = void (*)(const std::string& name);
    static void SetHookTrigger(HookTrigger trigger);

    // Owned by the class, in order of creation.
    static std::vector<SIM_SoloActivityInstance*> All;

private:
    SIM_SoloActivityInstance() = default;
    SIM_SoloActivityType* type = nullptr;
};

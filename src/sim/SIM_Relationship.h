#pragma once
// How well two band members get on: one value from -1 (hatred) to 1 (friendship) for each
// pair, moved by time spent together and fading a little every day.
#include <vector>

class SIM_Musician;
class SIM_RelationshipView;

class SIM_Relationship {
public:
    // Joins All at 0 and asks the screens for its line.
    SIM_Relationship(SIM_Musician* first, SIM_Musician* second);
    SIM_Relationship(const SIM_Relationship&) = delete;
    SIM_Relationship& operator=(const SIM_Relationship&) = delete;
    // Leaves All and both musicians' lists, and deletes its line.
    virtual ~SIM_Relationship();

    SIM_Musician* GetP1() const { return p1; }
    SIM_Musician* GetP2() const { return p2; }
    float GetValue() const { return value; }
    // The pair is (a, b) in either order.
    bool Has(const SIM_Musician* a, const SIM_Musician* b) const;
    // The other one of the pair.
    SIM_Musician* GetOther(const SIM_Musician* musician) const;
    // value + delta, clamped to -1..1.
    void ChangeValue(float delta);
    // The value as a saved game holds it, clamped to -1..1.
    void SetValue(float v);
    // The daily fade.
    void NextDay();
    // How much the gap between the two musicians' satisfaction sours things, 0..limit.
    float GetJealousy() const;
    SIM_RelationshipView* GetLine() const { return line; }

    static void NextDayAll();
    // The first relationship of the pair, in either order, or none.
    static SIM_Relationship* GetRelationship(const SIM_Musician* a, const SIM_Musician* b);
    // The mean value, clamped to -1..1; 0 with no relationships.
    static float GetAverageRelationship();
    // Moves every relationship after the band has spent time together.
    static void ResolveMeeting(float weight);
    // Deletes every relationship.
    static void Clear();

    // Every live relationship, in order of creation.
    static std::vector<SIM_Relationship*> All;

private:
    SIM_Musician* p1;
    SIM_Musician* p2;
    float value = 0.0f;
    SIM_RelationshipView* line = nullptr;
};

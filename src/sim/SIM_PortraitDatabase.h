#pragma once
// Every portrait a person can be given (the sub-folders of the game's portrait folders and
// of the player's mods folders), handing out the ones not yet used first so that two
// people rarely share a face.
#include <string>
#include <vector>

class SIM_PortraitDatabase {
public:
    // Empties the lists and fills them again from the four portrait folders.
    void Open();
    // Empties the four lists.
    void Close();
    // A portrait name: a free one (which stops being free) while any is left, else any of
    // that gender. "" after an assertion when the gender has no portraits at all.
    std::string GetMalePortrait();
    std::string GetFemalePortrait();
    // Removes every occurrence of the name from both free lists.
    void MakeUsed(const std::string& name);

    const std::vector<std::string>& GetAllMale() const { return allMale_; }
    const std::vector<std::string>& GetAllFemale() const { return allFemale_; }
    const std::vector<std::string>& GetFreeMale() const { return freeMale_; }
    const std::vector<std::string>& GetFreeFemale() const { return freeFemale_; }

private:
    void AddFolder(const std::string& pattern, std::vector<std::string>& all, std::vector<std::string>& free);
    static std::string HandOut(std::vector<std::string>& all, std::vector<std::string>& free);

    std::vector<std::string> allMale_;
    std::vector<std::string> allFemale_;
    std::vector<std::string> freeMale_;
    std::vector<std::string> freeFemale_;
};

SIM_PortraitDatabase* SIM_GetPortraits();

#pragma once
// One line said by a musician (a comment), shown on the daily-options screen. The list is
// rebuilt every day.
#include <string>
#include <vector>

class SIM_Musician;
class SIM_Person;

class SIM_Message {
public:
    SIM_Message(const SIM_Message&) = delete;
    SIM_Message& operator=(const SIM_Message&) = delete;

    // Appends the text in double quotes, said by the musician. A message for no musician
    // is reported by assertion and dropped.
    static void AddMessage(const std::string& text, SIM_Musician* musician);
    // Deletes the musician's first message; whether there was one.
    static bool RemoveMessage(SIM_Musician* musician);
    // Deletes every message of the musician (a musician leaving the band).
    static void ClearMine(SIM_Musician* musician);
    // Deletes every message.
    static void ClearMessages();
    // A person is being deleted: its messages go with it.
    static void ForgetSpeaker(const SIM_Person* person);

    const std::string& GetMessageText() const { return text; }
    SIM_Musician* GetMusician() const { return musician; }

    // The messages, in creation order; owned by the class.
    static std::vector<SIM_Message*> All;

private:
    SIM_Message(SIM_Musician* musician, const std::string& text);
    ~SIM_Message() = default;

    SIM_Musician* musician;
    std::string text;
};

#pragma once
// A save without what legitimately changes between two writes of one game: the wall-clock
// date and the play timer.
#include <string>

inline std::string BlankTagValues(std::string text, const std::string& tag)
{
    const std::string open = "<" + tag + ">", close = "</" + tag + ">";
    for (size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
        const size_t from = at + open.size();
        const size_t to = text.find(close, from);
        if (to == std::string::npos || text.find('<', from) != to)
            continue; // not a plain value
        text.replace(from, to - from, "-");
    }
    return text;
}

inline std::string MaskedSave(const std::string& text)
{
    return BlankTagValues(BlankTagValues(text, "date"), "elapsed");
}

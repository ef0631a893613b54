#include "iniparser/strlib.h"

#include <cctype>

namespace {
bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
} // namespace

std::string strlwc(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string strupc(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string strskp(const std::string& s)
{
    size_t i = 0;
    while (i < s.size() && IsSpace(s[i]))
        ++i;
    return s.substr(i);
}

std::string strcrop(const std::string& s)
{
    size_t end = s.size();
    while (end > 0 && IsSpace(s[end - 1]))
        --end;
    return s.substr(0, end);
}

std::string strstrip(const std::string& s)
{
    return strcrop(strskp(s));
}

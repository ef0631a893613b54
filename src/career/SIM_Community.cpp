#include "career/SIM_Community.h"

#include "engine/Utilities.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Riza.h"
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace {
std::string& Host()
{
    static std::string host;
    return host;
}

std::string Format(const char* format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}
}

void SIM_Community::SetHost(const std::string& host)
{
    Host() = host;
}

const std::string& SIM_Community::GetHost()
{
    return Host();
}

std::string SIM_Community::GetPageFileName()
{
    return "user_" + SIM_GetPlayerOptions()->GetUniqueID() + ".html";
}

std::string SIM_Community::GetPageAddress()
{
    return Host() + "/zelva/community/" + GetPageFileName();
}

std::string SIM_Community::URLEncode(const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            out += char(c);
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

void SIM_Community::AddVariable(std::string* vars, const char* name, const char* value)
{
    if (!vars || !name || !value)
        return;
    *vars += "&" + URLEncode(name) + "=" + URLEncode(value);
}

void SIM_Community::PostURL()
{
    // The post would carry ContentType and Accept; the game has no transport for it.
}

void SIM_Community::GeneratePage(std::string* vars)
{
    if (!vars || !SIM_GetScreens()->GetGameInProgress())
        return;
    const std::string file = GetPageFileName();
    const std::string avatar = SIM_GetScreens()->GetAvatarTexture();
    const std::string avatarName = avatar.size() > 4 ? avatar.substr(0, avatar.size() - 4) : std::string();
    const int year = SIM_Date::PPresentDay ? SIM_Date::PPresentDay->GetYear() : 0;
    SIM_Riza* riza = SIM_GetRiza();

    vars->clear();
    AddVariable(vars, "file", file.c_str());
    AddVariable(vars, "ava", avatarName.c_str());
    AddVariable(vars, "nam", riza->GetForeName().c_str());
    AddVariable(vars, "age", std::to_string(year - 1986).c_str());
    const std::string cash = "$ " + FormatMoney(SIM_GetFinances()->GetCash());
    AddVariable(vars, "cas", cash.c_str());
    AddVariable(vars, "fam", Format("%.2f", SIM_GetFame()->GetFame()).c_str());
    AddVariable(vars, "job", "none");
    AddVariable(vars, "emp", "none");
    AddVariable(vars, "sal", "$ 0");
    AddVariable(vars, "nsk", std::to_string(riza->CountSkills()).c_str());
    AddVariable(vars, "skp", Format("%.2f", riza->CountSkillPoints()).c_str());
    PostURL();
    if (!Host().empty())
        LaunchWebPage(GetPageAddress());
}

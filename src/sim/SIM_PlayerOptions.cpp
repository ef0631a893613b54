#include "sim/SIM_PlayerOptions.h"

#include "engine/IniLoader.h"
#include "port/AtomicFile.h"
#include "port/Clock.h"
#include "port/Paths.h"
#include "sim/GAssert.h"
#include "sim/SIM_Screens.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

const char* const kOptionNames[SIM_PlayerOptions::NumOptions] = {"MASTERVOLUME", "MUSICVOLUME", "DIFFICULTY",
                                                                 "MOUSESPEED"};
const char* const kToggleNames[SIM_PlayerOptions::NumToggles] = {"ENABLEMUSIC", "ENABLEAUTOSAVE"};
// The first-run settings: full volumes, middle difficulty and mouse speed.
const float kDefaultOptions[SIM_PlayerOptions::NumOptions] = {1.0f, 1.0f, 0.5f, 0.5f};

// The whole text as a number, blanks around it allowed; false for anything else.
bool ParseFloat(const std::string& text, float& out)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const float value = std::strtof(begin, &end);
    if (end == begin)
        return false;
    while (*end == ' ' || *end == '\t' || *end == '\r')
        ++end;
    if (*end != '\0')
        return false;
    out = value;
    return true;
}

bool ParseInt(const std::string& text, long& out)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE)
        return false;
    while (*end == ' ' || *end == '\t' || *end == '\r')
        ++end;
    if (*end != '\0')
        return false;
    out = value;
    return true;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

} // namespace

SIM_PlayerOptions* SIM_GetPlayerOptions()
{
    static SIM_PlayerOptions* instance = new SIM_PlayerOptions;
    return instance;
}

SIM_PlayerOptions::SIM_PlayerOptions()
{
    RefreshPath();
}

void SIM_PlayerOptions::RefreshPath()
{
    path = GetUserFolder() + "/player_options.txt";
}

const char* SIM_PlayerOptions::GetOptionName(int option)
{
    return option >= 0 && option < NumOptions ? kOptionNames[option] : "";
}

const char* SIM_PlayerOptions::GetToggleName(int toggle)
{
    return toggle >= 0 && toggle < NumToggles ? kToggleNames[toggle] : "";
}

float SIM_PlayerOptions::Get(OPTIONS option) const
{
    return option >= 0 && option < NumOptions ? options[option] : 0.0f;
}

void SIM_PlayerOptions::Set(OPTIONS option, float value)
{
    if (option >= 0 && option < NumOptions)
        options[option] = value;
}

bool SIM_PlayerOptions::GetToggle(TOGGLES toggle) const
{
    return toggle >= 0 && toggle < NumToggles && toggles[toggle];
}

void SIM_PlayerOptions::SetToggle(TOGGLES toggle, bool on)
{
    if (toggle >= 0 && toggle < NumToggles)
        toggles[toggle] = on;
}

void SIM_PlayerOptions::SetDefaults()
{
    for (int i = 0; i < NumOptions; ++i)
        options[i] = kDefaultOptions[i];
    for (bool& toggle : toggles)
        toggle = true;
}

void SIM_PlayerOptions::Load()
{
    RefreshPath();
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        // The first run: the id stays empty until the next start makes one.
        SetDefaults();
        Save();
        return;
    }
    if (!ReadSettings()) {
        SetDefaults();
        GWarning(("Player options unreadable, defaults used: " + path).c_str(), __FILE__, __LINE__);
    }
    ReadID();
    SIM_GetScreens()->SetMouseSpeed(options[OPTION_MOUSESPEED]);
}

bool SIM_PlayerOptions::ReadSettings()
{
    float read[NumOptions];
    bool readToggles[NumToggles];
    IniLoader ini;
    if (!ini.LoadUserSection("config", path))
        return false;
    for (int i = 0; i < NumOptions; ++i) {
        if (!ini.HasValue(kOptionNames[i]) || !ParseFloat(ini.GetValue(kOptionNames[i]), read[i]))
            return false;
        // A value that is no number cannot be clamped: the option's own setting instead.
        read[i] = std::isnan(read[i]) ? kDefaultOptions[i] : std::fmin(std::fmax(read[i], 0.0f), 1.0f);
    }
    if (!ini.LoadUserSection("toggles", path))
        return false;
    for (int i = 0; i < NumToggles; ++i) {
        long value = 0;
        if (!ini.HasValue(kToggleNames[i]) || !ParseInt(ini.GetValue(kToggleNames[i]), value))
            return false;
        readToggles[i] = value != 0;
    }
    for (int i = 0; i < NumOptions; ++i)
        options[i] = read[i];
    for (int i = 0; i < NumToggles; ++i)
        toggles[i] = readToggles[i];
    return true;
}

void SIM_PlayerOptions::ReadID()
{
    IniLoader ini;
    std::string id;
    if (ini.LoadUserSection("ID", path))
        id = Trimmed(ini.GetValue("id"));
    std::srand(timeGetTime());
    if (id.size() > 6) {
        uniqueID = id;
        return;
    }
    uniqueID.clear();
    for (int i = 0; i < 9; ++i)
        uniqueID += char('0' + std::rand() % 9);
}

void SIM_PlayerOptions::Save()
{
    RefreshPath();
    std::string text = "[config]\n";
    char line[256];
    for (int i = 0; i < NumOptions; ++i) {
        std::snprintf(line, sizeof line, "%s = %.2f\n", kOptionNames[i], double(options[i]));
        text += line;
    }
    text += "\n[toggles]\n";
    for (int i = 0; i < NumToggles; ++i) {
        std::snprintf(line, sizeof line, "%s = %d\n", kToggleNames[i], toggles[i] ? 1 : 0);
        text += line;
    }
    text += "\n[ID]\nid = " + uniqueID + "\n";
    if (!WriteFileAtomically(path, text))
        GWarning("Failed to save variables", __FILE__, __LINE__);
}

#include "menus/GUI_SaveList.h"

#include "engine/gfx/GDIText.h"
#include "savegame/SaveFormat.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kExtension = ".xml";

bool HasExtension(const std::string& name)
{
    const size_t n = std::char_traits<char>::length(kExtension);
    return name.size() > n && name.compare(name.size() - n, n, kExtension) == 0;
}

bool LessNoCase(const std::string& a, const std::string& b)
{
    const bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
    // Names equal but for case keep one steady order.
    const bool greater = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
    return less || (!greater && a < b);
}

// A file name that is a loadable save of the folder (the entry itself is checked apart).
bool IsSaveFileName(const std::string& name)
{
    return HasExtension(name) && SaveFormat::IsValidSaveName(GUI_SaveNameOf(name));
}

} // namespace

std::string GUI_SaveNameOf(const std::string& fileName)
{
    return HasExtension(fileName) ? fileName.substr(0, fileName.size() - 4) : fileName;
}

std::vector<std::string> GUI_ListSaveGames()
{
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(SaveFormat::SaveGamesDir(), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        // The entry itself must be a regular file: a link is not followed.
        if (IsSaveFileName(name) && it->symlink_status(typeError).type() == fs::file_type::regular)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), LessNoCase);
    return names;
}

bool GUI_RemoveSaveGame(const std::string& fileName)
{
    if (!IsSaveFileName(fileName))
        return false;
    const fs::path path = fs::path(SaveFormat::SaveGamesDir()) / fileName;
    std::error_code ec;
    if (fs::symlink_status(path, ec).type() != fs::file_type::regular)
        return false;
    return fs::remove(path, ec) && !ec;
}

std::string GUI_FitText(const std::string& text, const char* font, int size, float width)
{
    GDIText::SetFont(font, size, false);
    if (GDIText::GetStringWidth(text) <= width)
        return text;
    // No line on the screen holds more than this; an edited file may hold far more.
    std::string cut = text.substr(0, 160);
    while (!cut.empty() && GDIText::GetStringWidth(cut + "...") > width)
        cut.pop_back();
    return cut + "...";
}

#include "port/FileFind.h"

#include "port/Paths.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

char Lower(char c)
{
    return char(std::tolower(static_cast<unsigned char>(c)));
}

// Case-insensitive order, ties broken by the bytes, so the order is total and stable.
bool ListingOrder(const std::string& a, const std::string& b)
{
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        auto x = static_cast<unsigned char>(Lower(a[i]));
        auto y = static_cast<unsigned char>(Lower(b[i]));
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

void Fill(const CFileFind& find, _WIN32_FIND_DATA* findData)
{
    if (!findData)
        return;
    findData->dwFileAttributes = find.IsDirectory() ? FILE_ATTRIBUTE_DIRECTORY : 0;
    findData->cFileName = find.GetFileName();
}

} // namespace

bool checkWildcardFit(const std::string& name, const std::string& pattern)
{
    std::string pat = pattern;
    if (pat.size() >= 3 && pat.compare(pat.size() - 3, 3, "*.*") == 0)
        pat.resize(pat.size() - 2);

    size_t n = 0, p = 0;
    size_t star = std::string::npos, resume = 0;
    while (n < name.size()) {
        if (p < pat.size() && pat[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pat.size() && Lower(pat[p]) == Lower(name[n])) {
            ++p;
            ++n;
        } else if (star != std::string::npos) {
            // Let the last "*" swallow one more character and try again from there.
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == '*')
        ++p;
    return p == pat.size();
}

bool CFileFind::FindFile(const std::string& searchPath)
{
    items_.clear();
    index_ = 0;
    name_.clear();
    isDirectory_ = false;

    std::string path = NormaliseSeparators(searchPath);
    size_t cut = path.find_last_of("/:");
    // No folder part, or only the root: nothing to list.
    if (cut == std::string::npos || cut == 0)
        return false;
    folder_ = path.substr(0, cut + 1);
    pattern_ = path.substr(cut + 1);

    std::error_code ec;
    if (!fs::is_directory(folder_, ec))
        return false;
    fs::directory_iterator it(folder_, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        Item item {it->path().filename().string(), it->is_directory(typeError)};
        if (item.name != "." && item.name != "..")
            items_.push_back(std::move(item));
    }
    if (ec) {
        // A listing cut short by an error is no listing.
        items_.clear();
        return true;
    }
    std::sort(items_.begin(), items_.end(),
              [](const Item& a, const Item& b) { return ListingOrder(a.name, b.name); });
    return true;
}

bool CFileFind::FindNextFile()
{
    if (IsDone())
        return false;
    const Item& item = items_[index_++];
    name_ = item.name;
    isDirectory_ = item.isDirectory;
    return checkWildcardFit(name_, pattern_);
}

bool CFileFind::GetFilePath(char* buffer, size_t size) const
{
    if (!buffer || size == 0)
        return false;
    std::string path = GetFilePath();
    size_t n = std::min(path.size(), size - 1);
    std::memcpy(buffer, path.data(), n);
    buffer[n] = '\0';
    return n == path.size();
}

CFileFind* FindFirstFile(const std::string& searchPath, _WIN32_FIND_DATA* findData)
{
    auto* find = new CFileFind;
    if (find->FindFile(searchPath) && FindNextFile(find, findData))
        return find;
    delete find;
    return nullptr;
}

bool FindNextFile(CFileFind* handle, _WIN32_FIND_DATA* findData)
{
    if (!handle)
        return false;
    while (!handle->IsDone()) {
        if (handle->FindNextFile()) {
            Fill(*handle, findData);
            return true;
        }
    }
    return false;
}

void FindClose(CFileFind* handle)
{
    delete handle;
}

#include "iniparser/iniparser.h"

#include "iniparser/strlib.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {

// A quoted value: everything after the opening quote up to the closing one (or the end
// of the line when it is never closed); at least one character.
bool MatchQuoted(const std::string& rest, char quote, std::string& value)
{
    if (rest.empty() || rest[0] != quote)
        return false;
    size_t close = rest.find(quote, 1);
    value = rest.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    return !value.empty();
}

// Splits a text into lines, each with its line end.
template <typename Visit>
void ForEachLine(const std::string& text, Visit visit)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        visit(text.substr(start, end - start));
        start = end;
    }
}

} // namespace

IniLine iniparser_parse_line(const std::string& raw)
{
    IniLine out;
    std::string line = strskp(raw);
    if (line.empty() || line[0] == ';' || line[0] == '#')
        return out;
    if (line[0] == '[') {
        size_t close = line.find(']', 1);
        out.name = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        out.kind = out.name.empty() ? INI_LINE_IGNORED : INI_LINE_SECTION;
        return out;
    }
    out.kind = INI_LINE_IGNORED;
    size_t eq = line.find('=');
    if (eq == std::string::npos || eq == 0)
        return out;
    std::string rest = line.substr(eq + 1);
    size_t first = 0;
    while (first < rest.size() && std::isspace(static_cast<unsigned char>(rest[first])))
        ++first;
    rest.erase(0, first);
    std::string value;
    if (MatchQuoted(rest, '"', value) || MatchQuoted(rest, '\'', value)) {
        value = strcrop(value);
    } else {
        value = rest.substr(0, rest.find_first_of(";#"));
        if (value.empty())
            return out;
        // Two quotes as the whole remainder of a last line stand for an empty value.
        value = (value == "\"\"" || value == "''") ? std::string() : strcrop(value);
    }
    out.kind = INI_LINE_VALUE;
    out.name = strcrop(line.substr(0, eq));
    out.value = value;
    return out;
}

dictionary* iniparser_load_text(const std::string& text)
{
    // Entries are gathered first (a repeated key keeps its first place and takes the last
    // value, as dictionary_set would), then laid into the table: linear time for any size.
    struct Entry {
        std::string key;
        std::string value;
        bool hasValue;
    };
    std::vector<Entry> entries;
    std::unordered_map<std::string, size_t> index;
    auto set = [&](const std::string& key, const std::string* value) {
        auto [it, added] = index.emplace(key, entries.size());
        if (added)
            entries.push_back(Entry {key, value ? *value : std::string(), value != nullptr});
        else
            entries[it->second] = Entry {key, value ? *value : std::string(), value != nullptr};
    };
    std::string section;
    bool inSection = false;
    ForEachLine(text, [&](const std::string& raw) {
        IniLine line = iniparser_parse_line(raw);
        if (line.kind == INI_LINE_SECTION) {
            section = line.name;
            inSection = true;
            set(section, nullptr);
        } else if (line.kind == INI_LINE_VALUE) {
            set(inSection ? section + ":" + line.name : line.name, &line.value);
        }
    });
    dictionary* d = dictionary_new(int(entries.size()));
    for (const Entry& e : entries) {
        // A fresh table: the entries take slots 0, 1, 2... in file order.
        d->key[d->n] = strdup(e.key.c_str());
        d->val[d->n] = e.hasValue ? strdup(e.value.c_str()) : nullptr;
        d->hash[d->n] = dictionary_hash(e.key.c_str());
        ++d->n;
    }
    return d;
}

dictionary* iniparser_load(const char* path)
{
    if (!path)
        return nullptr;
    FILE* f = std::fopen(path, "rb");
    if (!f)
        return nullptr;
    std::string text;
    char chunk[8192];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        text.append(chunk, got);
    std::fclose(f);
    return iniparser_load_text(text);
}

void iniparser_freedict(dictionary* d)
{
    dictionary_del(d);
}

const char* iniparser_getstring(const dictionary* d, const char* key, const char* def)
{
    if (!d || !key)
        return def;
    return dictionary_get(d, key, def);
}

const char* iniparser_getstr(const dictionary* d, const char* key)
{
    return iniparser_getstring(d, key, nullptr);
}

int iniparser_getint(const dictionary* d, const char* key, int notfound)
{
    const char* v = iniparser_getstr(d, key);
    return v ? std::atoi(v) : notfound;
}

double iniparser_getdouble(const dictionary* d, const char* key, double notfound)
{
    const char* v = iniparser_getstr(d, key);
    return v ? std::atof(v) : notfound;
}

int iniparser_getboolean(const dictionary* d, const char* key, int notfound)
{
    const char* v = iniparser_getstr(d, key);
    if (!v)
        return notfound;
    if (std::strchr("1TtYy", v[0]) && v[0])
        return 1;
    if (std::strchr("0FfNn", v[0]) && v[0])
        return 0;
    return notfound;
}

int iniparser_find_entry(const dictionary* d, const char* entry)
{
    if (!d || !entry)
        return 0;
    for (int i = 0; i < d->size; ++i)
        if (d->key[i] && std::strcmp(d->key[i], entry) == 0)
            return 1;
    return 0;
}

int iniparser_setstr(dictionary* d, const char* entry, const char* val)
{
    dictionary_set(d, entry, val);
    return 0;
}

void iniparser_unset(dictionary* d, const char* entry)
{
    dictionary_unset(d, entry);
}

int iniparser_getnsec(const dictionary* d)
{
    if (!d)
        return -1;
    int count = 0;
    for (int i = 0; i < d->size; ++i)
        if (d->key[i] && !std::strchr(d->key[i], ':'))
            ++count;
    return count;
}

const char* iniparser_getsecname(const dictionary* d, int n)
{
    if (!d || n < 0)
        return nullptr;
    for (int i = 0; i < d->size; ++i) {
        if (d->key[i] && !std::strchr(d->key[i], ':') && n-- == 0)
            return d->key[i];
    }
    return nullptr;
}

void iniparser_dump(const dictionary* d, FILE* f)
{
    if (!d || !f)
        return;
    for (int i = 0; i < d->size; ++i) {
        if (!d->key[i])
            continue;
        if (d->val[i])
            std::fprintf(f, "[%s]=[%s]\n", d->key[i], d->val[i]);
        else
            std::fprintf(f, "[%s]=UNDEF\n", d->key[i]);
    }
}

void iniparser_dump_ini(const dictionary* d, FILE* f)
{
    if (!d || !f)
        return;
    int nsec = iniparser_getnsec(d);
    if (nsec < 1) {
        for (int i = 0; i < d->size; ++i)
            if (d->key[i])
                std::fprintf(f, "%s = %s\n", d->key[i], d->val[i] ? d->val[i] : "");
        return;
    }
    for (int s = 0; s < nsec; ++s) {
        const char* name = iniparser_getsecname(d, s);
        std::string prefix = std::string(name) + ":";
        std::fprintf(f, "\n[%s]\n", name);
        for (int i = 0; i < d->size; ++i) {
            if (d->key[i] && std::strncmp(d->key[i], prefix.c_str(), prefix.size()) == 0)
                std::fprintf(f, "%-30s = %s\n", d->key[i] + prefix.size(), d->val[i] ? d->val[i] : "");
        }
        std::fprintf(f, "\n");
    }
}

#pragma once
// Reads INI files into a dictionary. Section and key names keep their case; every lookup
// is exact. A key of a section is stored as "section:key", a section under its bare name
// (without value) and a key before the first section line under its bare name.
#include "iniparser/dictionary.h"

#include <cstdio>
#include <string>

// What one line of an INI file is.
enum IniLineKind {
    INI_LINE_COMMENT, // blank, or begins with ';' or '#'
    INI_LINE_SECTION, // "[name]"
    INI_LINE_VALUE,   // key = value (double-quoted, single-quoted or bare)
    INI_LINE_IGNORED  // matches no form and is skipped
};

struct IniLine {
    IniLineKind kind = INI_LINE_COMMENT;
    std::string name;  // section name or key
    std::string value; // value of a key line
};

// Classifies one line as read from the file, its line end included (the last line of a
// file may lack one, which matters for a value written as two quotes).
IniLine iniparser_parse_line(const std::string& line);

// Parses a whole text; never fails.
dictionary* iniparser_load_text(const std::string& text);
// Parses a file (opened "rb"); null when it cannot be opened. Lines of any length are
// read whole.
dictionary* iniparser_load(const char* path);
void iniparser_freedict(dictionary* d);

const char* iniparser_getstring(const dictionary* d, const char* key, const char* def);
const char* iniparser_getstr(const dictionary* d, const char* key);
int iniparser_getint(const dictionary* d, const char* key, int notfound);
double iniparser_getdouble(const dictionary* d, const char* key, double notfound);
// "1", "T", "t", "Y", "y"... gives 1; "0", "F", "f", "N", "n"... gives 0; else notfound.
int iniparser_getboolean(const dictionary* d, const char* key, int notfound);
int iniparser_find_entry(const dictionary* d, const char* entry);
int iniparser_setstr(dictionary* d, const char* entry, const char* val);
void iniparser_unset(dictionary* d, const char* entry);
// Sections are the entries whose key holds no ':'.
int iniparser_getnsec(const dictionary* d);
const char* iniparser_getsecname(const dictionary* d, int n);
void iniparser_dump(const dictionary* d, FILE* f);
void iniparser_dump_ini(const dictionary* d, FILE* f);

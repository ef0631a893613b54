#pragma once
// Win32-style profile calls over INI files. Reads consult the per-user profile store
// (GProfileStore) first, key by key, and the INI file second; writes go only to the store.
// File names are written as the caller likes ("data\config.muf"): the file is looked for
// in the working folder, then under the Resources folder; a missing file is created empty.
// Section and key names are compared exactly (case-sensitive).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct dictionary;

// Copies the value (or the default) into the buffer, cut to size - 1 characters; returns
// the length of the text left in the buffer.
size_t GetPrivateProfileString(const char* section, const char* key, const char* def, char* buffer,
                               size_t size, const char* file);
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& def, const std::string& file);
int GetPrivateProfileInt(const std::string& section, const std::string& key, int def, const std::string& file);
// The default when the key is missing or its value empty.
float GetPrivateProfileFloat(const std::string& section, const std::string& key, float def,
                             const std::string& file);
// "r,g,b,a" packed with red in bits 0-7 and alpha in bits 24-31; default "0,0,0,0".
uint32_t GetPrivateProfileRGBA(const std::string& section, const std::string& key, const std::string& file);

// The whole section as "key=value" texts in the file's order; a key written to the store
// replaces the file's value in place, keys found only in the store follow.
std::vector<std::string> GetPrivateProfileSection(const std::string& section, const std::string& file);
// The same written into the buffer as "key=value\0" texts and a final "\0", as many whole
// texts as fit; returns the bytes written before the final terminator.
size_t GetPrivateProfileSection(const char* section, char* buffer, size_t size, const char* file);

// Write to the profile store; false when the store could not be saved.
bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                               const std::string& file);
bool WritePrivateProfileFloat(const std::string& section, const std::string& key, float value,
                              const std::string& file);
bool WritePrivateProfileInt(const std::string& section, const std::string& key, int value,
                            const std::string& file);

// The path a profile file name resolves to (working folder first, then the Resources
// folder); empty when there is no Resources folder to fall back on.
std::string ResolveProfileFilePath(const std::string& file);
// Parses the profile file (created empty when missing); null when it cannot be had. The
// caller frees the result with iniparser_freedict.
dictionary* GetDictionaryForFilename(const std::string& file);

#pragma once
// The INI parser's table: full keys ("section:key", a section under its bare name) with
// text values, kept in insertion order. Lookups compare keys exactly (case-sensitive).
#include <cstdint>
#include <cstdio>

struct dictionary {
    int n = 0;               // entries in use
    int size = 0;            // slots
    char** val = nullptr;    // value of each slot; null for a section entry
    char** key = nullptr;    // key of each slot; null marks a free slot
    uint32_t* hash = nullptr; // hash of each slot's key; 0 in a free slot
};

// Jenkins' one-at-a-time hash over the key's characters taken as signed bytes.
uint32_t dictionary_hash(const char* key);

// A new table of at least 128 slots (fewer requested slots are raised to 128).
dictionary* dictionary_new(int size);
void dictionary_del(dictionary* d);

// The value of the first slot whose key equals `key`, else `def`.
const char* dictionary_get(const dictionary* d, const char* key, const char* def);
char dictionary_getchar(const dictionary* d, const char* key, char def);
int dictionary_getint(const dictionary* d, const char* key, int def);
double dictionary_getdouble(const dictionary* d, const char* key, double def);

// Replaces the value of an equal key, or appends the entry in the first free slot
// (doubling the table when it is full). A null value makes a section entry.
void dictionary_set(dictionary* d, const char* key, const char* val);
void dictionary_unset(dictionary* d, const char* key);
void dictionary_setint(dictionary* d, const char* key, int val);
void dictionary_setdouble(dictionary* d, const char* key, double val);

void dictionary_dump(const dictionary* d, FILE* out);

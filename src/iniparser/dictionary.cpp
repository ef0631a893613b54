#include "iniparser/dictionary.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const int kMinSlots = 128;

char* CopyText(const char* text)
{
    if (!text)
        return nullptr;
    size_t len = std::strlen(text);
    char* copy = static_cast<char*>(std::malloc(len + 1));
    std::memcpy(copy, text, len + 1);
    return copy;
}

template <typename T>
T* GrowArray(T* old, int oldSize, int newSize)
{
    T* grown = static_cast<T*>(std::calloc(size_t(newSize), sizeof(T)));
    if (old)
        std::memcpy(grown, old, size_t(oldSize) * sizeof(T));
    std::free(old);
    return grown;
}

int FindSlot(const dictionary* d, const char* key)
{
    uint32_t h = dictionary_hash(key);
    for (int i = 0; i < d->size; ++i) {
        if (d->key[i] && d->hash[i] == h && std::strcmp(d->key[i], key) == 0)
            return i;
    }
    return -1;
}

} // namespace

uint32_t dictionary_hash(const char* key)
{
    uint32_t hash = 0;
    for (const char* p = key; *p; ++p) {
        hash += uint32_t(int32_t(static_cast<signed char>(*p)));
        hash += hash << 10;
        hash ^= hash >> 6;
    }
    hash += hash << 3;
    hash ^= hash >> 11;
    hash += hash << 15;
    return hash;
}

dictionary* dictionary_new(int size)
{
    if (size < kMinSlots)
        size = kMinSlots;
    dictionary* d = new dictionary;
    d->size = size;
    d->val = GrowArray<char*>(nullptr, 0, size);
    d->key = GrowArray<char*>(nullptr, 0, size);
    d->hash = GrowArray<uint32_t>(nullptr, 0, size);
    return d;
}

void dictionary_del(dictionary* d)
{
    if (!d)
        return;
    for (int i = 0; i < d->size; ++i) {
        std::free(d->key[i]);
        std::free(d->val[i]);
    }
    std::free(d->key);
    std::free(d->val);
    std::free(d->hash);
    delete d;
}

const char* dictionary_get(const dictionary* d, const char* key, const char* def)
{
    if (!d || !key)
        return def;
    int slot = FindSlot(d, key);
    return slot < 0 ? def : d->val[slot];
}

char dictionary_getchar(const dictionary* d, const char* key, char def)
{
    const char* v = dictionary_get(d, key, nullptr);
    return v ? v[0] : def;
}

int dictionary_getint(const dictionary* d, const char* key, int def)
{
    const char* v = dictionary_get(d, key, nullptr);
    return v ? std::atoi(v) : def;
}

double dictionary_getdouble(const dictionary* d, const char* key, double def)
{
    const char* v = dictionary_get(d, key, nullptr);
    return v ? std::atof(v) : def;
}

void dictionary_set(dictionary* d, const char* key, const char* val)
{
    if (!d || !key)
        return;
    int slot = FindSlot(d, key);
    if (slot >= 0) {
        std::free(d->val[slot]);
        d->val[slot] = CopyText(val);
        return;
    }
    if (d->n == d->size) {
        int grown = d->size * 2;
        d->val = GrowArray(d->val, d->size, grown);
        d->key = GrowArray(d->key, d->size, grown);
        d->hash = GrowArray(d->hash, d->size, grown);
        d->size = grown;
    }
    for (int i = 0; i < d->size; ++i) {
        if (!d->key[i]) {
            d->key[i] = CopyText(key);
            d->val[i] = CopyText(val);
            d->hash[i] = dictionary_hash(key);
            ++d->n;
            return;
        }
    }
}

void dictionary_unset(dictionary* d, const char* key)
{
    if (!d || !key)
        return;
    int slot = FindSlot(d, key);
    if (slot < 0)
        return;
    std::free(d->key[slot]);
    std::free(d->val[slot]);
    d->key[slot] = nullptr;
    d->val[slot] = nullptr;
    d->hash[slot] = 0;
    --d->n;
}

void dictionary_setint(dictionary* d, const char* key, int val)
{
    dictionary_set(d, key, std::to_string(val).c_str());
}

void dictionary_setdouble(dictionary* d, const char* key, double val)
{
    char text[64];
    std::snprintf(text, sizeof text, "%g", val);
    dictionary_set(d, key, text);
}

void dictionary_dump(const dictionary* d, FILE* out)
{
    if (!d || !out)
        return;
    if (d->n < 1) {
        std::fputs("empty dictionary\n", out);
        return;
    }
    for (int i = 0; i < d->size; ++i) {
        if (d->key[i])
            std::fprintf(out, "%20s\t[%s]\n", d->key[i], d->val[i] ? d->val[i] : "UNDEF");
    }
}

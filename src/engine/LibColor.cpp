#include "engine/LibColor.h"

#include <algorithm>
#include <cstdlib>

LibColor::LibColor(const std::string& text) : r(0), g(0), b(0), a(255)
{
    int* channels[] = {&r, &g, &b};
    size_t start = 0;
    for (int* channel : channels) {
        if (start > text.size())
            break;
        size_t comma = text.find(',', start);
        std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        long value = std::strtol(part.c_str(), nullptr, 10);
        *channel = int(std::clamp<long>(value, -65536, 65536));
        start = comma == std::string::npos ? text.size() + 1 : comma + 1;
    }
}

void LibColor::Darken(int n)
{
    r = std::max(0, r - n);
    g = std::max(0, g - n);
    b = std::max(0, b - n);
}

#include "port/sdl/ImageDecode.h"

// Third-party single-header code: its own warnings are not ours to fix.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#include <stb_image.h>
#pragma GCC diagnostic pop

#include <cstring>

bool DecodeImageFile(const std::string& path, int& width, int& height, std::vector<uint8_t>& rgba)
{
    int w = 0, h = 0, channels = 0;
    stbi_uc* data = stbi_load(path.c_str(), &w, &h, &channels, 4);
    if (!data)
        return false;
    if (w <= 0 || h <= 0) {
        stbi_image_free(data);
        return false;
    }
    rgba.assign(data, data + size_t(w) * size_t(h) * 4);
    stbi_image_free(data);
    width = w;
    height = h;
    return true;
}

// Converts a rendered picture to the format the game asks for, by the output's extension:
// ".jpg" (JPEG, quality 92, flattened onto black) or ".bmp" (uncompressed 24-bit, or
// 32-bit when the picture has transparency), ".png" as it stands.
//
//   amp_imgconv <in.png> <out.jpg|out.bmp|out.png>
#include <stb_image.h>
#include <stb_image_write.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
bool EndsWith(const std::string& s, const char* tail)
{
    const std::string t = tail;
    return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <in> <out.jpg|out.bmp|out.png>\n", argv[0]);
        return 2;
    }
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(argv[1], &w, &h, &n, 4);
    if (!pixels) {
        std::fprintf(stderr, "amp_imgconv: cannot read %s\n", argv[1]);
        return 1;
    }
    bool translucent = false;
    for (size_t i = 0; i < size_t(w) * size_t(h); ++i)
        translucent = translucent || pixels[i * 4 + 3] != 255;
    std::vector<unsigned char> rgb(size_t(w) * size_t(h) * 3);
    for (size_t i = 0; i < size_t(w) * size_t(h); ++i)
        for (int c = 0; c < 3; ++c)
            rgb[i * 3 + c] = static_cast<unsigned char>(pixels[i * 4 + c] * pixels[i * 4 + 3] / 255);

    const std::string out = argv[2];
    int ok = 0;
    if (EndsWith(out, ".jpg") || EndsWith(out, ".jpeg"))
        ok = stbi_write_jpg(argv[2], w, h, 3, rgb.data(), 92);
    else if (EndsWith(out, ".bmp"))
        ok = translucent ? stbi_write_bmp(argv[2], w, h, 4, pixels) : stbi_write_bmp(argv[2], w, h, 3, rgb.data());
    else if (EndsWith(out, ".png"))
        ok = stbi_write_png(argv[2], w, h, 4, pixels, w * 4);
    else
        std::fprintf(stderr, "amp_imgconv: unknown output format %s\n", argv[2]);
    stbi_image_free(pixels);
    if (!ok) {
        std::fprintf(stderr, "amp_imgconv: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

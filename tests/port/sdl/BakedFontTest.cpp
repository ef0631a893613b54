// The shipped bitmap fonts as baked: a glyph cell taller than its glyphs keeps its top and
// bottom rows clear, so text drawn smaller than the cell (filtered) picks up no line of
// the glyph above or below it.
#include "port/sdl/ImageDecode.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

TEST(BakedFontTest, CellsWithRoomKeepTheirTopAndBottomRowsClear)
{
    std::ifstream list(SourceDir() + "/art/fonts.txt");
    ASSERT_TRUE(list) << "art/fonts.txt";
    int checked = 0;
    for (std::string line; std::getline(list, line);) {
        std::istringstream fields(line);
        std::string name, face;
        int cell = 0, glyph = 0;
        if (line.empty() || line[0] == '#' || !(fields >> name >> face >> cell >> glyph))
            continue;
        if (cell < glyph + 2)
            continue; // no room: the glyphs fill their cells
        int width = 0, height = 0;
        std::vector<uint8_t> rgba;
        ASSERT_TRUE(DecodeImageFile(GameDir() + "/data/bitmaps/" + name + ".png", width, height, rgba)) << name;
        ASSERT_EQ(width, 10 * cell) << name;
        int inked = 0;
        for (int y = 0; y < height; ++y) {
            const int row = y % cell;
            for (int x = 0; x < width; ++x) {
                const uint8_t alpha = rgba[(size_t(y) * size_t(width) + size_t(x)) * 4 + 3];
                inked += alpha != 0;
                if (alpha != 0 && (row == 0 || row == cell - 1)) {
                    ADD_FAILURE() << name << ": ink on row " << row << " of the cell at " << x / cell << ", "
                                  << y / cell;
                    return;
                }
            }
        }
        EXPECT_GT(inked, 0) << name;
        ++checked;
    }
    EXPECT_GT(checked, 0) << "no font with room in its cells";
}

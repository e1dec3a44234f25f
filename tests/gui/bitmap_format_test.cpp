// tests/gui/bitmap_format_test.cpp: every Beamset bitmap is an uncompressed 8-bit BMP with a 256-entry colour
// table at its given size, and the icon holds 32x32 and 16x16 images in 16 colours.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> ReadFile(const std::string& name) {
  std::ifstream in(std::string(BEAMSET_RES_DIR) + "/" + name, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t U32(const std::vector<unsigned char>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

uint16_t U16(const std::vector<unsigned char>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

struct BitmapCase {
  const char* file;
  int width;
  int height;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const BitmapCase& c, std::ostream* os) { *os << c.file; }

class BitmapFormat : public testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapFormat, IsUncompressed8BitWithFullColourTable) {
  const BitmapCase& c = GetParam();
  std::vector<unsigned char> b = ReadFile(c.file);
  ASSERT_GE(b.size(), 14u + 40u + 1024u) << c.file;
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(U32(b, 2), b.size());  // file size field
  EXPECT_EQ(U32(b, 14), 40u);      // BITMAPINFOHEADER
  EXPECT_EQ(static_cast<int32_t>(U32(b, 18)), c.width);
  EXPECT_EQ(static_cast<int32_t>(U32(b, 22)), c.height);  // positive: bottom-up rows
  EXPECT_EQ(U16(b, 26), 1);                               // planes
  EXPECT_EQ(U16(b, 28), 8);                               // bits per pixel
  EXPECT_EQ(U32(b, 30), 0u);                              // BI_RGB, no RLE
  uint32_t colours = U32(b, 46) == 0 ? 256 : U32(b, 46);
  EXPECT_EQ(colours, 256u);
  EXPECT_EQ(U32(b, 10), 14u + 40u + 1024u);  // pixels start right after the table
  size_t stride = (static_cast<size_t>(c.width) + 3) & ~static_cast<size_t>(3);
  EXPECT_EQ(b.size(), 14u + 40u + 1024u + stride * static_cast<size_t>(c.height));
}

INSTANTIATE_TEST_SUITE_P(Resources, BitmapFormat,
                         testing::Values(BitmapCase{"background.bmp", 500, 339}, BitmapCase{"page.bmp", 488, 200},
                                         BitmapCase{"apply_down.bmp", 75, 21}, BitmapCase{"apply_up.bmp", 75, 21},
                                         BitmapCase{"cancel_down.bmp", 75, 21}, BitmapCase{"cancel_up.bmp", 75, 21},
                                         BitmapCase{"ok_down.bmp", 75, 21}, BitmapCase{"ok_up.bmp", 75, 21},
                                         BitmapCase{"input_on.bmp", 80, 25}, BitmapCase{"input_off.bmp", 80, 25},
                                         BitmapCase{"output_on.bmp", 80, 25}, BitmapCase{"output_off.bmp", 80, 25},
                                         BitmapCase{"close.bmp", 17, 19}),
                         [](const testing::TestParamInfo<BitmapCase>& info) {
                           std::string name = info.param.file;
                           return name.substr(0, name.find('.'));
                         });

// Pressed and released faces, and on and off tabs, must differ, or a state change would not show.
TEST(BitmapPairs, StatesLookDifferent) {
  const char* pairs[][2] = {{"apply_down.bmp", "apply_up.bmp"},
                            {"cancel_down.bmp", "cancel_up.bmp"},
                            {"ok_down.bmp", "ok_up.bmp"},
                            {"input_on.bmp", "input_off.bmp"},
                            {"output_on.bmp", "output_off.bmp"}};
  for (const auto& p : pairs) EXPECT_NE(ReadFile(p[0]), ReadFile(p[1])) << p[0];
}

TEST(Icon, Holds32And16PixelImagesIn16Colours) {
  std::vector<unsigned char> b = ReadFile("beamset.ico");
  ASSERT_GE(b.size(), 6u + 2 * 16u);
  EXPECT_EQ(U16(b, 0), 0);
  EXPECT_EQ(U16(b, 2), 1);  // icon
  ASSERT_EQ(U16(b, 4), 2);
  const int sizes[] = {32, 16};
  for (int i = 0; i < 2; ++i) {
    size_t entry = 6 + 16 * static_cast<size_t>(i);
    EXPECT_EQ(b[entry], sizes[i]);
    EXPECT_EQ(b[entry + 1], sizes[i]);
    EXPECT_EQ(b[entry + 2], 16);  // colours
    size_t image = U32(b, entry + 12);
    ASSERT_LE(image + 40, b.size());
    EXPECT_EQ(U32(b, image + 4), static_cast<uint32_t>(sizes[i]));
    EXPECT_EQ(U32(b, image + 8), static_cast<uint32_t>(2 * sizes[i]));  // colour rows and mask rows
    EXPECT_EQ(U16(b, image + 14), 4);                                   // bits per pixel
    EXPECT_EQ(image + U32(b, entry + 8), i == 1 ? b.size() : U32(b, entry + 16 + 12));
  }
}

}  // namespace

// tests/gui/bitmap_format_test.cpp: Beamset's bitmaps and icon keep to forms every family loads, which neither the
// resource compiler nor Wine checks: a newer bitmap header, as image editors write by default, or a PNG icon
// image passes both and shows nothing on Windows 95.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
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

// A BITMAPINFOHEADER, uncompressed 8-bit bottom-up rows after the colour table, as many as the header says.
TEST(Bitmaps, AreUncompressed8BitWithAClassicHeader) {
  int nFiles = 0;
  for (const auto& entry : std::filesystem::directory_iterator(BEAMSET_RES_DIR)) {
    if (entry.path().extension() != ".bmp") continue;
    ++nFiles;
    const std::string name = entry.path().filename().string();
    std::vector<unsigned char> b = ReadFile(name);
    ASSERT_GE(b.size(), 54u) << name;
    EXPECT_TRUE(b[0] == 'B' && b[1] == 'M') << name;
    EXPECT_EQ(U32(b, 14), 40u) << name;
    EXPECT_EQ(U16(b, 28), 8) << name;
    EXPECT_EQ(U32(b, 30), 0u) << name;  // BI_RGB
    const size_t colours = U32(b, 46) == 0 ? 256 : U32(b, 46);
    const size_t stride = (U32(b, 18) + 3) & ~3u;
    EXPECT_EQ(b.size(), 54 + 4 * colours + stride * U32(b, 22)) << name;
  }
  EXPECT_GT(nFiles, 0);
}

// Pressed and released faces, and on and off tabs, have one size and different pixels, or a state change would
// not show.
TEST(Bitmaps, StatesLookDifferentAtTheSameSize) {
  const char* pairs[][2] = {{"apply_down.bmp", "apply_up.bmp"},
                            {"cancel_down.bmp", "cancel_up.bmp"},
                            {"ok_down.bmp", "ok_up.bmp"},
                            {"input_on.bmp", "input_off.bmp"},
                            {"output_on.bmp", "output_off.bmp"}};
  for (const auto& p : pairs) {
    std::vector<unsigned char> a = ReadFile(p[0]), b = ReadFile(p[1]);
    ASSERT_TRUE(a.size() >= 26 && b.size() >= 26) << p[0];
    EXPECT_TRUE(U32(a, 18) == U32(b, 18) && U32(a, 22) == U32(b, 22)) << p[0];
    EXPECT_NE(a, b) << p[0];
  }
}

// The taskbar's 16x16 and the 32x32 image, each a 16-colour DIB rather than a PNG.
TEST(Icon, Holds32And16PixelImagesIn16Colours) {
  std::vector<unsigned char> b = ReadFile("beamset.ico");
  ASSERT_GE(b.size(), 6u + 2 * 16u);
  ASSERT_EQ(U16(b, 4), 2);
  const int sizes[] = {32, 16};
  for (int i = 0; i < 2; ++i) {
    const size_t entry = 6 + 16 * static_cast<size_t>(i);
    EXPECT_TRUE(b[entry] == sizes[i] && b[entry + 1] == sizes[i]);
    const size_t image = U32(b, entry + 12);
    ASSERT_LE(image + U32(b, entry + 8), b.size());
    EXPECT_EQ(U32(b, image), 40u);     // BITMAPINFOHEADER, not PNG
    EXPECT_EQ(U16(b, image + 14), 4);  // bits per pixel
  }
}

}  // namespace

// The picture and wave readers: good files load, every bad one fails naming the file.

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/error.h"
#include "platform/files/wave_file.h"
#include "platform/runtime/picture.h"
#include "platform/scene/mesh_file.h"
#include "runtime_fixture.h"
#include "test_files.h"

namespace orbelon::testing {
namespace {

class Files : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    WriteFile(dir_ + "/" + name, bytes);
    return dir_ + "/" + name;
  }

  void ExpectFailure(const std::string& what, const std::string& path,
                     const std::function<void(const std::string&)>& load) {
    try {
      load(path);
      ADD_FAILURE() << what << ": loaded without complaint";
    } catch (const platform::PlatformError& error) {
      EXPECT_NE(std::string(error.what()).find("\"" + path + "\""), std::string::npos)
          << what << ": the message does not name the file: " << error.what();
    }
  }

  std::string dir_ = OwnFolder();
};

TEST_F(Files, PicturesLoadAsRgbaRowsAndBadOnesFail) {
  Write("life.png", MakePng(70, 3));
  // The game's own separator, a backslash, as it writes its file names.
  const platform::Picture picture = platform::LoadPicture(dir_ + "\\life.png");
  EXPECT_EQ(picture->width, 70);
  EXPECT_EQ(picture->height, 3);
  ASSERT_EQ(picture->rgba.size(), 70u * 3u * 4u);
  const auto pixel = picture->rgba.begin() + (2 * 70 + 65) * 4;
  EXPECT_EQ(std::vector<uint8_t>(pixel, pixel + 4), (std::vector<uint8_t>{65, 2, 67, 255}));

  const auto load = [](const std::string& path) { platform::LoadPicture(path); };
  const std::vector<uint8_t> good = MakePng(8, 8);
  ExpectFailure("missing", dir_ + "/none.png", load);
  ExpectFailure("a folder", dir_, load);
  ExpectFailure("empty", Write("empty.png", {}), load);
  ExpectFailure("truncated", Write("cut.png", {good.begin(), good.begin() + 60}), load);
  ExpectFailure("a bitmap, not a PNG", Write("bmp.png", {'B', 'M', 0, 0, 0, 0}), load);
  std::vector<uint8_t> bad_crc = good;
  bad_crc[50] ^= 0xff;  // inside the pixel data
  ExpectFailure("damaged data", Write("crc.png", bad_crc), load);
  std::vector<uint8_t> huge = MakePng(1, 1);
  huge[16] = 0x7f;  // a width of about two thousand million
  ExpectFailure("an absurd size", Write("huge.png", huge), load);
  // At most 1024 pixels on a side, twice the game's largest picture.
  EXPECT_EQ(platform::LoadPicture(Write("wide.png", MakePng(1024, 1)))->width, 1024);
  EXPECT_EQ(platform::LoadPicture(Write("tall.png", MakePng(1, 1024)))->height, 1024);
  ExpectFailure("1025 pixels wide", Write("wider.png", MakePng(1025, 1)), load);
  ExpectFailure("1025 pixels high", Write("taller.png", MakePng(1, 1025)), load);
}

// A named pipe in place of a data file would hold a reader that waits for a writer for ever.
TEST_F(Files, EveryReaderRefusesWhatIsNotAFileWithoutWaiting) {
  const std::string pipe = dir_ + "/pipe.dat";
  unlink(pipe.c_str());
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  alarm(10);  // a reader that waits ends the test
  const std::pair<const char*, std::function<void(const std::string&)>> readers[] = {
      {"picture", [](const std::string& path) { platform::LoadPicture(path); }},
      {"sound", [](const std::string& path) { platform::ReadWaveFile(path); }},
      {"mesh", [](const std::string& path) { scene::ReadMeshFile(path); }},
  };
  for (const auto& [kind, read] : readers) {
    ExpectFailure(std::string(kind) + " from a named pipe", pipe, read);
    ExpectFailure(std::string(kind) + " from a folder", dir_, read);
  }
  alarm(0);
}

// The game names a file as the program's folder + "\name". Only that backslash is the game's:
// one in the folder is part of a name there, and a converted path stays as it is.
TEST(NativePath, ConvertsOnlyTheGamesOwnName) {
  const std::pair<std::string, std::string> paths[] = {
      {"/opt/orbelon\\m.dab", "/opt/orbelon/m.dab"},
      {"/home/a\\b/orbelon\\m.dab", "/home/a\\b/orbelon/m.dab"},
      {"/home/a/or\\belon\\m.dab", "/home/a/or\\belon/m.dab"},
      {"/opt/orbelon/m.dab", "/opt/orbelon/m.dab"},
  };
  for (const auto& [game, native] : paths) {
    EXPECT_EQ(platform::NativePath(game), native) << game;
    EXPECT_EQ(platform::NativePath(native), native) << game << ", converted twice";
  }
}

TEST_F(Files, WavesReadFormatAndSamplesAndBadOnesFail) {
  const platform::WaveSound sound =
      platform::ReadWaveFile(Write("chip.daw", MakeWave(2, 16, 22050, 10)));
  EXPECT_EQ(std::tuple(sound.channels, sound.bits_per_sample, sound.sample_rate),
            std::tuple(2, 16, 22050));
  ASSERT_EQ(sound.samples.size(), 40u);
  EXPECT_EQ(sound.samples[3], 21);

  // Unknown chunks are skipped, odd ones with their pad byte.
  std::vector<uint8_t> with_list = MakeWave(1, 8, 11025, 3);
  const std::vector<uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  with_list.insert(with_list.begin() + 12, list.begin(), list.end());
  with_list[4] = static_cast<uint8_t>(with_list[4] + list.size());
  EXPECT_EQ(platform::ReadWaveFile(Write("list.daw", with_list)).samples.size(), 3u);

  const auto load = [](const std::string& path) { platform::ReadWaveFile(path); };
  const std::vector<uint8_t> good = MakeWave(1, 16, 22050, 50);
  // Offsets in a plain wave: format tag 20, channels 22, rate 24, block align 32, bits 34, data
  // size 40.
  const auto damaged = [&](size_t at, uint32_t value, int bytes) {
    std::vector<uint8_t> copy = good;
    std::vector<uint8_t> field;
    Put(field, value, bytes);
    std::copy(field.begin(), field.end(), copy.begin() + static_cast<long>(at));
    return copy;
  };

  ExpectFailure("missing", dir_ + "/none.daw", load);
  ExpectFailure("empty", Write("empty.daw", {}), load);
  ExpectFailure("truncated samples", Write("cut.daw", {good.begin(), good.end() - 10}), load);
  ExpectFailure("not RIFF", Write("text.daw", damaged(0, 'X', 1)), load);
  ExpectFailure("float samples", Write("float.daw", damaged(20, 3, 2)), load);
  ExpectFailure("three channels", Write("ch3.daw", damaged(22, 3, 2)), load);
  ExpectFailure("24-bit samples", Write("b24.daw", damaged(34, 24, 2)), load);
  ExpectFailure("no sample rate", Write("rate.daw", damaged(24, 0, 4)), load);
  ExpectFailure("wrong block align", Write("align.daw", damaged(32, 4, 2)), load);
  ExpectFailure("data size past the end", Write("data.daw", damaged(40, 0x7fffffffu, 4)), load);
  ExpectFailure("half a frame", Write("odd.daw", damaged(40, 99, 4)), load);

  std::vector<uint8_t> no_data(good.begin(), good.begin() + 36);
  no_data[4] = 28;
  ExpectFailure("no data chunk", Write("nodata.daw", no_data), load);

  // The samples before the format.
  std::vector<uint8_t> swapped(good.begin(), good.begin() + 12);
  swapped.insert(swapped.end(), good.begin() + 36, good.end());
  swapped.insert(swapped.end(), good.begin() + 12, good.begin() + 36);
  ExpectFailure("data before fmt", Write("swapped.daw", swapped), load);
}

}  // namespace
}  // namespace orbelon::testing

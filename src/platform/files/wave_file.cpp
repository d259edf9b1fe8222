#include "platform/files/wave_file.h"

#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "platform/error.h"
#include "platform/files/file_bytes.h"

namespace orbelon::platform {

namespace {

// Far above any sound of the game (its longest, the music, is a few megabytes).
constexpr size_t kMaxWaveBytes = size_t{256} << 20;
constexpr uint16_t kFormatPcm = 1;

uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

uint16_t Le16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

bool IdIs(const uint8_t* p, const char* id) {
  return std::memcmp(p, id, 4) == 0;
}

}  // namespace

WaveSound ParseWave(const std::vector<uint8_t>& bytes, const std::string& name) {
  const auto damaged = [&](const std::string& why) {
    return PlatformError("Cannot load sound file \"" + name + "\": " + why);
  };
  if (bytes.size() < 12 || !IdIs(&bytes[0], "RIFF") || !IdIs(&bytes[8], "WAVE")) {
    throw damaged("not a RIFF WAVE file");
  }
  const uint32_t riff_size = Le32(&bytes[4]);
  if (riff_size < 4 || riff_size > bytes.size() - 8) {
    throw damaged("the RIFF size does not match the file");
  }
  // Anything after the RIFF chunk is not part of the sound.
  const size_t end = size_t{riff_size} + 8;

  struct Format {
    int channels;
    int sample_rate;
    int bits;
    int block_align;
  };
  std::optional<Format> format;
  std::optional<WaveSound> sound;
  size_t at = 12;
  while (end - at >= 8) {
    const uint8_t* header = &bytes[at];
    const uint32_t size = Le32(header + 4);
    at += 8;
    if (size > end - at) {
      throw damaged("a chunk runs past the end of the file");
    }
    const uint8_t* body = bytes.data() + at;
    if (IdIs(header, "fmt ")) {
      if (format) {
        throw damaged("it has two format chunks");
      }
      if (size < 16) {
        throw damaged("the format chunk is too short");
      }
      if (Le16(body) != kFormatPcm) {
        throw damaged("the samples are not PCM");
      }
      const int channels = Le16(body + 2);
      const uint32_t rate = Le32(body + 4);
      const uint32_t byte_rate = Le32(body + 8);
      const int block_align = Le16(body + 12);
      const int bits = Le16(body + 14);
      if (channels != 1 && channels != 2) {
        throw damaged("it has " + std::to_string(channels) + " channels (1 or 2 are read)");
      }
      if (bits != 8 && bits != 16) {
        throw damaged("it has " + std::to_string(bits) + "-bit samples (8 or 16 are read)");
      }
      if (rate < 1000 || rate > 192000) {
        throw damaged("its sample rate of " + std::to_string(rate) + " Hz is out of range");
      }
      if (block_align != channels * bits / 8 || byte_rate != rate * uint32_t(block_align)) {
        throw damaged("its format fields contradict each other");
      }
      format = Format{channels, static_cast<int>(rate), bits, block_align};
    } else if (IdIs(header, "data")) {
      if (!format) {
        throw damaged("the samples come before the format");
      }
      if (sound) {
        throw damaged("it has two data chunks");
      }
      if (size % static_cast<uint32_t>(format->block_align) != 0) {
        throw damaged("the samples end in the middle of a frame");
      }
      sound = WaveSound{format->channels, format->sample_rate, format->bits,
                        std::vector<uint8_t>(body, body + size)};
    }
    // Chunks are padded to an even length; a missing pad byte at the very end is forgiven.
    at += size;
    if (size % 2 != 0 && at < end) {
      ++at;
    }
  }
  if (!format) {
    throw damaged("it has no format chunk");
  }
  if (!sound) {
    throw damaged("it has no data chunk");
  }
  return std::move(*sound);
}

WaveSound ReadWaveFile(const std::string& path) {
  const std::string native = NativePath(path);
  return ParseWave(ReadFileBytes(native, "sound", kMaxWaveBytes), native);
}

std::vector<uint8_t> ReadWaveBytes(const std::string& path) {
  const std::string native = NativePath(path);
  std::vector<uint8_t> bytes = ReadFileBytes(native, "sound", kMaxWaveBytes);
  ParseWave(bytes, native);
  return bytes;
}

}  // namespace orbelon::platform

// stop_tone OUT.wav: writes the stop sound, three short beeps at 880 Hz,
// as a 16-bit mono WAV file. Made at build time so the package carries no
// sound file of unknown origin; the output is the same on every build.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPitch = 880.0;
constexpr double kBeepSeconds = 0.18;
constexpr double kGapSeconds = 0.07;
constexpr int kBeeps = 3;
// Soft edges: a tone cut off square clicks.
constexpr double kRampSeconds = 0.01;
constexpr double kLoudness = 0.6;

std::vector<std::int16_t> samples() {
  std::vector<std::int16_t> out;
  const int beep = static_cast<int>(kBeepSeconds * kRate);
  const int gap = static_cast<int>(kGapSeconds * kRate);
  const int ramp = static_cast<int>(kRampSeconds * kRate);
  for (int b = 0; b < kBeeps; ++b) {
    for (int i = 0; i < beep; ++i) {
      const double edge = std::min({1.0, double(i) / ramp, double(beep - 1 - i) / ramp});
      const double wave = std::sin(2 * std::numbers::pi * kPitch * i / kRate);
      out.push_back(static_cast<std::int16_t>(std::lround(32767 * kLoudness * edge * wave)));
    }
    if (b + 1 < kBeeps) out.insert(out.end(), gap, 0);
  }
  return out;
}

void put(std::string& to, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) to += static_cast<char>((value >> (8 * i)) & 0xff);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: stop_tone OUT.wav\n");
    return 2;
  }
  const std::vector<std::int16_t> pcm = samples();
  const auto data_bytes = static_cast<std::uint32_t>(pcm.size() * 2);
  std::string wav = "RIFF";
  put(wav, 36 + data_bytes, 4);
  wav += "WAVEfmt ";
  put(wav, 16, 4);         // format chunk size
  put(wav, 1, 2);          // PCM
  put(wav, 1, 2);          // mono
  put(wav, kRate, 4);      // samples a second
  put(wav, kRate * 2, 4);  // bytes a second
  put(wav, 2, 2);          // bytes a frame
  put(wav, 16, 2);         // bits a sample
  wav += "data";
  put(wav, data_bytes, 4);
  for (std::int16_t s : pcm) put(wav, static_cast<std::uint16_t>(s), 2);

  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(wav.data(), static_cast<std::streamsize>(wav.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "stop_tone: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}

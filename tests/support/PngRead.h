// Reading PNG files back in the Windows tests. COM must be initialised on the calling thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantor::test {

struct DecodedPng {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB, top row first
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

std::optional<DecodedPng> ReadPng(const std::wstring& path);

// COM for one test's thread.
class ComScope {
 public:
  ComScope();
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope();

 private:
  long result_;
};

}  // namespace vantor::test

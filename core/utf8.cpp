#include "utf8.h"

namespace quelbrook {

std::string ToUtf8(const std::u16string& text) {
  std::string out;
  for (char16_t unit : text) {
    auto ch = static_cast<unsigned>(unit);
    if (ch < 0x80) {
      out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
      out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
      // The editor's texts hold no surrogate pairs; each unit is written on its own.
      out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
      out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
  }
  return out;
}

namespace {
bool DecodeStrict(const std::string& bytes, std::u16string& out) {
  for (std::size_t i = 0; i < bytes.size();) {
    auto b0 = static_cast<unsigned char>(bytes[i]);
    auto continuation = [&](std::size_t k) {
      return i + k < bytes.size() && (static_cast<unsigned char>(bytes[i + k]) & 0xC0) == 0x80;
    };
    auto low6 = [&](std::size_t k) { return static_cast<unsigned>(bytes[i + k]) & 0x3F; };
    if (b0 < 0x80) {
      out.push_back(b0);
      i += 1;
    } else if ((b0 & 0xE0) == 0xC0 && continuation(1)) {
      unsigned ch = ((b0 & 0x1F) << 6) | low6(1);
      if (ch < 0x80) return false;
      out.push_back(static_cast<char16_t>(ch));
      i += 2;
    } else if ((b0 & 0xF0) == 0xE0 && continuation(1) && continuation(2)) {
      unsigned ch = ((b0 & 0x0F) << 12) | (low6(1) << 6) | low6(2);
      if (ch < 0x800) return false;
      out.push_back(static_cast<char16_t>(ch));
      i += 3;
    } else {
      return false;
    }
  }
  return true;
}
}  // namespace

std::u16string FromUtf8(const std::string& bytes) {
  std::u16string out;
  if (DecodeStrict(bytes, out)) return out;
  out.clear();
  for (char byte : bytes) out.push_back(static_cast<unsigned char>(byte));
  return out;
}

}  // namespace quelbrook

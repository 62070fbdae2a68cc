#pragma once
// Helpers shared by the workbook tests: hex bytes, files, a scratch folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "workbook/byte_io.hpp"
#include "workbook/records.hpp"

namespace vaporel::xls::test {

// "09 08 10 00" -> bytes; blanks are ignored.
inline Bytes HexBytes(const std::string& hex) {
  Bytes out;
  std::string digits;
  for (char c : hex) {
    if (c != ' ' && c != '\n') digits += c;
  }
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
    out.push_back(static_cast<std::uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
  }
  return out;
}

inline std::string HexText(const Bytes& b) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (i) s += ' ';
    s += digits[b[i] >> 4];
    s += digits[b[i] & 15];
  }
  return s;
}

inline Bytes ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& p, const Bytes& b) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

inline Bytes TemplateBytes() { return ReadFile(VAPOREL_TEMPLATE_PATH); }

// A fresh folder per test, removed afterwards.
class ScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    dir_ = std::filesystem::temp_directory_path() / ("vaporel-workbook-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::filesystem::path dir_;
};

}  // namespace vaporel::xls::test

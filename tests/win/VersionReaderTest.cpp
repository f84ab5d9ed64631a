// The version reader against this test program's own version record (every
// test program carries the program's resources) and against probe programs
// whose record is missing or incomplete.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "forms/MakerTexts.h"
#include "framework/ModulePath.h"
#include "version/TProjectRcVersion.h"

namespace vantrel {
namespace {

// A kernel handle closed with this object.
struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

std::vector<std::byte> OwnVersionRecord() {
  const std::string path = ModulePath();
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  std::vector<std::byte> record(size);
  if (size == 0 || !GetFileVersionInfoA(path.c_str(), handle, size, record.data())) record.clear();
  return record;
}

TEST(VersionReader, CopiesTheFileVersionOfTheOwnRecord) {
  char buffer[256];
  std::memset(buffer, 'x', sizeof buffer);
  TProjectRcVersion reader;
  ASSERT_TRUE(reader.GetFileVersion(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, VANTREL_FILE_VERSION_TEXT);
}

TEST(VersionReader, NeedsRoomForTheTerminator) {
  const std::size_t needed = std::strlen(VANTREL_FILE_VERSION_TEXT) + 1;
  struct Case {
    std::uint32_t size;
    bool copies;
  };
  for (const Case& c : {Case{static_cast<std::uint32_t>(needed), true},
                        Case{static_cast<std::uint32_t>(needed - 1), false}, Case{0, false}}) {
    SCOPED_TRACE(c.size);
    // Room for the value and a guard after it: nothing may land past `size`.
    std::vector<char> buffer(needed + 8, '#');
    TProjectRcVersion reader;
    EXPECT_EQ(reader.GetFileVersion(buffer.data(), c.size), c.copies);
    const std::string expected = c.copies ? std::string(VANTREL_FILE_VERSION_TEXT) + '\0' : "";
    EXPECT_EQ(std::string(buffer.data(), expected.size()), expected);
    EXPECT_EQ(
        std::string(buffer.begin() + static_cast<std::ptrdiff_t>(expected.size()), buffer.end()),
        std::string(buffer.size() - expected.size(), '#'));
  }
}

TEST(VersionRecord, HoldsTheFixedPartAndTranslation) {
  std::vector<std::byte> record = OwnVersionRecord();
  ASSERT_FALSE(record.empty());
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(record.data(), "\\", &value, &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);  // 1.0
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00020000u);  // 2.0
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00020000u);
  EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
  EXPECT_EQ(fixed->dwFileFlags, 0u);
  EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileSubtype, 0u);

  ASSERT_TRUE(VerQueryValueA(record.data(), "\\VarFileInfo\\Translation", &value, &length));
  ASSERT_EQ(length, 4u);
  const auto* bytes = static_cast<const unsigned char*>(value);
  EXPECT_EQ(std::vector<unsigned char>(bytes, bytes + 4),
            (std::vector<unsigned char>{0x11, 0x04, 0xA4, 0x03}));
}

// Each value of the string table, its recorded length counting the
// terminator, and the entries in this order.
TEST(VersionRecord, HoldsTheTenStringsInOrder) {
  static constexpr std::pair<const char*, const char*> kEntries[] = {
      {"CompanyName", ""},
      {"FileDescription", "Vantrel"},
      {"FileVersion", VANTREL_FILE_VERSION_TEXT},
      {"InternalName", "Vantrel.exe"},
      {"LegalCopyright", VANTREL_COPYRIGHT},
      {"LegalTrademarks", ""},
      {"OriginalFilename", ""},
      {"ProductName", "Vantrel"},
      {"ProductVersion", VANTREL_PRODUCT_VERSION_TEXT},
      {"Comments", nullptr},  // any note on the build
  };
  std::vector<std::byte> record = OwnVersionRecord();
  ASSERT_FALSE(record.empty());
  std::size_t previousKeyAt = 0;
  for (const auto& [key, expected] : kEntries) {
    SCOPED_TRACE(key);
    const std::string name = std::string("\\StringFileInfo\\041103A4\\") + key;
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), name.c_str(), &value, &length));
    const std::string text(static_cast<const char*>(value));
    if (expected) {
      EXPECT_EQ(text, expected);
    } else {
      EXPECT_FALSE(text.empty());
    }
    // The length as recorded (the ANSI query may count the converted text).
    const std::wstring wideName(name.begin(), name.end());
    ASSERT_TRUE(VerQueryValueW(record.data(), wideName.c_str(), &value, &length));
    EXPECT_EQ(length, text.size() + 1);

    // Where the key's UTF-16 name lies in the record: after the previous one.
    std::u16string wideKey(key, key + std::strlen(key));
    const auto* units = reinterpret_cast<const char16_t*>(record.data());
    const std::u16string_view all(units, record.size() / 2);
    const std::size_t keyAt = all.find(wideKey);
    ASSERT_NE(keyAt, std::u16string_view::npos);
    EXPECT_GT(keyAt, previousKeyAt);
    previousKeyAt = keyAt;
  }
}

// Runs a probe program and returns what it printed, or how it failed.
std::string RunProbe(const std::string& path) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return "no pipe";
  const OwnedHandle reader(readEnd);
  OwnedHandle writer(writeEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + path + "\"";
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &process)) {
    return "could not start, error " + std::to_string(GetLastError());
  }
  const OwnedHandle processHandle(process.hProcess);
  const OwnedHandle threadHandle(process.hThread);
  writer.reset();

  if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    return "did not end within 30 s";
  }
  std::string output;
  DWORD available = 0;
  while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    std::string chunk(available, '\0');
    DWORD got = 0;
    if (!ReadFile(readEnd, chunk.data(), available, &got, nullptr)) break;
    output.append(chunk, 0, got);
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  if (exitCode != 0) output += " (exit code " + std::to_string(exitCode) + ")";
  return output;
}

TEST(VersionReader, LeavesTheBufferAloneWithoutAUsableRecord) {
  struct Probe {
    const char* name;
    bool hasRecord;
  };
  for (const Probe& probe :
       {Probe{"VersionProbeNoVersionRecord", false}, Probe{"VersionProbeNoTranslation", true},
        Probe{"VersionProbeNoFileVersion", true}}) {
    SCOPED_TRACE(probe.name);
    const std::string path = std::string(VERSION_PROBE_DIR) + "/" + probe.name + ".exe";
    DWORD handle = 0;
    EXPECT_EQ(GetFileVersionInfoSizeA(path.c_str(), &handle) != 0, probe.hasRecord);
    EXPECT_EQ(RunProbe(path), "false untouched");
  }
}

}  // namespace
}  // namespace vantrel

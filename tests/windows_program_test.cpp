// What a cautious administrator checks in a downloaded program before running it: the
// DLLs it loads before its first instruction, its manifest, its version and its icon.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "pe_image.h"
#include "run_program.h"
#include "version.h"

namespace {

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::filesystem::path setup_exe() { return program_directory() / "dova-setup.exe"; }

// Windows loads the DLLs of the import table before the program's first instruction,
// looking in the program's own folder first, except for its "known DLLs", which always
// come from the system. So the import table holds known DLLs only (and the common
// controls, which the manifest binds to the system's side-by-side copy): nothing can
// be planted beside the program in a download folder. Anything else is loaded by
// full system path at run time.
TEST(WindowsProgram, ImportsOnlyDllsThatCannotBePlanted) {
  const char* const kWindowsOwn[] = {"kernel32.dll", "user32.dll", "gdi32.dll",   "comdlg32.dll",
                                     "shell32.dll",  "advapi32.dll", "msvcrt.dll", "ole32.dll",
                                     "oleaut32.dll", "shlwapi.dll",  "imm32.dll",  "comctl32.dll"};
  for (const char* program : {"dova-setup.exe", "dova-pack.exe"}) {
    const auto dlls = imported_dlls(program_directory() / program);
    ASSERT_TRUE(dlls.has_value()) << program;
    EXPECT_FALSE(dlls->empty()) << program;
    for (const std::string& dll : *dlls) {
      EXPECT_NE(std::find(std::begin(kWindowsOwn), std::end(kWindowsOwn), lower(dll)), std::end(kWindowsOwn))
          << program << " imports " << dll;
    }
  }
}

// The program's resources, read by the system's loader as data: none of its code runs.
class ProgramResources {
 public:
  explicit ProgramResources(const std::filesystem::path& exe)
      : module_(LoadLibraryExW(exe.c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~ProgramResources() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  ProgramResources(const ProgramResources&) = delete;
  ProgramResources& operator=(const ProgramResources&) = delete;

  bool loaded() const { return module_ != nullptr; }

  // The bytes of one resource; nullopt when there is none of that type and id.
  std::optional<std::string> bytes(const wchar_t* type, int id) const {
    const HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) return std::nullopt;
    const HGLOBAL data = LoadResource(module_, found);
    const void* start = data != nullptr ? LockResource(data) : nullptr;
    if (start == nullptr) return std::nullopt;
    return std::string(static_cast<const char*>(start), SizeofResource(module_, found));
  }

 private:
  HMODULE module_;
};

struct XmlElement {
  std::map<std::string, std::string> attributes;
  std::string text;  // up to the first child or the end tag
};

// The elements of a given name, whatever namespace prefix they carry. Enough for a
// manifest: no CDATA, no entities in the values we look at.
std::vector<XmlElement> elements_named(const std::string& xml, const std::string& name) {
  std::vector<XmlElement> found;
  const std::regex tag("<(?:[A-Za-z0-9_.-]+:)?" + name + "([\\s/>][^>]*)?>");
  const std::regex attribute("([A-Za-z0-9_:.-]+)\\s*=\\s*\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(xml.begin(), xml.end(), tag); it != std::sregex_iterator(); ++it) {
    XmlElement element;
    const std::string inside = (*it)[1].str();
    for (auto a = std::sregex_iterator(inside.begin(), inside.end(), attribute); a != std::sregex_iterator(); ++a) {
      element.attributes[(*a)[1].str()] = (*a)[2].str();
    }
    if (inside.empty() || inside.back() != '/') {
      const std::size_t start = static_cast<std::size_t>(it->position() + it->length());
      element.text = xml.substr(start, xml.find('<', start) - start);
    }
    found.push_back(element);
  }
  return found;
}

// What the manifest must say: some element of that name has that attribute (or, with
// no attribute, that text).
struct ManifestEntry {
  const char* why;
  const char* element;
  const char* attribute;
  const char* value;
};

const ManifestEntry kManifestEntries[] = {
    {"no elevation prompt for a program named setup", "requestedExecutionLevel", "level", "asInvoker"},
    {"no elevation prompt for a program named setup", "requestedExecutionLevel", "uiAccess", "false"},
    {"Windows 7", "supportedOS", "Id", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"},
    {"Windows 8", "supportedOS", "Id", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"},
    {"Windows 8.1", "supportedOS", "Id", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},
    {"Windows 10 and 11", "supportedOS", "Id", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"},
    {"paths beyond MAX_PATH", "longPathAware", nullptr, "true"},
    {"sharp at any DPI, per monitor", "dpiAwareness", nullptr, "PerMonitorV2, PerMonitor"},
    {"sharp at any DPI before Windows 10", "dpiAware", nullptr, "true/pm"},
};

TEST(WindowsProgram, ManifestAsksForNoElevationAndNamesSystemsAndCommonControls) {
  const ProgramResources resources(setup_exe());
  ASSERT_TRUE(resources.loaded());
  // Id 1 is the one Windows reads for a program when it starts it.
  const std::optional<std::string> manifest = resources.bytes(RT_MANIFEST, 1);
  ASSERT_TRUE(manifest.has_value()) << "no manifest";

  for (const ManifestEntry& entry : kManifestEntries) {
    SCOPED_TRACE(entry.why);
    const std::vector<XmlElement> elements = elements_named(*manifest, entry.element);
    const bool present = std::any_of(elements.begin(), elements.end(), [&](const XmlElement& e) {
      if (entry.attribute == nullptr) return e.text == entry.value;
      const auto value = e.attributes.find(entry.attribute);
      return value != e.attributes.end() && value->second == entry.value;
    });
    EXPECT_TRUE(present) << "<" << entry.element << "> " << (entry.attribute ? entry.attribute : "text")
                         << " \"" << entry.value << "\"";
  }

  const std::vector<XmlElement> identities = elements_named(*manifest, "assemblyIdentity");
  const auto controls = std::find_if(identities.begin(), identities.end(), [](const XmlElement& e) {
    return e.attributes.count("name") && e.attributes.at("name") == "Microsoft.Windows.Common-Controls";
  });
  ASSERT_NE(controls, identities.end()) << "no dependency on the common controls";
  const std::map<std::string, std::string> kCommonControls = {
      {"type", "win32"},
      {"version", "6.0.0.0"},
      {"processorArchitecture", "*"},
      {"publicKeyToken", "6595b64144ccf1df"},
      {"language", "*"}};
  for (const auto& [name, value] : kCommonControls) {
    EXPECT_EQ(controls->attributes.count(name) ? controls->attributes.at(name) : "(none)", value) << name;
  }
}

std::optional<std::wstring> version_string(const std::vector<char>& info, const std::wstring& name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = L"\\StringFileInfo\\080404b0\\" + name;
  if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || value == nullptr) return std::nullopt;
  return std::wstring(static_cast<const wchar_t*>(value));
}

TEST(WindowsProgram, VersionResourceCarriesTheProjectVersionAndChineseNames) {
  const std::wstring exe = setup_exe().wstring();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  ASSERT_GT(size, 0u) << "no version resource";
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));

  void* fixed_data = nullptr;
  UINT fixed_length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &fixed_data, &fixed_length));
  ASSERT_GE(fixed_length, sizeof(VS_FIXEDFILEINFO));
  const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(fixed_data);
  EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
  const DWORD kMost = MAKELONG(DOVA_VERSION_MINOR, DOVA_VERSION_MAJOR);
  const DWORD kLeast = MAKELONG(0, DOVA_VERSION_PATCH);
  EXPECT_EQ(fixed.dwFileVersionMS, kMost);
  EXPECT_EQ(fixed.dwFileVersionLS, kLeast);
  EXPECT_EQ(fixed.dwProductVersionMS, kMost);
  EXPECT_EQ(fixed.dwProductVersionLS, kLeast);
  EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));

  // Simplified Chinese in Unicode, so every system shows the names as written.
  void* translation = nullptr;
  UINT translation_length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &translation, &translation_length));
  ASSERT_GE(translation_length, 4u);
  EXPECT_EQ(static_cast<const WORD*>(translation)[0], 0x0804);
  EXPECT_EQ(static_cast<const WORD*>(translation)[1], 1200);

  const std::wstring version = std::wstring(DOVA_VERSION, DOVA_VERSION + sizeof DOVA_VERSION - 1);
  const std::pair<const wchar_t*, std::wstring> kStrings[] = {
      {L"FileDescription", L"DOVA 中文汇编软件安装程序"},
      {L"ProductName", L"DOVA 中文汇编软件"},
      {L"CompanyName", L"DOVA setup developers"},
      {L"LegalCopyright", L"Copyright (C) DOVA setup developers"},
      {L"OriginalFilename", L"dova-setup.exe"},
      {L"FileVersion", version},
      {L"ProductVersion", version},
  };
  for (const auto& [name, expected] : kStrings) {
    EXPECT_EQ(version_string(info, name), std::optional<std::wstring>(expected))
        << std::string(name, name + wcslen(name));
  }
}

// The icon Explorer shows for the file: the first icon group, with the sizes Windows
// asks for from small lists to large tiles, each image present.
TEST(WindowsProgram, IconHasTheSizesExplorerShows) {
  const ProgramResources resources(setup_exe());
  ASSERT_TRUE(resources.loaded());
  const std::optional<std::string> group = resources.bytes(RT_GROUP_ICON, 1);
  ASSERT_TRUE(group.has_value()) << "no icon";
  // A 6-byte header (reserved, type 1, count) and a 14-byte entry per image.
  ASSERT_GE(group->size(), 6u);
  const auto word = [&](std::size_t at) {
    return static_cast<unsigned>(static_cast<std::uint8_t>((*group)[at]) |
                                 static_cast<std::uint8_t>((*group)[at + 1]) << 8);
  };
  EXPECT_EQ(word(2), 1u) << "icons, not cursors";
  const unsigned count = word(4);
  ASSERT_EQ(group->size(), 6u + 14u * count);
  std::vector<unsigned> sizes;
  for (unsigned i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 14 * i;
    const unsigned width = static_cast<std::uint8_t>((*group)[entry]);
    sizes.push_back(width == 0 ? 256 : width);  // 0 stands for 256
    const unsigned image_id = word(entry + 12);
    EXPECT_TRUE(resources.bytes(RT_ICON, static_cast<int>(image_id)).has_value()) << "image " << image_id;
  }
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(sizes, (std::vector<unsigned>{16, 32, 48, 256}));
}

}  // namespace

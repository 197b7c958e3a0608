// Writes a small Wine prefix with three Velotrace installations, so that a
// newcomer (and the end-to-end tests) see every product row without owning
// the product: registry files of the machine and the user, the drive with
// the installations' executables, libraries, function tables and product
// configuration files, and the same registry content as a .reg file that
// `wine regedit` imports into a real prefix.
//   make_demo_prefix DIR
// The executables and libraries are PE images that carry nothing but a
// version resource.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fakes/pe_builder.h"

namespace {

namespace fs = std::filesystem;

struct Library {
  std::string path;  // below drive_c, with '/'
  std::array<std::uint16_t, 4> version;
  std::wstring company;     // empty: no version resource at all
  std::wstring copyright;
};

struct Value {
  std::string name;
  std::string text;
};

struct Key {
  std::string path;  // below the hive root, with '\'
  std::vector<Value> values;
};

const char* const kMachineKeys = "system.reg";
const char* const kUserKeys = "user.reg";

const std::vector<Key> kMachine = {
    {"Software\\BRENNICK, INC.", {{"LastInstalledVersion", "Velotrace 2024"}}},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{5E0C4B7A-2D3F-4A61-9B8E-70C1D2A3B401}",
     {{"DisplayName", "Velotrace 2023"}, {"Publisher", "Brennick, Inc."}}},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{5E0C4B7A-2D3F-4A61-9B8E-70C1D2A3B402}",
     {{"DisplayName", "Velotrace 2024"}, {"Publisher", "Brennick, Inc."}}},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{5E0C4B7A-2D3F-4A61-9B8E-70C1D2A3B403}",
     {{"DisplayName", "Velotrace 2024 for SOLIDWORKS"}, {"Publisher", "Brennick, Inc."}}},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{0D3E9E15-DE7A-300B-96F1-B4AF12B96488}",
     {{"DisplayName", "Microsoft Visual C++ 2015-2022 Redistributable (x64) - 14.36.32532"},
      {"DisplayVersion", "14.36.32532.0"}}},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{92FB6C44-E685-45AD-9B20-CADF4CABA132}",
     {{"DisplayName", "Microsoft .NET Framework 4.8"}, {"DisplayVersion", "4.8.04084"}}},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Nestwork Nesting 3",
     {{"DisplayName", "Nestwork Nesting 3.2"}, {"Publisher", "Nestwork GmbH"}}},
};

const std::vector<Key> kUser = {
    {"Software\\BRENNICK, INC.\\velotrace 2023",
     {{"Directory", "C:\\Program Files\\Brennick\\Velotrace 2023"},
      {"UserDir", "C:\\users\\Public\\Documents\\Velotrace 2023\\"},
      {"SharedDir", "C:\\ProgramData\\Brennick\\Shared 2023\\"},
      {"Startup-Units", "M"}}},
    {"Software\\BRENNICK, INC.\\velotrace 2024",
     {{"Directory", "C:\\Program Files\\Brennick\\Velotrace 2024\\"},
      {"UserDir", "C:\\users\\Public\\Documents\\Velotrace 2024\\"},
      {"SharedDir", "C:\\ProgramData\\Brennick\\Shared 2024\\"},
      {"Startup-Units", "E"}}},
    {"Software\\BRENNICK, INC.\\velotrace 2024 for solidworks",
     {{"Directory", "C:\\Program Files\\Brennick\\Velotrace 2024 for SOLIDWORKS"},
      {"UserDir", ""},
      {"SharedDir", "C:\\ProgramData\\Brennick\\Shared 2024\\"},
      {"Startup-Units", "I"}}},
};

const std::wstring kMaker = L"Brennick, Inc.";
const std::wstring kMakerCopyright = L"Copyright (C) Brennick, Inc.";

const std::vector<Library> kLibraries = {
    {"Program Files/Brennick/Velotrace 2023/velotrace.exe", {23, 0, 4, 112}, kMaker, kMakerCopyright},
    {"Program Files/Brennick/Velotrace 2023/apps/VtCam.dll", {23, 0, 4, 112}, kMaker, kMakerCopyright},
    {"Program Files/Brennick/Velotrace 2023/apps/PartnerNest.dll", {3, 2, 0, 15}, L"Nestwork GmbH", L"(c) Nestwork GmbH"},
    {"Program Files/Brennick/Velotrace 2023/chooks/vtpost.dll", {23, 0, 4, 112}, kMaker, kMakerCopyright},
    {"Program Files/Brennick/Velotrace 2023/chooks/LegacyHook.dll", {1, 0, 0, 0}, L"", L""},
    {"Program Files/Brennick/Velotrace 2024/velotrace.exe", {24, 1, 0, 2051}, kMaker, kMakerCopyright},
    {"Program Files/Brennick/Velotrace 2024/apps/VtCam.dll", {24, 1, 0, 2051}, kMaker, kMakerCopyright},
    {"Program Files/Brennick/Velotrace 2024/apps/PartnerNest.dll", {3, 2, 1, 40000}, L"Nestwork GmbH",
     L"(c) Nestwork GmbH"},
    {"Program Files/Brennick/Velotrace 2024/chooks/ToolpathPlus.dll", {5, 0, 2, 7}, L"Toolpath Labs",
     L"Built with Brennick SDK"},
    {"Program Files/Brennick/Velotrace 2024/chooks/QuickReport.dll", {2, 1, 0, 7}, L"Shopfloor Tools Ltd",
     L"(c) Shopfloor Tools Ltd"},
    {"Program Files/Brennick/Velotrace 2024 for SOLIDWORKS/velotrace.exe", {24, 1, 0, 2051}, kMaker, kMakerCopyright},
    {"Program Files/Brennick/Velotrace 2024 for SOLIDWORKS/VelotraceSW.dll", {24, 1, 0, 2051}, kMaker, kMakerCopyright},
    {"Program Files/Brennick/Velotrace 2024 for SOLIDWORKS/VelotraceSWUI.dll", {24, 1, 0, 2049}, kMaker,
     kMakerCopyright},
    {"Program Files/Brennick/Velotrace 2024 for SOLIDWORKS/chooks/VtSwPost.dll", {24, 1, 0, 2051}, kMaker,
     kMakerCopyright},
};

const std::vector<std::pair<std::string, std::string>> kTextFiles = {
    {"Program Files/Brennick/Velotrace 2023/chooks/metric-mill.ft", "function table\r\n"},
    {"Program Files/Brennick/Velotrace 2023/chooks/lathe.FT", "function table\r\n"},
    {"Program Files/Brennick/Velotrace 2024/chooks/metric-mill.ft", "function table\r\n"},
    {"users/Public/Documents/Velotrace 2023/config/veloxm.config",
     "; Velotrace start-up configuration\r\n"
     "2118. Directory for temporary files ? <WINTEMPDIR>\r\n"
     "4009. Graphics support (0 = GDI, 1 = OpenGL) ? 1\r\n"
     "4031. Disable hardware acceleration ? n\r\n"
     "4033. Disable front buffer ? n\r\n"},
    {"users/Public/Documents/Velotrace 2024/config/velox.config",
     "; Velotrace start-up configuration\r\n"
     "2118. Directory for temporary files ? D:\\VeloTemp\r\n"
     "4009. Graphics support (0 = GDI, 1 = OpenGL) ? 0\r\n"
     "4031. Disable hardware acceleration ? Y\r\n"
     "4033. Disable front buffer ? n\r\n"},
    {"Program Files/Brennick/Velotrace 2024 for SOLIDWORKS/config/velox.config",
     "2118. Directory for temporary files ? <WINTEMPDIR>\r\n"
     "4009. Graphics support ? 1\r\n"},
};

// Wine's registry files escape backslashes and quotes.
std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out;
}

void WriteHive(const fs::path& file, const char* root, const std::vector<Key>& keys) {
  std::ofstream out(file, std::ios::binary);
  out << "WINE REGISTRY Version 2\n;; All keys relative to " << root << "\n\n#arch=win64\n";
  long stamp = 1765000000;
  for (const Key& key : keys) {
    out << "\n[" << Escaped(key.path) << "] " << stamp++ << "\n";
    for (const Value& v : key.values) out << "\"" << Escaped(v.name) << "\"=\"" << Escaped(v.text) << "\"\n";
  }
}

void WriteImportFile(const fs::path& file) {
  std::ofstream out(file, std::ios::binary);
  out << "REGEDIT4\n";
  const auto write = [&](const char* root, const std::vector<Key>& keys) {
    for (const Key& key : keys) {
      out << "\n[" << root << "\\" << key.path << "]\n";
      for (const Value& v : key.values) out << "\"" << Escaped(v.name) << "\"=\"" << Escaped(v.text) << "\"\n";
    }
  };
  write("HKEY_LOCAL_MACHINE", kMachine);
  write("HKEY_CURRENT_USER", kUser);
}

void WriteBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_demo_prefix DIR\n");
    return 2;
  }
  const fs::path prefix = argv[1];
  fs::remove_all(prefix);
  fs::create_directories(prefix / "dosdevices");
  fs::create_directories(prefix / "drive_c");
  fs::create_symlink("../drive_c", prefix / "dosdevices" / "c:");
  WriteHive(prefix / kMachineKeys, "REGISTRY\\\\Machine", kMachine);
  WriteHive(prefix / kUserKeys, "REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000", kUser);
  WriteImportFile(prefix / "demo.reg");

  for (const Library& library : kLibraries) {
    std::vector<std::uint8_t> image;
    if (library.company.empty()) {
      // A library without any version resource.
      image = fakes::BuildPeImage({true, 24, {{0x0409, {0, 0, 0, 0}}}}).bytes;
    } else {
      fakes::VersionSpec spec;
      spec.fileVersion = library.version;
      spec.strings = {{L"CompanyName", library.company},
                      {L"FileDescription", L"Velotrace demo component"},
                      {L"ProductName", L"Velotrace"},
                      {L"LegalCopyright", library.copyright}};
      image = fakes::BuildPeFile(spec);
    }
    WriteBytes(prefix / "drive_c" / library.path, image);
  }
  for (const auto& [path, text] : kTextFiles) {
    WriteBytes(prefix / "drive_c" / path, std::vector<std::uint8_t>(text.begin(), text.end()));
  }
  fs::create_directories(prefix / "drive_c/Program Files/Brennick/Velotrace 2024/apps/Templates.dll");
  return 0;
}

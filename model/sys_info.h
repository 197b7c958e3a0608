// The information model: what config.xml declares for inspection and every
// result found, owned by one CSysInfo for the whole run of the program.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One (display, value) pair. In a declared entry the value is the key that
// tells a collector what to fetch; in a result it is the value found.
struct InfoEntry {
  std::wstring display;
  std::wstring value;

  friend bool operator==(const InfoEntry&, const InfoEntry&) = default;
};

using InfoEntryList = std::vector<InfoEntry>;

// The category of a result; the numbers double as the list box item data of
// the system information dialog and as the report's section order.
enum InfoCategory : std::int32_t {
  CategoryHardware = 1,
  CategoryOperatingSystem = 2,
  CategoryProduct = 3,
  CategoryAddIn = 4,
};

// Record classes have no base class; their destructor is their only virtual
// operation because the owning lists delete them through it.
class Hardware {
 public:
  virtual ~Hardware() = default;
  std::wstring name;
  std::wstring query;
  InfoEntryList entries;
};

class OperatingSystem {
 public:
  virtual ~OperatingSystem() = default;
  std::wstring name;
  std::wstring query;
  InfoEntryList entries;
};

class VelotraceSettings {
 public:
  virtual ~VelotraceSettings() = default;
  std::wstring name;
  InfoEntryList entries;
};

class VTfSWSettings {
 public:
  virtual ~VTfSWSettings() = default;
  std::wstring name;
  InfoEntryList entries;
};

// Working records of one collection run (per-instance values of video
// adapters, disks and volumes); copied by value, never stored in CSysInfo.
class DiskAttribute {
 public:
  DiskAttribute() = default;
  DiskAttribute(std::int32_t i, std::wstring d, std::wstring v)
      : index(i), display(std::move(d)), value(std::move(v)) {}
  DiskAttribute(const DiskAttribute&) = default;
  DiskAttribute& operator=(const DiskAttribute&) = default;
  virtual ~DiskAttribute() = default;
  std::int32_t index = 0;
  std::wstring display;
  std::wstring value;
};

class VideoAttribute {
 public:
  VideoAttribute() = default;
  VideoAttribute(std::int32_t i, std::wstring d, std::wstring v)
      : index(i), display(std::move(d)), value(std::move(v)) {}
  VideoAttribute(const VideoAttribute&) = default;
  VideoAttribute& operator=(const VideoAttribute&) = default;
  virtual ~VideoAttribute() = default;
  std::int32_t index = 0;
  std::wstring display;
  std::wstring value;
};

class SystemInfoResults {
 public:
  virtual ~SystemInfoResults() = default;
  std::int32_t category = 0;
  InfoEntryList entries;
};

// An owning list: elements are separately allocated and go with the list.
template <typename T>
using OwningList = std::vector<std::unique_ptr<T>>;

class CSysInfo {
 public:
  CSysInfo() = default;
  CSysInfo(const CSysInfo&) = delete;
  CSysInfo& operator=(const CSysInfo&) = delete;
  // The members are destroyed in reverse order of declaration, which is the
  // order in which the lists must go: results first, hardwareItems last.
  virtual ~CSysInfo() = default;

  // The one way a result is added: a new record with exactly one entry,
  // appended at the end so that appending order is display order.
  void AddResult(std::wstring display, std::wstring value, InfoCategory category);

  // Empties the product results of an earlier version choice. The records
  // stay in their lists; every consumer skips records without entries.
  void EmptyProductResults();

  OwningList<Hardware> hardwareItems;
  OwningList<OperatingSystem> osItems;
  OwningList<VelotraceSettings> productItems;
  OwningList<VTfSWSettings> addInItems;
  OwningList<SystemInfoResults> results;
};

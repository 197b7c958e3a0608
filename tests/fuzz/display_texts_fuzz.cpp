// Fuzzes the two places where texts from the machine are cut up for the
// system information dialogs against plain reference versions: the rewrite
// of a graphics driver date to month/day/year, and the splitting of the
// OpenGL extension list into names.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/category_entries.h"
#include "ui/opengl_extensions_dlg.h"

namespace {

class RecordingListBox final : public ui::ListBox {
 public:
  std::vector<std::wstring> added;
  int AddString(const std::wstring& text) override {
    added.push_back(text);
    return static_cast<int>(added.size()) - 1;
  }
  void SetItemData(int, std::intptr_t) override {}
  std::intptr_t GetItemData(int) const override { return 0; }
  void SetCurSel(int) override {}
  int GetCurSel() const override { return -1; }
  int GetCount() const override { return static_cast<int>(added.size()); }
};

std::vector<std::wstring> ReferenceNames(const std::wstring& text) {
  std::vector<std::wstring> names;
  std::wstring name;
  for (const wchar_t c : text) {
    if (c != L' ') {
      name += c;
    } else if (!name.empty()) {
      names.push_back(name);
      name.clear();
    }
  }
  if (!name.empty()) names.push_back(name);
  return names;
}

std::wstring ReferenceDate(const std::wstring& display, const std::wstring& value) {
  if (display.find(L"Graphics driver date") == std::wstring::npos) return value;
  if (value.find(L'/') != std::wstring::npos || value.size() < 6) return value;
  std::wstring day;
  for (std::size_t i = 6; i < 8 && i < value.size(); ++i) day += value[i];
  return std::wstring{value[4], value[5]} + L'/' + day + L'/' + value.substr(0, 4);
}

// Bytes become characters; a few stand for the ones that matter.
std::wstring Characters(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i < size; ++i) {
    switch (data[i]) {
      case 0xF0: text += L"Graphics driver date"; break;
      case 0xF1: text += L' '; break;
      case 0xF2: text += L'/'; break;
      case 0xF3: text += L'\x4E2D'; break;
      default: text += static_cast<wchar_t>(data[i]);
    }
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t split = data[0] % size;
  const std::int32_t category = data[1] % 6;
  const std::wstring display = Characters(data + 2, split > 2 ? split - 2 : 0);
  const std::wstring value = Characters(data + std::max<std::size_t>(split, 2), size - std::max<std::size_t>(split, 2));

  CSysInfo model;
  model.AddResult(display, value, static_cast<InfoCategory>(category));
  const std::wstring want = category == CategoryHardware ? ReferenceDate(display, value) : value;
  for (int reading = 0; reading < 2; ++reading) {
    InfoEntryList entries;
    ui::GetCategoryEntries(model, category, entries);
    const bool shown = category >= CategoryHardware && category <= CategoryAddIn;
    if (entries.size() != (shown ? 1u : 0u)) std::abort();
    if (shown && (entries[0].display != display || entries[0].value != want)) std::abort();
    if (model.results[0]->entries[0].value != want) std::abort();
  }

  RecordingListBox list;
  OpenGLExtensionsDlg dialog(list);
  dialog.extensionsText = Characters(data, size);
  dialog.OnInitDialog();
  if (list.added != ReferenceNames(dialog.extensionsText)) std::abort();
  return 0;
}

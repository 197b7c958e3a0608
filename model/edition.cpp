#include "model/edition.h"

#include <string>

#include "base/text.h"

bool IsAddInEdition(std::wstring_view versionText) {
  return text::LowerAscii(std::wstring(versionText)).find(L"solidworks") != std::wstring::npos;
}

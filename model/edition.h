// Which edition of the product a version's text names. The add-in edition
// has a result category, a dialog category and a report section of its own.
#pragma once

#include <string_view>

// Whether a version text (the selector's, or "None" for no selection) names
// the SOLIDWORKS add-in edition, in any letter case of A-Z.
bool IsAddInEdition(std::wstring_view versionText);

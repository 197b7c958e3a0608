// The texts of the About box, shown by each binding's own About dialog.
#pragma once

namespace app {

inline constexpr const wchar_t* kAboutCaption = L"About VeloInspect";
inline constexpr const wchar_t* kAboutText = L"VeloInspect, Version 2.0.1";
inline constexpr const wchar_t* kAboutMenuText = L"&About VeloInspect...";

}  // namespace app

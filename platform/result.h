// Result codes of the platform interfaces. They follow the system's 32-bit
// convention (negative is a failure, 0 success, 1 "success, but no") so that
// messages can show the same code on every platform.
#pragma once

#include <cstdint>

namespace platform {

using HResult = std::int32_t;

inline constexpr HResult kOk = 0;
inline constexpr HResult kFalse = 1;

constexpr HResult MakeFailure(std::uint32_t code) { return static_cast<HResult>(code); }

inline constexpr HResult kFail = MakeFailure(0x80004005u);
inline constexpr HResult kOutOfMemory = MakeFailure(0x8007000Eu);
inline constexpr HResult kFileNotFound = MakeFailure(0x80070002u);
inline constexpr HResult kAccessDenied = MakeFailure(0x80070005u);
inline constexpr HResult kInvalidArgument = MakeFailure(0x80070057u);
// What a pull reader answers when it meets a malformed document, and when it
// meets a document type declaration while those are prohibited.
inline constexpr HResult kXmlMalformed = MakeFailure(0xC00CEE2Du);
inline constexpr HResult kXmlDtdProhibited = MakeFailure(0xC00CEE4Fu);

constexpr bool Succeeded(HResult hr) { return hr >= 0; }

}  // namespace platform

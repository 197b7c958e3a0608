#include "platform/windows/wmi_windows.h"

#include <windows.h>
#include <oleauto.h>
#include <wbemidl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/windows/com_ptr.h"

namespace platform::windows_backend {

namespace {

// A BSTR that is freed when it goes.
class Bstr {
 public:
  explicit Bstr(const std::wstring& text) : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(value_); }
  BSTR Get() const { return value_; }

 private:
  BSTR value_;
};

// A VARIANT that starts empty and is cleared when it goes.
class Variant {
 public:
  Variant() { VariantInit(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { VariantClear(&value_); }
  VARIANT* Get() { return &value_; }
  const VARIANT& Value() const { return value_; }

 private:
  VARIANT value_;
};

std::wstring BstrText(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : std::wstring(); }

WmiValue Unsigned64(ULONGLONG value) {
  if (value <= static_cast<ULONGLONG>(INT64_MAX)) return WmiValue::Integer(static_cast<std::int64_t>(value));
  return WmiValue::String(std::to_wstring(value));
}

WmiValue Converted(const VARIANT& variant) {
  if (variant.vt & (VT_ARRAY | VT_BYREF)) return WmiValue::Null();
  Variant text;
  // The conversion reads its source only; the declaration lacks the const.
  if (FAILED(VariantChangeType(text.Get(), const_cast<VARIANT*>(&variant), 0, VT_BSTR))) return WmiValue::Null();
  return WmiValue::String(BstrText(text.Value().bstrVal));
}

}  // namespace

WmiValue WmiValueFromVariant(const VARIANT& variant, long cimType) {
  const bool declaredUnsigned = cimType == CIM_UINT8 || cimType == CIM_UINT16 || cimType == CIM_UINT32;
  if (declaredUnsigned) {
    switch (variant.vt) {
      case VT_I1: return WmiValue::Integer(variant.bVal);
      case VT_I2: return WmiValue::Integer(variant.uiVal);
      case VT_I4:
      case VT_INT: return WmiValue::Integer(variant.ulVal);
      default: break;
    }
  }
  switch (variant.vt) {
    case VT_BSTR: return WmiValue::String(BstrText(variant.bstrVal));
    case VT_EMPTY:
    case VT_NULL: return WmiValue::Null();
    case VT_BOOL: return WmiValue::Boolean(variant.boolVal != VARIANT_FALSE);
    case VT_R4: return WmiValue::Real(variant.fltVal);
    case VT_R8: return WmiValue::Real(variant.dblVal);
    case VT_I1: return WmiValue::Integer(variant.cVal);
    case VT_UI1: return WmiValue::Integer(variant.bVal);
    case VT_I2: return WmiValue::Integer(variant.iVal);
    case VT_UI2: return WmiValue::Integer(variant.uiVal);
    case VT_I4: return WmiValue::Integer(variant.lVal);
    case VT_UI4: return WmiValue::Integer(variant.ulVal);
    case VT_INT: return WmiValue::Integer(variant.intVal);
    case VT_UINT: return WmiValue::Integer(variant.uintVal);
    case VT_I8: return WmiValue::Integer(variant.llVal);
    case VT_UI8: return Unsigned64(variant.ullVal);
    default: return Converted(variant);
  }
}

// The instances of the last statement, for the questions about its other
// properties that follow at once: config.xml asks for each property of an
// item with the item's statement again, and a provider such as Wine's video
// controller takes a quarter of a second for every enumeration. A snapshot
// older than this is no answer any more.
constexpr ULONGLONG kSnapshotMilliseconds = 2000;

struct Snapshot {
  std::wstring statement;
  ULONGLONG taken = 0;
  std::vector<ComPtr<IWbemClassObject>> instances;
};

struct Win32Wmi::Connection {
  ComPtr<IWbemLocator> locator;
  ComPtr<IWbemServices> services;
  std::optional<Snapshot> last;

  WmiFailure Connect() {
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                locator.PutVoid()))) {
      return WmiFailure::Locator;
    }
    const Bstr path(L"ROOT\\CIMV2");
    if (FAILED(locator->ConnectServer(path.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, services.Put()))) {
      return WmiFailure::Connect;
    }
    if (FAILED(CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_CALL,
                                 RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE))) {
      return WmiFailure::Security;
    }
    return WmiFailure::None;
  }
};

Win32Wmi::Win32Wmi() = default;

Win32Wmi::~Win32Wmi() = default;

void Win32Wmi::Disconnect() { connection_.reset(); }

WmiAnswer Win32Wmi::Query(const std::wstring& statement, const std::wstring& property) {
  if (!connection_) {
    auto connection = std::make_unique<Connection>();
    const WmiFailure failure = connection->Connect();
    if (failure != WmiFailure::None) return {failure, {}};
    connection_ = std::move(connection);
  }
  std::optional<Snapshot>& last = connection_->last;
  const ULONGLONG now = GetTickCount64();
  if (!last || last->statement != statement || now - last->taken > kSnapshotMilliseconds) {
    last.reset();
    ComPtr<IEnumWbemClassObject> instances;
    const Bstr language(L"WQL");
    const Bstr query(statement);
    if (FAILED(connection_->services->ExecQuery(language.Get(), query.Get(),
                                                WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                                instances.Put()))) {
      return {WmiFailure::Query, {}};
    }
    Snapshot snapshot{statement, now, {}};
    for (;;) {
      ComPtr<IWbemClassObject> instance;
      ULONG delivered = 0;
      instances->Next(static_cast<LONG>(WBEM_INFINITE), 1, instance.Put(), &delivered);
      if (delivered == 0 || !instance) break;
      snapshot.instances.push_back(std::move(instance));
    }
    last = std::move(snapshot);
  }
  WmiAnswer answer;
  for (const ComPtr<IWbemClassObject>& instance : last->instances) {
    Variant value;
    CIMTYPE type = CIM_EMPTY;
    if (instance->Get(property.c_str(), 0, value.Get(), &type, nullptr) == S_OK) {
      answer.values.push_back(WmiValueFromVariant(value.Value(), type));
    }
  }
  return answer;
}

}  // namespace platform::windows_backend

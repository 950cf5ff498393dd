// office-client: uses the office module as a generated program's host would.
// It registers libQnOffice.so (from the program folder, or the path given)
// in a registry file of its own, makes QnOffice.QnMail by its ProgID, and
// drives it late-bound: Mode = "I", then Mode = "X", printing Error after
// each.
#include <dlfcn.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/com/activation.h"
#include "platform/com/apartment.h"
#include "platform/com/dispatch.h"
#include "platform/path.h"

using namespace qn::com;
namespace fs = std::filesystem;

namespace {

int fail(const char* what, HRESULT h) {
  std::fprintf(stderr, "office-client: %s failed (0x%08X)\n", what, static_cast<unsigned>(h));
  return 1;
}

DISPID id_of(IDispatch* d, const char16_t* name) {
  std::u16string n = name;
  OLECHAR* names[] = {n.data()};
  DISPID id = DISPID_UNKNOWN;
  d->GetIDsOfNames(GUID_NULL, names, 1, 0, &id);
  return id;
}

HRESULT put_text(IDispatch* d, DISPID id, const char* text) {
  VARIANT value;
  value.vt = VT_BSTR;
  value.bstrVal = bstr_from_1252(text);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &named, 1, 1};
  HRESULT h = d->Invoke(id, GUID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
  VariantClear(&value);
  return h;
}

int get_short(IDispatch* d, DISPID id) {
  VARIANT result;
  VariantInit(&result);
  if (FAILED(d->Invoke(id, GUID_NULL, 0, DISPATCH_PROPERTYGET, nullptr, &result, nullptr, nullptr)))
    return -1;
  return result.vt == VT_I2 ? result.iVal : -1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string module =
      argc > 1 ? argv[1] : (fs::path(qn::platform::program_dir()) / "libQnOffice.so").string();

  // A registry file of our own, so the user's stays untouched.
  char dir_template[] = "/tmp/office-client.XXXXXX";
  if (!::mkdtemp(dir_template)) return fail("mkdtemp", E_FAIL);
  const fs::path registry = fs::path(dir_template) / "registry.ini";
  ::setenv("QN_REGISTRY_FILE", registry.c_str(), 1);

  int status = 0;
  void* lib = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  auto reg = lib ? reinterpret_cast<HRESULT (*)()>(::dlsym(lib, "DllRegisterServer")) : nullptr;
  HRESULT h = reg ? reg() : E_MOD_NOT_FOUND;
  if (FAILED(h)) {
    status = fail("registering the module", h);
  } else {
    std::printf("Registered %s\n", fs::path(module).filename().c_str());
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    CLSID clsid;
    IDispatch* mail = nullptr;
    if (FAILED(h = CLSIDFromProgID("QnOffice.QnMail", &clsid))) {
      status = fail("CLSIDFromProgID", h);
    } else if (FAILED(h = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                           reinterpret_cast<void**>(&mail)))) {
      status = fail("CoCreateInstance", h);
    } else {
      std::printf("QnOffice.QnMail is %s\n", guid_to_string(clsid).c_str());
      const DISPID mode = id_of(mail, u"Mode"), error = id_of(mail, u"Error");
      for (const char* m : {"I", "X"}) {
        put_text(mail, mode, m);
        std::printf("Mode = \"%s\": Error = %d\n", m, get_short(mail, error));
      }
      mail->Release();
    }
    CoUninitialize();
  }
  std::error_code ec;
  fs::remove_all(dir_template, ec);
  return status;
}

// office-client: uses the office module as a generated program's host would.
// It registers libQnOffice.so (from the program folder, or the path given)
// in a registry file of its own, makes QnOffice.QnMail by its ProgID, and
// drives it late-bound: Mode = "I", then Mode = "X", printing Error after
// each.
//
// With --mail SERVER USER PASSWORD ADDRESS it then sends a message to
// ADDRESS through SERVER's SMTP service (AUTH LOGIN as USER), and receives
// the first message of USER's mailbox through its POP3 service, printing it.
// The ports are the services "smtp" and "pop3" (QN_SERVICES_FILE, else the
// system's).
#include <dlfcn.h>
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

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

// Calls a method late-bound with its arguments in order and returns its
// result (the mail error code), or -1 when the call failed.
int call(IDispatch* d, const char16_t* name, std::vector<VARIANT> args) {
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  VARIANT result;
  VariantInit(&result);
  const HRESULT h =
      d->Invoke(id_of(d, name), GUID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
  for (VARIANT& v : args) VariantClear(&v);
  return SUCCEEDED(h) && result.vt == VT_I2 ? result.iVal : -1;
}

// Sends one message and receives the first one of the mailbox.
int mail_round(IDispatch* mail, const char* server, const char* user, const char* password,
               const char* address) {
  put_text(mail, id_of(mail, u"Mode"), "I");
  int e = call(mail, u"LoginSMTP",
               {text_variant(server), text_variant("Office Client"), text_variant(address),
                text_variant(user), text_variant(password), i2_variant(10)});
  std::printf("LoginSMTP: %d\n", e);
  if (e != 0) return 1;
  e = call(mail, u"Send",
           {text_variant(address), text_variant(""), text_variant(""),
            text_variant("Hello from office-client"), text_variant("One line.\nAnother line."),
            text_variant("")});
  std::printf("Send: %d\n", e);
  call(mail, u"Logout", {});
  if (e != 0) return 1;

  e = call(mail, u"LoginPOP3",
           {text_variant(server), text_variant(user), text_variant(password), i2_variant(0),
            i2_variant(1), i2_variant(10)});
  std::printf("LoginPOP3: %d\n", e);
  if (e != 0) return 1;
  // The server may take a moment to deliver: ask again for up to ten seconds.
  BSTR values[6] = {};
  DATE sent = 0, received = 0;
  for (int attempt = 0; attempt < 20; ++attempt) {
    std::vector<VARIANT> args(8);
    for (int i = 0; i < 6; ++i) {
      args[i].vt = VT_BSTR | VT_BYREF;
      args[i].byref = &values[i];
    }
    args[6].vt = args[7].vt = VT_DATE | VT_BYREF;
    args[6].byref = &sent;
    args[7].byref = &received;
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params{reversed.data(), nullptr, 8, 0};
    VARIANT result;
    VariantInit(&result);
    mail->Invoke(id_of(mail, u"Receive"), GUID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr,
                 nullptr);
    e = result.vt == VT_I2 ? result.iVal : -1;
    if (e != 11) break;
    call(mail, u"Logout", {});
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    call(mail, u"LoginPOP3",
         {text_variant(server), text_variant(user), text_variant(password), i2_variant(0),
          i2_variant(1), i2_variant(10)});
  }
  std::printf("Receive: %d\n", e);
  if (e == 0) {
    std::string body = text_1252_of(values[4]);
    for (auto at = body.find('\r'); at != std::string::npos; at = body.find('\r'))
      body.erase(at, 1);
    std::printf("From: %s\nSubject: %s\n%s\n", text_1252_of(values[0]).c_str(),
                text_1252_of(values[3]).c_str(), body.c_str());
  }
  for (BSTR b : values) SysFreeString(b);
  call(mail, u"Logout", {});
  return e == 0 ? 0 : 1;
}

// An out argument: a reference to *slot of type vt.
VARIANT out_arg(VARTYPE vt, void* slot) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | vt;
  v.byref = slot;
  return v;
}

IDispatch* make(const char* prog_id) {
  CLSID clsid;
  IDispatch* d = nullptr;
  if (FAILED(CLSIDFromProgID(prog_id, &clsid)) ||
      FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&d)))) {
    return nullptr;
  }
  return d;
}

// One workbook and one document, made, written, read back and closed.
int documents_round() {
  IDispatch* excel = make("QnOffice.QnExcel");
  IDispatch* word = make("QnOffice.QnWord");
  if (!excel || !word) return fail("making QnExcel and QnWord", E_FAIL);
  SHORT h = -1;
  int e = call(excel, u"Open", {text_variant("office-client-book"), out_arg(VT_I2, &h)});
  std::printf("Excel Open: %d, handle %d\n", e, h);
  VARIANT number;
  VariantInit(&number);
  number.vt = VT_R8;
  number.dblVal = 42.5;
  call(excel, u"Put", {i2_variant(h), i4_variant(1), i4_variant(1), number});
  VARIANT value;
  VariantInit(&value);
  BSTR type = nullptr;
  call(excel, u"Get", {i2_variant(h), i4_variant(1), i4_variant(1), out_arg(VT_VARIANT, &value)});
  call(excel, u"Type", {i2_variant(h), i4_variant(1), i4_variant(1), out_arg(VT_BSTR, &type)});
  std::printf("Cell (1,1): %g, type %s\n", value.vt == VT_R8 ? value.dblVal : 0.0,
              text_1252_of(type).c_str());
  SysFreeString(type);
  e = call(excel, u"Close", {i2_variant(h)});
  std::printf("Excel Close: %d, saved: %s\n", e,
              fs::exists("office-client-book.xls") ? "yes" : "no");

  e = call(word, u"Open", {text_variant("office-client-letter"), out_arg(VT_I2, &h)});
  std::printf("Word Open: %d, handle %d\n", e, h);
  call(word, u"Put", {i2_variant(h), text_variant("Hello\rfrom office-client"), i2_variant(0)});
  BSTR text = nullptr;
  call(word, u"Get", {i2_variant(h), out_arg(VT_BSTR, &text)});
  std::string lines = text_1252_of(text);
  SysFreeString(text);
  for (auto at = lines.find('\r'); at != std::string::npos; at = lines.find('\r')) {
    lines.erase(at, 1);
  }
  std::printf("Text: %s\n", lines.c_str());
  e = call(word, u"Close", {i2_variant(h)});
  std::printf("Word Close: %d, saved: %s\n", e,
              fs::exists("office-client-letter.doc") ? "yes" : "no");
  excel->Release();
  word->Release();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::printf(
        "usage: office-client [MODULE] [--mail SERVER USER PASSWORD ADDRESS]\n"
        "                     [--documents SERVERS]\n"
        "  MODULE     the office module to register (default: libQnOffice.so of the program folder)\n"
        "  --mail     also sends a message to ADDRESS through SERVER's SMTP service as USER and\n"
        "             receives the first message of USER's mailbox through its POP3 service\n"
        "             (ports: the services smtp and pop3 of QN_SERVICES_FILE, else the system's)\n"
        "  --documents SERVERS\n"
        "             registers the automation-server module SERVERS and makes, writes, reads\n"
        "             back and closes one workbook and one document\n"
        "Exit status: 0 when every step succeeded, 1 otherwise.\n");
    return 0;
  }
  // --documents SERVERS: a workbook and a document through the automation
  // servers of the module SERVERS (the scripted ones of the tests).
  const char* documents_module = nullptr;
  if (argc >= 3 && std::strcmp(argv[argc - 2], "--documents") == 0) {
    documents_module = argv[argc - 1];
    argc -= 2;
  }
  const char** mail_args = nullptr;
  if (argc > 1 && std::strcmp(argv[argc > 5 ? argc - 5 : 1], "--mail") == 0 && argc >= 6) {
    mail_args = const_cast<const char**>(argv + argc - 4);
    argc -= 5;
  }
  const std::string module =
      argc > 1 ? argv[1] : (fs::path(qn::platform::program_dir()) / "libQnOffice.so").string();

  // A registry file of our own, so the user's stays untouched.
  std::string dir_name = (fs::temp_directory_path() / "office-client.XXXXXX").string();
  char* dir_template = dir_name.data();
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
      if (mail_args)
        status = mail_round(mail, mail_args[0], mail_args[1], mail_args[2], mail_args[3]);
      mail->Release();
    }
    if (documents_module && status == 0) {
      void* servers = ::dlopen(documents_module, RTLD_NOW | RTLD_LOCAL);
      auto reg_servers =
          servers ? reinterpret_cast<HRESULT (*)()>(::dlsym(servers, "DllRegisterServer"))
                  : nullptr;
      h = reg_servers ? reg_servers() : E_MOD_NOT_FOUND;
      // Files are saved in the folder of our own.
      std::error_code ec;
      fs::current_path(dir_template, ec);
      status = FAILED(h) ? fail("registering the servers", h) : documents_round();
    }
    CoUninitialize();
  }
  std::error_code ec;
  fs::remove_all(dir_template, ec);
  return status;
}

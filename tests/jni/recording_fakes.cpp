// Recording fakes of IQnWord, IQnExcel and IQnMail for the test copy of
// libQnOffice.so, and the natives of qn.test.Fakes that drive them.
//
// Each member call is logged as one line, "Interface.Member(arguments)",
// with the arguments as the member received them: texts in quotes with
// their UTF-16 unchanged, numbers in decimal, a VARIANT as "TYPE:value".
// Making an object logs "new Interface", its last Release "delete
// Interface". Outputs come from a script keyed by the parameter's name
// ("nError", "wHandle", "xlValue", "From", ...); an output without a
// script entry is left alone, except nError, which is 0 by default. The
// entry "throw" makes a method throw bad_alloc ("bad_alloc") or another C++
// exception (any other value).
#include <jni.h>

#include <atomic>
#include <charconv>
#include <cstdlib>
#include <map>
#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "office/jni/bridge.h"
#include "platform/com/apartment.h"

using namespace qn::com;
using namespace qn::office;

namespace {

std::mutex g_mutex;
std::vector<std::u16string> g_log;
std::map<std::string, std::u16string> g_script;
bool g_fail_creation = false;
std::atomic<bool> g_quiet{false};  // for timing: nothing is logged

void log_line(std::u16string line) {
  std::lock_guard lock(g_mutex);
  g_log.push_back(std::move(line));
}

bool script(const char* key, std::u16string* value) {
  std::lock_guard lock(g_mutex);
  auto it = g_script.find(key);
  if (it == g_script.end()) return false;
  *value = it->second;
  return true;
}

std::string ascii(const std::u16string& s) { return std::string(s.begin(), s.end()); }

std::u16string u16(std::string_view s) { return std::u16string(s.begin(), s.end()); }

// One logged argument.
std::u16string arg(long long v) { return u16(std::to_string(v)); }
std::u16string arg(double v) {
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return u16(std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
}
std::u16string arg(BSTR b) { return u"\"" + std::u16string(b ? b : u"", SysStringLen(b)) + u"\""; }
std::u16string arg(const VARIANT& v) {
  switch (v.vt) {
    case VT_I4:
      return u"I4:" + arg(static_cast<long long>(v.lVal));
    case VT_R8:
      return u"R8:" + arg(v.dblVal);
    case VT_DATE:
      return u"DATE:" + arg(v.date);
    case VT_BSTR:
      return u"BSTR:" + arg(v.bstrVal);
    default:
      return u"VT" + arg(static_cast<long long>(v.vt));
  }
}
std::u16string arg(short v) { return arg(static_cast<long long>(v)); }
std::u16string arg(int v) { return arg(static_cast<long long>(v)); }

template <class... A>
void record(const char16_t* member, A... args) {
  if (g_quiet.load(std::memory_order_relaxed)) return;
  std::u16string line = member;
  line += u"(";
  bool first = true;
  ((line += (first ? u"" : u", ") + arg(args), first = false), ...);
  line += u")";
  log_line(std::move(line));
}

// Outputs from the script.
void out(const char* key, SHORT* p) {
  std::u16string v;
  if (p && script(key, &v)) *p = static_cast<SHORT>(std::atoi(ascii(v).c_str()));
}
void out(const char* key, LONG* p) {
  std::u16string v;
  if (p && script(key, &v)) *p = static_cast<LONG>(std::atol(ascii(v).c_str()));
}
void out(const char* key, DATE* p) {
  std::u16string v;
  if (p && script(key, &v)) *p = std::strtod(ascii(v).c_str(), nullptr);
}
void out(const char* key, BSTR* p) {
  std::u16string v;
  if (p && script(key, &v)) *p = SysAllocStringLen(v.data(), static_cast<UINT>(v.size()));
}
void out(const char* key, VARIANT* p) {
  std::u16string v;
  if (!p || !script(key, &v)) return;
  const std::string a = ascii(v);
  if (a.rfind("I4:", 0) == 0) {
    p->vt = VT_I4;
    p->lVal = std::atoi(a.c_str() + 3);
  } else if (a.rfind("R8:", 0) == 0) {
    p->vt = VT_R8;
    p->dblVal = std::strtod(a.c_str() + 3, nullptr);
  } else if (a.rfind("BSTR:", 0) == 0) {
    p->vt = VT_BSTR;
    p->bstrVal = SysAllocStringLen(v.data() + 5, static_cast<UINT>(v.size() - 5));
  }
}
HRESULT code(SHORT* nError) {
  std::u16string fault;
  if (script("throw", &fault)) {  // a member that fails in C++
    if (fault == u"bad_alloc") throw std::bad_alloc();
    throw std::runtime_error("member failed");
  }
  if (nError) *nError = 0;
  out("nError", nError);
  return S_OK;
}

template <class I>
class Fake : public WithoutLateBinding<I> {
 public:
  explicit Fake(const char16_t* name) : name_(name) { log_line(u"new " + name_); }
  virtual ~Fake() { log_line(u"delete " + name_); }
  HRESULT QueryInterface(const IID& iid, void** p) override {
    if (!p) return E_POINTER;
    *p = nullptr;
    return E_NOINTERFACE;
  }
  ULONG AddRef() override { return ++refs_; }
  ULONG Release() override {
    ULONG n = --refs_;
    if (n == 0) delete this;
    return n;
  }

 private:
  std::u16string name_;
  ULONG refs_ = 1;
};

#define V VARIANT
class FakeWord final : public Fake<IQnWord> {
 public:
  FakeWord() : Fake(u"IQnWord") {}
  HRESULT Open(BSTR n, SHORT* h, SHORT* e) override {
    record(u"IQnWord.Open", n);
    out("wHandle", h);
    return code(e);
  }
  HRESULT Hide(SHORT h, SHORT* e) override { return record(u"IQnWord.Hide", h), code(e); }
  HRESULT Show(SHORT h, SHORT* e) override { return record(u"IQnWord.Show", h), code(e); }
  HRESULT Close(SHORT h, SHORT* e) override { return record(u"IQnWord.Close", h), code(e); }
  HRESULT get_Error(SHORT* v) override {
    record(u"IQnWord.Error");
    out("Error", v);
    return S_OK;
  }
  HRESULT put_DisplayMessages(SHORT v) override {
    return record(u"IQnWord.DisplayMessages", v), S_OK;
  }
  HRESULT PrintOut(SHORT h, SHORT p, SHORT b, SHORT* e) override {
    return record(u"IQnWord.PrintOut", h, p, b), code(e);
  }
  HRESULT put_Template(BSTR v) override { return record(u"IQnWord.Template", v), S_OK; }
  HRESULT put_ReadOnly(SHORT v) override { return record(u"IQnWord.ReadOnly", v), S_OK; }
  HRESULT Put(SHORT h, BSTR t, SHORT a, SHORT* e) override {
    return record(u"IQnWord.Put", h, t, a), code(e);
  }
  HRESULT Get(SHORT h, BSTR* t, SHORT* e) override {
    record(u"IQnWord.Get", h);
    out("wText", t);
    return code(e);
  }
  HRESULT SpellCheck(SHORT h, SHORT* e) override {
    return record(u"IQnWord.SpellCheck", h), code(e);
  }
  HRESULT Save(SHORT h, SHORT* e) override { return record(u"IQnWord.Save", h), code(e); }
  HRESULT Replace(SHORT h, BSTR o, BSTR n, SHORT c, SHORT w, SHORT* e) override {
    return record(u"IQnWord.Replace", h, o, n, c, w), code(e);
  }
  HRESULT OpenVFP(BSTR, LONG*, SHORT*) override { return E_NOTIMPL; }
  HRESULT SaveAs(SHORT h, BSTR n, BSTR t, SHORT d, SHORT l, SHORT* e) override {
    return record(u"IQnWord.SaveAs", h, n, t, d, l), code(e);
  }
  HRESULT RunMacro(SHORT, BSTR, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V,
                   V, V, V, V, V, V, V, SHORT*) override {
    return E_NOTIMPL;
  }
  HRESULT get_MacroReturnValue(VARIANT*) override { return E_NOTIMPL; }
  HRESULT get_GetDocument(SHORT, IDispatch**) override { return E_NOTIMPL; }
};

class FakeExcel final : public Fake<IQnExcel> {
 public:
  FakeExcel() : Fake(u"IQnExcel") {}
  HRESULT Open(BSTR n, SHORT* h, SHORT* e) override {
    record(u"IQnExcel.Open", n);
    out("xlHandle", h);
    return code(e);
  }
  HRESULT Show(SHORT h, SHORT* e) override { return record(u"IQnExcel.Show", h), code(e); }
  HRESULT Close(SHORT h, SHORT* e) override { return record(u"IQnExcel.Close", h), code(e); }
  HRESULT Save(SHORT h, SHORT* e) override { return record(u"IQnExcel.Save", h), code(e); }
  HRESULT Hide(SHORT h, SHORT* e) override { return record(u"IQnExcel.Hide", h), code(e); }
  HRESULT Clear(SHORT h, SHORT* e) override { return record(u"IQnExcel.Clear", h), code(e); }
  HRESULT Get(SHORT h, LONG r, LONG c, VARIANT* v, SHORT* e) override {
    record(u"IQnExcel.Get", h, r, c);
    out("xlValue", v);
    return code(e);
  }
  HRESULT Put(SHORT h, LONG r, LONG c, VARIANT v, SHORT* e) override {
    return record(u"IQnExcel.Put", h, r, c, v), code(e);
  }
  HRESULT Type(SHORT h, LONG r, LONG c, BSTR* t, SHORT* e) override {
    record(u"IQnExcel.Type", h, r, c);
    out("xlType", t);
    return code(e);
  }
  HRESULT get_Error(SHORT* v) override {
    record(u"IQnExcel.Error");
    out("Error", v);
    return S_OK;
  }
  HRESULT put_DisplayMessages(SHORT v) override {
    return record(u"IQnExcel.DisplayMessages", v), S_OK;
  }
  HRESULT put_DefaultPath(BSTR v) override { return record(u"IQnExcel.DefaultPath", v), S_OK; }
  HRESULT PrintOut(SHORT h, SHORT p, SHORT* e) override {
    return record(u"IQnExcel.PrintOut", h, p), code(e);
  }
  HRESULT put_Template(BSTR v) override { return record(u"IQnExcel.Template", v), S_OK; }
  HRESULT put_ReadOnly(SHORT v) override { return record(u"IQnExcel.ReadOnly", v), S_OK; }
  HRESULT SelectSheet(SHORT h, BSTR s, SHORT* e) override {
    return record(u"IQnExcel.SelectSheet", h, s), code(e);
  }
  HRESULT RenameSheet(SHORT h, BSTR s, SHORT* e) override {
    return record(u"IQnExcel.RenameSheet", h, s), code(e);
  }
  HRESULT get_LastValue(VARIANT*) override { return E_NOTIMPL; }
  HRESULT OpenVFP(BSTR, LONG*, SHORT*) override { return E_NOTIMPL; }
  HRESULT GetFormat(SHORT h, LONG r, LONG c, LONG* color, BSTR* font, LONG* size,
                    SHORT* e) override {
    record(u"IQnExcel.GetFormat", h, r, c);
    out("xlColor", color);
    out("xlFont", font);
    out("xlSize", size);
    return code(e);
  }
  HRESULT PutFormat(SHORT h, LONG r, LONG c, LONG height, LONG width, LONG color, BSTR font,
                    DOUBLE size, SHORT* e) override {
    return record(u"IQnExcel.PutFormat", h, r, c, height, width, color, font, size), code(e);
  }
  HRESULT put_AutoFit(SHORT v) override { return record(u"IQnExcel.AutoFit", v), S_OK; }
  HRESULT RunMacro(SHORT, BSTR, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V, V,
                   V, V, V, V, V, V, V, SHORT*) override {
    return E_NOTIMPL;
  }
  HRESULT get_MacroReturnValue(VARIANT*) override { return E_NOTIMPL; }
  HRESULT get_GetWorkbook(SHORT, IDispatch**) override { return E_NOTIMPL; }
  HRESULT put_Delimiter(BSTR) override { return E_NOTIMPL; }
};
#undef V

class FakeMail final : public Fake<IQnMail> {
 public:
  FakeMail() : Fake(u"IQnMail") {}
  HRESULT LoginMAPI(BSTR p, SHORT n, SHORT m, SHORT* e) override {
    return record(u"IQnMail.LoginMAPI", p, n, m), code(e);
  }
  HRESULT Logout(SHORT* e) override { return record(u"IQnMail.Logout"), code(e); }
  HRESULT Send(BSTR to, BSTR cc, BSTR bcc, BSTR s, BSTR t, BSTR a, SHORT* e) override {
    return record(u"IQnMail.Send", to, cc, bcc, s, t, a), code(e);
  }
  HRESULT put_EditWindow(SHORT v) override { return record(u"IQnMail.EditWindow", v), S_OK; }
  HRESULT get_Error(SHORT* v) override {
    record(u"IQnMail.Error");
    out("Error", v);
    return S_OK;
  }
  HRESULT put_DisplayMessages(SHORT v) override {
    return record(u"IQnMail.DisplayMessages", v), S_OK;
  }
  HRESULT Receive(BSTR* from, BSTR* to, BSTR* cc, BSTR* s, BSTR* t, BSTR* a, DATE* sent,
                  DATE* received, SHORT* e) override {
    record(u"IQnMail.Receive");
    out("From", from);
    out("To", to);
    out("CC", cc);
    out("Subject", s);
    out("Text", t);
    out("Attachs", a);
    out("DateSent", sent);
    out("DateReceived", received);
    return code(e);
  }
  HRESULT put_AttachDir(BSTR v) override { return record(u"IQnMail.AttachDir", v), S_OK; }
  HRESULT put_AddressFormat(SHORT v) override { return record(u"IQnMail.AddressFormat", v), S_OK; }
  HRESULT put_Mode(BSTR v) override { return record(u"IQnMail.Mode", v), S_OK; }
  HRESULT LoginSMTP(BSTR s, BSTR n, BSTR a, BSTR u, BSTR p, SHORT t, SHORT* e) override {
    return record(u"IQnMail.LoginSMTP", s, n, a, u, p, t), code(e);
  }
  HRESULT LoginPOP3(BSTR s, BSTR u, BSTR p, SHORT n, SHORT d, SHORT t, SHORT* e) override {
    return record(u"IQnMail.LoginPOP3", s, u, p, n, d, t), code(e);
  }
  HRESULT ChangeFolder(BSTR f, SHORT s, SHORT m, SHORT* e) override {
    return record(u"IQnMail.ChangeFolder", f, s, m), code(e);
  }
  HRESULT get_Count(LONG* v) override {
    record(u"IQnMail.Count");
    out("Count", v);
    return S_OK;
  }
  HRESULT GetCategories(BSTR*) override { return E_NOTIMPL; }
};

bool creation_fails() {
  std::lock_guard lock(g_mutex);
  return g_fail_creation;
}

template <class F, class I>
HRESULT make(I** out) {
  *out = nullptr;
  if (creation_fails()) return E_OUTOFMEMORY;
  *out = new F();
  return S_OK;
}

std::u16string text_of(JNIEnv* env, jstring s) {
  std::u16string t(static_cast<size_t>(env->GetStringLength(s)), u'\0');
  env->GetStringRegion(s, 0, static_cast<jsize>(t.size()), reinterpret_cast<jchar*>(t.data()));
  return t;
}

}  // namespace

#define FAKES(result, name) extern "C" JNIEXPORT result JNICALL Java_qn_test_Fakes_##name

// Puts the fakes in the creator table and forgets the log and the script.
FAKES(void, reset)(JNIEnv*, jclass) {
  set_bridge_creators(
      {&make<FakeWord, IQnWord>, &make<FakeExcel, IQnExcel>, &make<FakeMail, IQnMail>});
  std::lock_guard lock(g_mutex);
  g_log.clear();
  g_script.clear();
  g_fail_creation = false;
  g_quiet = false;
}

FAKES(void, script)(JNIEnv* env, jclass, jstring key, jstring value) {
  const std::u16string k = text_of(env, key);
  std::lock_guard lock(g_mutex);
  if (value) {
    g_script[ascii(k)] = text_of(env, value);
  } else {
    g_script.erase(ascii(k));
  }
}

// The lines logged since the last call.
FAKES(jobjectArray, log)(JNIEnv* env, jclass) {
  std::vector<std::u16string> lines;
  {
    std::lock_guard lock(g_mutex);
    lines.swap(g_log);
  }
  jclass string_class = env->FindClass("java/lang/String");
  jobjectArray result =
      env->NewObjectArray(static_cast<jsize>(lines.size()), string_class, nullptr);
  if (!result) return nullptr;
  for (size_t i = 0; i < lines.size(); ++i) {
    jstring s = env->NewString(reinterpret_cast<const jchar*>(lines[i].data()),
                               static_cast<jsize>(lines[i].size()));
    if (!s) return nullptr;
    env->SetObjectArrayElement(result, static_cast<jsize>(i), s);
    env->DeleteLocalRef(s);
  }
  return result;
}

FAKES(void, failCreation)(JNIEnv*, jclass, jboolean fail) {
  std::lock_guard lock(g_mutex);
  g_fail_creation = fail;
}

// The calling thread joins the multithreaded apartment, so that the
// bridge's apartment-threaded initialisation fails on it.
FAKES(jint, enterMultithreaded)(JNIEnv*, jclass) {
  return CoInitializeEx(nullptr, COINIT_MULTITHREADED);
}

// Members log nothing from now on (or again), for timing.
FAKES(void, quiet)(JNIEnv*, jclass, jboolean quiet) { g_quiet = quiet; }

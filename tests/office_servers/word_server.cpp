#include "tests/office_servers/word_server.h"

#include <filesystem>
#include <memory>
#include <vector>

#include "tests/office_servers/server_files.h"

namespace qn::office_servers::word {
namespace {

using namespace com;

// {9E3F1C42-6D0B-4A77-B2C8-5F14E0A93D62}
constexpr CLSID kClsid{
    0x9E3F1C42, 0x6D0B, 0x4A77, {0xB2, 0xC8, 0x5F, 0x14, 0xE0, 0xA9, 0x3D, 0x62}};

constexpr HRESULT kRefused = DISP_E_EXCEPTION;

bool g_word97 = false;

struct App;

struct Doc : std::enable_shared_from_this<Doc> {
  std::weak_ptr<App> app;
  std::string path;
  std::string name;
  std::string text;
  bool read_only = false;
  bool saved = true;
  bool open = true;
  std::vector<bool> windows{false};
  std::vector<LONG> window_states{1};
  Ref<ScriptedObject> object;
};

struct App {
  bool word97 = false;
  std::vector<std::shared_ptr<Doc>> docs;
  bool visible = false;
  LONG window_state = 1;
  bool quit = false;
  bool stopped = false;
};

std::weak_ptr<App> g_current;

bool alive(const App& a) { return !a.quit && !a.stopped; }
bool alive(const Doc& d) {
  auto a = d.app.lock();
  return d.open && a && alive(*a);
}

ScriptedServer& the_server();

bool flag_of(std::span<VARIANT> a, size_t i) {
  LONG n = 0;
  return i < a.size() && arg_long(a[i], &n) && n != 0;
}

// ---- files

std::string extension_of(LONG format) {
  switch (format) {
    case 1:
      return ".dot";
    case 2:
    case 3:
    case 4:
    case 5:
      return ".txt";
    case 6:
      return ".rtf";
    case 8:
      return ".htm";
    default:
      return ".doc";
  }
}

bool save(Doc& d, std::string path, LONG format) {
  if (!std::filesystem::path(path).has_extension()) path += extension_of(format);
  std::string text;
  for (char c : d.text) {
    text += c;
    if (c == '\r' && (format == 4 || format == 5)) text += '\n';
  }
  if (!write_file(path, text)) return false;
  d.path = path;
  d.name = std::filesystem::path(path).filename().string();
  d.saved = true;
  return true;
}

bool load(Doc& d, std::string path) {
  if (!std::filesystem::exists(path) && !std::filesystem::path(path).has_extension()) {
    path += ".doc";
  }
  std::string text;
  if (!read_file(path, &text)) return false;
  d.text.clear();
  for (char c : text) {
    if (c != '\n' || d.text.empty() || d.text.back() != '\r') d.text += c;
  }
  d.path = path;
  d.name = std::filesystem::path(path).filename().string();
  return true;
}

// Replaces every occurrence of what; whole words only when asked.
bool replace_all(std::string& text, const std::string& what, const std::string& with,
                 bool match_case, bool whole_word) {
  if (what.empty()) return false;
  auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  const std::string hay = match_case ? text : lower(text);
  const std::string needle = match_case ? what : lower(what);
  auto word_char = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  std::string out;
  bool found = false;
  size_t from = 0;
  for (size_t at = hay.find(needle); at != std::string::npos; at = hay.find(needle, at + 1)) {
    if (at < from) continue;
    const size_t end = at + needle.size();
    if (whole_word &&
        ((at > 0 && word_char(hay[at - 1])) || (end < hay.size() && word_char(hay[end])))) {
      continue;
    }
    out += text.substr(from, at - from) + with;
    from = end;
    found = true;
  }
  out += text.substr(from);
  text = out;
  return found;
}

// ---- objects

void close_doc(App& app, const std::shared_ptr<Doc>& doc) {
  doc->open = false;
  if (doc->object) doc->object->disconnect();
  doc->object.reset();
  std::erase(app.docs, doc);
}

Ref<ScriptedObject> make_windows(const std::shared_ptr<Doc>& doc) {
  auto windows = ScriptedObject::make(the_server(), "windows", "windows");
  on_item(*windows, doc, 0x2, DISPATCH_PROPERTYGET,
          [](ScriptedObject&, Doc& d, std::span<VARIANT>, VARIANT* r) {
            *r = i4_variant(static_cast<LONG>(d.windows.size()));
            return S_OK;
          });
  on_item(*windows, doc, 0x0, DISPATCH_METHOD,
          [](ScriptedObject&, Doc& d, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
            LONG i = 0;
            if (a.size() != 1 || !arg_long(a[0], &i) || i < 1 ||
                i > static_cast<LONG>(d.windows.size())) {
              return DISP_E_BADINDEX;
            }
            auto window =
                ScriptedObject::make(the_server(), "window", "window" + std::to_string(i));
            on_item(*window, d.shared_from_this(), 0x24, DISPATCH_PROPERTYPUT,
                    [i](ScriptedObject&, Doc& w, std::span<VARIANT> v, VARIANT*) -> HRESULT {
                      if (v.size() != 1) return DISP_E_BADPARAMCOUNT;
                      w.windows[i - 1] = flag_of(v, 0);
                      return S_OK;
                    });
            on_item(*window, d.shared_from_this(), 0xB, DISPATCH_PROPERTYPUT,
                    [i](ScriptedObject&, Doc& w, std::span<VARIANT> v, VARIANT*) -> HRESULT {
                      LONG state = 0;
                      if (v.size() != 1 || !arg_long(v[0], &state)) return DISP_E_TYPEMISMATCH;
                      w.window_states[i - 1] = state;
                      w.windows[i - 1] = state == 1;
                      return S_OK;
                    });
            return_object(r, window.get());
            return S_OK;
          });
  return windows;
}

Ref<ScriptedObject> make_content(const std::shared_ptr<Doc>& doc, bool word97) {
  auto range = ScriptedObject::make(the_server(), "range", "content");
  on_item(*range, doc, 0x0, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
          [](ScriptedObject&, Doc& d, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
            if (a.empty()) {
              *r = text_variant(d.text);
              return S_OK;
            }
            std::string text;
            if (a[0].vt != VT_BSTR || !arg_text(a[0], &text)) return DISP_E_TYPEMISMATCH;
            if (d.read_only) return kRefused;
            d.text = text;
            d.saved = false;
            return S_OK;
          });
  on_item(*range, doc, 0x106, DISPATCH_PROPERTYGET,
          [word97](ScriptedObject&, Doc& d, std::span<VARIANT>, VARIANT* r) -> HRESULT {
            auto find = ScriptedObject::make(the_server(), "find", "find");
            // The replacement text and the replace kind sit at 9 and 10 in the
            // newer model's 15 arguments, at 8 and 9 in Word 97's 11.
            const size_t count = word97 ? 11 : 15;
            const size_t with_at = word97 ? 8 : 9;
            on_item(*find, d.shared_from_this(), word97 ? 0x1E : 0x1BC, DISPATCH_METHOD,
                    [count, with_at](ScriptedObject&, Doc& fd, std::span<VARIANT> a,
                                     VARIANT* out) -> HRESULT {
                      if (a.size() != count) return DISP_E_BADPARAMCOUNT;
                      std::string what, with;
                      LONG kind = 0;
                      if (!arg_text(a[0], &what)) return DISP_E_TYPEMISMATCH;
                      arg_text(a[with_at], &with);
                      arg_long(a[with_at + 1], &kind);
                      std::string text = fd.text;
                      const bool found = replace_all(text, what, kind == 2 ? with : what,
                                                     flag_of(a, 1), flag_of(a, 2));
                      if (kind == 2 && found) {
                        fd.text = text;
                        fd.saved = false;
                      }
                      return_bool(out, found);
                      return S_OK;
                    });
            return_object(r, find.get());
            return S_OK;
          });
  return range;
}

std::shared_ptr<Doc> new_doc(const std::shared_ptr<App>& owner) {
  auto d = std::make_shared<Doc>();
  d->app = owner;
  d->object = ScriptedObject::make(the_server(), "document", the_server().next_name("doc"));
  ScriptedObject& o = *d->object;
  const bool word97 = owner->word97;
  on_item(o, d, 0x28, DISPATCH_PROPERTYGET,
          [](ScriptedObject&, Doc& doc, std::span<VARIANT>, VARIANT* r) {
            return_bool(r, doc.saved);
            return S_OK;
          });
  on_item(o, d, 0x2C, DISPATCH_PROPERTYGET,
          [](ScriptedObject&, Doc& doc, std::span<VARIANT>, VARIANT* r) {
            return_bool(r, doc.read_only);
            return S_OK;
          });
  on_item(o, d, 0x22, DISPATCH_PROPERTYGET,
          [](ScriptedObject&, Doc& doc, std::span<VARIANT>, VARIANT* r) {
            return_object(r, make_windows(doc.shared_from_this()).get());
            return S_OK;
          });
  on_item(o, d, 0x29, DISPATCH_PROPERTYGET,
          [word97](ScriptedObject&, Doc& doc, std::span<VARIANT>, VARIANT* r) {
            return_object(r, make_content(doc.shared_from_this(), word97).get());
            return S_OK;
          });
  on_item(o, d, 0x451, DISPATCH_METHOD,
          [](ScriptedObject&, Doc& doc, std::span<VARIANT> a, VARIANT*) -> HRESULT {
            if (flag_of(a, 0) && !doc.saved) {
              if (doc.read_only || doc.path.empty() || !save(doc, doc.path, 0)) return kRefused;
            }
            close_doc(*doc.app.lock(), doc.shared_from_this());
            return S_OK;
          });
  on_item(o, d, 0x6C, DISPATCH_METHOD,
          [](ScriptedObject&, Doc& doc, std::span<VARIANT>, VARIANT*) -> HRESULT {
            if (doc.read_only || doc.path.empty()) return kRefused;
            return save(doc, doc.path, 0) ? S_OK : kRefused;
          });
  on_item(o, d, 0x66, DISPATCH_METHOD,
          [](ScriptedObject&, Doc& doc, std::span<VARIANT> a, VARIANT*) -> HRESULT {
            std::string path;
            LONG format = 0;
            if (a.size() != 11 || !arg_text(a[0], &path) || path.empty()) return kRefused;
            if (!is_missing(a[1]) && !arg_long(a[1], &format)) return kRefused;
            return save(doc, path, format) ? S_OK : kRefused;
          });
  for (DISPID id : {0x71, 0x72, 0x84}) {
    on_item(o, d, id, DISPATCH_METHOD,
            [](ScriptedObject&, Doc&, std::span<VARIANT>, VARIANT*) { return S_OK; });
  }
  const DISPID print = word97 ? 0x6D : 0x1BC;
  const size_t print_args = word97 ? 14 : 18;
  on_item(o, d, print, DISPATCH_METHOD,
          [print_args](ScriptedObject&, Doc&, std::span<VARIANT> a, VARIANT*) {
            return a.size() == print_args ? S_OK : DISP_E_BADPARAMCOUNT;
          });
  return d;
}

Ref<ScriptedObject> make_application(ScriptedServer& server) {
  auto app = std::make_shared<App>();
  app->word97 = g_word97;
  g_current = app;
  auto o = ScriptedObject::make(server, "application", "app");
  auto on_app = [&](DISPID id, WORD kinds, auto fn) {
    o->on(id, kinds, [app, fn](ScriptedObject&, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
      if (!alive(*app)) return ScriptedObject::kDisconnected;
      return fn(a, r);
    });
  };
  const bool word97 = app->word97;
  on_app(0x6, DISPATCH_PROPERTYGET, [app, word97](std::span<VARIANT>, VARIANT* r) {
    auto docs = ScriptedObject::make(the_server(), "documents", "documents");
    std::weak_ptr<App> weak = app;
    auto make = [weak](size_t count, auto fill) {
      return [weak, count, fill](ScriptedObject&, std::span<VARIANT> a, VARIANT* out) -> HRESULT {
        auto ap = weak.lock();
        if (!ap || !alive(*ap)) return ScriptedObject::kDisconnected;
        if (a.size() != count) return DISP_E_BADPARAMCOUNT;
        auto d = new_doc(ap);
        if (HRESULT h = fill(*d, a); FAILED(h)) {
          d->object->disconnect();
          return h;
        }
        ap->docs.push_back(d);
        return_object(out, d->object.get());
        return S_OK;
      };
    };
    auto open = [](Doc& d, std::span<VARIANT> a) -> HRESULT {
      std::string path;
      if (!arg_text(a[0], &path) || !load(d, path)) return kRefused;
      d.read_only = flag_of(a, 2);
      return S_OK;
    };
    auto add = [](Doc& d, std::span<VARIANT> a) -> HRESULT {
      std::string from;
      if (arg_text(a[0], &from)) {
        if (!load(d, from)) return kRefused;  // the template's text starts the document
        d.path.clear();
      }
      d.name = "Document";
      return S_OK;
    };
    docs->on(word97 ? 0xC : 0xF, DISPATCH_METHOD, make(word97 ? 10 : 12, open));
    docs->on(word97 ? 0xB : 0xE, DISPATCH_METHOD, make(word97 ? 2 : 4, add));
    return_object(r, docs.get());
    return S_OK;
  });
  if (!word97) {
    on_app(0x6E, DISPATCH_PROPERTYGET, [](std::span<VARIANT>, VARIANT* r) {
      return_object(r, ScriptedObject::make(the_server(), "options", "probe").get());
      return S_OK;
    });
    on_app(0x1BD, DISPATCH_METHOD, [](std::span<VARIANT> a, VARIANT* r) -> HRESULT {
      std::string macro;
      if (a.size() != 31 || !arg_text(a[0], &macro) || macro != "Sum") return kRefused;
      double sum = 0;
      for (size_t i = 1; i < a.size(); ++i) {
        VARIANT n;
        VariantInit(&n);
        if (!is_missing(a[i]) && SUCCEEDED(VariantChangeType(&n, &a[i], 0, VT_R8))) {
          sum += n.dblVal;
        }
      }
      r->vt = VT_R8;
      r->dblVal = sum;
      return S_OK;
    });
  }
  on_app(0x64, DISPATCH_PROPERTYGET, [](std::span<VARIANT>, VARIANT* r) {
    *r = i4_variant(1);
    return S_OK;
  });
  on_app(0x5B, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
         [app](std::span<VARIANT> a, VARIANT* r) -> HRESULT {
           if (a.empty()) {
             *r = i4_variant(app->window_state);
             return S_OK;
           }
           return arg_long(a[0], &app->window_state) ? S_OK : DISP_E_TYPEMISMATCH;
         });
  on_app(0x17, DISPATCH_PROPERTYPUT, [app](std::span<VARIANT> a, VARIANT*) -> HRESULT {
    if (a.size() != 1) return DISP_E_BADPARAMCOUNT;
    app->visible = flag_of(a, 0);
    return S_OK;
  });
  on_app(0x451, DISPATCH_METHOD, [app](std::span<VARIANT>, VARIANT*) {
    while (!app->docs.empty()) close_doc(*app, app->docs.front());
    app->quit = true;
    return S_OK;
  });
  return o;
}

ScriptedServer g_server("Word.Application", kClsid, make_application);

ScriptedServer& the_server() { return g_server; }

}  // namespace

ScriptedServer& server() { return g_server; }

void set_word97(bool on) { g_word97 = on; }

bool running() {
  auto app = g_current.lock();
  return app && alive(*app);
}

bool app_visible() {
  auto app = g_current.lock();
  return app && app->visible;
}

int open_documents() {
  auto app = g_current.lock();
  return app && alive(*app) ? static_cast<int>(app->docs.size()) : 0;
}

std::string text_of(const std::string& document) {
  auto app = g_current.lock();
  if (!app) return {};
  for (auto& d : app->docs) {
    if (d->name == document) return d->text;
  }
  return {};
}

void close_by_user(int index) {
  auto app = g_current.lock();
  if (app && index >= 0 && index < static_cast<int>(app->docs.size())) {
    close_doc(*app, app->docs[index]);
  }
}

void stop_application() {
  if (auto app = g_current.lock()) app->stopped = true;
}

}  // namespace qn::office_servers::word

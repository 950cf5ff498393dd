#include "tests/office_servers/excel_server.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "tests/office_servers/server_files.h"

namespace qn::office_servers::excel {
namespace {

using namespace com;

// {4B2D7E10-9C3A-4F61-8E05-1D6A2B9C7F31}
constexpr CLSID kClsid{
    0x4B2D7E10, 0x9C3A, 0x4F61, {0x8E, 0x05, 0x1D, 0x6A, 0x2B, 0x9C, 0x7F, 0x31}};

constexpr LONG kNormalFormat = -4143;
constexpr LONG kTextFormat = 6;
constexpr LONG kMaxRow = 65536;
constexpr LONG kMaxCol = 256;
constexpr HRESULT kRefused = DISP_E_EXCEPTION;

using Pos = std::pair<LONG, LONG>;

struct Font {
  std::string name = "Arial";
  double size = 10;
  LONG color_index = 1;
  LONG rgb = 0;
};

struct Sheet {
  std::string name;
  std::map<Pos, VARIANT> values;
  std::map<Pos, Font> fonts;
  Ref<ScriptedObject> object;
  Ref<ScriptedObject> cells;
  ~Sheet() {
    for (auto& [pos, v] : values) VariantClear(&v);
  }
  void clear() {
    for (auto& [pos, v] : values) VariantClear(&v);
    values.clear();
    fonts.clear();
  }
};

struct App;

struct Book : std::enable_shared_from_this<Book> {
  std::weak_ptr<App> app;
  std::string path;  // empty until saved
  std::string name;
  LONG format = kNormalFormat;
  bool read_only = false;
  bool saved = true;
  bool open = true;
  std::vector<std::shared_ptr<Sheet>> sheets;
  size_t active = 0;
  std::vector<bool> windows{false};
  Ref<ScriptedObject> object;
};

struct App {
  std::vector<std::shared_ptr<Book>> books;
  std::string default_path;
  bool alerts = true;
  bool visible = false;
  LONG window_state = -4137;
  bool quit = false;
  bool stopped = false;
  int made_books = 0;
};

std::weak_ptr<App> g_current;

bool alive(const App& a) { return !a.quit && !a.stopped; }
bool alive(const Book& b) {
  auto a = b.app.lock();
  return b.open && a && alive(*a);
}

ScriptedServer& the_server();

void return_long(VARIANT* r, LONG n) { *r = i4_variant(n); }

bool valid_sheet_name(const Book& b, const std::string& name) {
  if (name.empty() || name.size() > 31) return false;
  if (name.find_first_of(":\\/?*[]") != std::string::npos) return false;
  for (const auto& s : b.sheets) {
    if (s->name == name) return false;
  }
  return true;
}

// ---- files

// Takes v over as the value at pos, letting a former one go.
void store(std::map<Pos, VARIANT>& values, Pos pos, VARIANT v) {
  VARIANT& slot = values[pos];
  VariantClear(&slot);
  slot = v;
}

std::string serialise(const Book& b) {
  std::string out = "QNXLS 1\n";
  for (const auto& s : b.sheets) {
    out += "sheet\t" + escape(s->name) + "\n";
    for (const auto& [pos, v] : s->values) {
      out += std::to_string(pos.first) + "\t" + std::to_string(pos.second) + "\t" + value_text(v) +
             "\n";
    }
  }
  return out;
}

std::string delimited(const Book& b, char delimiter) {
  std::string out;
  const Sheet& s = *b.sheets[b.active];
  LONG row = 1;
  for (auto it = s.values.begin(); it != s.values.end();) {
    LONG r = it->first.first;
    for (; row < r; ++row) out += "\n";
    LONG col = 1;
    for (; it != s.values.end() && it->first.first == r; ++it) {
      for (; col < it->first.second; ++col) out += delimiter;
      VARIANT text;
      VariantInit(&text);
      if (SUCCEEDED(VariantChangeType(&text, &it->second, 0, VT_BSTR))) {
        out += text_1252_of(text.bstrVal);
      }
      VariantClear(&text);
    }
    out += "\n";
    ++row;
  }
  return out;
}

bool write_book(Book& b, const std::string& path, LONG format) {
  const std::string text = format == kNormalFormat ? serialise(b) : delimited(b, ',');
  if (!write_file(path, text)) return false;
  b.path = path;
  b.name = std::filesystem::path(path).filename().string();
  b.format = format;
  b.saved = true;
  return true;
}

bool read_book(Book& b, const std::string& path, const std::string& delimiter) {
  std::string text;
  if (!read_file(path, &text)) return false;
  b.path = path;
  b.name = std::filesystem::path(path).filename().string();
  std::istringstream in(text);
  std::string line;
  if (text.rfind("QNXLS 1\n", 0) == 0) {
    std::getline(in, line);
    while (std::getline(in, line)) {
      if (line.rfind("sheet\t", 0) == 0) {
        b.sheets.push_back(std::make_shared<Sheet>());
        b.sheets.back()->name = unescape(line.substr(6));
        continue;
      }
      if (b.sheets.empty()) return false;
      char* end = nullptr;
      const LONG row = std::strtol(line.c_str(), &end, 10);
      const LONG col = std::strtol(end, &end, 10);
      VARIANT v;
      if (*end != '\t' || !parse_value(end + 1, &v)) return false;
      store(b.sheets.back()->values, {row, col}, v);
    }
    b.format = kNormalFormat;
  } else {
    auto sheet = std::make_shared<Sheet>();
    sheet->name = std::filesystem::path(path).stem().string();
    const char d = delimiter.empty() ? ',' : delimiter[0];
    for (LONG row = 1; std::getline(in, line); ++row) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      LONG col = 1;
      for (size_t at = 0; at <= line.size(); ++col) {
        size_t next = line.find(d, at);
        if (next == std::string::npos) next = line.size();
        const std::string field = line.substr(at, next - at);
        if (!field.empty()) {
          char* end = nullptr;
          const double n = std::strtod(field.c_str(), &end);
          VARIANT v;
          VariantInit(&v);
          if (end && *end == 0) {
            v.vt = VT_R8;
            v.dblVal = n;
          } else {
            v = text_variant(field);
          }
          store(sheet->values, {row, col}, v);
        }
        at = next + 1;
      }
    }
    b.sheets.push_back(sheet);
    b.format = kTextFormat;
  }
  if (b.sheets.empty()) {
    b.sheets.push_back(std::make_shared<Sheet>());
    b.sheets.back()->name = "Sheet1";
  }
  return true;
}

// ---- objects

Ref<ScriptedObject> make_font(const std::shared_ptr<Book>& book, std::weak_ptr<Sheet> sheet,
                              Pos from, Pos to) {
  auto font = ScriptedObject::make(the_server(), "font", "font");
  // Reads answer for the first cell, writes change every cell of the range.
  auto each = [sheet, from, to](auto change) -> HRESULT {
    auto s = sheet.lock();
    if (!s) return ScriptedObject::kDisconnected;
    for (LONG r = from.first; r <= to.first; ++r) {
      for (LONG c = from.second; c <= to.second; ++c) change(s->fonts[{r, c}]);
    }
    return S_OK;
  };
  auto first = [sheet, from]() -> Font {
    auto s = sheet.lock();
    if (!s) return Font{};
    auto it = s->fonts.find(from);
    return it == s->fonts.end() ? Font{} : it->second;
  };
  on_item(*font, book, 0x6E, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
          [each, first](ScriptedObject&, Book&, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
            if (a.empty()) {
              *r = text_variant(first().name);
              return S_OK;
            }
            std::string name;
            if (!arg_text(a[0], &name) || name.empty()) return kRefused;
            return each([&](Font& f) { f.name = name; });
          });
  on_item(*font, book, 0x68, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
          [each, first](ScriptedObject&, Book&, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
            if (a.empty()) {
              r->vt = VT_R8;
              r->dblVal = first().size;
              return S_OK;
            }
            VARIANT size;
            VariantInit(&size);
            if (FAILED(VariantChangeType(&size, &a[0], 0, VT_R8)) || size.dblVal < 1 ||
                size.dblVal > 409) {
              return kRefused;
            }
            return each([&](Font& f) { f.size = size.dblVal; });
          });
  on_item(*font, book, 0x61, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
          [each, first](ScriptedObject&, Book&, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
            if (a.empty()) {
              return_long(r, first().color_index);
              return S_OK;
            }
            LONG n = 0;
            if (!arg_long(a[0], &n) || n < 0 || n > 56) return kRefused;
            return each([&](Font& f) { f.color_index = n; });
          });
  on_item(*font, book, 0x63, DISPATCH_PROPERTYPUT,
          [each](ScriptedObject&, Book&, std::span<VARIANT> a, VARIANT*) -> HRESULT {
            LONG n = 0;
            if (a.empty() || !arg_long(a[0], &n) || n < 0 || n > 0xFFFFFF) return kRefused;
            return each([&](Font& f) { f.rgb = n; });
          });
  return font;
}

struct CellData {
  Pos pos;
};

Ref<ScriptedObject> make_cell(const std::shared_ptr<Book>& book, std::shared_ptr<Sheet> sheet,
                              Pos pos) {
  auto cell = ScriptedObject::make(
      the_server(), "cell",
      "cell(" + std::to_string(pos.first) + "," + std::to_string(pos.second) + ")");
  cell->data = std::make_shared<CellData>(CellData{pos});
  std::weak_ptr<Sheet> weak = sheet;
  on_item(*cell, book, 0x6, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
          [weak, pos](ScriptedObject&, Book& b, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
            auto s = weak.lock();
            if (!s) return ScriptedObject::kDisconnected;
            if (a.empty()) {
              auto it = s->values.find(pos);
              return it == s->values.end() ? S_OK : VariantCopy(r, &it->second);
            }
            const VARIANT& v = a[0];
            if ((v.vt & (VT_ARRAY | VT_BYREF)) || v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN ||
                v.vt > VT_UINT || (v.vt == VT_BSTR && SysStringLen(v.bstrVal) > 32767)) {
              return DISP_E_TYPEMISMATCH;
            }
            VARIANT& slot = s->values[pos];  // a new one starts VT_EMPTY
            VariantCopy(&slot, &v);
            if (slot.vt == VT_EMPTY) s->values.erase(pos);
            b.saved = false;
            return S_OK;
          });
  on_item(*cell, book, 0x92, DISPATCH_PROPERTYGET,
          [weak, pos](ScriptedObject&, Book& b, std::span<VARIANT>, VARIANT* r) -> HRESULT {
            return_object(r, make_font(b.shared_from_this(), weak, pos, pos).get());
            return S_OK;
          });
  return cell;
}

// The cells of a sheet, kept by the sheet (so they hold it weakly).
Ref<ScriptedObject> make_cells(const std::shared_ptr<Book>& book,
                               const std::shared_ptr<Sheet>& sheet) {
  auto cells = ScriptedObject::make(the_server(), "cells", "cells");
  std::weak_ptr<Sheet> weak = sheet;
  on_item(*cells, book, 0xAA, DISPATCH_PROPERTYGET,
          [weak](ScriptedObject&, Book& b, std::span<VARIANT> a, VARIANT* out) -> HRESULT {
            auto s = weak.lock();
            if (!s) return ScriptedObject::kDisconnected;
            LONG row = 0, col = 0;
            if (a.size() != 2 || !arg_long(a[0], &row) || !arg_long(a[1], &col) || row < 1 ||
                row > kMaxRow || col < 1 || col > kMaxCol) {
              return DISP_E_BADINDEX;
            }
            return_object(out, make_cell(b.shared_from_this(), s, {row, col}).get());
            return S_OK;
          });
  on_item(*cells, book, 0x6F, DISPATCH_METHOD,
          [weak](ScriptedObject&, Book& b, std::span<VARIANT>, VARIANT*) -> HRESULT {
            auto s = weak.lock();
            if (!s) return ScriptedObject::kDisconnected;
            s->clear();
            b.saved = false;
            return S_OK;
          });
  return cells;
}

Ref<ScriptedObject> make_sheet_object(const std::shared_ptr<Book>& book,
                                      std::shared_ptr<Sheet> sheet);

// The object of a sheet: kept by the sheet and made again once renamed, so
// the record names it by its name.
Ref<ScriptedObject> make_sheet(const std::shared_ptr<Book>& book, std::shared_ptr<Sheet> sheet) {
  if (!sheet->object) sheet->object = make_sheet_object(book, sheet);
  sheet->object->AddRef();
  return Ref<ScriptedObject>(sheet->object.get());
}

Ref<ScriptedObject> make_sheet_object(const std::shared_ptr<Book>& book,
                                      std::shared_ptr<Sheet> sheet) {
  auto o = ScriptedObject::make(the_server(), "worksheet", sheet->name);
  std::weak_ptr<Sheet> weak = sheet;
  auto with_sheet = [weak](auto fn) {
    return [weak, fn](ScriptedObject& self, Book& b, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
      auto s = weak.lock();
      if (!s) return ScriptedObject::kDisconnected;
      return fn(self, b, s, a, r);
    };
  };
  on_item(*o, book, 0xEE, DISPATCH_PROPERTYGET,
          with_sheet([](ScriptedObject&, Book& b, std::shared_ptr<Sheet> s, std::span<VARIANT>,
                        VARIANT* r) -> HRESULT {
            if (!s->cells) s->cells = make_cells(b.shared_from_this(), s);
            return_object(r, s->cells.get());
            return S_OK;
          }));
  on_item(*o, book, 0xF1, DISPATCH_PROPERTYGET,
          [](ScriptedObject&, Book& b, std::span<VARIANT>, VARIANT* r) -> HRESULT {
            auto columns = ScriptedObject::make(the_server(), "columns", "columns");
            columns->on(0xED, DISPATCH_METHOD,
                        [](ScriptedObject&, std::span<VARIANT>, VARIANT*) { return S_OK; });
            (void)b;
            return_object(r, columns.get());
            return S_OK;
          });
  on_item(*o, book, 0xC5, DISPATCH_PROPERTYGET,
          with_sheet([](ScriptedObject&, Book& b, std::shared_ptr<Sheet> s, std::span<VARIANT> a,
                        VARIANT* r) -> HRESULT {
            if (a.size() != 2) return DISP_E_BADPARAMCOUNT;
            Pos corners[2];
            for (int i = 0; i < 2; ++i) {
              ScriptedObject* c = nullptr;
              if (a[i].vt != VT_DISPATCH || !a[i].pdispVal ||
                  FAILED(a[i].pdispVal->QueryInterface(ScriptedObject::kIid,
                                                       reinterpret_cast<void**>(&c)))) {
                return DISP_E_TYPEMISMATCH;
              }
              auto data = std::static_pointer_cast<CellData>(c->data);
              const bool is_cell = c->kind() == "cell" && data;
              if (is_cell) corners[i] = data->pos;
              c->Release();
              if (!is_cell) return DISP_E_TYPEMISMATCH;
            }
            const Pos from{std::min(corners[0].first, corners[1].first),
                           std::min(corners[0].second, corners[1].second)};
            const Pos to{std::max(corners[0].first, corners[1].first),
                         std::max(corners[0].second, corners[1].second)};
            auto range = ScriptedObject::make(the_server(), "range", "range");
            std::weak_ptr<Sheet> weak_sheet = s;
            std::weak_ptr<Book> weak_book = b.shared_from_this();
            range->on(0x92, DISPATCH_PROPERTYGET,
                      [weak_book, weak_sheet, from, to](ScriptedObject&, std::span<VARIANT>,
                                                        VARIANT* out) -> HRESULT {
                        auto bk = weak_book.lock();
                        if (!bk || !alive(*bk)) return ScriptedObject::kDisconnected;
                        return_object(out, make_font(bk, weak_sheet, from, to).get());
                        return S_OK;
                      });
            return_object(r, range.get());
            return S_OK;
          }));
  on_item(*o, book, 0x6E, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
          with_sheet([](ScriptedObject&, Book& b, std::shared_ptr<Sheet> s, std::span<VARIANT> a,
                        VARIANT* r) -> HRESULT {
            if (a.empty()) {
              *r = text_variant(s->name);
              return S_OK;
            }
            std::string name;
            if (!arg_text(a[0], &name)) return DISP_E_TYPEMISMATCH;
            if (name == s->name) return S_OK;
            if (!valid_sheet_name(b, name)) return kRefused;
            s->name = name;
            s->object.reset();
            b.saved = false;
            return S_OK;
          }));
  on_item(*o, book, 0x75, DISPATCH_METHOD,
          with_sheet([](ScriptedObject&, Book& b, std::shared_ptr<Sheet> s, std::span<VARIANT>,
                        VARIANT*) -> HRESULT {
            if (b.sheets.size() == 1) return kRefused;  // a workbook keeps one sheet
            for (size_t i = 0; i < b.sheets.size(); ++i) {
              if (b.sheets[i] == s) {
                b.sheets.erase(b.sheets.begin() + i);
                if (b.active >= b.sheets.size() || b.active > i)
                  b.active = b.active ? b.active - 1 : 0;
                b.saved = false;
                return S_OK;
              }
            }
            return ScriptedObject::kDisconnected;
          }));
  on_item(*o, book, 0x130, DISPATCH_METHOD,
          with_sheet([](ScriptedObject&, Book& b, std::shared_ptr<Sheet> s, std::span<VARIANT>,
                        VARIANT*) -> HRESULT {
            for (size_t i = 0; i < b.sheets.size(); ++i) {
              if (b.sheets[i] == s) b.active = i;
            }
            return S_OK;
          }));
  return o;
}

void close_book(App& app, const std::shared_ptr<Book>& book) {
  book->open = false;
  if (book->object) book->object->disconnect();
  book->object.reset();
  std::erase(app.books, book);
}

std::shared_ptr<Book> new_book(const std::shared_ptr<App>& app) {
  auto b = std::make_shared<Book>();
  b->app = app;
  b->name = "Book" + std::to_string(++app->made_books);
  b->object = ScriptedObject::make(the_server(), "workbook", the_server().next_name("book"));
  ScriptedObject& o = *b->object;
  on_item(o, b, 0x120, DISPATCH_PROPERTYGET,
          [](ScriptedObject&, Book& bk, std::span<VARIANT>, VARIANT* r) -> HRESULT {
            return_long(r, bk.format);
            return S_OK;
          });
  on_item(o, b, 0x128, DISPATCH_PROPERTYGET,
          [](ScriptedObject&, Book& bk, std::span<VARIANT>, VARIANT* r) -> HRESULT {
            return_bool(r, bk.read_only);
            return S_OK;
          });
  on_item(o, b, 0x12A, DISPATCH_PROPERTYGET,
          [](ScriptedObject&, Book& bk, std::span<VARIANT>, VARIANT* r) -> HRESULT {
            return_bool(r, bk.saved);
            return S_OK;
          });
  std::weak_ptr<Book> weak = b;
  on_item(o, b, 0x115, DISPATCH_METHOD,
          [weak](ScriptedObject&, Book& bk, std::span<VARIANT> a, VARIANT*) -> HRESULT {
            LONG save = 0;
            if (!a.empty() && arg_long(a[0], &save) && save != 0 && !bk.saved) {
              if (bk.read_only || bk.path.empty() || !write_book(bk, bk.path, bk.format)) {
                return kRefused;
              }
            }
            close_book(*bk.app.lock(), weak.lock());
            return S_OK;
          });
  on_item(o, b, 0x11B, DISPATCH_METHOD,
          [](ScriptedObject&, Book& bk, std::span<VARIANT>, VARIANT*) -> HRESULT {
            if (bk.read_only || bk.path.empty()) return kRefused;
            return write_book(bk, bk.path, bk.format) ? S_OK : kRefused;
          });
  on_item(o, b, 0x11C, DISPATCH_METHOD,
          [](ScriptedObject&, Book& bk, std::span<VARIANT> a, VARIANT*) -> HRESULT {
            std::string path;
            if (a.empty() || !arg_text(a[0], &path) || path.empty()) return kRefused;
            LONG format = bk.format;
            if (a.size() > 1 && !is_missing(a[1]) && !arg_long(a[1], &format)) return kRefused;
            return write_book(bk, path, format) ? S_OK : kRefused;
          });
  on_item(o, b, 0x6E, DISPATCH_PROPERTYGET,
          [](ScriptedObject&, Book& bk, std::span<VARIANT>, VARIANT* r) -> HRESULT {
            *r = text_variant(bk.name);
            return S_OK;
          });
  on_item(o, b, 0x1AE, DISPATCH_PROPERTYGET,
          [weak](ScriptedObject&, Book&, std::span<VARIANT>, VARIANT* r) -> HRESULT {
            auto windows = ScriptedObject::make(the_server(), "windows", "windows");
            auto bk = weak.lock();
            on_item(*windows, bk, 0x76, DISPATCH_PROPERTYGET,
                    [](ScriptedObject&, Book& w, std::span<VARIANT>, VARIANT* out) -> HRESULT {
                      return_long(out, static_cast<LONG>(w.windows.size()));
                      return S_OK;
                    });
            on_item(*windows, bk, 0xAA, DISPATCH_PROPERTYGET,
                    [bk](ScriptedObject&, Book& w, std::span<VARIANT> a, VARIANT* out) -> HRESULT {
                      LONG i = 0;
                      if (a.size() != 1 || !arg_long(a[0], &i) || i < 1 ||
                          i > static_cast<LONG>(w.windows.size())) {
                        return DISP_E_BADINDEX;
                      }
                      auto window = ScriptedObject::make(the_server(), "window",
                                                         "window" + std::to_string(i));
                      on_item(*window, bk, 0x22E, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
                              [i](ScriptedObject&, Book& wb, std::span<VARIANT> v,
                                  VARIANT* res) -> HRESULT {
                                if (v.empty()) {
                                  return_bool(res, wb.windows[i - 1]);
                                  return S_OK;
                                }
                                LONG on = 0;
                                if (!arg_long(v[0], &on)) return DISP_E_TYPEMISMATCH;
                                wb.windows[i - 1] = on != 0;
                                return S_OK;
                              });
                      return_object(out, window.get());
                      return S_OK;
                    });
            return_object(r, windows.get());
            return S_OK;
          });
  on_item(o, b, 0x1EE, DISPATCH_PROPERTYGET,
          [weak](ScriptedObject&, Book&, std::span<VARIANT>, VARIANT* r) -> HRESULT {
            auto sheets = ScriptedObject::make(the_server(), "worksheets", "sheets");
            auto bk = weak.lock();
            on_item(*sheets, bk, 0xAA, DISPATCH_PROPERTYGET,
                    [bk](ScriptedObject&, Book& w, std::span<VARIANT> a, VARIANT* out) -> HRESULT {
                      if (a.size() != 1) return DISP_E_BADPARAMCOUNT;
                      std::string name;
                      if (a[0].vt == VT_BSTR) {
                        name = text_1252_of(a[0].bstrVal);
                        for (auto& s : w.sheets) {
                          if (s->name == name) {
                            return_object(out, make_sheet(bk, s).get());
                            return S_OK;
                          }
                        }
                        return DISP_E_BADINDEX;
                      }
                      LONG i = 0;
                      if (!arg_long(a[0], &i) || i < 1 || i > static_cast<LONG>(w.sheets.size())) {
                        return DISP_E_BADINDEX;
                      }
                      return_object(out, make_sheet(bk, w.sheets[i - 1]).get());
                      return S_OK;
                    });
            on_item(*sheets, bk, 0xB5, DISPATCH_METHOD,
                    [bk](ScriptedObject&, Book& w, std::span<VARIANT>, VARIANT* out) -> HRESULT {
                      auto s = std::make_shared<Sheet>();
                      for (int n = 1;; ++n) {
                        s->name = "Sheet" + std::to_string(n);
                        if (valid_sheet_name(w, s->name)) break;
                      }
                      w.sheets.insert(w.sheets.begin() + w.active, s);
                      w.saved = false;
                      return_object(out, make_sheet(bk, s).get());
                      return S_OK;
                    });
            return_object(r, sheets.get());
            return S_OK;
          });
  on_item(o, b, 0x133, DISPATCH_PROPERTYGET,
          [weak](ScriptedObject&, Book& bk, std::span<VARIANT>, VARIANT* r) -> HRESULT {
            return_object(r, make_sheet(weak.lock(), bk.sheets[bk.active]).get());
            return S_OK;
          });
  on_item(o, b, 0x389, DISPATCH_METHOD,
          [](ScriptedObject&, Book&, std::span<VARIANT>, VARIANT*) { return S_OK; });
  on_item(o, b, 0x130, DISPATCH_METHOD,
          [](ScriptedObject&, Book&, std::span<VARIANT>, VARIANT*) { return S_OK; });
  return b;
}

Ref<ScriptedObject> make_application(ScriptedServer& server) {
  auto app = std::make_shared<App>();
  g_current = app;
  auto o = ScriptedObject::make(server, "application", "app");
  auto on_app = [&](DISPID id, WORD kinds, auto fn) {
    o->on(id, kinds, [app, fn](ScriptedObject& self, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
      if (!alive(*app)) return ScriptedObject::kDisconnected;
      return fn(self, a, r);
    });
  };
  on_app(0x23C, DISPATCH_PROPERTYGET, [app](ScriptedObject&, std::span<VARIANT>, VARIANT* r) {
    auto books = ScriptedObject::make(the_server(), "workbooks", "workbooks");
    std::weak_ptr<App> weak = app;
    auto open_or_add = [weak](auto fn) {
      return [weak, fn](ScriptedObject&, std::span<VARIANT> a, VARIANT* out) -> HRESULT {
        auto ap = weak.lock();
        if (!ap || !alive(*ap)) return ScriptedObject::kDisconnected;
        auto b = new_book(ap);
        if (HRESULT h = fn(*b, a); FAILED(h)) {
          b->object->disconnect();
          return h;
        }
        ap->books.push_back(b);
        return_object(out, b->object.get());
        return S_OK;
      };
    };
    books->on(0x2AA, DISPATCH_METHOD, open_or_add([](Book& b, std::span<VARIANT> a) -> HRESULT {
                std::string path, delimiter = ",";
                LONG read_only = 0;
                if (a.empty() || !arg_text(a[0], &path)) return DISP_E_TYPEMISMATCH;
                if (a.size() > 2) arg_long(a[2], &read_only);
                if (a.size() > 8) arg_text(a[8], &delimiter);
                if (!read_book(b, path, delimiter)) return kRefused;
                b.read_only = read_only != 0;
                return S_OK;
              }));
    books->on(0xB5, DISPATCH_METHOD, open_or_add([](Book& b, std::span<VARIANT> a) -> HRESULT {
                std::string from;
                if (!a.empty() && arg_text(a[0], &from)) {
                  // A template: a saved workbook whose sheets the new one copies.
                  if (!read_book(b, from, ",")) return kRefused;
                  b.path.clear();
                  b.format = kNormalFormat;
                  b.name = "Book" + std::to_string(b.app.lock()->made_books);
                } else {
                  for (int i = 1; i <= 3; ++i) {
                    b.sheets.push_back(std::make_shared<Sheet>());
                    b.sheets.back()->name = "Sheet" + std::to_string(i);
                  }
                }
                return S_OK;
              }));
    return_object(r, books.get());
    return S_OK;
  });
  on_app(0x40E, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
         [app](ScriptedObject&, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
           if (a.empty()) {
             *r = text_variant(app->default_path);
             return S_OK;
           }
           return arg_text(a[0], &app->default_path) ? S_OK : DISP_E_TYPEMISMATCH;
         });
  on_app(0x157, DISPATCH_PROPERTYPUT, [app](ScriptedObject&, std::span<VARIANT> a, VARIANT*) {
    LONG on = 0;
    if (a.size() != 1 || !arg_long(a[0], &on)) return DISP_E_TYPEMISMATCH;
    app->alerts = on != 0;
    return S_OK;
  });
  on_app(0x448, DISPATCH_PROPERTYGET, [](ScriptedObject&, std::span<VARIANT>, VARIANT* r) {
    return_long(r, 1);
    return S_OK;
  });
  on_app(0x12E, DISPATCH_METHOD, [app](ScriptedObject&, std::span<VARIANT>, VARIANT*) {
    // Open workbooks are dropped unsaved, as the application would after
    // its alerts were answered "no".
    while (!app->books.empty()) close_book(*app, app->books.front());
    app->quit = true;
    return S_OK;
  });
  on_app(0x22E, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
         [app](ScriptedObject&, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
           if (a.empty()) {
             return_bool(r, app->visible);
             return S_OK;
           }
           LONG on = 0;
           if (!arg_long(a[0], &on)) return DISP_E_TYPEMISMATCH;
           app->visible = on != 0;
           return S_OK;
         });
  on_app(0x18C, DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT,
         [app](ScriptedObject&, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
           if (a.empty()) {
             return_long(r, app->window_state);
             return S_OK;
           }
           return arg_long(a[0], &app->window_state) ? S_OK : DISP_E_TYPEMISMATCH;
         });
  on_app(0x103, DISPATCH_METHOD, [](ScriptedObject&, std::span<VARIANT> a, VARIANT* r) {
    std::string macro;
    if (a.empty() || !arg_text(a[0], &macro) || macro != "Sum") return kRefused;
    double sum = 0;
    for (size_t i = 1; i < a.size(); ++i) {
      VARIANT n;
      VariantInit(&n);
      if (!is_missing(a[i]) && SUCCEEDED(VariantChangeType(&n, &a[i], 0, VT_R8))) sum += n.dblVal;
    }
    r->vt = VT_R8;
    r->dblVal = sum;
    return S_OK;
  });
  return o;
}

ScriptedServer g_server("Excel.Application", kClsid, make_application);

ScriptedServer& the_server() { return g_server; }

std::shared_ptr<Book> book_named(const std::string& name) {
  auto app = g_current.lock();
  if (!app || !alive(*app)) return nullptr;
  for (auto& b : app->books) {
    if (b->name == name) return b;
  }
  return nullptr;
}

}  // namespace

ScriptedServer& server() { return g_server; }

bool running() {
  auto app = g_current.lock();
  return app && alive(*app);
}

bool app_visible() {
  auto app = g_current.lock();
  return app && app->visible;
}

int open_books() {
  auto app = g_current.lock();
  return app && alive(*app) ? static_cast<int>(app->books.size()) : 0;
}

VARIANT cell_value(const std::string& book, long row, long col) {
  VARIANT v;
  VariantInit(&v);
  if (auto b = book_named(book)) {
    const Sheet& s = *b->sheets[b->active];
    auto it = s.values.find({row, col});
    if (it != s.values.end()) VariantCopy(&v, &it->second);
  }
  return v;
}

std::string sheet_names(const std::string& book) {
  std::string names;
  if (auto b = book_named(book)) {
    for (const auto& s : b->sheets) names += (names.empty() ? "" : ",") + s->name;
  }
  return names;
}

void close_by_user(int index) {
  auto app = g_current.lock();
  if (app && index >= 0 && index < static_cast<int>(app->books.size())) {
    close_book(*app, app->books[index]);
  }
}

void stop_application() {
  if (auto app = g_current.lock()) app->stopped = true;
}

}  // namespace qn::office_servers::excel

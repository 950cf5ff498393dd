#include "platform/path.h"
#include "office/word/word_documents.h"


#include <iterator>

#include "office/shared.h"
#include "platform/cp1252.h"

namespace qn::office {

using namespace com;

namespace {

// Members of the object models, by DISPID; where the two models differ the
// Word 97 one carries "97".
enum : DISPID {
  kAppDocuments = 0x6,
  kAppProbe = 0x6E,
  kAppAnswers = 0x64,
  kAppWindowState = 0x5B,
  kAppVisible97 = 0x17,
  kQuit = 0x451,  // application quit, document close
  kAppRun = 0x1BD,
  kDocsOpen = 0xF,
  kDocsAdd = 0xE,
  kDocsOpen97 = 0xC,
  kDocsAdd97 = 0xB,
  kDocSaved = 0x28,
  kDocReadOnly = 0x2C,
  kDocWindows = 0x22,
  kDocContent = 0x29,
  kDocSave = 0x6C,
  kDocSaveAs = 0x66,
  kDocActivate = 0x71,
  kDocPreview = 0x72,
  kDocPrint = 0x1BC,
  kDocPrint97 = 0x6D,
  kDocSpelling = 0x84,
  kWindowsCount = 0x2,
  kWindowsItem = 0x0,
  kWindowVisible = 0x24,
  kWindowState97 = 0xB,
  kRangeText = 0x0,
  kRangeFind = 0x106,
  kFindExecute = 0x1BC,
  kFindExecute97 = 0x1E,
};

constexpr LONG kMaximized = 1;
constexpr LONG kMinimized = 2;
constexpr SHORT kReplaceAll = 2;

const char* const kMessages[] = {
    "",
    "Invalid handle: ",
    "Document no longer valid. Handle: ",
    "Application no longer valid.",
    "Invalid template: ",
    "Invalid file name: ",
    "Could not open file: ",
    "Could not save file: ",
    "Invalid value: ",
    "Error running macro: ",
};

// Word takes the VARIANT arguments of its methods by reference.
HRESULT method(IDispatch* object, DISPID id, std::vector<VARIANT> args = {},
               VARIANT* result = nullptr) {
  return late_call(object, id, DISPATCH_METHOD, std::move(args), result, ArgPassing::kReference);
}

HRESULT method_object(IDispatch* object, DISPID id, std::vector<VARIANT> args,
                      Ref<IDispatch>* out) {
  return late_object(object, id, DISPATCH_METHOD, std::move(args), out->put(),
                     ArgPassing::kReference);
}

HRESULT get_object(IDispatch* object, DISPID id, Ref<IDispatch>* out) {
  return late_object(object, id, DISPATCH_PROPERTYGET, {}, out->put());
}

HRESULT put_value(IDispatch* object, DISPID id, VARIANT value) {
  return late_call(object, id, DISPATCH_PROPERTYPUT, {value});
}

// The name with the current directory in front when it names no folder.
std::string full_path(const std::string& name) {
  if (name.find_first_of("\\/") != std::string::npos) return name;
  const std::string dir = platform::current_dir();
  return dir + name;
}

// The file format of a save-as type, or -1 for a type Word has none for.
LONG save_format(const std::string& type, SHORT dos_text, SHORT line_breaks) {
  if (type == "doc") return 0;
  if (type == "rtf") return 6;
  if (type == "htm") return 8;
  if (type == "dot") return 1;
  if (type == "txt") return (line_breaks ? 3 : 2) + (dos_text ? 2 : 0);
  return -1;
}

}  // namespace

WordDocuments::WordDocuments(Model model) : model_(model) {}

WordDocuments::~WordDocuments() = default;

void WordDocuments::error(SHORT code, const std::string& detail) {
  code_ = code;
  const size_t count = model_ == Model::kWord97 ? std::size(kMessages) - 1 : std::size(kMessages);
  const std::string text = message_text(kMessages, count, code, detail);
  if (display_ != 0 && !text.empty()) show_message(text);
}

// ---- connection and handles

bool WordDocuments::create_app() {
  Ref<IDispatch> app;
  if (FAILED(create_automation_object("Word.Application", app.put()))) {
    show_message("Couldn't CreateDispatch on Word");
    return false;
  }
  app_ = std::move(app);
  return true;
}

bool WordDocuments::has_current_model() {
  Ref<IDispatch> probe;
  return SUCCEEDED(get_object(app_.get(), kAppProbe, &probe));
}

void WordDocuments::drop_app() { app_.reset(); }

void WordDocuments::mark_connected() {
  docs_.reset();
  connected_ = true;
}

void WordDocuments::quit() {
  method(app_.get(), kQuit, {VariantFalse, VariantMissing, VariantMissing});
}

bool WordDocuments::check_app() {
  if (!connected_) return false;
  if (!late_answers(app_.get(), kAppAnswers)) {
    connected_ = false;
    docs_.release_all();
    app_.reset();
    return false;
  }
  for (int h : docs_.open_handles()) {
    if (!late_answers(docs_.document(h), kDocSaved)) remove_handle(h);
  }
  return true;
}

void WordDocuments::remove_handle(int h) {
  docs_.remove(h);
  if (docs_.open_count() == 0) {
    if (connected_) {
      quit();
      connected_ = false;
    }
    app_.reset();
  }
}

bool WordDocuments::check_handle(int h) {
  if (!check_app()) {
    error(3);
    return false;
  }
  if (!docs_.valid(h)) {
    error(1, std::to_string(h));
    return false;
  }
  if (!late_answers(docs_.document(h), kDocSaved)) {
    remove_handle(h);
    error(2, std::to_string(h));
    return false;
  }
  return true;
}

template <class F>
HRESULT WordDocuments::each_window(int h, F visit) {
  Ref<IDispatch> windows;
  LONG count = 0;
  HRESULT r = get_object(docs_.document(h), kDocWindows, &windows);
  if (SUCCEEDED(r)) r = late_get_long(windows.get(), kWindowsCount, &count);
  for (LONG i = count; SUCCEEDED(r) && i >= 1; --i) {
    Ref<IDispatch> window;
    r = method_object(windows.get(), kWindowsItem, {i2_variant(static_cast<SHORT>(i))}, &window);
    if (SUCCEEDED(r)) r = visit(window.get());
  }
  return r;
}

HRESULT WordDocuments::set_windows_visible(int h, bool visible) {
  return each_window(
      h, [&](IDispatch* w) { return put_value(w, kWindowVisible, flag_variant(visible)); });
}

HRESULT WordDocuments::set_window_state(int h, bool shown) {
  return each_window(h, [&](IDispatch* w) {
    return put_value(w, kWindowState97, i4_variant(shown ? kMaximized : kMinimized));
  });
}

bool WordDocuments::update_visible() {
  if (docs_.open_count() == 0) {
    put_value(app_.get(), kAppVisible97, VariantFalse);
    return false;
  }
  const bool any = docs_.any_visible();
  put_value(app_.get(), kAppVisible97, flag_variant(any));
  return any;
}

bool WordDocuments::open_or_create(BSTR name, Ref<IDispatch>* document) {
  const bool word97 = model_ == Model::kWord97;
  if (word97 && (!connected_ || !check_app() || !connected_)) {
    if (create_app()) mark_connected();
  }
  if (!connected_) return false;
  // Word is given the name as written, with the current directory in
  // front; the existence test and the messages use the completed name.
  std::string completed = text_1252_of(name);
  const std::string full = full_path(completed);
  Ref<IDispatch> docs;
  if (FAILED(get_object(app_.get(), kAppDocuments, &docs))) {
    error(6, completed);
    return false;
  }
  if (has_nul(name) || !complete_file_name(&completed, ".doc")) {
    error(5, completed);
    return false;
  }
  if (file_exists(completed)) {
    if (FAILED(method_object(
            docs.get(), word97 ? kDocsOpen97 : kDocsOpen,
            concat({{text_variant(full), VariantMissing, flag_variant(read_only_ != 0)},
                    missing_args(word97 ? 7 : 9)}),
            document))) {
      error(6, completed);
      return false;
    }
    return true;
  }
  const DISPID add = word97 ? kDocsAdd97 : kDocsAdd;
  const size_t more = word97 ? 1 : 3;
  const VARIANT from = template_.empty() ? VariantMissing : text_variant(template_);
  if (FAILED(method_object(docs.get(), add, concat({{from}, missing_args(more)}), document))) {
    error(4, template_);
    if (FAILED(method_object(docs.get(), add, missing_args(more + 1), document))) {
      error(6, completed);
      return false;
    }
  }
  if (FAILED(
          method(document->get(), kDocSaveAs, concat({{text_variant(full)}, missing_args(10)})))) {
    error(5, completed);
    method(document->get(), kQuit, {VariantFalse, VariantMissing, VariantMissing});
    document->reset();
    return false;
  }
  return true;
}

HRESULT WordDocuments::content(int h, Ref<IDispatch>* range) {
  return get_object(docs_.document(h), kDocContent, range);
}

// ---- members

void WordDocuments::open(BSTR name, SHORT* handle) {
  if (handle) *handle = -1;
  if (docs_.issued() >= HandleTable::kMaxHandles && connected_ && check_app() && connected_) {
    // Every handle of this connection is issued: no document can be named.
    error(6, text_1252_of(name));
    return;
  }
  Ref<IDispatch> document;
  if (!open_or_create(name, &document)) return;
  const int h = docs_.add(std::move(document));
  if (handle) *handle = static_cast<SHORT>(h);
  hide(h);
}

void WordDocuments::show(int h) {
  if (!check_handle(h)) return;
  if (model_ == Model::kWord97) {
    HRESULT r = S_OK;
    if (update_visible()) {
      docs_.set_visible(h, true);
      r = method(docs_.document(h), kDocActivate);
    } else {
      docs_.set_visible(h, true);
      update_visible();
      r = set_window_state(h, true);
    }
    if (FAILED(r)) return error(2, std::to_string(h));
  } else {
    docs_.set_visible(h, true);
    if (FAILED(set_windows_visible(h, true))) return error(2, std::to_string(h));
  }
  error(FAILED(put_value(app_.get(), kAppWindowState, i4_variant(kMaximized))) ? 3 : 0);
}

void WordDocuments::hide(int h) {
  if (!check_handle(h)) return;
  if (model_ == Model::kWord97) {
    if (update_visible()) {
      docs_.set_visible(h, false);
      update_visible();
    }
  } else {
    if (FAILED(set_windows_visible(h, false))) return error(2, std::to_string(h));
    docs_.set_visible(h, false);
  }
  error(0);
}

void WordDocuments::close(int h) {
  if (!check_handle(h)) return;
  IDispatch* doc = docs_.document(h);
  LONG read_only = 0;
  if (FAILED(late_get_long(doc, kDocReadOnly, &read_only))) return error(2, std::to_string(h));
  const HRESULT r =
      method(doc, kQuit, {i2_variant(read_only ? 0 : -1), VariantMissing, VariantMissing});
  remove_handle(h);
  error(FAILED(r) ? 2 : 0, std::to_string(h));
}

void WordDocuments::print_out(int h, SHORT preview, SHORT background) {
  if (!check_handle(h)) return;
  const bool hidden = !docs_.visible(h);
  if (hidden) show(h);
  HRESULT r;
  if (preview) {
    r = method(docs_.document(h), kDocPreview);
  } else {
    const bool word97 = model_ == Model::kWord97;
    r = method(docs_.document(h), word97 ? kDocPrint97 : kDocPrint,
               concat({{i2_variant(background)}, missing_args(word97 ? 13 : 17)}));
    if (hidden) hide(h);
  }
  error(FAILED(r) ? 2 : 0, std::to_string(h));
}

void WordDocuments::put(int h, BSTR text, SHORT append) {
  if (!check_handle(h)) return;
  Ref<IDispatch> range;
  std::string before;
  if (FAILED(content(h, &range)) ||
      (append && FAILED(late_get_text(range.get(), kRangeText, &before)))) {
    return error(2, std::to_string(h));
  }
  const std::string given = text_1252_of(text);
  if (FAILED(late_call(range.get(), kRangeText, DISPATCH_PROPERTYPUT,
                       {text_variant(before + given)}))) {
    error(8, given);
  }
}

void WordDocuments::get(int h, BSTR* text) {
  if (!check_handle(h)) return;
  Ref<IDispatch> range;
  std::string read;
  if (FAILED(content(h, &range)) || FAILED(late_get_text(range.get(), kRangeText, &read))) {
    return error(2, std::to_string(h));
  }
  std::string lines;
  lines.reserve(read.size() + read.size() / 16);
  for (char c : read) {
    lines += c;
    if (c == '\r') lines += '\n';
  }
  if (text) *text = AnsiToBstr(lines.data(), static_cast<int>(lines.size()));
}

void WordDocuments::replace(int h, BSTR old_text, BSTR new_text, SHORT match_case,
                            SHORT whole_word) {
  if (!check_handle(h)) return;
  Ref<IDispatch> range, find;
  HRESULT r = content(h, &range);
  if (SUCCEEDED(r)) r = get_object(range.get(), kRangeFind, &find);
  if (SUCCEEDED(r)) {
    const bool word97 = model_ == Model::kWord97;
    r = method(find.get(), word97 ? kFindExecute97 : kFindExecute,
               concat({{bstr_variant(old_text), flag_variant(match_case != 0),
                        flag_variant(whole_word != 0)},
                       missing_args(3),
                       {VariantTrue},
                       missing_args(2),
                       {bstr_variant(new_text), i2_variant(kReplaceAll)},
                       missing_args(word97 ? 0 : 4)}));
  }
  error(FAILED(r) ? 2 : 0, std::to_string(h));
}

void WordDocuments::spell_check(int h) {
  if (!check_handle(h)) return;
  const bool hidden = !docs_.visible(h);
  LONG state = kMaximized;
  if (FAILED(late_get_long(app_.get(), kAppWindowState, &state))) return error(3);
  if (hidden) {
    put_value(app_.get(), kAppWindowState, i4_variant(kMinimized));
    show(h);
  }
  const HRESULT r = method(docs_.document(h), kDocSpelling, missing_args(12));
  if (hidden) {
    put_value(app_.get(), kAppWindowState, i4_variant(state));
    hide(h);
  }
  if (FAILED(r)) error(2, std::to_string(h));
}

void WordDocuments::save(int h) {
  if (!check_handle(h)) return;
  error(FAILED(method(docs_.document(h), kDocSave)) ? 7 : 0, std::to_string(h));
}

void WordDocuments::save_as(int h, BSTR name, BSTR type, SHORT dos_text, SHORT line_breaks) {
  if (!check_handle(h)) return;
  const std::string lowered = platform::lower_1252(text_1252_of(type));
  const LONG format = has_nul(type) ? -1 : save_format(lowered, dos_text, line_breaks);
  if (format < 0) return error(8, lowered);
  const HRESULT r = method(docs_.document(h), kDocSaveAs,
                           concat({{bstr_variant(name), i4_variant(format)}, missing_args(9)}));
  error(FAILED(r) ? 7 : 0, text_1252_of(name));
}

void WordDocuments::run_macro(int h, BSTR macro, std::initializer_list<const VARIANT*> args,
                              VARIANT* result) {
  if (!check_handle(h)) return;
  const std::string name = text_1252_of(macro);
  if (has_nul(macro)) return error(9, name);
  std::vector<VARIANT> all = macro_arguments(text_variant(name), args);
  method(docs_.document(h), kDocActivate);
  VariantClear(result);
  error(FAILED(method(app_.get(), kAppRun, std::move(all), result)) ? 9 : 0, name);
}

IDispatch* WordDocuments::document(int h) {
  if (!check_handle(h)) return nullptr;
  IDispatch* d = docs_.document(h);
  d->AddRef();
  return d;
}

void WordDocuments::close_all() {
  display_ = 0;
  for (int h = 0, n = docs_.issued(); h < n; ++h) close(h);
  if (connected_) quit();
  connected_ = false;
  app_.reset();
}

void WordDocuments::set_template(BSTR name) {
  template_ = text_1252_of(name);
  if (template_.size() > 1 && !complete_file_name(&template_, ".dot")) error(5);
}

}  // namespace qn::office

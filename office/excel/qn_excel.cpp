#include "office/excel/qn_excel.h"

#include <filesystem>
#include <iterator>
#include <system_error>

#include "platform/cp1252.h"

namespace qn::office {

using namespace com;

namespace {

// Members of the application's object model, by DISPID.
enum : DISPID {
  kAppWorkbooks = 0x23C,
  kAppDefaultFilePath = 0x40E,
  kAppDisplayAlerts = 0x157,
  kAppAnswers = 0x448,
  kAppQuit = 0x12E,
  kVisible = 0x22E,  // application and window
  kAppWindowState = 0x18C,
  kAppRun = 0x103,
  kBooksOpen = 0x2AA,
  kAdd = 0xB5,  // workbook and worksheet collections
  kBookFileFormat = 0x120,
  kBookReadOnly = 0x128,
  kBookSaved = 0x12A,
  kBookClose = 0x115,
  kBookSave = 0x11B,
  kBookSaveAs = 0x11C,
  kName = 0x6E,  // workbook, worksheet, font
  kBookWindows = 0x1AE,
  kBookSheets = 0x1EE,
  kBookActiveSheet = 0x133,
  kBookPrintOut = 0x389,
  kActivate = 0x130,  // workbook and worksheet
  kCount = 0x76,
  kItem = 0xAA,  // windows, worksheets, cells
  kSheetCells = 0xEE,
  kSheetColumns = 0xF1,
  kSheetRange = 0xC5,
  kSheetDelete = 0x75,
  kCellsClear = 0x6F,
  kValue = 0x6,
  kFont = 0x92,
  kColumnsAutoFit = 0xED,
  kFontSize = 0x68,
  kFontColorIndex = 0x61,
  kFontColor = 0x63,
};

constexpr LONG kNormalFormat = -4143;
constexpr LONG kMinimized = -4140;
constexpr LONG kMaximized = -4137;
constexpr SHORT kTextWithDelimiter = 6;
constexpr LONG kExclusiveAccess = 1;

const char* const kMessages[] = {
    "",
    "Invalid handle: ",
    "Workbook no longer valid. Handle: ",
    "Application no longer valid.",
    "Invalid template: ",
    "Invalid worksheet name: ",
    "Invalid font properties.",
    "Invalid cell value.",
    "Invalid cell coordinates.",
    "Invalid file name: ",
    "Could not open file: ",
    "Error running macro: ",
};

HRESULT get_object(IDispatch* object, DISPID id, Ref<IDispatch>* out,
                   std::vector<VARIANT> args = {}) {
  return late_object(object, id, DISPATCH_PROPERTYGET, std::move(args), out->put());
}

HRESULT put(IDispatch* object, DISPID id, VARIANT value) {
  return late_call(object, id, DISPATCH_PROPERTYPUT, {value});
}

HRESULT method(IDispatch* object, DISPID id, std::vector<VARIANT> args = {},
               VARIANT* result = nullptr) {
  return late_call(object, id, DISPATCH_METHOD, std::move(args), result);
}

// The one-letter type of a cell's value.
const char* type_letter(VARTYPE vt) {
  switch (vt) {
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_CY:
      return "N";
    case VT_DATE:
      return "D";
    case VT_BSTR:
      return "C";
    default:
      return "U";
  }
}

}  // namespace

CQnExcel::CQnExcel(IUnknown* outer) : CoObject(outer, IID_IQnExcel, false) {
  VariantInit(&last_value_);
  VariantInit(&macro_return_);
}

CQnExcel::~CQnExcel() {
  display_messages_ = 0;
  VariantClear(&last_value_);
  VariantClear(&macro_return_);
  SHORT code = 0;
  for (int h = 0, n = books_.issued(); h < n; ++h) Close(static_cast<SHORT>(h), &code);
  if (connected_) quit();
  app_.reset();
}

// ---- connection and handles

void CQnExcel::excel_error(short code, const std::string& detail) {
  set_error(code, message_text(kMessages, std::size(kMessages), code, detail));
}

HRESULT CQnExcel::outcome(SHORT* nError) {
  if (nError) *nError = error_;
  return S_OK;
}

void CQnExcel::connect() {
  Ref<IDispatch> app;
  if (FAILED(create_automation_object("Excel.Application", app.put()))) {
    show_message("Couldn't CreateDispatch on Excel");
    return;
  }
  app_ = std::move(app);
  books_.reset();
  connected_ = true;
  put(app_.get(), kAppDefaultFilePath, text_variant(default_path_));
}

void CQnExcel::quit() { method(app_.get(), kAppQuit); }

bool CQnExcel::check_app() {
  if (!connected_) return false;
  if (!late_answers(app_.get(), kAppAnswers)) {
    connected_ = false;
    books_.release_all();
    app_.reset();
    return false;
  }
  for (int h : books_.open_handles()) {
    if (!late_answers(books_.document(h), kBookSaved)) remove_handle(h);
  }
  if (books_.open_count() == 0) {
    // Removing the last workbook quit the application already.
    if (connected_) quit();
    app_.reset();
    connected_ = false;
    return false;
  }
  update_visible();
  return true;
}

HRESULT CQnExcel::update_visible() {
  return put(app_.get(), kVisible, flag_variant(books_.any_visible()));
}

void CQnExcel::remove_handle(int h) {
  books_.remove(h);
  if (connected_) update_visible();
  if (books_.open_count() == 0) {
    if (connected_) {
      quit();
      connected_ = false;
    }
    app_.reset();
  }
}

bool CQnExcel::check_handle(int h) {
  if (!check_app()) {
    excel_error(3);
    return false;
  }
  if (!books_.valid(h)) {
    excel_error(1, std::to_string(h));
    return false;
  }
  if (!late_answers(books_.document(h), kBookSaved)) {
    excel_error(2, std::to_string(h));
    return false;
  }
  return true;
}

HRESULT CQnExcel::set_windows_visible(int h, bool visible) {
  Ref<IDispatch> windows;
  LONG count = 0;
  HRESULT r = get_object(books_.document(h), kBookWindows, &windows);
  if (SUCCEEDED(r)) r = late_get_long(windows.get(), kCount, &count);
  for (LONG i = count; SUCCEEDED(r) && i >= 1; --i) {
    Ref<IDispatch> window;
    r = get_object(windows.get(), kItem, &window, {i2_variant(static_cast<SHORT>(i))});
    if (SUCCEEDED(r)) r = put(window.get(), kVisible, flag_variant(visible));
  }
  return r;
}

bool CQnExcel::open_or_create(BSTR name, Ref<IDispatch>* book) {
  if (!connected_ || !check_app()) connect();
  if (!connected_) return false;
  std::string completed = text_1252_of(name);
  Ref<IDispatch> books;
  if (FAILED(get_object(app_.get(), kAppWorkbooks, &books))) {
    excel_error(10, completed);
    return false;
  }
  if (has_nul(name) || !complete_file_name(&completed, ".xls")) {
    excel_error(9, completed);
    return false;
  }
  if (file_exists(completed)) {
    const HRESULT r = put(app_.get(), kAppDefaultFilePath, text_variant(default_path_));
    if (FAILED(r) ||
        FAILED(late_object(books.get(), kBooksOpen, DISPATCH_METHOD,
                           concat({{text_variant(completed), VariantMissing,
                                    flag_variant(read_only_ != 0), i2_variant(kTextWithDelimiter)},
                                   missing_args(4),
                                   {text_variant(delimiter_)},
                                   missing_args(4)}),
                           book->put()))) {
      excel_error(10, completed);
      return false;
    }
    return true;
  }
  const VARIANT from = template_.empty() ? VariantMissing : text_variant(template_);
  if (FAILED(late_object(books.get(), kAdd, DISPATCH_METHOD, {from}, book->put()))) {
    excel_error(4, template_);
    if (FAILED(late_object(books.get(), kAdd, DISPATCH_METHOD, {VariantMissing}, book->put()))) {
      excel_error(10, completed);
      return false;
    }
  }
  HRESULT r = put(app_.get(), kAppDefaultFilePath, text_variant(default_path_));
  if (SUCCEEDED(r)) {
    r = method(book->get(), kBookSaveAs,
               concat({{text_variant(completed)},
                       missing_args(5),
                       {i4_variant(kExclusiveAccess)},
                       missing_args(4)}));
  }
  if (FAILED(r)) {
    excel_error(9, completed);
    method(book->get(), kBookClose, {VariantFalse, VariantMissing, VariantMissing});
    book->reset();
    return false;
  }
  return true;
}

bool CQnExcel::cell(int h, LONG row, LONG col, Ref<IDispatch>* out) {
  Ref<IDispatch> sheet, cells;
  if (FAILED(get_object(books_.document(h), kBookActiveSheet, &sheet)) ||
      FAILED(get_object(sheet.get(), kSheetCells, &cells)) ||
      FAILED(get_object(cells.get(), kItem, out, {i4_variant(row), i4_variant(col)}))) {
    excel_error(8);
    return false;
  }
  return true;
}

HRESULT CQnExcel::fit_columns(int h) {
  Ref<IDispatch> sheet, columns;
  HRESULT r = get_object(books_.document(h), kBookActiveSheet, &sheet);
  if (SUCCEEDED(r)) r = get_object(sheet.get(), kSheetColumns, &columns);
  if (SUCCEEDED(r)) r = method(columns.get(), kColumnsAutoFit);
  return r;
}

// ---- members

HRESULT CQnExcel::Open(BSTR xlName, SHORT* xlHandle, SHORT* nError) {
  if (xlHandle) *xlHandle = -1;
  if (books_.issued() >= HandleTable::kMaxHandles && connected_ && check_app()) {
    // Every handle of this connection is issued: no workbook can be named.
    excel_error(10, text_1252_of(xlName));
    return outcome(nError);
  }
  Ref<IDispatch> book;
  if (open_or_create(xlName, &book)) {
    const int h = books_.add(std::move(book));
    if (xlHandle) *xlHandle = static_cast<SHORT>(h);
    SHORT code = 0;
    Hide(static_cast<SHORT>(h), &code);
  }
  return outcome(nError);
}

HRESULT CQnExcel::OpenVFP(BSTR xlName, LONG* xlHandle, SHORT* nError) {
  SHORT h = -1;
  Open(xlName, &h, nError);
  if (xlHandle) *xlHandle = h;
  return S_OK;
}

HRESULT CQnExcel::Show(SHORT xlHandle, SHORT* nError) {
  if (!check_handle(xlHandle)) return outcome(nError);
  if (FAILED(put(app_.get(), kAppWindowState, i4_variant(kMinimized)))) {
    excel_error(3);
    return outcome(nError);
  }
  books_.set_visible(xlHandle, true);
  if (FAILED(update_visible())) {
    excel_error(3);
  } else if (FAILED(set_windows_visible(xlHandle, true))) {
    excel_error(2, std::to_string(xlHandle));
  } else if (FAILED(put(app_.get(), kAppWindowState, i4_variant(kMaximized)))) {
    excel_error(3);
  } else {
    excel_error(0);
  }
  return outcome(nError);
}

HRESULT CQnExcel::Hide(SHORT xlHandle, SHORT* nError) {
  if (!check_handle(xlHandle)) return outcome(nError);
  if (FAILED(set_windows_visible(xlHandle, false))) {
    excel_error(2, std::to_string(xlHandle));
    return outcome(nError);
  }
  books_.set_visible(xlHandle, false);
  excel_error(FAILED(update_visible()) ? 3 : 0);
  return outcome(nError);
}

HRESULT CQnExcel::Close(SHORT xlHandle, SHORT* nError) {
  if (!check_handle(xlHandle)) return outcome(nError);
  IDispatch* book = books_.document(xlHandle);
  LONG format = 0;
  if (FAILED(late_get_long(book, kBookFileFormat, &format))) {
    excel_error(2, std::to_string(xlHandle));
    return outcome(nError);
  }
  VARIANT save_changes = VariantFalse;
  if (format != kNormalFormat) {
    // Saved as a workbook first; when that fails the workbook stays open,
    // so its changes are not lost.
    SHORT code = 0;
    Save(xlHandle, &code);
    if (code != 0) return outcome(nError);
  } else {
    LONG read_only = 0;
    if (FAILED(late_get_long(book, kBookReadOnly, &read_only))) {
      excel_error(2, std::to_string(xlHandle));
      return outcome(nError);
    }
    save_changes = flag_variant(read_only == 0);
    set_windows_visible(xlHandle, true);
  }
  const HRESULT r = method(book, kBookClose, {save_changes, VariantMissing, VariantMissing});
  remove_handle(xlHandle);
  excel_error(FAILED(r) ? 2 : 0, std::to_string(xlHandle));
  return outcome(nError);
}

HRESULT CQnExcel::Save(SHORT xlHandle, SHORT* nError) {
  if (!check_handle(xlHandle)) return outcome(nError);
  IDispatch* book = books_.document(xlHandle);
  LONG format = 0;
  std::string name;
  HRESULT r = late_get_long(book, kBookFileFormat, &format);
  if (SUCCEEDED(r) && format == kNormalFormat) {
    r = method(book, kBookSave);
    if (FAILED(r)) late_get_text(book, kName, &name);
  } else if (SUCCEEDED(r)) {
    r = late_get_text(book, kName, &name);
    if (SUCCEEDED(r)) {
      const size_t dot = name.rfind('.');
      const size_t slash = name.find_last_of("\\/");
      if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        name.erase(dot);
      }
      name += ".xls";
      r = method(book, kBookSaveAs,
                 concat({{text_variant(name), i2_variant(static_cast<SHORT>(kNormalFormat))},
                         missing_args(3),
                         {VariantTrue, i4_variant(kExclusiveAccess)},
                         missing_args(4)}));
    }
  }
  excel_error(FAILED(r) ? 9 : 0, name);
  return outcome(nError);
}

HRESULT CQnExcel::Clear(SHORT xlHandle, SHORT* nError) {
  if (!check_handle(xlHandle)) return outcome(nError);
  Ref<IDispatch> sheet, cells;
  HRESULT r = get_object(books_.document(xlHandle), kBookActiveSheet, &sheet);
  if (SUCCEEDED(r)) r = get_object(sheet.get(), kSheetCells, &cells);
  if (SUCCEEDED(r)) r = method(cells.get(), kCellsClear);
  excel_error(FAILED(r) ? 2 : 0, std::to_string(xlHandle));
  return outcome(nError);
}

HRESULT CQnExcel::Get(SHORT xlHandle, LONG xlRow, LONG xlCol, VARIANT* xlValue, SHORT* nError) {
  Ref<IDispatch> c;
  if (!check_handle(xlHandle) || !cell(xlHandle, xlRow, xlCol, &c)) return outcome(nError);
  VARIANT value;
  VariantInit(&value);
  if (FAILED(late_call(c.get(), kValue, DISPATCH_PROPERTYGET, {}, &value))) {
    excel_error(7);
    return outcome(nError);
  }
  if (xlValue) VariantCopy(xlValue, &value);
  VariantClear(&last_value_);
  last_value_ = value;  // taken over
  excel_error(0);
  return outcome(nError);
}

HRESULT CQnExcel::Put(SHORT xlHandle, LONG xlRow, LONG xlCol, VARIANT xlValue, SHORT* nError) {
  Ref<IDispatch> c;
  if (!check_handle(xlHandle) || !cell(xlHandle, xlRow, xlCol, &c)) return outcome(nError);
  VARIANT value;
  VariantInit(&value);
  // The caller keeps its value; Excel is handed a copy.
  const bool copied = SUCCEEDED(VariantCopy(&value, &xlValue));
  const bool refused = !copied || FAILED(put(c.get(), kValue, value));
  short code = refused ? 7 : 0;
  if (auto_fit_ != 0 && FAILED(fit_columns(xlHandle)) && code == 0) code = 2;
  excel_error(code, std::to_string(xlHandle));
  return outcome(nError);
}

HRESULT CQnExcel::Type(SHORT xlHandle, LONG xlRow, LONG xlCol, BSTR* xlType, SHORT* nError) {
  Ref<IDispatch> c;
  if (!check_handle(xlHandle) || !cell(xlHandle, xlRow, xlCol, &c)) return outcome(nError);
  VARIANT value;
  VariantInit(&value);
  if (FAILED(late_call(c.get(), kValue, DISPATCH_PROPERTYGET, {}, &value))) {
    excel_error(7);
    return outcome(nError);
  }
  if (xlType) *xlType = AnsiToBstr(type_letter(value.vt), -1);
  VariantClear(&value);
  excel_error(0);
  return outcome(nError);
}

HRESULT CQnExcel::PrintOut(SHORT xlHandle, SHORT xlPreview, SHORT* nError) {
  if (!check_handle(xlHandle)) return outcome(nError);
  const bool hidden = !books_.visible(xlHandle);
  SHORT code = 0;
  if (hidden) Show(xlHandle, &code);
  const HRESULT r = method(books_.document(xlHandle), kBookPrintOut,
                           concat({missing_args(3), {i2_variant(xlPreview)}, missing_args(3)}));
  if (hidden) Hide(xlHandle, &code);
  excel_error(FAILED(r) ? 2 : 0, std::to_string(xlHandle));
  return outcome(nError);
}

HRESULT CQnExcel::SelectSheet(SHORT xlHandle, BSTR xlSheet, SHORT* nError) {
  if (!check_handle(xlHandle)) return outcome(nError);
  const std::string name = text_1252_of(xlSheet);
  if (has_nul(xlSheet)) {
    excel_error(5, name);
    return outcome(nError);
  }
  Ref<IDispatch> sheets, sheet;
  if (FAILED(get_object(books_.document(xlHandle), kBookSheets, &sheets))) {
    excel_error(5, name);
    return outcome(nError);
  }
  if (SUCCEEDED(get_object(sheets.get(), kItem, &sheet, {bstr_variant(xlSheet)})) &&
      SUCCEEDED(method(sheet.get(), kActivate))) {
    return outcome(nError);
  }
  if (FAILED(late_object(sheets.get(), kAdd, DISPATCH_METHOD, missing_args(4), sheet.put()))) {
    excel_error(5, name);
    return outcome(nError);
  }
  if (FAILED(put(sheet.get(), kName, text_variant(name)))) {
    excel_error(5, name);
    put(app_.get(), kAppDisplayAlerts, VariantFalse);
    method(sheet.get(), kSheetDelete);
    put(app_.get(), kAppDisplayAlerts, VariantTrue);
  }
  return outcome(nError);
}

HRESULT CQnExcel::RenameSheet(SHORT xlHandle, BSTR xlSheetName, SHORT* nError) {
  if (!check_handle(xlHandle)) return outcome(nError);
  const std::string name = text_1252_of(xlSheetName);
  Ref<IDispatch> sheet;
  if (has_nul(xlSheetName) ||
      FAILED(get_object(books_.document(xlHandle), kBookActiveSheet, &sheet)) ||
      FAILED(put(sheet.get(), kName, text_variant(name)))) {
    excel_error(5, name);
  }
  return outcome(nError);
}

HRESULT CQnExcel::GetFormat(SHORT xlHandle, LONG xlRow, LONG xlCol, LONG* xlColor, BSTR* xlFont,
                            LONG* xlSize, SHORT* nError) {
  Ref<IDispatch> c, font;
  if (!check_handle(xlHandle) || !cell(xlHandle, xlRow, xlCol, &c)) return outcome(nError);
  if (FAILED(get_object(c.get(), kFont, &font))) {
    excel_error(6);
    return outcome(nError);
  }
  bool failed = false;
  std::string name;
  if (SUCCEEDED(late_get_text(font.get(), kName, &name))) {
    if (xlFont) *xlFont = bstr_from_1252(name);
  } else {
    failed = true;
  }
  LONG n = 0;
  if (SUCCEEDED(late_get_long(font.get(), kFontColorIndex, &n))) {
    if (xlColor) *xlColor = n;
  } else {
    failed = true;
  }
  if (SUCCEEDED(late_get_long(font.get(), kFontSize, &n))) {
    if (xlSize) *xlSize = n;
  } else {
    failed = true;
  }
  excel_error(failed ? 6 : 0);
  return outcome(nError);
}

HRESULT CQnExcel::PutFormat(SHORT xlHandle, LONG xlRow, LONG xlCol, LONG xlHeight, LONG xlWidth,
                            LONG xlColor, BSTR xlFont, DOUBLE xlSize, SHORT* nError) {
  if (!check_handle(xlHandle)) return outcome(nError);
  // The far corner; coordinates beyond 32 bits are no cell at all.
  const long long last_row = static_cast<long long>(xlRow) + xlHeight - 1;
  const long long last_col = static_cast<long long>(xlCol) + xlWidth - 1;
  Ref<IDispatch> first, last, sheet, range, font;
  if (last_row != static_cast<LONG>(last_row) || last_col != static_cast<LONG>(last_col) ||
      !cell(xlHandle, xlRow, xlCol, &first) ||
      !cell(xlHandle, static_cast<LONG>(last_row), static_cast<LONG>(last_col), &last) ||
      FAILED(get_object(books_.document(xlHandle), kBookActiveSheet, &sheet)) ||
      FAILED(get_object(sheet.get(), kSheetRange, &range,
                        {dispatch_variant(first.get()), dispatch_variant(last.get())}))) {
    excel_error(8);
    return outcome(nError);
  }
  if (FAILED(get_object(range.get(), kFont, &font))) {
    excel_error(6);
    return outcome(nError);
  }
  HRESULT r = S_OK;
  if (SysStringLen(xlFont) > 0) r = put(font.get(), kName, bstr_variant(xlFont));
  if (SUCCEEDED(r) && xlSize != -1.0) {
    VARIANT size;
    VariantInit(&size);
    size.vt = VT_R8;
    size.dblVal = xlSize;
    r = put(font.get(), kFontSize, size);
  }
  if (SUCCEEDED(r) && xlColor != -1) {
    if (xlColor >= 0) {
      r = put(font.get(), kFontColorIndex, i4_variant(xlColor));
    } else if (xlColor == INT32_MIN) {
      r = DISP_E_OVERFLOW;  // no RGB value is that large
    } else {
      r = put(font.get(), kFontColor, i4_variant(-xlColor));
    }
  }
  short code = FAILED(r) ? 6 : 0;
  if (auto_fit_ != 0 && FAILED(fit_columns(xlHandle)) && code == 0) code = 2;
  excel_error(code, std::to_string(xlHandle));
  return outcome(nError);
}

HRESULT CQnExcel::RunMacro(SHORT xlHandle, BSTR Macro, VARIANT Arg1, VARIANT Arg2, VARIANT Arg3,
                           VARIANT Arg4, VARIANT Arg5, VARIANT Arg6, VARIANT Arg7, VARIANT Arg8,
                           VARIANT Arg9, VARIANT Arg10, VARIANT Arg11, VARIANT Arg12, VARIANT Arg13,
                           VARIANT Arg14, VARIANT Arg15, VARIANT Arg16, VARIANT Arg17,
                           VARIANT Arg18, VARIANT Arg19, VARIANT Arg20, VARIANT Arg21,
                           VARIANT Arg22, VARIANT Arg23, VARIANT Arg24, VARIANT Arg25,
                           VARIANT Arg26, VARIANT Arg27, VARIANT Arg28, VARIANT Arg29,
                           VARIANT Arg30, SHORT* nError) {
  if (!check_handle(xlHandle)) return outcome(nError);
  const std::string macro = text_1252_of(Macro);
  if (has_nul(Macro)) {
    excel_error(11, macro);
    return outcome(nError);
  }
  std::vector<VARIANT> args = macro_arguments(
      bstr_variant(Macro),
      {&Arg1,  &Arg2,  &Arg3,  &Arg4,  &Arg5,  &Arg6,  &Arg7,  &Arg8,  &Arg9,  &Arg10,
       &Arg11, &Arg12, &Arg13, &Arg14, &Arg15, &Arg16, &Arg17, &Arg18, &Arg19, &Arg20,
       &Arg21, &Arg22, &Arg23, &Arg24, &Arg25, &Arg26, &Arg27, &Arg28, &Arg29, &Arg30});
  const bool was_visible = books_.visible(xlHandle);
  set_windows_visible(xlHandle, true);
  method(books_.document(xlHandle), kActivate);
  VariantClear(&macro_return_);
  if (FAILED(late_call(app_.get(), kAppRun, DISPATCH_METHOD, std::move(args), &macro_return_))) {
    excel_error(11, macro);
    return outcome(nError);
  }
  set_windows_visible(xlHandle, was_visible);
  excel_error(0);
  return outcome(nError);
}

HRESULT CQnExcel::get_GetWorkbook(SHORT xlHandle, IDispatch** value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  if (check_handle(xlHandle)) {
    *value = books_.document(xlHandle);
    (*value)->AddRef();
  }
  return S_OK;
}

// ---- properties

HRESULT CQnExcel::get_LastValue(VARIANT* value) {
  if (!value) return E_POINTER;
  VariantInit(value);
  return VariantCopy(value, &last_value_);
}

HRESULT CQnExcel::get_MacroReturnValue(VARIANT* value) {
  if (!value) return E_POINTER;
  VariantInit(value);
  return VariantCopy(value, &macro_return_);
}

HRESULT CQnExcel::put_DefaultPath(BSTR value) {
  default_path_ = platform::lower_1252(text_1252_of(value));
  if (default_path_.empty() || default_path_.back() != '\\') default_path_ += '\\';
  return S_OK;
}

HRESULT CQnExcel::put_Template(BSTR value) {
  template_ = text_1252_of(value);
  if (!template_.empty() && !complete_file_name(&template_, ".xlt")) excel_error(9);
  return S_OK;
}

HRESULT CQnExcel::put_ReadOnly(SHORT value) {
  read_only_ = value;
  return S_OK;
}

HRESULT CQnExcel::put_AutoFit(SHORT value) {
  auto_fit_ = value;
  return S_OK;
}

HRESULT CQnExcel::put_Delimiter(BSTR value) {
  delimiter_ = text_1252_of(value);
  return S_OK;
}

}  // namespace qn::office

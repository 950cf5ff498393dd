// CQnExcel: Excel workbooks through the automation server "Excel.Application",
// called late-bound. One application serves every workbook of the object: it
// is started by the first Open, quit when the last workbook closes, and
// started again (handles restarting at 0) when it has gone away. A program
// names a workbook by the 16-bit handle Open gives it.
//
// Outcomes follow the module's result convention: codes 1 to 11 (texts in
// qn_excel.cpp), shown while DisplayMessages is on.
#pragma once

#include <string>

#include "office/co_object.h"
#include "office/excel/handles.h"

namespace qn::office {

class CQnExcel final : public CoObject<IQnExcel> {
 public:
  explicit CQnExcel(com::IUnknown* outer);
  ~CQnExcel() override;

  HRESULT Open(BSTR xlName, SHORT* xlHandle, SHORT* nError) override;
  HRESULT Show(SHORT xlHandle, SHORT* nError) override;
  HRESULT Close(SHORT xlHandle, SHORT* nError) override;
  HRESULT Save(SHORT xlHandle, SHORT* nError) override;
  HRESULT Hide(SHORT xlHandle, SHORT* nError) override;
  HRESULT Clear(SHORT xlHandle, SHORT* nError) override;
  HRESULT Get(SHORT xlHandle, LONG xlRow, LONG xlCol, VARIANT* xlValue, SHORT* nError) override;
  HRESULT Put(SHORT xlHandle, LONG xlRow, LONG xlCol, VARIANT xlValue, SHORT* nError) override;
  HRESULT Type(SHORT xlHandle, LONG xlRow, LONG xlCol, BSTR* xlType, SHORT* nError) override;
  HRESULT get_Error(SHORT* value) override { return error_get(value); }
  HRESULT put_DisplayMessages(SHORT value) override { return display_messages_put(value); }
  HRESULT put_DefaultPath(BSTR value) override;
  HRESULT PrintOut(SHORT xlHandle, SHORT xlPreview, SHORT* nError) override;
  HRESULT put_Template(BSTR value) override;
  HRESULT put_ReadOnly(SHORT value) override;
  HRESULT SelectSheet(SHORT xlHandle, BSTR xlSheet, SHORT* nError) override;
  HRESULT RenameSheet(SHORT xlHandle, BSTR xlSheetName, SHORT* nError) override;
  HRESULT get_LastValue(VARIANT* value) override;
  HRESULT OpenVFP(BSTR xlName, LONG* xlHandle, SHORT* nError) override;
  HRESULT GetFormat(SHORT xlHandle, LONG xlRow, LONG xlCol, LONG* xlColor, BSTR* xlFont,
                    LONG* xlSize, SHORT* nError) override;
  HRESULT PutFormat(SHORT xlHandle, LONG xlRow, LONG xlCol, LONG xlHeight, LONG xlWidth,
                    LONG xlColor, BSTR xlFont, DOUBLE xlSize, SHORT* nError) override;
  HRESULT put_AutoFit(SHORT value) override;
  HRESULT RunMacro(SHORT xlHandle, BSTR Macro, VARIANT Arg1, VARIANT Arg2, VARIANT Arg3,
                   VARIANT Arg4, VARIANT Arg5, VARIANT Arg6, VARIANT Arg7, VARIANT Arg8,
                   VARIANT Arg9, VARIANT Arg10, VARIANT Arg11, VARIANT Arg12, VARIANT Arg13,
                   VARIANT Arg14, VARIANT Arg15, VARIANT Arg16, VARIANT Arg17, VARIANT Arg18,
                   VARIANT Arg19, VARIANT Arg20, VARIANT Arg21, VARIANT Arg22, VARIANT Arg23,
                   VARIANT Arg24, VARIANT Arg25, VARIANT Arg26, VARIANT Arg27, VARIANT Arg28,
                   VARIANT Arg29, VARIANT Arg30, SHORT* nError) override;
  HRESULT get_MacroReturnValue(VARIANT* value) override;
  HRESULT get_GetWorkbook(SHORT xlHandle, IDispatch** value) override;
  HRESULT put_Delimiter(BSTR value) override;

 private:
  void connect();
  bool check_app();
  com::HRESULT update_visible();
  void remove_handle(int h);
  bool check_handle(int h);
  com::HRESULT set_windows_visible(int h, bool visible);
  bool open_or_create(BSTR name, com::Ref<com::IDispatch>* book);
  // The cell (row, col) of the active sheet; code 8 when it cannot be taken.
  bool cell(int h, LONG row, LONG col, com::Ref<com::IDispatch>* out);
  com::HRESULT fit_columns(int h);
  void quit();
  // Stores the code and shows its message (the code's text and detail).
  void excel_error(short code, const std::string& detail = {});
  // The stored code, also written to *nError.
  HRESULT outcome(SHORT* nError);

  com::Ref<com::IDispatch> app_;
  HandleTable books_;
  bool connected_ = false;
  std::string default_path_;
  std::string template_;
  std::string delimiter_ = ",";
  short read_only_ = 0;
  short auto_fit_ = 1;
  VARIANT last_value_;
  VARIANT macro_return_;
};

}  // namespace qn::office

// CQnExcel: Excel workbooks. Error and DisplayMessages follow the module's result
// convention; the other members answer E_NOTIMPL until the workbook issue builds them.
#pragma once

#include "office/co_object.h"

namespace qn::office {

class CQnExcel final : public CoObject<IQnExcel> {
 public:
  explicit CQnExcel(com::IUnknown* outer) : CoObject(outer, IID_IQnExcel, false) {}

  HRESULT Open(BSTR, SHORT*, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Show(SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Close(SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Save(SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Hide(SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Clear(SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Get(SHORT, LONG, LONG, VARIANT*, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Put(SHORT, LONG, LONG, VARIANT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Type(SHORT, LONG, LONG, BSTR*, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT get_Error(SHORT* value) override { return error_get(value); }
  HRESULT put_DisplayMessages(SHORT value) override { return display_messages_put(value); }
  HRESULT put_DefaultPath(BSTR) override { return com::E_NOTIMPL; }
  HRESULT PrintOut(SHORT, SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT put_Template(BSTR) override { return com::E_NOTIMPL; }
  HRESULT put_ReadOnly(SHORT) override { return com::E_NOTIMPL; }
  HRESULT SelectSheet(SHORT, BSTR, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT RenameSheet(SHORT, BSTR, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT get_LastValue(VARIANT*) override { return com::E_NOTIMPL; }
  HRESULT OpenVFP(BSTR, LONG*, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT GetFormat(SHORT, LONG, LONG, LONG*, BSTR*, LONG*, SHORT*) override {
    return com::E_NOTIMPL;
  }
  HRESULT PutFormat(SHORT, LONG, LONG, LONG, LONG, LONG, BSTR, DOUBLE, SHORT*) override {
    return com::E_NOTIMPL;
  }
  HRESULT put_AutoFit(SHORT) override { return com::E_NOTIMPL; }
  HRESULT RunMacro(SHORT, BSTR, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT,
                   VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT,
                   VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT,
                   VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, SHORT*) override {
    return com::E_NOTIMPL;
  }
  HRESULT get_MacroReturnValue(VARIANT*) override { return com::E_NOTIMPL; }
  HRESULT get_GetWorkbook(SHORT, IDispatch**) override { return com::E_NOTIMPL; }
  HRESULT put_Delimiter(BSTR) override { return com::E_NOTIMPL; }
};

}  // namespace qn::office

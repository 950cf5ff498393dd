// CQnWord: Word documents. Error and DisplayMessages follow the module's result
// convention; the other members answer E_NOTIMPL until the document issue builds them.
#pragma once

#include "office/co_object.h"

namespace qn::office {

class CQnWord final : public CoObject<IQnWord> {
 public:
  explicit CQnWord(com::IUnknown* outer) : CoObject(outer, IID_IQnWord, true) {}

  HRESULT Open(BSTR, SHORT*, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Hide(SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Show(SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Close(SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT get_Error(SHORT* value) override { return error_get(value); }
  HRESULT put_DisplayMessages(SHORT value) override { return display_messages_put(value); }
  HRESULT PrintOut(SHORT, SHORT, SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT put_Template(BSTR) override { return com::E_NOTIMPL; }
  HRESULT put_ReadOnly(SHORT) override { return com::E_NOTIMPL; }
  HRESULT Put(SHORT, BSTR, SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Get(SHORT, BSTR*, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT SpellCheck(SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Save(SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Replace(SHORT, BSTR, BSTR, SHORT, SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT OpenVFP(BSTR, LONG*, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT SaveAs(SHORT, BSTR, BSTR, SHORT, SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT RunMacro(SHORT, BSTR, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT,
                   VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT,
                   VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT,
                   VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, SHORT*) override {
    return com::E_NOTIMPL;
  }
  HRESULT get_MacroReturnValue(VARIANT*) override { return com::E_NOTIMPL; }
  HRESULT get_GetDocument(SHORT, IDispatch**) override { return com::E_NOTIMPL; }
};

}  // namespace qn::office

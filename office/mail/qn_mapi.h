// CQnMAPI: the MAPI mail back-end. Error and DisplayMessages follow the module's result
// convention; the other members answer E_NOTIMPL until the MAPI issue builds them.
#pragma once

#include "office/co_object.h"

namespace qn::office {

class CQnMAPI final : public CoObject<IQnMAPI> {
 public:
  explicit CQnMAPI(com::IUnknown* outer) : CoObject(outer, IID_IQnMAPI, true) {}

  HRESULT LoginMAPI(BSTR, SHORT, SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Logout(SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Send(BSTR, BSTR, BSTR, BSTR, BSTR, BSTR, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Receive(BSTR*, BSTR*, BSTR*, BSTR*, BSTR*, BSTR*, DATE*, DATE*, SHORT*) override {
    return com::E_NOTIMPL;
  }
  HRESULT put_AddressFormat(SHORT) override { return com::E_NOTIMPL; }
  HRESULT put_AttachDir(BSTR) override { return com::E_NOTIMPL; }
  HRESULT put_EditWindow(SHORT) override { return com::E_NOTIMPL; }
  HRESULT put_DisplayMessages(SHORT value) override { return display_messages_put(value); }
  HRESULT get_Error(SHORT* value) override { return error_get(value); }
  HRESULT get_Count(LONG*) override { return com::E_NOTIMPL; }
  HRESULT ChangeFolder(BSTR, SHORT, SHORT, SHORT*) override { return com::E_NOTIMPL; }
};

}  // namespace qn::office

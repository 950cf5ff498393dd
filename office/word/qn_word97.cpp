#include "office/word/qn_word97.h"

namespace qn::office {

using namespace com;

CQnWord97::CQnWord97(IUnknown* outer) : CoObject(outer, IID_IQnWord97, true) {}

CQnWord97::~CQnWord97() { docs_.close_all(); }

HRESULT CQnWord97::outcome(SHORT* nError) {
  if (nError) *nError = docs_.code();
  return S_OK;
}

HRESULT CQnWord97::Open(BSTR wName, SHORT* wHandle, SHORT* nError) {
  docs_.open(wName, wHandle);
  return outcome(nError);
}

HRESULT CQnWord97::OpenVFP(BSTR wName, LONG* wHandle, SHORT* nError) {
  SHORT h = -1;
  docs_.open(wName, &h);
  if (wHandle) *wHandle = h;
  return outcome(nError);
}

HRESULT CQnWord97::Show(SHORT wHandle, SHORT* nError) {
  docs_.show(wHandle);
  return outcome(nError);
}

HRESULT CQnWord97::Close(SHORT wHandle, SHORT* nError) {
  docs_.close(wHandle);
  return outcome(nError);
}

HRESULT CQnWord97::Hide(SHORT wHandle, SHORT* nError) {
  docs_.hide(wHandle);
  return outcome(nError);
}

HRESULT CQnWord97::Get(SHORT wHandle, BSTR* wText, SHORT* nError) {
  docs_.get(wHandle, wText);
  return outcome(nError);
}

HRESULT CQnWord97::PrintOut(SHORT wHandle, SHORT wPreview, SHORT wBackground, SHORT* nError) {
  docs_.print_out(wHandle, wPreview, wBackground);
  return outcome(nError);
}

HRESULT CQnWord97::Put(SHORT wHandle, BSTR wText, SHORT wAppend, SHORT* nError) {
  docs_.put(wHandle, wText, wAppend);
  return outcome(nError);
}

HRESULT CQnWord97::Replace(SHORT wHandle, BSTR oldVal, BSTR newVal, SHORT MatchCase,
                           SHORT MatchWholeWord, SHORT* nError) {
  docs_.replace(wHandle, oldVal, newVal, MatchCase, MatchWholeWord);
  return outcome(nError);
}

HRESULT CQnWord97::Save(SHORT wHandle, SHORT* nError) {
  docs_.save(wHandle);
  return outcome(nError);
}

HRESULT CQnWord97::SaveAs(SHORT wHandle, BSTR Name, BSTR Type, SHORT DOSText, SHORT LineBreaks,
                          SHORT* nError) {
  docs_.save_as(wHandle, Name, Type, DOSText, LineBreaks);
  return outcome(nError);
}

HRESULT CQnWord97::SpellCheck(SHORT wHandle, SHORT* nError) {
  docs_.spell_check(wHandle);
  return outcome(nError);
}

HRESULT CQnWord97::get_Error(SHORT* value) { return outcome(value); }

HRESULT CQnWord97::put_DisplayMessages(SHORT value) {
  docs_.set_display(value);
  return S_OK;
}

HRESULT CQnWord97::put_ReadOnly(SHORT value) {
  docs_.set_read_only(value);
  return S_OK;
}

HRESULT CQnWord97::put_Template(BSTR value) {
  docs_.set_template(value);
  return S_OK;
}

}  // namespace qn::office

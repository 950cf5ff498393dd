#include "office/word/qn_word.h"

#include "office/word/qn_word97.h"

namespace qn::office {

using namespace com;

CQnWord::CQnWord(IUnknown* outer) : CoObject(outer, IID_IQnWord, true) {
  VariantInit(&macro_return_);
}

CQnWord::~CQnWord() {
  if (companion_mode_) {
    companion_.reset();  // the companion closes its own documents
  } else {
    docs_.close_all();
  }
  VariantClear(&macro_return_);
}

HRESULT CQnWord::outcome(SHORT* nError) {
  if (nError) *nError = docs_.code();
  return S_OK;
}

void CQnWord::connect() {
  if (!docs_.create_app()) return;
  if (!docs_.has_current_model()) {
    if (FAILED(CQnWord97::create<CQnWord97>(nullptr, IID_IQnWord97,
                                            reinterpret_cast<void**>(companion_.put())))) {
      show_message("Couldn't CreateDispatch on QnWord97.");
    } else {
      companion_mode_ = true;
      docs_.drop_app();
      BSTR name = bstr_from_1252(docs_.template_name());
      companion_->put_Template(name);
      SysFreeString(name);
      companion_->put_ReadOnly(docs_.read_only());
      companion_->put_DisplayMessages(docs_.display());
    }
  }
  docs_.mark_connected();
}

HRESULT CQnWord::Open(BSTR wName, SHORT* wHandle, SHORT* nError) {
  if (wHandle) *wHandle = -1;
  if (docs_.connected() && companion_mode_) return companion_->Open(wName, wHandle, nError);
  if (!docs_.connected() || !docs_.check_app() || !docs_.connected()) connect();
  if (companion_mode_) return companion_->Open(wName, wHandle, nError);
  if (docs_.connected()) docs_.open(wName, wHandle);
  return outcome(nError);
}

HRESULT CQnWord::OpenVFP(BSTR wName, LONG* wHandle, SHORT* nError) {
  SHORT h = -1;
  Open(wName, &h, nError);
  if (wHandle) *wHandle = h;
  return S_OK;
}

HRESULT CQnWord::Show(SHORT wHandle, SHORT* nError) {
  if (companion_mode_) return companion_->Show(wHandle, nError);
  docs_.show(wHandle);
  return outcome(nError);
}

HRESULT CQnWord::Hide(SHORT wHandle, SHORT* nError) {
  if (companion_mode_) return companion_->Hide(wHandle, nError);
  docs_.hide(wHandle);
  return outcome(nError);
}

HRESULT CQnWord::Close(SHORT wHandle, SHORT* nError) {
  if (companion_mode_) return companion_->Close(wHandle, nError);
  docs_.close(wHandle);
  return outcome(nError);
}

HRESULT CQnWord::PrintOut(SHORT wHandle, SHORT wPreview, SHORT wBackground, SHORT* nError) {
  if (companion_mode_) return companion_->PrintOut(wHandle, wPreview, wBackground, nError);
  docs_.print_out(wHandle, wPreview, wBackground);
  return outcome(nError);
}

HRESULT CQnWord::Put(SHORT wHandle, BSTR wText, SHORT wAppend, SHORT* nError) {
  if (companion_mode_) return companion_->Put(wHandle, wText, wAppend, nError);
  docs_.put(wHandle, wText, wAppend);
  return outcome(nError);
}

HRESULT CQnWord::Get(SHORT wHandle, BSTR* wText, SHORT* nError) {
  if (companion_mode_) return companion_->Get(wHandle, wText, nError);
  docs_.get(wHandle, wText);
  return outcome(nError);
}

HRESULT CQnWord::SpellCheck(SHORT wHandle, SHORT* nError) {
  if (companion_mode_) return companion_->SpellCheck(wHandle, nError);
  docs_.spell_check(wHandle);
  return outcome(nError);
}

HRESULT CQnWord::Save(SHORT wHandle, SHORT* nError) {
  if (companion_mode_) return companion_->Save(wHandle, nError);
  docs_.save(wHandle);
  return outcome(nError);
}

HRESULT CQnWord::Replace(SHORT wHandle, BSTR oldVal, BSTR newVal, SHORT MatchCase,
                         SHORT MatchWholeWord, SHORT* nError) {
  if (companion_mode_) {
    return companion_->Replace(wHandle, oldVal, newVal, MatchCase, MatchWholeWord, nError);
  }
  docs_.replace(wHandle, oldVal, newVal, MatchCase, MatchWholeWord);
  return outcome(nError);
}

HRESULT CQnWord::SaveAs(SHORT wHandle, BSTR Name, BSTR Type, SHORT DOSText, SHORT LineBreaks,
                        SHORT* nError) {
  if (companion_mode_) return companion_->SaveAs(wHandle, Name, Type, DOSText, LineBreaks, nError);
  docs_.save_as(wHandle, Name, Type, DOSText, LineBreaks);
  return outcome(nError);
}

HRESULT CQnWord::RunMacro(SHORT wHandle, BSTR Macro, VARIANT Arg1, VARIANT Arg2, VARIANT Arg3,
                          VARIANT Arg4, VARIANT Arg5, VARIANT Arg6, VARIANT Arg7, VARIANT Arg8,
                          VARIANT Arg9, VARIANT Arg10, VARIANT Arg11, VARIANT Arg12, VARIANT Arg13,
                          VARIANT Arg14, VARIANT Arg15, VARIANT Arg16, VARIANT Arg17, VARIANT Arg18,
                          VARIANT Arg19, VARIANT Arg20, VARIANT Arg21, VARIANT Arg22, VARIANT Arg23,
                          VARIANT Arg24, VARIANT Arg25, VARIANT Arg26, VARIANT Arg27, VARIANT Arg28,
                          VARIANT Arg29, VARIANT Arg30, SHORT* nError) {
  if (companion_mode_) {
    // The companion runs no macros: the call reports the macro as failed.
    if (nError) *nError = 9;
    if (docs_.display() != 0) show_message("Error running macro: " + text_1252_of(Macro));
    return S_OK;
  }
  docs_.run_macro(wHandle, Macro,
                  {&Arg1,  &Arg2,  &Arg3,  &Arg4,  &Arg5,  &Arg6,  &Arg7,  &Arg8,  &Arg9,  &Arg10,
                   &Arg11, &Arg12, &Arg13, &Arg14, &Arg15, &Arg16, &Arg17, &Arg18, &Arg19, &Arg20,
                   &Arg21, &Arg22, &Arg23, &Arg24, &Arg25, &Arg26, &Arg27, &Arg28, &Arg29, &Arg30},
                  &macro_return_);
  return outcome(nError);
}

HRESULT CQnWord::get_MacroReturnValue(VARIANT* value) {
  if (!value) return E_POINTER;
  VariantInit(value);
  return VariantCopy(value, &macro_return_);
}

HRESULT CQnWord::get_GetDocument(SHORT wHandle, IDispatch** value) {
  if (!value) return E_POINTER;
  *value = companion_mode_ ? nullptr : docs_.document(wHandle);
  return S_OK;
}

HRESULT CQnWord::get_Error(SHORT* value) {
  if (companion_mode_) return companion_->get_Error(value);
  return outcome(value);
}

HRESULT CQnWord::put_DisplayMessages(SHORT value) {
  docs_.set_display(value);
  if (companion_mode_) return companion_->put_DisplayMessages(value);
  return S_OK;
}

HRESULT CQnWord::put_ReadOnly(SHORT value) {
  if (companion_mode_) return companion_->put_ReadOnly(value);
  docs_.set_read_only(value);
  return S_OK;
}

HRESULT CQnWord::put_Template(BSTR value) {
  if (companion_mode_) return companion_->put_Template(value);
  docs_.set_template(value);
  return S_OK;
}

}  // namespace qn::office

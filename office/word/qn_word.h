// CQnWord: Word documents through the automation server "Word.Application"
// and its newer object model. When it connects it probes for that model;
// a Word without it gets the hidden companion QnWord97, made in-process and
// handed the Template, ReadOnly and DisplayMessages settings, to which every
// member the two share is passed from then on (RunMacro then runs nothing
// and GetDocument answers null). Codes 1 to 9 (word_documents.h).
#pragma once

#include "office/co_object.h"
#include "office/word/word_documents.h"

namespace qn::office {

class CQnWord final : public CoObject<IQnWord> {
 public:
  explicit CQnWord(com::IUnknown* outer);
  ~CQnWord() override;

  HRESULT Open(BSTR wName, SHORT* wHandle, SHORT* nError) override;
  HRESULT Hide(SHORT wHandle, SHORT* nError) override;
  HRESULT Show(SHORT wHandle, SHORT* nError) override;
  HRESULT Close(SHORT wHandle, SHORT* nError) override;
  HRESULT get_Error(SHORT* value) override;
  HRESULT put_DisplayMessages(SHORT value) override;
  HRESULT PrintOut(SHORT wHandle, SHORT wPreview, SHORT wBackground, SHORT* nError) override;
  HRESULT put_Template(BSTR value) override;
  HRESULT put_ReadOnly(SHORT value) override;
  HRESULT Put(SHORT wHandle, BSTR wText, SHORT wAppend, SHORT* nError) override;
  HRESULT Get(SHORT wHandle, BSTR* wText, SHORT* nError) override;
  HRESULT SpellCheck(SHORT wHandle, SHORT* nError) override;
  HRESULT Save(SHORT wHandle, SHORT* nError) override;
  HRESULT Replace(SHORT wHandle, BSTR oldVal, BSTR newVal, SHORT MatchCase, SHORT MatchWholeWord,
                  SHORT* nError) override;
  HRESULT OpenVFP(BSTR wName, LONG* wHandle, SHORT* nError) override;
  HRESULT SaveAs(SHORT wHandle, BSTR Name, BSTR Type, SHORT DOSText, SHORT LineBreaks,
                 SHORT* nError) override;
  HRESULT RunMacro(SHORT wHandle, BSTR Macro, VARIANT Arg1, VARIANT Arg2, VARIANT Arg3,
                   VARIANT Arg4, VARIANT Arg5, VARIANT Arg6, VARIANT Arg7, VARIANT Arg8,
                   VARIANT Arg9, VARIANT Arg10, VARIANT Arg11, VARIANT Arg12, VARIANT Arg13,
                   VARIANT Arg14, VARIANT Arg15, VARIANT Arg16, VARIANT Arg17, VARIANT Arg18,
                   VARIANT Arg19, VARIANT Arg20, VARIANT Arg21, VARIANT Arg22, VARIANT Arg23,
                   VARIANT Arg24, VARIANT Arg25, VARIANT Arg26, VARIANT Arg27, VARIANT Arg28,
                   VARIANT Arg29, VARIANT Arg30, SHORT* nError) override;
  HRESULT get_MacroReturnValue(VARIANT* value) override;
  HRESULT get_GetDocument(SHORT wHandle, IDispatch** value) override;

  bool companion_mode() const { return companion_mode_; }

 private:
  // Connects to Word, switching to the companion when the newer model is
  // missing.
  void connect();
  HRESULT outcome(SHORT* nError);

  WordDocuments docs_{WordDocuments::Model::kCurrent};
  bool companion_mode_ = false;
  com::Ref<IQnWord97> companion_;
  VARIANT macro_return_;
};

}  // namespace qn::office

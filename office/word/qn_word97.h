// CQnWord97: Word documents through the Word 97 object model, the hidden
// companion QnWord hands its work to when Word lacks the newer model. It
// connects to "Word.Application" on the first Open, quits Word when the last
// document closes, and connects again (handles restarting at 0) when Word
// has gone away. Codes 1 to 8 (word_documents.h).
#pragma once

#include "office/co_object.h"
#include "office/word/word_documents.h"

namespace qn::office {

class CQnWord97 final : public CoObject<IQnWord97> {
 public:
  explicit CQnWord97(com::IUnknown* outer);
  ~CQnWord97() override;

  HRESULT Open(BSTR wName, SHORT* wHandle, SHORT* nError) override;
  HRESULT Show(SHORT wHandle, SHORT* nError) override;
  HRESULT Close(SHORT wHandle, SHORT* nError) override;
  HRESULT Hide(SHORT wHandle, SHORT* nError) override;
  HRESULT Get(SHORT wHandle, BSTR* wText, SHORT* nError) override;
  HRESULT OpenVFP(BSTR wName, LONG* wHandle, SHORT* nError) override;
  HRESULT PrintOut(SHORT wHandle, SHORT wPreview, SHORT wBackground, SHORT* nError) override;
  HRESULT Put(SHORT wHandle, BSTR wText, SHORT wAppend, SHORT* nError) override;
  HRESULT Replace(SHORT wHandle, BSTR oldVal, BSTR newVal, SHORT MatchCase, SHORT MatchWholeWord,
                  SHORT* nError) override;
  HRESULT Save(SHORT wHandle, SHORT* nError) override;
  HRESULT SaveAs(SHORT wHandle, BSTR Name, BSTR Type, SHORT DOSText, SHORT LineBreaks,
                 SHORT* nError) override;
  HRESULT SpellCheck(SHORT wHandle, SHORT* nError) override;
  HRESULT get_Error(SHORT* value) override;
  HRESULT put_DisplayMessages(SHORT value) override;
  HRESULT put_ReadOnly(SHORT value) override;
  HRESULT put_Template(BSTR value) override;

 private:
  HRESULT outcome(SHORT* nError);

  WordDocuments docs_{WordDocuments::Model::kWord97};
};

}  // namespace qn::office

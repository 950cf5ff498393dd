// Fuzz target of the document classes: sequences of QnExcel or QnWord
// members with arguments drawn from the input (handles, rows and columns of
// any size, VARIANTs of any type, names with blanks and NULs) against the
// scripted automation servers, registered in the file QN_REGISTRY_FILE names.
// Names are drawn from a small alphabet without folder separators, so every
// file the servers save stays in the current directory.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "office/excel/qn_excel.h"
#include "office/word/qn_word.h"
#include "platform/com/apartment.h"
#include "platform/message_box.h"

using namespace qn::com;
using namespace qn::office;

namespace {

BSTR name(FuzzedDataProvider& in) {
  static const char16_t kAlphabet[] = u"ab. \t\0x";
  std::u16string s;
  const size_t n = in.ConsumeIntegralInRange<size_t>(0, 6);
  for (size_t i = 0; i < n; ++i) {
    s += kAlphabet[in.ConsumeIntegralInRange<size_t>(0, std::size(kAlphabet) - 2)];
  }
  return SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
}

SHORT handle(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange<SHORT>(-1, 3) : in.ConsumeIntegral<SHORT>();
}

LONG coordinate(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange<LONG>(0, 5) : in.ConsumeIntegral<LONG>();
}

// A value of any type the caller could hand over; what it points to lives
// in *keep while the call runs.
VARIANT value(FuzzedDataProvider& in, LONG* keep) {
  VARIANT v;
  VariantInit(&v);
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
      return i4_variant(in.ConsumeIntegral<LONG>());
    case 1:
      v.vt = VT_R8;
      v.dblVal = in.ConsumeFloatingPoint<double>();
      return v;
    case 2:
      v.vt = VT_DATE;
      v.date = in.ConsumeFloatingPoint<double>();
      return v;
    case 3:
      return text_variant(in.ConsumeRandomLengthString(40));
    case 4:
      v.vt = VT_BYREF | VT_I4;
      v.byref = keep;
      return v;
    case 5:
      v.vt = VT_DISPATCH;  // a null object
      return v;
    case 6:
      v.vt = VT_BOOL;
      v.boolVal = VARIANT_TRUE;
      return v;
    default:
      v.vt = in.ConsumeIntegral<VARTYPE>() & ~(VT_ARRAY | VT_BYREF);
      v.llVal = 0;
      return v;
  }
}

void excel_step(FuzzedDataProvider& in, IQnExcel* x) {
  SHORT code = 0, h = 0;
  LONG keep = 7;
  switch (in.ConsumeIntegralInRange(0, 17)) {
    case 0: {
      BSTR n = name(in);
      x->Open(n, &h, &code);
      SysFreeString(n);
      break;
    }
    case 1:
      x->Show(handle(in), &code);
      break;
    case 2:
      x->Hide(handle(in), &code);
      break;
    case 3:
      x->Close(handle(in), &code);
      break;
    case 4:
      x->Save(handle(in), &code);
      break;
    case 5:
      x->Clear(handle(in), &code);
      break;
    case 6: {
      VARIANT v = value(in, &keep);
      x->Put(handle(in), coordinate(in), coordinate(in), v, &code);
      VariantClear(&v);
      break;
    }
    case 7: {
      VARIANT v;
      VariantInit(&v);
      x->Get(handle(in), coordinate(in), coordinate(in), &v, &code);
      VariantClear(&v);
      break;
    }
    case 8: {
      BSTR t = nullptr;
      x->Type(handle(in), coordinate(in), coordinate(in), &t, &code);
      SysFreeString(t);
      break;
    }
    case 9:
      x->PrintOut(handle(in), in.ConsumeIntegral<SHORT>(), &code);
      break;
    case 10:
    case 11: {
      BSTR n = name(in);
      if (in.ConsumeBool()) {
        x->SelectSheet(handle(in), n, &code);
      } else {
        x->RenameSheet(handle(in), n, &code);
      }
      SysFreeString(n);
      break;
    }
    case 12: {
      LONG color = 0, size = 0;
      BSTR font = nullptr;
      x->GetFormat(handle(in), coordinate(in), coordinate(in), &color, &font, &size, &code);
      SysFreeString(font);
      break;
    }
    case 13: {
      BSTR font = name(in);
      x->PutFormat(handle(in), coordinate(in), coordinate(in), coordinate(in), coordinate(in),
                   in.ConsumeIntegral<LONG>(), font, in.ConsumeFloatingPoint<double>(), &code);
      SysFreeString(font);
      break;
    }
    case 14: {
      BSTR macro = in.ConsumeBool() ? bstr_from_1252("Sum") : name(in);
      std::vector<VARIANT> a(30);
      for (VARIANT& v : a) v = value(in, &keep);
      x->RunMacro(handle(in), macro, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9],
                  a[10], a[11], a[12], a[13], a[14], a[15], a[16], a[17], a[18], a[19], a[20],
                  a[21], a[22], a[23], a[24], a[25], a[26], a[27], a[28], a[29], &code);
      for (VARIANT& v : a) VariantClear(&v);
      SysFreeString(macro);
      break;
    }
    case 15: {
      IDispatch* d = nullptr;
      x->get_GetWorkbook(handle(in), &d);
      if (d) d->Release();
      break;
    }
    case 16: {
      BSTR n = name(in);
      switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0:
          x->put_Template(n);
          break;
        case 1:
          x->put_Delimiter(n);
          break;
        default:
          x->put_DefaultPath(n);
      }
      SysFreeString(n);
      break;
    }
    default:
      x->put_ReadOnly(in.ConsumeIntegral<SHORT>());
      x->put_AutoFit(in.ConsumeIntegral<SHORT>());
      x->put_DisplayMessages(in.ConsumeIntegral<SHORT>());
  }
}

void word_step(FuzzedDataProvider& in, IQnWord* w) {
  SHORT code = 0, h = 0;
  LONG keep = 7;
  switch (in.ConsumeIntegralInRange(0, 14)) {
    case 0: {
      BSTR n = name(in);
      w->Open(n, &h, &code);
      SysFreeString(n);
      break;
    }
    case 1:
      w->Show(handle(in), &code);
      break;
    case 2:
      w->Hide(handle(in), &code);
      break;
    case 3:
      w->Close(handle(in), &code);
      break;
    case 4:
      w->PrintOut(handle(in), in.ConsumeIntegral<SHORT>(), in.ConsumeIntegral<SHORT>(), &code);
      break;
    case 5: {
      BSTR t = bstr_from_1252(in.ConsumeRandomLengthString(40));
      w->Put(handle(in), t, in.ConsumeIntegral<SHORT>(), &code);
      SysFreeString(t);
      break;
    }
    case 6: {
      BSTR t = nullptr;
      w->Get(handle(in), &t, &code);
      SysFreeString(t);
      break;
    }
    case 7: {
      BSTR a = name(in), b = name(in);
      w->Replace(handle(in), a, b, in.ConsumeIntegral<SHORT>(), in.ConsumeIntegral<SHORT>(), &code);
      SysFreeString(a);
      SysFreeString(b);
      break;
    }
    case 8:
      w->SpellCheck(handle(in), &code);
      break;
    case 9:
      w->Save(handle(in), &code);
      break;
    case 10: {
      BSTR n = name(in);
      BSTR t = bstr_from_1252(in.PickValueInArray({"doc", "TXT", "rtf", "htm", "dot", "pdf"}));
      w->SaveAs(handle(in), n, t, in.ConsumeIntegral<SHORT>(), in.ConsumeIntegral<SHORT>(), &code);
      SysFreeString(n);
      SysFreeString(t);
      break;
    }
    case 11: {
      BSTR macro = in.ConsumeBool() ? bstr_from_1252("Sum") : name(in);
      std::vector<VARIANT> a(30);
      for (VARIANT& v : a) v = value(in, &keep);
      w->RunMacro(handle(in), macro, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9],
                  a[10], a[11], a[12], a[13], a[14], a[15], a[16], a[17], a[18], a[19], a[20],
                  a[21], a[22], a[23], a[24], a[25], a[26], a[27], a[28], a[29], &code);
      for (VARIANT& v : a) VariantClear(&v);
      SysFreeString(macro);
      break;
    }
    case 12: {
      IDispatch* d = nullptr;
      w->get_GetDocument(handle(in), &d);
      if (d) d->Release();
      break;
    }
    case 13: {
      BSTR n = name(in);
      w->put_Template(n);
      SysFreeString(n);
      break;
    }
    default:
      w->put_ReadOnly(in.ConsumeIntegral<SHORT>());
      w->put_DisplayMessages(in.ConsumeIntegral<SHORT>());
  }
}

}  // namespace

// The module's object count: the target builds the classes without the
// module object.
namespace qn::office {
void module_lock() {}
void module_unlock() {}
}  // namespace qn::office

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  qn::platform::set_message_box_hook(
      [](std::string_view, std::string_view, unsigned) { return qn::platform::kIdOk; });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  if (in.ConsumeBool()) {
    IQnExcel* x = nullptr;
    CQnExcel::create<CQnExcel>(nullptr, IID_IQnExcel, reinterpret_cast<void**>(&x));
    for (int steps = 0; steps < 40 && in.remaining_bytes() > 0; ++steps) excel_step(in, x);
    x->Release();
  } else {
    IQnWord* w = nullptr;
    CQnWord::create<CQnWord>(nullptr, IID_IQnWord, reinterpret_cast<void**>(&w));
    for (int steps = 0; steps < 40 && in.remaining_bytes() > 0; ++steps) word_step(in, w);
    w->Release();
  }
  return 0;
}

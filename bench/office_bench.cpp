// Late binding into the office module: one Invoke of IQnMail's Error
// (a property get) and of Send with text arguments converted from numbers,
// on a facade whose back-end is the module's own (whose Send is not built
// yet, so the call ends there: what is measured is the binding).
#include <benchmark/benchmark.h>

#include "office/mail/qn_mail.h"

namespace {

using namespace qn::com;
using qn::office::CQnMail;

IDispatch* make_mail() {
  IDispatch* d = nullptr;
  CQnMail::create<CQnMail>(nullptr, IID_IDispatch, reinterpret_cast<void**>(&d));
  return d;
}

void BM_InvokePropertyGet(benchmark::State& state) {
  IDispatch* mail = make_mail();
  VARIANT result;
  for (auto _ : state) {
    mail->Invoke(5, GUID_NULL, 0, DISPATCH_PROPERTYGET, nullptr, &result, nullptr, nullptr);
    benchmark::DoNotOptimize(result.iVal);
  }
  mail->Release();
}
BENCHMARK(BM_InvokePropertyGet);

void BM_InvokeMethodWithConversions(benchmark::State& state) {
  IDispatch* mail = make_mail();
  // Send(To, CC, BCC, Subject, Text): five texts, two of them given as
  // numbers; Attachs left to its default.
  VARIANT args[5];
  for (int i = 0; i < 5; ++i) {
    args[i].vt = VT_BSTR;
    args[i].bstrVal = bstr_from_1252("someone@example.com");
  }
  VariantClear(&args[0]);
  args[0].vt = VT_I4;
  args[0].lVal = 12345;
  VariantClear(&args[2]);
  args[2].vt = VT_I2;
  args[2].iVal = 7;
  DISPPARAMS params{args, nullptr, 5, 0};
  VARIANT result;
  for (auto _ : state) {
    mail->Invoke(3, GUID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
    benchmark::DoNotOptimize(result.iVal);
  }
  for (VARIANT& v : args) VariantClear(&v);
  mail->Release();
}
BENCHMARK(BM_InvokeMethodWithConversions);

}  // namespace

BENCHMARK_MAIN();

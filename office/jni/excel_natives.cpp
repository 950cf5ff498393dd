// The natives of com.quenora.qnoffice.QnExcel, each calling one member of
// IQnExcel on the shared object.
#include "com_quenora_qnoffice_QnExcel.h"
#include "office/jni/call.h"

using namespace qn::office;
using namespace qn::office::jni;
using namespace qn::com;

#define EXCEL_NATIVE(result, name) JNIEXPORT result JNICALL Java_com_quenora_qnoffice_QnExcel_##name

namespace {

// A native whose arguments are a handle and a text.
template <class M>
jshort on_handle_text(JNIEnv* env, jshort handle, jstring text, M member) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    Text t = call.text(text);
    return with_code(call, excel(),
                     [&](IQnExcel* x, SHORT* code) { (x->*member)(handle, t.get(), code); });
  });
}

// The cell getters: the value Get returns is converted in place to vt;
// store(converted, value) writes element 0 of the output.
template <class F>
jshort get_cell(JNIEnv* env, jshort handle, jint row, jint col, jarray out, VARTYPE vt, F store) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    if (!call.check_out(out)) return jshort{-1};
    return with_code(call, excel(), [&](IQnExcel* x, SHORT* code) {
      VARIANT value;
      VariantInit(&value);
      x->Get(handle, row, col, &value, code);
      const bool converted = SUCCEEDED(VariantChangeType(&value, &value, 0, vt));
      store(call, converted, value);
      VariantClear(&value);
    });
  });
}

// The cell setters: fill(call, value, keep) sets the value Put receives;
// Put frees nothing of it, and a text it points to is kept in keep.
template <class F>
jshort put_cell(JNIEnv* env, jshort handle, jint row, jint col, F fill) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    Text keep;
    VARIANT v;
    VariantInit(&v);
    fill(call, v, keep);
    return with_code(call, excel(),
                     [&](IQnExcel* x, SHORT* code) { x->Put(handle, row, col, v, code); });
  });
}

}  // namespace

EXCEL_NATIVE(jshort, Open)(JNIEnv* env, jobject, jstring name, jshortArray handle) {
  return open_document(env, excel(), name, handle);
}

EXCEL_NATIVE(jshort, Show)(JNIEnv* env, jobject, jshort handle) {
  return on_handle(env, excel(), handle, &IQnExcel::Show);
}

EXCEL_NATIVE(jshort, Close)(JNIEnv* env, jobject, jshort handle) {
  return on_handle(env, excel(), handle, &IQnExcel::Close);
}

EXCEL_NATIVE(jshort, Save)(JNIEnv* env, jobject, jshort handle) {
  return on_handle(env, excel(), handle, &IQnExcel::Save);
}

EXCEL_NATIVE(jshort, Hide)(JNIEnv* env, jobject, jshort handle) {
  return on_handle(env, excel(), handle, &IQnExcel::Hide);
}

EXCEL_NATIVE(jshort, Clear)(JNIEnv* env, jobject, jshort handle) {
  return on_handle(env, excel(), handle, &IQnExcel::Clear);
}

EXCEL_NATIVE(jshort, GetLong)
(JNIEnv* env, jobject, jshort handle, jint row, jint col, jlongArray value) {
  return get_cell(env, handle, row, col, value, VT_I4, [&](Call& call, bool ok, VARIANT& v) {
    call.set_first(value, ok ? jlong{v.lVal} : jlong{-1});
  });
}

EXCEL_NATIVE(jshort, GetDouble)
(JNIEnv* env, jobject, jshort handle, jint row, jint col, jdoubleArray value) {
  return get_cell(env, handle, row, col, value, VT_R8, [&](Call& call, bool ok, VARIANT& v) {
    call.set_first(value, ok ? v.dblVal : -1.0);
  });
}

EXCEL_NATIVE(jshort, GetDate)
(JNIEnv* env, jobject, jshort handle, jint row, jint col, jobjectArray value) {
  return get_cell(env, handle, row, col, value, VT_DATE, [&](Call& call, bool ok, VARIANT& v) {
    if (ok) call.set_date(value, v.date);
  });
}

EXCEL_NATIVE(jshort, GetString)
(JNIEnv* env, jobject, jshort handle, jint row, jint col, jobjectArray value) {
  return get_cell(env, handle, row, col, value, VT_BSTR, [&](Call& call, bool ok, VARIANT& v) {
    if (!ok) return;
    Text t(v.bstrVal);  // the text goes to Java; the VARIANT keeps nothing to free
    v.vt = VT_EMPTY;
    call.set_text(value, t);
  });
}

EXCEL_NATIVE(jshort, PutLong)
(JNIEnv* env, jobject, jshort handle, jint row, jint col, jlong value) {
  return put_cell(env, handle, row, col, [&](Call&, VARIANT& v, Text&) {
    v.vt = VT_I4;
    v.lVal = static_cast<LONG>(static_cast<ULONG>(value));  // the low 32 bits
  });
}

EXCEL_NATIVE(jshort, PutDouble)
(JNIEnv* env, jobject, jshort handle, jint row, jint col, jdouble value) {
  return put_cell(env, handle, row, col, [&](Call&, VARIANT& v, Text&) {
    v.vt = VT_R8;
    v.dblVal = value;
  });
}

EXCEL_NATIVE(jshort, PutDate)
(JNIEnv* env, jobject, jshort handle, jint row, jint col, jobject value) {
  return put_cell(env, handle, row, col, [&](Call& call, VARIANT& v, Text&) {
    v.vt = VT_DATE;
    v.date = call.date(value);  // before the object is ensured
  });
}

EXCEL_NATIVE(jshort, PutString)
(JNIEnv* env, jobject, jshort handle, jint row, jint col, jstring value) {
  return put_cell(env, handle, row, col, [&](Call& call, VARIANT& v, Text& keep) {
    keep = call.text(value);
    v.vt = VT_BSTR;
    v.bstrVal = keep.get();
  });
}

EXCEL_NATIVE(jshort, Type)
(JNIEnv* env, jobject, jshort handle, jint row, jint col, jobjectArray type) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    if (!call.check_out(type)) return jshort{-1};
    return with_code(call, excel(), [&](IQnExcel* x, SHORT* code) {
      Text t;
      x->Type(handle, row, col, t.out(), code);
      call.set_text(type, t);
    });
  });
}

EXCEL_NATIVE(jshort, getError)(JNIEnv* env, jobject) { return get_error(env, excel()); }

EXCEL_NATIVE(void, setDisplayMessages)(JNIEnv* env, jobject, jshort on) {
  setter(env, excel(), [&](IQnExcel* x) { x->put_DisplayMessages(on); });
}

EXCEL_NATIVE(void, setDefaultPath)(JNIEnv* env, jobject, jstring path) {
  text_setter(env, excel(), path, [](IQnExcel* x, BSTR b) { x->put_DefaultPath(b); });
}

EXCEL_NATIVE(jshort, PrintOut)(JNIEnv* env, jobject, jshort handle, jshort preview) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    return with_code(call, excel(),
                     [&](IQnExcel* x, SHORT* code) { x->PrintOut(handle, preview, code); });
  });
}

EXCEL_NATIVE(void, setTemplate)(JNIEnv* env, jobject, jstring name) {
  text_setter(env, excel(), name, [](IQnExcel* x, BSTR b) { x->put_Template(b); });
}

EXCEL_NATIVE(void, setReadOnly)(JNIEnv* env, jobject, jshort on) {
  setter(env, excel(), [&](IQnExcel* x) { x->put_ReadOnly(on); });
}

EXCEL_NATIVE(jshort, SelectSheet)(JNIEnv* env, jobject, jshort handle, jstring sheet) {
  return on_handle_text(env, handle, sheet, &IQnExcel::SelectSheet);
}

EXCEL_NATIVE(jshort, RenameSheet)(JNIEnv* env, jobject, jshort handle, jstring name) {
  return on_handle_text(env, handle, name, &IQnExcel::RenameSheet);
}

EXCEL_NATIVE(jshort, GetFormat)
(JNIEnv* env, jobject, jshort handle, jint row, jint col, jintArray color, jobjectArray font,
 jintArray size) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    if (!call.check_outs(color, font, size)) return jshort{-1};
    LONG c = call.first(color);
    LONG s = call.first(size);
    return with_code(call, excel(), [&](IQnExcel* x, SHORT* code) {
      Text f;
      x->GetFormat(handle, row, col, &c, f.out(), &s, code);
      call.set_first(color, c);
      call.set_text(font, f);
      call.set_first(size, s);
    });
  });
}

EXCEL_NATIVE(jshort, PutFormat)
(JNIEnv* env, jobject, jshort handle, jint row, jint col, jint height, jint width, jint color,
 jstring font, jdouble size) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    Text f = call.text(font);
    return with_code(call, excel(), [&](IQnExcel* x, SHORT* code) {
      x->PutFormat(handle, row, col, height, width, color, f.get(), size, code);
    });
  });
}

EXCEL_NATIVE(void, setAutoFit)(JNIEnv* env, jobject, jshort on) {
  setter(env, excel(), [&](IQnExcel* x) { x->put_AutoFit(on); });
}

EXCEL_NATIVE(void, cleanup)(JNIEnv* env, jobject) { cleanup(env, excel()); }

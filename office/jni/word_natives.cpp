// The natives of com.quenora.qnoffice.QnWord, each calling one member of
// IQnWord on the shared object.
#include "com_quenora_qnoffice_QnWord.h"
#include "office/jni/call.h"

using namespace qn::office;
using namespace qn::office::jni;
using qn::com::BSTR;
using qn::com::SHORT;

#define WORD_NATIVE(result, name) JNIEXPORT result JNICALL Java_com_quenora_qnoffice_QnWord_##name

WORD_NATIVE(jshort, Open)(JNIEnv* env, jobject, jstring name, jshortArray handle) {
  return open_document(env, word(), name, handle);
}

WORD_NATIVE(jshort, Hide)(JNIEnv* env, jobject, jshort handle) {
  return on_handle(env, word(), handle, &IQnWord::Hide);
}

WORD_NATIVE(jshort, Show)(JNIEnv* env, jobject, jshort handle) {
  return on_handle(env, word(), handle, &IQnWord::Show);
}

WORD_NATIVE(jshort, Close)(JNIEnv* env, jobject, jshort handle) {
  return on_handle(env, word(), handle, &IQnWord::Close);
}

WORD_NATIVE(jshort, getError)(JNIEnv* env, jobject) { return get_error(env, word()); }

WORD_NATIVE(void, setDisplayMessages)(JNIEnv* env, jobject, jshort on) {
  setter(env, word(), [&](IQnWord* w) { w->put_DisplayMessages(on); });
}

WORD_NATIVE(jshort, PrintOut)
(JNIEnv* env, jobject, jshort handle, jshort preview, jshort background) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    return with_code(call, word(), [&](IQnWord* w, SHORT* code) {
      w->PrintOut(handle, preview, background, code);
    });
  });
}

WORD_NATIVE(void, setTemplate)(JNIEnv* env, jobject, jstring name) {
  text_setter(env, word(), name, [](IQnWord* w, BSTR b) { w->put_Template(b); });
}

WORD_NATIVE(void, setReadOnly)(JNIEnv* env, jobject, jshort on) {
  setter(env, word(), [&](IQnWord* w) { w->put_ReadOnly(on); });
}

WORD_NATIVE(jshort, Put)(JNIEnv* env, jobject, jshort handle, jstring text, jshort append) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    Text t = call.text(text);
    return with_code(call, word(),
                     [&](IQnWord* w, SHORT* code) { w->Put(handle, t.get(), append, code); });
  });
}

WORD_NATIVE(jshort, Get)(JNIEnv* env, jobject, jshort handle, jobjectArray text) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    if (!call.check_out(text)) return jshort{-1};
    return with_code(call, word(), [&](IQnWord* w, SHORT* code) {
      Text t;
      w->Get(handle, t.out(), code);
      call.set_text(text, t);
    });
  });
}

WORD_NATIVE(jshort, SpellCheck)(JNIEnv* env, jobject, jshort handle) {
  return on_handle(env, word(), handle, &IQnWord::SpellCheck);
}

WORD_NATIVE(jshort, Save)(JNIEnv* env, jobject, jshort handle) {
  return on_handle(env, word(), handle, &IQnWord::Save);
}

WORD_NATIVE(jshort, Replace)
(JNIEnv* env, jobject, jshort handle, jstring old_text, jstring new_text, jshort match_case,
 jshort match_whole_word) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    Text o = call.text(old_text);
    Text n = call.text(new_text);
    return with_code(call, word(), [&](IQnWord* w, SHORT* code) {
      w->Replace(handle, o.get(), n.get(), match_case, match_whole_word, code);
    });
  });
}

WORD_NATIVE(jshort, SaveAs)
(JNIEnv* env, jobject, jshort handle, jstring name, jstring type, jshort dos_text,
 jshort line_breaks) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    Text n = call.text(name);
    Text t = call.text(type);
    return with_code(call, word(), [&](IQnWord* w, SHORT* code) {
      w->SaveAs(handle, n.get(), t.get(), dos_text, line_breaks, code);
    });
  });
}

WORD_NATIVE(void, cleanup)(JNIEnv* env, jobject) { cleanup(env, word()); }

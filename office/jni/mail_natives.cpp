// The natives of com.quenora.qnoffice.QnMail, each calling one member of
// IQnMail on the shared object.
#include "com_quenora_qnoffice_QnMail.h"
#include "office/jni/call.h"

using namespace qn::office;
using namespace qn::office::jni;
using namespace qn::com;

#define MAIL_NATIVE(result, name) JNIEXPORT result JNICALL Java_com_quenora_qnoffice_QnMail_##name

MAIL_NATIVE(jshort, LoginMAPI)
(JNIEnv* env, jobject, jstring profile, jshort new_messages, jshort mark_as_read) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    Text p = call.text(profile);
    return with_code(call, mail(), [&](IQnMail* m, SHORT* code) {
      m->LoginMAPI(p.get(), new_messages, mark_as_read, code);
    });
  });
}

MAIL_NATIVE(jshort, Logout)(JNIEnv* env, jobject) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    return with_code(call, mail(), [&](IQnMail* m, SHORT* code) { m->Logout(code); });
  });
}

MAIL_NATIVE(jshort, Send)
(JNIEnv* env, jobject, jstring to, jstring cc, jstring bcc, jstring subject, jstring text,
 jstring attachments) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    Text t = call.text(to);
    Text c = call.text(cc);
    Text b = call.text(bcc);
    Text s = call.text(subject);
    Text x = call.text(text);
    Text a = call.text(attachments);
    return with_code(call, mail(), [&](IQnMail* m, SHORT* code) {
      m->Send(t.get(), c.get(), b.get(), s.get(), x.get(), a.get(), code);
    });
  });
}

MAIL_NATIVE(void, setEditWindow)(JNIEnv* env, jobject, jshort on) {
  setter(env, mail(), [&](IQnMail* m) { m->put_EditWindow(on); });
}

MAIL_NATIVE(jshort, getError)(JNIEnv* env, jobject) { return get_error(env, mail()); }

MAIL_NATIVE(void, setDisplayMessages)(JNIEnv* env, jobject, jshort on) {
  setter(env, mail(), [&](IQnMail* m) { m->put_DisplayMessages(on); });
}

MAIL_NATIVE(jshort, Receive)
(JNIEnv* env, jobject, jobjectArray from, jobjectArray to, jobjectArray cc, jobjectArray subject,
 jobjectArray text, jobjectArray attachments, jobjectArray date_sent, jobjectArray date_received) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    // Every output is checked first: a Receive that deletes what it reads
    // must not use up a message it cannot hand back.
    if (!call.check_outs(from, to, cc, subject, text, attachments, date_sent, date_received)) {
      return jshort{-1};
    }
    return with_code(call, mail(), [&](IQnMail* m, SHORT* code) {
      Text f, t, c, s, x, a;
      DateOut sent, received;
      m->Receive(f.out(), t.out(), c.out(), s.out(), x.out(), a.out(), sent.out(), received.out(),
                 code);
      call.set_text(from, f);
      call.set_text(to, t);
      call.set_text(cc, c);
      call.set_text(subject, s);
      call.set_text(text, x);
      call.set_text(attachments, a);
      call.set_date(date_sent, sent);
      call.set_date(date_received, received);
    });
  });
}

MAIL_NATIVE(void, setAttachDir)(JNIEnv* env, jobject, jstring directory) {
  text_setter(env, mail(), directory, [](IQnMail* m, BSTR b) { m->put_AttachDir(b); });
}

MAIL_NATIVE(void, setAddressFormat)(JNIEnv* env, jobject, jshort format) {
  setter(env, mail(), [&](IQnMail* m) { m->put_AddressFormat(format); });
}

MAIL_NATIVE(void, setMode)(JNIEnv* env, jobject, jstring mode) {
  text_setter(env, mail(), mode, [](IQnMail* m, BSTR b) { m->put_Mode(b); });
}

MAIL_NATIVE(jshort, LoginSMTP)
(JNIEnv* env, jobject, jstring server, jstring from_name, jstring from_address, jstring user_name,
 jstring password, jshort timeout) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    Text s = call.text(server);
    Text n = call.text(from_name);
    Text a = call.text(from_address);
    Text u = call.text(user_name);
    Text p = call.text(password);
    return with_code(call, mail(), [&](IQnMail* m, SHORT* code) {
      m->LoginSMTP(s.get(), n.get(), a.get(), u.get(), p.get(), timeout, code);
    });
  });
}

MAIL_NATIVE(jshort, LoginPOP3)
(JNIEnv* env, jobject, jstring server, jstring user_name, jstring password, jshort new_messages,
 jshort del, jshort timeout) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    Text s = call.text(server);
    Text u = call.text(user_name);
    Text p = call.text(password);
    return with_code(call, mail(), [&](IQnMail* m, SHORT* code) {
      m->LoginPOP3(s.get(), u.get(), p.get(), new_messages, del, timeout, code);
    });
  });
}

MAIL_NATIVE(jshort, ChangeFolder)
(JNIEnv* env, jobject, jstring folder, jshort skip_read, jshort mark_as_read) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    Text f = call.text(folder);
    return with_code(call, mail(), [&](IQnMail* m, SHORT* code) {
      m->ChangeFolder(f.get(), skip_read, mark_as_read, code);
    });
  });
}

MAIL_NATIVE(jint, getCount)(JNIEnv* env, jobject) {
  return guarded<jint>(env, -1, [&] {
    Call call(env);
    LONG value = -1;
    with_object(call, mail(), [&](IQnMail* m) { m->get_Count(&value); });
    return jint{value};
  });
}

MAIL_NATIVE(void, cleanup)(JNIEnv* env, jobject) { cleanup(env, mail()); }

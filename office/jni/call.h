// What every native of the bridge does around its member call: argument
// and output conversion, the class's shared object with its lock, and the
// few Java exceptions the bridge raises.
//
// Failures stay codes: -1 when COM or the object cannot be had. A Java
// exception comes only where a JNI call would otherwise be undefined: a
// null or empty output array (before any member is called), a null Date
// input, a JNI call that raised (the native ends, frees its inputs and
// answers -1), and a C++ exception, which never crosses into the JVM.
#pragma once

#include <jni.h>

#include <cstring>
#include <exception>
#include <mutex>
#include <new>
#include <utility>

#include "office/interfaces.h"

namespace qn::office::jni {

// One class's shared object and its lock.
template <class I>
struct Shared {
  std::mutex mutex;
  I* object = nullptr;
};

Shared<IQnWord>& word();
Shared<IQnExcel>& excel();
Shared<IQnMail>& mail();

// True when COM is initialised, or is now; else the box "Couldn't
// CoInitialize." was shown and the next native tries again.
bool EnsureComInitialized();
// True when COM is initialised and the class's object exists or has just
// been made. Called with the class's lock held.
bool EnsureObject(Shared<IQnWord>& s);
bool EnsureObject(Shared<IQnExcel>& s);
bool EnsureObject(Shared<IQnMail>& s);

// A BSTR owned by the native: an input it made or an output the member set.
class Text {
 public:
  Text() = default;
  explicit Text(com::BSTR b) : b_(b) {}
  Text(Text&& o) noexcept : b_(std::exchange(o.b_, nullptr)) {}
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  Text& operator=(Text&& o) noexcept {
    std::swap(b_, o.b_);  // o frees what this held
    return *this;
  }
  ~Text() { com::SysFreeString(b_); }
  com::BSTR get() const { return b_; }
  com::BSTR* out() { return &b_; }  // for a member that sets it

 private:
  com::BSTR b_ = nullptr;
};

// A date output; a member that leaves it alone leaves element 0 alone.
class DateOut {
 public:
  com::DATE* out() { return &value_; }
  com::DATE value() const { return value_; }
  bool written() const { return std::memcmp(&value_, &kUnwritten, sizeof value_) != 0; }

 private:
  static constexpr com::DATE kUnwritten = -0x1.fffffp1000;  // no date: years end at 9999
  com::DATE value_ = kUnwritten;
};

// One native's conversions. After a JNI call raised, every further step
// does nothing and failed() is true.
class Call {
 public:
  explicit Call(JNIEnv* env) : env_(env) {}

  JNIEnv* env() const { return env_; }
  bool failed() const { return failed_; }

  // An output array must have an element 0.
  bool check_out(jarray a);
  template <class... A>
  bool check_outs(A... arrays) {
    return (check_out(arrays) && ...);
  }

  // String to BSTR, UTF-16 unchanged; a null String is the null (empty) BSTR.
  Text text(jstring s);
  // A Date's local fields to a DATE; a null Date raises NullPointerException.
  com::DATE date(jobject d);

  // Element 0 of an output: a text the member set, a date it wrote (left
  // alone when the member did not), or a number.
  void set_text(jobjectArray a, Text& t);
  void set_text(jobjectArray a, com::BSTR b);
  void set_date(jobjectArray a, com::DATE d);
  void set_date(jobjectArray a, const DateOut& d) {
    if (d.written()) set_date(a, d.value());
  }
  jshort first(jshortArray a);
  jint first(jintArray a);
  void set_first(jshortArray a, jshort v);
  void set_first(jintArray a, jint v);
  void set_first(jlongArray a, jlong v);
  void set_first(jdoubleArray a, jdouble v);

  // Raises a Java exception of class cls.
  void raise(const char* cls, const char* message);

 private:
  bool raised();  // true, and failed, when a JNI call left an exception

  JNIEnv* env_;
  bool failed_ = false;
};

// Runs a native's body; a C++ exception becomes OutOfMemoryError or
// InternalError and the native answers on_error.
template <class R, class F>
R guarded(JNIEnv* env, R on_error, F body) noexcept {
  auto raise = [env](const char* cls, const char* message) {
    if (env->ExceptionCheck()) return;  // the first exception stays
    jclass c = env->FindClass(cls);
    if (c) env->ThrowNew(c, message);
  };
  try {
    return body();
  } catch (const std::bad_alloc&) {
    raise("java/lang/OutOfMemoryError", "QnOffice: out of memory");
  } catch (const std::exception& e) {
    raise("java/lang/InternalError", e.what());
  } catch (...) {
    raise("java/lang/InternalError", "QnOffice: unexpected failure");
  }
  return on_error;
}

// A native that returns a code: with the class's lock held and its object
// ensured, member(object, &code) calls the member and converts the outputs.
// The code starts at -1 and stays there when no member is called.
template <class I, class F>
jshort with_code(Call& call, Shared<I>& s, F member) {
  if (call.failed()) return -1;
  std::lock_guard lock(s.mutex);
  if (!EnsureObject(s)) return -1;
  com::SHORT code = -1;
  member(s.object, &code);
  return call.failed() ? -1 : code;
}

// A setter, getError or getCount: the member runs when the object can be
// ensured.
template <class I, class F>
void with_object(Call& call, Shared<I>& s, F member) {
  if (call.failed()) return;
  std::lock_guard lock(s.mutex);
  if (EnsureObject(s)) member(s.object);
}

// cleanup: the object is released and a later native makes a new one.
template <class I>
void release_object(Shared<I>& s) {
  std::lock_guard lock(s.mutex);
  if (s.object) std::exchange(s.object, nullptr)->Release();
}

// The natives every class has in the same form, over its shared object s.

// A native whose only argument is a handle: (object->*member)(handle, &code).
template <class I, class M>
jshort on_handle(JNIEnv* env, Shared<I>& s, jshort handle, M member) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    return with_code(call, s, [&](I* o, com::SHORT* code) { (o->*member)(handle, code); });
  });
}

// Open(name, handle): handle[0] goes in and comes back.
template <class I>
jshort open_document(JNIEnv* env, Shared<I>& s, jstring name, jshortArray handle) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    if (!call.check_out(handle)) return jshort{-1};
    Text n = call.text(name);
    com::SHORT h = call.first(handle);
    return with_code(call, s, [&](I* o, com::SHORT* code) {
      o->Open(n.get(), &h, code);
      call.set_first(handle, h);
    });
  });
}

// getError: -1 when the object cannot be had.
template <class I>
jshort get_error(JNIEnv* env, Shared<I>& s) {
  return guarded<jshort>(env, -1, [&] {
    Call call(env);
    com::SHORT value = -1;
    with_object(call, s, [&](I* o) { o->get_Error(&value); });
    return value;
  });
}

// A setter: put(object) runs when the object can be ensured.
template <class I, class F>
void setter(JNIEnv* env, Shared<I>& s, F put) {
  guarded(env, 0, [&] {
    Call call(env);
    with_object(call, s, put);
    return 0;
  });
}

// A text setter: put(object, text) with the String converted first.
template <class I, class F>
void text_setter(JNIEnv* env, Shared<I>& s, jstring value, F put) {
  guarded(env, 0, [&] {
    Call call(env);
    Text t = call.text(value);
    with_object(call, s, [&](I* o) { put(o, t.get()); });
    return 0;
  });
}

// cleanup.
template <class I>
void cleanup(JNIEnv* env, Shared<I>& s) {
  guarded(env, 0, [&] {
    release_object(s);
    return 0;
  });
}

}  // namespace qn::office::jni

#include "office/jni/call.h"

#include <atomic>

#include "platform/com/ole_date.h"

namespace qn::office::jni {
namespace {

// java.util.Date, looked up once and kept as a global reference, so that
// any thread's call reaches it through its own JNIEnv.
struct DateClass {
  jclass cls;
  jmethodID init;    // (IIIIII)V
  jmethodID get[6];  // getYear, getMonth, getDate, getHours, getMinutes, getSeconds
};

std::atomic<const DateClass*> g_date_class{nullptr};
std::mutex g_date_class_mutex;

// Null with an exception pending when the class cannot be had.
const DateClass* date_class(JNIEnv* env) {
  if (const DateClass* c = g_date_class.load(std::memory_order_acquire)) return c;
  std::lock_guard lock(g_date_class_mutex);
  if (const DateClass* c = g_date_class.load(std::memory_order_relaxed)) return c;
  jclass local = env->FindClass("java/util/Date");
  if (!local) return nullptr;
  DateClass c{};
  c.init = env->GetMethodID(local, "<init>", "(IIIIII)V");
  const char* getters[6] = {"getYear",  "getMonth",   "getDate",
                            "getHours", "getMinutes", "getSeconds"};
  for (int i = 0; i < 6 && c.init; ++i) {
    c.get[i] = env->GetMethodID(local, getters[i], "()I");
    if (!c.get[i]) c.init = nullptr;
  }
  if (c.init) c.cls = static_cast<jclass>(env->NewGlobalRef(local));
  env->DeleteLocalRef(local);
  if (!c.init || !c.cls) return nullptr;
  const DateClass* kept = new DateClass(c);  // kept while the module is loaded
  g_date_class.store(kept, std::memory_order_release);
  return kept;
}

}  // namespace

bool Call::raised() {
  if (env_->ExceptionCheck()) failed_ = true;
  return failed_;
}

void Call::raise(const char* cls, const char* message) {
  failed_ = true;
  if (env_->ExceptionCheck()) return;
  jclass c = env_->FindClass(cls);
  if (!c) return;
  env_->ThrowNew(c, message);
  env_->DeleteLocalRef(c);
}

bool Call::check_out(jarray a) {
  if (failed_) return false;
  if (!a) {
    raise("java/lang/NullPointerException", "output array is null");
  } else if (env_->GetArrayLength(a) < 1) {
    raise("java/lang/ArrayIndexOutOfBoundsException", "output array has no element 0");
  }
  return !failed_;
}

Text Call::text(jstring s) {
  if (failed_ || !s) return Text();
  const jsize length = env_->GetStringLength(s);
  Text t(com::SysAllocStringLen(nullptr, static_cast<com::UINT>(length)));
  if (!t.get()) {
    raise("java/lang/OutOfMemoryError", "QnOffice: no memory for a text");
    return Text();
  }
  env_->GetStringRegion(s, 0, length, reinterpret_cast<jchar*>(t.get()));
  if (raised()) return Text();
  return t;
}

com::DATE Call::date(jobject d) {
  if (failed_) return 0;
  if (!d) {
    raise("java/lang/NullPointerException", "date is null");
    return 0;
  }
  const DateClass* c = date_class(env_);
  if (!c) {
    failed_ = true;
    return 0;
  }
  int v[6];
  for (int i = 0; i < 6; ++i) {
    v[i] = env_->CallIntMethod(d, c->get[i]);
    if (raised()) return 0;
  }
  // Dates hold the years 100 to 9999; the year is checked before the
  // addition, which would overflow for a Date that reports a huge year.
  if (v[0] < 100 - 1900 || v[0] > 9999 - 1900) {
    raise("java/lang/IllegalArgumentException", "date outside the years 100 to 9999");
    return 0;
  }
  // Milliseconds are dropped.
  return com::ole_date_of({v[0] + 1900, v[1] + 1, v[2], v[3], v[4], v[5]});
}

void Call::set_text(jobjectArray a, com::BSTR b) {
  if (failed_ || !b) return;
  jstring s =
      env_->NewString(reinterpret_cast<const jchar*>(b), static_cast<jsize>(com::SysStringLen(b)));
  if (!s) {
    failed_ = true;
    return;
  }
  env_->SetObjectArrayElement(a, 0, s);
  env_->DeleteLocalRef(s);
  raised();
}

void Call::set_text(jobjectArray a, Text& t) {
  Text taken(std::move(t));  // freed here, set or not
  set_text(a, taken.get());
}

void Call::set_date(jobjectArray a, com::DATE d) {
  com::DateFields f;
  if (failed_ || !com::fields_of_ole_date(d, &f)) return;  // no date: left as it was
  const DateClass* c = date_class(env_);
  if (!c) {
    failed_ = true;
    return;
  }
  jobject date = env_->NewObject(c->cls, c->init, f.year - 1900, f.month - 1, f.day, f.hour,
                                 f.minute, f.second);
  if (!date || raised()) {
    failed_ = true;
    return;
  }
  env_->SetObjectArrayElement(a, 0, date);
  env_->DeleteLocalRef(date);
  raised();
}

jshort Call::first(jshortArray a) {
  jshort v = 0;
  if (!failed_) env_->GetShortArrayRegion(a, 0, 1, &v);
  return v;
}

jint Call::first(jintArray a) {
  jint v = 0;
  if (!failed_) env_->GetIntArrayRegion(a, 0, 1, &v);
  return v;
}

void Call::set_first(jshortArray a, jshort v) {
  if (!failed_) env_->SetShortArrayRegion(a, 0, 1, &v);
}
void Call::set_first(jintArray a, jint v) {
  if (!failed_) env_->SetIntArrayRegion(a, 0, 1, &v);
}
void Call::set_first(jlongArray a, jlong v) {
  if (!failed_) env_->SetLongArrayRegion(a, 0, 1, &v);
}
void Call::set_first(jdoubleArray a, jdouble v) {
  if (!failed_) env_->SetDoubleArrayRegion(a, 0, 1, &v);
}

}  // namespace qn::office::jni

// The Java natives as a Java program sees them: a JVM started through the
// invocation API runs loops of natives over the quiet recording fakes of
// the test copy of libQnOffice.so. per_call is the time of one native.
#include <jni.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kLoop = 1000;

JNIEnv* g_env = nullptr;
jclass g_bench = nullptr;

JNIEnv* jvm() {
  if (g_env) return g_env;
  std::string class_path = std::string("-Djava.class.path=") + QN_JNI_CLASS_PATH;
  std::string library_path = std::string("-Djava.library.path=") + QN_JNI_LIBRARY_PATH;
  JavaVMOption options[2] = {{class_path.data(), nullptr}, {library_path.data(), nullptr}};
  JavaVMInitArgs args{JNI_VERSION_10, 2, options, JNI_FALSE};
  JavaVM* vm = nullptr;
  if (JNI_CreateJavaVM(&vm, reinterpret_cast<void**>(&g_env), &args) != JNI_OK) {
    std::fprintf(stderr, "no JVM\n");
    std::exit(1);
  }
  g_bench = g_env->FindClass("qn/test/Bench");
  jmethodID prepare = g_bench ? g_env->GetStaticMethodID(g_bench, "prepare", "()V") : nullptr;
  if (prepare) g_env->CallStaticVoidMethod(g_bench, prepare);
  if (!prepare || g_env->ExceptionCheck()) {
    g_env->ExceptionDescribe();
    std::exit(1);
  }
  return g_env;
}

void run(benchmark::State& state, const char* loop) {
  JNIEnv* env = jvm();
  jmethodID method = env->GetStaticMethodID(g_bench, loop, "(I)V");
  for (auto _ : state) env->CallStaticVoidMethod(g_bench, method, kLoop);
  if (env->ExceptionCheck()) {
    env->ExceptionDescribe();
    state.SkipWithError("Java exception");
  }
  state.counters["per_call"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kLoop,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_GetError(benchmark::State& state) { run(state, "getError"); }
void BM_SendSixTexts(benchmark::State& state) { run(state, "send"); }
void BM_ReceiveSixTextsTwoDates(benchmark::State& state) { run(state, "receive"); }

BENCHMARK(BM_GetError);
BENCHMARK(BM_SendSixTexts);
BENCHMARK(BM_ReceiveSixTextsTwoDates);

}  // namespace

BENCHMARK_MAIN();

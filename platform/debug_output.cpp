#include "platform/debug_output.h"

#include <fcntl.h>
#include <semaphore.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <mutex>
#include <stdexcept>

namespace qn::platform {

namespace {

std::mutex g_prefix_mutex;
std::string g_prefix;

std::string object_name(const char* name) {
  std::lock_guard lock(g_prefix_mutex);
  return "/" + g_prefix + name;
}

void* map_buffer(int fd) {
  void* p = ::mmap(nullptr, kDebugBufferSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  return p == MAP_FAILED ? nullptr : p;
}

}  // namespace

void set_debug_monitor_prefix(std::string prefix) {
  std::lock_guard lock(g_prefix_mutex);
  g_prefix = std::move(prefix);
}

namespace {

// Whether the system log has a listener. Without one the C library tries to
// connect again on every call, which makes a trace line cost microseconds;
// the answer is looked up again at most once a second, so a log daemon that
// starts later is still found.
bool syslog_listens() {
  static std::atomic<int64_t> checked_at{-1};
  static std::atomic<bool> listens{false};
  const int64_t now = std::chrono::duration_cast<std::chrono::seconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count();
  if (checked_at.load(std::memory_order_relaxed) != now) {
    struct stat st {};
    listens.store(::stat("/dev/log", &st) == 0 && S_ISSOCK(st.st_mode), std::memory_order_relaxed);
    checked_at.store(now, std::memory_order_relaxed);
  }
  return listens.load(std::memory_order_relaxed);
}

}  // namespace

void debug_output(std::string_view text) {
  if (!syslog_listens()) return;
  ::syslog(LOG_USER | LOG_DEBUG, "%.*s", static_cast<int>(text.size()), text.data());
}

// --- writer ----------------------------------------------------------------

std::unique_ptr<DebugMonitor> DebugMonitor::open() {
  std::unique_ptr<DebugMonitor> m(new DebugMonitor);
  sem_t* buffer_ready = ::sem_open(object_name("DBWIN_BUFFER_READY").c_str(), 0);
  if (buffer_ready == SEM_FAILED) return nullptr;
  m->buffer_ready_ = buffer_ready;
  sem_t* data_ready = ::sem_open(object_name("DBWIN_DATA_READY").c_str(), 0);
  if (data_ready == SEM_FAILED) return nullptr;
  m->data_ready_ = data_ready;
  int fd = ::shm_open(object_name("DBWIN_BUFFER").c_str(), O_RDWR, 0);
  if (fd < 0) return nullptr;
  m->buffer_ = map_buffer(fd);
  ::close(fd);
  if (!m->buffer_) return nullptr;
  return m;
}

DebugMonitor::~DebugMonitor() {
  if (buffer_) ::munmap(buffer_, kDebugBufferSize);
  if (buffer_ready_) ::sem_close(static_cast<sem_t*>(buffer_ready_));
  if (data_ready_) ::sem_close(static_cast<sem_t*>(data_ready_));
}

bool DebugMonitor::buffer_ready(bool wait) {
  auto* sem = static_cast<sem_t*>(buffer_ready_);
  int rc;
  do {
    rc = wait ? ::sem_wait(sem) : ::sem_trywait(sem);
  } while (rc != 0 && errno == EINTR);
  return rc == 0;
}

void DebugMonitor::send(std::string_view text) {
  auto* p = static_cast<char*>(buffer_);
  uint32_t pid = static_cast<uint32_t>(::getpid());
  std::memcpy(p, &pid, 4);
  size_t n = std::min(text.size(), kDebugBufferSize - 5);
  std::memcpy(p + 4, text.data(), n);
  p[4 + n] = '\0';
  ::sem_post(static_cast<sem_t*>(data_ready_));
}

// --- listener ----------------------------------------------------------------

DebugMonitorListener::DebugMonitorListener() {
  std::string shm = object_name("DBWIN_BUFFER");
  int fd = ::shm_open(shm.c_str(), O_RDWR | O_CREAT, 0600);
  if (fd < 0 || ::ftruncate(fd, kDebugBufferSize) != 0) {
    if (fd >= 0) ::close(fd);
    throw std::runtime_error("debug monitor: shared memory");
  }
  buffer_ = map_buffer(fd);
  ::close(fd);
  ::sem_unlink(object_name("DBWIN_BUFFER_READY").c_str());
  ::sem_unlink(object_name("DBWIN_DATA_READY").c_str());
  sem_t* a = ::sem_open(object_name("DBWIN_BUFFER_READY").c_str(), O_CREAT, 0600, 0);
  sem_t* b = ::sem_open(object_name("DBWIN_DATA_READY").c_str(), O_CREAT, 0600, 0);
  if (!buffer_ || a == SEM_FAILED || b == SEM_FAILED)
    throw std::runtime_error("debug monitor: semaphores");
  buffer_ready_ = a;
  data_ready_ = b;
}

DebugMonitorListener::~DebugMonitorListener() {
  ::munmap(buffer_, kDebugBufferSize);
  ::sem_close(static_cast<sem_t*>(buffer_ready_));
  ::sem_close(static_cast<sem_t*>(data_ready_));
  ::shm_unlink(object_name("DBWIN_BUFFER").c_str());
  ::sem_unlink(object_name("DBWIN_BUFFER_READY").c_str());
  ::sem_unlink(object_name("DBWIN_DATA_READY").c_str());
}

void DebugMonitorListener::ready() { ::sem_post(static_cast<sem_t*>(buffer_ready_)); }

bool DebugMonitorListener::take(uint32_t& pid, std::string& text, int timeout_ms) {
  timespec until{};
  ::clock_gettime(CLOCK_REALTIME, &until);
  until.tv_sec += timeout_ms / 1000;
  until.tv_nsec += static_cast<long>(timeout_ms % 1000) * 1000000L;
  if (until.tv_nsec >= 1000000000L) {
    until.tv_sec += 1;
    until.tv_nsec -= 1000000000L;
  }
  int rc;
  do {
    rc = ::sem_timedwait(static_cast<sem_t*>(data_ready_), &until);
  } while (rc != 0 && errno == EINTR);
  if (rc != 0) return false;
  auto* p = static_cast<const char*>(buffer_);
  std::memcpy(&pid, p, 4);
  text.assign(p + 4, ::strnlen(p + 4, kDebugBufferSize - 4));
  return true;
}

}  // namespace qn::platform

// Start-up of the editor against a bare Qt window: from the program's exec until its first
// window is shown and painted, both under the same X server in one run. The server reports
// the first drawing into each new top-level window (the DAMAGE extension), so neither
// program is changed to be timed. Run under Xvfb (bench/run.sh does).
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct FreeDeleter {
  void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

class Display {
 public:
  bool open() {
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_)) return false;
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present) return false;
    damageEvent_ = damage->first_event;
    Reply<xcb_damage_query_version_reply_t>(
        xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1), nullptr));
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
    protocols_ = atom("WM_PROTOCOLS");
    deleteWindow_ = atom("WM_DELETE_WINDOW");
    xcb_flush(connection_);
    return true;
  }
  ~Display() {
    if (connection_) xcb_disconnect(connection_);
  }

  // Waits for the first drawing into a top-level window made after this call; 0 on error.
  xcb_window_t firstPaintedWindow() {
    while (xcb_generic_event_t* raw = xcb_wait_for_event(connection_)) {
      Reply<xcb_generic_event_t> event(raw);
      const int type = event->response_type & 0x7f;
      if (type == XCB_CREATE_NOTIFY) {
        // Before the new window can be drawn into, it must be mapped and exposed: watching
        // it from its creation sees its first drawing.
        const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
        xcb_damage_create(connection_, xcb_generate_id(connection_), created->window,
                          XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(connection_);
      } else if (type == damageEvent_ + XCB_DAMAGE_NOTIFY) {
        return reinterpret_cast<xcb_damage_notify_event_t*>(event.get())->drawable;
      }
    }
    return 0;
  }

  // Asks the window to close as a window manager's close button does.
  void closeWindow(xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = protocols_;
    message.data.data32[0] = deleteWindow_;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
  }

  void drainEvents() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) std::free(event);
  }

 private:
  xcb_atom_t atom(const char* name) {
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::string(name).size()), name),
        nullptr));
    return reply ? reply->atom : XCB_NONE;
  }

  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = 0;
  int damageEvent_ = 0;
  xcb_atom_t protocols_ = 0;
  xcb_atom_t deleteWindow_ = 0;
};

Display* display = nullptr;

// The processor time all of a process's threads have used so far, from the scheduler's
// nanosecond counts: less disturbed by other work on the machine than the wall time.
double CpuSeconds(pid_t process) {
  const std::string tasks = "/proc/" + std::to_string(process) + "/task";
  std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(tasks.c_str()), closedir);
  if (!folder) return 0;
  double seconds = 0;
  while (const dirent* task = readdir(folder.get())) {
    if (task->d_name[0] == '.') continue;
    std::ifstream schedstat(tasks + "/" + task->d_name + "/schedstat");
    double nanoseconds = 0;
    if (schedstat >> nanoseconds) seconds += nanoseconds / 1e9;
  }
  return seconds;
}

struct StartTimes {
  double wall = -1;  // seconds from exec to the first painted window; -1 without a window
  double cpu = 0;    // the processor seconds the program had used by then
};

// One start: exec to the first painted window, then a close as a user's and a wait.
StartTimes TimeStart(const std::string& program, const char* option = nullptr) {
  char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(option), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  display->drainEvents();
  const auto started = Clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ) != 0) return {};
  posix_spawn_file_actions_destroy(&actions);
  const xcb_window_t window = display->firstPaintedWindow();
  StartTimes times;
  times.wall = std::chrono::duration<double>(Clock::now() - started).count();
  times.cpu = CpuSeconds(child);
  if (window) display->closeWindow(window);
  int status = 0;
  waitpid(child, &status, 0);
  if (!window) times.wall = -1;
  return times;
}

void Start(benchmark::State& state, const std::string& program, const char* option = nullptr) {
  double cpu = 0;
  for (auto _ : state) {
    const StartTimes times = TimeStart(program, option);
    if (times.wall < 0) {
      state.SkipWithError(("no window from " + program).c_str());
      return;
    }
    state.SetIterationTime(times.wall);
    cpu += times.cpu;
  }
  state.counters["cpu_ms"] = benchmark::Counter(1000 * cpu, benchmark::Counter::kAvgIterations);
}

void BM_StartUp_Editor(benchmark::State& state) { Start(state, QUELBROOK_BENCH_EDITOR); }
void BM_StartUp_BareWindow(benchmark::State& state) { Start(state, QUELBROOK_BENCH_BARE_WINDOW); }
void BM_StartUp_TextWindow(benchmark::State& state) { Start(state, QUELBROOK_BENCH_BARE_WINDOW, "--text"); }

void RegisterStart(const char* name, void (*function)(benchmark::State&)) {
  benchmark::RegisterBenchmark(name, function)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
  RegisterStart("BM_StartUp_Editor", BM_StartUp_Editor);
  RegisterStart("BM_StartUp_BareWindow", BM_StartUp_BareWindow);
  RegisterStart("BM_StartUp_TextWindow", BM_StartUp_TextWindow);
  // Another build of the editor (QUELBROOK_STARTUP_OTHER_EDITOR=path), timed in the same run:
  // a change's gain measured against the same load on the machine.
  static const char* other = std::getenv("QUELBROOK_STARTUP_OTHER_EDITOR");
  if (other) RegisterStart("BM_StartUp_OtherEditor", [](benchmark::State& state) { Start(state, other); });

  benchmark::Initialize(&argc, argv);
  Display x;
  if (!x.open()) {
    std::fprintf(stderr, "No X display with the DAMAGE extension: run under xvfb-run\n");
    return 1;
  }
  display = &x;
  // The editor keeps its settings here, not in the user's; the first start writes them.
  char settings[] = "/tmp/quelbrook-startup-XXXXXX";
  if (!mkdtemp(settings)) return 1;
  setenv("XDG_CONFIG_HOME", settings, 1);
  TimeStart(QUELBROOK_BENCH_EDITOR);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::system(("rm -rf " + std::string(settings)).c_str());
  return 0;
}

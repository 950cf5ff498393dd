// The senders of the progress dialog's messages. Callable from any thread;
// each returns after posting (ShowGenerationError waits for the box).
#pragma once

#include <cstdarg>
#include <functional>
#include <string_view>

namespace qn::host {

void set_progress_text(std::string_view text);  // 0x46F
void progress_step();                           // 0x470
void set_step_range(int n);                     // 0x471
void add_progress_object(std::string_view type, std::string_view name,
                         std::string_view description);  // 0x472, 0x474
void set_progress_total(int n);                          // 0x475
void show_status(std::string_view text);                 // 0x476
void clear_status();
void show_status_printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
void status_printf(const char* format, va_list args);
void status_printf_id(unsigned id, ...);
void set_line_count(int n);                      // 16-bit line count shown by the timer
int ShowGenerationError(std::string_view text);  // 0x477, synchronous
// Told of every error box before it is shown (the automation client learns
// of errors as they happen); nullptr for none.
void set_error_box_observer(std::function<void(std::string_view)> observer);

}  // namespace qn::host

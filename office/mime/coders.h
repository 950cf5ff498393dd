// Base64 and quoted-printable coders of the mail back-end. Every coding takes
// its source and its target explicitly, so nothing is shared between codings
// and several may run at once on different threads.
//
// Decoding runs over a text up to an end mark: "\r\n.\r\n" for message bodies
// and parts, "?=" for encoded words. The data ends where the mark first
// occurs, or at the end of the text when it does not occur; nothing past that
// point is ever read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/binary_file.h"

namespace qn::office {

inline constexpr std::string_view kBodyEndMark = "\r\n.\r\n";
inline constexpr std::string_view kWordEndMark = "?=";

// Where an encoder takes its bytes from.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to `size` bytes into `data`; 0 once the source is at its end.
  virtual size_t read(uint8_t* data, size_t size) = 0;
};

// A text in memory, at its end at the first NUL byte or at the end of the view.
class TextSource : public ByteSource {
 public:
  explicit TextSource(std::string_view text);
  size_t read(uint8_t* data, size_t size) override;

 private:
  std::string_view rest_;
};

// Bytes in memory, NUL bytes included.
class BytesSource : public ByteSource {
 public:
  explicit BytesSource(std::string_view bytes) : rest_(bytes) {}
  size_t read(uint8_t* data, size_t size) override;

 private:
  std::string_view rest_;
};

// A file read as raw bytes.
class FileSource : public ByteSource {
 public:
  // False when the file cannot be opened; the source is then empty.
  bool open(std::string_view path) { return file_.open(path); }
  size_t read(uint8_t* data, size_t size) override { return file_.read(data, size); }

 private:
  platform::BinaryFileReader file_;
};

// Where a coder puts its bytes. The socket layer supplies its own sink; the
// wire bytes are the same however a sink groups them.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void put(const char* data, size_t size) = 0;
};

// Bytes collected in memory.
class MemorySink : public ByteSink {
 public:
  void put(const char* data, size_t size) override { bytes.append(data, size); }
  std::string bytes;
};

// Bytes written to a file created anew.
class FileSink : public ByteSink {
 public:
  bool create(std::string_view path) { return file_.create(path); }
  void put(const char* data, size_t size) override { file_.write(data, size); }
  // False when the file could not be created or a byte could not be written.
  bool close() { return file_.close(); }

 private:
  platform::BinaryFileWriter file_;
};

// Encodes the whole source in base64. With line breaks, a line feed (LF alone)
// follows every 72 characters and ends a non-empty last line; without, the
// output is one line with no line feed. An empty source writes nothing.
void Base64Encode(ByteSource& source, ByteSink& target, bool line_breaks);
// The same with the given line end after every 72 characters and after a
// non-empty last line; an empty line end writes one line. The mail wire uses
// CR LF.
void Base64Encode(ByteSource& source, ByteSink& target, std::string_view line_end);

// Decodes base64 text up to the end mark. A white-space character where a
// group of four starts is skipped together with the character after it (the
// CR LF of a line end); inside a group white space is skipped alone. A
// character outside the alphabet counts as 63. "=" ends the data. When the
// data ends before a group's second character, the warning line
// "Warning: base64 decoder saw premature EOF!" goes to the standard error
// stream; before the third or fourth, the group is completed as if padded.
void Base64Decode(std::string_view text, std::string_view end_mark, ByteSink& target);

// Decodes quoted-printable text up to the end mark: "=" CR and the character
// after it are a soft line break; "=" and two characters are one byte, where a
// character that is not a hexadecimal digit counts as 15; every other byte is
// copied. With `underscore_is_blank` (the Q encoding of header words) '_'
// stands for a blank. A "=" that the end of the data cuts short is a soft
// line break when nothing or a CR follows it, and is copied with its one
// character otherwise.
void QpDecode(std::string_view text, std::string_view end_mark, ByteSink& target,
              bool underscore_is_blank = false);

}  // namespace qn::office

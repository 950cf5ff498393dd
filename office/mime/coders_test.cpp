#include "office/mime/coders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace qn::office {
namespace {

namespace fs = std::filesystem;
using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

constexpr char kWarning[] = "Warning: base64 decoder saw premature EOF!\n";

std::string encode_text(std::string_view text, bool line_breaks) {
  TextSource source(text);
  MemorySink sink;
  Base64Encode(source, sink, line_breaks);
  return sink.bytes;
}

std::string decode_base64(std::string_view text, std::string_view end_mark) {
  MemorySink sink;
  Base64Decode(text, end_mark, sink);
  return sink.bytes;
}

std::string decode_qp(std::string_view text, std::string_view end_mark, bool underscore = false) {
  MemorySink sink;
  QpDecode(text, end_mark, sink, underscore);
  return sink.bytes;
}

// Bytes that may hold NULs, which a text source would stop at.
class BytesSource : public ByteSource {
 public:
  explicit BytesSource(std::string_view bytes) : rest_(bytes) {}
  size_t read(uint8_t* data, size_t size) override {
    size = std::min(size, rest_.size());
    std::copy_n(rest_.data(), size, data);
    rest_.remove_prefix(size);
    return size;
  }

 private:
  std::string_view rest_;
};

class CoderFiles : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qn_coders_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return (dir_ / name).string();
  }
  std::string read(const std::string& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::string encode_file(const std::string& bytes, bool line_breaks) {
    FileSource source;
    EXPECT_TRUE(source.open(write("in.bin", bytes)));
    MemorySink sink;
    Base64Encode(source, sink, line_breaks);
    return sink.bytes;
  }
  fs::path dir_;
};

TEST(Base64Encode, PublishedVectorsAndPadding) {
  struct Case {
    std::string_view bytes;
    std::string_view encoded;
  } cases[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
      {"abc", "YWJj"},
      {"ab", "YWI="},
      {"a", "YQ=="},
      {"\xFF\xFE\x80", "//6A"},  // bytes of 128 or more as any encoder gives them
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.bytes));
    EXPECT_EQ(encode_text(c.bytes, false), c.encoded);
    EXPECT_EQ(encode_text(c.bytes, true), c.encoded.empty() ? "" : std::string(c.encoded) + "\n");
  }
}

TEST(Base64Encode, TextSourceEndsAtNul) {
  EXPECT_EQ(encode_text(std::string_view("ab\0cd", 5), false), "YWI=");
}

TEST_F(CoderFiles, LinesOf72CharactersEndWithLineFeed) {
  std::string line(72, '*');
  struct Case {
    size_t size;
    bool line_breaks;
    std::string shape;  // '*' stands for any alphabet character
  } cases[] = {
      {0, true, ""},
      {54, true, line + "\n"},
      {55, true, line + "\n" + "**==\n"},
      {57, true, line + "\n" + "****\n"},  // a multiple of three: no padding
      {55, false, line + "**=="},
      {108, true, line + "\n" + line + "\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    std::string bytes(c.size, 'x');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 37);
    std::string out = encode_file(bytes, c.line_breaks);
    ASSERT_EQ(out.size(), c.shape.size());
    for (size_t i = 0; i < out.size(); ++i) {
      if (c.shape[i] != '*')
        EXPECT_EQ(out[i], c.shape[i]) << i;
      else
        EXPECT_EQ(std::string_view("\n=").find(out[i]), std::string_view::npos) << i;
    }
  }
}

TEST_F(CoderFiles, MissingFileCannotBeOpened) {
  FileSource source;
  EXPECT_FALSE(source.open((dir_ / "missing").string()));
  MemorySink sink;
  Base64Encode(source, sink, true);
  EXPECT_EQ(sink.bytes, "");
}

TEST(Base64Decode, GroupsPaddingEndMarksAndDamage) {
  struct Case {
    const char* name;
    std::string_view text;
    std::string_view end_mark;
    std::string_view bytes;
    bool warning = false;
  } cases[] = {
      {"published vector", "Zm9vYmFy", "", "foobar"},
      {"published vector padded", "Zm9vYg==", "", "foob"},
      {"published vector one pad", "Zm9vYmE=", "\r\n.\r\n", "fooba"},
      {"word end mark", "YWJj?=", "?=", "abc"},
      {"two characters then the mark", "YQ?=", "?=", "a"},
      {"three characters then the mark", "YWI?=", "?=", "ab"},
      {"one character then the mark", "Y?=", "?=", "", true},
      {"nothing past the end mark", "YWJj\r\n.\r\nYWJj", "\r\n.\r\n", "abc"},
      {"no end mark: the whole text", "YWJjYWJj", "?=", "abcabc"},
      {"CR LF at a group start", "YW\r\nJj", "", "abc"},
      {"lone line feed takes the next character", "YWJj\nXYWJj", "", "abcabc"},
      {"blank inside a group", "YW J\tj", "", "abc"},
      {"outside character sets its own bits", "Y!Jj", "", "\x63\xF2\x63"},
      {"byte of 128 or more is outside", "Y\xE9Jj", "", "\x63\xF2\x63"},
      {"= first ends the data", "=YWJj", "", ""},
      {"= second ends the data", "Y=Jj", "", ""},
      {"data ended: the rest is skipped", "YQ==YWJj", "", "a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CaptureStderr();
    EXPECT_EQ(decode_base64(c.text, c.end_mark), c.bytes);
    EXPECT_EQ(GetCapturedStderr(), c.warning ? kWarning : "");
  }
}

TEST(Base64Decode, OwnLineFeedOutputLosesCharactersButCrLfRoundTrips) {
  std::string bytes(57, 'z');
  // The LF alone at a group start swallows the first character of the next line.
  EXPECT_EQ(decode_base64(encode_text(bytes, true), ""), std::string(54, 'z') + "\x9E\x9E");

  std::mt19937 rng(19);
  for (size_t size : {0, 1, 2, 3, 53, 54, 55, 56, 1000, 65537}) {
    SCOPED_TRACE(size);
    std::string random(size, '\0');
    for (char& b : random) b = static_cast<char>(rng());
    BytesSource source(random);
    MemorySink lf;
    Base64Encode(source, lf, true);
    std::string crlf;
    for (char ch : lf.bytes) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    // As a body on the wire: the last line's CR LF begins the end mark.
    std::string body = crlf.empty() ? "\r\n.\r\n" : crlf + ".\r\n";
    CaptureStderr();
    EXPECT_EQ(decode_base64(body, kBodyEndMark), random);
    EXPECT_EQ(GetCapturedStderr(), "");

    BytesSource again(random);
    MemorySink one_line;
    Base64Encode(again, one_line, false);
    EXPECT_EQ(decode_base64(one_line.bytes, kBodyEndMark), random);
  }
}

TEST_F(CoderFiles, DecodesIntoFile) {
  FileSink file;
  ASSERT_TRUE(file.create((dir_ / "out.bin").string()));
  Base64Decode("AP8AYWJj\r\n.\r\n", kBodyEndMark, file);
  EXPECT_TRUE(file.close());
  EXPECT_EQ(read("out.bin"), std::string("\0\xFF\0abc", 6));
}

TEST(QpDecode, EscapesSoftBreaksAndEndMarks) {
  struct Case {
    const char* name;
    std::string_view text;
    std::string_view end_mark;
    std::string_view bytes;
    bool underscore = false;
  } cases[] = {
      {"published soft line breaks",
       "Now's the time =\r\nfor all folk to come=\r\n to the aid of their country.", "",
       "Now's the time for all folk to come to the aid of their country."},
      {"published escapes", "a=3Db=0Cc", "",
       "a=b\x0C"
       "c"},
      {"escape and soft break", "abc=E9=\r\nabc", "",
       "abc\xE9"
       "abc"},
      {"lower-case digits", "=e9=3d", "", "\xE9="},
      {"no digit counts as 15", "=ZZ", "", "\xFF"},
      {"byte of 128 or more counts as 15",
       "=\xE9"
       "A",
       "", "\xFA"},
      {"hard line ends pass", "one\r\ntwo\r\n.\r\nthree", "\r\n.\r\n", "one\r\ntwo"},
      {"soft break before the end mark", "last line=\r\n.\r\n", "\r\n.\r\n", "last line"},
      {"escape cut by the end mark", "ab=4?=", "?=", "ab=4"},
      {"underscore in a header word", "a_b=5F", "?=", "a b_", true},
      {"underscore in a body", "a_b", "", "a_b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(decode_qp(c.text, c.end_mark, c.underscore), c.bytes);
  }
}

}  // namespace
}  // namespace qn::office

#include "office/mime/mime_parser.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "office/mime/coders.h"

namespace qn::office {
namespace {

namespace fs = std::filesystem;

// A message as the POP3 client hands it over: status line, the lines given
// (written with "\n", sent with CR LF) and the end mark.
std::string received(std::string_view lines) {
  std::string out = "+OK 4711 octets\r\n";
  for (char c : lines) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out + ".\r\n";
}

// Base64 in lines of 76 characters, as mailers write attachments.
std::string base64_lines(std::string_view bytes) {
  struct Source : ByteSource {
    std::string_view rest;
    size_t read(uint8_t* data, size_t size) override {
      size = std::min(size, rest.size());
      std::copy_n(rest.data(), size, data);
      rest.remove_prefix(size);
      return size;
    }
  } source;
  source.rest = bytes;
  MemorySink one_line;
  Base64Encode(source, one_line, false);
  std::string out;
  for (size_t i = 0; i < one_line.bytes.size(); i += 76) out += one_line.bytes.substr(i, 76) + "\n";
  return out;
}

std::string random_bytes(size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  std::string bytes(size, '\0');
  for (char& b : bytes) b = static_cast<char>(rng());
  return bytes;
}

TEST(ParseAddressList, FormsOfEntries) {
  using enum AddressFormat;
  struct Case {
    const char* name;
    std::optional<std::string_view> value;
    AddressFormat format;
    std::string_view list;
  } cases[] = {
      {"quoted name, format 2", "\"Anna Smith\" <anna@example.com>", NameAndAddress,
       "Anna Smith (anna@example.com)"},
      {"quoted name, format 0", "\"Anna Smith\" <anna@example.com>", Name, "Anna Smith"},
      {"quoted name, format 1", "\"Anna Smith\" <anna@example.com>", Address, "anna@example.com"},
      {"bare address twice", "bob@example.com", NameAndAddress,
       "bob@example.com (bob@example.com)"},
      {"angle address alone", "<bob@example.com>", NameAndAddress,
       "bob@example.com (bob@example.com)"},
      {"several entries", "Anna <a@x.org>,Bob Brown <b@x.org>,c@x.org", NameAndAddress,
       "Anna (a@x.org); Bob Brown (b@x.org); c@x.org (c@x.org)"},
      {"comma inside quotes", "\"Smith, Anna\" <a@x.org>, 'Bob' <b@x.org>", Name,
       "Smith, Anna; Bob"},
      {"blank after '>' ends the list", "Anna <a@x.org> , Bob <b@x.org>", Address, "a@x.org"},
      {"encoded name", "=?iso-8859-1?Q?Ren=E9_Roth?= <rr@x.org>", Name, "Ren\xE9 Roth"},
      {"missing header", std::nullopt, NameAndAddress, ""},
      {"empty value", "  ", NameAndAddress, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParseAddressList(c.value, c.format), c.list);
  }
  std::string long_name(300, 'n');
  EXPECT_EQ(ParseAddressList(long_name + " <l@x.org>", Name), std::string(255, 'n'));
}

TEST(ParseDateHeader, DateForms) {
  struct Case {
    std::optional<std::string_view> value;
    std::string_view date;
  } cases[] = {
      {std::nullopt, "01/01/1980"},
      {"Tue, 8 Dec 98 10:22:01 +0100", "8/12/1998"},
      {"Tue,  8 Dec 1998 10:22:01 -0500 (EST)", "8/12/1998"},
      {"8 Dec 2004 10:00:00 GMT", "8/12/2004"},
      {"Mon, 03 Jan 05 08:00:00 +0000", "03/1/2005"},
      {"Wed, 31 Dec 69 23:59:59 +0000", "31/12/2069"},
      {"Thu, 1 Jan 70 00:00:00 +0000", "1/1/1970"},
      {"Fri, 1 dec 2000 12:00:00", "01/01/1980"},
      {"Fri, 1 Foo 2000 12:00:00", "01/01/1980"},
      {"yesterday", "01/01/1980"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.value.value_or("(none)")));
    EXPECT_EQ(ParseDateHeader(c.value), c.date);
  }
}

TEST(DecodeHeaderWord, FirstEncodedWordOnly) {
  struct Case {
    std::string_view text;
    std::string_view decoded;
  } cases[] = {
      {"=?iso-8859-1?Q?Caf=E9_ouvert?=", "Caf\xE9 ouvert"},
      {"Re: a_b =?ISO-8859-1?q?x_y?= c_d", "Re: a_b x y c_d"},
      {"=?utf-8?B?SGVsbG8gV29ybGQ=?=!", "Hello World!"},
      {"=?utf-8?b?YWJj?= =?utf-8?b?ZGVm?=", "abc =?utf-8?b?ZGVm?="},
      {"=?utf-8?X?abc?=", "=?utf-8?X?abc?="},
      {"=?utf-8?Q?abc", "=?utf-8?Q?abc"},
      {"plain subject", "plain subject"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeHeaderWord(c.text), c.decoded) << c.text;
}

class ParseMessageTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qn_mime_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string attach_dir() const { return dir_.string() + "/"; }
  std::string file(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  fs::path dir_;
};

TEST_F(ParseMessageTest, HeadersAboveLongAddressListsAreFound) {
  std::string to;
  for (int i = 0; i < 40; ++i)
    to += (i ? ", " : "") + std::string("\"Member ") + std::to_string(i) + "\" <m" +
          std::to_string(i) + "@lists.example.org>";
  std::string msg = received(
      "Date: Tue, 8 Dec 98 10:22:01 +0100\n"
      "Subject: =?iso-8859-1?Q?Quartalsabschlu=DF?= und_mehr\n"
      "Return-Path: <owner@lists.example.org>\n"
      "From: \"Anna Smith\" <anna.smith@example.com>\n"
      "To: " +
      to +
      "\n"
      "cc: Bob <bob@example.com>\n"
      "Message-ID: <123@example.com>\n"
      "\n"
      "Hello all\n");
  ReceivedMessage m = ParseMessage(msg, AddressFormat::NameAndAddress, "");
  EXPECT_EQ(m.date_sent, "8/12/1998");
  EXPECT_EQ(m.date_received, "8/12/1998");
  EXPECT_EQ(m.subject, "Quartalsabschlu\xDF und_mehr");
  EXPECT_EQ(m.from, "Anna Smith (anna.smith@example.com)");
  EXPECT_EQ(m.to.substr(0, 33), "Member 0 (m0@lists.example.org); ");
  EXPECT_NE(m.to.find("; Member 39 (m39@lists.example.org)"), std::string::npos);
  EXPECT_EQ(m.cc, "Bob (bob@example.com)");
  EXPECT_EQ(m.text, "Hello all\r\n");  // no Content-Type: the body with its last CR LF
  EXPECT_EQ(m.error, kMimeOk);
}

TEST_F(ParseMessageTest, MissingAndFoldedHeaders) {
  ReceivedMessage m = ParseMessage(received("Sender: list@example.org\n"
                                            "Subject: A long subject that the mailer\n"
                                            " folded onto a second line\n"
                                            "Content-Type: text/plain\n"
                                            "\n"
                                            "Line one\n"
                                            "Line two\n"),
                                   AddressFormat::Address, "");
  EXPECT_EQ(m.from, "list@example.org");
  EXPECT_EQ(m.to, "");
  EXPECT_EQ(m.cc, "");
  EXPECT_EQ(m.date_sent, "01/01/1980");
  EXPECT_EQ(m.subject, "A long subject that the mailer");
  EXPECT_EQ(m.text, "Line one\r\nLine two");  // exactly the body up to the end mark
  EXPECT_EQ(m.attachs, "");
}

TEST_F(ParseMessageTest, BodyShapes) {
  struct Case {
    const char* name;
    std::string message;
    std::string text;
  } cases[] = {
      {"quoted-printable text",
       received("Content-Type: text/plain; charset=iso-8859-1\n"
                "Content-Transfer-Encoding: quoted-printable\n"
                "\n"
                "Gr=FC=DFe aus einer sehr langen Zeile, die der Mailer umbrechen mu=\n"
                "sste.\n"),
       "Gr\xFC\xDF"
       "e aus einer sehr langen Zeile, die der Mailer umbrechen musste."},
      {"alternative, plain part first",
       received("MIME-Version: 1.0\n"
                "Content-Type: multipart/alternative;\n"
                "\tboundary=\"----=_NextPart_000_0007_01C2A9A6.5D2D2D20\"\n"
                "\n"
                "This is a multi-part message in MIME format.\n"
                "\n"
                "------=_NextPart_000_0007_01C2A9A6.5D2D2D20\n"
                "Content-Type: text/plain;\n"
                "\tcharset=\"iso-8859-1\"\n"
                "Content-Transfer-Encoding: quoted-printable\n"
                "\n"
                "Price: 10 =80\n"
                "=3D total\n"
                "\n"
                "------=_NextPart_000_0007_01C2A9A6.5D2D2D20\n"
                "Content-Type: text/html;\n"
                "\tcharset=\"iso-8859-1\"\n"
                "Content-Transfer-Encoding: quoted-printable\n"
                "\n"
                "<p>Price: 10 &euro;</p>\n"
                "\n"
                "------=_NextPart_000_0007_01C2A9A6.5D2D2D20--\n"),
       "Price: 10 \x80\r\n= total\r\n\r\n"},
      {"alternative, html part first; unquoted boundary",
       received("Content-Type: multipart/alternative; boundary=b1; charset=us-ascii\n"
                "\n"
                "--b1\n"
                "Content-Type: text/html\n"
                "\n"
                "<b>hi</b>\n"
                "--B1\n"
                "Content-Type: text/plain\n"
                "\n"
                "hi\n"
                "--b1--\n"),
       "<b>hi</b>\r\n"},
      {"empty body", received("From: a@x.org\n\n"), ""},
      {"text lines \".\" (stuffing undone) stay in the text",
       received("Content-Type: multipart/mixed; boundary=\"x\"\n\n--x\n"
                "Content-Type: text/plain\nContent-Transfer-Encoding: quoted-printable\n\n"
                "a\n.\nb=\n\n.\n--x--\n"),
       "a\r\n.\r\nb\r\n.\r\n"},
      {"part without headers",
       received("Content-Type: multipart/mixed; boundary=\"x\"\n\n--x\n\nbare part\n--x--\n"),
       "bare part\r\n\r\n"},
      {"no closing delimiter: the last part is not walked",
       received("Content-Type: multipart/mixed; boundary=\"x\"\n\n--x\nContent-Type: "
                "text/plain\n\ncut off\n"),
       ""},
      {"embedded message",
       received("From: Forwarder <fw@example.com>\n"
                "Content-Type: multipart/mixed; boundary=\"outer\"\n"
                "\n"
                "--outer\n"
                "Content-Type: message/rfc822\n"
                "\n"
                "Content-Type: text/plain\n"
                "From: Original <orig@example.com>\n"
                "Subject: inner\n"
                "\n"
                "Inner text\n"
                "--outer--\n"),
       "Inner text\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReceivedMessage m = ParseMessage(c.message, AddressFormat::Name, "");
    EXPECT_EQ(m.text, c.text);
    EXPECT_EQ(m.attachs, "");
  }
}

// A mixed message with a text part and attachments of the kinds mailers send.
std::string mixed_message(const std::string& pdf, const std::string& data) {
  return received(
      "From: Anna <anna@example.com>\n"
      "Subject: Files\n"
      "Content-Type: multipart/mixed;\n"
      "\tboundary=\"=_Part_42\"\n"
      "\n"
      "--=_Part_42\n"
      "Content-Type: text/plain; charset=us-ascii\n"
      "\n"
      "See the files.\n"
      "--=_Part_42\n"
      "Content-Type: application/pdf; name=\"C:\\Users\\anna\\report.pdf\"\n"
      "Content-Transfer-Encoding: base64\n"
      "Content-Disposition: attachment; filename=\"C:\\Users\\anna\\report.pdf\"\n"
      "\n" +
      base64_lines(pdf) +
      "\n"
      "--=_Part_42\n"
      "Content-Type: application/octet-stream\n"
      "Content-Transfer-Encoding: BASE64\n"
      "Content-Disposition: attachment; filename=\"../../tmp/data.bin\"\n"
      "\n" +
      base64_lines(data) +
      "--=_Part_42\n"
      "Content-Type: application/octet-stream; name=\"=?iso-8859-1?Q?r=E9sum=E9.txt?=\"\n"
      "Content-Transfer-Encoding: quoted-printable\n"
      "\n"
      "caf=E9\n"
      "--=_Part_42\n"
      "Content-Type: application/octet-stream; name=\"plain.bin\"\n"
      "Content-Transfer-Encoding: 7bit\n"
      "\n"
      "not decoded\n"
      "--=_Part_42\n"
      "Content-Type: image/png\n"
      "\n"
      "a part without a name\n"
      "--=_Part_42--\n");
}

TEST_F(ParseMessageTest, AttachmentsAreSavedByteForByte) {
  std::string pdf = random_bytes(5000, 1), data = random_bytes(57, 2);
  ReceivedMessage m = ParseMessage(mixed_message(pdf, data), AddressFormat::Name, attach_dir());
  EXPECT_EQ(m.error, kMimeOk);
  EXPECT_EQ(m.text, "See the files.\r\n");
  EXPECT_EQ(m.attachs, "report.pdf; data.bin; r\xE9sum\xE9.txt; plain.bin");
  EXPECT_EQ(file("report.pdf"), pdf);
  EXPECT_EQ(file("data.bin"), data);
  EXPECT_EQ(file("r\xE9sum\xE9.txt"), "caf\xE9\r\n");
  EXPECT_TRUE(fs::exists(dir_ / "plain.bin"));
  EXPECT_EQ(file("plain.bin"), "");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 4);
}

TEST_F(ParseMessageTest, WithoutDirectoryOnlyNamesComeBack) {
  ReceivedMessage m = ParseMessage(mixed_message("pdf", "data"), AddressFormat::Name, "");
  EXPECT_EQ(m.attachs, "report.pdf; data.bin; r\xE9sum\xE9.txt; plain.bin");
  EXPECT_EQ(fs::directory_iterator(dir_), fs::directory_iterator());
}

TEST_F(ParseMessageTest, FileThatCannotBeCreatedGives16AndTheRestGoesOn) {
  fs::create_directory(dir_ / "report.pdf");  // in the way of the first attachment
  ReceivedMessage m = ParseMessage(mixed_message("pdf", "data"), AddressFormat::Name, attach_dir());
  EXPECT_EQ(m.error, kMimeAttachmentNotSaved);
  EXPECT_EQ(m.error_value, "report.pdf");
  EXPECT_EQ(m.text, "See the files.\r\n");
  EXPECT_EQ(m.attachs, "report.pdf; data.bin; r\xE9sum\xE9.txt; plain.bin");
  EXPECT_EQ(file("data.bin"), "data");
}

// Each attachment lands in a file of its own, and the list names the files
// as saved: an encoded NUL becomes a blank, a repeated name gets a number.
TEST_F(ParseMessageTest, AttachmentNamesAreDistinctAndWhole) {
  std::string body = "Content-Type: multipart/mixed; boundary=\"b\"\n\n";
  const char* names[] = {"a.txt", "a.txt", "a1.txt", "a.txt", "=?iso-8859-1?Q?x=00y.txt?=",
                         "README", "README"};
  int i = 0;
  for (const char* name : names) {
    body += std::string("--b\nContent-Type: application/octet-stream; name=\"") + name +
            "\"\nContent-Transfer-Encoding: quoted-printable\n\n" + std::to_string(i++) + "\n";
  }
  body += "--b--\n";
  ReceivedMessage m = ParseMessage(received(body), AddressFormat::Name, attach_dir());
  EXPECT_EQ(m.error, kMimeOk);
  EXPECT_EQ(m.attachs, "a.txt; a1.txt; a11.txt; a2.txt; x y.txt; README; README1");
  const std::pair<const char*, const char*> saved[] = {
      {"a.txt", "0\r\n"},   {"a1.txt", "1\r\n"},  {"a11.txt", "2\r\n"},   {"a2.txt", "3\r\n"},
      {"x y.txt", "4\r\n"}, {"README", "5\r\n"}, {"README1", "6\r\n"}};
  for (const auto& [name, content] : saved) EXPECT_EQ(file(name), content) << name;
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 7);
}

TEST_F(ParseMessageTest, AttachmentListStopsBelow2048Characters) {
  std::string body = "Content-Type: multipart/mixed; boundary=\"b\"\n\n";
  std::string name(95, 'a');
  for (int i = 0; i < 30; ++i) {
    body += "--b\nContent-Type: application/octet-stream; name=\"" + name +
            std::to_string(1000 + i) + "\"\n\nx\n";
  }
  body += "--b--\n";
  ReceivedMessage m = ParseMessage(received(body), AddressFormat::Name, "");
  // 20 names of 99 characters and their separators fit in 2047; a 21st would not.
  EXPECT_EQ(m.attachs.size(), 20 * 99 + 19 * 2u);
  EXPECT_EQ(m.attachs.substr(m.attachs.size() - 4), "1019");
}

}  // namespace
}  // namespace qn::office

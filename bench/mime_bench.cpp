// Speed of the mail coders and the message parser: decoding base64 in the
// 76-character CR LF lines mailers send, and parsing a 10 MB message (a
// quoted-printable text and a base64 attachment) with and without saving the
// attachment.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "office/mime/coders.h"
#include "office/mime/mime_parser.h"

namespace {

namespace fs = std::filesystem;
using namespace qn::office;

class Bytes : public ByteSource {
 public:
  explicit Bytes(std::string_view bytes) : rest_(bytes) {}
  size_t read(uint8_t* data, size_t size) override {
    size = std::min(size, rest_.size());
    std::memcpy(data, rest_.data(), size);
    rest_.remove_prefix(size);
    return size;
  }

 private:
  std::string_view rest_;
};

// Base64 of `size` random bytes in lines of 76 characters ended by CR LF.
std::string base64_body(size_t size) {
  std::mt19937 rng(7);
  std::string bytes(size, '\0');
  for (char& b : bytes) b = static_cast<char>(rng());
  Bytes source(bytes);
  MemorySink one_line;
  Base64Encode(source, one_line, false);
  std::string out;
  out.reserve(one_line.bytes.size() * 78 / 76 + 2);
  for (size_t i = 0; i < one_line.bytes.size(); i += 76) {
    out.append(one_line.bytes, i, 76);
    out += "\r\n";
  }
  return out;
}

class NullSink : public ByteSink {
 public:
  void put(const char*, size_t size) override { bytes += size; }
  size_t bytes = 0;
};

void BM_Base64Decode(benchmark::State& state) {
  static const std::string body = base64_body(16u << 20) + ".\r\n";
  for (auto _ : state) {
    NullSink sink;
    Base64Decode(body, kBodyEndMark, sink);
    benchmark::DoNotOptimize(sink.bytes);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * body.size()));
}
BENCHMARK(BM_Base64Decode)->Unit(benchmark::kMillisecond);

const std::string& ten_mb_message() {
  static const std::string message = [] {
    std::string m =
        "+OK 10485760 octets\r\n"
        "Date: Tue, 8 Dec 98 10:22:01 +0100\r\n"
        "From: \"Anna Smith\" <anna@example.com>\r\n"
        "To: Bob <bob@example.com>, Carol <carol@example.com>\r\n"
        "Subject: =?iso-8859-1?Q?Quartalsabschlu=DF?=\r\n"
        "Content-Type: multipart/mixed;\r\n\tboundary=\"----=_Part_0_1234.5678\"\r\n"
        "\r\n"
        "------=_Part_0_1234.5678\r\n"
        "Content-Type: text/plain; charset=iso-8859-1\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "\r\n";
    std::string line =
        "Gr=FC=DFe: eine Zeile Text, die der Mailer als quoted-printable schreibt =\r\n";
    while (m.size() < (2u << 20)) m += line;
    m += "\r\n------=_Part_0_1234.5678\r\n"
         "Content-Type: application/pdf; name=\"report.pdf\"\r\n"
         "Content-Transfer-Encoding: base64\r\n"
         "\r\n";
    m += base64_body((10u << 20) - m.size() * 3 / 4);
    m += "------=_Part_0_1234.5678--\r\n.\r\n";
    return m;
  }();
  return message;
}

void BM_ParseMessage(benchmark::State& state) {
  const std::string& message = ten_mb_message();
  fs::path dir = fs::temp_directory_path() / ("qn_mime_bench_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string attach_dir = state.range(0) ? dir.string() + "/" : "";
  for (auto _ : state) {
    ReceivedMessage m = ParseMessage(message, AddressFormat::NameAndAddress, attach_dir);
    benchmark::DoNotOptimize(m.text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * message.size()));
  fs::remove_all(dir);
}
BENCHMARK(BM_ParseMessage)->ArgName("save")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

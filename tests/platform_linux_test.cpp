#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "fakes/temp_dir.h"
#include "platform/linux/process_linux.h"
#include "base/utf.h"
#include "platform/linux/xml_reader_linux.h"

namespace {

namespace fs = std::filesystem;
using namespace platform;
using text::FromUtf8;
using text::ToUtf8;

TEST(Utf8, RoundTripsAndReplacesMalformedBytes) {
  struct Case {
    const char* name;
    std::string utf8;
    std::wstring wide;
  };
  const Case cases[] = {
      {"ascii", "config.xml", L"config.xml"},
      {"two to four bytes", "\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80", L"\u00FC\u20AC\U0001F600"},
      {"empty", "", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::FromUtf8(c.utf8), c.wide) << c.name;
    EXPECT_EQ(text::ToUtf8(c.wide), c.utf8) << c.name;
  }
  const Case malformed[] = {
      {"lone continuation", "a\x80z", L"a\uFFFDz"},
      {"truncated sequence at the end", "a\xE2\x82", L"a\uFFFD\uFFFD"},
      {"overlong encoding", "\xC0\xAF", L"\uFFFD\uFFFD"},
      {"surrogate", "\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"},
  };
  for (const Case& c : malformed) EXPECT_EQ(text::FromUtf8(c.utf8), c.wide) << c.name;
}

// Writes a document and walks it with the real reader, one line per node.
class ReaderRun {
 public:
  explicit ReaderRun(const std::string& document, bool prohibitDtd = true) {
    std::ofstream(dir_.Path() / "doc.xml", std::ios::binary) << document;
    linux_backend::LibXmlFactory factory;
    EXPECT_EQ(factory.OpenReadStream(text::FromUtf8((dir_.Path() / "doc.xml").string()), stream_), kOk);
    EXPECT_EQ(factory.CreateReader(reader_), kOk);
    if (prohibitDtd) {
      EXPECT_EQ(reader_->ProhibitDtd(), kOk);
    }
    EXPECT_EQ(reader_->SetInput(*stream_), kOk);
  }

  std::wstring Walk() {
    std::wstring out;
    XmlNodeType type;
    while ((last_ = reader_->Read(type)) == kOk) {
      std::wstring name;
      std::wstring value;
      std::wstring prefix;
      switch (type) {
        case XmlNodeType::Element:
          reader_->GetPrefix(prefix);
          reader_->GetLocalName(name);
          out += L"<" + (prefix.empty() ? L"" : prefix + L":") + name;
          for (HResult hr = reader_->MoveToFirstAttribute(); hr == kOk; hr = reader_->MoveToNextAttribute()) {
            reader_->GetLocalName(name);
            reader_->GetValue(value);
            out += L" " + name + L"=" + value + (reader_->IsDefault() ? L"(default)" : L"");
          }
          out += L">";
          break;
        case XmlNodeType::EndElement:
          reader_->GetLocalName(name);
          out += L"</" + name + L">";
          break;
        case XmlNodeType::Text: reader_->GetValue(value); out += L"T(" + value + L")"; break;
        case XmlNodeType::CData: reader_->GetValue(value); out += L"C(" + value + L")"; break;
        case XmlNodeType::Comment: reader_->GetValue(value); out += L"!(" + value + L")"; break;
        case XmlNodeType::Whitespace: reader_->GetValue(value); out += L"W(" + std::to_wstring(value.size()) + L")"; break;
        case XmlNodeType::ProcessingInstruction:
          reader_->GetLocalName(name);
          reader_->GetValue(value);
          out += L"?(" + name + L" " + value + L")";
          break;
        case XmlNodeType::DocumentType: out += L"DOCTYPE"; break;
        default: out += L"other"; break;
      }
    }
    return out;
  }
  HResult Last() const { return last_; }

 private:
  fakes::TempDir dir_{"veloinspect-xml"};
  std::unique_ptr<XmlStream> stream_;
  std::unique_ptr<XmlReader> reader_;
  HResult last_ = kOk;
};

TEST(LibXmlReader, ReportsEveryNodeKindTheWalkNeeds) {
  ReaderRun run(
      "<?xml version=\"1.0\"?>\n<r a=\"1\" b=\"&lt;2&gt;\">\n  <e/>text &amp; more<![CDATA[<raw>]]><!-- c -->"
      "<?pi data?><x:n xmlns:x=\"urn:x\"></x:n></r>");
  EXPECT_EQ(run.Walk(),
            L"<r a=1 b=<2>>W(3)<e>T(text & more)C(<raw>)!( c )?(pi data)<x:n x=urn:x></n></r>");
  EXPECT_EQ(run.Last(), kFalse);
}

TEST(LibXmlReader, RefusesDocumentTypeDeclarationsWhenAsked) {
  const std::string document = "<!DOCTYPE r [<!ENTITY big \"aaaaaaaaaa\">]><r>&big;</r>";
  ReaderRun prohibited(document);
  EXPECT_EQ(prohibited.Walk(), L"");
  EXPECT_EQ(prohibited.Last(), kXmlDtdProhibited);

  ReaderRun allowed(document, false);
  EXPECT_EQ(allowed.Walk().rfind(L"DOCTYPE<r>", 0), 0u);
}

TEST(LibXmlReader, DeliversEveryNodeBeforeAFault) {
  ReaderRun run("<r><a k=\"v\"></a><b></r>");
  EXPECT_EQ(run.Walk(), L"<r><a k=v></a><b>");
  EXPECT_EQ(run.Last(), kXmlMalformed);
  // The fault is final: reading on gives the same answer.
  EXPECT_EQ(run.Walk(), L"");
  EXPECT_EQ(run.Last(), kXmlMalformed);
}

TEST(LibXmlReader, OpensOnlyExistingRegularFiles) {
  linux_backend::LibXmlFactory factory;
  std::unique_ptr<XmlStream> stream;
  EXPECT_EQ(factory.OpenReadStream(L"/nonexistent/dir/config.xml", stream), kFileNotFound);
  EXPECT_EQ(stream, nullptr);
  EXPECT_FALSE(Succeeded(factory.OpenReadStream(text::FromUtf8(fs::temp_directory_path().string()), stream)));
  EXPECT_EQ(stream, nullptr);
}

TEST(LinuxProcess, ExecutablePathIsThisTestProgram) {
  linux_backend::LinuxProcess process;
  const std::wstring path = process.ExecutablePath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path[0], L'/');
  EXPECT_EQ(fs::path(text::ToUtf8(path)), fs::canonical("/proc/self/exe"));
  EXPECT_EQ(process.PathSeparator(), L'/');
  EXPECT_EQ(process.InitializeApartment(), kOk);
}

}  // namespace

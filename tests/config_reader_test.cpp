#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "fakes/fake_platform.h"
#include "fakes/temp_dir.h"
#include "model/config_reader.h"

namespace {

namespace fs = std::filesystem;
using fakes::ScriptedNode;
using platform::XmlNodeType;

std::wstring DescribeEntries(const InfoEntryList& entries) {
  std::wstring out = L"[";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i) out += L"; ";
    out += entries[i].display + L"=" + entries[i].value;
  }
  return out + L"]";
}

// The declared lists in one line each: kind, name, query and entries.
std::wstring Describe(const CSysInfo& info) {
  std::wstring out;
  for (const auto& r : info.hardwareItems) out += L"H " + r->name + L" {" + r->query + L"} " + DescribeEntries(r->entries) + L"\n";
  for (const auto& r : info.osItems) out += L"O " + r->name + L" {" + r->query + L"} " + DescribeEntries(r->entries) + L"\n";
  for (const auto& r : info.productItems) out += L"P " + r->name + L" " + DescribeEntries(r->entries) + L"\n";
  for (const auto& r : info.addInItems) out += L"M " + r->name + L" " + DescribeEntries(r->entries) + L"\n";
  return out;
}

// A directory that stands for the executable's; config.xml is written in it
// and read with the machine's own XML reader.
class ConfigDirectory {
 public:
  ConfigDirectory() : host_(platform::CreateHostPlatform()) {
    process.executablePath = (dir_.Path() / "VeloInspect").wstring();
    process.separator = static_cast<wchar_t>(fs::path::preferred_separator);
  }

  void Write(const std::string& bytes) const {
    std::ofstream(ConfigPath(), std::ios::binary) << bytes;
  }
  fs::path ConfigPath() const { return dir_.Path() / "config.xml"; }

  bool Read(CSysInfo& info) {
    return ReadConfig(host_->Get().xml, process, console, info);
  }

  fakes::FakeProcess process;
  fakes::RecordingConsole console;

 private:
  fakes::TempDir dir_;
  std::unique_ptr<platform::HostPlatform> host_;
};

struct DocumentCase {
  const char* name;
  std::string document;
  std::wstring want;
  std::wstring printed = L"";
};

TEST(ReadConfig, DocumentsGiveTheDeclaredRecords) {
  const DocumentCase cases[] = {
      {"statement is the first attribute whatever its name, items in file order",
       R"(<r><CPU Whatever="SELECT * FROM Win32_Processor" Second="no"><Item Display="Name" Value="Name"/>)"
       R"(<Item Value="Cores" Display="Number of cores"/></CPU></r>)",
       L"H CPU {SELECT * FROM Win32_Processor} [Name=Name; Number of cores=Cores]\n"},
      {"element without attribute has an empty query", "<r><MONITOR></MONITOR><ADMINCHECK></ADMINCHECK></r>",
       L"H MONITOR {} []\nO ADMINCHECK {} []\n"},
      {"module text is kept exactly, white space included",
       "<r><MODULE>\n    chooks\\a.dll\n  </MODULE><MODULE>b.dll</MODULE></r>",
       L"M MODULE [\n    chooks\\a.dll\n  =]\nM MODULE [b.dll=]\n"},
      {"an empty-element hardware tag stays pending and takes the OS element's items",
       R"(<r><VIDEO q="v"/><OS q="o"><Item Display="d" Value="v"/></OS><VIDEO q="w"></VIDEO></r>)",
       L"H VIDEO {w} []\nO OS {o} []\n"},
      {"names are case-sensitive", R"(<r><cpu q="x"><Item Display="d" Value="v"/></cpu><Os></Os></r>)", L""},
      {"a root element alone declares nothing", "<VeloInspect/>", L""},
      {"product elements keep only their name",
       R"(<r><VERSION a="1"><Item Display="d" Value="v"/>text</VERSION><FT></FT></r>)", L"P VERSION []\nP FT []\n"},
      {"the same element twice gives two records",
       R"(<r><CPU q="a"><Item Display="1" Value="x"/></CPU><CPU q="b"><Item Display="2" Value="y"/></CPU></r>)",
       L"H CPU {a} [1=x]\nH CPU {b} [2=y]\n"},
      {"items: no attribute adds nothing, foreign attributes add an empty entry, a missing one stays empty",
       R"(<r><OS q="s"><Item/><Item Other="1"/><Item Display="only"/><Item Value="key"/></OS></r>)",
       L"O OS {s} [=; only=; =key]\n"},
      {"an item with no pending record is ignored", R"(<r><Item Display="d" Value="v"/><OS></OS></r>)", L"O OS {} []\n"},
      {"nested elements of a group: the inner one is appended, the outer end tag appends nothing",
       R"(<r><DISK q="outer"><Item Display="a" Value="1"/><DISK q="inner"><Item Display="b" Value="2"/></DISK>)"
       R"(<Item Display="c" Value="3"/></DISK></r>)",
       L"H DISK {inner} [b=2]\n"},
      {"text after a module's end tag goes nowhere", "<r><MODULE>a.dll</MODULE>stray<MODULE>b.dll</MODULE></r>",
       L"M MODULE [a.dll=]\nM MODULE [b.dll=]\n"},
      {"unknown elements and attributes are ignored, listed ones count wherever they stand",
       R"(<r><Unknown x="1"><Deep><ADMINCHECK y="SELECT 1"></ADMINCHECK></Deep></Unknown></r>)",
       L"O ADMINCHECK {SELECT 1} []\n"},
      {"a namespace prefix is not considered", R"(<r xmlns:v="urn:v"><v:FT></v:FT></r>)", L"P FT []\n"},
      {"records completed before a fault stay",
       R"(<r><CPU q="a"><Item Display="d" Value="v"/></CPU><OS q="b"><Item Display="e" Value="w"/></r>)",
       L"H CPU {a} [d=v]\n"},
      {"a truncated document keeps what was complete", R"(<r><FT></FT><CONFIG></CONF)", L"P FT []\n"},
      {"a document type declaration ends the walk", "<!DOCTYPE r [<!ENTITY e \"x\">]><r><FT></FT></r>", L""},
      {"an empty file declares nothing", "", L""},
      {"comments, CDATA and processing instructions are printed, not stored",
       "<r><!--note--><MODULE><![CDATA[x.dll]]></MODULE><?velo go?></r>", L"M MODULE []\n",
       L"Comment: note\nCDATA: x.dll\nProcessing Instruction name:velo value:go\n"},
      {"non-ASCII text arrives as wide text",
       "<r><OS q=\"s\"><Item Display=\"Betriebssystem \xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80\" Value=\"Name\"/></OS></r>",
       L"O OS {s} [Betriebssystem \u00FC\u20AC\U0001F600=Name]\n"},
      {"UTF-16 with a byte-order mark",
       std::string("\xFF\xFE<\0r\0>\0<\0F\0T\0>\0<\0/\0F\0T\0>\0<\0/\0r\0>\0", 26), L"P FT []\n"},
  };
  for (const DocumentCase& c : cases) {
    ConfigDirectory dir;
    dir.Write(c.document);
    CSysInfo info;
    EXPECT_TRUE(dir.Read(info)) << c.name;
    EXPECT_EQ(Describe(info), c.want) << c.name;
    EXPECT_EQ(dir.console.printed, c.printed) << c.name;
    EXPECT_TRUE(info.results.empty()) << c.name;
  }
}

TEST(ReadConfig, VeryLongTextsAreReadWhole) {
  ConfigDirectory dir;
  const std::string longName(200000, 'm');
  const std::string longQuery(300000, 'q');
  dir.Write("<r><MODULE>" + longName + "</MODULE><OS s=\"" + longQuery + "\"></OS></r>");
  CSysInfo info;
  ASSERT_TRUE(dir.Read(info));
  ASSERT_EQ(info.addInItems.size(), 1u);
  EXPECT_EQ(info.addInItems[0]->entries.at(0).display.size(), longName.size());
  ASSERT_EQ(info.osItems.size(), 1u);
  EXPECT_EQ(info.osItems[0]->query.size(), longQuery.size());
}

TEST(ReadConfig, FileThatCannotBeOpenedFailsSilently) {
  ConfigDirectory missing;
  CSysInfo info;
  EXPECT_FALSE(missing.Read(info));
  EXPECT_EQ(missing.console.printed, L"");

  ConfigDirectory directory;
  std::filesystem::create_directory(directory.ConfigPath());
  EXPECT_FALSE(directory.Read(info));

}

TEST(ReadConfig, TheDeliveredConfigurationDeclaresEveryItem) {
  ConfigDirectory dir;
  std::ifstream delivered(VELOINSPECT_SOURCE_DIR "/config.xml", std::ios::binary);
  ASSERT_TRUE(delivered);
  dir.Write(std::string(std::istreambuf_iterator<char>(delivered), {}));
  CSysInfo info;
  ASSERT_TRUE(dir.Read(info));

  std::wstring hardware;
  for (const auto& r : info.hardwareItems) hardware += r->name + (r->query.empty() ? L"- " : L"+ ");
  EXPECT_EQ(hardware, L"PC+ CPU+ CPU- MEMORY+ MEMORY- VIDEO+ VIDEOACCEL- OPENGL- OPENCL- MONITOR- DISK+ VOLUME+ ");
  std::wstring os;
  for (const auto& r : info.osItems) os += r->name + (r->query.empty() ? L"- " : L"+ ");
  EXPECT_EQ(os, L"OS+ SIXTYFOURBITCHECK+ VCREDIST- DOTNET- ADMINCHECK- ");
  std::wstring product;
  for (const auto& r : info.productItems) product += r->name + L" ";
  EXPECT_EQ(product, L"VERSION CONFIG CHOOKS FT ");
  EXPECT_EQ(info.addInItems.size(), 3u);

  bool listEntry = false;
  for (const auto& r : info.hardwareItems) {
    for (const InfoEntry& e : r->entries) {
      EXPECT_FALSE(e.display.empty()) << r->name;
      EXPECT_FALSE(e.value.empty()) << r->name;
      if (r->name == L"OPENGL" && e.display.find(L"click here for list") != std::wstring::npos) listEntry = e.value == L"7939";
    }
    if (!r->query.empty()) {
      EXPECT_EQ(r->query.rfind(L"SELECT * FROM Win32_", 0), 0u) << r->query;
    }
  }
  EXPECT_TRUE(listEntry);
}

TEST(ConfigFilePath, IsBesideTheExecutable) {
  struct Case {
    const char* name;
    std::wstring exe;
    wchar_t separator;
    std::wstring want;
  };
  const Case cases[] = {
      {"linux", L"/opt/velo/bin/VeloInspect", L'/', L"/opt/velo/bin/config.xml"},
      {"windows", L"C:\\Tools\\VeloInspect.exe", L'\\', L"C:\\Tools\\config.xml"},
      {"no separator leaves the directory empty", L"VeloInspect.exe", L'\\', L"\\config.xml"},
  };
  for (const Case& c : cases) {
    fakes::FakeProcess process;
    process.executablePath = c.exe;
    process.separator = c.separator;
    EXPECT_EQ(ConfigFilePath(process), c.want) << c.name;
  }
}

// Failures the real reader rarely gives, through a scripted one.
struct FailureCase {
  const char* name;
  std::vector<ScriptedNode> nodes;
  std::wstring printed;
  std::wstring want;
};

ScriptedNode Element(std::wstring name, std::vector<std::pair<std::wstring, std::wstring>> attributes = {}) {
  ScriptedNode node;
  node.type = XmlNodeType::Element;
  node.name = std::move(name);
  node.attributes = std::move(attributes);
  return node;
}

ScriptedNode End(std::wstring name) {
  ScriptedNode node;
  node.type = XmlNodeType::EndElement;
  node.name = std::move(name);
  return node;
}

ScriptedNode Failing(ScriptedNode node, platform::HResult ScriptedNode::*which) {
  node.*which = platform::MakeFailure(0x8000FFFFu);
  return node;
}

TEST(ReadConfig, NodeFailuresArePrintedAndEndTheReadWithFalse) {
  ScriptedNode text;
  text.type = XmlNodeType::Text;
  ScriptedNode pi;
  pi.type = XmlNodeType::ProcessingInstruction;
  ScriptedNode comment;
  comment.type = XmlNodeType::Comment;
  ScriptedNode space;
  space.type = XmlNodeType::Whitespace;

  const std::vector<ScriptedNode> complete = {Element(L"FT"), End(L"FT")};
  auto after = [&](ScriptedNode failing) {
    std::vector<ScriptedNode> nodes = complete;
    nodes.push_back(std::move(failing));
    return nodes;
  };
  const FailureCase cases[] = {
      {"element name", after(Failing(Element(L"CPU"), &ScriptedNode::nameResult)),
       L"Error getting local name, error is 8000ffff", L"P FT []\n"},
      {"text value", after(Failing(text, &ScriptedNode::valueResult)), L"Error getting value, error is 8000ffff", L"P FT []\n"},
      {"processing instruction name", after(Failing(pi, &ScriptedNode::nameResult)), L"Error getting name, error is 8000ffff",
       L"P FT []\n"},
      {"processing instruction value", after(Failing(pi, &ScriptedNode::valueResult)),
       L"Error getting value, error is 8000ffff", L"P FT []\n"},
      {"comment value", after(Failing(comment, &ScriptedNode::valueResult)), L"Error getting value, error is 8000ffff",
       L"P FT []\n"},
      {"white space value", after(Failing(space, &ScriptedNode::valueResult)), L"Error getting value, error is 8000ffff",
       L"P FT []\n"},
      {"end tag prefix", after(Failing(End(L"FT"), &ScriptedNode::prefixResult)),
       L"Error getting prefix, error is 8000ffff", L"P FT []\n"},
      {"end tag name", after(Failing(End(L"FT"), &ScriptedNode::nameResult)), L"Error getting local name, error is 8000ffff",
       L"P FT []\n"},
      {"statement attribute", after(Failing(Element(L"OS", {{L"q", L"s"}}), &ScriptedNode::attributeResult)),
       L"Error getting local name, error is 8000ffff", L"P FT []\n"},
      {"an item's own failure adds nothing and the walk goes on",
       {Element(L"OS"), Failing(Element(L"Item", {{L"Display", L"d"}}), &ScriptedNode::attributeResult), End(L"OS")}, L"",
       L"O OS {} []\n"},
  };
  for (const FailureCase& c : cases) {
    fakes::ScriptedXmlFactory factory;
    factory.makeReader = [&] { return std::make_unique<fakes::ScriptedXmlReader>(c.nodes); };
    fakes::FakeProcess process;
    fakes::RecordingConsole console;
    CSysInfo info;
    const bool ok = ReadConfig(factory, process, console, info);
    EXPECT_EQ(ok, c.printed.empty()) << c.name;
    EXPECT_EQ(console.printed, c.printed) << c.name;
    EXPECT_EQ(Describe(info), c.want) << c.name;
  }
}

TEST(ReadConfig, ReaderSetUpFailuresArePrinted) {
  struct Case {
    const char* name;
    platform::HResult create;
    platform::HResult prohibit;
    platform::HResult input;
    std::wstring printed;
  };
  const Case cases[] = {
      {"create", platform::kOutOfMemory, platform::kOk, platform::kOk, L"Error creating xml reader, error is 8007000e"},
      {"prohibit", platform::kOk, platform::kInvalidArgument, platform::kOk,
       L"Error setting XmlReaderProperty_DtdProcessing, error is 80070057"},
      {"input", platform::kOk, platform::kOk, platform::kFail, L"Error setting input for reader, error is 80004005"},
  };
  for (const Case& c : cases) {
    fakes::ScriptedXmlFactory factory;
    factory.createResult = c.create;
    factory.makeReader = [&] {
      auto reader = std::make_unique<fakes::ScriptedXmlReader>(std::vector<ScriptedNode>{Element(L"FT"), End(L"FT")});
      reader->prohibitResult = c.prohibit;
      reader->inputResult = c.input;
      return reader;
    };
    fakes::FakeProcess process;
    fakes::RecordingConsole console;
    CSysInfo info;
    EXPECT_FALSE(ReadConfig(factory, process, console, info)) << c.name;
    EXPECT_EQ(console.printed, c.printed) << c.name;
    EXPECT_TRUE(info.productItems.empty()) << c.name;
  }
}

TEST(ReadConfig, AFaultingReadEndsTheWalkWithTrue) {
  fakes::ScriptedXmlFactory factory;
  factory.makeReader = [] {
    auto reader = std::make_unique<fakes::ScriptedXmlReader>(std::vector<ScriptedNode>{Element(L"FT"), End(L"FT")});
    reader->endResult = platform::kXmlMalformed;
    return reader;
  };
  fakes::FakeProcess process;
  fakes::RecordingConsole console;
  CSysInfo info;
  EXPECT_TRUE(ReadConfig(factory, process, console, info));
  EXPECT_EQ(Describe(info), L"P FT []\n");
  EXPECT_EQ(factory.openedPath, L"/opt/veloinspect/config.xml");
}

}  // namespace

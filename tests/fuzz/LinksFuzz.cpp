// links.lst over any text: the loader keeps what the parser reads, and the editor's text of
// those records reads back to the same records, completely.

#include "common/core/Links.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

// One file whose text is the input. When the input's first byte is odd the file is missing at
// first, and the creation (with the default text) fails because a file appears meanwhile.
// When its second bit is set the file cannot be read whole: the read stops at the input's end.
class InputFile : public vantor::LinkFilePort {
 public:
  InputFile(std::wstring text, bool missingAtFirst, bool partial)
      : text_(std::move(text)), missing_(missingAtFirst), partial_(partial) {}
  vantor::TextRead ReadText(const std::wstring&) override {
    if (missing_) {
      missing_ = false;
      return {};
    }
    return {partial_ ? vantor::TextReadOutcome::Partial : vantor::TextReadOutcome::Whole, text_};
  }
  bool WriteText(const std::wstring&, const std::wstring&) override {
    std::abort();  // the loader never rewrites the file
  }
  bool CreateText(const std::wstring&, const std::wstring&) override { return false; }
  bool Touch(const std::wstring&) override { std::abort(); }

 private:
  std::wstring text_;
  bool missing_, partial_;
};

bool SameRecords(const std::vector<vantor::Link>& a, const std::vector<vantor::Link>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Title != b[i].Title || a[i].URL != b[i].URL) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantor;
  const std::wstring text = fuzz::DecodeText(data, size);
  const LinkReadResult read = ParseLinks(text);
  for (const Link& link : read.Links) {
    FUZZ_CHECK(link.Title.find(L',') == std::wstring::npos);
    FUZZ_CHECK(link.Title.find(L'\n') == std::wstring::npos && link.URL.find(L'\n') == std::wstring::npos);
  }

  const bool partial = size > 0 && (data[0] & 2) != 0;
  InputFile file(text, size > 0 && (data[0] & 1) != 0, partial);
  LinkList list;
  list.Links.push_back({L"stale", L"entry"});
  LoadLinks(file, L"C:\\Vantor\\links.lst", list);
  FUZZ_CHECK(list.ReadWhole == !partial);
  if (partial) {
    // Only whole lines count: what is kept is what the text up to its last line end gives.
    const std::size_t lf = text.rfind(L'\n');
    const LinkReadResult whole = ParseLinks(lf == std::wstring::npos ? std::wstring() : text.substr(0, lf + 1));
    FUZZ_CHECK(SameRecords(list.Links, whole.Links));
    FUZZ_CHECK(list.Complete == whole.Complete);
  } else {
    FUZZ_CHECK(SameRecords(list.Links, read.Links));
    FUZZ_CHECK(list.Complete == read.Complete);
    FUZZ_CHECK(list.LinkCount() == static_cast<int>(read.Links.size()) + 1);
  }

  const LinkReadResult again = ParseLinks(LinksText(read.Links));
  FUZZ_CHECK(again.Complete);
  FUZZ_CHECK(SameRecords(again.Links, read.Links));
  return 0;
}

// The bookmark list: the file links.lst in the program folder, one bookmark per line, the
// title and the URL separated by the line's first comma, CR LF line ends. Both programs
// read it with LoadLinks; the settings editor writes it with LinksText.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantor {

struct Link {
  std::wstring Title;
  std::wstring URL;
};

// What a missing links.lst is created with.
inline constexpr wchar_t kDefaultLinksText[] = L"United Devices inc.,http://www.ud.com/\r\n";

// What one read of the file found: no file, the whole file, or a file that exists but could
// not be read whole (another program holds it without sharing, a read failed on the way).
enum class TextReadOutcome { Missing, Whole, Partial };

struct TextRead {
  TextReadOutcome outcome = TextReadOutcome::Missing;
  std::wstring text;  // Whole: the file; Partial: what was read before the read failed
};

// The file as the bookmark loader sees it; the text is already converted from the system's
// ANSI code page.
class LinkFilePort {
 public:
  virtual ~LinkFilePort() = default;
  virtual TextRead ReadText(const std::wstring& path) = 0;
  // Creates the file, or replaces it when it exists (the editor's save).
  virtual bool WriteText(const std::wstring& path, const std::wstring& text) = 0;
  // Creates the file only when no file of that name exists; false when one does or the
  // creation fails. An existing file, even one that cannot be opened, is never touched.
  virtual bool CreateText(const std::wstring& path, const std::wstring& text) = 0;
  // Gives an existing file the current time as its modification time and leaves its bytes
  // as they are; false when that cannot be done.
  virtual bool Touch(const std::wstring& path) = 0;
};

struct LinkReadResult {
  std::vector<Link> Links;  // the records read, in file order
  bool Complete = true;     // false when a line without a comma stopped the read
  std::wstring Unread;      // the text from that line on, as the file holds it
};

// Splits the file text into records. Lines end with CR LF or a lone LF; lines that are empty
// or hold only blanks give no record. A line without a comma is a fault: the records before
// it are kept and the rest is not read. A URL keeps any later commas and all blanks.
LinkReadResult ParseLinks(std::wstring_view text);

// The loaded bookmarks. Entry i (1 <= i < LinkCount()) is the i-th bookmark of the file,
// as the menu numbers its entries; index 0 is the menu's placeholder and holds no bookmark.
struct LinkList {
  std::vector<Link> Links;
  bool Complete = true;  // false when the file was read only up to a faulty line
  std::wstring Unread;   // then the file's text from that line on, which a save keeps
  // False when the file exists but could not be read whole: the list holds the lines read
  // before the failure, and a save would lose what was not read.
  bool ReadWhole = true;

  int LinkCount() const { return static_cast<int>(Links.size()) + 1; }
  const Link& Entry(int index) const { return Links.at(static_cast<std::size_t>(index - 1)); }
};

// Reads `path` into `list`, replacing what it held. A missing file is created with the default
// bookmark (only when no file exists) and read once more; when it is still missing the list is
// empty. A file that exists is never rewritten, not even when a fault stops the read, when it
// is empty, or when it cannot be read whole; in that last case the list holds the whole lines
// read before the failure and ReadWhole is false.
void LoadLinks(LinkFilePort& files, const std::wstring& path, LinkList& list);

// The file text for `links`: "title,URL" and CR LF per bookmark. The editor refuses titles
// and URLs that are empty or hold a comma, so the text reads back to the same list.
std::wstring LinksText(const std::vector<Link>& links);

}  // namespace vantor

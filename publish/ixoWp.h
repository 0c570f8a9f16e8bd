#pragma once
// TPrintWp: the publishing writer of WordPerfect documents. It writes the
// writer operations of the chapter driver as WordPerfect function codes, and
// the header and footer texts that the book writer (BookDocuments.h) puts
// into the packets of the file frame (WpFrame.h).

#include <cstdint>
#include <string>
#include <string_view>

#include "publish/ixoPublish.h"

namespace publish {

namespace wp {
inline constexpr char HardReturn = '\xCC';
inline constexpr char SoftSpace = '\x80';
inline constexpr char HardSpace = '\x81';

// Attribute numbers of the attribute on and off codes; the font size codes
// 0 and 1 are attribute numbers too.
inline constexpr std::uint8_t AttributeItalic = 8;
inline constexpr std::uint8_t AttributeBold = 12;
inline constexpr std::uint8_t AttributeSuperscript = 5;

// Justification modes.
inline constexpr int JustifyLeft = 0;
inline constexpr int JustifyFull = 1;
inline constexpr int JustifyCentre = 2;
inline constexpr int JustifyRight = 3;

// Kinds of WriteHeaderFooter, in the order of the frame's packets.
inline constexpr int OddHeader = 1;
inline constexpr int EvenHeader = 2;
inline constexpr int OddFooter = 3;
inline constexpr int EvenFooter = 4;
}  // namespace wp

class TPrintWp : public TPublishWriter {
 public:
  explicit TPrintWp(PublishOptions options = {});

  void WriteVerseNumber(std::string_view text) override;
  void WriteDocumentHeader() override;
  void WriteChapterHeading(int chapter, int chapterCount) override;
  void EndChapter(int chapter, int chapterCount) override;
  void BeginBook(std::string_view bookName, int book, int chapterCount) override;
  void EndBook() override;
  void SetKeepTogether(bool on) override;
  void SetFontSize(bool on, int sizeCode) override;
  void SetJustification(int mode) override;
  void SetItalic(bool on) override;
  void SetBold(bool on) override;
  void SetColor(int index) override;
  void SetSuperscript(bool on) override;
  // With a space kind other than 0 every blank becomes a soft space, or a hard
  // space for kind 2; other bytes (a hyphen too) are written as they are.
  void WriteText(std::string_view text, int spaceKind, bool italic) override;
  // Writes the header (kinds 1 and 2) or footer (3 and 4) to handle and
  // returns its bytes; afterwards the output is none and the state is reset.
  int WriteHeaderFooter(OutputFile* handle, std::string_view text, int kind) override;

 private:
  void WriteCodes(std::initializer_list<std::uint8_t> codes);
  void SetAttribute(bool on, std::uint8_t attribute);
  void WritePageNumberCode(std::uint8_t subCode);

  std::string bookName_;
};

}  // namespace publish

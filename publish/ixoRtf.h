#pragma once
// TPrintRtf: the publishing writer of Rich Text Format documents. It writes
// the writer operations of the chapter driver as RTF text; the book writer
// (BookDocuments.h) opens the files and calls the driver chapter by chapter.
// Codes are written as they stand; the Bible's own text (words, book names,
// headings) is escaped, so that a backslash, a brace or a byte of 0x80 and
// above never breaks the document's structure.

#include <string>
#include <string_view>

#include "publish/ixoPublish.h"

namespace publish {

class TPrintRtf : public TPublishWriter {
 public:
  explicit TPrintRtf(PublishOptions options = {});

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
  void WriteText(std::string_view text, int spaceKind, bool italic) override;
  // An italic word's group holds the word alone: {\*\i man}'s.
  void WriteWord(std::string_view before, std::string_view word, std::string_view after, int spaceKind,
                 bool italic) override;
  int WriteHeaderFooter(OutputFile* handle, std::string_view text, int kind) override;

  // Writes RTF codes unchanged, never in italics.
  void WriteRtf(std::string_view codes);

 private:
  // The codes followed by the carriage return that ends each line of codes.
  void WriteRtfLine(std::string_view codes);

  std::string bookName_;
  int book_ = 0;
};

// The text as RTF: "\", "{" and "}" escaped with a backslash, bytes of 0x80
// and above as "\'hh".
std::string RtfEscape(std::string_view text);

}  // namespace publish

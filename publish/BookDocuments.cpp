#include "publish/BookDocuments.h"

#include "engine/BookIndex.h"
#include "engine/ixoObject.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Shell.h"
#include "publish/BookInText.h"
#include "publish/DiskFiles.h"
#include "publish/OutputFile.h"
#include "publish/WpFrame.h"
#include "publish/ixoRtf.h"
#include "publish/ixoWp.h"

namespace publish {
namespace {

// What a format puts around the chapter text of each file.
class DocumentFrame {
 public:
  virtual ~DocumentFrame() = default;
  // Before the first chapter of a file; false (the file dropped) when it
  // could not be written.
  virtual bool BeginFile(std::unique_ptr<OutputFile>& /*file*/) { return true; }
  // The bytes the driver counted for a chapter of the file.
  virtual void AddChapter(int /*bytes*/) {}
  // After the last chapter of a file, before it is put in place.
  virtual bool EndFile(OutputFile& /*file*/) { return true; }
};

bool Print(const std::string& path) {
  const platform::ShellResult printed = platform::ShellExecute("print", path);
  if (printed.ok) return true;
  platform::MessageDlg("Could not print: '" + path + "'" + (printed.error.empty() ? "" : "\n" + printed.error),
                       platform::DialogType::Error);
  return false;
}

struct BookFiles {
  int book = 0;
  int chapterCount = 0;
  std::string name;       // of the book's file, and before the chapter number of a chapter's file
  std::string extension;  // with its dot
};

// The chapter loop of both document formats.
bool WriteBookDocuments(TPublishWriter& writer, const BookFiles& files, DocumentFrame& frame) {
  const PublishOptions& options = writer.Options();
  FileSink& sink = options.sink ? *options.sink : DiskFiles();
  const bool allInOne = writer.AllInOne();
  std::unique_ptr<OutputFile> file;
  // What the messages call the file: the book's name alone for a file of the
  // whole book, the name with the chapter and the extension for a chapter's.
  std::string base;
  std::string path;
  for (int chapter = 1; chapter <= files.chapterCount; ++chapter) {
    if (!allInOne || chapter == 1) {
      base = allInOne ? files.name : files.name + " " + std::to_string(chapter) + files.extension;
      path = platform::JoinPath(options.folder, allInOne ? base + files.extension : base);
      file = sink.Create(path);
      if (!file || !frame.BeginFile(file)) {
        ReportUnwritable(base);
        return false;
      }
    }
    frame.AddChapter(writer.PublishChapter(file.get(), files.book, chapter));
    if (file->Failed()) {
      ReportUnwritable(base);
      return false;
    }
    if (!allInOne || chapter == files.chapterCount) {
      if (!frame.EndFile(*file) || !file->Commit()) {
        ReportUnwritable(base);
        return false;
      }
      file.reset();
      if (options.printMode && !Print(path)) return false;
    }
  }
  return true;
}

// The WordPerfect frame of one file: the prefix, the index and the header and
// footer packets before the text; the sizes written into the prefix at the end.
class WpFileFrame final : public DocumentFrame {
 public:
  WpFileFrame(TPrintWp& writer, std::string headerText) : writer_(writer), headerText_(std::move(headerText)) {}

  bool BeginFile(std::unique_ptr<OutputFile>& file) override {
    frame_ = WpFrame(writer_.Options().headersAndFooters);
    if (!WriteBlock(file, frame_.Prefix()) || !WriteBlock(file, frame_.IndexEntries(1, frame_.IndexCount())))
      return false;
    if (frame_.IndexCount() == 1) return true;
    std::uint32_t pointer = frame_.FirstPacket();
    for (int entry = 2; entry <= frame_.IndexCount(); ++entry) {
      if (!WriteBlock(file, frame_.PacketRecord(entry))) return false;
      const int length = writer_.WriteHeaderFooter(file.get(), headerText_, entry - 1);
      frame_.SetPacket(entry, pointer, static_cast<std::uint32_t>(length));
      pointer += frame_.PacketSize(entry);
    }
    // Now that the packets' sizes are known: their index entries and records again.
    if (!file->Seek(WpFrame::PrefixSize + WpFrame::IndexEntrySize) ||
        !WriteBlock(file, frame_.IndexEntries(2, frame_.IndexCount())))
      return false;
    for (int entry = 2; entry <= frame_.IndexCount(); ++entry)
      if (!file->Seek(frame_.PacketPointer(entry)) || !WriteBlock(file, frame_.PacketRecord(entry))) return false;
    return file->Seek(frame_.documentStart);
  }

  void AddChapter(int bytes) override { frame_.fileSize += static_cast<std::uint32_t>(bytes); }

  // The prefix again, now with the document's start and the file's size.
  bool EndFile(OutputFile& file) override { return file.Seek(0) && file.Write(frame_.Prefix()); }

 private:
  TPrintWp& writer_;
  std::string headerText_;
  WpFrame frame_{false};
};

// The book's name as the WordPerfect files show it: a leading 1, 2 or 3 is
// followed by two blanks ("1  Samuel").
std::string WpBookName(std::string name) {
  if (!name.empty() && name[0] >= '1' && name[0] <= '3') name.insert(1, 1, ' ');
  return name;
}

}  // namespace

bool WriteBlock(std::unique_ptr<OutputFile>& file, std::string_view bytes) {
  if (file && file->Write(bytes)) return true;
  file.reset();
  return false;
}

std::string SafeFileName(std::string_view caption) {
  std::string name;
  for (const char c : caption) {
    const auto byte = static_cast<unsigned char>(c);
    const bool dotAfterDot = c == '.' && !name.empty() && name.back() == '.';
    if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) name += '_';
    else if (dotAfterDot) name.back() = '_';
    else name += c;
  }
  return name.empty() ? "_" : name;
}

bool WriteBookRtf(TPrintRtf& writer, const engine::TBookInfoRec& book, std::string_view caption) {
  const PublishOptions& options = writer.Options();
  if (options.processMessages) options.processMessages();
  if (!BookIsInText(book)) return false;
  const BookFiles files{book.Ordinal + 1, book.ChapterCount, SafeFileName(caption), options.dotDoc ? ".doc" : ".rtf"};
  DocumentFrame noFrame;
  return WriteBookDocuments(writer, files, noFrame);
}

bool WriteBookWp(TPrintWp& writer, const engine::TBookInfoRec& book) {
  const PublishOptions& options = writer.Options();
  if (options.processMessages) options.processMessages();
  if (!BookIsInText(book)) return false;
  const std::string name = WpBookName(engine::Engine().BookNames[book.Ordinal + 1]);
  const BookFiles files{book.Ordinal + 1, book.ChapterCount, SafeFileName(name), options.dotDoc ? ".doc" : ".wpd"};
  WpFileFrame frame(writer, name);
  return WriteBookDocuments(writer, files, frame);
}

}  // namespace publish

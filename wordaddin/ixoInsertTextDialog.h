#pragma once
// The insert dialog: the user types a Bible reference, and the passage goes
// into the document as a bold heading line and the verses, each verse but a
// single one led by its number in bold coloured superscript. Styles go through
// caches, so a host command is sent only when a style changes.

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/ModalForm.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace ui {
class TreeNode;
}

namespace wordaddin {

class TFormAbout;
class TIxoDocument;
class TixoEngine;
struct TWordCursor;

inline constexpr char kInternalError[] = "Internal Error:  Please contact the Program Author for assistance!";
// The colour of verse numbers in the host's palette.
inline constexpr std::uint32_t kVerseNumberColor = 2;

class TFormInsert : public ui::ModalForm {
  Q_OBJECT

 public:
  TFormInsert(QWidget* parent, const TixoEngine& engine, TIxoDocument& documentWriter, TFormAbout& aboutForm);

  // Resets the style caches and fills the list with the 66 book names.
  void FormCreate();
  // Parses the reference and inserts it; closes the form unless the user
  // declined a question or the reference could not be read whole (which a
  // warning names, and nothing is inserted). What the insertion raises is
  // shown in an error box.
  void ButtonOKClick();
  void HelpClick();

  // Writes the heading and the verses from..to of a chapter of book (1 to 66),
  // each number clamped into the book and chapter; to <= 0 is the chapter's
  // last verse. False, and nothing written, when the chapter has no text.
  bool InsertPassage(int book, int chapter, int fromVerse, int toVerse);
  // A whole chapter, and one verse, of a book named by its name.
  bool InsertChapter(std::string_view bookName, int chapter);
  bool InsertVerses(std::string_view bookName, int chapter, int verse);

  void WriteText(std::string_view text);
  void WriteWord(std::string_view text, bool italic);
  void WriteVerseNumber(std::string_view text);

  void SetItalic(bool on);
  void SetBold(bool on);
  void SetColor(std::uint32_t value);
  void SetSuperscript(bool on);

  QLabel* StaticTextBkCh;
  QComboBox* spec;
  QPushButton* ButtonOK;
  QPushButton* ButtonCancel;
  QPushButton* Help;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Parses the reference and inserts it; false, for the form to stay open,
  // when the user declined a question or the reference could not be read.
  bool InsertReference();
  // Writes the words of the verse under the cursor and moves past it; false
  // when the verse was the book's last.
  bool WriteVerse(TWordCursor& cursor);

  const TixoEngine& engine_;
  TIxoDocument& documentWriter_;
  TFormAbout& aboutForm_;

  bool italic_ = false;
  bool bold_ = false;
  std::uint32_t color_ = 0;
  bool superscript_ = false;
};

// Tells the host that an insertion begins.
void BeginWordInsert();

// What the search form's result tree shows, inserted through the dialog: a
// verse node (its caption the verse number, its parent's "Chapter " and the
// number, its grandparent's the book's name as the tree shows it), a chapter
// node or a book node. Each verse goes in with its own heading line. A node
// whose captions hold no number, or that lacks the nodes above it, inserts
// nothing.

// The verse of a verse node; false, with nothing inserted, for any other node.
bool InsertVerseNode(TFormInsert& insertForm, const ui::TreeNode& node);
// Each verse under a chapter node, in order, as long as its children are verses.
void InsertChapterNode(TFormInsert& insertForm, const ui::TreeNode& node);
// InsertChapterNode for every child of a book node.
void InsertBookNode(TFormInsert& insertForm, const ui::TreeNode& node);

}  // namespace wordaddin

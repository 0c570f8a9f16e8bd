#include "ixoInsertTextDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <optional>
#include <utility>

#include "Guarded.h"
#include "IxoAbout.h"
#include "IxoDocument.h"
#include "ReferenceParser.h"
#include "WordAPI.h"
#include "WordCursor.h"
#include "Wrdbasic.h"
#include "ixoObject.h"
#include "platform/Dialogs.h"
#include "publish/WordPunctuation.h"
#include "ui/NodeKind.h"
#include "ui/TreeNode.h"

namespace wordaddin {
namespace {

constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

// The number a caption holds from its position on; none when it holds no number.
std::optional<int> CaptionNumber(const ui::TreeNode& node, int position) {
  bool ok = false;
  const int number = node.Text().mid(position).toInt(&ok);
  return ok ? std::optional<int>(number) : std::nullopt;
}

// The chapter of a chapter node: its caption after "Chapter ".
std::optional<int> ChapterOfNode(const ui::TreeNode& chapter) { return CaptionNumber(chapter, 8); }

void WarnNoSuchBook(std::string_view name) {
  std::string text(1, '"');
  text.append(name).append("\" is not contained in the bible");
  platform::MessageDlg(text, platform::DialogType::Warning);
}

void WarnUnreadable(std::string_view unread, std::string_view reference) {
  std::string text = "Could not read \"";
  text.append(unread).append("\" in \"").append(reference).append("\"");
  platform::MessageDlg(text, platform::DialogType::Warning);
}

}  // namespace

void BeginWordInsert() {
  RunWordCommand(command::ScreenRefresh, 0);
  RunWordCommand(command::FormMode, 1);
}

TFormInsert::TFormInsert(QWidget* parent, const TixoEngine& engine, TIxoDocument& documentWriter,
                         TFormAbout& aboutForm)
    : ui::ModalForm(parent),
      StaticTextBkCh(new QLabel("Book / Chapter:", this)),
      spec(new QComboBox(this)),
      ButtonOK(new QPushButton("OK", this)),
      ButtonCancel(new QPushButton("Cancel", this)),
      Help(new QPushButton("About  Ixo", this)),
      engine_(engine),
      documentWriter_(documentWriter),
      aboutForm_(aboutForm) {
  setObjectName("FormInsert");
  setWindowTitle("Ixo - Insert Bible Text");
  setFixedSize(298, 90);

  StaticTextBkCh->setObjectName("StaticTextBkCh");
  QFont bold = StaticTextBkCh->font();
  bold.setBold(true);
  StaticTextBkCh->setFont(bold);
  StaticTextBkCh->move(10, 20);

  spec->setObjectName("spec");
  spec->setEditable(true);
  spec->setInsertPolicy(QComboBox::NoInsert);
  spec->setGeometry(128, 16, 161, spec->sizeHint().height());
  spec->lineEdit()->installEventFilter(this);

  ButtonOK->setObjectName("ButtonOK");
  ButtonOK->setGeometry(128, 56, kButtonWidth, kButtonHeight);
  connect(ButtonOK, &QPushButton::clicked, this, &TFormInsert::ButtonOKClick);

  ButtonCancel->setObjectName("ButtonCancel");
  ButtonCancel->setGeometry(212, 56, kButtonWidth, kButtonHeight);
  BindModalResult(ButtonCancel, ui::ModalResult::Cancel);

  Help->setObjectName("Help");
  Help->setGeometry(10, 56, kButtonWidth, kButtonHeight);
  connect(Help, &QPushButton::clicked, this, &TFormInsert::HelpClick);

  FormCreate();
  spec->setFocus();
}

void TFormInsert::FormCreate() {
  italic_ = false;
  bold_ = false;
  color_ = 0;
  superscript_ = false;
  if (spec->count() == TixoEngine::Books) return;
  spec->clear();
  for (int book = 1; book <= TixoEngine::Books; ++book)
    spec->addItem(QString::fromStdString(engine_.BookNames[book]));
  spec->setEditText(QString());
}

bool TFormInsert::eventFilter(QObject* watched, QEvent* event) {
  if (watched == spec->lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (ButtonOK->isEnabled()) ButtonOKClick();
      return true;
    }
  }
  return ui::ModalForm::eventFilter(watched, event);
}

void TFormInsert::HelpClick() { aboutForm_.ShowModal(); }

void TFormInsert::ButtonOKClick() {
  // Nothing may unwind through the dialog's event loop: the dialog could not
  // be freed afterwards. What an insertion raises is told, and the dialog closes.
  bool done = true;
  Guarded([this, &done] { done = InsertReference(); });
  if (done) SetModalResult(ui::ModalResult::OK);
}

bool TFormInsert::InsertReference() {
  BeginWordInsert();
  const std::string reference = spec->currentText().trimmed().toStdString();
  const int book = engine_.FindBookByName(reference);
  if (book == 0) {
    WarnNoSuchBook(reference);
    return true;
  }
  const ReferenceRequest request =
      ParseReference(reference, IsSingleChapterBook(book), engine_.BookInfo[book].ChapterCount);
  if (!request.unread.empty()) {
    WarnUnreadable(request.unread, reference);
    return false;
  }
  if (!request.question.empty() &&
      platform::MessageDlg(request.question, platform::DialogType::Confirmation, platform::DialogButtons::YesNo) !=
          ui::ModalResult::Yes) {
    return false;
  }
  for (int chapter = request.firstChapter; chapter <= request.lastChapter; ++chapter) {
    if (chapter > request.firstChapter) documentWriter_.InsertText("\n");
    InsertPassage(book, chapter, chapter == request.firstChapter ? request.fromVerse : 1,
                  chapter == request.lastChapter ? request.toVerse : 0);
  }
  return true;
}

bool TFormInsert::InsertChapter(std::string_view bookName, int chapter) {
  const int book = engine_.FindBookByName(bookName);
  if (book == 0) {
    WarnNoSuchBook(bookName);
    return false;
  }
  return InsertPassage(book, chapter, 1, 0);
}

bool TFormInsert::InsertVerses(std::string_view bookName, int chapter, int verse) {
  const int book = engine_.FindBookByName(bookName);
  if (book == 0) {
    WarnNoSuchBook(bookName);
    return false;
  }
  return InsertPassage(book, chapter, verse, verse);
}

bool TFormInsert::InsertPassage(int book, int chapter, int fromVerse, int toVerse) {
  if (book < 1 || book > TixoEngine::Books) {
    WarnNoSuchBook(std::to_string(book));
    return false;
  }
  chapter = std::clamp<int>(chapter, 1, std::max<int>(engine_.BookInfo[book].ChapterCount, 1));
  TWordCursor cursor;
  if (!engine_.SeekVerse(book, chapter, 1, cursor)) return false;

  const int verses = engine_.ChapterVerseCount(cursor.Text.Cur);
  if (fromVerse < 1) fromVerse = 1;
  if (fromVerse > verses) fromVerse = verses;
  if (toVerse <= 0 || toVerse > verses) toVerse = verses;
  if (fromVerse > toVerse) std::swap(fromVerse, toVerse);

  SetItalic(false);
  SetBold(true);
  const std::string& name = engine_.BookNames[book];
  const bool singleChapter = IsSingleChapterBook(book);
  std::string heading = name;
  if (fromVerse > 1 || toVerse < verses) {
    heading += ' ';
    if (!singleChapter) heading.append(std::to_string(chapter)).append(":");
    heading += std::to_string(fromVerse);
    if (toVerse > fromVerse) heading.append("-").append(std::to_string(toVerse));
  } else if (!singleChapter) {
    heading.append(" ").append(std::to_string(chapter));
  }
  WriteText(heading + "\n");
  SetBold(false);

  if (!engine_.SeekVerse(book, chapter, fromVerse, cursor)) {
    platform::MessageDlg(kInternalError, platform::DialogType::Warning);
    return false;
  }
  for (int verse = fromVerse;; ++verse) {
    if (verse > fromVerse) WriteText("  ");
    if (fromVerse != toVerse) WriteVerseNumber(std::to_string(verse));
    const bool bookGoesOn = WriteVerse(cursor);
    if (!bookGoesOn || verse + 1 > toVerse) break;
  }
  WriteText("\n");
  return true;
}

bool TFormInsert::WriteVerse(TWordCursor& cursor) {
  for (bool first = true;; first = false) {
    const ixo::IxoWritten& word = *cursor.Text.Cur;
    if (!first) WriteText(" ");
    if (const std::string prefix = publish::WordPrefix(cursor.Text.Prev, word); !prefix.empty()) WriteText(prefix);
    const std::string display = engine_.DisplayText(word);
    WriteWord(display, (word.flags & ixo::FlagItalic) != 0);
    const std::string suffix = publish::WordSuffix(word, cursor.Text.Next, publish::LastCharacter(display));
    if (!suffix.empty()) WriteText(suffix);
    const std::uint8_t verse = word.verse;
    if (!NextWord(cursor)) return false;
    if (cursor.Text.Cur->verse != verse) return true;
  }
}

void TFormInsert::WriteText(std::string_view text) { documentWriter_.InsertText(text); }

void TFormInsert::WriteWord(std::string_view text, bool italic) {
  if (italic) SetItalic(true);
  WriteText(text);
  if (italic) SetItalic(false);
}

void TFormInsert::WriteVerseNumber(std::string_view text) {
  SetColor(kVerseNumberColor);
  SetBold(true);
  SetSuperscript(true);
  WriteText(text);
  SetSuperscript(false);
  SetBold(false);
  SetColor(0);
}

void TFormInsert::SetItalic(bool on) {
  if (on == italic_) return;
  italic_ = on;
  documentWriter_.SetItalic(on);
}

void TFormInsert::SetBold(bool on) {
  if (on == bold_) return;
  bold_ = on;
  documentWriter_.SetBold(on);
}

void TFormInsert::SetColor(std::uint32_t value) {
  if (value == color_) return;
  color_ = value;
  documentWriter_.SetColor(value);
}

void TFormInsert::SetSuperscript(bool on) {
  if (on == superscript_) return;
  superscript_ = on;
  documentWriter_.SetSuperscript(on);
}

bool InsertVerseNode(TFormInsert& insertForm, const ui::TreeNode& node) {
  if (node.ImageIndex() != ui::node::kVerse) return false;
  const ui::TreeNode* chapterNode = node.Parent();
  const ui::TreeNode* bookNode = chapterNode ? chapterNode->Parent() : nullptr;
  if (!bookNode) return true;
  const std::optional<int> chapter = ChapterOfNode(*chapterNode);
  const std::optional<int> verse = CaptionNumber(node, 0);
  if (chapter && verse) insertForm.InsertVerses(bookNode->Text().toStdString(), *chapter, *verse);
  return true;
}

void InsertChapterNode(TFormInsert& insertForm, const ui::TreeNode& node) {
  const ui::TreeNode* bookNode = node.Parent();
  const std::optional<int> chapter = ChapterOfNode(node);
  if (!bookNode || !chapter) return;
  const std::string bookName = bookNode->Text().toStdString();
  for (int i = 0; i < node.Count(); ++i) {
    const ui::TreeNode& child = *node.Child(i);
    if (child.ImageIndex() != ui::node::kVerse) break;
    if (const std::optional<int> verse = CaptionNumber(child, 0))
      insertForm.InsertVerses(bookName, *chapter, *verse);
  }
}

void InsertBookNode(TFormInsert& insertForm, const ui::TreeNode& node) {
  for (int i = 0; i < node.Count(); ++i) InsertChapterNode(insertForm, *node.Child(i));
}

}  // namespace wordaddin

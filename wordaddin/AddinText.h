#pragma once
// What the add-in's commands need of its text side: the engine over the add-in's
// own data and engine library, and the forms that read the text through it.

#include <memory>

class QWidget;

namespace ui {
class ModalForm;
}

namespace wordaddin {

class TFormAbout;
class TIxoDocument;

class AddinText {
 public:
  virtual ~AddinText() = default;

  // Reads the settings, loads the engine library and the data; true when loaded.
  virtual bool Load() = 0;
  virtual void Unload() = 0;
  virtual bool Loaded() const = 0;

  // The insert dialog, over parent; its About button shows aboutForm.
  virtual std::unique_ptr<ui::ModalForm> CreateInsertForm(QWidget* parent, TFormAbout& aboutForm) = 0;
  // The search form (a window the host shows modally), which inserts through
  // insertForm, made by CreateInsertForm; null when the add-in has none.
  virtual std::unique_ptr<QWidget> CreateSearchForm(ui::ModalForm& insertForm, TFormAbout& aboutForm) = 0;
  // Loads the current study into the search form, made by CreateSearchForm,
  // before it is shown.
  virtual void LoadCurrentStudy(QWidget& searchForm) = 0;
};

// The add-in's text side: the engine over the add-in's own data and engine
// library, whose insert dialog writes through documentWriter. Null without a
// writer, and then the commands that read the text report that it could not be
// loaded.
std::unique_ptr<AddinText> CreateAddinText(TIxoDocument* documentWriter);

}  // namespace wordaddin

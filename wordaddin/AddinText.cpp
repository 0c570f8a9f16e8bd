#include "AddinText.h"

#include "IxoDocument.h"
#include "ixoInsertTextDialog.h"
#include "ixoObject.h"

namespace wordaddin {
namespace {

class EngineText final : public AddinText {
 public:
  explicit EngineText(TIxoDocument& documentWriter) : documentWriter_(documentWriter) {}

  bool Load() override { return engine_.Load(); }
  void Unload() override { engine_.Unload(); }
  bool Loaded() const override { return engine_.Loaded; }

  std::unique_ptr<ui::ModalForm> CreateInsertForm(QWidget* parent, TFormAbout& aboutForm) override {
    return std::make_unique<TFormInsert>(parent, engine_, documentWriter_, aboutForm);
  }
  // The add-in has no search form yet.
  std::unique_ptr<ui::ModalForm> CreateSearchForm(ui::ModalForm&, TFormAbout&) override { return nullptr; }
  void LoadCurrentStudy(ui::ModalForm&) override {}

 private:
  TixoEngine engine_;
  TIxoDocument& documentWriter_;
};

}  // namespace

std::unique_ptr<AddinText> CreateAddinText(TIxoDocument* documentWriter) {
  if (!documentWriter) return nullptr;
  return std::make_unique<EngineText>(*documentWriter);
}

}  // namespace wordaddin

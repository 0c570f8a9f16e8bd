#include "AddinText.h"

#include "AddinSearchText.h"
#include "IxoDocument.h"
#include "ixoInsertTextDialog.h"
#include "ixoObject.h"
#include "ixoSearch.h"

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
  std::unique_ptr<QWidget> CreateSearchForm(ui::ModalForm& insertForm, TFormAbout& aboutForm) override {
    auto* insertDialog = qobject_cast<TFormInsert*>(&insertForm);
    if (!insertDialog) return nullptr;
    return std::make_unique<TInterfaceForm>(searchText_, *insertDialog, aboutForm);
  }
  void LoadCurrentStudy(QWidget& searchForm) override {
    if (auto* form = qobject_cast<TInterfaceForm*>(&searchForm)) form->LoadCurrentStudy();
  }

 private:
  TixoEngine engine_;
  AddinSearchText searchText_{engine_};
  TIxoDocument& documentWriter_;
};

}  // namespace

std::unique_ptr<AddinText> CreateAddinText(TIxoDocument* documentWriter) {
  if (!documentWriter) return nullptr;
  return std::make_unique<EngineText>(*documentWriter);
}

}  // namespace wordaddin

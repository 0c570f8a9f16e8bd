#pragma once
// The add-in's work behind its exports: loading (splash, engine, menu),
// unloading, and the three commands the host runs from the add-in's menus.

#include <cstdint>
#include <functional>
#include <memory>

#include "AddinText.h"

namespace wordaddin {

// The message when the engine is missing, its library or data cannot be loaded.
inline constexpr char kTextNotLoaded[] = "Could not initialize bible text.  Please re-install the program.";

class Addin {
 public:
  using TextFactory = std::function<std::unique_ptr<AddinText>()>;
  explicit Addin(TextFactory createText);

  // Shows the splash, loads the engine and registers the menu and commands.
  void AutoOpen(std::int32_t docRef);
  // Lets pending events run, then unloads and frees the engine.
  void AutoRemove();

  void Insert();
  void Search();
  void AboutBox();

  // The about form over the host's window, closing itself after intervalMs
  // (0: its designed interval). Returns the result of the last host command.
  bool ShowAboutBox(int intervalMs);

 private:
  // True when the text can be read; else tells the user once and returns false.
  bool TextReady() const;

  TextFactory createText_;
  std::unique_ptr<AddinText> engine_;
};

}  // namespace wordaddin

// ixomanual [--contents] HELP-FOLDER PDF-FILE
// Writes the manual the search form's Help menu opens: the pages of the help
// in the order of the Help page's topics, from HELP-FOLDER (which holds
// "help.tree" and "Help/"), as one PDF. With --contents, prints the contents:
// one line per section, its title indented two blanks per level, a tab and
// its page. Says what is wrong and exits with 1 when a topic's page cannot be
// read or the file cannot be written. Runs without a display
// (QT_QPA_PLATFORM=offscreen).

#include <QGuiApplication>
#include <iostream>
#include <string_view>

#include "data/manual/ManualDocument.h"
#include "data/manual/ManualPage.h"
#include "data/manual/ManualTopics.h"
#include "platform/Paths.h"
#include "platform/WholeFile.h"

namespace {

int Fail(const std::string& message) {
  std::cerr << "ixomanual: " << message << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool contents = argc == 4 && std::string_view(argv[1]) == "--contents";
  if (argc != 3 && !contents) {
    std::cerr << "usage: ixomanual [--contents] HELP-FOLDER PDF-FILE\n";
    return 2;
  }
  QGuiApplication application(argc, argv);
  const std::string helpFolder = platform::IncludeTrailingSeparator(argv[argc - 2]);
  const std::string file = argv[argc - 1];

  std::vector<data::manual::ManualSection> sections;
  for (data::manual::ManualTopic& topic : data::manual::ReadManualTopics(helpFolder)) {
    const platform::WholeFile page = platform::ReadWholeFile(topic.page);
    if (page.status != platform::WholeFile::Status::Read)
      return Fail("the page " + topic.page + " of the topic \"" + topic.title + "\" cannot be read");
    sections.push_back({std::move(topic), data::manual::ManualSectionBody(page.bytes)});
  }
  if (sections.empty()) return Fail("no topics in " + helpFolder + "help.tree");

  const data::manual::ManualPdf manual = data::manual::WriteManualPdf(sections);
  if (manual.bytes.isEmpty() ||
      !platform::ReplaceFileCreatingFolder(file, std::string_view(manual.bytes.constData(), manual.bytes.size())))
    return Fail("cannot write " + file);

  if (contents)
    for (std::size_t i = 0; i < sections.size(); ++i)
      std::cout << std::string(2 * sections[i].topic.depth, ' ') << sections[i].topic.title << '\t'
                << manual.sectionPages[i] << '\n';
  return 0;
}

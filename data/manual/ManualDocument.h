#pragma once
// The manual as a PDF: a title page with the contents and their page
// numbers, then one section per topic, its title a heading of its depth and
// its help page's body below it. Each topic at the top two levels begins a
// new page; every page carries its number at the foot. A4, black on white.

#include <QByteArray>
#include <string>
#include <vector>

#include "ManualTopics.h"

namespace data::manual {

struct ManualSection {
  ManualTopic topic;
  std::string body;  // HTML (ManualPage.h)
};

struct ManualPdf {
  QByteArray bytes;                // the whole file; empty when it could not be drawn
  std::vector<int> sectionPages;   // the page each section begins on, from 1, in order
  int pageCount = 0;
};

// Needs a Qt GUI application (fonts); it may run on the offscreen platform.
ManualPdf WriteManualPdf(const std::vector<ManualSection>& sections);

}  // namespace data::manual

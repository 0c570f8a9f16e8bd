#include "ManualDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cstring>

namespace data::manual {
namespace {

constexpr char kTitle[] = "Ixo Bible";
constexpr char kSubject[] = "Ixo Bible Help";
constexpr char kAnchorPrefix[] = "section-";
// Laying out again with the page numbers found can move a section when the
// contents grow; a few rounds settle it.
constexpr int kLayoutRounds = 4;

// Margins in pixels of 96 to the inch, which the layout scales to the PDF's resolution.
const char kStyle[] =
    "body { font-family: 'DejaVu Sans'; font-size: 11pt; color: black; }"
    "h1 { font-size: 20pt; margin-top: 0px; margin-bottom: 14px; }"
    "h2 { font-size: 16pt; margin-top: 20px; margin-bottom: 10px; }"
    "h3 { font-size: 13pt; margin-top: 16px; margin-bottom: 8px; }"
    "h4 { font-size: 11pt; margin-top: 12px; margin-bottom: 6px; }"
    "p { margin-top: 0px; margin-bottom: 8px; }"
    "ul, dl { margin-top: 0px; margin-bottom: 8px; }"
    "p.title { font-size: 28pt; font-weight: bold; margin-bottom: 6px; }"
    "p.subtitle { font-size: 14pt; margin-bottom: 40px; }"
    "p.see { font-style: italic; }"
    "dt { font-weight: bold; margin-top: 6px; }";

QString Escaped(const std::string& text) { return QString::fromUtf8(text).toHtmlEscaped(); }

QString ManualHtml(const std::vector<ManualSection>& sections, const std::vector<int>& pages) {
  QString html = QStringLiteral("<html><body><p class=\"title\">%1</p><p class=\"subtitle\">%2</p><h1>Contents</h1>")
                     .arg(QLatin1String(kTitle), QLatin1String(kSubject));
  html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">");
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const ManualTopic& topic = sections[i].topic;
    // Table cells take no left padding: blanks indent the sub-topics.
    html += QStringLiteral("<tr><td>%1%2</td><td align=\"right\">%3</td></tr>")
                .arg(QString(QStringLiteral("&nbsp;")).repeated(4 * topic.depth))
                .arg(Escaped(topic.title))
                .arg(pages[i]);
  }
  html += QStringLiteral("</table>");

  for (std::size_t i = 0; i < sections.size(); ++i) {
    const ManualTopic& topic = sections[i].topic;
    const int level = std::min(topic.depth + 1, 3);
    const QString pageBreak = topic.depth <= 1 ? QStringLiteral(" style=\"page-break-before: always\"") : QString();
    html += QStringLiteral("<h%1%2><a name=\"%3%4\">%5</a></h%1>")
                .arg(level)
                .arg(pageBreak, QLatin1String(kAnchorPrefix))
                .arg(i)
                .arg(Escaped(topic.title));
    html += QString::fromUtf8(sections[i].body);
  }
  return html + QStringLiteral("</body></html>");
}

// The page (from 1) of the heading of each section, found by its anchor.
std::vector<int> SectionPages(const QTextDocument& document, std::size_t count) {
  std::vector<int> pages(count, 0);
  const qreal pageHeight = document.pageSize().height();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
      for (const QString& name : it.fragment().charFormat().anchorNames()) {
        if (!name.startsWith(QLatin1String(kAnchorPrefix))) continue;
        bool number = false;
        const std::size_t section = name.mid(static_cast<int>(std::strlen(kAnchorPrefix))).toULongLong(&number);
        if (!number || section >= count) continue;
        const qreal top = document.documentLayout()->blockBoundingRect(block).top();
        pages[section] = static_cast<int>(top / pageHeight) + 1;
      }
    }
  }
  return pages;
}

void DrawPage(QPainter& painter, const QTextDocument& document, int page, const QFont& footFont, qreal footHeight) {
  const QSizeF size = document.pageSize();
  const QRectF area(0, page * size.height(), size.width(), size.height());
  painter.save();
  painter.translate(0, -area.top());
  painter.setClipRect(area);
  QAbstractTextDocumentLayout::PaintContext context;
  context.clip = area;
  context.palette.setColor(QPalette::Text, Qt::black);
  document.documentLayout()->draw(&painter, context);
  painter.restore();

  painter.setFont(footFont);
  painter.setPen(Qt::black);
  painter.drawText(QRectF(0, size.height(), size.width(), footHeight), Qt::AlignHCenter | Qt::AlignBottom,
                   QString::number(page + 1));
}

}  // namespace

ManualPdf WriteManualPdf(const std::vector<ManualSection>& sections) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setTitle(QLatin1String(kSubject));
  writer.setCreator(QLatin1String(kTitle));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 14),
                                   QPageLayout::Millimeter));

  const QFont footFont(QStringLiteral("DejaVu Sans"), 9);
  const qreal footHeight = QFontMetricsF(footFont, &writer).height() * 3;
  const QRectF paintArea = writer.pageLayout().paintRectPixels(writer.resolution());

  QTextDocument document;
  document.documentLayout()->setPaintDevice(&writer);
  document.setDefaultStyleSheet(QLatin1String(kStyle));
  document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
  document.setPageSize(QSizeF(paintArea.width(), paintArea.height() - footHeight));

  ManualPdf manual;
  manual.sectionPages.assign(sections.size(), 0);
  for (int round = 0; round < kLayoutRounds; ++round) {
    document.setHtml(ManualHtml(sections, manual.sectionPages));
    std::vector<int> found = SectionPages(document, sections.size());
    const bool settled = found == manual.sectionPages;
    manual.sectionPages = std::move(found);
    if (settled) break;
  }
  manual.pageCount = document.pageCount();

  QPainter painter;
  if (!painter.begin(&writer)) return {};
  for (int page = 0; page < manual.pageCount; ++page) {
    if (page > 0 && !writer.newPage()) return {};
    DrawPage(painter, document, page, footFont, footHeight);
  }
  if (!painter.end()) return {};
  manual.bytes = buffer.data();
  return manual;
}

}  // namespace data::manual

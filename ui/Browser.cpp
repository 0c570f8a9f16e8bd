#include "Browser.h"

#include "platform/Paths.h"

namespace ui {
namespace {

constexpr QLatin1StringView kFileScheme("file://");

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The length of a trailing "#v" and digits of an address, or 0.
qsizetype VerseAnchorLength(const QString& address) {
  qsizetype digits = address.size();
  while (digits > 0 && IsAsciiDigit(address[digits - 1])) --digits;
  if (digits == address.size() || !address.first(digits).endsWith(u"#v")) return 0;
  return address.size() - digits + 2;
}

}  // namespace

QUrl NavigationUrl(const QString& address) {
  if (address.startsWith(u'/')) return QUrl::fromLocalFile(address);
  const QString path = address.startsWith(kFileScheme) ? address.sliced(kFileScheme.size()) : QString();
  if (!path.startsWith(u'/')) return QUrl(address);

  const qsizetype anchor = VerseAnchorLength(path);
  QUrl url = QUrl::fromLocalFile(path.chopped(anchor));
  if (anchor > 0) url.setFragment(path.last(anchor - 1));  // without its "#"
  return url;
}

QString AddressOfUrl(const QUrl& url) {
  if (!url.isLocalFile()) return url.toString();
  std::string fragment;
  if (url.hasFragment()) fragment = '#' + url.fragment().toStdString();
  return QString::fromStdString(platform::FileAddress(url.toLocalFile().toStdString(), fragment));
}

}  // namespace ui

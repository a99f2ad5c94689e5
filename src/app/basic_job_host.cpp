#include "app/basic_job_host.h"

#include "platform/text.h"

namespace folio {

void BasicJobHost::setTitle(std::u16string_view title) {
  title_ = title;
  if (keepTitles_) titles_.push_back(title_);
}

void BasicJobHost::addStatusLine(std::u16string_view text) {
  std::u16string line = u"    ";
  line += text;
  statusLines_.push_back(line);
  if (onLine) onLine(line);
}

void BasicJobHost::addFolderLine(std::u16string_view path, int number, int total) {
  std::u16string line = FormatText(u"%s (%d/%d)", {path, DecimalText(number), DecimalText(total)});
  statusLines_.push_back(line);
  if (onLine) onLine(line);
}

void BasicJobHost::addPlainLine(std::u16string_view text) {
  statusLines_.emplace_back(text);
  if (onLine) onLine(statusLines_.back());
}

void BasicJobHost::pumpMessages() {
  ++pumps_;
  if (onPump) onPump(*this);
}

}  // namespace folio

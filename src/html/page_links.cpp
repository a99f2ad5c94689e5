// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/page_links.h"

#include <vector>

#include "folder/folder_layout.h"
#include "html/escaping.h"
#include "html/value_format.h"
#include "platform/text.h"

namespace folio {

namespace {

// Position edits that clamp like the string class the labels were designed
// with: an index past the end deletes nothing and inserts at the end.
void DeleteAt(std::u16string& text, std::size_t index, std::size_t count) {
  if (index < text.size()) text.erase(index, count);
}
void InsertAt(std::u16string& text, std::size_t index, std::u16string_view what) {
  text.insert(index < text.size() ? index : text.size(), what);
}

// 2010:05:01 12:34:56 -> 2010年05月01日; other text is cut by the same positions.
std::u16string DateLabel(std::u16string text) {
  DeleteAt(text, 10, 11);
  DeleteAt(text, 4, 1);
  InsertAt(text, 4, u"年");
  DeleteAt(text, 7, 1);
  InsertAt(text, 7, u"月");
  text += u"日";
  return text;
}

std::u16string Labelled(std::u16string_view value) {
  std::u16string label = u"：";
  label += value;
  return label;
}

}  // namespace

std::u16string KeywordPageLabel(const ImageRecord& first) {
  const std::u16string_view keyword = FieldText(first.sortKeyword);
  if (keyword == u"F値") {
    if (first.fNumber.denominator == 0) return u"：F値不明";
    return u"：F" +
           FormatFixed(static_cast<double>(first.fNumber.numerator) / first.fNumber.denominator, 2);
  }
  if (keyword == u"ISO感度") {
    if (first.isoSpeed == 0) return u"：ISO感度不明";
    return u"：ISO" + DecimalText(first.isoSpeed);
  }
  if (keyword == u"カメラモデル") {
    if (FieldText(first.model).empty()) return u"：カメラモデル不明";
    return Labelled(FieldText(first.model));
  }
  if (keyword == u"シャッタースピード") {
    const std::u16string speed = FormatShutterSpeed(first);
    if (speed == u"0") return u"：SS不明";
    return u"：SS" + speed + u"秒";
  }
  if (keyword == u"メーカー") {
    if (FieldText(first.make).empty()) return u"：メーカー不明";
    return Labelled(FieldText(first.make));
  }
  if (keyword == u"レンズ情報") {
    if (FieldText(first.lensName).empty()) return u"：レンズ情報不明";
    return Labelled(FieldText(first.lensName));
  }
  if (keyword == u"焦点距離") {
    if (first.focalLength.denominator == 0) return u"：焦点距離不明";
    return u"：" + DecimalText(first.focalLength.numerator / first.focalLength.denominator) + u"mm";
  }
  if (keyword == u"撮影日時") {
    // Same pattern as the other keywords: the keyword's own name and "不明".
    if (FieldText(first.dateTimeOriginal).empty()) return u"：撮影日時不明";
    return Labelled(DateLabel(std::u16string(FieldText(first.dateTimeOriginal))));
  }
  return u"ページ";
}

std::u16string BuildPageLinks(const ThumbnailPageOptions& options, int pages, int current,
                              std::span<const ImageRecord> records) {
  const int count = static_cast<int>(records.size());
  if (pages < 1) return {};
  std::vector<std::u16string> labels(static_cast<std::size_t>(pages), u"ページ");
  if (options.keywordPages && count > 0) {
    int run = 0;
    for (int i = 0; i < count && run < pages; ++run) {
      labels[static_cast<std::size_t>(run)] = KeywordPageLabel(records[i]);
      const int32_t group = records[i].groupNumber;
      while (i < count && records[i].groupNumber == group) ++i;
    }
  }
  std::u16string out;
  for (int n = 1; n <= pages; ++n) {
    // A label may carry a camera's or lens's own text.
    const std::u16string label = EscapeHtml(labels[static_cast<std::size_t>(n - 1)]);
    const std::u16string number = DecimalText(n);
    if (n == current) {
      out += number + label;
    } else {
      out += u"<a href=\"" + ThumbnailPageName(n) + u"\">" + number + label + u"</a>";
    }
    // A LinkNo below 1 would divide by zero: the links then run on one line.
    out += (options.linkColumns > 0 && n % options.linkColumns == 0) ? u"<br>\r\n" : u"　";
  }
  return out;
}

}  // namespace folio

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/caption_commands_dialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace folio::gui {

CaptionCommandsDialog::CaptionCommandsDialog(QWidget* parent)
    : QDialog(parent), edit_(new QPlainTextEdit(this)) {
  setWindowTitle(QStringLiteral("コマンドヒント"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(edit_);
  edit_->setReadOnly(true);
  edit_->setPlainText(CommandText());
  resize(260, 300);
}

QString CaptionCommandsDialog::CommandText() {
  static const char16_t* const kLines[] = {
      u"コマンドの一覧です",
      u"コピペしてご使用下さい",
      u"",
      u"画像ファイルNo.：%n",
      u"カメラメーカー名：%m",
      u"カメラモデル名：%c",
      u"画像ファイル名：%j",
      u"撮影日時：%d",
      u"シャッタースピード：%s秒",
      u"F値：%f",
      u"ISO感度：%i",
      u"焦点距離：%lmm",
      u"サイズ：%h×%wピクセル",
      u"撮影モード：%e",
      u"ホワイトバランス：%b",
      u"露出補正：%r",
      u"フラッシュ：%t",
      u"レンズ情報：%v",
  };
  QString text;
  for (const char16_t* line : kLines) {
    if (line != kLines[0]) text += QStringLiteral("\r\n");
    text += QString::fromUtf16(line);
  }
  return text;
}

}  // namespace folio::gui

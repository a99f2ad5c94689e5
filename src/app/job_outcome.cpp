// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/job_outcome.h"

namespace folio {

OutcomeText Describe(Outcome outcome) {
  constexpr MessageIcon kWarn = MessageIcon::Exclamation;
  constexpr MessageIcon kNone = MessageIcon::None;
  switch (outcome) {
    case Outcome::kNoPhotos:
      return {u"エラー：JPG画像ファイルがありません", u"JPG画像ファイルがありません", u"エラー",
              kWarn};
    case Outcome::kRewindDeclined:
      return {u"終了：巻き戻しは行われませんでした", u"巻き戻しは行われませんでした", u"終了",
              kWarn};
    case Outcome::kRewound:
      return {u"終了：サムネイルHTMLの巻き戻しが行われました",
              u"サムネイルHTMLの巻き戻しが行われました", u"終了", kWarn};
    case Outcome::kPagesNotMade:
      return {u"終了：サムネイルHTMLは作成されませんでした", {}, {}, kNone};
    case Outcome::kPagesMade:
      return {u"終了：サムネイルHTMLファイル作成完了", u"サムネイルHTMLファイル作成完了", u"成功",
              kNone};
    case Outcome::kPagesMadeLensUnread:
      return {
          u"終了：サムネイルHTMLファイル作成完了。レンズ名、ホワイトバランスを正しく取得できなかった画像があります。",
          u"サムネイルHTMLファイル作成完了。\r\nレンズ名、ホワイトバランスを正しく\r\n取得できなかった画像があります。",
          u"成功", kNone};
    case Outcome::kPageExists:
      return {u"エラー：HTMLファイルがすでに存在します", u"ファイルがすでに存在します", u"エラー",
              kWarn};
    case Outcome::kPageNotWritten:
      return {u"エラー：HTMLファイルを書き込めませんでした", u"HTMLファイルを書き込めませんでした",
              u"エラー", kWarn};
    case Outcome::kJournalNotWritten:
      return {u"エラー：作業記録ファイルを書き込めませんでした",
              u"作業記録ファイルを書き込めませんでした", u"エラー", kWarn};
    case Outcome::kImageNotWritten:
      return {u"エラー：画像ファイルを書き込めませんでした", u"画像ファイルを書き込めませんでした",
              u"エラー", kWarn};
    case Outcome::kSlideshowMade:
      return {u"終了：スライドショーHTMLファイル作成完了", u"スライドショーHTMLファイル作成完了",
              u"成功", kNone};
    case Outcome::kSheetsMade:
      return {u"終了：合成画像を作成しました", u"画像ファイル作成完了", u"成功", kNone};
    case Outcome::kSheetsFailed:
      return {u"エラー：合成画像作成に失敗しました", u"合成画像作成に失敗しました", u"エラー",
              kNone};
    case Outcome::kResized: return {u"終了：リサイズ完了", u"リサイズ完了", u"成功", kNone};
    case Outcome::kResizedSomeKept:
      return {u"終了：同名ファイルが存在します。リサイズされなかったファイルが存在します",
              u"保存先に同名ファイルが存在します\nリサイズされなかったファイルが存在します",
              u"成功", kNone};
    case Outcome::kSaveFolderIsPhotoFolder:
      return {u"エラー：保存先が元画像のフォルダです", u"保存先が元画像のフォルダです", u"エラー",
              kWarn};
    case Outcome::kSaveFolderNotMade:
      return {u"エラー：保存先フォルダを作成できませんでした",
              u"保存先フォルダを作成できませんでした", u"エラー", kWarn};
    case Outcome::kCancelled: return {kCancelledLine, {}, {}, kNone};
    case Outcome::kSheetsCancelled: return {kCancelledLine, {}, {}, kNone, true};
    case Outcome::kNotAFolder: return {u"エラー：フォルダではありません", {}, {}, kNone};
    case Outcome::kInterruptedJobUndone:
      return {u"復旧：中断されたサムネイルHTML作成を元に戻しました", {}, {}, kNone};
    case Outcome::kInterruptedRewindFinished:
      return {u"復旧：中断された巻き戻しを完了しました", {}, {}, kNone};
    case Outcome::kNoJob: break;
    case Outcome::kResizedSomeNotWritten:
      return {u"エラー：リサイズ画像を書き込めなかったファイルがあります",
              u"リサイズ画像を書き込めなかったファイルがあります", u"エラー", kWarn};
    case Outcome::kSheetTooLarge:
      return {u"エラー：合成画像のサイズが大きすぎます", u"合成画像のサイズが大きすぎます",
              u"エラー", kWarn};
    case Outcome::kFolderInUse:
      return {u"エラー：このフォルダは別のFolioscopeが処理中です",
              u"このフォルダは別のFolioscopeが処理中です", u"エラー", kWarn};
    case Outcome::kLockNotMade:
      return {u"エラー：ロックファイル .folioscope-lock を作成できませんでした",
              u"ロックファイル .folioscope-lock を作成できませんでした", u"エラー", kWarn};
    case Outcome::kJournalDamaged:
      return {
          u"エラー：作業記録ファイル .folioscope-journal が壊れています。フォルダには手を付けていません",
          u"作業記録ファイル .folioscope-journal が壊れています。\r\nフォルダには手を付けていません",
          u"エラー", kWarn};
    case Outcome::kThumNotFolder:
      return {u"エラー：thum がフォルダではありません（リンクやファイルは使えません）",
              u"thum がフォルダではありません（リンクやファイルは使えません）", u"エラー", kWarn};
    case Outcome::kJpgNotFolder:
      return {u"エラー：jpg がフォルダではありません（リンクやファイルは使えません）",
              u"jpg がフォルダではありません（リンクやファイルは使えません）", u"エラー", kWarn};
    case Outcome::kSlideshowNotFolder:
      return {u"エラー：slideshow がフォルダではありません（リンクやファイルは使えません）",
              u"slideshow がフォルダではありません（リンクやファイルは使えません）", u"エラー",
              kWarn};
    case Outcome::kImgNotFolder:
      return {u"エラー：img がフォルダではありません（リンクやファイルは使えません）",
              u"img がフォルダではありません（リンクやファイルは使えません）", u"エラー", kWarn};
    case Outcome::kPhotosLeftInJpg:
      return {
          u"エラー：フォルダに書き込めないため中断しました。写真は jpg フォルダにあり、次の実行で元に戻します",
          u"フォルダに書き込めないため中断しました。\r\n写真は jpg フォルダにあり、次の実行で元に戻します",
          u"エラー", kWarn};
    case Outcome::kInterruptedJobNotUndone:
      return {
          u"エラー：中断されたサムネイルHTML作成を元に戻せませんでした。写真は jpg フォルダにあり、次の実行で元に戻します",
          u"中断されたサムネイルHTML作成を元に戻せませんでした。\r\n写真は jpg フォルダにあり、次の実行で元に戻します",
          u"エラー", kWarn};
  }
  return {};
}

ReportChannel ReportChannelOf(Outcome outcome, bool batchMode) {
  const OutcomeText text = Describe(outcome);
  if (text.statusLine.empty() || (text.batchOnly && !batchMode)) return ReportChannel::kNone;
  if (batchMode || text.boxText.empty()) return ReportChannel::kStatusLine;
  return ReportChannel::kMessageBox;
}

bool IsCancel(Outcome outcome) {
  return outcome == Outcome::kCancelled || outcome == Outcome::kSheetsCancelled;
}

bool IsFailure(Outcome outcome) {
  switch (outcome) {
    case Outcome::kNoPhotos:
    case Outcome::kPageExists:
    case Outcome::kPageNotWritten:
    case Outcome::kJournalNotWritten:
    case Outcome::kImageNotWritten:
    case Outcome::kSheetsFailed:
    case Outcome::kSaveFolderIsPhotoFolder:
    case Outcome::kSaveFolderNotMade:
    case Outcome::kNotAFolder:
    case Outcome::kResizedSomeNotWritten:
    case Outcome::kSheetTooLarge:
    case Outcome::kFolderInUse:
    case Outcome::kLockNotMade:
    case Outcome::kJournalDamaged:
    case Outcome::kThumNotFolder:
    case Outcome::kJpgNotFolder:
    case Outcome::kSlideshowNotFolder:
    case Outcome::kImgNotFolder:
    case Outcome::kPhotosLeftInJpg:
    case Outcome::kInterruptedJobNotUndone: return true;
    default: return false;
  }
}

}  // namespace folio

#pragma once
// The imaging library's start-up holder. QImage and QPainter need no start-up
// beyond the application object, so this only checks that one exists while
// the main window lives.
#include <QGuiApplication>

class GdiplusUtil {
 public:
  GdiplusUtil() { Q_ASSERT(QGuiApplication::instance() != nullptr); }
  GdiplusUtil(const GdiplusUtil&) = delete;
  GdiplusUtil& operator=(const GdiplusUtil&) = delete;
};

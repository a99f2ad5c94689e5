// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/about_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdlib>
#include <cstring>

#include "app/gui/qt_text.h"
#include "platform/text.h"

namespace folio::gui {

AboutDialog::AboutDialog(const QString& windowTitle, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Folioscope"));
  auto* layout = new QHBoxLayout(this);
  auto* icon = new QLabel(this);
  icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
  layout->addWidget(icon, 0, Qt::AlignTop);
  auto* texts = new QVBoxLayout;
  titleLabel = new QLabel(windowTitle, this);
  titleLabel->setTextFormat(Qt::PlainText);
  dateLabel = new QLabel(QStringLiteral("Kirameki ") + ToQ(BuildDateText(__DATE__)), this);
  dateLabel->setTextFormat(Qt::PlainText);
  texts->addWidget(titleLabel);
  texts->addWidget(dateLabel);
  texts->addStretch();
  layout->addLayout(texts, 1);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  layout->addWidget(ok, 0, Qt::AlignTop);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

std::u16string BuildDateText(const char* date) {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  int month = 0;
  for (int i = 0; i < 12; ++i)
    if (std::strncmp(date, kMonths[i], 3) == 0) month = i + 1;
  const int day = std::atoi(date + 4);
  const int year = std::atoi(date + 7);
  return DecimalText(year) + u"/" + DecimalText(month) + u"/" + DecimalText(day);
}

}  // namespace folio::gui

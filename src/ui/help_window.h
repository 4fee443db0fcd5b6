#pragma once

// The manual, shown inside the program: a browser over its HTML pages with Back, Forward and
// Contents. Links that leave the manual open in the desktop's browser.

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

namespace qb::ui {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Shows the page (a local file), raising the window when it is already open.
  void ShowPage(const QString& path);
  QTextBrowser* Browser() const { return browser_; }

 private:
  void FollowLink(const QUrl& url);

  QTextBrowser* browser_;
  QUrl home_;
};

}  // namespace qb::ui

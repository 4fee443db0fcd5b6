#include "ui/help_window.h"

#include <QAction>
#include <QDesktopServices>
#include <QKeySequence>
#include <QToolBar>
#include <QVBoxLayout>

namespace qb::ui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
  setObjectName("HelpWindow");
  setWindowTitle("Quillboard Help");
  resize(760, 640);
  browser_->setObjectName("HelpBrowser");
  // The browser follows the manual's own links; the rest go to the desktop.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);

  auto* bar = new QToolBar;
  QAction* back = bar->addAction("Back", browser_, &QTextBrowser::backward);
  back->setShortcut(QKeySequence::Back);
  QAction* forward = bar->addAction("Forward", browser_, &QTextBrowser::forward);
  forward->setShortcut(QKeySequence::Forward);
  bar->addAction("Contents", browser_, &QTextBrowser::home);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  back->setEnabled(false);
  forward->setEnabled(false);
  QAction* close = new QAction(this);
  close->setShortcut(QKeySequence(Qt::Key_Escape));
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(browser_);
}

void HelpWindow::ShowPage(const QString& path) {
  const QUrl url = QUrl::fromLocalFile(path);
  if (url != home_) {
    home_ = url;
    browser_->setSource(url);
    // After the page is set: setSource would put the old page back into the history.
    browser_->clearHistory();
  }
  show();
  raise();
  activateWindow();
}

void HelpWindow::FollowLink(const QUrl& url) {
  if (url.isRelative() || url.isLocalFile())
    browser_->setSource(browser_->source().resolved(url));
  else
    QDesktopServices::openUrl(url);
}

}  // namespace qb::ui

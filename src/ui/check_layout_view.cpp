#include "ui/check_layout_view.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "model/user_error.h"

namespace qb::ui {

namespace {

constexpr int kMarkSize = 12;

enum Column { kSeverityColumn, kFormColumn, kControlColumn, kMessageColumn, kColumnCount };

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QImage SeverityImage(FindingSeverity severity) {
  QImage image(kMarkSize, kMarkSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  // Flat colours without blended edges.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  if (severity == FindingSeverity::kError) {
    painter.setBrush(QColor::fromRgba(kErrorMarkColor));
    painter.drawEllipse(0, 0, kMarkSize - 1, kMarkSize - 1);
  } else {
    painter.setBrush(QColor::fromRgba(kWarningMarkColor));
    const QPoint triangle[] = {
        {kMarkSize / 2, 0}, {kMarkSize - 1, kMarkSize - 1}, {0, kMarkSize - 1}};
    painter.drawPolygon(triangle, 3);
  }
  return image;
}

CheckLayoutView::CheckLayoutView(TMain& core, MainWindow& main)
    : QDockWidget(QString::fromUtf8(kCheckLayoutTitle), &main),
      core_(core),
      main_(main),
      note_(new QLabel),
      list_(new QTreeWidget) {
  setObjectName("dockCheckLayout");
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 2, 4, 4);
  layout->setSpacing(2);
  note_->setObjectName("lblCheckSummary");
  list_->setObjectName("lstFindings");
  list_->setColumnCount(kColumnCount);
  list_->setHeaderLabels({"Severity", "Form", "Control", "Problem"});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setIconSize(QSize(kMarkSize, kMarkSize));
  list_->header()->setStretchLastSection(true);
  list_->installEventFilter(this);
  // Alone, without findings, the note stays at the top.
  layout->addWidget(note_, 0, Qt::AlignTop);
  layout->addWidget(list_);
  setWidget(body);
  connect(list_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { OpenLater(list_->indexOfTopLevelItem(item)); });
  main.addDockWidget(Qt::BottomDockWidgetArea, this);
  hide();
}

void CheckLayoutView::Sync() {
  // The one place the findings follow the project's changes.
  core_.LayoutCheck().Follow();
  const LayoutCheckWindow& check = core_.LayoutCheck();
  if (check.Version() != shown_version_) Rebuild();
  if (check.Visible() && isHidden()) {
    show();
    raise();
  } else if (!check.Visible() && !isHidden()) {
    hide();
  }
}

void CheckLayoutView::Rebuild() {
  const LayoutCheckWindow& check = core_.LayoutCheck();
  shown_version_ = check.Version();
  list_->clear();
  note_->setText(Q(check.Summary()));
  QList<QTreeWidgetItem*> items;
  for (const LayoutFinding& finding : check.Findings()) {
    auto* item = new QTreeWidgetItem;
    item->setIcon(kSeverityColumn, QIcon(QPixmap::fromImage(SeverityImage(finding.severity))));
    item->setText(kSeverityColumn, SeverityWord(finding.severity));
    item->setText(kFormColumn, Q(finding.form));
    item->setText(kControlColumn, Q(finding.control));
    item->setText(kMessageColumn, Q(finding.message));
    const QString rule = "Rule: " + Q(finding.rule);
    for (int column = 0; column < kColumnCount; ++column) item->setToolTip(column, rule);
    items.push_back(item);
  }
  list_->addTopLevelItems(items);
  list_->setVisible(!items.isEmpty());
  for (int column = 0; column < kMessageColumn; ++column) list_->resizeColumnToContents(column);
}

void CheckLayoutView::OpenLater(int row) {
  // Once the list's own event has returned: a stale finding checks again, which rebuilds the
  // list, and the list must not lose its items inside its own event handler.
  QTimer::singleShot(0, this, [this, row] { Open(row); });
}

void CheckLayoutView::Open(int row) {
  if (row < 0) return;
  // The mouse button may still be down after a double-click: a message box waits until it
  // is up, or it would swallow the release.
  QtUi::DeferErrors defer(main_.Ui());
  try {
    core_.LayoutCheck().OpenFinding(static_cast<std::size_t>(row));
  } catch (const UserError& e) {
    main_.Ui().ShowError(e.what());
  }
  main_.Sync();
}

void CheckLayoutView::closeEvent(QCloseEvent* event) {
  core_.LayoutCheck().Close();
  QDockWidget::closeEvent(event);
}

bool CheckLayoutView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::FocusIn) core_.LayoutCheck().ListFocused();
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      OpenLater(list_->indexOfTopLevelItem(list_->currentItem()));
      return true;
    }
  }
  return QDockWidget::eventFilter(watched, event);
}

}  // namespace qb::ui

#include "ui/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/menus.h"
#include "app/status_bar.h"
#include "ui/palm_image.h"
#include "ui/pixel_icons.h"

namespace qb::ui {

namespace {

QString Q(const char* s) { return QString::fromUtf8(s); }

bool DesignerKeyOf(int key, DesignerKey* out) {
  switch (key) {
    case Qt::Key_Space:
      *out = DesignerKey::kSpace;
      return true;
    case Qt::Key_Delete:
      *out = DesignerKey::kDelete;
      return true;
    case Qt::Key_Left:
      *out = DesignerKey::kLeft;
      return true;
    case Qt::Key_Up:
      *out = DesignerKey::kUp;
      return true;
    case Qt::Key_Right:
      *out = DesignerKey::kRight;
      return true;
    case Qt::Key_Down:
      *out = DesignerKey::kDown;
      return true;
    default:
      return false;
  }
}

}  // namespace

QMdiSubWindow* AddToolWindow(QMdiArea* area, QWidget* content) {
  QMdiSubWindow* window = area->addSubWindow(content, ToolWindowFlags());
  window->setSystemMenu(nullptr);
  QPixmap blank(1, 1);
  blank.fill(Qt::transparent);
  window->setWindowIcon(QIcon(blank));
  return window;
}

MainWindow::MainWindow(TMain& core, QtUi& ui) : core_(core), ui_(ui), area_(new QMdiArea(this)) {
  setObjectName("frmMain");
  area_->setBackground(QBrush(QColor(128, 128, 128)));
  setCentralWidget(area_);
  BuildMenus();
  BuildToolbars();
  BuildStatusBar();
  ui_.SetParentWindow(this);
  qApp->installEventFilter(this);
  connect(qApp, &QApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
    core_.Geometry().app_active = s == Qt::ApplicationActive;
  });
  zoom_timer_.setInterval(TfrmZoom::kIntervalMs);
  connect(&zoom_timer_, &QTimer::timeout, this, [this] {
    if (core_.Zoom().Tick()) SyncZoom();
  });
  core_.Zoom().SetRefreshListener([this](bool on) {
    if (on)
      zoom_timer_.start();
    else
      zoom_timer_.stop();
  });
  ui_.SetModalListener([this](int) { core_.Zoom().ModalDepthChanged(); });
  BuildZoomWindow();
  // The size the window takes when it is no longer maximised.
  resize(1024, 720);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  core_.Zoom().SetRefreshListener(nullptr);
  ui_.SetModalListener(nullptr);
}

QAction* MainWindow::ActionFor(Command command) const {
  auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

QAction* MainWindow::PaletteAction(PaletteButton button) const {
  auto it = palette_.find(button);
  return it == palette_.end() ? nullptr : it->second;
}

void MainWindow::BuildMenus() {
  for (const MenuDef& def : MainMenus()) {
    QMenu* menu = menuBar()->addMenu(Q(def.caption));
    menu->menuAction()->setVisible(def.visible);
    menu->menuAction()->setStatusTip(Q(def.hint));
    // A menu that is open pauses the zoom refresh like any modal prompt.
    connect(menu, &QMenu::aboutToShow, this, [this] {
      ui_.EnterModal();
      SyncActions();
    });
    connect(menu, &QMenu::aboutToHide, this, [this] { ui_.LeaveModal(); });
    QAction* separator = nullptr;
    for (const MenuItemDef& item : def.items) {
      if (item.command == Command::kNone) {
        separator = menu->addSeparator();
        continue;
      }
      // The separator just before the recent projects comes and goes with them.
      if (item.command == Command::kRecentProjects) recent_separator_ = separator;
      separator = nullptr;
      if (item.command == Command::kRecentProjects) {
        recent_menu_ = menu->addMenu(Q(item.caption));
        recent_action_ = recent_menu_->menuAction();
        connect(recent_menu_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
        continue;
      }
      if (item.command == Command::kDesignerScale) {
        BuildScaleMenu(menu->addMenu(Q(item.caption)));
        continue;
      }
      AddCommandAction(menu, item);
    }
  }
}

QAction* MainWindow::AddCommandAction(QMenu* menu, const MenuItemDef& item) {
  QAction* action = menu->addAction(Q(item.caption));
  QList<QKeySequence> keys;
  if (*item.shortcut) keys.append(QKeySequence(Q(item.shortcut)));
  if (*item.other_shortcut) keys.append(QKeySequence(Q(item.other_shortcut)));
  action->setShortcuts(keys);
  action->setStatusTip(Q(item.hint));
  action->setToolTip(Q(item.hint));
  action->setCheckable(item.checkable);
  action->setIcon(CommandIcon(item.command));
  action->setIconVisibleInMenu(false);
  Command command = item.command;
  connect(action, &QAction::triggered, this, [this, command] { Run(command); });
  actions_[command] = action;
  return action;
}

void MainWindow::BuildScaleMenu(QMenu* menu) {
  menu->setObjectName("mnuDesignerScale");
  auto* sizes = new QActionGroup(menu);
  sizes->setExclusive(true);
  for (const MenuItemDef& item : DesignerScaleCommands()) {
    if (item.command == Command::kNone) {
      menu->addSeparator();
      continue;
    }
    QAction* action = AddCommandAction(menu, item);
    if (item.checkable) sizes->addAction(action);
  }
}

void MainWindow::FillRecentMenu() {
  recent_menu_->clear();
  QFontMetrics metrics(recent_menu_->font());
  auto width = [&metrics](const std::string& text) {
    return metrics.horizontalAdvance(QString::fromStdString(text));
  };
  std::vector<std::string> captions = core_.RecentCaptions(width);
  for (std::size_t i = 0; i < captions.size(); ++i) {
    QAction* a = recent_menu_->addAction(QString::fromStdString(captions[i]));
    connect(a, &QAction::triggered, this, [this, i] {
      core_.Project().OpenRecent(i);
      Sync();
    });
  }
  recent_menu_->addSeparator();
  for (const MenuItemDef& item : RecentProjectsCommands()) {
    QAction* a = recent_menu_->addAction(Q(item.caption));
    Command command = item.command;
    connect(a, &QAction::triggered, this, [this, command] { Run(command); });
  }
}

void MainWindow::BuildToolbars() {
  int row = 1;
  for (const ToolbarDef& def : Toolbars()) {
    if (def.row != row) {
      addToolBarBreak(Qt::TopToolBarArea);
      row = def.row;
    }
    QToolBar* bar = addToolBar(Q(def.caption));
    bar->setObjectName(Q(def.name));
    // The toolbars' menu shows the caption as it stands: "Align & Size" has no access key.
    bar->toggleViewAction()->setText(Q(def.caption).replace('&', "&&"));
    bar->setFloatable(true);
    bar->setIconSize(QSize(16, 16));
    if (std::string(def.name) == kPaletteToolbarName) {
      for (const PaletteButtonView& view : core_.Palette()) {
        QAction* a = bar->addAction(PaletteIcon(view.button), Q(view.name));
        a->setCheckable(true);
        a->setObjectName(QString("pal") + Q(view.name));
        PaletteButton button = view.button;
        connect(a, &QAction::triggered, this, [this, button] {
          core_.PressPalette(button);
          Sync();
        });
        palette_[button] = a;
      }
      continue;
    }
    for (const ToolButtonDef& button : def.buttons) {
      if (button.command == Command::kNone) {
        bar->addSeparator();
        continue;
      }
      QAction* a = ActionFor(button.command);
      if (!a) {
        a = new QAction(CommandIcon(button.command), Q(button.hint), this);
        Command command = button.command;
        connect(a, &QAction::triggered, this, [this, command] { Run(command); });
        actions_[command] = a;
      }
      a->setToolTip(Q(button.hint));
      bar->addAction(a);
    }
  }
}

void MainWindow::BuildStatusBar() {
  for (const StatusPanelDef& def : kStatusPanels) {
    auto* label = new QLabel(this);
    label->setMinimumWidth(def.width);
    if (def.centred) label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    statusBar()->addWidget(label, def.stretch ? 1 : 0);
    status_labels_.push_back(label);
  }
}

void MainWindow::Run(Command command) {
  core_.Execute(command);
  if (core_.QuitRequested()) {
    close();
    return;
  }
  Sync();
}

void MainWindow::SyncActions() {
  for (auto& [command, action] : actions_) {
    action->setEnabled(core_.Enabled(command));
    if (action->isCheckable()) action->setChecked(core_.Checked(command));
    // Undo and Redo name the step they would take.
    const std::string text = core_.ItemText(command);
    if (!text.empty()) {
      action->setText(QString::fromStdString(text));
      action->setToolTip(QString::fromStdString(text).remove('&'));
    }
  }
  if (recent_action_) recent_action_->setVisible(core_.Visible(Command::kRecentProjects));
  if (recent_separator_) recent_separator_->setVisible(core_.Visible(Command::kRecentProjects));
}

void MainWindow::SyncPalette() {
  for (const PaletteButtonView& view : core_.Palette()) {
    QAction* a = PaletteAction(view.button);
    if (!a) continue;
    a->setVisible(view.visible);
    a->setChecked(view.pressed);
    a->setToolTip(Q(view.hint));
    a->setStatusTip(Q(view.hint));
  }
}

void MainWindow::SyncZoom() {
  TfrmZoom& zoom = core_.Zoom();
  if (!zoom.Visible()) {
    if (zoom_window_) zoom_window_->hide();
    return;
  }
  const ZoomImage& image = zoom.Image();
  if (zoom_label_->size() != QSize(zoom.ClientWidth(), zoom.ClientHeight())) {
    zoom_label_->setFixedSize(zoom.ClientWidth(), zoom.ClientHeight());
    zoom_window_->adjustSize();
  }
  if (!image.Empty() && zoom.ImageVersion() != zoom_version_shown_) {
    zoom_label_->setPixmap(
        QPixmap::fromImage(ToQImage(image.pixels.data(), image.width, image.height)));
    zoom_version_shown_ = zoom.ImageVersion();
  }
  if (!zoom_window_->isVisible()) {
    zoom_window_->move(zoom.Left(), zoom.Top());
    zoom_window_->show();
  }
}

void MainWindow::BuildZoomWindow() {
  zoom_label_ = new QLabel;
  zoom_label_->setObjectName("imgZoom");
  zoom_label_->setCursor(Qt::ForbiddenCursor);
  zoom_label_->setFixedSize(TfrmZoom::kClientWidth, TfrmZoom::kClientHeight);
  zoom_window_ = AddToolWindow(area_, zoom_label_);
  zoom_window_->setObjectName("frmZoom");
  zoom_window_->setWindowTitle(TfrmZoom::kCaption);
  zoom_window_->setAttribute(Qt::WA_DeleteOnClose, false);
  zoom_window_->installEventFilter(this);
  zoom_window_->hide();
  // The frame a tool window adds to its client area, which the core needs to keep the zoom
  // and the designer windows inside the client area.
  zoom_window_->adjustSize();
  MainGeometry& g = core_.Geometry();
  g.frame_width = zoom_window_->width() - zoom_label_->width();
  g.frame_height = zoom_window_->height() - zoom_label_->height();
}

void MainWindow::StartAutoSave() {
  constexpr int kTickMs = 1000;
  constexpr int kNoteMs = 5000;
  if (core_.AutoSaveSeconds() <= 0) return;
  autosave_timer_.setInterval(kTickMs);
  connect(&autosave_timer_, &QTimer::timeout, this, [this] {
    if (core_.AutoSaveTick())
      statusBar()->showMessage(QString::fromStdString(core_.RecoveryNote()), kNoteMs);
  });
  autosave_timer_.start();
}

void MainWindow::Sync() {
  setWindowTitle(QString::fromStdString(core_.Caption()));
  SyncActions();
  SyncPalette();
  for (std::size_t i = 0; i < status_labels_.size(); ++i)
    status_labels_[i]->setText(QString::fromStdString(core_.State().status_panels[i]));
  if (host_) host_->SyncWindows();
  for (auto& listener : listeners_) listener();
  SyncZoom();
}

void MainWindow::UpdateGeometry() {
  // The sub-windows live in the area's viewport, inside its frame.
  MainGeometry& g = core_.Geometry();
  g.client_width = area_->viewport()->width();
  g.client_height = area_->viewport()->height();
  g.dock_height = 0;  // the toolbars dock outside the MDI area
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  UpdateGeometry();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!core_.QuitRequested() && !core_.CloseRequest()) {
    event->ignore();
    Sync();
    return;
  }
  core_.Finish();
  event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_->viewport() && event->type() == QEvent::Resize) UpdateGeometry();
  // Where the user puts the zoom window is where Save Project records it.
  if (watched == zoom_window_ && event->type() == QEvent::Move && zoom_window_->isVisible())
    core_.Zoom().Move(zoom_window_->x(), zoom_window_->y());
  if (watched == zoom_window_ && event->type() == QEvent::Close) {
    core_.Zoom().Hide();
    Sync();
    return false;
  }
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    auto* key = static_cast<QKeyEvent*>(event);
    // A key the focus widget ignores travels up to its parents: act on it only once.
    if (key == last_key_ && key->timestamp() == last_key_time_) return false;
    last_key_ = key;
    last_key_time_ = key->timestamp();
    // Esc ends a drag or rectangle in progress and releases a pressed palette button before
    // any widget sees it; with nothing of the kind it goes on as usual.
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier &&
        static_cast<QWidget*>(watched)->window() == this && core_.Escape()) {
      Sync();
      return true;
    }
    DesignerKey designer_key;
    // The designer's keys act before the key reaches its target, which still gets it.
    if (!key->isAutoRepeat() || key->key() != Qt::Key_Space) {
      if (DesignerKeyOf(key->key(), &designer_key) &&
          static_cast<QWidget*>(watched)->window() == this) {
        core_.KeyPress(designer_key, key->modifiers() & Qt::ShiftModifier);
        Sync();
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace qb::ui

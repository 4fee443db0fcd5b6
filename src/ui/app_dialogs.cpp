#include "ui/app_dialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/frmAbout.h"
#include "app/frmNuevoProy.h"
#include "app/frmOpciones.h"
#include "ui/pixel_icons.h"

namespace qb::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Puts a dialog's frame in the middle of its screen, as it is about to be mapped. The window
// system puts the frame around it only afterwards; the main window's frame tells its size.
void CentreOnScreen(QWidget& dialog) {
  QScreen* screen = dialog.screen();
  if (!screen) return;
  QMargins margins;
  if (QWidget* parent = dialog.parentWidget()) {
    const QWidget* main = parent->window();
    const QRect outer = main->frameGeometry(), inner = main->geometry();
    margins = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                       outer.right() - inner.right(), outer.bottom() - inner.bottom());
  }
  QRect frame(QPoint(0, 0), dialog.size().grownBy(margins));
  frame.moveCenter(screen->availableGeometry().center());
  // Before it is mapped the dialog has no frame: a move places its inside.
  dialog.move(frame.topLeft() + QPoint(margins.left(), margins.top()));
}

// Centres a dialog each time it is shown, at its final size.
class CentreWhenShown : public QObject {
 public:
  explicit CentreWhenShown(QDialog& dialog) : QObject(&dialog), dialog_(dialog) {
    dialog.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &dialog_ && event->type() == QEvent::Show) CentreOnScreen(dialog_);
    return QObject::eventFilter(watched, event);
  }

 private:
  QDialog& dialog_;
};

// A dialog with a fixed border: no resizing and no minimise or maximise box, placed in the
// middle of the screen.
void FixAndCentre(QDialog& dialog, QLayout& layout) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  layout.setSizeConstraint(QLayout::SetFixedSize);
  new CentreWhenShown(dialog);
}

bool RunOptions(QWidget* parent, DialogModel& model, Ui& core_ui) {
  auto& options = static_cast<TfrmOpcionesGenerales&>(model);
  QDialog dialog(parent);
  dialog.setObjectName("frmOpciones");
  dialog.setWindowTitle(TfrmOpcionesGenerales::kCaption);
  auto* tabs = new QTabWidget;
  tabs->setObjectName("pagOpciones");
  auto* design = new QWidget;
  auto* group = new QGroupBox(TfrmOpcionesGenerales::kFormColorGroup);
  auto* green = new QRadioButton(TfrmOpcionesGenerales::kGreenCaption);
  green->setObjectName("rbtGreen");
  auto* white = new QRadioButton(TfrmOpcionesGenerales::kWhiteCaption);
  white->setObjectName("rbtWhite");
  (options.FormWhite() ? white : green)->setChecked(true);
  auto* group_layout = new QVBoxLayout(group);
  group_layout->addWidget(green);
  group_layout->addWidget(white);
  auto* design_layout = new QVBoxLayout(design);
  design_layout->addWidget(group);
  design_layout->addStretch();
  tabs->addTab(design, TfrmOpcionesGenerales::kDesignPage);

  auto* code = new QWidget;
  auto* path = new QLineEdit(Q(options.CControlsPath()));
  path->setObjectName("fedCControls");
  auto* browse = new QPushButton("...");
  QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
    options.SetCControlsPath(path->text().toStdString());
    options.ChooseCControlsPath(core_ui);
    path->setText(Q(options.CControlsPath()));
  });
  auto* row = new QHBoxLayout;
  row->addWidget(path);
  row->addWidget(browse);
  auto* code_layout = new QVBoxLayout(code);
  auto* label = new QLabel(TfrmOpcionesGenerales::kCControlsLabel);
  label->setBuddy(path);
  code_layout->addWidget(label);
  code_layout->addLayout(row);
  code_layout->addStretch();
  tabs->addTab(code, TfrmOpcionesGenerales::kCodePage);
  tabs->setCurrentIndex(options.ActivePage() == TfrmOpcionesGenerales::Page::kDesign ? 0 : 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(tabs);
  layout->addWidget(buttons);
  dialog.resize(360, 220);
  if (dialog.exec() != QDialog::Accepted) return false;
  options.SetFormWhite(white->isChecked());
  options.SetCControlsPath(path->text().toStdString());
  return options.Ok(core_ui);
}

bool RunNewProject(QWidget* parent, DialogModel& model) {
  auto& project = static_cast<TfrmNProyecto&>(model);
  QDialog dialog(parent);
  dialog.setObjectName("frmNuevoProy");
  dialog.setWindowTitle(TfrmNProyecto::kCaption);
  auto* list = new QComboBox;
  list->setObjectName("cmbLib");
  for (const std::string& entry : TfrmNProyecto::Entries()) list->addItem(Q(entry));
  list->setCurrentIndex(project.SelectedIndex());
  auto* label = new QLabel(TfrmNProyecto::kLibraryLabel);
  label->setBuddy(list);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(label);
  layout->addWidget(list);
  layout->addWidget(buttons);
  FixAndCentre(dialog, *layout);
  if (dialog.exec() != QDialog::Accepted) return false;
  project.SetSelectedIndex(list->currentIndex());
  return true;
}

// The program icon in the about box, stretched from its 16 pixels.
constexpr int kAboutIconSize = 48;
constexpr int kAboutTextWidth = 240;

bool RunAbout(QWidget* parent, Ui& core_ui) {
  QDialog dialog(parent);
  dialog.setObjectName("frmAbout");
  dialog.setWindowTitle(TAboutBox::kCaption);
  QPalette white = dialog.palette();
  white.setColor(QPalette::Window, Qt::white);
  dialog.setPalette(white);
  dialog.setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(&dialog);
  auto* icon = new QLabel;
  icon->setObjectName("imgProgramIcon");
  icon->setPixmap(QPixmap::fromImage(ProgramImage().scaled(
      kAboutIconSize, kAboutIconSize, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
  layout->addWidget(icon, 0, Qt::AlignHCenter);
  auto* name = new QLabel(TAboutBox::kProductName);
  name->setAlignment(Qt::AlignCenter);
  QFont big = name->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  name->setFont(big);
  // Wide enough for the caption in the title bar.
  name->setMinimumWidth(kAboutTextWidth);
  layout->addWidget(name, 0, Qt::AlignHCenter);
  layout->addWidget(new QLabel(TAboutBox::kVersion), 0, Qt::AlignHCenter);
  for (const TAboutBox::Link* link : {&TAboutBox::kWebLink, &TAboutBox::kMailLink}) {
    auto* label = new QLabel(QString("<a href=\"#\">%1</a>").arg(link->text));
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &QLabel::linkActivated, &dialog,
                     [&core_ui, link] { TAboutBox::OpenLink(core_ui, *link); });
    layout->addWidget(label, 0, Qt::AlignHCenter);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  layout->addWidget(buttons);
  FixAndCentre(dialog, *layout);
  dialog.exec();
  return true;
}

}  // namespace

void RegisterAppDialogs(QtUi& ui, Ui& core_ui) {
  ui.RegisterDialog(TfrmOpcionesGenerales::kDialogId,
                    [&core_ui](QWidget* p, DialogModel& m) { return RunOptions(p, m, core_ui); });
  ui.RegisterDialog(TfrmNProyecto::kDialogId,
                    [](QWidget* p, DialogModel& m) { return RunNewProject(p, m); });
  ui.RegisterDialog(TAboutBox::kDialogId,
                    [&core_ui](QWidget* p, DialogModel&) { return RunAbout(p, core_ui); });
}

}  // namespace qb::ui

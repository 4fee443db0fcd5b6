#include "ui/generate_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include "codegen/merge_texts.h"
#include "ui/qt_ui.h"

namespace qb::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Widget names and captions.
constexpr char kFirstFormLabel[] = "&First Form";
constexpr char kTargetGroup[] = "Target";
constexpr char kPdeCaption[] = "&PDE";
constexpr char kMemosCaption[] = "Palm &memos / DOC files";
constexpr char kColorCaption[] = "Generate c&olor code";
constexpr char kGenerateCaption[] = "&Generate";
constexpr char kSaveCaption[] = "&Save";
constexpr char kSaveDocCaption[] = "&Save DOC";
constexpr char kExitCaption[] = "E&xit";
constexpr char kOutputLabel[] = "&Output Dir";
constexpr char kPrcGroup[] = "PRC properties";
constexpr char kIconsGroup[] = "Icons";
constexpr char kCopyCaption[] = "&Copy";

struct AreaNames {
  CodeText text;
  const char* memo;
  const char* lines;
  const char* chars;
  const char* copy;
};

constexpr std::array<AreaNames, kCodeTextCount> kAreaNames = {{
    {CodeText::kMain, "memMain", "lblLines", "lblChars", "butCopyMain"},
    {CodeText::kForms, "memForms", "lblLinesF", "lblCharsF", "butCopyF"},
    {CodeText::kEvents, "memEvents", "lblLinesE", "lblCharsE", "butCopyE"},
    {CodeText::kHeader, "memHeader", "lblLinesH", "lblCharsH", "butCopyH"},
}};

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QLabel* BuddyLabel(const char* caption, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setBuddy(buddy);
  return label;
}

void SetTextIfChanged(QLineEdit* edit, const std::string& text) {
  const QString value = Q(text);
  if (edit->text() == value) return;
  QSignalBlocker block(edit);
  edit->setText(value);
}

// Typing goes to the logic, which may refuse it; a refused edit is taken back.
void ConnectTyping(QLineEdit* edit, std::function<bool(const std::string&)> accept,
                   std::function<const std::string&()> current) {
  QObject::connect(edit, &QLineEdit::textEdited, edit, [=](const QString& text) {
    if (accept(text.toStdString())) return;
    const int cursor = edit->cursorPosition();
    QSignalBlocker block(edit);
    edit->setText(Q(current()));
    edit->setCursorPosition(std::min(cursor, static_cast<int>(edit->text().size())));
  });
}

}  // namespace

IconImage::IconImage(QSize size, QWidget* parent) : QLabel(parent), size_(size) {
  setCursor(Qt::PointingHandCursor);
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::Box);
  setFixedSize(size + QSize(4, 4));
}

void IconImage::ShowBitmap(const std::string& bytes) {
  if (bytes == shown_) return;
  shown_ = bytes;
  QImage image = QImage::fromData(QByteArray::fromStdString(bytes), "BMP");
  if (image.width() > size_.width() || image.height() > size_.height())
    image = image.scaled(size_, Qt::KeepAspectRatio);
  setPixmap(QPixmap::fromImage(image));
}

void IconImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
  QLabel::mouseReleaseEvent(event);
}

GenerateDialog::GenerateDialog(TfrmGenerate& model, QWidget* parent)
    : QDialog(parent), model_(model), shown_generate_count_(model.GenerateCount()) {
  setObjectName("frmGenerate");
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildTop());
  layout->addWidget(BuildTabs(), 1);
  Connect();
  setWindowState(Qt::WindowMaximized);
  Refresh();
}

QWidget* GenerateDialog::BuildTop() {
  auto* top = new QWidget(this);
  auto* grid = new QGridLayout(top);

  cmb_forms_ = Named(new QComboBox(top), "cmbForms");
  cmb_forms_->setEditable(false);
  grid->addWidget(BuddyLabel(kFirstFormLabel, cmb_forms_, top), 0, 0);
  grid->addWidget(cmb_forms_, 1, 0);

  auto* target = Named(new QGroupBox(kTargetGroup, top), "grpTarget");
  auto* target_layout = new QVBoxLayout(target);
  rbt_pde_ = Named(new QRadioButton(kPdeCaption, target), "rbtPDE");
  rbt_memos_ = Named(new QRadioButton(kMemosCaption, target), "rbtMemos");
  target_layout->addWidget(rbt_pde_);
  target_layout->addWidget(rbt_memos_);
  grid->addWidget(target, 2, 0);
  auto* boxes = new QVBoxLayout;
  chk_color_ = Named(new QCheckBox(kColorCaption, top), "chkColor");
  chk_keep_code_ = Named(new QCheckBox(kKeepCodeCaption, top), "chkKeepCode");
  boxes->addWidget(chk_color_);
  boxes->addWidget(chk_keep_code_);
  boxes->addStretch(1);
  grid->addLayout(boxes, 3, 0);

  auto* output = new QWidget(top);
  auto* output_layout = new QHBoxLayout(output);
  output_layout->setContentsMargins(0, 0, 0, 0);
  ded_output_ = Named(new QLineEdit(output), "dedOutput");
  ded_output_button_ = Named(new QToolButton(output), "dedOutputButton");
  ded_output_button_->setText("...");
  output_layout->addWidget(ded_output_, 1);
  output_layout->addWidget(ded_output_button_);
  ded_output_->setMinimumWidth(200);
  lbl_output_ = Named(BuddyLabel(kOutputLabel, ded_output_, top), "lblOutput");
  grid->addWidget(lbl_output_, 0, 1, 1, 2);
  grid->addWidget(output, 1, 1, 1, 2);
  grid->addWidget(BuildPrcProperties(), 2, 1, 2, 1);
  grid->addWidget(BuildIcons(), 2, 2, 2, 1);

  auto* buttons = new QHBoxLayout;
  // What Generate kept of the code written in the files.
  lbl_kept_ = Named(new QLabel(top), "lblKept");
  buttons->addWidget(lbl_kept_);
  buttons->addStretch(1);
  but_generar_ = Named(new QPushButton(kGenerateCaption, top), "butGenerar");
  // Save and Save DOC share one place; only the current target's button is shown.
  but_save_ = Named(new QPushButton(kSaveCaption, top), "butSave");
  but_save_doc_ = Named(new QPushButton(kSaveDocCaption, top), "butSaveDoc");
  but_salir_ = Named(new QPushButton(kExitCaption, top), "butSalir");
  for (QPushButton* b : {but_generar_, but_save_, but_save_doc_, but_salir_}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  grid->addLayout(buttons, 4, 0, 1, 3);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(3, 1);
  return top;
}

QWidget* GenerateDialog::BuildPrcProperties() {
  grp_prc_prop_ = Named(new QGroupBox(kPrcGroup, this), "grpPrcProp");
  auto* grid = new QGridLayout(grp_prc_prop_);
  const struct {
    const char* name;
    const char* label;
    QLineEdit** edit;
  } fields[] = {
      {"edtCID", "Creator &ID", &edt_cid_},
      {"edtAppName", "App &name", &edt_app_name_},
      {"edtAppDB", "&DB name", &edt_app_db_},
      {"edtVersion", "App &version", &edt_version_},
  };
  int row = 0;
  for (const auto& field : fields) {
    *field.edit = Named(new QLineEdit(grp_prc_prop_), field.name);
    (*field.edit)->setMinimumWidth(110);
    grid->addWidget(BuddyLabel(field.label, *field.edit, grp_prc_prop_), row, 0);
    grid->addWidget(*field.edit, row, 1);
    ++row;
  }
  return grp_prc_prop_;
}

QWidget* GenerateDialog::BuildIcons() {
  auto* group = Named(new QGroupBox(kIconsGroup, this), "grpIcons");
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(2);
  // Large icons on the first two rows, small ones below, one column per depth.
  for (int i = 0; i < kIconCount; ++i) {
    const IconSlot& slot = kIconSlots[static_cast<std::size_t>(i)];
    const int column = i / 2;
    const int row = slot.large ? 0 : 2;
    const QSize size = slot.large ? QSize(kLargeIconWidth, kLargeIconHeight)
                                  : QSize(kSmallIconWidth, kSmallIconHeight);
    icons_[static_cast<std::size_t>(i)] = Named(new IconImage(size, group), slot.image);
    grid->addWidget(icons_[static_cast<std::size_t>(i)], row, column, Qt::AlignCenter);
    auto* label = new QLabel(slot.label, group);
    label->setAlignment(Qt::AlignCenter);
    grid->addWidget(label, row + 1, column);
  }
  return group;
}

QTabWidget* GenerateDialog::BuildTabs() {
  pag_generate_ = Named(new QTabWidget(this), "pagGenerate");
  const QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (const AreaNames& names : kAreaNames) {
    const CodeTextFile& file = kCodeTextFiles[static_cast<std::size_t>(names.text)];
    AreaView& view = areas_[static_cast<std::size_t>(names.text)];
    auto* page = new QWidget(pag_generate_);
    auto* layout = new QVBoxLayout(page);
    auto* bar = new QHBoxLayout;
    view.lines = Named(new QLabel(page), names.lines);
    view.chars = Named(new QLabel(page), names.chars);
    view.copy = Named(new QPushButton(kCopyCaption, page), names.copy);
    view.copy->setAutoDefault(false);
    for (QLabel* label : {view.lines, view.chars}) label->setMinimumWidth(90);
    bar->addWidget(view.lines);
    bar->addWidget(view.chars);
    bar->addStretch(1);
    bar->addWidget(view.copy);
    layout->addLayout(bar);
    view.memo = Named(new QPlainTextEdit(page), names.memo);
    view.memo->setFont(mono);
    view.memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    view.memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(view.memo, 1);
    pag_generate_->addTab(page, file.tab);
  }
  return pag_generate_;
}

void GenerateDialog::Connect() {
  connect(cmb_forms_, &QComboBox::activated, this, [this](int index) { model_.SelectForm(index); });
  connect(rbt_pde_, &QRadioButton::clicked, this, [this] {
    model_.ClickTarget(GenerateTarget::kPde);
    Refresh();
  });
  connect(rbt_memos_, &QRadioButton::clicked, this, [this] {
    model_.ClickTarget(GenerateTarget::kMemo);
    Refresh();
  });
  connect(chk_color_, &QCheckBox::clicked, this, [this](bool checked) {
    model_.ClickColor(checked);
    Refresh();
  });
  connect(chk_keep_code_, &QCheckBox::clicked, this, [this](bool checked) {
    model_.ClickKeepCode(checked);
    Refresh();
  });
  connect(ded_output_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int runs = model_.GenerateCount();
    model_.SetOutputFolder(text.toStdString());
    if (model_.GenerateCount() != runs) Refresh();  // merged with another folder's files
  });
  connect(ded_output_button_, &QToolButton::clicked, this, [this] {
    model_.ChooseOutputFolder();
    Refresh();
  });
  ConnectTyping(
      edt_cid_, [this](const std::string& t) { return model_.EditCreatorId(t); },
      [this]() -> const std::string& { return model_.CreatorId(); });
  ConnectTyping(
      edt_app_db_, [this](const std::string& t) { return model_.EditAppDb(t); },
      [this]() -> const std::string& { return model_.AppDb(); });
  connect(edt_app_name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.SetAppName(text.toStdString()); });
  connect(edt_version_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.SetVersion(text.toStdString()); });
  for (int i = 0; i < kIconCount; ++i) {
    connect(icons_[static_cast<std::size_t>(i)], &IconImage::clicked, this, [this, i] {
      model_.ClickIcon(i);
      Refresh();
    });
  }
  connect(pag_generate_, &QTabWidget::currentChanged, this,
          [this](int tab) { model_.SetActiveTab(tab); });
  for (const AreaNames& names : kAreaNames) {
    AreaView& view = areas_[static_cast<std::size_t>(names.text)];
    const CodeText text = names.text;
    connect(view.memo, &QPlainTextEdit::textChanged, this, [this, text, &view] {
      model_.Area(text).SetText(view.memo->toPlainText().toStdString());
      view.lines->setText(Q(model_.Area(text).LinesLabel()));
      view.chars->setText(Q(model_.Area(text).CharsLabel()));
    });
    connect(view.copy, &QPushButton::clicked, this, [this, text, &view] {
      view.memo->selectAll();
      model_.Copy(text);
    });
  }
  connect(but_generar_, &QPushButton::clicked, this, [this] {
    model_.Generate();
    Refresh();
  });
  connect(but_save_, &QPushButton::clicked, this, [this] {
    model_.Save();
    Refresh();
  });
  connect(but_save_doc_, &QPushButton::clicked, this, [this] {
    model_.SaveDoc();
    Refresh();
  });
  connect(but_salir_, &QPushButton::clicked, this, [this] { Exit(); });
}

void GenerateDialog::Refresh() {
  setWindowTitle(Q(model_.Caption()));
  {
    QSignalBlocker block(cmb_forms_);
    QStringList names;
    for (const std::string& name : model_.FormNames()) names << Q(name);
    QStringList shown;
    for (int i = 0; i < cmb_forms_->count(); ++i) shown << cmb_forms_->itemText(i);
    if (names != shown) {
      cmb_forms_->clear();
      cmb_forms_->addItems(names);
    }
    cmb_forms_->setCurrentIndex(model_.SelectedForm());
  }
  const bool pde = model_.Target() == GenerateTarget::kPde;
  rbt_pde_->setChecked(pde);
  rbt_memos_->setChecked(!pde);
  chk_color_->setVisible(model_.ColorVisible());
  chk_color_->setChecked(model_.ColorChecked());
  chk_keep_code_->setVisible(model_.KeepCodeVisible());
  chk_keep_code_->setChecked(model_.KeepCodeChecked());
  lbl_kept_->setText(Q(model_.KeptText()));
  grp_prc_prop_->setVisible(model_.PrcPropertiesVisible());
  for (QWidget* w : {static_cast<QWidget*>(lbl_output_), static_cast<QWidget*>(ded_output_),
                     static_cast<QWidget*>(ded_output_button_)})
    w->setVisible(model_.OutputVisible());
  but_save_->setVisible(model_.SaveVisible());
  but_save_doc_->setVisible(model_.SaveDocVisible());
  but_save_->setEnabled(model_.SaveEnabled());
  but_save_doc_->setEnabled(model_.SaveEnabled());
  SetTextIfChanged(ded_output_, model_.OutputFolder());
  SetTextIfChanged(edt_cid_, model_.CreatorId());
  SetTextIfChanged(edt_app_name_, model_.AppName());
  SetTextIfChanged(edt_app_db_, model_.AppDb());
  SetTextIfChanged(edt_version_, model_.Version());
  for (int i = 0; i < kIconCount; ++i)
    icons_[static_cast<std::size_t>(i)]->ShowBitmap(model_.Icon(i).bytes);
  {
    QSignalBlocker block(pag_generate_);
    pag_generate_->setCurrentIndex(model_.ActiveTab());
  }
  RefreshAreas();
}

void GenerateDialog::RefreshAreas() {
  const bool generated = model_.GenerateCount() != shown_generate_count_;
  shown_generate_count_ = model_.GenerateCount();
  for (const AreaNames& names : kAreaNames) {
    AreaView& view = areas_[static_cast<std::size_t>(names.text)];
    const CodeTextArea& area = model_.Area(names.text);
    const QString text = Q(area.Text());
    if (view.memo->toPlainText() != text) {
      QSignalBlocker block(view.memo);
      view.memo->setPlainText(text);
    }
    if (generated) {
      view.memo->moveCursor(QTextCursor::Start);
      view.memo->verticalScrollBar()->setValue(0);
    }
    view.lines->setText(Q(area.LinesLabel()));
    view.chars->setText(Q(area.CharsLabel()));
  }
}

void GenerateDialog::Exit() {
  model_.Exit();
  QDialog::accept();
}

void GenerateDialog::reject() {
  model_.Exit();
  QDialog::reject();
}

void RegisterGenerateDialog(QtUi& ui) {
  ui.RegisterDialog(TfrmGenerate::kDialogId, [&ui](QWidget* parent, DialogModel& dialog) {
    GenerateDialog view(static_cast<TfrmGenerate&>(dialog), parent);
    // Messages of the dialog's commands belong on top of it.
    ui.SetParentWindow(&view);
    view.exec();
    ui.SetParentWindow(parent);
    return true;
  });
}

}  // namespace qb::ui

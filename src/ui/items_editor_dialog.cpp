#include "ui/items_editor_dialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "properties/editor_texts.h"
#include "ui/qt_ui.h"

namespace qb::ui {

namespace {

constexpr int kMargin = 7;
constexpr int kCounterTop = 6;
constexpr int kMemoTop = 24;
constexpr int kButtonTop = 193;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ItemsEditorDialog::ItemsEditorDialog(TfrmItemsEd& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName("frmItemsEd");
  setWindowTitle(TfrmItemsEd::kCaption);
  setFixedSize(TfrmItemsEd::kClientWidth, TfrmItemsEd::kClientHeight);

  lbl_count_ = new QLabel(Q(model_.Counter()), this);
  lbl_count_->setObjectName("lblCount");
  lbl_count_->setGeometry(kMargin, kCounterTop, TfrmItemsEd::kMemoWidth, 16);

  mem_items_ = new QPlainTextEdit(this);
  mem_items_->setObjectName("memItems");
  mem_items_->setGeometry(kMargin, kMemoTop, TfrmItemsEd::kMemoWidth, TfrmItemsEd::kMemoHeight);
  mem_items_->setLineWrapMode(QPlainTextEdit::NoWrap);
  mem_items_->setPlainText(Q(model_.Text()));
  connect(mem_items_, &QPlainTextEdit::textChanged, this, [this] {
    model_.SetText(mem_items_->toPlainText().toStdString());
    lbl_count_->setText(Q(model_.Counter()));
  });

  auto* cancel = new QPushButton(kCancelCaption, this);
  cancel->setObjectName("butCancel");
  cancel->setGeometry(kMargin, kButtonTop, kButtonWidth, kButtonHeight);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* ok = new QPushButton(kOkCaption, this);
  ok->setObjectName("butOK");
  ok->setGeometry(TfrmItemsEd::kClientWidth - kMargin - kButtonWidth, kButtonTop, kButtonWidth,
                  kButtonHeight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  mem_items_->setFocus();
}

void RegisterItemsEditorDialog(QtUi& ui) {
  ui.RegisterDialog(TfrmItemsEd::kDialogId, [](QWidget* parent, DialogModel& dialog) {
    ItemsEditorDialog view(static_cast<TfrmItemsEd&>(dialog), parent);
    return view.exec() == QDialog::Accepted;
  });
}

}  // namespace qb::ui

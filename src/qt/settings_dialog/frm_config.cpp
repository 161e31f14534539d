#include "qt/settings_dialog/frm_config.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "core/settings_dialog/caption_fit.h"
#include "core/settings_dialog/dialog_placement.h"
#include "qt/platform/fonts.h"
#include "qt/platform/qt_screen.h"
#include "qt/platform/qt_system_services.h"

namespace quorvane {

namespace {

constexpr QPoint kHandHotSpot{5, 0};  // the fingertip

NumericLocale UserNumericLocale() {
  const QLocale locale = QLocale::system();
  return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

QColor FromColorRef(std::uint32_t bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QFont FromControlFont(const ControlFont& font) {
  return MakeFont(font.family, font.points, static_cast<QFont::Weight>(font.weight));
}

// "optLanguage_0" for optLanguage(0): the name tests and tools find the widget by.
QString ObjectName(const ControlEntry& entry) {
  const QString name = QString::fromLatin1(entry.name.data(), entry.name.size());
  return entry.index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(entry.index);
}

bool TakesFocus(const ControlEntry& entry) {
  return entry.kind != ControlKind::Label && entry.kind != ControlKind::Frame;
}

}  // namespace

frmConfig::frmConfig(const ModPublic& modPublic, SettingsStore& store,
                     std::function<void()> endProgram)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      endProgram_(std::move(endProgram)),
      metrics_(PrimaryScreenMetrics()),
      controller_(*this, modPublic, store, UserNumericLocale()) {
  CreateControls();
  SetBuddies();
  SetTabOrder();
  ConnectEvents();
  controller_.Load();
}

void frmConfig::CreateControls() {
  setWindowTitle(QString::fromUtf8(kConfigTitle));
  setWindowIcon(QIcon(QStringLiteral(":/dialog_icon.png")));
  setFixedSize(metrics_.PixelsX(kConfigClientWidth), metrics_.PixelsY(kConfigClientHeight));
  // Shown without an owner: centred on the screen. Qt's own placement guesses a frame and is
  // 40 pixels high where no window manager draws one; a real frame is known once it is shown.
  Centre(size());
  setFont(FromControlFont(kConfigDialogFont));

  // The frames first: they hold the option buttons.
  for (const ControlId frame : {ControlId::Frame1, ControlId::Frame2}) {
    controls_[static_cast<std::size_t>(frame)] = CreateControl(ConfigControl(frame));
  }
  for (const ControlEntry& entry : ConfigControls()) {
    if (entry.kind != ControlKind::Frame) {
      controls_[static_cast<std::size_t>(entry.id)] = CreateControl(entry);
    }
  }
}

QWidget* frmConfig::CreateControl(const ControlEntry& entry) {
  QWidget* parent = this;
  if (entry.container == Container::Frame1) {
    parent = Control(ControlId::Frame1);
  } else if (entry.container == Container::Frame2) {
    parent = Control(ControlId::Frame2);
  }
  QWidget* control = nullptr;
  switch (entry.kind) {
    case ControlKind::Label:
      control = new QLabel(parent);
      break;
    case ControlKind::DropDownList:
      control = new QComboBox(parent);  // pick only, entries in the order added
      break;
    case ControlKind::OptionButton:
      control = new QRadioButton(parent);
      break;
    case ControlKind::TextBox: {
      auto* box = new QLineEdit(parent);
      box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      // Typed characters go in directly, never through an input method.
      box->setAttribute(Qt::WA_InputMethodEnabled, false);
      box->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
      control = box;
      break;
    }
    case ControlKind::PushButton:
      control = new QPushButton(parent);
      break;
    case ControlKind::Frame: {
      auto* frame = new QFrame(parent);
      frame->setFrameShape(QFrame::NoFrame);
      control = frame;
      break;
    }
  }
  control->setObjectName(ObjectName(entry));
  if (entry.font != kConfigDialogFont) {
    control->setFont(FromControlFont(entry.font));
  }
  control->setGeometry(metrics_.PixelsX(entry.left), metrics_.PixelsY(entry.top),
                       metrics_.PixelsX(entry.width), metrics_.PixelsY(entry.height));
  if (entry.kind != ControlKind::Frame) {
    control->installEventFilter(this);  // clicks and access keys may leave txtZoom
  }
  return control;
}

void frmConfig::SetBuddies() {
  // A label's access key leads into its row; in a row of options, to the one that is selected,
  // as Tab does.
  for (const ControlEntry& entry : ConfigControls()) {
    if (entry.kind != ControlKind::Label) {
      continue;
    }
    const ControlId next = AccessKeyTarget(entry.id);
    if (next == entry.id) {
      continue;
    }
    auto* label = Control<QLabel>(entry.id);
    label->setBuddy(Control(next));
    if (ConfigControl(next).kind == ControlKind::OptionButton) {
      auto* group = new QButtonGroup(this);
      for (const ControlId option : OptionGroup(next)) {
        group->addButton(Control<QRadioButton>(option));
      }
      connect(group, &QButtonGroup::buttonToggled, this,
              [label, group](QAbstractButton* button, bool checked) {
                if (!checked) {
                  return;
                }
                label->setBuddy(button);
                // Tab enters the row at the selected option too: Qt keeps the row's Tab stop
                // on whichever option last had the focus, the first one in a fresh dialog.
                for (QAbstractButton* option : group->buttons()) {
                  option->setFocusPolicy(option == button ? Qt::StrongFocus : Qt::ClickFocus);
                }
              });
    }
  }
}

void frmConfig::SetTabOrder() {
  QWidget* previous = nullptr;
  for (const ControlEntry& entry : ConfigControls()) {
    if (!TakesFocus(entry)) {
      continue;
    }
    if (previous != nullptr) {
      setTabOrder(previous, Control(entry.id));
    }
    previous = Control(entry.id);
  }
}

void frmConfig::ConnectEvents() {
  for (const ControlId option : {ControlId::optLanguage0, ControlId::optLanguage1}) {
    connect(Control<QRadioButton>(option), &QRadioButton::clicked, this,
            [this] { controller_.SwitchLanguage(); });
  }
  auto* ok = Control<QPushButton>(ControlId::cmdOK);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { controller_.SaveAndClose(); });
  connect(Control<QPushButton>(ControlId::cmdCancel), &QPushButton::clicked, this,
          [this] { controller_.Close(); });
  connect(Control<QPushButton>(ControlId::cmdSubmit), &QPushButton::clicked, this,
          [this] { controller_.Save(); });

  auto* footer = Control<QLabel>(ControlId::labCopyright);
  footer->setTextFormat(Qt::PlainText);
  footer->setAlignment(Qt::AlignCenter);
  footer->setAutoFillBackground(true);
  QPalette colours = footer->palette();
  colours.setColor(QPalette::Window, FromColorRef(kCopyrightBackColor));
  colours.setColor(QPalette::WindowText, FromColorRef(kCopyrightForeColor));
  footer->setPalette(colours);
  // The pointing hand marks the footer as a link; its click arrives in eventFilter.
  footer->setCursor(
      QCursor(QPixmap(QStringLiteral(":/hand_cursor.png")), kHandHotSpot.x(), kHandHotSpot.y()));
}

void frmConfig::SetCaption(ControlId control, std::string_view caption) {
  const QString text = QString::fromUtf8(caption);
  if (auto* label = qobject_cast<QLabel*>(Control(control))) {
    label->setText(text);
    if (ConfigControl(control).autoSize) {
      label->adjustSize();
    } else {
      // A fixed label, the footer, keeps its size: its text shrinks rather than be clipped.
      label->setFont(FontFittingWidth(FromControlFont(ConfigControl(control).font), text,
                                      label->contentsRect().width(), label));
    }
  } else if (auto* button = qobject_cast<QAbstractButton*>(Control(control))) {
    button->setText(text);
    if (ConfigControl(control).kind == ControlKind::OptionButton) {
      FitOptionToCaption(control);
    }
  }
  AlignRowLabels();
}

void frmConfig::AlignRowLabels() {
  // An auto-sized label is as tall as its font's line, which the CJK font makes taller than
  // the text: its text would sit below that of the control beside it. It takes that control's
  // top and height instead and centres its text the way the control does.
  const auto& controls = ConfigControls();
  for (const ControlEntry& entry : controls) {
    if (entry.kind != ControlKind::Label || !entry.autoSize) {
      continue;
    }
    const int row = metrics_.PixelsY(entry.top + entry.height / 2.0);
    QRect beside;
    for (const ControlEntry& other : controls) {
      if (!TakesFocus(other)) {
        continue;
      }
      const QWidget* control = Control(other.id);
      const QRect rect(control->mapTo(this, QPoint(0, 0)), control->size());
      if (beside.isNull() ||
          std::abs(rect.center().y() - row) < std::abs(beside.center().y() - row)) {
        beside = rect;
      }
    }
    auto* label = Control<QLabel>(entry.id);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(label->x(), beside.y(), label->width(), beside.height());
  }
}

void frmConfig::FitOptionToCaption(ControlId id) {
  // The substitute fonts are wider than the ones the layout was drawn for: an option grows to
  // its caption rather than clip it, and its frame grows to hold it.
  auto* option = Control<QRadioButton>(id);
  const ControlEntry& entry = ConfigControl(id);
  const PixelRect table{metrics_.PixelsX(entry.left), metrics_.PixelsY(entry.top),
                        metrics_.PixelsX(entry.width), metrics_.PixelsY(entry.height)};
  const QSize wanted = option->sizeHint();
  const PixelRect box = FitToCaption(entry, table, wanted.width(), wanted.height());
  option->setGeometry(box.left, box.top, box.width, box.height);
  QWidget* frame = option->parentWidget();
  const QRect children = frame->childrenRect();
  frame->resize(std::max(frame->width(), children.right() + 1),
                std::max(frame->height(), children.bottom() + 1));
}

void frmConfig::SetFocusEntries(const std::vector<std::string>& entries) {
  auto* list = Control<QComboBox>(ControlId::cboFocus);
  list->clear();
  for (const std::string& entry : entries) {
    list->addItem(QString::fromUtf8(entry));
  }
}

int frmConfig::FocusSelection() const {
  return Control<QComboBox>(ControlId::cboFocus)->currentIndex();
}

void frmConfig::SelectFocusEntry(int position) {
  Control<QComboBox>(ControlId::cboFocus)->setCurrentIndex(position);
}

bool frmConfig::IsChecked(ControlId option) const {
  return Control<QRadioButton>(option)->isChecked();
}

void frmConfig::Check(ControlId option) {
  Control<QRadioButton>(option)->setChecked(true);
}

std::string frmConfig::ZoomText() const {
  return Control<QLineEdit>(ControlId::txtZoom)->text().toStdString();
}

void frmConfig::SetZoomText(std::string_view text) {
  Control<QLineEdit>(ControlId::txtZoom)->setText(QString::fromUtf8(text));
}

void frmConfig::ShowMessage(MessageIcon icon, const MessageText& text) {
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Critical,
                  QString::fromUtf8(text.title), QString::fromUtf8(text.message), QMessageBox::Ok,
                  this);
  box.exec();
  // Without a window manager nobody hands the keyboard back when the box closes.
  activateWindow();
}

void frmConfig::MoveFocus(ControlId control) {
  Control(control)->setFocus();
}

void frmConfig::EndProgram() {
  endProgram_();
}

void frmConfig::OpenWebPage(std::string_view url) {
  quorvane::OpenWebPage(url);  // a page that cannot be opened is not reported
}

void frmConfig::reject() {
  controller_.Close();
}

void frmConfig::Centre(QSize outer) {
  const QRect desktop = screen()->availableGeometry();
  const PixelRect workArea{desktop.x(), desktop.y(), desktop.width(), desktop.height()};
  const PixelRect placed = PlaceDialog(outer.width(), outer.height(), workArea, workArea);
  move(placed.left, placed.top);
}

void frmConfig::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Mouse presses and wheel turns move the focus before any widget sees them, so they are
  // checked where they enter the window.
  windowHandle()->installEventFilter(this);
  // Access keys need the keyboard focus, which no window manager may hand over.
  activateWindow();
}

bool frmConfig::LeavesTxtZoom(QObject* watched, QEvent* event) const {
  QWidget* const txtZoom = Control(ControlId::txtZoom);
  if (focusWidget() != txtZoom) {
    return false;
  }
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel: {
      if (watched != windowHandle()) {
        return false;
      }
      const auto* pointer = static_cast<const QSinglePointEvent*>(event);
      const Qt::FocusPolicy wanted =
          event->type() == QEvent::Wheel ? Qt::WheelFocus : Qt::ClickFocus;
      // The control that would take the focus, as the application hands it on a click.
      for (QWidget* control = childAt(pointer->position().toPoint()); control != nullptr;
           control = control->parentWidget()) {
        if (control == this) {
          return false;
        }
        if (control->isEnabled() && (control->focusPolicy() & wanted) == wanted) {
          return control != txtZoom;
        }
      }
      return false;
    }
    case QEvent::Shortcut: {
      const auto* label = qobject_cast<const QLabel*>(watched);
      return watched != txtZoom && !(label != nullptr && label->buddy() == txtZoom);
    }
    default:
      return false;
  }
}

bool frmConfig::eventFilter(QObject* watched, QEvent* event) {
  // A window manager has framed the window by its first exposure: centre it frame and all.
  if (watched == windowHandle() && event->type() == QEvent::Expose && !framed_ &&
      windowHandle()->isExposed()) {
    framed_ = true;
    if (frameGeometry().size() != size()) {
      Centre(frameGeometry().size());
    }
  }
  if (LeavesTxtZoom(watched, event) && !controller_.CheckZoom()) {
    return true;  // the focus stays and the control never sees the event
  }
  QWidget* const footer = Control(ControlId::labCopyright);
  if (watched == footer && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && footer->rect().contains(mouse->position().toPoint())) {
      controller_.OpenHomePage();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool frmConfig::focusNextPrevChild(bool next) {
  // Tab and Backtab leave txtZoom only with an acceptable text.
  if (focusWidget() == Control(ControlId::txtZoom) && !controller_.CheckZoom()) {
    return true;
  }
  return QDialog::focusNextPrevChild(next);
}

}  // namespace quorvane

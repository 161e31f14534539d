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
#include <utility>

#include "core/settings_dialog/config_rules.h"
#include "core/settings_dialog/dialog_texts.h"
#include "core/startup/number_text.h"
#include "core/startup/version.h"
#include "qt/platform/fonts.h"
#include "qt/platform/qt_system_services.h"

namespace quorvane {

namespace {

constexpr int kClientWidth = 5430;  // twips
constexpr int kClientHeight = 3000;
constexpr QColor kFooterBackground{0x00, 0x00, 0x40};  // 0x00400000
constexpr QPoint kHandHotSpot{5, 0};                   // the fingertip

NumericLocale UserNumericLocale() {
  const QLocale locale = QLocale::system();
  return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace

frmConfig::frmConfig(const ModPublic& modPublic, SettingsStore& store,
                     std::function<void()> endProgram)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      modPublic_(modPublic),
      store_(store),
      endProgram_(std::move(endProgram)),
      metrics_(PrimaryScreenMetrics()) {
  CreateControls();
  SetTabOrder();
  Form_Load();
}

void frmConfig::CreateControls() {
  setWindowTitle(QString::fromUtf8(kConfigTitle));
  setWindowIcon(QIcon(QStringLiteral(":/dialog_icon.png")));
  setFixedSize(metrics_.PixelsX(kClientWidth), metrics_.PixelsY(kClientHeight));
  // Shown without an owner: centred on the screen. Qt's own placement guesses a frame and is
  // 40 pixels high where no window manager draws one.
  const QRect desktop = screen()->availableGeometry();
  move(desktop.x() + (desktop.width() - width()) / 2,
       desktop.y() + (desktop.height() - height()) / 2);
  setFont(MakeFont(kUiGothic, 11.25, QFont::Normal));

  const auto makeLabel = [this](const char* name, QWidget* buddy) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    label->installEventFilter(this);  // its access key moves the focus
    return label;
  };
  const auto makeFrame = [this](const char* name) {
    auto* frame = new QFrame(this);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
  };
  const auto makeOption = [this](QFrame* frame, const QString& name) {
    auto* option = new QRadioButton(frame);
    option->setObjectName(name);
    option->installEventFilter(this);
    return option;
  };
  const auto makeButton = [this](const char* name) {
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(MakeFont(kUiGothic, 9, QFont::Normal));
    button->installEventFilter(this);
    return button;
  };

  cboFocus = new QComboBox(this);
  cboFocus->setObjectName(QStringLiteral("cboFocus"));
  cboFocus->setEditable(false);  // pick only, entries in the order added
  cboFocus->installEventFilter(this);
  labFocus = makeLabel("labFocus", cboFocus);
  Place(labFocus, 210, 240, 1785, 225);
  Place(cboFocus, 2460, 180, 2745, 345);

  Frame1 = makeFrame("Frame1");
  Place(Frame1, 2460, 615, 2835, 420);
  languageGroup_ = new QButtonGroup(this);
  for (int index = 0; index < 2; ++index) {
    optLanguage[index] = makeOption(Frame1, QStringLiteral("optLanguage_%1").arg(index));
    languageGroup_->addButton(optLanguage[index], index);
    connect(optLanguage[index], &QRadioButton::clicked, this, [this] { optLanguage_Click(); });
  }
  Place(optLanguage[0], 90, 82, 1395, 270);
  Place(optLanguage[1], 1620, 75, 990, 285);
  optLanguage[1]->setText(QString::fromUtf8(kOptLanguage1Caption));
  labLanguage = makeLabel("labLanguage", optLanguage[0]);
  Place(labLanguage, 210, 705, 840, 225);

  txtZoom = new QLineEdit(this);
  txtZoom->setObjectName(QStringLiteral("txtZoom"));
  txtZoom->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // Typed characters go in directly, never through an input method.
  txtZoom->setAttribute(Qt::WA_InputMethodEnabled, false);
  txtZoom->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
  labZoom = makeLabel("labZoom", txtZoom);
  Place(labZoom, 210, 1170, 1965, 225);
  Place(txtZoom, 2460, 1125, 930, 330);
  labX = makeLabel("labX", nullptr);
  Place(labX, 3480, 1170, 225, 225);

  Frame2 = makeFrame("Frame2");
  Place(Frame2, 2460, 1545, 2685, 465);
  orbitGroup_ = new QButtonGroup(this);
  for (int index = 0; index < 2; ++index) {
    optOrbit[index] = makeOption(Frame2, QStringLiteral("optOrbit_%1").arg(index));
    orbitGroup_->addButton(optOrbit[index], index);
  }
  Place(optOrbit[0], 75, 105, 975, 285);
  Place(optOrbit[1], 1230, 120, 1230, 255);
  labOrbit = makeLabel("labOrbit", optOrbit[0]);
  Place(labOrbit, 210, 1635, 1935, 225);

  // A row's access key leads to the option that is selected, as Tab does.
  connect(languageGroup_, &QButtonGroup::buttonToggled, this,
          [this](QAbstractButton* button, bool checked) {
            if (checked) {
              labLanguage->setBuddy(button);
            }
          });
  connect(orbitGroup_, &QButtonGroup::buttonToggled, this,
          [this](QAbstractButton* button, bool checked) {
            if (checked) {
              labOrbit->setBuddy(button);
            }
          });
  optLanguage[0]->setChecked(true);
  optOrbit[1]->setChecked(true);

  cmdOK = makeButton("cmdOK");
  cmdOK->setText(QString::fromUtf8(kOkCaption));
  cmdOK->setDefault(true);
  Place(cmdOK, 2280, 2190, 990, 390);
  cmdCancel = makeButton("cmdCancel");
  Place(cmdCancel, 3315, 2190, 990, 390);
  cmdSubmit = makeButton("cmdSubmit");
  Place(cmdSubmit, 4350, 2190, 990, 390);
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
  connect(cmdSubmit, &QPushButton::clicked, this, [this] { cmdSubmit_Click(); });

  labCopyright = new QLabel(this);
  labCopyright->setObjectName(QStringLiteral("labCopyright"));
  labCopyright->setTextFormat(Qt::PlainText);
  labCopyright->setFont(MakeFont(kTimesNewRoman, 12, QFont::Bold));
  labCopyright->setAlignment(Qt::AlignCenter);
  labCopyright->setAutoFillBackground(true);
  QPalette footer = labCopyright->palette();
  footer.setColor(QPalette::Window, kFooterBackground);
  footer.setColor(QPalette::WindowText, Qt::white);
  labCopyright->setPalette(footer);
  labCopyright->setCursor(
      QCursor(QPixmap(QStringLiteral(":/hand_cursor.png")), kHandHotSpot.x(), kHandHotSpot.y()));
  labCopyright->installEventFilter(this);
  Place(labCopyright, 15, 2670, 5370, 300);
}

void frmConfig::SetTabOrder() {
  QWidget* const order[] = {cboFocus,    optLanguage[0], optLanguage[1], txtZoom,  optOrbit[0],
                            optOrbit[1], cmdOK,          cmdCancel,      cmdSubmit};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    setTabOrder(order[i - 1], order[i]);
  }
}

void frmConfig::Place(QWidget* control, int left, int top, int width, int height) const {
  control->setGeometry(metrics_.PixelsX(left), metrics_.PixelsY(top), metrics_.PixelsX(width),
                       metrics_.PixelsY(height));
}

void frmConfig::Form_Load() {
  SetCopyright();
  DialogLanguage = modPublic_.settings.Language;
  SetCaptions();
  FillFocusList();
  LoadControls();
  cboFocus->setFocus();
}

void frmConfig::SetCopyright() {
  labCopyright->setText(
      QString::fromUtf8(CopyrightCaption(kVersionMajor, kVersionMinor, kVersionRevision)));
}

void frmConfig::SetCaptions() {
  const auto captions = CaptionsFor(DialogLanguage);
  if (!captions) {
    return;
  }
  const auto setLabel = [](QLabel* label, std::string_view text) {
    label->setText(QString::fromUtf8(text));
    label->adjustSize();  // auto-size, keeping the left and top edges
  };
  setLabel(labFocus, captions->labFocus);
  setLabel(labLanguage, captions->labLanguage);
  optLanguage[0]->setText(QString::fromUtf8(captions->optLanguage0));
  setLabel(labZoom, captions->labZoom);
  setLabel(labX, captions->labX);
  setLabel(labOrbit, captions->labOrbit);
  optOrbit[0]->setText(QString::fromUtf8(captions->optOrbit0));
  optOrbit[1]->setText(QString::fromUtf8(captions->optOrbit1));
  cmdCancel->setText(QString::fromUtf8(captions->cmdCancel));
  cmdSubmit->setText(QString::fromUtf8(captions->cmdSubmit));
  FitOptionsToCaptions();
}

void frmConfig::FitOptionsToCaptions() {
  // The substitute fonts are wider than the ones the layout was drawn for: an option grows to
  // its caption rather than clip it (its height around its middle), and its frame grows to
  // hold it.
  for (QRadioButton* option : {optLanguage[0], optLanguage[1], optOrbit[0], optOrbit[1]}) {
    const QSize wanted = option->sizeHint();
    const int height = std::max(option->height(), wanted.height());
    option->setGeometry(option->x(), option->y() - (height - option->height()) / 2,
                        std::max(option->width(), wanted.width()), height);
  }
  for (QFrame* frame : {Frame1, Frame2}) {
    const QRect children = frame->childrenRect();
    frame->resize(std::max(frame->width(), children.right() + 1),
                  std::max(frame->height(), children.bottom() + 1));
  }
}

void frmConfig::FillFocusList() {
  const int position = cboFocus->currentIndex();
  cboFocus->clear();
  for (const std::string& entry : FocusListEntries(modPublic_.Bodies, DialogLanguage)) {
    cboFocus->addItem(QString::fromUtf8(entry));
  }
  cboFocus->setCurrentIndex(position);
}

void frmConfig::LoadControls() {
  cboFocus->setCurrentIndex(FocusPosition(modPublic_.settings));
  const int language = modPublic_.settings.Language;
  if (language == 1 || language == 2) {
    optLanguage[language - 1]->setChecked(true);
    optLanguage_Click();
  }
  const QString decimalPoint = QLocale::system().decimalPoint();
  txtZoom->setText(QString::fromUtf8(
      FormatNumber(modPublic_.settings.Zoom, "0.0#", decimalPoint.toStdString())));
  if (modPublic_.settings.Orbit != 0) {
    optOrbit[0]->setChecked(true);
  }
}

bool frmConfig::CheckZoom() {
  if (ZoomTextAcceptable(txtZoom->text().toStdString(), UserNumericLocale())) {
    return true;
  }
  ShowMessage(QMessageBox::Warning, ZoomErrorText(DialogLanguage));
  return false;
}

bool frmConfig::SaveConfig() {
  const DialogChoice choice{cboFocus->currentIndex(), optLanguage[0]->isChecked(),
                            txtZoom->text().toStdString(), optOrbit[0]->isChecked()};
  for (const auto& [key, text] : ConfigEntries(choice)) {
    store_.WriteSetting(kConfigSection, key, text);
  }
  // OK ends the process at once, so what it wrote must already be on disk; a store that cannot
  // be written must not look saved.
  if (store_.Sync()) {
    return true;
  }
  ShowMessage(QMessageBox::Critical, SaveErrorText(DialogLanguage));
  return false;
}

void frmConfig::ShowMessage(QMessageBox::Icon icon, const MessageText& text) {
  QMessageBox box(icon, QString::fromUtf8(text.title), QString::fromUtf8(text.message),
                  QMessageBox::Ok, this);
  box.exec();
  // Without a window manager nobody hands the keyboard back when the box closes.
  activateWindow();
}

void frmConfig::optLanguage_Click() {
  DialogLanguage = optLanguage[0]->isChecked() ? 1 : 2;
  SetCaptions();
  FillFocusList();
}

void frmConfig::cmdOK_Click() {
  if (!CheckZoom() || !SaveConfig()) {
    return;
  }
  endProgram_();
}

void frmConfig::cmdCancel_Click() {
  endProgram_();
}

void frmConfig::cmdSubmit_Click() {
  SaveConfig();
}

void frmConfig::labCopyright_Click() {
  OpenWebPage(kHomePage);  // a page that cannot be opened is not reported
}

void frmConfig::reject() {
  cmdCancel_Click();
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
  if (LeavesTxtZoom(watched, event) && !CheckZoom()) {
    return true;  // the focus stays and the control never sees the event
  }
  if (watched == labCopyright && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton &&
        labCopyright->rect().contains(mouse->position().toPoint())) {
      labCopyright_Click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool frmConfig::focusNextPrevChild(bool next) {
  // Tab and Backtab leave txtZoom only with an acceptable text.
  if (focusWidget() == txtZoom && !CheckZoom()) {
    return true;
  }
  return QDialog::focusNextPrevChild(next);
}

}  // namespace quorvane

// The settings dialog on the offscreen platform: captions, the focus list, the magnification
// check and where it runs, what OK, Apply, Cancel and Esc write, and a store that cannot be
// written.

// Mouse clicks travel through the window, as real ones do, so the dialog sees them before the
// focus moves.
#define QTEST_QPA_MOUSE_HANDLING

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "qt/platform/fonts.h"
#include "qt/platform/ini_settings_store.h"
#include "qt/settings_dialog/frm_config.h"
#include "support/memory_settings_store.h"

using quorvane::frmConfig;
using quorvane::IniSettingsStore;
using quorvane::ModPublic;
using quorvane::SettingsStore;
using quorvane::testing::MemorySettingsStore;

namespace {

const QStringList kJapaneseCaptions = {"基準とする惑星(&F)\uFF1A",
                                       "言語(&L)\uFF1A",
                                       "日本語(&J)",
                                       "直径の表示倍率(&M)\uFF1A",
                                       "倍",
                                       "惑星軌道の表示(&V)\uFF1A",
                                       "する(&Y)",
                                       "しない(&N)",
                                       "\uFF77\uFF6C\uFF9D\uFF7E\uFF99(&C)",
                                       "適用(&S)"};
const QStringList kEnglishCaptions = {"&Focus on\uFF1A",
                                      "&Language\uFF1A",
                                      "&Japanese",
                                      "&Magnify diameter\uFF1A",
                                      "x",
                                      "&View planets' orbit\uFF1A",
                                      "&Yes",
                                      "&No",
                                      "&Cancel",
                                      "&Submit"};
const QStringList kCaptionedControls = {"labFocus",  "labLanguage", "optLanguage_0", "labZoom",
                                        "labX",      "labOrbit",    "optOrbit_0",    "optOrbit_1",
                                        "cmdCancel", "cmdSubmit"};

const QString kJapaneseZoomError = "倍率は1.0\uFF5E50.0の範囲の数値で指定してください";
const QString kEnglishZoomError =
    "You must set numeric value between 1.0 abd 50.0 as the magnification.";

// Closes every modal message box as soon as it shows, remembering its title, text and icon.
class MessageBoxCloser : public QObject {
 public:
  QStringList titles;
  QStringList texts;
  QList<QMessageBox::Icon> icons;

  MessageBoxCloser() {
    connect(&timer_, &QTimer::timeout, this, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        titles << box->windowTitle();
        texts << box->text();
        icons << box->icon();
        box->done(QMessageBox::Ok);
      }
    });
    timer_.start(5);
  }

 private:
  QTimer timer_;
};

// Records the pages the footer asks the desktop to open, instead of opening them.
class PageRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

  PageRecorder() { QDesktopServices::setUrlHandler("https", this, "Open"); }
  ~PageRecorder() override { QDesktopServices::unsetUrlHandler("https"); }

 public slots:
  void Open(const QUrl& url) { opened << url; }
};

}  // namespace

class FrmConfigTest : public QObject {
  Q_OBJECT

 private:
  ModPublic modPublic_;
  MemorySettingsStore store_;
  int ended_ = 0;
  std::unique_ptr<MessageBoxCloser> boxes_;  // no test can hang on a box

  // A shown and active dialog over the settings in modPublic_ and the given store.
  std::unique_ptr<frmConfig> Open(SettingsStore& store) {
    auto dialog = std::make_unique<frmConfig>(modPublic_, store, [this] { ++ended_; });
    dialog->show();
    if (!QTest::qWaitForWindowActive(dialog.get())) {
      qWarning("the dialog did not become active");
    }
    return dialog;
  }
  std::unique_ptr<frmConfig> Open() { return Open(store_); }

  template <typename T>
  static T* Control(frmConfig& dialog, const QString& name) {
    T* control = dialog.findChild<T*>(name);
    if (control == nullptr) {
      qFatal("no control %s", qPrintable(name));
    }
    return control;
  }

  std::optional<std::string> Stored(const char* key) const { return store_.Value("Config", key); }

  static void ClickLanguages(frmConfig& dialog, const QString& clicks) {
    for (const QChar click : clicks) {
      QTest::mouseClick(
          Control<QRadioButton>(dialog, click == 'j' ? "optLanguage_0" : "optLanguage_1"),
          Qt::LeftButton);
    }
  }

  static QStringList Entries(frmConfig& dialog) {
    auto* list = Control<QComboBox>(dialog, "cboFocus");
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) {
      entries << list->itemText(i);
    }
    return entries;
  }

 private slots:
  void initTestCase() { quorvane::InstallFontSubstitutions(); }

  void init() {
    modPublic_ = ModPublic{};
    modPublic_.Pi = 3.141592653589793;
    quorvane::InitBodies(modPublic_.Bodies);
    store_ = MemorySettingsStore{};
    ended_ = 0;
    boxes_ = std::make_unique<MessageBoxCloser>();
  }

  void layout() {
    modPublic_.settings.Language = 1;
    auto dialog = Open();
    QCOMPARE(dialog->windowTitle(), QString("Quorvaneの設定"));
    QCOMPARE(dialog->size(), QSize(362, 200));
    const QRect desktop = dialog->screen()->availableGeometry();
    QVERIFY((dialog->frameGeometry().center() - desktop.center()).manhattanLength() <= 4);
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    const Qt::WindowFlags flags = dialog->windowFlags();
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!dialog->windowIcon().isNull());
    QCOMPARE(dialog->windowIcon().pixmap(32, 32).size(), QSize(32, 32));

    const struct {
      const char* name;
      QRect pixels;
    } places[] = {{"cboFocus", {164, 12, 183, 23}},  {"txtZoom", {164, 75, 62, 22}},
                  {"cmdOK", {152, 146, 66, 26}},     {"cmdCancel", {221, 146, 66, 26}},
                  {"cmdSubmit", {290, 146, 66, 26}}, {"labCopyright", {1, 178, 358, 20}}};
    for (const auto& place : places) {
      QCOMPARE(Control<QWidget>(*dialog, place.name)->geometry(), place.pixels);
    }
    // Auto-sized labels keep their left edges; their text is on the line of the control beside
    // them: same vertical centre, same font, both centred.
    QCOMPARE(Control<QLabel>(*dialog, "labZoom")->x(), 14);
    const struct {
      const char* label;
      const char* beside;
    } rows[] = {{"labFocus", "cboFocus"},
                {"labLanguage", "optLanguage_0"},
                {"labLanguage", "optLanguage_1"},
                {"labZoom", "txtZoom"},
                {"labX", "txtZoom"},
                {"labOrbit", "optOrbit_0"},
                {"labOrbit", "optOrbit_1"}};
    for (const auto& row : rows) {
      const auto* label = Control<QLabel>(*dialog, row.label);
      const auto* beside = Control<QWidget>(*dialog, row.beside);
      const int besideCentre = beside->mapTo(dialog.get(), beside->rect().center()).y();
      QVERIFY2(std::abs(label->geometry().center().y() - besideCentre) <= 1, row.label);
      QVERIFY(label->alignment() & Qt::AlignVCenter);
      QCOMPARE(label->font(), beside->font());
    }
    // Options may grow to their captions but stay inside the dialog and clear of each other.
    for (const char* frame : {"Frame1", "Frame2"}) {
      QVERIFY(dialog->rect().contains(Control<QWidget>(*dialog, frame)->geometry()));
    }
    const QRect yes = Control<QRadioButton>(*dialog, "optOrbit_0")->geometry();
    const QRect no = Control<QRadioButton>(*dialog, "optOrbit_1")->geometry();
    QVERIFY(yes.right() < no.left());

    QCOMPARE(dialog->font().family(), QString(quorvane::kUiGothic));
    QCOMPARE(dialog->font().pointSizeF(), 11.25);
    QCOMPARE(Control<QPushButton>(*dialog, "cmdOK")->font().pointSizeF(), 9.0);
    auto* footer = Control<QLabel>(*dialog, "labCopyright");
    QCOMPARE(footer->font().family(), QString(quorvane::kTimesNewRoman));
    QCOMPARE(footer->font().pointSizeF(), 12.0);
    QCOMPARE(footer->font().weight(), QFont::Bold);
    QCOMPARE(footer->palette().color(QPalette::Window), QColor(0, 0, 0x40));
    QCOMPARE(footer->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(footer->text(), QString("Quorvane 1.01 (C) 2026 Quorvane Works"));
    QCOMPARE(footer->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(footer->cursor().hotSpot(), QPoint(5, 0));
    QCOMPARE(footer->cursor().pixmap().size(), QSize(32, 32));

    auto* zoom = Control<QLineEdit>(*dialog, "txtZoom");
    QVERIFY(zoom->alignment() & Qt::AlignRight);
    QVERIFY(!zoom->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(!Control<QComboBox>(*dialog, "cboFocus")->isEditable());
    QVERIFY(Control<QPushButton>(*dialog, "cmdOK")->isDefault());

    QStringList order;
    QWidget* control = Control<QWidget>(*dialog, "cboFocus");
    do {
      if (control->focusPolicy() != Qt::NoFocus && control->objectName() != "labCopyright") {
        order << control->objectName();
      }
      control = control->nextInFocusChain();
    } while (control != Control<QWidget>(*dialog, "cboFocus"));
    QCOMPARE(order, QStringList({"cboFocus", "optLanguage_0", "optLanguage_1", "txtZoom",
                                 "optOrbit_0", "optOrbit_1", "cmdOK", "cmdCancel", "cmdSubmit"}));
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>(*dialog, "cboFocus"));
  }

  void captions_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("clicks");  // j/e: a click on the Japanese/English option
    QTest::addColumn<bool>("japanese");
    QTest::newRow("loaded Japanese") << 1 << "" << true;
    QTest::newRow("loaded English") << 2 << "" << false;
    QTest::newRow("Japanese to English") << 1 << "e" << false;
    QTest::newRow("English to Japanese") << 2 << "j" << true;
    QTest::newRow("there and back") << 1 << "ej" << true;
    QTest::newRow("back and forth") << 2 << "jeje" << false;
    QTest::newRow("selected option again") << 1 << "jj" << true;
  }
  void captions() {
    QFETCH(int, language);
    QFETCH(QString, clicks);
    QFETCH(bool, japanese);
    modPublic_.settings.Language = static_cast<std::int16_t>(language);
    auto dialog = Open();
    ClickLanguages(*dialog, clicks);
    const QStringList& expected = japanese ? kJapaneseCaptions : kEnglishCaptions;
    for (int i = 0; i < kCaptionedControls.size(); ++i) {
      const QString name = kCaptionedControls[i];
      QWidget* control = Control<QWidget>(*dialog, name);
      const QString text = qobject_cast<QLabel*>(control)
                               ? qobject_cast<QLabel*>(control)->text()
                               : qobject_cast<QAbstractButton*>(control)->text();
      QCOMPARE(text, expected[i]);
    }
    QCOMPARE(Control<QRadioButton>(*dialog, "optLanguage_1")->text(), QString("&English"));
    QCOMPARE(Control<QPushButton>(*dialog, "cmdOK")->text(), QString("&OK"));
    QCOMPARE(dialog->windowTitle(), QString("Quorvaneの設定"));
    QCOMPARE(Control<QRadioButton>(*dialog, "optLanguage_0")->isChecked(), japanese);
    QCOMPARE(Entries(*dialog).first(), japanese ? QString("水星") : QString("Mercury"));
    QVERIFY(!Stored("Language"));  // a switch is not saved by itself
  }

  void focusList_data() {
    QTest::addColumn<int>("centerId");
    QTest::addColumn<int>("autoChange");
    QTest::addColumn<bool>("clearSelection");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("japaneseText");
    QTest::addColumn<QString>("englishText");
    QTest::newRow("Saturn") << 6 << 0 << false << 5 << "土星"
                            << "Saturn";
    QTest::newRow("Mars") << 4 << 0 << false << 3 << "火星"
                          << "Mars";
    QTest::newRow("outwards") << 1 << 1 << false << 9 << "自動切替\uFF08内から外\uFF09"
                              << "Auto change; In to Out";
    QTest::newRow("inwards") << 9 << -1 << false << 10 << "自動切替\uFF08外から内\uFF09"
                             << "Auto change; Out to In";
    QTest::newRow("nothing selected") << 4 << 0 << true << -1 << ""
                                      << "";
  }
  void focusList() {
    QFETCH(int, centerId);
    QFETCH(int, autoChange);
    QFETCH(bool, clearSelection);
    QFETCH(int, position);
    QFETCH(QString, japaneseText);
    QFETCH(QString, englishText);
    modPublic_.settings.CenterId = centerId;
    modPublic_.settings.AutoChange = static_cast<std::int16_t>(autoChange);
    modPublic_.settings.Language = 2;
    auto dialog = Open();
    auto* list = Control<QComboBox>(*dialog, "cboFocus");
    if (clearSelection) {
      list->setCurrentIndex(-1);
    }
    for (const char* clicks : {"", "j", "e", "j"}) {
      ClickLanguages(*dialog, clicks);
      const bool japanese = Control<QRadioButton>(*dialog, "optLanguage_0")->isChecked();
      QCOMPARE(list->count(), 11);
      QCOMPARE(list->currentIndex(), position);
      QCOMPARE(list->currentText(), japanese ? japaneseText : englishText);
      QVERIFY(!Entries(*dialog).contains(japanese ? "太陽" : "Sun"));
      QCOMPARE(Entries(*dialog)[8], japanese ? QString("冥王星") : QString("Pluto"));
    }
  }

  void checkZoom_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");  // empty when accepted
    QTest::addColumn<QString>("title");
    for (const char* text : {"1", "1.0", "50", "50.0", " 25 "}) {
      QTest::addRow("accepts '%s'", text) << 2 << "" << text << ""
                                          << "";
    }
    for (const char* text : {"0.99", "50.01", "", "abc", "12abc", "100.0", "-5"}) {
      QTest::addRow("English rejects '%s'", text)
          << 2 << "" << text << kEnglishZoomError << "Error";
      QTest::addRow("Japanese rejects '%s'", text)
          << 1 << "" << text << kJapaneseZoomError << "指定エラー";
    }
    QTest::newRow("after a switch to Japanese") << 2 << "j"
                                                << "0" << kJapaneseZoomError << "指定エラー";
    QTest::newRow("after a switch to English") << 1 << "e"
                                               << "0" << kEnglishZoomError << "Error";
  }
  // Enter in txtZoom runs OK with the check although the focus does not move.
  void checkZoom() {
    QFETCH(int, language);
    QFETCH(QString, clicks);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, title);
    modPublic_.settings.Language = static_cast<std::int16_t>(language);
    auto dialog = Open();
    ClickLanguages(*dialog, clicks);
    auto* zoom = Control<QLineEdit>(*dialog, "txtZoom");
    zoom->setFocus();
    zoom->setText(text);
    const MessageBoxCloser& boxes = *boxes_;
    QTest::keyClick(zoom, Qt::Key_Return);
    if (message.isEmpty()) {
      QVERIFY(boxes.texts.isEmpty());
      QCOMPARE(ended_, 1);
      QCOMPARE(Stored("Zoom"), std::optional<std::string>(text.toStdString()));
    } else {
      QCOMPARE(boxes.texts, QStringList{message});
      QCOMPARE(boxes.titles, QStringList{title});
      QCOMPARE(boxes.icons.first(), QMessageBox::Warning);
      QCOMPARE(ended_, 0);
      QVERIFY(store_.values.empty());
      QCOMPARE(zoom->text(), text);
      QCOMPARE(dialog->focusWidget(), zoom);
    }
  }

  void leavingTxtZoom_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("checked");  // the move asks for the check
    for (const char* action :
         {"Tab", "Backtab", "click cmdCancel", "click cmdSubmit", "click cmdOK", "click cboFocus",
          "click optOrbit_0", "wheel cboFocus", "Alt+F", "Alt+Y", "Alt+C", "Alt+S"}) {
      QTest::addRow("%s", action) << action << true;
    }
    QTest::newRow("Alt+M stays in the box") << "Alt+M" << false;
    QTest::newRow("click into the box") << "click txtZoom" << false;
    QTest::newRow("click on the footer") << "click labCopyright" << false;
  }
  // A bad text keeps the focus in txtZoom and the target control's action from running.
  void leavingTxtZoom() {
    QFETCH(QString, action);
    QFETCH(bool, checked);
    PageRecorder pages;
    auto dialog = Open();
    auto* zoom = Control<QLineEdit>(*dialog, "txtZoom");
    zoom->setFocus();
    zoom->setText("abc");
    const MessageBoxCloser& boxes = *boxes_;
    if (action.startsWith("click ")) {
      QTest::mouseClick(Control<QWidget>(*dialog, action.mid(6)), Qt::LeftButton);
    } else if (action.startsWith("wheel ")) {
      QWidget* target = Control<QWidget>(*dialog, action.mid(6));
      const QPointF at = target->mapTo(dialog.get(), target->rect().center());
      QWheelEvent wheel(at, target->mapToGlobal(target->rect().center()), {}, {0, -120},
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(dialog->windowHandle(), &wheel);
    } else if (action.startsWith("Alt+")) {
      QTest::keyClick(dialog.get(), action.back().toLatin1(), Qt::AltModifier);
    } else {
      QTest::keyClick(zoom, action == "Tab" ? Qt::Key_Tab : Qt::Key_Backtab);
    }
    QCOMPARE(boxes.texts.size(), checked ? 1 : 0);
    QCOMPARE(ended_, 0);
    QVERIFY(store_.values.empty());
    QCOMPARE(dialog->focusWidget(), zoom);
    QCOMPARE(Control<QComboBox>(*dialog, "cboFocus")->currentIndex(), 3);
    QCOMPARE(Control<QRadioButton>(*dialog, "optOrbit_1")->isChecked(), true);
    QCOMPARE(pages.opened.size(), action == "click labCopyright" ? 1 : 0);
  }

  void accessKeys_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("orbit");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focused");
    for (const int language : {1, 2}) {
      const char* name = language == 1 ? "Japanese" : "English";
      QTest::addRow("%s Alt+M", name) << language << 0 << "M"
                                      << "txtZoom";
      QTest::addRow("%s Alt+F", name) << language << 0 << "F"
                                      << "cboFocus";
      QTest::addRow("%s Alt+L", name)
          << language << 0 << "L" << QString("optLanguage_%1").arg(language - 1);
      QTest::addRow("%s Alt+V", name) << language << 0 << "V"
                                      << "optOrbit_1";
      QTest::addRow("%s Alt+V with orbits", name) << language << -1 << "V"
                                                  << "optOrbit_0";
      QTest::addRow("%s Alt+M then Alt+F", name) << language << 0 << "MF"
                                                 << "cboFocus";
    }
  }
  void accessKeys() {
    QFETCH(int, language);
    QFETCH(int, orbit);
    QFETCH(QString, keys);
    QFETCH(QString, focused);
    modPublic_.settings.Language = static_cast<std::int16_t>(language);
    modPublic_.settings.Orbit = static_cast<std::int16_t>(orbit);
    auto dialog = Open();
    for (const QChar key : keys) {
      QTest::keyClick(dialog.get(), key.toLatin1(), Qt::AltModifier);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
  }

  // Tab enters a row of options at the selected one, whichever had the focus before, so Tab
  // then Space never changes a setting.
  void tabEntersOptionRowsAtTheSelectedOption_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("orbit");
    QTest::addRow("Japanese, orbits") << 1 << -1;
    QTest::addRow("English, no orbits") << 2 << 0;
  }
  void tabEntersOptionRowsAtTheSelectedOption() {
    QFETCH(int, language);
    QFETCH(int, orbit);
    modPublic_.settings.Language = static_cast<std::int16_t>(language);
    modPublic_.settings.Orbit = static_cast<std::int16_t>(orbit);
    auto dialog = Open();
    const QString languageOption = QString("optLanguage_%1").arg(language - 1);
    QString orbitOption = QString("optOrbit_%1").arg(orbit == 0 ? 1 : 0);
    QString otherOrbit = QString("optOrbit_%1").arg(orbit == 0 ? 0 : 1);
    for (int round = 0; round < 2; ++round) {
      Control<QComboBox>(*dialog, "cboFocus")->setFocus();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), languageOption);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
      QVERIFY(Control<QRadioButton>(*dialog, languageOption)->isChecked());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtZoom"));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), orbitOption);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
      QCOMPARE(QApplication::focusWidget()->objectName(), languageOption);
      // A click on the other orbit option gives it the row's Tab stop from then on.
      QTest::mouseClick(Control<QRadioButton>(*dialog, otherOrbit), Qt::LeftButton);
      std::swap(orbitOption, otherOrbit);
    }
  }

  void escapeAndCloseWriteNothing_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Esc") << false;
    QTest::newRow("close box") << true;
  }
  void escapeAndCloseWriteNothing() {
    QFETCH(bool, closeBox);
    auto dialog = Open();
    ClickLanguages(*dialog, "j");
    auto* zoom = Control<QLineEdit>(*dialog, "txtZoom");
    zoom->setFocus();
    zoom->setText("abc");
    const MessageBoxCloser& boxes = *boxes_;
    if (closeBox) {
      dialog->close();
    } else {
      QTest::keyClick(zoom, Qt::Key_Escape);
    }
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(ended_, 1);
    QVERIFY(store_.values.empty());
  }

  void cancelWithBadTextThenGoodText() {
    auto dialog = Open();
    auto* zoom = Control<QLineEdit>(*dialog, "txtZoom");
    zoom->setFocus();
    zoom->setText("0.5");
    const MessageBoxCloser& boxes = *boxes_;
    auto* cancel = Control<QPushButton>(*dialog, "cmdCancel");
    QTest::mouseClick(cancel, Qt::LeftButton);
    QCOMPARE(boxes.texts.size(), 1);
    QCOMPARE(ended_, 0);
    QVERIFY(dialog->isVisible());
    zoom->setText("0.5 ");
    zoom->setText("5");
    QTest::mouseClick(cancel, Qt::LeftButton);
    QCOMPARE(boxes.texts.size(), 1);
    QCOMPARE(ended_, 1);
    QVERIFY(store_.values.empty());
  }

  void enterClicksTheFocusedButtonOrOk() {
    auto dialog = Open();
    auto* apply = Control<QPushButton>(*dialog, "cmdSubmit");
    apply->setFocus();
    QTest::keyClick(apply, Qt::Key_Return);
    QCOMPARE(store_.syncCount, 1);
    QCOMPARE(ended_, 0);
    auto* list = Control<QComboBox>(*dialog, "cboFocus");
    list->setFocus();
    QVERIFY(Control<QPushButton>(*dialog, "cmdOK")->isDefault());
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(store_.syncCount, 2);
    QCOMPARE(ended_, 1);
  }

  void applyThenCancelKeepsTheAppliedValues() {
    auto dialog = Open();
    Control<QComboBox>(*dialog, "cboFocus")->setCurrentIndex(5);
    QTest::mouseClick(Control<QRadioButton>(*dialog, "optOrbit_0"), Qt::LeftButton);
    auto* zoom = Control<QLineEdit>(*dialog, "txtZoom");
    zoom->setText("7");
    const MessageBoxCloser& boxes = *boxes_;
    QTest::mouseClick(Control<QPushButton>(*dialog, "cmdSubmit"), Qt::LeftButton);
    QCOMPARE(ended_, 0);
    QCOMPARE(store_.syncCount, 1);
    ClickLanguages(*dialog, "j");
    zoom->setText("9");
    QTest::mouseClick(Control<QPushButton>(*dialog, "cmdCancel"), Qt::LeftButton);
    QCOMPARE(ended_, 1);
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(Stored("CenterId"), std::optional<std::string>("6"));
    QCOMPARE(Stored("Language"), std::optional<std::string>("2"));
    QCOMPARE(Stored("Zoom"), std::optional<std::string>("7"));
    QCOMPARE(Stored("Orbit"), std::optional<std::string>("True"));
  }

  void unwritableStore_data() {
    QTest::addColumn<QString>("store");  // folder is a file, read-only folder
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::newRow("folder is a file, OK") << "file" << 2 << "cmdOK"
                                          << "Save error";
    QTest::newRow("folder is a file, Apply") << "file" << 1 << "cmdSubmit"
                                             << "保存エラー";
    QTest::newRow("read-only folder, OK") << "read-only" << 1 << "cmdOK"
                                          << "保存エラー";
  }
  // Saving must not look successful when nothing reached the disk: the dialog says so in its
  // language and stays open with the user's values.
  void unwritableStore() {
    QFETCH(QString, store);
    QFETCH(int, language);
    QFETCH(QString, button);
    QFETCH(QString, title);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    std::unique_ptr<SettingsStore> iniStore;
    if (store == "file") {
      QFile blocker(folder.filePath("blocker"));
      QVERIFY(blocker.open(QIODevice::WriteOnly));
      iniStore = std::make_unique<IniSettingsStore>(folder.filePath("blocker/Quorvane.ini"));
    } else if (store == "read-only") {
      const QString inner = folder.filePath("locked");
      QVERIFY(QDir().mkdir(inner));
      QVERIFY(QFile::setPermissions(inner, QFile::ReadOwner | QFile::ExeOwner));
      if (QFileInfo(inner).isWritable()) {
        QSKIP("permissions do not bind this user (root)");
      }
      iniStore = std::make_unique<IniSettingsStore>(inner + "/Quorvane.ini");
    }
    modPublic_.settings.Language = static_cast<std::int16_t>(language);
    auto dialog = Open(*iniStore);
    Control<QComboBox>(*dialog, "cboFocus")->setCurrentIndex(7);
    Control<QLineEdit>(*dialog, "txtZoom")->setText("8");
    const MessageBoxCloser& boxes = *boxes_;
    QTest::mouseClick(Control<QPushButton>(*dialog, button), Qt::LeftButton);
    QCOMPARE(boxes.titles, QStringList{title});
    QCOMPARE(boxes.icons.first(), QMessageBox::Critical);
    QCOMPARE(ended_, 0);
    QVERIFY(dialog->isVisible());
    QCOMPARE(Control<QComboBox>(*dialog, "cboFocus")->currentIndex(), 7);
    QCOMPARE(Control<QLineEdit>(*dialog, "txtZoom")->text(), QString("8"));
    if (store == "read-only") {
      QFile::setPermissions(folder.filePath("locked"),
                            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
  }

  // The faces that stand in for the Windows fonts are whatever the system has: the footer's
  // text must still fit its label, and every Japanese text have glyphs rather than boxes.
  void textsFitAndShowInTheFontsActuallyChosen() {
    modPublic_.settings.Language = 1;
    auto dialog = Open();
    auto* footer = Control<QLabel>(*dialog, "labCopyright");
    const QString footerFace = QFontInfo(footer->font()).family();
    QVERIFY2(QFontMetricsF(footer->font(), footer).horizontalAdvance(footer->text()) <=
                 footer->contentsRect().width(),
             qPrintable("the footer is clipped in " + footerFace));
    QVERIFY2(footer->font().pointSizeF() >= 10.0, qPrintable(footerFace + " had to shrink a lot"));

    const QStringList texts =
        kJapaneseCaptions + Entries(*dialog) + QStringList{kJapaneseZoomError};
    for (const QString& text : texts) {
      for (const char32_t character : text.toUcs4()) {
        QVERIFY2(QFontMetrics(dialog->font()).inFontUcs4(character),
                 qPrintable(QStringLiteral("no glyph for %1 in %2")
                                .arg(QString::fromUcs4(&character, 1),
                                     QFontInfo(dialog->font()).family())));
      }
    }
  }

  void footerOpensTheHomePage() {
    PageRecorder pages;
    auto dialog = Open();
    QTest::mouseClick(Control<QLabel>(*dialog, "labCopyright"), Qt::LeftButton);
    QCOMPARE(pages.opened, QList<QUrl>{QUrl(QString::fromUtf8(quorvane::kHomePage.data()))});
    QCOMPARE(ended_, 0);
    QVERIFY(dialog->isVisible());
    QVERIFY(store_.values.empty());
  }
};

QTEST_MAIN(FrmConfigTest)
#include "frm_config_test.moc"

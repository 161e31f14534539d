#include "win32/settings_dialog/frm_config.h"

#include <imm.h>

#include <algorithm>
#include <cwctype>

#include "core/settings_dialog/caption_fit.h"
#include "core/settings_dialog/dialog_placement.h"
#include "win32/platform/gdi_fonts.h"
#include "win32/platform/wide_text.h"
#include "win32/platform/win32_screen.h"
#include "win32/platform/win32_system_services.h"
#include "win32/platform/window_procedure.h"

namespace quorvane {

namespace {

constexpr wchar_t kClassName[] = L"QuorvaneConfig";
constexpr int kFirstControlId = 100;
constexpr int kDropDownRows = 12;  // the open list's height, in closed heights

int CommandId(ControlId id) {
  switch (id) {
    case ControlId::cmdOK:
      return IDOK;  // Enter
    case ControlId::cmdCancel:
      return IDCANCEL;  // Esc
    default:
      return kFirstControlId + static_cast<int>(id);
  }
}

// Japanese input off: typed characters go in directly as half-width ones. Loaded at run time, so
// the program imports no input-method library.
void DisableInputMethod(HWND control) {
  HMODULE imm = LoadLibraryW(L"imm32.dll");
  if (imm == nullptr) {
    return;
  }
  using AssociateContext = HIMC(WINAPI*)(HWND, HIMC);
  const auto associate = reinterpret_cast<AssociateContext>(
      reinterpret_cast<void*>(GetProcAddress(imm, "ImmAssociateContext")));
  if (associate != nullptr) {
    associate(control, nullptr);
  }
}

NumericLocale UserNumericLocale() {
  wchar_t decimal[8] = {};
  wchar_t group[8] = {};
  NumericLocale locale;
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8) > 0) {
    locale.decimalPoint = Narrow(decimal);
  }
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, group, 8) > 0) {
    locale.groupSeparator = Narrow(group);
  }
  return locale;
}

PixelRect ToPixelRect(const RECT& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The work area of the owner's monitor, or of the primary one without an owner.
PixelRect OwnerWorkArea(HWND owner) {
  const HMONITOR monitor = owner != nullptr ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                                            : MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  }
  return ToPixelRect(info.rcWork);
}

// What the dialog opens centred on: its owner, or the work area when it has none.
PixelRect OwnerArea(HWND owner) {
  RECT area{};
  return owner != nullptr && GetWindowRect(owner, &area) ? ToPixelRect(area) : OwnerWorkArea(owner);
}

// The pixels the caption needs in the control's font, with an option's indicator and the gap
// after it, and room for the focus rectangle.
SIZE CaptionSize(HWND control, const std::wstring& text, bool option) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT extent{};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_SINGLELINE);
  SIZE needed{extent.right, extent.bottom};
  if (option) {
    // The indicator scales with the resolution; the gap is a digit's width, as the system's own
    // drawing leaves about half of one.
    const int indicator =
        std::max(GetSystemMetrics(SM_CXMENUCHECK), MulDiv(13, GetDeviceCaps(dc, LOGPIXELSX), 96));
    SIZE digit{};
    GetTextExtentPoint32W(dc, L"0", 1, &digit);
    needed.cx += indicator + digit.cx + 2;
    needed.cy = std::max<LONG>(needed.cy, indicator) + 2;
  }
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return needed;
}

// The letter after the caption's "&", upper case; 0 when it has none.
wchar_t AccessKey(HWND control) {
  wchar_t caption[128] = {};
  GetWindowTextW(control, caption, 128);
  for (const wchar_t* c = caption; *c != L'\0' && c[1] != L'\0'; ++c) {
    if (*c == L'&' && c[1] != L'&') {
      return static_cast<wchar_t>(std::towupper(c[1]));
    }
  }
  return 0;
}

}  // namespace

frmConfig::frmConfig(const ModPublic& modPublic, SettingsStore& store, HWND owner)
    : screen_(PrimaryScreenMetrics()),
      footerBrush_(CreateSolidBrush(kCopyrightBackColor)),
      controller_(*this, modPublic, store, UserNumericLocale()) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &WindowProcedure<frmConfig>;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(2));  // the dialog's own icon
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);

  // A fixed single border with the system menu and close box only.
  constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  RECT frame{0, 0, screen_.PixelsX(kConfigClientWidth), screen_.PixelsY(kConfigClientHeight)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_DLGMODALFRAME);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const PixelRect box = PlaceDialog(width, height, OwnerArea(owner), OwnerWorkArea(owner));
  window_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kClassName, Widen(kConfigTitle).c_str(), kStyle,
                            box.left, box.top, width, height, owner, nullptr, instance, this);
  CreateControls();
  controller_.Load();
}

frmConfig::~frmConfig() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  for (const auto& [key, font] : fonts_) {
    DeleteObject(font);
  }
  DeleteObject(footerBrush_);
}

void frmConfig::Show() {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

PixelRect frmConfig::ControlRect(const ControlEntry& entry) const {
  int left = entry.left;
  int top = entry.top;
  if (entry.container != Container::Dialog) {
    const ControlEntry& frame =
        ConfigControl(entry.container == Container::Frame1 ? ControlId::Frame1 : ControlId::Frame2);
    left += frame.left;
    top += frame.top;
  }
  return {screen_.PixelsX(left), screen_.PixelsY(top), screen_.PixelsX(entry.width),
          screen_.PixelsY(entry.height)};
}

HFONT frmConfig::FontFor(const ControlFont& font) {
  const auto key =
      std::make_pair(std::string(font.family), std::make_pair(font.points, font.weight));
  auto found = fonts_.find(key);
  if (found == fonts_.end()) {
    found = fonts_
                .emplace(key, CreateUiFont(font.family, font.points, font.weight,
                                           static_cast<BYTE>(font.charset), screen_.TwipsPerPixelY))
                .first;
  }
  return found->second;
}

void frmConfig::CreateControls() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // Made in focus order, which is then also the order of the windows: Tab follows it and an
  // access key on a label moves into the control after it.
  for (const ControlEntry& entry : ConfigControls()) {
    const wchar_t* windowClass = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    int extraHeight = 0;
    switch (entry.kind) {
      case ControlKind::Frame:
        continue;  // borderless and captionless: WS_GROUP below does its grouping
      case ControlKind::Label:
        style |= entry.id == ControlId::labCopyright ? SS_CENTER | SS_NOTIFY : SS_LEFT;
        break;
      case ControlKind::DropDownList:
        windowClass = L"COMBOBOX";
        style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
        extraHeight = screen_.PixelsY(entry.height) * kDropDownRows;
        break;
      case ControlKind::OptionButton:
        windowClass = L"BUTTON";
        style |= BS_AUTORADIOBUTTON | (entry.index == 0 ? WS_TABSTOP : 0);
        break;
      case ControlKind::TextBox:
        windowClass = L"EDIT";
        style |= ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP;
        exStyle = WS_EX_CLIENTEDGE;
        break;
      case ControlKind::PushButton:
        windowClass = L"BUTTON";
        style |= (entry.id == ControlId::cmdOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP;
        break;
    }
    // Each pair of options is one group; every other control starts its own.
    if (entry.index != 1) {
      style |= WS_GROUP;
    }
    const PixelRect box = ControlRect(entry);
    HWND control = CreateWindowExW(
        exStyle, windowClass, L"", style, box.left, box.top, box.width, box.height + extraHeight,
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(CommandId(entry.id))), instance,
        nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(entry.font)), FALSE);
    controls_[static_cast<std::size_t>(entry.id)] = control;
  }
  DisableInputMethod(Control(ControlId::txtZoom));
}

bool frmConfig::PreTranslate(MSG& message) {
  if (LeavesZoom(message) && !controller_.CheckZoom()) {
    return true;  // the focus stays, and the click or key that would have moved it is dropped
  }
  // A label's access key: IsDialogMessageW would leave it unanswered, as this is no dialog.
  if (message.message == WM_SYSCHAR) {
    const auto control = ControlWithAccessKey(static_cast<wchar_t>(message.wParam));
    if (control && ConfigControl(*control).kind == ControlKind::Label) {
      controller_.EnterRowOfLabel(*control);
      return true;
    }
  }
  return IsDialogMessageW(window_, &message) != FALSE;
}

std::optional<ControlId> frmConfig::ControlWithAccessKey(wchar_t key) const {
  const auto upper = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(key)));
  for (const ControlEntry& entry : ConfigControls()) {
    if (entry.kind != ControlKind::Frame && AccessKey(Control(entry.id)) == upper) {
      return entry.id;
    }
  }
  return std::nullopt;
}

bool frmConfig::LeavesZoom(const MSG& message) const {
  const HWND zoom = Control(ControlId::txtZoom);
  if (GetFocus() != zoom) {
    return false;
  }
  switch (message.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      HWND control = message.hwnd;
      while (control != nullptr && GetParent(control) != window_) {
        control = GetParent(control);
      }
      wchar_t windowClass[16] = {};
      GetClassNameW(control, windowClass, 16);
      // Labels take no focus; a click on one leaves it where it is.
      return control != nullptr && control != zoom && _wcsicmp(windowClass, L"Static") != 0;
    }
    case WM_KEYDOWN:
      return message.wParam == VK_TAB;
    case WM_SYSCHAR: {
      const auto control = ControlWithAccessKey(static_cast<wchar_t>(message.wParam));
      return control && *control != ControlId::labZoom;  // Alt+M leads into txtZoom itself
    }
    default:
      return false;
  }
}

void frmConfig::OnCommand(int id, int code) {
  const auto is = [id](ControlId control) { return id == CommandId(control); };
  if (is(ControlId::cmdOK)) {
    controller_.SaveAndClose();
  } else if (is(ControlId::cmdCancel)) {
    controller_.Close();
  } else if (is(ControlId::cmdSubmit) && code == BN_CLICKED) {
    controller_.Save();
  } else if ((is(ControlId::optLanguage0) || is(ControlId::optLanguage1)) && code == BN_CLICKED) {
    controller_.SwitchLanguage();
  } else if (is(ControlId::labCopyright) && code == STN_CLICKED) {
    controller_.OpenHomePage();
  }
}

LRESULT frmConfig::Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  window_ = window;  // messages arrive before CreateWindowExW returns the handle
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case DM_GETDEFID: {
      // Enter clicks the push button that has the focus, OK otherwise.
      const HWND focus = GetFocus();
      for (const ControlId button : {ControlId::cmdCancel, ControlId::cmdSubmit}) {
        if (focus == Control(button)) {
          return MAKELRESULT(CommandId(button), DC_HASDEFID);
        }
      }
      return MAKELRESULT(IDOK, DC_HASDEFID);
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (reinterpret_cast<HWND>(lParam) == Control(ControlId::labCopyright)) {
        SetTextColor(dc, kCopyrightForeColor);
        SetBkColor(dc, kCopyrightBackColor);
        return reinterpret_cast<LRESULT>(footerBrush_);
      }
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Control(ControlId::labCopyright)) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));  // the footer is a link
        return TRUE;
      }
      break;
    case WM_CLOSE:
      controller_.Close();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void frmConfig::SetCaption(ControlId control, std::string_view caption) {
  HWND window = Control(control);
  const ControlEntry& entry = ConfigControl(control);
  const std::wstring text = Widen(caption);
  // Sized before the text changes, so the new caption is never drawn clipped.
  if (entry.autoSize || entry.kind == ControlKind::OptionButton) {
    const SIZE needed = CaptionSize(window, text, entry.kind == ControlKind::OptionButton);
    const PixelRect box = FitToCaption(entry, ControlRect(entry), needed.cx, needed.cy);
    SetWindowPos(window, nullptr, box.left, box.top, box.width, box.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetWindowTextW(window, text.c_str());
  // A static control draws its new text at once, over what it showed, not its whole box.
  InvalidateRect(window, nullptr, TRUE);
}

void frmConfig::SetFocusEntries(const std::vector<std::string>& entries) {
  HWND list = Control(ControlId::cboFocus);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& entry : entries) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
  }
}

int frmConfig::FocusSelection() const {
  const auto position = SendMessageW(Control(ControlId::cboFocus), CB_GETCURSEL, 0, 0);
  return position == CB_ERR ? -1 : static_cast<int>(position);
}

void frmConfig::SelectFocusEntry(int position) {
  SendMessageW(Control(ControlId::cboFocus), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

bool frmConfig::IsChecked(ControlId option) const {
  return SendMessageW(Control(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void frmConfig::Check(ControlId option) {
  const auto [first, last] = OptionGroup(option);
  CheckRadioButton(window_, CommandId(first), CommandId(last), CommandId(option));
}

std::string frmConfig::ZoomText() const {
  HWND zoom = Control(ControlId::txtZoom);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(zoom)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(zoom, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void frmConfig::SetZoomText(std::string_view text) {
  SetWindowTextW(Control(ControlId::txtZoom), Widen(text).c_str());
}

void frmConfig::ShowMessage(MessageIcon icon, const MessageText& text) {
  MessageBoxW(window_, Widen(text.message).c_str(), Widen(text.title).c_str(),
              MB_OK | (icon == MessageIcon::Warning ? MB_ICONEXCLAMATION : MB_ICONERROR));
}

void frmConfig::MoveFocus(ControlId control) {
  SetFocus(Control(control));
}

void frmConfig::EndProgram() {
  EndProgramAtOnce();
}

void frmConfig::OpenWebPage(std::string_view url) {
  ::quorvane::OpenWebPage(window_, url);
}

}  // namespace quorvane

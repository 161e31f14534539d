// What the settings dialog's controller asks of the window that shows it. Each front end's
// dialog implements it; the controller decides, the window only shows and reports.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/settings_dialog/control_table.h"
#include "core/settings_dialog/dialog_texts.h"

namespace quorvane {

enum class MessageIcon { Warning, Critical };

class ConfigView {
 public:
  virtual ~ConfigView() = default;

  // Sets the caption of a label, option or button; an auto-sized label fits itself to it.
  virtual void SetCaption(ControlId control, std::string_view caption) = 0;

  // Replaces the entries of cboFocus.
  virtual void SetFocusEntries(const std::vector<std::string>& entries) = 0;
  // The selected position of cboFocus, -1 when nothing is selected.
  virtual int FocusSelection() const = 0;
  // Selects a position of cboFocus; -1 selects nothing.
  virtual void SelectFocusEntry(int position) = 0;

  virtual bool IsChecked(ControlId option) const = 0;
  // Selects the option button; the other one of its group clears.
  virtual void Check(ControlId option) = 0;

  virtual std::string ZoomText() const = 0;
  virtual void SetZoomText(std::string_view text) = 0;

  // A modal message box over the dialog; returns once the user has closed it.
  virtual void ShowMessage(MessageIcon icon, const MessageText& text) = 0;
  virtual void MoveFocus(ControlId control) = 0;
  // Ends the program at once: no further event of the dialog runs.
  virtual void EndProgram() = 0;
  // Asks the system to open the page; a page that cannot be opened is not reported.
  virtual void OpenWebPage(std::string_view url) = 0;
};

}  // namespace quorvane

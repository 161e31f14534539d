// Shows the preview and attaches it to the host's window. A parent of 0 or an input-only window
// leaves the preview a top-level window at the screen's top-left. A parent that
// is gone before the preview is in it ends the program, as does its going later: the host
// destroys the pane, or its owner exits.
#include <QSocketNotifier>
#include <QWindow>
#include <memory>

#include "qt/platform/foreign_window.h"
#include "qt/platform/qt_system_services.h"
#include "qt/platform/window_error_filter.h"
#include "qt/preview/frm_prev.h"
#include "qt/preview/show_frm_prev.h"

namespace quorvane {

namespace {

void EndWithParent(std::unique_ptr<ForeignWindowWatch> watch, QObject* owner) {
  auto* notifier = new QSocketNotifier(watch->Descriptor(), QSocketNotifier::Read, owner);
  QObject::connect(notifier, &QSocketNotifier::activated,
                   [watch = std::shared_ptr<ForeignWindowWatch>(std::move(watch))] {
                     if (watch->Gone()) {
                       EndProgramAtOnce();
                     }
                   });
}

}  // namespace

void ShowFrmPrev(ModPublic& modPublic, std::int32_t parentHandle) {
  // Watched from before the check that it exists, so that it cannot go unnoticed at any point.
  auto watch = parentHandle > 0
                   ? ForeignWindowWatch::Start(static_cast<unsigned long>(parentHandle))
                   : nullptr;
  // A number that names no window cannot be told from a pane the host has just destroyed.
  if (watch != nullptr && watch->Gone()) {
    EndProgramAtOnce();
  }
  if (watch != nullptr && !watch->CanHoldWindows()) {
    watch.reset();
  }
  auto* form = new frmPrev(modPublic);
  form->Show();
  if (watch != nullptr) {
    // From here the parent may go at any moment, taking the preview's window with it: Qt's
    // errors about either are expected, and the watch's DestroyNotify ends the program.
    const auto parent = static_cast<WId>(parentHandle);
    new WindowErrorFilter({parent, form->winId()}, form);
    form->windowHandle()->setParent(QWindow::fromWinId(parent));
    EndWithParent(std::move(watch), form);
  }
  form->move(0, 0);
}

}  // namespace quorvane

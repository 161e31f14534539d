// Shows the preview and attaches it to the host's window. A parent that is 0 or names no window
// leaves the preview a top-level window at the screen's top-left. Once attached, the preview
// ends with its parent: the host destroys the pane, or its owner exits.
#include <QSocketNotifier>
#include <QWindow>
#include <memory>

#include "qt/platform/foreign_window.h"
#include "qt/platform/qt_system_services.h"
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
  auto* form = new frmPrev(modPublic);
  form->Show();
  // Only a window that exists is adopted: X errors about a missing one would reach stderr.
  auto watch = parentHandle > 0
                   ? ForeignWindowWatch::Start(static_cast<unsigned long>(parentHandle))
                   : nullptr;
  if (watch != nullptr) {
    QWindow* foreign = QWindow::fromWinId(static_cast<WId>(parentHandle));
    form->windowHandle()->setParent(foreign);
    // The window may already be gone, its DestroyNotify read while the watch started.
    if (watch->Gone()) {
      EndProgramAtOnce();
    }
    EndWithParent(std::move(watch), form);
  }
  form->move(0, 0);
}

}  // namespace quorvane

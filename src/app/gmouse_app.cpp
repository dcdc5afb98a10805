#include "app/gmouse_app.h"

#include "app/app_context.h"
#include "app/gmouse_dlg.h"
#include "app/termination_signals.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/message_box.h"
#include "platform/ui/single_instance.h"

#include <QApplication>

#include <iostream>

namespace zantor::app {

int CKOV_GMouseApp::InitInstance() {
    const auto instance = ui::SingleInstance::acquire(ui::instanceName(kInstanceName));
    if (!instance)
        return kExitOk;

    AppContext context(AppPaths::homeFor(AppPaths::runningExecutable(), options_.home),
                       std::make_unique<ui::MessageBoxMessages>(),
                       std::make_unique<ui::StandardDialogs>());
    context.openDevice(options_.simulate, std::cout, options_.trace ? &std::cout : nullptr);

    // The simulated mouse lives in this process: no other program can act on its buttons.
    CKOV_GMouseDlg window(context, CKOV_GMouseDlg::Options{
                                       .takeHostButtonsLock = !options_.simulate,
                                       .quitAfterFirstFrame = options_.quitAfterFirstFrame,
                                   });
    QObject::connect(instance.get(), &ui::SingleInstance::restoreRequested, &window,
                     &CKOV_GMouseDlg::ShowFromTray);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window,
                     [&window] { window.ExitProgram(kExitOk); });

    // The exit sequence may already have run in a dialog of the start-up (a SIGTERM, say).
    if (window.initialise() && !window.ended())
        QApplication::exec();
    window.stopWorkers();
    std::cout.flush();
    return window.exitCode();
}

} // namespace zantor::app

// SPDX-License-Identifier: MIT
// The window's pacing: its timers bring the table's periods; what happens at the
// edge of each event, and which boxes close by themselves.
#include "ui/mainwindow.h"

#include "game/table.h"
#include "present/qt/qtdialogs.h"
#include "ui/overlay.h"
#include "ui/recorder.h"

namespace hexbrawl::ui {

// A failed look-up abandons the handler and is shown as an error box over the
// latest state; the game goes on.
void MainWindow::failed(const LookupError& error)
{
    sync();
    dialogs_->showmessage(MessageKind::error, error.what());
}

void MainWindow::settled()
{
    overlay_->follow(form());
    sync();
}

void MainWindow::tick()
{
    if (recorder_)
        recorder_->period();
    table_->period();
}

bool MainWindow::closesbyitself(MessageKind kind) const { return table_->closesbyitself(kind); }

bool MainWindow::boxopen() const { return ownqtdialogs_ && ownqtdialogs_->showing(); }

}  // namespace hexbrawl::ui

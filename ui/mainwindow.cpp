// SPDX-License-Identifier: MIT
#include "ui/mainwindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTimer>

#include <iostream>
#include <type_traits>

#include "game/input.h"
#include "game/kinds.h"
#include "game/table.h"
#include "game/tform1.h"
#include "present/imagebank.h"
#include "present/mutesound.h"
#include "present/qt/dayclock.h"
#include "present/qt/qtdialogs.h"
#include "present/qt/qtgametimer.h"
#include "present/qt/qtsound.h"
#include "ui/binding.h"
#include "ui/fonts.h"
#include "ui/howtoplay.h"
#include "ui/overlay.h"
#include "ui/pictures.h"
#include "ui/recorder.h"
#include "ui/widgets/arenaview.h"
#include "ui/widgets/bevelbuttons.h"
#include "ui/widgets/checkbox.h"
#include "ui/widgets/factory.h"
#include "ui/widgets/gauges.h"
#include "ui/widgets/glowlabel.h"
#include "ui/widgets/mutemark.h"
#include "ui/widgets/pagetabs.h"
#include "ui/widgets/panels.h"
#include "ui/widgets/picklist.h"
#include "ui/widgets/spellcompare.h"
#include "ui/widgets/spinedit.h"
#include "ui/widgets/styledbuttons.h"
#include "ui/widgets/toolwindow.h"

#include "ui/windowlook.h"

namespace hexbrawl::ui {

namespace {

// A widget named after its control. The window's title and the game's timer stand
// for controls but are no widgets of their own.
template <typename Widget>
void nameit(Widget* widget, const char* name, const QWidget* window)
{
    if constexpr (std::is_base_of_v<QObject, Widget>)
        if (widget != window)
            widget->setObjectName(QString::fromLatin1(name));
}

}  // namespace

using namespace look;

MainWindow::MainWindow() : MainWindow(Setup{}) {}

MainWindow::MainWindow(Setup setup) : QWidget(nullptr)
{
    if (setup.pictures) {
        pictures_ = std::move(setup.pictures);
    } else {
        bank_ = std::make_unique<ImageBank>();
        pictures_ = [bank = bank_.get()](const PictureEntry& entry) -> const Image& { return bank->picture(entry); };
    }
    Image titleimage = setup.title ? std::move(*setup.title) : decodetitle();

    setWindowTitle(qtext(Controls{}.Caption));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(clientwidth, clientheight);
    // The window's own font, for every control that does not name one: the 8-point
    // sans serif of the game's forms.
    setFont(gamefont(Face::arial, 11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    buildhud();
    Draw_ = new ArenaView(this, SoftSurface::width, SoftSurface::height);
    Draw_->setGeometry(QRect(arenaplace, QSize(SoftSurface::width, SoftSurface::height)));
    overlay_ = std::make_unique<Overlay>(Draw_);
    Draw_->setoverlay(overlay_.get());
    TitleImage_ = makepicture(this, QRect(arenaplace, QSize(titleimage.width, titleimage.height)));
    TitleImage_->setimage(toqimage(titleimage));
    buildeditor();

    surface_ = std::make_unique<SoftSurface>(pictures_);
    surface_->setpresenter([this](const SoftSurface::Flip& flip) { Draw_->present(flip); });
    if (!setup.sound)
        ownsound_ = std::make_unique<QtSound>();
    mute_ = std::make_unique<MuteSound>(setup.sound ? *setup.sound : *ownsound_);
    if (!setup.dialogs) {
        // What happened up to a box is shown behind it: the hit that ended a turn, the last fall of a round.
        ownqtdialogs_ = std::make_unique<QtDialogs>(this, [this] { settled(); });
        ownqtdialogs_->setautoclose([this](MessageKind kind) { return replaying_ || closesbyitself(kind); });
    }
    dialogs_ = setup.dialogs ? setup.dialogs : ownqtdialogs_.get();
    if (!setup.timer) {
        owntimer_ = std::make_unique<QtGameTimer>([this] { tick(); });
        computerclock_ = std::make_unique<QtGameTimer>([this] { tick(); });
    }
    replaying_ = setup.replaying;
    recorder_ = setup.recorder;
    if (recorder_)
        recorder_->onfailure([this](const std::string& why) {
            std::cerr << "hexbrawl: " << why << '\n';
            QTimer::singleShot(0, this, [this, why] { dialogs_->showmessage(MessageKind::error, why); });
        });
    if (!setup.clock)
        ownclock_ = std::make_unique<DayClock>();
    GameTimer_ = setup.timer ? setup.timer : owntimer_.get();
    table_ = std::make_unique<GameTable>(
        Ports{*surface_, *mute_, *dialogs_, *GameTimer_, setup.clock ? *setup.clock : *ownclock_},
        static_cast<TableHost&>(*this));

    // Every widget carries the name of its control, and those a player acts on are
    // found by it, all from the one list of controls.
#define HEXBRAWL_BIND_CONTROL(name, Type, verb, place, handler, ...)                                                   \
    nameit(name##_, #name, this);                                                                                      \
    HEXBRAWL_ACTS_##verb(widgets_[static_cast<std::size_t>(Control::name)] = name##_;)
    HEXBRAWL_CONTROLS(HEXBRAWL_BIND_CONTROL)
#undef HEXBRAWL_BIND_CONTROL
    connectinput();
    connectkeys();
    // The window's clock, not the action, gives the seed.
    perform(input::Action::start(0));
    if (recorder_)
        recorder_->start(table_->seed());
}

MainWindow::~MainWindow() = default;

void MainWindow::closeEvent(QCloseEvent* event)
{
    deliver(input::Action::close());
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The game's time passes only while its window is on screen.
    for (QtGameTimer* timer : {owntimer_.get(), computerclock_.get()})
        if (timer)
            timer->followwindow(windowHandle());
}

}  // namespace hexbrawl::ui

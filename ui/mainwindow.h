// SPDX-License-Identifier: MIT
// The game's one window: the turn display on the left, the arena (first covered by
// the title picture) and the floating Stats Editor. It holds the game and its ports,
// sends every player action through the shared input functions, and after each
// event copies the controls model back to the widgets.
#pragma once

#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/controls.h"
#include "game/input.h"
#include "game/kinds.h"
#include "game/table.h"
#include "present/image.h"
#include "present/ports.h"
#include "present/softsurface.h"
#include "ui/binding.h"

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QShortcut;

namespace hexbrawl {

class ImageBank;
class MuteSound;
class QtDialogs;
class QtGameTimer;
class TForm1;

namespace ui {

class ArenaView;
class BarGauge;
class CheckBox;
class MuteMark;
class Overlay;
class PageTabs;
class PictureView;
class PickList;
class PieGauge;
class Recorder;
class SpeakerButton;
class SpellCompare;
class SpinEdit;
class TAOLButton;
class TEncartaButton;
class TSelButton;
class TSquareButton;
class ToolWindow;

class MainWindow final : public QWidget, private TableHost {
public:
    static constexpr int clientwidth = 902;
    static constexpr int clientheight = arenasize;  // the arena fills the window's height

    // What the window uses instead of the real thing; every port left null is real.
    struct Setup {
        PictureSource pictures;  // null: the built-in pictures
        std::optional<Image> title;  // none: the built-in title picture
        Sound* sound = nullptr;
        Dialogs* dialogs = nullptr;
        GameTimer* timer = nullptr;  // not null: ticks come only through tick()
        Clock* clock = nullptr;
        Recorder* recorder = nullptr;  // not null: the person's actions and the periods are written down
        bool replaying = false;  // a recorded session plays: the person's input does nothing, boxes close by themselves
    };

    MainWindow();
    explicit MainWindow(Setup setup);
    ~MainWindow() override;

    TForm1& form() { return table_->form(); }
    const TForm1& form() const { return table_->form(); }
    // One period of the table: what the window's timers bring every 25 ms.
    void tick();
    // An action performed as the person's are, but not theirs: a replayed script's.
    void perform(const input::Action& action);
    // Whether a box is open and waits to be answered.
    bool boxopen() const override;
    // Copies the controls model to the widgets.
    void sync();

    // The widget a player acts on for the control.
    QWidget* control(Control control) const;
    ArenaView* arena() const { return Draw_; }
    Overlay& overlay() const { return *overlay_; }
    const SoftSurface& surface() const { return *surface_; }
    ToolWindow* editor() const { return PurchaseWindow_; }
    PictureView* title() const { return TitleImage_; }
    // The "How to play" window, once F1 has opened it.
    QDialog* howtoplay() const { return howtoplay_; }

    // Whether a box shown now closes by itself: nobody needs to read it.
    bool closesbyitself(MessageKind kind) const;

    // Every sound off, or on again, for the rest of the session (the key M).
    void togglemute();
    bool muted() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The table's host: the error box, the widgets after each event, the open box.
    void failed(const LookupError& error) override;
    void settled() override;
    void buildhud();
    void buildeditor();
    void connectinput();
    // The keys of a match, M and F1 (keys.cpp).
    void connectkeys();
    // A player's action, through the same path for every control and key.
    void deliver(const input::Action& action);

    // Ports, then the game that holds references to them.
    std::unique_ptr<ImageBank> bank_;
    PictureSource pictures_;
    std::unique_ptr<SoftSurface> surface_;
    std::unique_ptr<Sound> ownsound_;
    std::unique_ptr<MuteSound> mute_;
    std::unique_ptr<QtGameTimer> owntimer_;
    std::unique_ptr<Clock> ownclock_;
    std::unique_ptr<QtDialogs> ownqtdialogs_;
    Dialogs* dialogs_ = nullptr;
    std::unique_ptr<GameTable> table_;
    Recorder* recorder_ = nullptr;
    bool replaying_ = false;
    // The computer's own periods while the game timer is off (in the Stats Editor);
    // none when the game timer is the caller's.
    std::unique_ptr<QtGameTimer> computerclock_;

    // Main window
    ArenaView* Draw_ = nullptr;
    std::unique_ptr<Overlay> overlay_;  // drawn on the arena, beside the rules
    PictureView* TitleImage_ = nullptr;
    ToolWindow* PurchaseWindow_ = nullptr;

    // Turn display
    QLabel* lvllbl_ = nullptr;
    QLabel* namelbl_ = nullptr;
    QLabel* LocationLbl_ = nullptr;
    PieGauge* Walkpie_ = nullptr;
    PictureView* Portrait_ = nullptr;
    QLabel* WalkLbl_ = nullptr;
    PieGauge* HealthPie_ = nullptr;
    QLabel* HPlbl_ = nullptr;
    PickList* SpellPicker_ = nullptr;
    TSelButton* AbilityBtn_ = nullptr;
    QPlainTextEdit* AbilityInfo_ = nullptr;
    TAOLButton* EndTurnBtn_ = nullptr;

    // Stats Editor
    SpinEdit* PlayerCountSpinner_ = nullptr;
    QLineEdit* PlayerNameEd_ = nullptr;
    QComboBox* PictureBox_ = nullptr;
    PictureView* WizardPortrait_ = nullptr;
    SpeakerButton* PlaysndBtn_ = nullptr;
    QComboBox* SndBox_ = nullptr;
    QLabel* glLabel2_ = nullptr;
    BarGauge* PointGauge_ = nullptr;
    SpinEdit* HealthPicker_ = nullptr;
    SpinEdit* ManaPicker_ = nullptr;
    PageTabs* MagicType_ = nullptr;
    PickList* PurchaseList_ = nullptr;
    QLabel* costlbl_ = nullptr;
    QPlainTextEdit* SpellInfo_ = nullptr;
    SpellCompare* spellcompare_ = nullptr;  // below its text
    TEncartaButton* PurchaseBtn_ = nullptr;
    TEncartaButton* SellBtn_ = nullptr;
    PickList* Yourlist_ = nullptr;
    TSquareButton* NextPlayerBtn_ = nullptr;
    CheckBox* ComputerBox_ = nullptr;
    QComboBox* ComputerSkillBox_ = nullptr;

    MuteMark* mutemark_ = nullptr;
    QDialog* howtoplay_ = nullptr;
    std::vector<QShortcut*> matchkeys_;  // on only in a match
    std::array<QWidget*, controlcount> widgets_{};  // by Control

    // The controls shown in no widget of their own: the window's title is its caption,
    // and the game's timer follows its model through its port.
    QWidget* const Caption_ = this;
    GameTimer* GameTimer_ = nullptr;
    SeenControls seen_;  // what each widget last received
};

}  // namespace ui
}  // namespace hexbrawl

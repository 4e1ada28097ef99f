// SPDX-License-Identifier: MIT
// The game's own push buttons: four self-drawn styles that light up, sink and
// spring back as the mouse enters, presses, releases and leaves them.
//
// Each carries an `Enabled` flag of its own, apart from the window system's
// enabled state: while it is off the button keeps whatever look it last had,
// shows no hover or pressed look and runs no click, yet it looks exactly like an
// enabled one. The shop's "<----" relies on that.
//
// A left click runs, in this order: OnMouseDown, the pressed look; the normal
// look, OnClick (only when the release is over the button); OnMouseUp, then the
// released look if the cursor is still over the button. Let go elsewhere, the
// button stays pressed until the pointer leaves it. OnMouseDown and OnMouseUp are
// the window system's own events: they run for every mouse button, flag or not.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

namespace hexbrawl::ui {

// The colour the buttons call "button face".
inline const QColor buttonface{212, 208, 200};

class StyledButton : public QWidget {
public:
    enum class Look { normal, hover, pressed, released };
    using MouseHandler = std::function<void(Qt::MouseButton, QPoint)>;

    QString Caption() const { return caption_; }
    QColor TextColor() const { return textcolor_; }
    QColor Color() const { return color_; }
    bool Enabled() const { return enabled_; }
    Look look() const { return look_; }

    // Each of these repaints the button in its normal look when it changes something.
    void setCaption(const QString& caption);
    void setTextColor(QColor colour);
    void setColor(QColor colour);
    // Only the flag: the look stays as it is.
    void setEnabledFlag(bool enabled) { enabled_ = enabled; }

    void onclick(std::function<void()> click) { click_ = std::move(click); }
    void onmousedown(MouseHandler down) { mousedown_ = std::move(down); }
    void onmouseup(MouseHandler up) { mouseup_ = std::move(up); }

    QSize sizeHint() const override { return startsize_; }

protected:
    // `name` is the control's name, which is also its caption until the layout sets one.
    StyledButton(QWidget* parent, const QString& name, QSize startsize);

    // Draws the look; `captioncolour` is the colour the caption has in it.
    virtual void draw(QPainter& painter, Look look, QColor captioncolour) const = 0;
    // Whether the style lights up under the mouse.
    virtual bool hashover() const { return true; }
    // Whether a release at `p` counts as over the button for the released look.
    virtual bool releasedover(QPoint p) const { return rect().contains(p); }
    // The caption's colour in the hover and released looks.
    QColor overcaption() const { return overcaption_.isValid() ? overcaption_ : textcolor_; }

    // Marks a property change: back to the normal look, repainted.
    void changed();
    // Sets a property that repaints the button when it changes.
    template <typename T>
    void setproperty(T& property, const T& value)
    {
        if (property == value)
            return;
        property = value;
        changed();
    }

    // The properties several styles have; each style makes public the ones it has
    // and gives them its own start values.
    QColor ColorBorder() const { return colorborder_; }
    QColor ColorOver() const { return colorover_; }
    QColor ColorDown() const { return colordown_; }
    QColor ColorOverCaption() const { return overcaption_; }
    Qt::Alignment Alignment() const { return alignment_; }
    int BorderWidth() const { return borderwidth_; }
    void setColorBorder(QColor colour) { setproperty(colorborder_, colour); }
    void setColorOver(QColor colour) { colorover_ = colour; }
    void setColorDown(QColor colour) { colordown_ = colour; }
    void setColorOverCaption(QColor colour) { overcaption_ = colour; }
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    void setAlignment(Qt::Alignment alignment) { setproperty(alignment_, alignment); }
    void setBorderWidth(int width) { setproperty(borderwidth_, width); }

    QColor colorborder_, colorover_, colordown_;
    QColor overcaption_;  // none: the caption keeps its colour under the mouse
    Qt::Alignment alignment_ = Qt::AlignLeft;
    int borderwidth_ = 1;
    // The caption's text width and height in the button's font.
    int captionwidth() const;
    int captionheight() const;
    // The caption with the top-left corner of its text cell at (x, y).
    void drawcaption(QPainter& painter, int x, int y, QColor colour) const;

    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void showEvent(QShowEvent*) override;
    void changeEvent(QEvent*) override;

private:
    void setlook(Look look);

    QString caption_;
    QColor textcolor_{Qt::black};
    QColor color_{buttonface};
    bool enabled_ = true;
    Look look_ = Look::normal;
    QColor captioncolour_{Qt::black};  // the caption's colour in the last look drawn
    QSize startsize_;
    std::function<void()> click_;
    MouseHandler mousedown_, mouseup_;
};

// Flat, framed and filled; lights in `ColorOver`, sinks into `ColorDown` with the
// caption one pixel further right and down.
class TSelButton final : public StyledButton {
public:
    explicit TSelButton(QWidget* parent, const QString& name = QStringLiteral("SelButton"));

    using StyledButton::Alignment;
    using StyledButton::BorderWidth;
    using StyledButton::ColorBorder;
    using StyledButton::ColorDown;
    using StyledButton::ColorOver;
    using StyledButton::ColorOverCaption;
    using StyledButton::setAlignment;
    using StyledButton::setBorderWidth;
    using StyledButton::setColorBorder;
    using StyledButton::setColorDown;
    using StyledButton::setColorOver;
    using StyledButton::setColorOverCaption;

protected:
    void draw(QPainter& painter, Look look, QColor captioncolour) const override;
};

// Raised, with a light edge at the top and left and a dark one at the right and
// bottom; sinks when pressed. It does not light up.
class TAOLButton final : public StyledButton {
public:
    explicit TAOLButton(QWidget* parent, const QString& name = QStringLiteral("AOLButton"));

    QColor RaiseColor() const { return raisecolor_; }
    void setRaiseColor(QColor colour) { setproperty(raisecolor_, colour); }

protected:
    void draw(QPainter& painter, Look look, QColor captioncolour) const override;
    bool hashover() const override { return false; }
    // Counted from the far edges: a release on the left or top column is outside,
    // one just past the right or bottom edge inside.
    bool releasedover(QPoint p) const override
    {
        return p.x() > 0 && p.x() <= width() && p.y() > 0 && p.y() <= height();
    }

private:
    QColor raisecolor_{138, 162, 215};
};

// Flat until touched: lights up with a raised edge, sinks with a sunken one.
class TEncartaButton final : public StyledButton {
public:
    static inline const QColor lightedge{248, 244, 237};
    static inline const QColor darkedge{79, 79, 79};

    explicit TEncartaButton(QWidget* parent, const QString& name = QStringLiteral("EncartaButton"));

    using StyledButton::ColorBorder;
    using StyledButton::ColorDown;
    using StyledButton::ColorOver;
    using StyledButton::ColorOverCaption;
    using StyledButton::setColorBorder;
    using StyledButton::setColorDown;
    using StyledButton::setColorOver;
    using StyledButton::setColorOverCaption;
    bool ShowCaption() const { return showcaption_; }
    const QImage& Glyph() const { return glyph_; }

    void setShowCaption(bool show) { setproperty(showcaption_, show); }
    // Drawn beside the caption, or alone when the caption is hidden; its top-left
    // pixel's colour is see-through.
    void setGlyph(QImage glyph);

protected:
    void draw(QPainter& painter, Look look, QColor captioncolour) const override;

private:
    bool showcaption_ = true;
    QImage glyph_;
};

// A filled block with an L-shaped edge along its left and bottom.
class TSquareButton final : public StyledButton {
public:
    explicit TSquareButton(QWidget* parent, const QString& name = QStringLiteral("SquareButton"));

    using StyledButton::Alignment;
    using StyledButton::BorderWidth;
    using StyledButton::ColorBorder;
    using StyledButton::ColorOverCaption;
    using StyledButton::setAlignment;
    using StyledButton::setBorderWidth;
    using StyledButton::setColorBorder;
    using StyledButton::setColorOverCaption;
    QColor ColorOverBorder() const { return coloroverborder_; }
    QColor DownBorderColor() const { return downbordercolor_; }
    void setColorOverBorder(QColor colour) { coloroverborder_ = colour; }
    void setDownBorderColor(QColor colour) { downbordercolor_ = colour; }

protected:
    void draw(QPainter& painter, Look look, QColor captioncolour) const override;

private:
    QColor coloroverborder_{Qt::black}, downbordercolor_{Qt::white};
};

}  // namespace hexbrawl::ui

#pragma once
#include <QAbstractButton>
#include <QColor>
#include <QPoint>
#include <QString>

// Flat owner-drawn push button of the main screen's navigation row: a filled box with
// nested one-pixel frames that changes colour under the mouse and while pressed.
//
// It is a real QAbstractButton so screen readers see a push button named by its caption
// and can press it. The game's own on/off switch is the property Enabled, read with
// Enabled() and set with setEnabled_(bool); it is separate from QWidget::isEnabled(),
// which stays true so hover events keep arriving. A button switched off with
// setEnabled_(false) shows no hover or pressed look and never emits OnClick.
class TDFWSelButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(QColor ColorBorder READ ColorBorder WRITE setColorBorder)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled_)
    Q_PROPERTY(QColor ColorOverCaption READ ColorOverCaption WRITE setColorOverCaption)
    Q_PROPERTY(QColor ColorOver READ ColorOver WRITE setColorOver)
    Q_PROPERTY(QColor ColorDown READ ColorDown WRITE setColorDown)
    Q_PROPERTY(CaptionAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE setFontColor)

  public:
    // Values match the saved layouts: 0 left, 1 right, 2 centre.
    enum CaptionAlignment { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };
    Q_ENUM(CaptionAlignment)

    enum class Look { Normal, Hover, Pressed };

    explicit TDFWSelButton(QWidget* parent = nullptr);

    // Turns b into a main screen navigation button. It starts switched off; the main
    // screen switches on each button it places, so that a press reaches its handler.
    static void alsHauptmenueKnopf(TDFWSelButton* b);

    // The caption lives in QAbstractButton::text so accessibility reads it.
    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    QColor Color() const { return m_color; }
    void setColor(const QColor& c);
    QColor ColorBorder() const { return m_colorBorder; }
    void setColorBorder(const QColor& c);
    bool Enabled() const { return m_enabled; }
    void setEnabled_(bool on);
    QColor ColorOverCaption() const { return m_colorOverCaption; }
    void setColorOverCaption(const QColor& c);
    QColor ColorOver() const { return m_colorOver; }
    void setColorOver(const QColor& c);
    QColor ColorDown() const { return m_colorDown; }
    void setColorDown(const QColor& c);
    CaptionAlignment Alignment() const { return m_alignment; }
    void setAlignment(CaptionAlignment a);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int w);
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor& c);

    // The look the next paint event draws.
    Look currentLook() const { return m_look; }

    QSize sizeHint() const override { return m_sizeHint; }

  signals:
    void OnClick();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void OnMouseEnter();
    void OnMouseLeave();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void showLook(Look look);
    void handleClicked();

    QColor m_color;
    QColor m_colorBorder{0x80, 0x80, 0x80};
    bool m_enabled = true;
    QColor m_colorOverCaption{Qt::black};
    QColor m_colorOver{0x84, 0xB9, 0xA4};
    QColor m_colorDown{0x84, 0xB9, 0xA4};
    CaptionAlignment m_alignment = AlignLeft;
    int m_borderWidth = 1;
    QColor m_fontColor{0x80, 0x80, 0x80};
    Look m_look = Look::Normal;
    // The pressed look keeps whatever caption colour was showing before the press.
    QColor m_captionColor{0x80, 0x80, 0x80};
    QSize m_sizeHint{105, 20};
};

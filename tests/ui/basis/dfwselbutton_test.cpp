#include <QAccessible>
#include <QEnterEvent>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "ui/basis/dfwselbutton.h"

namespace {
const QColor kFill(0x20, 0x40, 0xC0);
const QColor kBorder(0xC8, 0x00, 0x00);

QColor pixel(QWidget& w, int x, int y) {
    return w.grab().toImage().pixelColor(x, y);
}

// Probe inside the fill but off the single default frame and away from any caption.
QColor fillAt(TDFWSelButton& b) {
    return pixel(b, b.width() - 3, b.height() - 3);
}

void enter(TDFWSelButton& b) {
    QEnterEvent e(QPointF(10, 10), QPointF(10, 10), b.mapToGlobal(QPointF(10, 10)));
    QCoreApplication::sendEvent(&b, &e);
}

void leave(TDFWSelButton& b) {
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(&b, &e);
}

// Everything inside the frame that is not the fill is the caption's ink: its bounding box and
// every colour it uses (text is drawn without smoothing, so one colour).
struct Ink {
    QRect box;
    QSet<QRgb> colours;
};
Ink inkOf(TDFWSelButton& b, const QColor& fill) {
    const QImage img = b.grab().toImage();
    Ink ink;
    for (int y = 1; y < img.height() - 1; ++y)
        for (int x = 1; x < img.width() - 1; ++x)
            if (img.pixelColor(x, y) != fill) {
                ink.box |= QRect(x, y, 1, 1);
                ink.colours.insert(img.pixelColor(x, y).rgb());
            }
    return ink;
}
QRect ink(TDFWSelButton& b, const QColor& fill) {
    return inkOf(b, fill).box;
}
QSet<QRgb> inkColours(TDFWSelButton& b, const QColor& fill) {
    return inkOf(b, fill).colours;
}

struct Spies {
    explicit Spies(TDFWSelButton* b)
        : click(b, &TDFWSelButton::OnClick),
          down(b, &TDFWSelButton::OnMouseDown),
          base(b, &QAbstractButton::clicked) {}
    QSignalSpy click, down, base;
};
}  // namespace

class TestDFWSelButton : public QObject {
    Q_OBJECT
    std::unique_ptr<TDFWSelButton> make() {
        auto b = std::make_unique<TDFWSelButton>();
        b->setColor(kFill);
        b->setColorBorder(kBorder);
        return b;
    }

  private slots:
    void defaults() {
        TDFWSelButton b;
        QCOMPARE(b.size(), QSize(105, 20));
        QCOMPARE(b.Color(), b.palette().color(QPalette::Button));
        QCOMPARE(b.ColorBorder(), QColor(0x80, 0x80, 0x80));
        QCOMPARE(b.ColorOver(), QColor(0x84, 0xB9, 0xA4));
        QCOMPARE(b.ColorOverCaption(), QColor(Qt::black));
        QCOMPARE(b.FontColor(), QColor(0x80, 0x80, 0x80));
        QCOMPARE(b.Alignment(), TDFWSelButton::AlignLeft);
        QCOMPARE(b.font().pointSize(), 8);
        QVERIFY(b.Enabled());
        QCOMPARE(pixel(b, 50, 10), b.Color());
        QCOMPARE(pixel(b, 0, 0), QColor(0x80, 0x80, 0x80));
        TDFWSelButton::alsHauptmenueKnopf(&b);
        QVERIFY(!b.Enabled());
        QVERIFY(b.isEnabled());
        QCOMPARE(b.height(), 25);
        QCOMPARE(b.ColorDown(), QColor(Qt::white));
        QCOMPARE(b.Alignment(), TDFWSelButton::AlignCenter);
    }

    void mouseLooks() {
        auto b = make();
        b->setCaption(QStringLiteral("Fahrer"));
        Spies s(b.get());
        enter(*b);
        QCOMPARE(fillAt(*b), b->ColorOver());
        QCOMPARE(pixel(*b, 0, 0), kBorder);
        bool pressedBeforeSignal = true;
        connect(b.get(), &TDFWSelButton::OnMouseDown, this,
                [&] { pressedBeforeSignal = b->currentLook() == TDFWSelButton::Look::Pressed; });
        QTest::mousePress(b.get(), Qt::LeftButton);
        QVERIFY(!pressedBeforeSignal);
        QCOMPARE(fillAt(*b), b->ColorDown());
        QTest::mouseRelease(b.get(), Qt::LeftButton);
        QCOMPARE(fillAt(*b), b->ColorOver());
        QCOMPARE(s.click.count(), 1);
        leave(*b);
        QCOMPARE(fillAt(*b), kFill);

        enter(*b);
        QTest::mouseClick(b.get(), Qt::RightButton);
        QCOMPARE(fillAt(*b), b->ColorOver());
        QCOMPARE(s.down.count(), 1);
        QCOMPARE(s.click.count(), 1);
        b->setColorOver(Qt::yellow);  // a property change shows the normal look
        QCOMPARE(fillAt(*b), kFill);

        // Released outside: the pressed look waits for the mouse to leave.
        QTest::mousePress(b.get(), Qt::LeftButton);
        QTest::mouseRelease(b.get(), Qt::LeftButton, {}, QPoint(300, 300));
        QCOMPARE(fillAt(*b), b->ColorDown());
        QCOMPARE(s.click.count(), 1);
        leave(*b);
        QCOMPARE(fillAt(*b), kFill);
    }

    void captionColours() {
        auto b = make();
        b->setCaption(QStringLiteral("WWW"));
        const QRect normal = ink(*b, kFill);
        QVERIFY(!normal.isEmpty());
        QCOMPARE(inkColours(*b, kFill), QSet<QRgb>{b->FontColor().rgb()});
        enter(*b);
        QCOMPARE(ink(*b, b->ColorOver()), normal);
        QCOMPARE(inkColours(*b, b->ColorOver()), QSet<QRgb>{b->ColorOverCaption().rgb()});
        QTest::mousePress(b.get(), Qt::LeftButton);
        // Pressed: same ink, one pixel right and down, still in the hover colour.
        QCOMPARE(ink(*b, b->ColorDown()), normal.translated(1, 1));
        QCOMPARE(inkColours(*b, b->ColorDown()), QSet<QRgb>{b->ColorOverCaption().rgb()});
        leave(*b);
        QTest::mousePress(b.get(), Qt::LeftButton);  // pressed from the normal look
        QCOMPARE(inkColours(*b, b->ColorDown()), QSet<QRgb>{b->FontColor().rgb()});
    }

    void frames() {
        auto b = make();
        const int w = b->width(), h = b->height();
        b->setBorderWidth(3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(pixel(*b, i, h / 2), kBorder);
            QCOMPARE(pixel(*b, w - 1 - i, h / 2), kBorder);
            QCOMPARE(pixel(*b, w / 2, i), kBorder);
            QCOMPARE(pixel(*b, w / 2, h - 1 - i), kBorder);
        }
        QCOMPARE(pixel(*b, 3, h / 2), kFill);
        QCOMPARE(pixel(*b, w - 4, h / 2), kFill);
        b->setBorderWidth(0);
        QVERIFY(pixel(*b, 0, h / 2) != kBorder);
        QVERIFY(pixel(*b, w / 2, 0) != kBorder);
        QCOMPARE(pixel(*b, 1, h / 2), kFill);
    }

    void alignment() {
        auto b = make();
        b->setCaption(QStringLiteral("Taxi"));
        const QFontMetrics fm(b->font());
        const int tw = fm.horizontalAdvance(b->Caption()), w = b->width();
        const struct {
            TDFWSelButton::CaptionAlignment a;
            int x;
        } cases[] = {{TDFWSelButton::AlignLeft, 5},
                     {TDFWSelButton::AlignRight, w - tw - 6},
                     {TDFWSelButton::AlignCenter, w / 2 - tw / 2}};
        for (const auto& c : cases) {
            b->setAlignment(c.a);
            const QRect box = ink(*b, kFill);
            QVERIFY2(!box.isEmpty(), qPrintable(QString::number(c.a)));
            QVERIFY(box.left() >= c.x - 1);
            QVERIFY(box.left() <= c.x + 2);
            QVERIFY(box.right() < c.x + tw + 1);
        }
    }

    void clickRoutes_data() {
        QTest::addColumn<bool>("on");
        QTest::newRow("switched on") << true;
        QTest::newRow("switched off") << false;
    }

    void clickRoutes() {
        QFETCH(bool, on);
        auto b = make();
        b->setCaption(QStringLiteral("Garage"));
        b->setEnabled_(on);
        Spies s(b.get());
        const int once = on ? 1 : 0;

        QTest::mouseClick(b.get(), Qt::LeftButton);
        QCOMPARE(s.base.count(), 1);
        QCOMPARE(s.click.count(), once);
        b->click();
        QCOMPARE(s.base.count(), 2);
        QCOMPARE(s.click.count(), 2 * once);
        QTest::keyClick(b.get(), Qt::Key_Space);
        QCOMPARE(s.base.count(), 3);
        QCOMPARE(s.click.count(), 3 * once);

        QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(b.get());
        QVERIFY(acc);
        QCOMPARE(acc->role(), QAccessible::Button);
        QCOMPARE(acc->text(QAccessible::Name), QStringLiteral("Garage"));
        QVERIFY(acc->actionInterface());
        acc->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(s.base.count(), 4);
        QTest::qWait(50);
        QCOMPARE(s.click.count(), 4 * once);

        // Switched off: no hover, no pressed look, no OnMouseDown.
        if (!on) {
            enter(*b);
            QCOMPARE(fillAt(*b), kFill);
            QTest::mousePress(b.get(), Qt::LeftButton);
            QCOMPARE(fillAt(*b), kFill);
            QCOMPARE(s.down.count(), 0);
        }
    }
};

QTEST_MAIN(TestDFWSelButton)
#include "dfwselbutton_test.moc"

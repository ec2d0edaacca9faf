#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <memory>

#include "NoteWindowCase.h"
#include "UiTestRegistry.h"
#include "notes/NoteCommands.h"
#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/QtFontEngine.h"

namespace vesk::test {
namespace {

// Positions the window was moved to.
class MoveRecorder : public QObject {
public:
    QList<int> lefts;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Move) {
            lefts.append(static_cast<QMoveEvent*>(event)->pos().x());
        }
        return false;
    }
};

class NoteWindowTest : public NoteWindowCase {
    Q_OBJECT

    using NoteWindowCase::Create;
    CVeskNoteWnd& Create(const Rect& rect) { return Create(MakeNote(rect)); }
    static int TitleBar() { return CVeskNoteWnd::GetTitleBarHeight(); }

private slots:
    void createsTheWindowAsTheRecordSays() {
        auto note = MakeNote({100, 100, 300, 250});
        note->SetAlpha(128);
        CVeskNoteWnd& window = Create(std::move(note));
        QVERIFY(window.isVisible());
        QCOMPARE(window.geometry(), QRect(100, 100, 200, 150));
        QCOMPARE(window.windowOpacity(), 128 / 255.0);
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // The shadow's outer ends are not part of the window.
        QVERIFY(!window.mask().contains(QPoint(199, 0)) &&
                window.mask().contains(QPoint(199, 149)));
        QCOMPARE(host_.changes, 0);

        note = MakeNote({10, 10, 210, 210});
        note->SetState(NoteData::kStateHidden);
        note->SetStayOnTop(1);
        note->SetShowTitle(false);
        note->SetFont(FontData(u"DejaVu Serif", 14, false, false));
        CVeskNoteWnd& hidden = Create(std::move(note));
        QVERIFY(!hidden.isVisible());
        QVERIFY(hidden.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(host_.faces, QStringList{"DejaVu Serif"});
        // Without the title bar the content starts at the margin unless asked.
        QCOMPARE(hidden.GetContentRect(false).top(), 6);
        QCOMPARE(hidden.GetContentRect(true).top(), TitleBar() + 6);
    }

    void aNoteTheWindowManagerMinimizedComesBackWhenShown() {
        CVeskNoteWnd& window = Create({100, 100, 300, 250});
        // As with the edit options, the whole group goes when one is
        // minimized; without a task bar nothing else would bring it back.
        window.setWindowState(Qt::WindowMinimized);
        window.BringToAttention();
        QVERIFY(!window.isMinimized());
        window.setWindowState(Qt::WindowMinimized);
        window.SendCommand(NoteCommand::kShow);
        QVERIFY(!window.isMinimized());
    }

    void notesComeBackOnScreenAtMostAsLargeAsIt() {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        CVeskNoteWnd& lost = Create({5000, 4000, 5200, 4150});
        QCOMPARE(lost.geometry(),
                 QRect(available.right() + 1 - 200, available.bottom() + 1 - 150, 200, 150));
        QCOMPARE(ToQRect(lost.GetNoteData().GetRect()), lost.geometry());
        QCOMPARE(host_.changes, 1);

        // No window is larger than its screen, nor its record afterwards.
        const QSize screen = QGuiApplication::primaryScreen()->size();
        CVeskNoteWnd& huge = Create({0, 0, 1000000, 1000000});
        QCOMPARE(huge.size(), screen.boundedTo(QSize(1500, 1500)));
        QCOMPARE(ToQRect(huge.GetNoteData().GetRect()), huge.geometry());
    }

    void draggingSizesAndMovesTheNoteAndTheRecord() {
        CVeskNoteWnd& window = Create({100, 100, 300, 250});
        SendMouse(window, QEvent::MouseMove, QPoint(195, 145), Qt::NoButton);
        QCOMPARE(window.cursor().shape(), Qt::SizeFDiagCursor);
        Drag(window, QPoint(195, 145), QPoint(215, 165));
        QCOMPARE(window.geometry(), QRect(100, 100, 220, 170));
        QCOMPARE(window.GetNoteData().GetRect(), (Rect{100, 100, 320, 270}));
        // The top-left corner goes to the pointer; bottom and right stay.
        Drag(window, QPoint(2, 2), QPoint(-10, -20));
        QCOMPARE(window.GetNoteData().GetRect(), (Rect{90, 80, 320, 270}));
        // Past the opposite corner it stops at the smallest size, bottom and
        // right still in place.
        Drag(window, QPoint(2, 2), QPoint(600, 700));
        QCOMPARE(window.GetNoteData().GetRect(), (Rect{270, 220, 320, 270}));
        Drag(window, QPoint(2, 2), QPoint(-180, -140));

        host_.changes = 0;
        // A click that barely moves is no drag: double-clicks stay whole.
        Drag(window, QPoint(100, 60), QPoint(102, 61));
        QCOMPARE(window.pos(), QPoint(90, 80));
        Drag(window, QPoint(100, 60), QPoint(150, 90));
        QCOMPARE(window.GetNoteData().GetRect(), (Rect{140, 110, 370, 300}));
        const int changes = host_.changes;
        QVERIFY(changes > 0);
        // Released: moving the mouse moves nothing.
        SendMouse(window, QEvent::MouseMove, QPoint(10, 10), Qt::NoButton);
        QCOMPARE(window.pos(), QPoint(140, 110));
        QCOMPARE(host_.changes, changes);
    }

    void shadingRollsTheNoteUpToItsTitleBar() {
        CVeskNoteWnd& window = Create({100, 100, 300, 400});
        window.SendCommand(NoteCommand::kShade);
        QCOMPARE(window.geometry(), QRect(100, 100, 200, TitleBar() + 2));
        QCOMPARE(window.GetNoteData().GetRect(), (Rect{100, 100, 300, 400}));
        QCOMPARE(host_.changes, 1);

        // A shaded note is dragged from its corners too, and keeps its size.
        Drag(window, QPoint(195, TitleBar() - 2), QPoint(215, TitleBar() + 18));
        QCOMPARE(window.geometry(), QRect(120, 120, 200, TitleBar() + 2));
        QCOMPARE(window.GetNoteData().GetRect(), (Rect{120, 120, 320, 420}));

        // Without the shadow it is exactly the title bar high.
        host_.settings.SetNoteShadow(false);
        window.ApplySettings();
        QCOMPARE(window.height(), TitleBar());
        QVERIFY(window.mask().isEmpty());

        window.SendCommand(NoteCommand::kUnshade);
        QCOMPARE(window.geometry(), QRect(120, 120, 200, 300));

        // A shaded record opens shaded, unchanged.
        host_ = {};
        auto note = MakeNote({100, 100, 300, 400});
        note->SetShaded(true);
        CVeskNoteWnd& opened = Create(std::move(note));
        QCOMPARE(opened.height(), TitleBar() + 2);
        QCOMPARE(opened.GetNoteData().GetRect(), (Rect{100, 100, 300, 400}));
        QCOMPARE(host_.changes, 0);
    }

    void alphaIsClampedAndSolidWhileActive() {
        host_.settings.SetSolidOnSelect(false);
        CVeskNoteWnd& window = Create({100, 100, 300, 250});
        window.SetAlpha(5);
        QCOMPARE(window.GetNoteData().GetAlpha(), std::uint8_t{10});
        QCOMPARE(window.windowOpacity(), 10 / 255.0);
        window.SetAlpha(300);
        QCOMPARE(window.GetNoteData().GetAlpha(), std::uint8_t{255});
        window.SetAlpha(100);
        window.SetAlphaActive(false);
        QCOMPARE(window.windowOpacity(), 1.0);
        window.SetAlphaActive(true);
        QCOMPARE(window.windowOpacity(), 100 / 255.0);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowOpacity(), 100 / 255.0);

        // Solid on select: opaque while active; a new alpha waits until the
        // note is left.
        host_.settings.SetSolidOnSelect(true);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowOpacity(), 1.0);
        window.SetAlpha(60);
        QCOMPARE(window.GetNoteData().GetAlpha(), std::uint8_t{60});
        QCOMPARE(window.windowOpacity(), 1.0);
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(window.windowOpacity(), 60 / 255.0);
    }

    void shakingLeavesTheRecordAndAClickStopsIt() {
        auto note = MakeNote({100, 100, 300, 250});
        note->EnableAlarm(true);
        CVeskNoteWnd& window = Create(std::move(note));
        MoveRecorder moves;
        window.installEventFilter(&moves);
        window.SetShake(true, 0, 10);
        QTRY_VERIFY(moves.lefts.contains(90) && moves.lefts.contains(110));
        QVERIFY(std::ranges::all_of(moves.lefts, [](int x) { return x >= 90 && x <= 110; }));
        QCOMPARE(window.GetNoteData().GetRect(), (Rect{100, 100, 300, 250}));
        QCOMPARE(host_.changes, 0);

        SendMouse(window, QEvent::MouseButtonPress, QPoint(100, 60), Qt::LeftButton);
        SendMouse(window, QEvent::MouseButtonRelease, QPoint(100, 60), Qt::NoButton);
        QCOMPARE(window.pos(), QPoint(100, 100));
        QVERIFY(window.GetNoteData().GetAlarm() == nullptr);
        QCOMPARE(host_.changes, 1);
        moves.lefts.clear();
        QCoreApplication::processEvents();
        QVERIFY(moves.lefts.isEmpty());
    }
};

const RegisterUiTest<NoteWindowTest> registered;

}  // namespace
}  // namespace vesk::test

#include "NoteWindowTest.moc"

#include <QAbstractButton>
#include <QEvent>
#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <cstdint>
#include <memory>
#include <vector>

#include "UiTestRegistry.h"
#include "notes/NoteCommands.h"
#include "notewnd/CQuickActionBox.h"
#include "notewnd/NoteQuickActions.h"
#include "notewnd/QuickActionImages.h"
#include "settings/SettingsData.h"
#include "settings/StyleData.h"

namespace vesk::test {
namespace {

// A note as its box sees it, recording what the box asks of it. Shade and
// UnShade are carried out as a note would, swapping the box's buttons from
// inside the click.
class FakeOwner : public QuickActionOwner {
public:
    SettingsData settings;
    StyleData style;
    bool shown = true;
    bool alphaActive = true;
    std::vector<std::uint32_t> commands;
    std::vector<int> scrolls;
    NoteQuickActions* actions = nullptr;

    void OnQuickActionCommand(std::uint32_t command) override {
        commands.push_back(command);
        if (command == NoteCommand::kShade || command == NoteCommand::kUnshade) {
            actions->SetShaded(command == NoteCommand::kShade, false);
        }
    }
    void OnQuickActionScroll(int action) override { scrolls.push_back(action); }
    void SetAlphaActive(bool active) override { alphaActive = active; }
    bool IsNoteShown() const override { return shown; }
    const StyleData& GetNoteStyle() const override { return style; }
    const SettingsData& GetNoteSettings() const override { return settings; }
};

QAbstractButton* Button(CQuickActionBox& box, const QString& caption) {
    // Removed buttons go at the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (auto* button : box.findChildren<QAbstractButton*>()) {
        if (button->text() == caption) {
            return button;
        }
    }
    return nullptr;
}

class QuickActionBoxTest : public QObject {
    Q_OBJECT

    FakeOwner owner_;
    std::unique_ptr<QWidget> note_;
    std::unique_ptr<NoteQuickActions> actions_;

    CQuickActionBox& Box() { return actions_->GetBox(); }
    QScrollBar& ScrollBar() { return Box().GetScrollBar(); }

private slots:
    void init() {
        owner_ = {};
        owner_.style.SetColors(RGB(255, 0, 0), RGB(0, 0, 255), 0, 0);
        note_ = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint);
        note_->setGeometry(100, 100, 200, 150);
        note_->show();
        actions_ = std::make_unique<NoteQuickActions>(*note_, owner_);
        owner_.actions = actions_.get();
    }
    void cleanup() {
        actions_.reset();
        note_.reset();
    }

    void sizeFollowsButtonsScrollBarAndShadow() {
        ScrollBar().show();
        actions_->ApplySettings();
        QCOMPARE(ScrollBar().geometry(), QRect(2, 46, 20, 135));
        actions_->Show();
        QCOMPARE(Box().geometry(), QRect(304, 100, 26, 185));

        owner_.settings.SetNoteShadow(false);
        owner_.settings.SetShowQAButtons(false);
        actions_->ApplySettings();
        QCOMPARE(ScrollBar().pos(), QPoint(2, 2));
        QCOMPARE(Box().geometry(), QRect(302, 100, 24, 139));

        // Nothing left to show: the box goes, and activating the note
        // brings nothing back.
        actions_->ShowScrollBar(false);
        QVERIFY(Box().GetDesiredRect().isEmpty());
        QVERIFY(!Box().isVisible());
        actions_->Show();
        QVERIFY(!Box().isVisible());
        owner_.settings.SetShowQAButtons(true);
        actions_->ApplySettings();
        QCOMPARE(Box().GetDesiredRect(), QRect(0, 0, 24, 46));
    }

    // Where the note's right side has no room on its screen the box goes to
    // its left; where neither side has, it is held inside the screen.
    void staysOnTheNotesScreen() {
        const QRect area = note_->screen()->availableGeometry();
        note_->setGeometry(area.right() - 210, area.bottom() - 20, 200, 20);
        actions_->Show();
        QCOMPARE(Box().pos(), QPoint(area.right() - 238, area.bottom() - 47));
        note_->setGeometry(area.left(), area.top() - 30, area.width(), 100);
        actions_->Place();
        QCOMPARE(Box().pos(), QPoint(area.right() - 25, area.top()));
    }

    void shadingSwapsTheSecondButtonInItsSlot() {
        ScrollBar().show();
        actions_->SetShaded(true, true);
        QVERIFY(Button(Box(), "Shade") == nullptr);
        QCOMPARE(Button(Box(), "UnShade")->geometry(), QRect(2, 24, 20, 20));
        QVERIFY(!Box().IsScrollBarShown());

        actions_->SetShaded(false, false);
        QCOMPARE(Button(Box(), "Shade")->geometry(), QRect(2, 24, 20, 20));
        QVERIFY(Button(Box(), "UnShade") == nullptr);
        actions_->SetShaded(false, true);
        QCOMPARE(ScrollBar().geometry(), QRect(2, 46, 20, 135));
        QVERIFY(Box().IsScrollBarShown());
    }

    // Using the box keeps its note opaque until the note loses the
    // activation; the note then has its own opacity back and the box goes.
    void buttonsAndScrollBarReachTheNote() {
        actions_->Show();
        QTest::mouseClick(Button(Box(), "Shade"), Qt::LeftButton);
        QVERIFY(!owner_.alphaActive && Box().isVisible());
        QTest::mouseClick(Button(Box(), "UnShade"), Qt::LeftButton);
        QTest::mouseClick(Button(Box(), "Crumple"), Qt::LeftButton);
        const std::vector<std::uint32_t> sent{NoteCommand::kShade, NoteCommand::kUnshade,
                                              NoteCommand::kCrumple};
        QCOMPARE(owner_.commands, sent);
        ScrollBar().triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(owner_.scrolls, std::vector<int>{QAbstractSlider::SliderPageStepAdd});

        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QVERIFY(owner_.alphaActive);
        QVERIFY(!Box().isVisible());

        // A note hidden in the meantime does not come back opaque.
        actions_->Show();
        QTest::mouseClick(Button(Box(), "Crumple"), Qt::LeftButton);
        QVERIFY(!owner_.alphaActive);
        actions_->Hide();
        QVERIFY(owner_.alphaActive);
    }

    // A tab of the note: red at the top fading to blue at the foot of the
    // area above the shadow; a button shows its pressed picture while down.
    void paintsLikeATabOfTheNote() {
        actions_->Show();
        const QImage image = Box().grab().toImage();
        QCOMPARE(image.size(), QSize(26, 48));
        QVERIFY(qRed(image.pixel(23, 0)) > 245 && qBlue(image.pixel(23, 0)) < 10);
        QVERIFY(qBlue(image.pixel(23, 45)) > 245 && qRed(image.pixel(23, 45)) < 10);
        QCOMPARE(image.pixel(25, 47), qRgb(0, 0, 0));
        QVERIFY(!Box().mask().contains(QPoint(25, 0)) && Box().mask().contains(QPoint(25, 47)));

        const QImage normal = LoadQuickActionImage(QuickActionImage::kCrumple).toImage();
        const QImage pressed = LoadQuickActionImage(QuickActionImage::kCrumplePressed).toImage();
        QVERIFY(normal != pressed);
        QAbstractButton* button = Button(Box(), "Crumple");
        QCOMPARE(button->grab().toImage().convertToFormat(normal.format()), normal);
        button->setDown(true);
        QCOMPARE(button->grab().toImage().convertToFormat(pressed.format()), pressed);
    }
};

const RegisterUiTest<QuickActionBoxTest> registered;

}  // namespace
}  // namespace vesk::test

#include "QuickActionBoxTest.moc"

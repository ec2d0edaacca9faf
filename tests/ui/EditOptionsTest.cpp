#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <memory>

#include "DialogControls.h"
#include "FakeNoteHost.h"
#include "ScriptedPrompts.h"
#include "UiTestRegistry.h"
#include "dialogs/CCustomStyleDialog.h"
#include "dialogs/CFontSelectDialog.h"
#include "dialogs/editoptions/CAlarmPage.h"
#include "dialogs/editoptions/CColorPage.h"
#include "dialogs/editoptions/CEditPropertySheet.h"
#include "dialogs/editoptions/CFontPage.h"
#include "dialogs/editoptions/CSwatchPicker.h"
#include "dialogs/editoptions/CTransPage.h"
#include "notes/NoteCommands.h"
#include "notewnd/CChecklistNoteWnd.h"
#include "notewnd/CMessageNoteWnd.h"
#include "notewnd/CNoteEdit.h"
#include "notewnd/CPictureNoteWnd.h"
#include "notewnd/CScribbleNoteWnd.h"
#include "notewnd/QtColors.h"

namespace vesk::test {
namespace {

// Chooses an entry of a list as the user does.
void Choose(QComboBox& box, const QString& text) {
    box.setCurrentIndex(box.findText(text));
    emit box.activated(box.currentIndex());
    emit box.textActivated(text);
}

// In the Set Alarm dialog: an alarm at 15:30 on the 1st of July 2031, or
// none.
int SetAlarm(QDialog& dialog, bool on) {
    dialog.findChild<QCheckBox*>("alarmOn")->setChecked(on);
    dialog.findChild<QDateEdit*>("date")->setDate({2031, 7, 1});
    dialog.findChild<QTimeEdit*>("time")->setTime({15, 30});
    dialog.findChild<QPushButton*>("set")->click();
    return dialog.result();
}

// Picks a face by name in the font chooser, as a click on it would.
void PickFace(CFontSelectDialog& dialog, const QString& face) {
    dialog.Faces().setCurrentItem(dialog.Faces().findItems(face, Qt::MatchExactly).value(0));
}

class EditOptionsTest : public QObject {
    Q_OBJECT

    QtFontEngine engine_;
    FakeNoteHost host_;
    std::unique_ptr<CMessageNoteWnd> window_;

    // A message note being edited, its edit options open.
    CMessageNoteWnd& Edit(std::unique_ptr<NoteData> note = MakeNote({100, 100, 300, 300})) {
        window_ = std::make_unique<CMessageNoteWnd>(
            3, std::unique_ptr<MessageNoteData>(static_cast<MessageNoteData*>(note.release())),
            host_);
        window_->CreateNoteWindow();
        window_->SendCommand(NoteCommand::kEdit);
        return *window_;
    }
    CEditPropertySheet* Sheet() const { return OpenSheet(*window_); }
    template <typename Page>
    Page& OnPage() const {
        return *OpenPage<Page>(*window_);
    }
    NoteData& Record() const { return window_->GetNoteData(); }
    // The captions of the tabs of a note's edit options, each with its icon.
    static QStringList Tabs(CVeskNoteWnd& note) {
        if (!note.IsEditing()) {
            note.CreateNoteWindow();
            note.SendCommand(NoteCommand::kEdit);
        }
        QStringList tabs;
        QTabWidget& sheet = OpenSheet(note)->Tabs();
        for (int i = 0; i < sheet.count(); ++i) {
            tabs << (sheet.tabIcon(i).isNull() ? QString() : sheet.tabText(i));
        }
        return tabs;
    }
    // The size box takes typing as it comes, key by key.
    static void Type(QComboBox& box, const QString& text) {
        box.lineEdit()->clear();
        QTest::keyClicks(box.lineEdit(), text);
    }

private slots:
    void initTestCase() { UseTestFonts(engine_); }
    void cleanupTestCase() { RegisterFontEngine(nullptr); }
    void init() {
        host_ = {};
        // The built-in theme, as a fresh settings file holds it.
        ThemeData& pale = *host_.settings.FindTheme(host_.settings.AddTheme());
        pale.SetName(u"Pale");
        pale.AddStyle(RGB(255, 255, 210), RGB(255, 250, 170), RGB(0, 0, 0), RGB(0, 0, 0));
        pale.AddStyle(RGB(200, 230, 255), RGB(150, 200, 255), RGB(0, 0, 0), RGB(0, 0, 0));
        host_.settings.SetSelectedThemeId(pale.GetId());
    }
    void cleanup() { window_.reset(); }

    void sheetComesWithTheEditBesideTheNoteAndItsButtonsEndIt() {
        CMessageNoteWnd& window = Edit();
        CEditPropertySheet* sheet = Sheet();
        QVERIFY(sheet != nullptr && sheet->isWindow());
        QCOMPARE(Tabs(window), (QStringList{"F", "C", "T", "Alarm"}));
        CChecklistNoteWnd checklist(4, nullptr, host_);
        CScribbleNoteWnd scribble(5, nullptr, host_);
        CPictureNoteWnd picture(6, nullptr, host_);
        QCOMPARE(Tabs(checklist), (QStringList{"C", "F", "C", "T", "Alarm"}));
        QCOMPARE(Tabs(scribble), (QStringList{"Scribble", "C", "T", "Alarm"}));
        QCOMPARE(Tabs(picture), (QStringList{"Picture Options", "C", "T", "Alarm"}));
        QCOMPARE(sheet->pos(), QPoint(305, 100));
        window.move(150, 120);
        QCOMPARE(sheet->pos(), QPoint(355, 120));

        const int changes = host_.changes;
        sheet->accept();
        QVERIFY(!window.IsEditing() && !sheet->isVisible());
        QCOMPARE(host_.changes, changes + 1);
        window.SendCommand(NoteCommand::kEdit);
        QTest::keyClick(Sheet(), Qt::Key_Escape);
        QVERIFY(!window.IsEditing());
        QCOMPARE(host_.changes, changes + 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.findChild<CEditPropertySheet*>() == nullptr);
    }

    void sheetStaysClearOfTheNoteWhereTheScreenHasRoom() {
        const QRect screen(0, 0, 1000, 800);
        const QSize sheet(200, 150);
        // Right, left, below, above, and with no room anywhere the right edge.
        QCOMPARE(EditSheetPlace({100, 100, 200, 200}, sheet, screen), QPoint(305, 100));
        QCOMPARE(EditSheetPlace({700, 100, 200, 200}, sheet, screen), QPoint(495, 100));
        QCOMPARE(EditSheetPlace({100, 100, 850, 200}, sheet, screen), QPoint(100, 305));
        QCOMPARE(EditSheetPlace({100, 500, 850, 250}, sheet, screen), QPoint(100, 345));
        QCOMPARE(EditSheetPlace({100, 0, 850, 800}, sheet, screen), QPoint(800, 0));
        // Level with the note, but never past the screen's bottom or top.
        QCOMPARE(EditSheetPlace({100, 700, 200, 90}, sheet, screen), QPoint(305, 650));
        QCOMPARE(EditSheetPlace({100, -50, 200, 90}, sheet, screen), QPoint(305, 0));
        // Exactly room on the right, gap included; a pixel less goes left.
        QCOMPARE(EditSheetPlace({595, 100, 200, 90}, sheet, screen), QPoint(800, 100));
        QCOMPARE(EditSheetPlace({596, 100, 200, 90}, sheet, screen), QPoint(391, 100));
    }

    void sizeStepsStayWithinBoundsAndTypedSizesMustBeSizes() {
        auto note = MakeNote({100, 100, 300, 300});
        note->SetFont(FontData(u"DejaVu Sans", 5, false, false));
        Edit(std::move(note));
        CFontPage& page = OnPage<CFontPage>();
        page.Smaller().click();
        QCOMPARE(Record().GetFont().GetSize(), 4);
        page.Smaller().click();
        QCOMPARE(Record().GetFont().GetSize(), 4);
        QCOMPARE(page.Size().currentText(), "4");
        Type(page.Size(), "254");
        page.Larger().click();
        page.Larger().click();
        QCOMPARE(Record().GetFont().GetSize(), 255);
        QCOMPARE(page.Size().currentText(), "255");
        Type(page.Size(), "Huge");
        QCOMPARE(Record().GetFont().GetSize(), 48);
        // Not a size: the note keeps its own font rather than the default.
        Type(page.Size(), "abc");
        Type(page.Size(), "0");
        QCOMPARE(Record().GetFont(), FontData(u"DejaVu Sans", 48, false, false));
        Choose(page.Size(), "Small");
        QCOMPARE(Record().GetFont().GetSize(), 10);
    }

    void aNoteInTheDefaultFontTakesItAsItsOwnAtTheFirstChange() {
        Edit();
        CFontPage& page = OnPage<CFontPage>();
        QCOMPARE(page.Faces().currentText(), "DejaVu Sans");
        QCOMPARE(page.Size().currentText(), "12");
        page.Bold().click();
        QCOMPARE(Record().GetFont(), FontData(u"DejaVu Sans", 12, true, false));
        QCOMPARE(window_->GetEffectiveFont(), Record().GetFont());
    }

    void browsingFontsTakesTheFaceKeepsTheSizeAndListsTheFace() {
        ScriptedPrompts prompts;
        prompts.dialogs.push_back([](QDialog& dialog) {
            auto& chooser = static_cast<CFontSelectDialog&>(dialog);
            // The caller's note font has its own buttons for these.
            if (!chooser.Bold().isHidden() || chooser.UseDefault().isHidden()) {
                return int(QDialog::Rejected);
            }
            PickFace(chooser, "DejaVu Serif");
            return int(QDialog::Accepted);
        });
        auto note = MakeNote({100, 100, 300, 300});
        note->SetFont(FontData(u"DejaVu Sans", 20, false, true));
        Edit(std::move(note));
        CFontPage& page = OnPage<CFontPage>();
        Choose(page.Faces(), "(Browse Fonts)");
        QCOMPARE(prompts.dialogTitles, QStringList{"Select Font"});
        QCOMPARE(Record().GetFont(), FontData(u"DejaVu Serif", 20, false, true));
        QVERIFY(host_.usedFaces.contains(u"DejaVu Serif"));
        QCOMPARE(page.Faces().currentText(), "DejaVu Serif");

        // Cancelled, the list shows the note's face again.
        Choose(page.Faces(), "(Browse Fonts)");
        QCOMPARE(page.Faces().currentText(), "DejaVu Serif");
    }

    void fontChooserStartsOnTheFirstFaceForOneNotInstalled() {
        const FontData standard(u"DejaVu Sans", 12, false, false);
        CFontSelectDialog missing(FontData(u"No Such Face", 30, true, false), standard, {});
        QCOMPARE(missing.Faces().currentRow(), 0);
        QCOMPARE(missing.GetFont(),
                 FontData(missing.Faces().item(0)->text().toStdU16String(), 30, true, false));
        // Any face chosen leaves the size to the caller.
        PickFace(missing, "DejaVu Serif");
        QCOMPARE(missing.GetFont(), FontData(u"DejaVu Serif", 0, true, false));

        CFontSelectDialog byDefault(FontData(u"Default", 0, false, false), standard, {});
        QVERIFY(byDefault.UseDefault().isChecked() && !byDefault.Faces().isEnabled());
        QCOMPARE(byDefault.GetFont().GetFace(), u"Default");
        byDefault.UseDefault().click();
        QVERIFY(byDefault.Faces().isEnabled() && byDefault.Faces().currentRow() == 0);
        QCOMPARE(byDefault.GetFont().GetSize(), 0);
        byDefault.Italics().click();
        QVERIFY(byDefault.GetFont().GetItalics());
    }

    void transparencyShowsPerCentAndTheNoteShowsItWhileEdited() {
        auto note = MakeNote({100, 100, 300, 300});
        note->SetAlpha(255);
        CMessageNoteWnd& window = Edit(std::move(note));
        QVERIFY(QTest::qWaitForWindowActive(&window));
        CTransPage& page = OnPage<CTransPage>();
        QCOMPARE(page.Slider().value(), 100);
        QCOMPARE(page.Value().text(), "100%");
        page.Slider().setValue(10);
        QCOMPARE(page.Value().text(), "10%");
        QCOMPARE(Record().GetAlpha(), 26);
        // Shown although active notes are solid: the edit options are for
        // seeing it.
        QCOMPARE(window.windowOpacity(), 26 / 255.0);
    }

    void swatchesPutAStyleFromElsewhereFirstAndAChoiceRepaintsTheNote() {
        CMessageNoteWnd& window = Edit();
        CColorPage& page = OnPage<CColorPage>();
        QCOMPARE(page.Themes().currentText(), "Change Theme");
        QCOMPARE(page.Picker().count(), 3);
        QCOMPARE(page.Picker().currentIndex(), 0);
        QVERIFY(SameColors(page.Picker().StyleAt(0), StyleData::Fallback()));

        EventCounter paints(QEvent::Paint);
        window.installEventFilter(&paints);
        emit page.Picker().activated(2);
        QCOMPARE(Record().GetStyle().bgcolor, RGB(200, 230, 255));
        QCOMPARE(window.findChild<CNoteEdit*>()->palette().color(QPalette::Base),
                 QColor(200, 230, 255));
        QTRY_VERIFY(paints.count > 0);

        // A style of the theme is not listed twice.
        const Swatches own = BuildSwatches(host_.settings.FindTheme(0), Record().GetStyle());
        QCOMPARE(own.styles.size(), 2u);
        QCOMPARE(own.current, 1);

        // Another theme's swatches; the list goes back to its title.
        ThemeData& dark = *host_.settings.FindTheme(host_.settings.AddTheme());
        dark.SetName(u"Dark");
        dark.AddStyle(RGB(40, 40, 40), RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 255));
        CColorPage fresh(window, host_);
        Choose(fresh.Themes(), "Dark");
        QCOMPARE(fresh.Themes().currentIndex(), 0);
        QCOMPARE(fresh.Picker().count(), 2);
        QCOMPARE(fresh.Picker().StyleAt(1).bgcolor, RGB(40, 40, 40));
    }

    void customStyleReplacesTheNoteStyleAndMayJoinATheme() {
        ScriptedPrompts prompts;
        prompts.colors = {QColor(255, 0, 0), QColor()};
        prompts.dialogs.push_back([](QDialog& dialog) {
            auto& custom = static_cast<CCustomStyleDialog&>(dialog);
            custom.BgTop().click();
            custom.Title().click();
            if (custom.Themes().isEnabled()) return int(QDialog::Rejected);
            custom.AddToTheme().click();
            custom.accept();
            return custom.result();
        });
        Edit();
        CColorPage& page = OnPage<CColorPage>();
        page.Custom().click();
        QCOMPARE(prompts.dialogTitles, QStringList{"Custom Style"});
        StyleData expected = StyleData::Fallback();
        expected.bgcolor = RGB(255, 0, 0);
        QCOMPARE(Record().GetStyle(), expected);
        QCOMPARE(prompts.colorsOffered, (QList<QColor>{ToQColor(StyleData::Fallback().bgcolor),
                                                       ToQColor(expected.titlecolor)}));
        const ThemeData& pale = *host_.settings.FindTheme(0);
        QCOMPARE(pale.GetStyles().size(), 3u);
        QVERIFY(SameColors(pale.GetStyles().rbegin()->second, expected));
        // Now a style of the theme, it is no longer listed first on its own.
        QCOMPARE(page.Picker().count(), 3);
        QCOMPARE(page.Picker().currentIndex(), 2);
    }

    void alarmPageTellsOfTheAlarmAndSetsItInTheSetAlarmDialog() {
        host_.settings.SetDateFormat(u"%e %b");
        ScriptedPrompts prompts;
        prompts.dialogs = {[](QDialog& dialog) { return SetAlarm(dialog, true); },
                           [](QDialog& dialog) { return SetAlarm(dialog, false); }};
        Edit();
        CAlarmPage& page = OnPage<CAlarmPage>();
        QCOMPARE(page.SetLine().text() + "|" + page.TimeLine().text(), "No alarm is set|");
        page.Set().click();
        QVERIFY(Record().GetAlarm() != nullptr);
        // The day's leading blank goes.
        QCOMPARE(page.SetLine().text() + "|" + page.TimeLine().text(),
                 "Alarm is set for|1 Jul, 03:30 PM");
        page.Set().click();
        QVERIFY(Record().GetAlarm() == nullptr);
        QCOMPARE(page.SetLine().text(), "No alarm is set");
        QCOMPARE(prompts.dialogTitles, QStringList(2, "Set Alarm"));
    }

    void cancelEditingPutsBackWhatThePagesChanged() {
        ScriptedPrompts prompts;
        prompts.dialogs = {[](QDialog& dialog) { return SetAlarm(dialog, true); }};
        auto note = MakeNote({100, 100, 300, 300});
        note->SetFont(FontData(u"DejaVu Sans", 14, false, false));
        note->SetAlpha(200);
        CMessageNoteWnd& window = Edit(std::move(note));
        OnPage<CFontPage>().Larger().click();
        OnPage<CFontPage>().Italics().click();
        OnPage<CFontPage>().Centred().click();
        emit OnPage<CColorPage>().Picker().activated(1);
        OnPage<CTransPage>().Slider().setValue(40);
        OnPage<CAlarmPage>().Set().click();
        QVERIFY(Record().GetAlarm() != nullptr);
        window.SendCommand(NoteCommand::kCancelEditing);
        QVERIFY(Record().GetAlarm() == nullptr);
        QCOMPARE(Record().GetFont(), FontData(u"DejaVu Sans", 14, false, false));
        QCOMPARE(Record().GetAlignment(), NoteData::kAlignLeft);
        QCOMPARE(Record().GetStyle(), StyleData::Fallback());
        QCOMPARE(Record().GetAlpha(), 200);
        QCOMPARE(window.windowOpacity(), 200 / 255.0);
    }
};

const RegisterUiTest<EditOptionsTest> registered;

}  // namespace
}  // namespace vesk::test

#include "EditOptionsTest.moc"

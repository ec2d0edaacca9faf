#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "NoteWindowCase.h"
#include "PrintedPages.h"
#include "ScriptedPrompts.h"
#include "UiTestRegistry.h"
#include "dialogs/editoptions/CChecklistPage.h"
#include "notes/NoteCommands.h"
#include "notewnd/CCheckListEdit.h"
#include "notewnd/CChecklistNoteWnd.h"
#include "notewnd/QtFontEngine.h"
#include "notewnd/QtTextMeasurer.h"

namespace vesk::test {
namespace {

// Lets the tests see the rows and links of the last paint and the printed pages.
class ProbedChecklistWnd : public PrintedPages<CChecklistNoteWnd> {
public:
    using CChecklistNoteWnd::Rows;
    using CVeskNoteWnd::Links;
    using PrintedPages::PrintedPages;
};

// "*" before a ticked item's text, as in the clipboard's form.
std::unique_ptr<ChecklistNoteData> MakeChecklist(const std::vector<std::u16string>& items) {
    auto note = std::make_unique<ChecklistNoteData>();
    note->SetRect({100, 100, 300, 300});
    note->SetStyle(StyleData::Fallback());
    note->SetTitle(u"Shopping");
    for (const std::u16string& item : items) {
        const bool ticked = item.starts_with(u'*');
        note->AddItem(item.substr(ticked ? 1 : 0), ticked);
    }
    return note;
}

class ChecklistNoteWndTest : public NoteWindowCase {
    Q_OBJECT

    ProbedChecklistWnd& Create(const std::vector<std::u16string>& items) {
        return NoteWindowCase::Create<ProbedChecklistWnd>(MakeChecklist(items));
    }
    const ChecklistNoteData& Record() const {
        return static_cast<const ChecklistNoteData&>(window_->GetNoteData());
    }
    CCheckListEdit* List() const { return window_->findChild<CCheckListEdit*>(); }
    // The label being typed, if any.
    QLineEdit* Label() const {
        for (QLineEdit* label : List()->findChildren<QLineEdit*>()) {
            if (label->isVisible()) return label;
        }
        return nullptr;
    }
    // Edits the items: selects the row and presses the edit options' button
    // for the command, then Done Editing.
    void EditRow(int row, std::uint32_t command) {
        window_->SendCommand(NoteCommand::kEdit);
        List()->setCurrentItem(List()->topLevelItem(row));
        CChecklistPage& page = *OpenPage<CChecklistPage>(*window_);
        const std::map<std::uint32_t, QPushButton*> buttons{
            {NoteCommand::kMoveItemUp, &page.Up()},
            {NoteCommand::kMoveItemDown, &page.Down()},
            {NoteCommand::kDeleteItem, &page.DeleteItem()}};
        buttons.at(command)->click();
        window_->SendCommand(NoteCommand::kDoneEditing);
    }
    static int LineHeight() {
        return QtTextMeasurer(CVeskNoteWnd::GetDefaultContentFont()).LineHeight();
    }

private slots:

    void rowsCentreTheirBoxesOnTheFirstLineAndImportantItemsAreBold() {
        // A ticked item ending in "!" is no longer important; an item whose
        // text holds a line feed takes two lines.
        ProbedChecklistWnd& window =
            Create({u"Milk", u"one\ntwo", u"*Bread", u"Call www.x.org!", u"*Pay www.y.org!"});
        Paint();
        const QRect c = window.GetContentRect(false);
        const int line = LineHeight();
        const std::vector<bool> important{false, false, false, true, false};
        QCOMPARE(window.Rows().size(), important.size());
        int top = c.top();
        for (std::size_t i = 0; i < important.size(); ++i) {
            QCOMPARE(window.Rows()[i].box, QRect(c.left(), top + (line - 10) / 2, 10, 10));
            QCOMPARE(window.Rows()[i].important, important[i]);
            top += (i == 1 ? 2 : 1) * line + 5;
        }

        // Both items ending in "!" are measured in bold, ticked or not.
        FontData boldFont = CVeskNoteWnd::GetDefaultContentFont();
        boldFont.SetBold(true);
        const QtTextMeasurer bold(boldFont);
        QVERIFY(bold.MeasureText(u"www.x.org!") !=
                QtTextMeasurer(CVeskNoteWnd::GetDefaultContentFont()).MeasureText(u"www.x.org!"));
        QCOMPARE(window.Links().size(), std::size_t{2});
        QCOMPARE(window.Links()[0].rect.Width(), bold.MeasureText(u"www.x.org!"));
        QCOMPARE(window.Links()[1].rect.Width(), bold.MeasureText(u"www.y.org!"));
        QCOMPARE(window.Links()[0].rect.left, c.left() + 20 + bold.MeasureText(u"Call "));

        // The item of a line feed stays one item through the editor.
        EditRow(0, NoteCommand::kMoveItemDown);
        QCOMPARE(Record().GetPlainText(),
                 u"-one\ntwo\n-Milk\n*Bread\n-Call www.x.org!\n*Pay www.y.org!\n");
        Paint();
        QCOMPARE(window.Rows().size(), important.size());
    }

    void aClickOnABoxTicksItAtOnceAndStillDragsTheNote() {
        ProbedChecklistWnd& window = Create({u"Milk", u"Bread"});
        Paint();
        const QRect box = window.Rows()[1].box;
        SendMouse(window, QEvent::MouseButtonPress, box.center(), Qt::LeftButton);
        QCOMPARE(Record().GetPlainText(), u"-Milk\n*Bread\n");
        QCOMPARE(host_.changes, 1);
        SendMouse(window, QEvent::MouseMove, box.center() + QPoint(40, 30), Qt::LeftButton);
        SendMouse(window, QEvent::MouseButtonRelease, box.center(), Qt::NoButton);
        QCOMPARE(window.pos(), QPoint(140, 130));
        QVERIFY(!window.IsEditing());

        // Beside the box nothing is ticked; on it again the tick goes.
        Paint();
        Drag(window, box.center() + QPoint(12, 0), box.center() + QPoint(12, 0));
        QCOMPARE(Record().GetPlainText(), u"-Milk\n*Bread\n");
        Drag(window, box.center(), box.center());
        QCOMPARE(Record().GetPlainText(), u"-Milk\n-Bread\n");
    }

    void labelsAreTypedAddedAndKeptAsTheKeysSay() {
        ProbedChecklistWnd& window = Create({u"*Milk"});
        window.SendCommand(NoteCommand::kEdit);
        CCheckListEdit* list = List();
        list->setCurrentItem(list->topLevelItem(0));
        // Enter on the last row adds one, its label selected, caret at the start.
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(Label()->selectedText(), "New Item");
        QCOMPARE(Label()->cursorPosition(), 0);
        QTest::keyClicks(Label(), "Eggs");
        // A letter with Ctrl is typed, not a command to the note.
        QTest::keyClick(Label(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(window.GetNoteData().GetState(), NoteData::kStateShown);
        // Enter keeps what was typed and, after the last row, adds the next.
        QTest::keyClick(Label(), Qt::Key_Return);
        QCOMPARE(Label()->text(), "New Item");
        QTest::keyClick(Label(), Qt::Key_Escape);
        QVERIFY(Label() == nullptr);

        window.SendCommand(NoteCommand::kNewItem);
        QCOMPARE(Label()->text(), "New item");
        QTest::keyClick(Label(), Qt::Key_Backspace);
        // Up keeps the empty label and selects the row above.
        QTest::keyClick(Label(), Qt::Key_Up);
        window.SendCommand(NoteCommand::kEditItem);
        QCOMPARE(Label()->text(), "New Item");
        QTest::keyClicks(Label(), QString(520, u'x'));
        // Ctrl+Enter keeps the label and ends the edit.
        QTest::keyClick(Label(), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(!window.IsEditing());
        QCOMPARE(Record().GetPlainText(),
                 u"*Milk\n-Eggs\n-" + std::u16string(512, u'x') + u"\n-\n");
    }

    void theEditOptionsButtonsHandTheKeyboardToTheLabelTheyOpen() {
        ProbedChecklistWnd& window = Create({u"Milk"});
        window.SendCommand(NoteCommand::kEdit);
        CChecklistPage& page = *OpenPage<CChecklistPage>(window);
        for (QPushButton* button : {&page.EditItem(), &page.NewItem()}) {
            List()->setCurrentItem(List()->topLevelItem(0));
            // The button was clicked, so the edit options have the keyboard.
            page.window()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(page.window()));
            button->click();
            QTRY_COMPARE(QApplication::focusWidget(), Label());
        }
    }

    void aLabelOpenedOnTheRowThatHasNoSelectionStillLeadsToItsNeighbours() {
        ProbedChecklistWnd& window = Create({u"a", u"b"});
        window.SendCommand(NoteCommand::kEdit);
        // As the list is opened: the first row current, none selected.
        CCheckListEdit* list = List();
        list->selectionModel()->setCurrentIndex(list->model()->index(0, 0),
                                                QItemSelectionModel::Clear);
        QTest::keyClick(list, Qt::Key_F2);
        QTest::keyClicks(Label(), "x");
        QTest::keyClick(Label(), Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Delete);
        window.SendCommand(NoteCommand::kDoneEditing);
        QCOMPARE(Record().GetPlainText(), u"-x\n");
    }

    void rowsMoveAndGoOnlyWhereTheyCan() {
        struct Case {
            int row;
            std::uint32_t command;
            const char16_t* items;
        };
        const Case cases[] = {{0, NoteCommand::kMoveItemUp, u"-a\n*b\n-c\n"},
                              {2, NoteCommand::kMoveItemDown, u"-a\n*b\n-c\n"},
                              {1, NoteCommand::kMoveItemUp, u"*b\n-a\n-c\n"},
                              {1, NoteCommand::kMoveItemDown, u"-a\n-c\n*b\n"},
                              {1, NoteCommand::kDeleteItem, u"-a\n-c\n"}};
        for (const Case& test : cases) {
            Create({u"a", u"*b", u"c"});
            EditRow(test.row, test.command);
            QCOMPARE(Record().GetPlainText(), test.items);
        }
        // The Delete key too; outside editing the commands do nothing.
        ProbedChecklistWnd& window = Create({u"a", u"*b", u"c"});
        window.SendCommand(NoteCommand::kNewItem);
        window.SendCommand(NoteCommand::kEdit);
        List()->setCurrentItem(List()->topLevelItem(0));
        QTest::keyClick(List(), Qt::Key_Delete);
        window.SendCommand(NoteCommand::kDoneEditing);
        QCOMPARE(Record().GetPlainText(), u"*b\n-c\n");
    }

    void tickedItemsAreDeletedOrGatheredInTheirOrder() {
        using Action = void (CChecklistNoteWnd::*)();
        const std::tuple<Action, const char*, const char16_t*> cases[] = {
            {&CChecklistNoteWnd::DeleteChecked, "Delete", u"-b\n-d\n"},
            {&CChecklistNoteWnd::MoveCheckedToTop, "Move to Top", u"*a\n*c\n-b\n-d\n"},
            {&CChecklistNoteWnd::MoveCheckedToBottom, "Move to Bottom", u"-b\n-d\n*a\n*c\n"}};
        for (const auto& [action, entry, items] : cases) {
            ProbedChecklistWnd& window = Create({u"*a", u"b", u"*c", u"d"});
            (window.*action)();
            QCOMPARE(Record().GetPlainText(), u"*a\n-b\n*c\n-d\n");
            // Chosen in the edit options' "Actions on Checked", which goes
            // back to its title.
            window.SendCommand(NoteCommand::kEdit);
            QComboBox& onChecked = OpenPage<CChecklistPage>(window)->OnChecked();
            onChecked.setCurrentIndex(onChecked.findText(entry));
            emit onChecked.activated(onChecked.currentIndex());
            QCOMPARE(onChecked.currentText(), "Actions on Checked");
            window.SendCommand(NoteCommand::kDoneEditing);
            QCOMPARE(Record().GetPlainText(), items);
        }
    }

    void copyingClearingAndCancellingKeepTheItemsStraight() {
        CVeskNoteWnd plain(1, MakeNote({100, 100, 300, 300}), host_);
        plain.CreateNoteWindow();
        const QImage background = Render(plain);
        ProbedChecklistWnd& window = Create(std::vector<std::u16string>(40, u"*item"));
        QVERIFY(Paint() != background);
        window.SendCommand(NoteCommand::kCopyToClipboard);
        QCOMPARE(QGuiApplication::clipboard()->text().left(14), "*item\n*item\n*i");

        // Cleared while edited, the items come back with Cancel Editing.
        window.SendCommand(NoteCommand::kEdit);
        window.SendCommand(NoteCommand::kClearContents);
        QCOMPARE(List()->topLevelItemCount(), 0);
        window.SendCommand(NoteCommand::kCancelEditing);
        QCOMPARE(Record().GetItems().size(), std::size_t{40});

        // No items: nothing drawn, no content to scroll to, no hints.
        host_.changes = 0;
        window.SendCommand(NoteCommand::kClearContents);
        QVERIFY(host_.changes > 0);
        QCOMPARE(Paint(), background);
        QVERIFY(window.Rows().empty());
    }

    void printsEveryItemWholeInBlackOverThePages() {
        std::vector<std::u16string> items;
        for (int i = 0; i < 30; ++i) items.push_back(i % 3 == 0 ? u"*done" : u"urgent!");
        ProbedChecklistWnd& window = Create(items);
        ScriptedPrompts prompts;
        const QTemporaryDir folder;
        ChoosePdfPrinter(prompts, folder.filePath("list.pdf"));
        window.SendCommand(NoteCommand::kPrint);
        QVERIFY(window.printed.size() > 1);
        const PrintedInk ink = ReadPrintedPages(window.printed, CVeskNoteWnd::GetTitleBarHeight());
        QVERIFY2(ink.stray.isEmpty(), qPrintable(ink.stray));
        QCOMPARE(ink.lines, 30);
    }
};

const RegisterUiTest<ChecklistNoteWndTest> registered;

}  // namespace
}  // namespace vesk::test

#include "ChecklistNoteWndTest.moc"

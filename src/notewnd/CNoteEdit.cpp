#include "notewnd/CNoteEdit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <optional>

#include "notewnd/QtColors.h"
#include "notewnd/QtFontEngine.h"

namespace vesk {

namespace {

// The editor holds line feeds only; a carriage return would make a second
// line break.
QString WithLineFeeds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

bool IsEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

CNoteEdit::CNoteEdit(Mode mode, bool centred, QWidget* parent)
    : QPlainTextEdit(parent), mode_(mode) {
    setFrameShape(QFrame::NoFrame);
    // The note's own menu is the one a right click opens, over its editors
    // too: the request goes on to the note.
    setContextMenuPolicy(Qt::NoContextMenu);
    document()->setDocumentMargin(0);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Lines scroll into view as the caret moves; there is no room for a bar.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (mode == Mode::SingleLine) {
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setWordWrapMode(QTextOption::NoWrap);
    }
    if (centred) {
        QTextOption option = document()->defaultTextOption();
        option.setAlignment(Qt::AlignHCenter);
        document()->setDefaultTextOption(option);
    }
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { NoteChange(position, added); });
    connect(this, &QPlainTextEdit::textChanged, this, &CNoteEdit::EnforceLimit);
}

void CNoteEdit::SetBackgroundColor(COLORREF colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ToQColor(colour));
    colours.setColor(QPalette::Window, ToQColor(colour));
    setPalette(colours);
}

void CNoteEdit::SetTextColor(COLORREF colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Text, ToQColor(colour));
    setPalette(colours);
}

void CNoteEdit::SetNoteFont(const FontData& font) {
    if (const std::optional<QtDrawingFonts> fonts = QtDrawingFonts::Usable(font)) {
        setFont(fonts->GetPlainFont());
    }
}

void CNoteEdit::SetTextLimit(int characters) { limit_ = characters; }

void CNoteEdit::SetText(const std::u16string& text) {
    settingText_ = true;
    QString plain = WithLineFeeds(QString::fromStdU16String(text));
    if (mode_ == Mode::SingleLine) {
        plain.replace(u'\n', u' ');
    }
    setPlainText(plain);
    settingText_ = false;
}

std::u16string CNoteEdit::GetText() const {
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text.toStdU16String();
}

void CNoteEdit::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(*event)) {
        // Enter with Ctrl belongs to the note; a single line has no use for
        // Enter at all.
        if (mode_ == Mode::SingleLine || event->modifiers().testFlag(Qt::ControlModifier)) {
            event->ignore();
            return;
        }
        // Shift+Enter too makes an ordinary line break.
        insertPlainText(QStringLiteral("\n"));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CNoteEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) {
        return;
    }
    QString text = WithLineFeeds(source->text());
    // A single line takes what is pasted up to the first line break.
    if (mode_ == Mode::SingleLine) {
        text.truncate(text.indexOf(u'\n') < 0 ? text.size() : text.indexOf(u'\n'));
    }
    insertPlainText(text);
}

int CNoteEdit::TextLength() const {
    return document()->characterCount() - 1 + (document()->blockCount() - 1);
}

void CNoteEdit::NoteChange(int position, int added) {
    changeStart_ = position;
    changeAdded_ = added;
}

void CNoteEdit::EnforceLimit() {
    if (limit_ < 0 || settingText_) {
        return;
    }
    const int excess = TextLength() - limit_;
    if (excess <= 0) {
        return;
    }
    // Cut the end of what was just inserted, a line break counting two.
    const int end = std::min(changeStart_ + changeAdded_, document()->characterCount() - 1);
    int cut = 0;
    int from = end;
    while (from > changeStart_ && cut < excess) {
        --from;
        cut += document()->characterAt(from) == QChar::ParagraphSeparator ? 2 : 1;
    }
    QTextCursor cursor(document());
    cursor.setPosition(from);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

}  // namespace vesk

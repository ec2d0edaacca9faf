#include "notewnd/NoteKeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <utility>

#include "notes/NoteCommands.h"

namespace vesk {

void InstallNoteAccelerators(QWidget& window, const std::function<void(std::uint32_t)>& send) {
    const std::pair<QKeyCombination, std::uint32_t> accelerators[] = {
        {Qt::CTRL | Qt::Key_Return, NoteCommand::kDoneEditing},
        {Qt::CTRL | Qt::Key_Enter, NoteCommand::kDoneEditing},
        {Qt::CTRL | Qt::Key_T, NoteCommand::kCrumple},
        {Qt::CTRL | Qt::Key_E, NoteCommand::kEdit},
        {Qt::CTRL | Qt::Key_H, NoteCommand::kHide},
        {Qt::CTRL | Qt::Key_S, NoteCommand::kShade},
    };
    for (const auto& [keys, command] : accelerators) {
        // The window's context covers its child editors, which have no use
        // for these keys.
        auto* shortcut = new QShortcut(QKeySequence(keys), &window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &window,
                         [send, command = command] { send(command); });
    }
}

}  // namespace vesk

#include "dialogs/editoptions/CEditPage.h"

#include <QGuiApplication>
#include <QPixmapCache>
#include <utility>

#include "notewnd/CVeskNoteWnd.h"

namespace vesk {

namespace {

// Drawn from its picture once per run: every edit makes its pages anew.
QIcon PageIcon(const char* name) {
    const QString key = QStringLiteral("editoptions/%1").arg(QString::fromLatin1(name));
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QIcon(QStringLiteral(":/icons/editoptions/%1.svg").arg(QString::fromLatin1(name)))
                      .pixmap(QSize(16, 16), qApp->devicePixelRatio());
        QPixmapCache::insert(key, picture);
    }
    return QIcon(picture);
}

}  // namespace

CEditPage::CEditPage(CVeskNoteWnd& note, NoteHost& host, QString caption, const QString& name,
                     const char* icon)
    : note_(note), host_(host), caption_(std::move(caption)), icon_(PageIcon(icon)) {
    setAccessibleName(name);
}

NoteData& CEditPage::Record() { return note_.GetNoteData(); }

const NoteData& CEditPage::Record() const { return note_.GetNoteData(); }

void CEditPage::Send(std::uint32_t command) { note_.SendCommand(command); }

}  // namespace vesk

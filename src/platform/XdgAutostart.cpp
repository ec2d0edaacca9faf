#include "XdgAutostart.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace vesk::platform {

namespace {

QString FindFolder() {
    const QString fromEnvironment = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString configHome = !fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment)
                                   ? fromEnvironment
                                   : QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(configHome) + QStringLiteral("/autostart/");
}

// A string value: backslash and control characters are escaped, and a
// leading space would be lost to the reader.
QString EscapeValue(const QString& value) {
    QString escaped;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\') {
            escaped += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            escaped += QStringLiteral("\\n");
        } else if (c == u'\t') {
            escaped += QStringLiteral("\\t");
        } else if (c == u'\r') {
            escaped += QStringLiteral("\\r");
        } else if (c == u' ' && i == 0) {
            escaped += QStringLiteral("\\s");
        } else {
            escaped += c;
        }
    }
    return escaped;
}

// The Exec key: the path in double quotes, with the characters that are
// special inside them escaped, and '%' doubled so it is no field code.
QString ExecValue(const QString& program) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') {
            quoted += u'\\';
        }
        quoted += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    quoted += u'"';
    return EscapeValue(quoted);
}

}  // namespace

QString DesktopEntry(const QString& name, const QString& program, const QString& description) {
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=%1\n"
               "Comment=%2\n"
               "Exec=%3\n"
               "Terminal=false\n")
        .arg(EscapeValue(name), EscapeValue(description), ExecValue(program));
}

XdgAutostart::XdgAutostart() : folder_(FindFolder()) {}

QString XdgAutostart::EntryPath(const QString& name) const {
    return folder_ + QString(name).replace(u' ', u'-') + QStringLiteral(".desktop");
}

bool XdgAutostart::Exists(const QString& name) const { return QFile::exists(EntryPath(name)); }

bool XdgAutostart::Create(const QString& name, const QString& program, const QString& description) {
    if (!QDir().mkpath(folder_)) {
        return false;
    }
    QSaveFile file(EntryPath(name));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(DesktopEntry(name, program, description).toUtf8());
    return file.commit();
}

bool XdgAutostart::Remove(const QString& name) {
    const QString path = EntryPath(name);
    return !QFile::exists(path) || QFile::remove(path);
}

}  // namespace vesk::platform

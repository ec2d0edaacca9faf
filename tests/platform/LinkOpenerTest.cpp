#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <algorithm>

#include "PlatformTestSupport.h"
#include "platform/DesktopLinkOpener.h"

namespace vesk::platform::test {

class LinkOpenerTest : public QObject {
    Q_OBJECT

public slots:
    void Record(const QUrl& url) { handled_.push_back(url); }

private slots:
    // A stand-in xdg-open writes down what it was given and, like the real
    // one finding no program, fails for anything that names "refuse".
    void linksGoThroughTheDesktopsOpenerWhichMayRefuse() {
        QTemporaryDir bin;
        const QString script = bin.filePath("xdg-open");
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "#!/bin/sh\n"
            "echo \"$1\" >> \"${0%/*}/opened\"\n"
            "case \"$1\" in *refuse*) exit 3;; esac\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EnvironmentGuard environment;
        environment.Set("PATH", bin.path().toUtf8());

        const auto opened = [&bin] {
            QFile file(bin.filePath("opened"));
            if (!file.open(QIODevice::ReadOnly)) return QStringList();
            QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
            lines.sort();
            return lines;
        };
        QStringList failed;
        const auto record = [&failed](const QString& target) { failed << target; };
        DesktopLinkOpener opener;
        opener.OpenLink("http://exa mple.com/", record);
        QCOMPARE(failed, QStringList{"http://exa mple.com/"});
        opener.OpenLink("http://www.example.com/a page?q=1", record);
        opener.OpenLink("https://example.com/100%/x#top", record);
        opener.OpenLink("mailto:refuse@example.com", record);
        opener.OpenFile("/opt/vesk notes/help #2/how?to use.html", record);
        QTRY_COMPARE(opened().size(), 4);
        QTRY_COMPARE(failed.size(), 2);
        QCOMPARE(failed[1], "mailto:refuse@example.com");
        QCOMPARE(opened(),
                 (QStringList{"file:///opt/vesk%20notes/help%20%232/how%3Fto%20use.html",
                              "http://www.example.com/a%20page?q=1",
                              "https://example.com/100%25/x#top", "mailto:refuse@example.com"}));
    }

    // Without xdg-open, QDesktopServices takes over; it hands every URL of
    // the registered schemes here instead of launching anything.
    void withoutTheOpenerQtOpens() {
        QTemporaryDir emptyBin;
        EnvironmentGuard environment;
        environment.Set("PATH", emptyBin.path().toUtf8());
        for (const char* scheme : {"https", "file"}) {
            QDesktopServices::setUrlHandler(scheme, this, "Record");
        }
        DesktopLinkOpener opener;
        bool failed = false;
        opener.OpenLink("https://example.com/", [&failed](const QString&) { failed = true; });
        opener.OpenFile("help/howtouse.html", [&failed](const QString&) { failed = true; });
        for (const char* scheme : {"https", "file"}) QDesktopServices::unsetUrlHandler(scheme);
        QVERIFY(!failed);
        QCOMPARE(handled_.size(), std::size_t{2});
        QCOMPARE(handled_[1].toLocalFile(), QDir::current().absoluteFilePath("help/howtouse.html"));
    }

private:
    std::vector<QUrl> handled_;
};

static RegisterTest<LinkOpenerTest> registration;

}  // namespace vesk::platform::test

#include "LinkOpenerTest.moc"
